// What the goldens cannot show: state kept across redraws, bad values kept
// off the canvas, and the texts built for the window and its footer.
#include "drawing/response_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/curve_drawing.h"
#include "drawing/graph_frames.h"
#include "drawing/recording_canvas.h"
#include "drawing/response_window_text.h"
#include "drawing/value_sheet.h"
#include "response/step_response.h"
#include "support/designs.h"

namespace larkspan {
namespace {

using test::design;

// A recording canvas with a screen target around it.
struct Recorder {
    RecordingCanvas canvas;
    DrawTarget target{canvas};
};

bool allFinite(const RecordingCanvas& c)
{
    return std::all_of(c.primitives.begin(), c.primitives.end(), [](const Primitive& p) {
        return std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) && std::isfinite(p.y2) &&
               std::isfinite(p.radius) && std::isfinite(p.begin) && std::isfinite(p.end);
    });
}

TEST(ResponseView, EachRedrawReplacesTheControls)
{
    Design d;
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    d.channel = 3;
    ResponsePlot(r.target, d, state);
    ASSERT_EQ(r.target.controls.size(), 4U);
    EXPECT_EQ(r.target.controls[2].text, "Mid");
    d.s_Resp = "schema";
    ResponsePlot(r.target, d, state);
    for (const auto& c : r.target.controls) EXPECT_FALSE(c.id >= 71 && c.id <= 74) << c.id;
}

TEST(ResponseView, RedrawsIntoKeptCurvesDrawWhatAFreshStateDraws)
{
    // The kept curves first hold the longest window (3-way, FXL below
    // 12.5 Hz: 200 ms); a redraw of a shorter one must leave nothing of it.
    Design longest = design().ways(3).order(4).align("Linkwi").view("st");
    longest.FXL = 10;
    longest.FXH = 100;
    Design shorter = design().view("st");  // 2-way first order, 650 Hz: a 2.7 ms window

    ViewState kept;
    {
        Recorder r;
        ResponsePlot(r.target, longest, kept);
    }
    // A copy of the state, as a paint starts from, shares the kept room.
    ViewState copy = kept;
    Recorder fromKept, fromCopy, fresh;
    ResponsePlot(fromKept.target, shorter, kept);
    ResponsePlot(fromCopy.target, shorter, copy);
    ViewState freshState;
    ResponsePlot(fresh.target, shorter, freshState);
    EXPECT_EQ(fromKept.canvas.primitives, fresh.canvas.primitives);
    EXPECT_EQ(fromCopy.canvas.primitives, fresh.canvas.primitives);
    ASSERT_TRUE(copy.curves);
    EXPECT_EQ(copy.curves, kept.curves);
    // Lo, Hi and the total, each from t = 0 to 2.65 ms in 5 µs steps.
    ASSERT_EQ(kept.curves->size(), 3U);
    for (const Curve& c : *kept.curves) EXPECT_LT(c.points.size(), 1000U) << c.branch;

    // The group delay refills the same room, here straight after the four
    // curves of the longest window.
    ViewState afterLongest;
    Recorder stepFirst, gdAfter, gdFresh;
    ResponsePlot(stepFirst.target, longest, afterLongest);
    Design gd = design().view("gd");
    ResponsePlot(gdAfter.target, gd, afterLongest);
    ViewState gdState;
    ResponsePlot(gdFresh.target, gd, gdState);
    EXPECT_EQ(gdAfter.canvas.primitives, gdFresh.canvas.primitives);
}

TEST(ResponseView, NonFiniteDesignValuesNeverReachTheCanvas)
{
    struct Row {
        const char* name;
        void (*spoil)(Design&);
    };
    const Row rows[] = {
        {"FX NaN", [](Design& d) { d.FX = std::nanf(""); }},
        {"FX infinite", [](Design& d) { d.FX = INFINITY; }},
        {"FX zero", [](Design& d) { d.FX = 0; }},
        {"RE zero", [](Design& d) { d.RE = 0; }},
        {"RH negative", [](Design& d) { d.RH = -6; }},
        {"3-way FXL NaN", [](Design& d) { d.channel = 3, d.FXL = std::nanf(""); }},
        {"3-way RM infinite", [](Design& d) { d.channel = 3, d.RM = INFINITY; }},
        {"3-way FXH = FXL", [](Design& d) { d.channel = 3, d.FXH = d.FXL; }},
    };
    for (const auto& row : rows) {
        for (const char* view : {"amp", "imp", "ph", "gd", "nq", "st", "HigCorrImp", "schema"}) {
            SCOPED_TRACE(std::string(row.name) + " " + view);
            Design d = design().view(view);
            row.spoil(d);
            ViewState state;
            Recorder r;
            ResponsePlot(r.target, d, state);
            EXPECT_TRUE(allFinite(r.canvas));
        }
    }
}

// The step graph's time labels and the curves' time scale come from two
// tables that must agree: a curve point at t lands at 46 + 690·c·t, so in
// every band the last label (in ms, at the graph's right edge) times the
// band's factor is 1/16, the window running 1/15 past the labelled span.
TEST(StepGraph, TimeLabelsAgreeWithTheCurvesTimeScaleInEveryBand)
{
    const float oneInEachBand[] = {10, 20, 40, 100, 200, 400, 1000, 2000, 4000, 10000, 20000};
    for (int band = 0; band < 11; ++band) {
        const StepTimeAxis axis = stepTimeAxis(design().view("st").fx(oneInEachBand[band]));
        EXPECT_EQ(axis.band, band);
        EXPECT_DOUBLE_EQ(std::stod(stepTimeLabels(band)[5]) * axis.c, 0.0625) << band;
    }
}

TEST(CurveDrawing, StrokesOnlyDrawnFiniteSegmentsFromThePreviousPoint)
{
    Curve c;
    c.colour = Colour{0, 0.7843F, 0};
    c.LineW = 1;
    const float nan = std::nanf("");
    const auto point = [](float x, float y, bool drawn) {
        CurvePoint p;
        p.x = x, p.y = y, p.drawn = drawn;
        return p;
    };
    c.points = {point(0, 0, true),                                                // the first point has no predecessor
                point(1, 1, true),                                                // 0→1
                point(2, 2, false),                                               // not stroked
                point(3, nan, true),                                              // into NaN: skipped
                point(4, 4, true),                                                // out of NaN: skipped
                point(5, INFINITY, true), point(6, 6, true), point(7, 7, true)};  // 6→7
    RecordingCanvas canvas;
    drawCurve(canvas, c);
    Primitive first, last;
    first.x2 = first.y2 = 1;
    last.x1 = last.y1 = 6, last.x2 = last.y2 = 7;
    first.pen = last.pen = Pen{1, Colour{0, 0.7843F, 0}, Dash::Solid};
    EXPECT_EQ(canvas.primitives, (std::vector<Primitive>{first, last}));
}

TEST(WindowTexts, TitlesHelpTagsValuesAndFooter)
{
    const std::pair<const char*, const char*> titles[] = {
        {"amp", "Amplitude"},
        {"imp", "Impedance"},
        {"ph", "Phase"},
        {"gd", "Group-Delay"},
        {"nq", "Nyquist-Diagram"},
        {"st", "Step-Response"},
        {"schema", "Schematics"},
        {"HigCorrImp", "High-Imp-Correct"},
        {"MidCorrImp", "Mid-Imp-Correct"},
        {"", ""},
        {"AMP", ""},
        {"amp ", ""},
    };
    for (const auto& [key, title] : titles) EXPECT_EQ(SetResponseTitle(key), title) << key;

    EXPECT_EQ(splitHelpTag("Total Response\\@LB"), (HelpTag{"Total Response", "LB"}));
    EXPECT_EQ(splitHelpTag("High Range Driver\\@BL"), (HelpTag{"High Range Driver", "BL"}));
    EXPECT_EQ(splitHelpTag("No code"), (HelpTag{"No code", ""}));
    EXPECT_EQ(splitHelpTag("Odd \\@B"), (HelpTag{"Odd \\@B", ""}));
    EXPECT_EQ(splitHelpTag(""), (HelpTag{"", ""}));

    // Three decimals, halves to even: 1.2345F and 1.2355F times 1000 in single
    // precision are exactly 1234.5 and 1235.5, where a double product would
    // round the first up and the second down.
    const std::pair<float, const char*> values[] = {{0.0004F, " 0"},     {1.2345F, " 1.234"}, {1.2355F, " 1.236"},
                                                    {6.3662F, " 6.366"}, {12.0F, " 12"},      {-6.0F, "-6"}};
    for (const auto& [value, text] : values) EXPECT_EQ(valueText(value), text) << value;

    const std::pair<DateTime, const char*> footers[] = {
        {{2026, 12, 4, 21, 38, 40}, "Larkspan  Dec/04/2026 21:38:40"},
        {{2030, 1, 1, 5, 6, 7}, "Larkspan  Jan/01/2030 05:06:07"},
        {{2009, 9, 9, 23, 59, 59}, "Larkspan  Sep/09/2009 23:59:59"},
    };
    for (const auto& [when, text] : footers) EXPECT_EQ(dateTimeText(when), text);
}

TEST(WindowTexts, FooterPlacedUnderTheView)
{
    for (const auto& [view, x, y] : {std::tuple{"schema", 30, 555}, {"amp", 25, 775}, {"st", 25, 775}}) {
        RecordingCanvas c;
        DrawDateTime(c, design().view(view), DateTime{2026, 12, 4, 21, 38, 40});
        ASSERT_EQ(c.primitives.size(), 1U);
        EXPECT_EQ(c.primitives[0].x1, x);
        EXPECT_EQ(c.primitives[0].y1, y);
        EXPECT_EQ(c.primitives[0].fontSize, 13);
    }
}

}  // namespace
}  // namespace larkspan
