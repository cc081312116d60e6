// End-to-end tests of `larkspan-cli print`: the printed page as a PDF file.
#include <gtest/gtest.h>

#include <regex>

#include "support/pdf_tools.h"
#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

using test::cli;

#ifdef LARKSPAN_CLI_HAS_QT

const std::regex kFooter(R"(Larkspan +[A-Z][a-z]{2}/\d\d/20\d\d \d\d:\d\d:\d\d)");

// Where pdftotext puts the word `word` across the page, in points.
double leftOf(const std::string& bbox, const std::string& word)
{
    std::smatch m;
    if (!std::regex_search(bbox, m, std::regex("<word xMin=\"([\\d.]+)\"[^>]*>" + word + "</word>"))) return -1;
    return std::stod(m[1].str());
}

TEST(CliPrint, OnePageWithTheChosenPaperOrientationAndDate)
{
    struct Row {
        std::vector<std::string> args;
        const char* pageSize;  // pdfinfo's words
        const char* title;
        bool dated;
    };
    const Row rows[] = {
        {{"print", "--view", "amp", "--no-date"}, "595 x 842 pts (A4)", "untitled_Amplitude", false},
        {{"--ways", "3", "print", "--view", "schema", "--paper", "letter"},
         "792 x 612 pts (letter)",
         "untitled_Schematics",
         true},
        {{"print", "--view", "gd", "--orientation", "landscape"}, "842 x 595 pts (A4)", "untitled_Group-Delay", true},
        {{"print", "--view", "schema", "--orientation", "portrait"}, "595 x 842 pts (A4)", "untitled_Schematics", true},
        // `render` into a PDF file is `print` with its defaults.
        {{"render", "--view", "schema"}, "842 x 595 pts (A4)", "untitled_Schematics", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        test::ScratchFolder folder;
        std::vector<std::string> args = row.args;
        args.insert(args.end(), {"--out", (folder / "page.pdf").string()});
        const auto r = cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        const std::string info = test::pdfinfo(folder / "page.pdf");
        ASSERT_FALSE(info.empty()) << "pdfinfo (poppler-utils) is needed to read the page";
        EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +1\\n"))) << info;
        EXPECT_NE(info.find(row.pageSize), std::string::npos) << info;
        EXPECT_TRUE(std::regex_search(info, std::regex(std::string("Title: +") + row.title + "\\n"))) << info;
        EXPECT_EQ(std::regex_search(test::pdftext(folder / "page.pdf"), kFooter), row.dated);
    }
}

// The step view's longest window has some 170 000 points; on the page its
// curves keep what quarter-point columns show, a small fraction of the 1.3 MB
// that every point took.
TEST(CliPrint, DenseCurvesKeepWhatThePageShows)
{
    test::ScratchFolder folder;
    const auto r = cli({"--ways", "3", "--order", "4", "--fxl", "10", "--fxh", "100", "render", "--view", "st", "--out",
                        (folder / "st.pdf").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_LT(std::filesystem::file_size(folder / "st.pdf"), 200'000U);
}

TEST(CliPrint, UserScaleActsOnceFromThePrintableCorner)
{
    // The page is drawn from the printable area's corner, 18 points in: a
    // word twice as far from it at 200 % as at 100 %.
    test::ScratchFolder folder;
    double offset[2] = {};
    for (int i = 0; i < 2; ++i) {
        const std::string file = (folder / ("s" + std::to_string(i) + ".pdf")).string();
        const auto r = cli({"print", "--view", "amp", "--no-date", "--scale", i == 0 ? "100" : "200", "--out", file});
        ASSERT_EQ(r.status, 0) << r.err;
        offset[i] =
            leftOf(test::commandOutput("pdftotext -bbox " + test::shellQuote(file) + " - 2>/dev/null"), "dB") - 18;
    }
    ASSERT_GT(offset[0], 0);
    EXPECT_NEAR(offset[1] / offset[0], 2.0, 0.01);
}

TEST(CliPrint, RefusedArgumentsAndUnwritableFiles)
{
    struct Row {
        std::vector<std::string> args;
        int status;
    };
    const Row rows[] = {
        {{"print", "--view", "amp", "--out", "x.png"}, 2},
        {{"print", "--view", "amp", "--out", "x.pdf", "--orientation", "sideways"}, 2},
        {{"print", "--view", "amp", "--out", "x.pdf", "--scale", "0"}, 2},
        {{"print", "--view", "amp", "--out", "x.pdf", "--paper", "a3"}, 2},
        {{"print", "--view", "HigCorrImp", "--out", "x.pdf"}, 2},
        {{"print", "--view", "amp", "--out", "/nonexistent-folder/x.pdf"}, 1},
    };
    for (const Row& row : rows) {
        const auto r = cli(row.args);
        EXPECT_EQ(r.status, row.status) << row.args[row.args.size() - 1] << r.err;
        EXPECT_FALSE(r.err.empty());
    }
}

#endif

}  // namespace
}  // namespace larkspan
