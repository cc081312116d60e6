// The graph frames as primitives: grid positions, widths, dashes, colours and
// label texts, on screen and printed.
#include "drawing/graph_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drawing/recording_canvas.h"
#include "drawing_test_support.h"
#include "response/curve.h"

namespace larkspan {
namespace {

using test::Recorder;

const Colour kBlack{};

Design designFor(const char* view)
{
    Design d;
    d.s_Resp = view;
    return d;
}

// The text drawn with this string; fails the test when there is not exactly one.
Primitive onlyText(const RecordingCanvas& c, const std::string& s)
{
    const auto found = c.textsReading(s);
    EXPECT_EQ(found.size(), 1U) << "text \"" << s << "\"";
    return found.empty() ? Primitive{} : found.front();
}

// A 13-point black text with this string at (x, y).
void expectText(const RecordingCanvas& c, const std::string& s, float x, float y)
{
    const auto found = c.textsReading(s);
    const bool there = std::any_of(found.begin(), found.end(), [&](const Primitive& t) {
        return t.x1 == x && t.y1 == y && t.fontSize == 13 && t.colour == kBlack;
    });
    EXPECT_TRUE(there) << "text \"" << s << "\" at (" << x << ", " << y << ")";
}

// --- The frequency grid -------------------------------------------------------

TEST(FrequencyGrid, TwentyHertzSitsOnTheCurvesOrigin)
{
    // A curve point at 20 Hz maps to x = 45; its grid line is the pixel
    // centre just right of it, and the frame's left edge is the same line.
    EXPECT_FLOAT_EQ(xFromK(static_cast<float>(std::log10(20.0))), 45.0F);
    Recorder r;
    freqDrawLine(r.target);
    const auto xs = test::xsOf(test::linesWhere(r.canvas, test::verticalLine));
    EXPECT_EQ(*xs.begin(), 45.5F);
    const auto rects = r.canvas.of(Primitive::Kind::Rect);
    ASSERT_EQ(rects.size(), 1U);
    EXPECT_EQ(rects[0].x1, 45.5F);
}

TEST(FrequencyGrid, LinePositionsOnScreenAndInPrint)
{
    // x = trunc((log10 F / log10 20)·200 − 200 + 45) worked by hand:
    // 50 Hz 106.17, 100 Hz 152.45, 1 kHz 306.17, 10 kHz 459.90, 20 kHz 506.17.
    struct Row {
        const char* name;
        bool print;
        float offset;
    };
    for (const Row& row : {Row{"screen", false, 0.5F}, Row{"print", true, 0.0F}}) {
        SCOPED_TRACE(row.name);
        Recorder r(row.print);
        freqDrawLine(r.target);
        const auto lines = test::linesWhere(r.canvas, test::verticalLine);
        // 20..100 by 10, 100..1000 by 100, 1k..10k by 1k, then 10k and 20k:
        // 31 strokes on 28 distinct positions.
        EXPECT_EQ(lines.size(), 31U);
        const auto xs = test::xsOf(lines);
        EXPECT_EQ(xs.size(), 28U);
        for (const float x : {45.0F, 106.0F, 152.0F, 306.0F, 459.0F, 506.0F})
            EXPECT_EQ(xs.count(x + row.offset), 1U) << x;
        for (const auto& p : lines) {
            EXPECT_EQ(p.y1, 50);
            EXPECT_EQ(p.y2, 330);
            EXPECT_EQ(p.pen.colour, kGridGrey);
            EXPECT_EQ(p.pen.width, row.print ? 0.5F : 0.0F);
            EXPECT_EQ(p.pen.dash, Dash::Solid);
        }
    }
}

TEST(FrequencyGrid, FrameIsDarkGreyAndThinOnScreenOnePointInPrint)
{
    struct Row {
        const char* name;
        bool print;
        float x1, y1, x2, y2, width;
    };
    for (const Row& row :
         {Row{"screen", false, 45.5F, 50.5F, 506.5F, 330.5F, 0}, Row{"print", true, 45, 50, 506, 330, 1}}) {
        SCOPED_TRACE(row.name);
        Recorder r(row.print);
        freqDrawLine(r.target);
        const auto rects = r.canvas.of(Primitive::Kind::Rect);
        ASSERT_EQ(rects.size(), 1U);
        EXPECT_EQ(rects[0].x1, row.x1);
        EXPECT_EQ(rects[0].y1, row.y1);
        EXPECT_EQ(rects[0].x2, row.x2);
        EXPECT_EQ(rects[0].y2, row.y2);
        EXPECT_FALSE(rects[0].fill);
        EXPECT_EQ(rects[0].pen.width, row.width);
        EXPECT_EQ(rects[0].pen.colour, kFrameGrey);
        // The frame is drawn after the grid, so it lies on top.
        EXPECT_EQ(r.canvas.primitives.back().kind, Primitive::Kind::Rect);
    }
}

TEST(FrequencyGrid, Labels)
{
    Recorder r;
    freqScale(r.target);
    const std::pair<const char*, float> labels[] = {{"20", 37},   {"50", 99},   {"100", 140},
                                                    {"500", 247}, {"1k", 299},  {"5k", 406},
                                                    {"10k", 449}, {"20k", 494}, {"[ Hz ]", 345}};
    for (const auto& [text, x] : labels) expectText(r.canvas, text, x, 347);
    EXPECT_EQ(r.canvas.primitives.size(), 9U);
}

// --- Amplitude, impedance, phase ------------------------------------------------

TEST(AmplitudeGraph, GridEveryFiveDecibelsTitleAndLabels)
{
    Recorder r;
    CaptionState caption;
    ampGraph(r.target, designFor("amp"), caption);
    std::vector<Primitive> rows;
    for (const auto& p : test::linesWhere(r.canvas, test::horizontalLine))
        if (p.pen.colour == kGridGrey) rows.push_back(p);
    // 0 dB at y = 130 and 8 points per dB: a line every 40 from +10 to −25 dB.
    EXPECT_EQ(test::ysOf(rows), (std::set<float>{50.5F, 90.5F, 130.5F, 170.5F, 210.5F, 250.5F, 290.5F, 330.5F}));
    for (const auto& p : rows) {
        EXPECT_EQ(p.x1, 45);
        EXPECT_EQ(p.x2, 506);
        EXPECT_EQ(p.pen, (Pen{0, kGridGrey, Dash::Solid}));
    }
    expectText(r.canvas, "Amplitude", 240, 20);
    expectText(r.canvas, "dB", 26, 40);
    const std::pair<const char*, float> labels[] = {{"+10", 15}, {"+5", 22},  {"0", 32},   {"-5", 25},
                                                    {"-10", 17}, {"-15", 17}, {"-20", 17}, {"-25", 17}};
    float y = 55;
    for (const auto& [text, x] : labels) {
        expectText(r.canvas, text, x, y);
        y += 40;
    }
}

TEST(ImpedanceGraph, GridLinesAtOhmValues)
{
    Recorder r;
    CaptionState caption;
    impGraph(r.target, designFor("imp"), caption);
    std::vector<Primitive> grid;
    for (const auto& p : test::linesWhere(r.canvas, test::horizontalLine))
        if (p.pen.colour == kGridGrey) grid.push_back(p);
    // 1..10 by 1, 10..100 by 10, 100..1000 by 100: 30 strokes, 28 values.
    EXPECT_EQ(grid.size(), 30U);
    const auto ys = test::ysOf(grid);
    EXPECT_EQ(ys.size(), 28U);
    // y = 330 − 93.33·log10 R, then rint(y + 0.5) + 0.5, by hand:
    // 1 Ω 330.5 → 330 (ties to even); 2 Ω 302.40 → 302; 5 Ω 265.26 → 265;
    // 10 Ω 237.17 → 237; 100 Ω 143.83 → 144; 1000 Ω 50.5 → 50.
    for (const float y : {330.5F, 302.5F, 265.5F, 237.5F, 144.5F, 50.5F}) EXPECT_EQ(ys.count(y), 1U) << y;
    for (const auto& p : grid) EXPECT_EQ(p.pen.width, 0);
    const std::tuple<const char*, float, float> labels[] = {{"Ohms", 13, 40}, {"1  k", 17, 55}, {"500", 17, 83},
                                                            {"100", 17, 147}, {"50", 25, 176},  {"10", 25, 240},
                                                            {"5", 33, 269},   {"1", 33, 335}};
    for (const auto& [text, x, y] : labels) expectText(r.canvas, text, x, y);
}

TEST(ImpedanceGraph, TitleFollowsTheView)
{
    struct Row {
        const char* view;
        const char* title;
        float x;
    };
    for (const Row& row : {Row{"imp", "Input Impedance", 218}, Row{"HigCorrImp", "High Range Impedance Correct", 175},
                           Row{"MidCorrImp", "Mid Range Impedance Correct", 178}}) {
        SCOPED_TRACE(row.view);
        Recorder r;
        CaptionState caption;
        impGraph(r.target, designFor(row.view), caption);
        expectText(r.canvas, row.title, row.x, 20);
    }
}

TEST(PhaseGraph, DashedEveryThirtyDegreesSolidEveryNinety)
{
    Recorder r;
    CaptionState caption;
    phGraph(r.target, designFor("ph"), caption);
    std::set<float> dashed;
    std::set<float> solid;
    for (const auto& p : test::linesWhere(r.canvas, test::horizontalLine)) {
        if (p.pen.colour != kGridGrey) continue;
        if (p.pen.dash == Dash::OneThree)
            dashed.insert(p.y1);
        else
            solid.insert(p.y1);
        EXPECT_EQ(p.pen.width, 0);
    }
    // 50 + 23.333·i for i = 0..11, each rint(y + 0.5) + 0.5 by hand:
    // 50.5→50, 73.83→74, 97.17→97, 120.5→120, 143.83→144, 167.16→167, ...
    EXPECT_EQ(dashed, (std::set<float>{50.5F, 74.5F, 97.5F, 120.5F, 144.5F, 167.5F, 190.5F, 214.5F, 237.5F, 260.5F,
                                       284.5F, 307.5F}));
    EXPECT_EQ(solid, (std::set<float>{120.5F, 190.5F, 260.5F}));
    const std::tuple<const char*, float, float> labels[] = {{"Degrees", 7, 35}, {"+180", 7, 55},  {"+90", 15, 125},
                                                            {"0", 33, 195},     {"-90", 18, 265}, {"-180", 10, 335}};
    for (const auto& [text, x, y] : labels) expectText(r.canvas, text, x, y);
    expectText(r.canvas, "Phase", 251, 20);
}

// On paper the grid lines lose their half-point offsets and take a width:
// one point on the amplitude graph, half a point on the phase graph.
TEST(PrintedGraphs, GridWidthsAndPositions)
{
    Recorder amp(true);
    CaptionState caption;
    ampGraph(amp.target, designFor("amp"), caption);
    std::set<float> ys;
    for (const auto& p : test::linesWhere(amp.canvas, test::horizontalLine)) {
        if (p.pen.colour != kGridGrey) continue;
        EXPECT_EQ(p.pen.width, 1.0F);
        ys.insert(p.y1);
    }
    EXPECT_EQ(ys, (std::set<float>{50, 90, 130, 170, 210, 250, 290, 330}));
    Recorder ph(true);
    phGraph(ph.target, designFor("ph"), caption);
    for (const auto& p : ph.canvas.of(Primitive::Kind::Line)) {
        if (p.pen.colour == kGridGrey) {
            EXPECT_EQ(p.pen.width, 0.5F);
        }
    }
}

// --- Group delay -------------------------------------------------------------------

struct GdRow {
    const char* name;
    float GDscl;
    const char* top;
    const char* second;
    const char* bottom;
};

class GroupDelayLabels : public testing::TestWithParam<GdRow> {};

TEST_P(GroupDelayLabels, ElevenLabelsFromPlusToMinusFullScale)
{
    const GdRow& row = GetParam();
    Recorder r;
    CaptionState caption;
    gdGraph(r.target, designFor("gd"), caption, row.GDscl);
    std::vector<Primitive> labels;
    for (const auto& t : r.canvas.of(Primitive::Kind::Text))
        if (t.x1 <= 40 && t.y1 >= 55 && t.y1 <= 335) labels.push_back(t);
    ASSERT_EQ(labels.size(), 11U);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].y1, 55.0F + 28.0F * static_cast<float>(i));
        EXPECT_GE(labels[i].x1, 3);
        EXPECT_LE(labels[i].x1, 33);
    }
    EXPECT_EQ(labels[0].text, row.top);
    EXPECT_EQ(labels[1].text, row.second);
    EXPECT_EQ(labels[5].text, "0");
    EXPECT_EQ(labels[5].x1, 33);
    EXPECT_EQ(labels[10].text, row.bottom);
    // The negative labels mirror the positive ones.
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(labels[10 - i].text, "-" + labels[i].text.substr(1));
    expectText(r.canvas, "msec", 13, 40);
    expectText(r.canvas, "Group Delay", 231, 20);
}

INSTANTIATE_TEST_SUITE_P(
    EveryScale, GroupDelayLabels,
    testing::Values(GdRow{"ms0_05", 0.05F, "+0.05", "+0.04", "-0.05"}, GdRow{"ms0_1", 0.1F, "+0.10", "+0.08", "-0.10"},
                    GdRow{"ms0_25", 0.25F, "+0.25", "+0.20", "-0.25"}, GdRow{"ms0_5", 0.5F, "+0.5", "+0.4", "-0.5"},
                    GdRow{"ms1", 1.0F, "+1.0", "+0.8", "-1.0"}, GdRow{"ms2_5", 2.5F, "+2.5", "+2.0", "-2.5"},
                    GdRow{"ms5", 5.0F, "+5", "+4", "-5"}, GdRow{"ms10", 10.0F, "+10", "+8", "-10"},
                    GdRow{"ms25", 25.0F, "+25", "+20", "-25"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupDelayGraph, SmallestScaleLabelPositions)
{
    Recorder r;
    CaptionState caption;
    gdGraph(r.target, designFor("gd"), caption, 0.05F);
    EXPECT_EQ(onlyText(r.canvas, "+0.05").x1, 3);
    EXPECT_EQ(onlyText(r.canvas, "+0.01").x1, 3);
    EXPECT_EQ(onlyText(r.canvas, "0").x1, 33);
    EXPECT_EQ(onlyText(r.canvas, "-0.01").x1, 6);
    EXPECT_EQ(onlyText(r.canvas, "-0.05").x1, 6);
}

TEST(GroupDelayGraph, ScaleOffTheListLeavesTheValuesUnlabelled)
{
    for (const float scl : {0.3F, 0.0F, 100.0F, std::nanf("")}) {
        Recorder r;
        CaptionState caption;
        gdGraph(r.target, designFor("gd"), caption, scl);
        EXPECT_TRUE(r.canvas.textsReading("0").empty()) << scl;
        EXPECT_EQ(r.canvas.textsReading("msec").size(), 1U);
    }
}

TEST(GroupDelayGraph, GridEveryTwentyEightPoints)
{
    Recorder r;
    CaptionState caption;
    gdGraph(r.target, designFor("gd"), caption, 1.0F);
    std::set<float> ys;
    for (const auto& p : test::linesWhere(r.canvas, test::horizontalLine))
        if (p.pen.colour == kGridGrey) ys.insert(p.y1);
    std::set<float> expected;
    for (int i = 0; i <= 10; ++i) expected.insert(50.5F + 28.0F * static_cast<float>(i));
    EXPECT_EQ(ys, expected);
}

// --- Nyquist ---------------------------------------------------------------------

TEST(NyquistGraph, AxesTicksAndFrame)
{
    Recorder r;
    CaptionState caption;
    nqGraph(r.target, designFor("nq"), caption);
    const auto& p = r.canvas.primitives;
    ASSERT_GE(p.size(), 7U);
    const Pen axis{0, kGridGrey, Dash::OneOne};
    const Pen tick{0, kFrameGrey, Dash::Solid};
    const auto line = [](float x1, float y1, float x2, float y2, Pen pen) {
        Primitive q;
        q.kind = Primitive::Kind::Line;
        q.x1 = x1, q.y1 = y1, q.x2 = x2, q.y2 = y2, q.pen = pen;
        return q;
    };
    EXPECT_EQ(p[0], line(130, 190.5F, 409, 190.5F, axis));
    EXPECT_EQ(p[1], line(270.5F, 50, 270.5F, 330, axis));
    EXPECT_EQ(p[2], line(268, 120.5F, 273, 120.5F, tick));
    EXPECT_EQ(p[3], line(268, 260.5F, 273, 260.5F, tick));
    EXPECT_EQ(p[4], line(200.5F, 188, 200.5F, 193, tick));
    EXPECT_EQ(p[5], line(340.5F, 188, 340.5F, 193, tick));
    EXPECT_EQ(p[6].kind, Primitive::Kind::Rect);
    EXPECT_EQ(p[6].x1, 130.5F);
    EXPECT_EQ(p[6].y2, 330.5F);
    expectText(r.canvas, "Nyquist Diagram", 218, 20);
}

TEST(NyquistGraph, PrintedTicksSitOnTheCurveScale)
{
    // A Nyquist point maps to (70·re + 270, −70·im + 190): on paper the ticks
    // at ±1 lose the half-point offset and take a point's width.
    Recorder r(true);
    CaptionState caption;
    nqGraph(r.target, designFor("nq"), caption);
    const auto& p = r.canvas.primitives;
    EXPECT_EQ(p[2].y1, 190.0F - 70.0F);
    EXPECT_EQ(p[0].pen.width, 0.5F);
    EXPECT_EQ(p[2].pen.width, 1.0F);
}

// --- Step response ---------------------------------------------------------------

TEST(StepGraph, GridAndValueLabels)
{
    Recorder r;
    CaptionState caption;
    StepGraph(r.target, designFor("st"), caption);
    std::set<float> dashed;
    std::set<float> solid;
    for (const auto& p : test::linesWhere(r.canvas, test::horizontalLine)) {
        if (p.pen.colour != kGridGrey) continue;
        EXPECT_EQ(p.x1, 45);
        EXPECT_EQ(p.x2, 505);
        if (p.pen.dash == Dash::OneThree)
            dashed.insert(p.y1);
        else
            solid.insert(p.y1);
    }
    EXPECT_EQ(dashed.size(), 19U);  // 64, 78, ..., 316
    EXPECT_EQ(*dashed.begin(), 64.5F);
    EXPECT_EQ(*dashed.rbegin(), 316.5F);
    EXPECT_EQ(solid, (std::set<float>{120.5F, 190.5F, 260.5F}));
    const auto xs = test::xsOf(test::linesWhere(r.canvas, test::verticalLine));
    EXPECT_EQ(xs.size(), 11U);
    EXPECT_EQ(*xs.begin(), 45.5F);
    EXPECT_EQ(*xs.rbegin(), 505.5F);
    const std::tuple<const char*, float, float> labels[] = {{"F(t)", 20, 35},  {"+1.5", 11, 55}, {"+1.0", 11, 125},
                                                            {"+0.5", 11, 195}, {"0", 33, 265},   {"-0.5", 13, 335}};
    for (const auto& [text, x, y] : labels) expectText(r.canvas, text, x, y);
    expectText(r.canvas, "Step Response", 224, 20);
    expectText(r.canvas, "msec", 442, 347);
}

struct BandRow {
    const char* name;
    int channel;
    float F;
    std::array<const char*, 6> labels;
};

class StepTimeLabels : public testing::TestWithParam<BandRow> {};

TEST_P(StepTimeLabels, SixLabelsOneEvery92Points)
{
    const BandRow& row = GetParam();
    Design d = designFor("st");
    d.channel = static_cast<std::int16_t>(row.channel);
    (row.channel == 3 ? d.FXL : d.FX) = row.F;
    (row.channel == 3 ? d.FX : d.FXL) = 100000;  // the other frequency must not count
    Recorder r;
    CaptionState caption;
    StepGraph(r.target, d, caption);
    std::vector<Primitive> times;
    for (const auto& t : r.canvas.of(Primitive::Kind::Text))
        if (t.y1 == 347 && t.text != "msec") times.push_back(t);
    ASSERT_EQ(times.size(), 6U);
    for (std::size_t j = 0; j < 6; ++j) {
        EXPECT_EQ(times[j].text, row.labels[j]);
        // Centred on every second vertical line (x = 45 + 92·j).
        const float centre = times[j].x1 + axisLabelWidth(times[j].text) / 2;
        EXPECT_NEAR(centre, 45 + 92 * static_cast<float>(j), 1.0F);
    }
    EXPECT_EQ(times[0].x1, 41);
}

INSTANTIATE_TEST_SUITE_P(EveryBand, StepTimeLabels,
                         testing::Values(BandRow{"below12_5", 2, 12.49F, {"0", "40", "80", "120", "160", "200"}},
                                         BandRow{"at12_5", 2, 12.5F, {"0", "20", "40", "60", "80", "100"}},
                                         BandRow{"at25", 2, 25, {"0", "10", "20", "30", "40", "50"}},
                                         BandRow{"below125", 2, 124.9F, {"0", "5", "10", "15", "20", "25"}},
                                         BandRow{"at125", 2, 125, {"0", "2", "4", "6", "8", "10"}},
                                         BandRow{"at250", 2, 250, {"0", "1", "2", "3", "4", "5"}},
                                         BandRow{"default650", 2, 650, {"0", "0.5", "1.0", "1.5", "2.0", "2.5"}},
                                         BandRow{"at1250", 2, 1250, {"0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
                                         BandRow{"at2500", 2, 2500, {"0", "0.1", "0.2", "0.3", "0.4", "0.5"}},
                                         BandRow{"below12500", 2, 12499, {"0", "0.05", "0.10", "0.15", "0.20", "0.25"}},
                                         BandRow{"at12500", 2, 12500, {"0", "0.02", "0.04", "0.06", "0.08", "0.10"}},
                                         BandRow{"threeWayUsesFXL200", 3, 200, {"0", "2", "4", "6", "8", "10"}},
                                         BandRow{"threeWayBelow50", 3, 49.9F, {"0", "10", "20", "30", "40", "50"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StepGraph, NonFiniteFrequencyStillDrawsAFrame)
{
    Design d = designFor("st");
    d.FX = std::nanf("");
    Recorder r;
    CaptionState caption;
    StepGraph(r.target, d, caption);
    EXPECT_TRUE(test::allFinite(r.canvas));
    EXPECT_EQ(r.canvas.textsReading("msec").size(), 1U);
}

}  // namespace
}  // namespace larkspan
