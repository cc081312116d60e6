// larkspan-cli at the edges: damaged and foreign-encoded documents and
// values that are not finite.
#include <gtest/gtest.h>

#include <functional>

#include "model/raw_record.h"
#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

using test::cli;
using test::defaultRecordByHand;
using test::RawRecord;
using test::ScratchFolder;

constexpr std::uint32_t kNaN = 0x7FC00000;
constexpr std::uint32_t kInf = 0x7F800000;

struct EdgeRow {
    const char* name;
    std::function<RawRecord()> doc;  // opened with --doc before the arguments, when set
    std::vector<std::string> args;   // "@" stands for the scratch folder
    int status;
    std::string errorText;  // what standard error must hold

    friend void PrintTo(const EdgeRow& r, std::ostream* os) { *os << r.name; }
};

test::RunResult run(const EdgeRow& row, const ScratchFolder& folder)
{
    std::vector<std::string> args;
    if (row.doc) {
        test::writeBytes(folder / "d.xvrdoc", row.doc().bytes);
        args = {"--doc", (folder / "d.xvrdoc").string()};
    }
    for (std::string a : row.args) args.push_back(a == "@" ? folder.path().string() : a);
    return cli(args);
}

class CliEdges : public testing::TestWithParam<EdgeRow> {};

TEST_P(CliEdges, StatusAndMessage)
{
    ScratchFolder folder;
    const auto r = run(GetParam(), folder);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_NE(r.err.find(GetParam().errorText), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << "a terminal escape reached standard error";
}

RawRecord withU16(std::size_t at, std::uint16_t v, const char* key = "Butter")
{
    return defaultRecordByHand().text(0, key).u16(at, v);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliEdges,
    testing::Values(EdgeRow{"nan_ratio_is_too_far",
                            [] { return defaultRecordByHand().u16(63, 3).u32(75, kInf); },
                            {"--order", "2", "--align", "Bessel", "values"},
                            0,
                            "too far"},
                    EdgeRow{
                        "channel_7", [] { return withU16(63, 7); }, {"values"}, 1, "not a Larkspan design: channel 7"},
                    EdgeRow{"order_0", [] { return withU16(65, 0); }, {"values"}, 1, "not a Larkspan design: order 0"},
                    EdgeRow{"key_not_offered",
                            [] { return withU16(65, 3, "Linkwi"); },
                            {"values"},
                            1,
                            "not a Larkspan design: alignment 'Linkwi' at order 3"},
                    EdgeRow{"absurd_values_open",
                            [] { return defaultRecordByHand().u32(67, kNaN).u32(79, 0x7149F2CA).u32(83, 0xBF800000); },
                            {"values"},
                            0,
                            ""},
                    EdgeRow{"nan_is_not_saved",
                            [] { return defaultRecordByHand().u32(67, kNaN); },
                            {"save", "@/out.xvrdoc"},
                            1,
                            "FX is not a finite number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliValues, JsonCarriesTheSheetAndNamesWhatIsNotFinite)
{
    auto r = cli({"values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(", \"sheet\": [{\"id\": 102, \"text\": "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("nonFinite"), std::string::npos);

    ScratchFolder folder;
    const std::vector<std::string> doc{"--doc", (folder / "d.xvrdoc").string()};
    test::writeBytes(folder / "d.xvrdoc", defaultRecordByHand().u32(67, kNaN).bytes);
    r = cli({doc[0], doc[1], "values", "--json"});
    EXPECT_NE(r.out.find("\"FX\": null"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"nonFinite\": [\"FX\", "), std::string::npos) << r.out;
    // The table tells NaN from infinity.
    EXPECT_NE(cli({doc[0], doc[1], "values"}).out.find(" NaN Hz"), std::string::npos);
    test::writeBytes(folder / "d.xvrdoc", defaultRecordByHand().u32(67, kInf).bytes);
    EXPECT_NE(cli({doc[0], doc[1], "values"}).out.find(" Inf Hz"), std::string::npos);
}

// A model name in Mac Roman with a control byte: "Café" and U+0001, shown
// as "Café␁" wherever it is written as text.
TEST(CliValues, ForeignBytesInANameGiveWellFormedOutput)
{
    ScratchFolder folder;
    test::writeBytes(folder / "d.xvrdoc", defaultRecordByHand().text(255, "Caf\x8E\x01  ").bytes);
    const std::vector<std::string> doc{"--doc", (folder / "d.xvrdoc").string()};
    const std::string shown = "Model : Caf\xC3\xA9\xE2\x90\x81";

    const auto json = cli({doc[0], doc[1], "values", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find(shown), std::string::npos) << json.out;
    EXPECT_EQ(json.out.find_first_of("\x01\x8E"), std::string::npos) << "raw bytes of the name in the JSON";

    const auto svg = cli({doc[0], doc[1], "render", "--view", "schema", "--out", (folder / "s.svg").string()});
    ASSERT_EQ(svg.status, 0) << svg.err;
    const std::string text = test::readText(folder / "s.svg");
    EXPECT_EQ(text.find_first_of("\x01\x8E"), std::string::npos) << "raw bytes of the name in the SVG";
    EXPECT_NE(text.find(shown), std::string::npos);
}

}  // namespace
}  // namespace larkspan
