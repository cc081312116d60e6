// The rules around the printed page: orientation, page scale, names and the
// print error alert.
#include "drawing/printed_page.h"

#include <gtest/gtest.h>

namespace larkspan {
namespace {

TEST(PrintedPage, OrientationFollowsTheViewUntilChosen)
{
    struct Row {
        const char* name;
        std::uint8_t flag;
        PageOrientation held;
        const char* view;
        PageOrientation expected;
    };
    const Row rows[] = {
        {"schematic first time", 0, PageOrientation::Portrait, "schema", PageOrientation::Landscape},
        {"graph first time", 0, PageOrientation::Landscape, "amp", PageOrientation::Portrait},
        {"corrected impedance is a graph", 0, PageOrientation::Landscape, "MidCorrImp", PageOrientation::Portrait},
        {"chosen landscape kept for a graph", 1, PageOrientation::Landscape, "gd", PageOrientation::Landscape},
        {"chosen portrait kept for the schematic", 1, PageOrientation::Portrait, "schema", PageOrientation::Portrait},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::uint8_t flag = row.flag;
        PageOrientation orientation = row.held;
        MySetupPageFormatForPrinting(flag, orientation, row.view);
        EXPECT_EQ(orientation, row.expected);
        EXPECT_EQ(flag, 1);
    }
}

TEST(PrintedPage, PageScaleOfPrintableAreas)
{
    // Printable areas within quarter-inch margins: A4 595 × 842 points gives
    // 559 × 806, Letter 612 × 792 gives 576 × 756. Expected values worked out
    // on a desk calculator from the page-scale polynomials, e.g. A4 portrait
    // graph 102.5 × (0.0017889308287 × 559 + 1.0087e-13 × 559² + 3.44e-8)
    // = 102.50127; the schematic's are whole numbers after rounding
    // (0.1258389 × 559 − 1.34396) × 1.025 = 70.72 → 71.
    struct Row {
        const char* name;
        const char* view;
        double W, H, userScale, expected;
    };
    const Row rows[] = {
        {"A4 portrait graph", "amp", 559, 806, 100, 102.501271},
        {"A4 portrait graph at 50 %", "amp", 559, 806, 50, 51.250636},
        {"A4 landscape graph at 200 %", "ph", 806, 559, 200, 142.999982},
        {"Letter portrait graph at 200 %", "st", 576, 756, 200, 211.236966},
        {"Letter landscape graph at 50 %", "nq", 756, 576, 50, 36.837205},
        {"square page uses the landscape rule", "amp", 559, 559, 100, 71.499991},
        {"A4 landscape schematic", "schema", 806, 559, 100, 100},
        {"A4 portrait schematic at 50 %", "schema", 559, 806, 50, 35.5},
        {"Letter landscape schematic at 200 %", "schema", 756, 576, 200, 192},
        {"Letter portrait schematic", "schema", 576, 756, 100, 73},
        {"ratio 1.35 is not wide", "schema", 135, 100, 100, 16},
        {"ratio 1.36 is wide", "schema", 136, 100, 100, 19},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(CalcPrintPageScale(row.view, row.W, row.H, row.userScale), row.expected, 1e-5);
    }
}

TEST(PrintedPage, JobAndSnapshotNames)
{
    EXPECT_EQ(printJobName("untitled", "amp"), "untitled_Amplitude");
    EXPECT_EQ(printJobName("Two way.xvrdoc", "schema"), "Two way_Schematics");
    EXPECT_EQ(snapshotFileName(1, "amp"), "Larkspan_1_Amplitude.png");
    EXPECT_EQ(snapshotFileName(12, "HigCorrImp"), "Larkspan_12_High-Imp-Correct.png");
}

TEST(PrintedPage, PrintErrorAlert)
{
    EXPECT_EQ(ReportPMError(kNoDefaultPrinter), (Alert{"Error code -30872", "No default printer specified"}));
    EXPECT_EQ(ReportPMError(kPrintingFailed), (Alert{"Error code -30870", "Printing error"}));
    // Numbers as the runtime writes them: a blank before a non-negative one.
    EXPECT_EQ(ReportPMError(9), (Alert{"Error code  9", "Printing error"}));
}

}  // namespace
}  // namespace larkspan
