// larkspan-cli refusing a document or a save: the status, the reason, and
// no file written or left behind.
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
