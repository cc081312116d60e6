// End-to-end tests of `larkspan-cli render` into pictures (its SVG files are
// in the transcript, tests/golden).
#include <gtest/gtest.h>

#include <regex>

#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

using test::cli;

#if LARKSPAN_CLI_HAS_QT

// Renders with the given arguments into a scratch file; the file's contents,
// or nothing when the tool failed. A rendering that succeeds prints nothing.
std::string render(const std::vector<std::string>& args, const std::string& fileName)
{
    test::ScratchFolder folder;
    std::vector<std::string> all = args;
    all.insert(all.end(), {"--out", (folder / fileName).string()});
    const auto r = cli(all);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
    return test::readText(folder / fileName);
}

// Width and height from a PNG's IHDR chunk (bytes 16..23, big-endian).
std::pair<unsigned, unsigned> pngSize(const std::string& png)
{
    const auto be32 = [&](std::size_t at) {
        unsigned v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(png[at + i]);
        return v;
    };
    return {be32(16), be32(20)};
}

TEST(CliRender, PngAtOneAndTwoPixelsPerPoint)
{
    struct Row {
        const char* view;
        const char* scale;
        unsigned width, height;
    };
    for (const Row& row : {Row{"amp", "1", 540, 390}, Row{"imp", "2", 1080, 780}, Row{"schema", "1", 810, 565},
                           Row{"schema", "2", 1620, 1130}}) {
        const std::string png = render({"render", "--view", row.view, "--scale", row.scale}, "view.png");
        ASSERT_GT(png.size(), 24U);
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        EXPECT_EQ(pngSize(png), std::make_pair(row.width, row.height)) << row.view << " " << row.scale;
    }
}

TEST(CliRender, SchematicCarriesTheDriverPicturesBuiltWithTheTool)
{
    // Tweeter and woofer in a 2-way design, the mid-range driver too in a
    // 3-way one, each embedded from the resource folder beside the program.
    for (const auto& [ways, pictures] : {std::pair{"2", 2}, std::pair{"3", 3}}) {
        const std::string svg = render({"--ways", ways, "render", "--view", "schema"}, "pictures.svg");
        const std::regex embedded(R"(<image [^>]*href="data:image/png;base64,iVBORw0KGgo)");
        EXPECT_EQ(std::distance(std::sregex_iterator(svg.begin(), svg.end(), embedded), std::sregex_iterator()),
                  pictures)
            << ways << "-way";
        EXPECT_NE(svg.find("<image x=\"711\" y=\"416\" width=\"34\" height=\"68\""), std::string::npos);
    }
}

#endif

}  // namespace
}  // namespace larkspan
