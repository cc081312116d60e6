// The response window's content as a whole: view dispatch, curves on the
// canvas, titles and the printed footer.
#include "drawing/response_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/curve_drawing.h"
#include "drawing/graph_frames.h"
#include "drawing/response_window_text.h"
#include "drawing_test_support.h"

namespace larkspan {
namespace {

using test::Recorder;

const Colour kOrange{1, 0.5294F, 0};

std::vector<Primitive> linesOfColour(const RecordingCanvas& c, const Colour& colour)
{
    std::vector<Primitive> out;
    for (const auto& p : c.of(Primitive::Kind::Line))
        if (p.pen.colour == colour) out.push_back(p);
    return out;
}

TEST(ResponseView, FirstOrderTwoWayTotalAmplitudeIsTheLineAtZeroDecibels)
{
    // Equal resistances: LN/LD + HN/HD = 1 at every frequency, 0 dB, y = 130.
    Design d;
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    std::vector<Primitive> total;
    for (const auto& p : linesOfColour(r.canvas, kOrange))
        if (p.pen.width == 2 && p.y1 != 360) total.push_back(p);  // not the legend sample
    ASSERT_EQ(total.size(), 299U);
    for (const auto& p : total) {
        EXPECT_EQ(p.y1, 130);
        EXPECT_EQ(p.y2, 130);
    }
    EXPECT_FLOAT_EQ(total.front().x1, 45);
    // The total is drawn last, on top of the branches.
    EXPECT_EQ(r.canvas.primitives.back(), total.back());
}

TEST(ResponseView, EraseFirstThenFrameCaptionLegendCurves)
{
    Design d;
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    ASSERT_FALSE(r.canvas.primitives.empty());
    const Primitive& erase = r.canvas.primitives.front();
    EXPECT_EQ(erase.kind, Primitive::Kind::Rect);
    EXPECT_TRUE(erase.fill);
    EXPECT_EQ(erase.x2, 810);
    EXPECT_EQ(erase.y2, 565);
    EXPECT_EQ(erase.pen.colour, (Colour{1, 1, 1}));
    EXPECT_EQ(r.canvas.textsReading("'2wey 1st Order Butterworth'").size(), 1U);
    ASSERT_EQ(r.target.controls.size(), 3U);
    EXPECT_EQ(r.target.controls[0].text, "Total");
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

TEST(ResponseView, GraphViewsDrawTheirFramesAndOneCurvePerBranch)
{
    struct Row {
        const char* view;
        int channel;
        const char* title;
    };
    for (const Row& row : {Row{"amp", 2, "Amplitude"}, Row{"imp", 2, "Input Impedance"}, Row{"ph", 2, "Phase"},
                           Row{"amp", 3, "Amplitude"}, Row{"imp", 3, "Input Impedance"}, Row{"ph", 3, "Phase"}}) {
        SCOPED_TRACE(std::string(row.view) + " " + std::to_string(row.channel));
        Design d;
        d.channel = static_cast<std::int16_t>(row.channel);
        d.s_Resp = row.view;
        ViewState state;
        Recorder r;
        ResponsePlot(r.target, d, state);
        EXPECT_EQ(r.canvas.textsReading(row.title).size(), 1U);
        // Every branch leaves curve lines in its colour beyond the legend sample.
        for (int ii = 1; ii <= (row.channel == 3 ? 4 : 3); ++ii)
            EXPECT_GT(linesOfColour(r.canvas, branchColour(row.channel, ii)).size(), 10U) << ii;
        EXPECT_TRUE(test::allFinite(r.canvas));
    }
}

TEST(ResponseView, GroupDelayLabelsFollowTheScaleItsSearchChose)
{
    // First-order 2-way defaults: both branches level off near
    // 1/(2π·650 Hz) = 0.245 ms, so the scale is 0.25 ms.
    Design d;
    d.s_Resp = "gd";
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    EXPECT_FLOAT_EQ(state.gd.GDscl, 0.25F);
    EXPECT_EQ(r.canvas.textsReading("+0.25").size(), 1U);
    // The low branch: 0.242 ms on a 0.25 ms scale, y = 190 − 140·0.242/0.25
    // ≈ 54.5 at the low end (20 Hz, x = 45), where the curves end. (The total
    // of this design is flat with no delay at all.)
    const auto low = linesOfColour(r.canvas, branchColour(2, 1));
    ASSERT_FALSE(low.empty());
    const Primitive& last = low.back();
    EXPECT_NEAR(last.x2, 45, 0.5);
    EXPECT_NEAR(last.y2, 190 - 140 * 0.242 / 0.25, 1.0);
}

TEST(ResponseView, NyquistDrawsEveryCurveOnePointWide)
{
    for (const int channel : {2, 3}) {
        Design d;
        d.channel = static_cast<std::int16_t>(channel);
        d.s_Resp = "nq";
        ViewState state;
        Recorder r;
        ResponsePlot(r.target, d, state);
        EXPECT_EQ(r.canvas.textsReading("Nyquist Diagram").size(), 1U);
        for (int ii = 1; ii <= (channel == 3 ? 4 : 3); ++ii) {
            const auto lines = linesOfColour(r.canvas, branchColour(channel, ii));
            EXPECT_GT(lines.size(), 10U) << ii;
            for (const auto& p : lines) EXPECT_LE(p.pen.width, 1.0F) << ii;
        }
    }
}

TEST(ResponseView, StepResponseStartsAtTheStepsHeight)
{
    // At t = 0 the total is 1: y = −1·140 + 260 = 120, at x = 46.
    Design d;
    d.s_Resp = "st";
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    EXPECT_EQ(r.canvas.textsReading("Step Response").size(), 1U);
    EXPECT_EQ(r.canvas.textsReading("2.5").size(), 1U);  // FX = 650 Hz: a 2.667 ms window
    std::vector<Primitive> total;
    for (const auto& p : linesOfColour(r.canvas, kOrange))
        if (p.pen.width == 2 && p.y1 != 360) total.push_back(p);
    ASSERT_FALSE(total.empty());
    EXPECT_NEAR(total.front().x1, 46, 0.01);
    EXPECT_NEAR(total.front().y1, 120, 0.01);
}

TEST(ResponseView, StepRedrawsIntoKeptCurvesDrawWhatAFreshStateDraws)
{
    // The kept curves first hold the longest window (3-way, FXL below
    // 12.5 Hz: 200 ms); a redraw of a shorter one must leave nothing of it.
    Design longest;
    longest.channel = 3;
    longest.order = 4;
    longest.s_Type = "Linkwi";
    longest.FXL = 10;
    longest.FXH = 100;
    longest.s_Resp = "st";
    Design shorter;  // 2-way first order, 650 Hz: a 2.7 ms window
    shorter.s_Resp = "st";

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
    ASSERT_TRUE(copy.step);
    EXPECT_EQ(copy.step, kept.step);
    // Lo, Hi and the total, each from t = 0 to 2.65 ms in 5 µs steps.
    ASSERT_EQ(kept.step->size(), 3U);
    for (const Curve& c : *kept.step) EXPECT_LT(c.points.size(), 1000U) << c.branch;
}

TEST(ResponseView, CorrectionViewsDrawBeforeAndAfterOnTheImpedanceGrid)
{
    for (const char* view : {"HigCorrImp", "MidCorrImp"}) {
        SCOPED_TRACE(view);
        Design d;
        d.channel = 3;
        d.s_Resp = view;
        ViewState state;
        Recorder r;
        ResponsePlot(r.target, d, state);
        EXPECT_EQ(r.canvas
                      .textsReading(std::string(view) == "HigCorrImp" ? "High Range Impedance Correct"
                                                                      : "Mid Range Impedance Correct")
                      .size(),
                  1U);
        ASSERT_EQ(r.target.controls.size(), 2U);
        EXPECT_EQ(r.target.controls[1].text, "Before");
        EXPECT_TRUE(test::allFinite(r.canvas));
    }
}

TEST(ResponseView, UnknownKeyLeavesTheWindowErasedAndEmpty)
{
    Design d;
    d.s_Resp = "bogus";
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    ASSERT_EQ(r.canvas.primitives.size(), 1U);
    EXPECT_TRUE(r.canvas.primitives[0].fill);
    EXPECT_TRUE(r.target.controls.empty());
}

TEST(ResponseView, SchematicViewCarriesCaptionAndPictures)
{
    Design d;
    d.s_Resp = "schema";
    d.channel = 3;
    d.order = 2;
    d.s_Type = "Linkwi";
    ViewState state;
    Recorder r;
    ResponsePlot(r.target, d, state);
    EXPECT_EQ(r.canvas.textsReading("'3wey 2nd Order Linkwitz-Riley'").size(), 1U);
    EXPECT_EQ(r.canvas.of(Primitive::Kind::Image).size(), 3U);
    EXPECT_EQ(viewSize("schema"), (ViewSize{810, 565}));
    EXPECT_EQ(viewSize("amp"), (ViewSize{540, 390}));
}

TEST(ResponseView, APrintedTargetReachesTheLegendAndTheFrame)
{
    Design d;
    ViewState state;
    Recorder r(true);
    drawView(r.target, d, state);
    // The names are text on the page, not controls; no erase, and the frame
    // is one point wide.
    EXPECT_TRUE(r.target.controls.empty());
    EXPECT_EQ(r.canvas.textsReading("Total").size(), 1U);
    const auto rects = r.canvas.of(Primitive::Kind::Rect);
    ASSERT_EQ(rects.size(), 1U);
    EXPECT_EQ(rects[0].pen.width, 1);
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
            Design d;
            row.spoil(d);
            d.s_Resp = view;
            ViewState state;
            Recorder r;
            ResponsePlot(r.target, d, state);
            EXPECT_TRUE(test::allFinite(r.canvas));
        }
    }
}

// --- Curves ----------------------------------------------------------------------------

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
    ASSERT_EQ(canvas.primitives.size(), 2U);
    EXPECT_EQ(canvas.primitives[0].x1, 0);
    EXPECT_EQ(canvas.primitives[0].x2, 1);
    EXPECT_EQ(canvas.primitives[1].x1, 6);
    EXPECT_EQ(canvas.primitives[1].x2, 7);
    EXPECT_EQ(canvas.primitives[1].pen, (Pen{1, Colour{0, 0.7843F, 0}, Dash::Solid}));
}

// --- Window texts ------------------------------------------------------------------------

TEST(ResponseTitle, EveryViewKey)
{
    const std::pair<const char*, const char*> rows[] = {
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
    for (const auto& [key, title] : rows) EXPECT_EQ(SetResponseTitle(key), title) << key;
}

TEST(DateTimeFooter, Texts)
{
    struct Row {
        DateTime when;
        const char* text;
    };
    const Row rows[] = {
        {{2026, 12, 4, 21, 38, 40}, "Larkspan  Dec/04/2026 21:38:40"},
        {{2030, 1, 1, 5, 6, 7}, "Larkspan  Jan/01/2030 05:06:07"},
        {{2009, 9, 9, 23, 59, 59}, "Larkspan  Sep/09/2009 23:59:59"},
    };
    for (const auto& row : rows) EXPECT_EQ(dateTimeText(row.when), row.text);
}

TEST(DateTimeFooter, PlacedUnderTheView)
{
    struct Row {
        const char* view;
        float x, y;
    };
    for (const Row& row : {Row{"schema", 30, 555}, Row{"amp", 25, 775}, Row{"st", 25, 775}}) {
        Design d;
        d.s_Resp = row.view;
        RecordingCanvas c;
        DrawDateTime(c, d, DateTime{2026, 12, 4, 21, 38, 40});
        ASSERT_EQ(c.primitives.size(), 1U);
        EXPECT_EQ(c.primitives[0].x1, row.x);
        EXPECT_EQ(c.primitives[0].y1, row.y);
        EXPECT_EQ(c.primitives[0].fontSize, 13);
    }
}

}  // namespace
}  // namespace larkspan
