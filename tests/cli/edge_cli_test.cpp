// larkspan-cli with a foreign-encoded name in a document: the text it
// writes stays well formed.
#include <gtest/gtest.h>

#include "model/raw_record.h"
#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

using test::cli;
using test::defaultRecordByHand;
using test::ScratchFolder;

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
