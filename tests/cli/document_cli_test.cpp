// End-to-end tests of larkspan-cli's --doc option and save command.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

using test::cli;

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(CliDocument, SaveThenOpenGivesTheSameDesign)
{
    ScratchFolder folder;
    const std::string file = (folder / "Box A.xvrdoc").string();
    const std::vector<std::string> design{"--ways", "3",     "--order", "2",     "--align",
                                          "Bessel", "--fxl", "300",     "--fxh", "3000"};
    const auto saved = cli(with(design, {"save", file}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(saved.out.empty()) << saved.out;

    // The record's layout is the core's tests' business; here its length and
    // one field: FXL 300 (0x43960000) at offset 71.
    const auto bytes = readBytes(file);
    ASSERT_EQ(bytes.size(), 450U);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 71, bytes.begin() + 75)),
              (std::vector<std::uint8_t>{0x43, 0x96, 0x00, 0x00}));

    const auto direct = cli(with(design, {"values", "--json"}));
    const auto reopened = cli({"--doc", file, "values", "--json"});
    ASSERT_EQ(direct.status, 0) << direct.err;
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_EQ(reopened.out, direct.out);
    EXPECT_NE(reopened.out.find("\"s_Type\": \"Bessel\""), std::string::npos) << reopened.out;
}

// Failures: the status, what standard error must name, and that nothing
// appears on standard output.
struct FailureRow {
    const char* name;
    std::vector<std::string> args;  // "@" stands for the scratch folder
    int status;
    std::vector<std::string> errorTexts;

    friend void PrintTo(const FailureRow& r, std::ostream* os) { *os << r.name; }
};

class CliDocumentFailures : public testing::TestWithParam<FailureRow> {};

TEST_P(CliDocumentFailures, ExitWithTheReason)
{
    ScratchFolder folder;
    writeBytes(folder / "plain", {1, 2, 3});
    writeBytes(folder / "old.xvrdoc", std::vector<std::uint8_t>(450, 'o'));
    writeBytes(folder / "notes.txt", std::vector<std::uint8_t>(450, 0));
    writeBytes(folder / "upper.XVRDOC", std::vector<std::uint8_t>(450, 0));
    fs::create_directory(folder / "sub.xvrdoc");
    const auto before = folder.entries();

    std::vector<std::string> args;
    for (std::string a : GetParam().args) {
        if (const auto at = a.find('@'); at != std::string::npos) a.replace(at, 1, folder.path().string());
        args.push_back(a);
    }
    const auto r = cli(args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    for (std::string text : GetParam().errorTexts) {
        if (const auto at = text.find('@'); at != std::string::npos) text.replace(at, 1, folder.path().string());
        EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
    }
    EXPECT_EQ(folder.entries(), before) << "a file was written or left behind";
    EXPECT_EQ(readBytes(folder / "old.xvrdoc"), std::vector<std::uint8_t>(450, 'o'));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliDocumentFailures,
    testing::Values(
        FailureRow{"missing_document",
                   {"--doc", "@/none.xvrdoc", "values"},
                   1,
                   {"@/none.xvrdoc", "No such file or directory"}},
        FailureRow{"folder_as_document", {"--doc", "@/sub.xvrdoc", "values"}, 1, {"@/sub.xvrdoc", "Is a directory"}},
        FailureRow{"save_below_a_file", {"save", "@/plain/a.xvrdoc"}, 1, {"@/plain/a.xvrdoc", "Not a directory"}},
        FailureRow{"save_over_a_folder", {"save", "@/sub.xvrdoc"}, 1, {"@/sub.xvrdoc", "Is a directory"}},
        FailureRow{"save_after_refused_entry", {"--fx", "0", "save", "@/old.xvrdoc"}, 2, {"--fx"}},
        FailureRow{"document_of_another_kind", {"--doc", "@/notes.txt", "values"}, 2, {"notes.txt", ".xvrdoc"}},
        FailureRow{"extension_case_matters", {"--doc", "@/upper.XVRDOC", "values"}, 2, {"upper.XVRDOC"}},
        FailureRow{"save_without_file", {"save"}, 2, {"save takes one argument"}},
        FailureRow{"save_two_files", {"save", "@/a.xvrdoc", "@/b.xvrdoc"}, 2, {"save takes one argument"}},
        FailureRow{"doc_without_value", {"--doc"}, 2, {"--doc needs a value"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
