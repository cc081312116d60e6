#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/drawing_test_support.h"
#include "drawing/schematic.h"
#include "drawing/value_sheet.h"
#include "synthesis/cofcal.h"

namespace larkspan {
namespace {

Design designOf(int channel, int order)
{
    Design d;
    d.channel = static_cast<std::int16_t>(channel);
    d.order = static_cast<std::int16_t>(order);
    d.s_Type = (order == 2 || order == 4) ? "Linkwi" : "Butter";
    return d;
}

struct SymbolCount {
    int capacitors = 0;  // pairs of 2.5-point plates
    int inductors = 0;   // four turns of radius 6
    int notchCoils = 0;  // three turns of radius 5
};

SymbolCount countSymbols(const RecordingCanvas& c)
{
    SymbolCount n;
    int plates = 0, turns = 0, notchTurns = 0;
    for (const auto& p : c.primitives) {
        if (p.kind == Primitive::Kind::Line && p.pen.width == 2.5F) ++plates;
        if (p.kind == Primitive::Kind::Arc && !p.fill && p.radius == 6) ++turns;
        if (p.kind == Primitive::Kind::Arc && !p.fill && p.radius == 5 && p.pen.width == 1.0F) ++notchTurns;
    }
    n.capacitors = plates / 2;
    n.inductors = turns / 4;
    n.notchCoils = notchTurns / 3;
    return n;
}

struct CountRow {
    const char* name;
    int channel;
    int order;
    int networkCapacitors;
    int networkInductors;
    friend void PrintTo(const CountRow& r, std::ostream* os) { *os << r.name; }
};

class SchematicSymbols : public testing::TestWithParam<CountRow> {};

// A section of order n has, along each branch, series and shunt elements
// alternating up to n; the band-pass branch has a high-pass and a low-pass
// part. Every diagram also carries the correction capacitors (one per
// driver) and the notch (one per high and mid driver).
TEST_P(SchematicSymbols, EachOrderDrawsItsCapacitorsAndInductors)
{
    const CountRow& row = GetParam();
    test::Recorder r;
    SchematicDraw(r.target, designOf(row.channel, row.order));
    const SymbolCount n = countSymbols(r.canvas);
    const int drivers = row.channel;
    const int notches = row.channel - 1;
    EXPECT_EQ(n.capacitors, row.networkCapacitors + drivers + notches);
    EXPECT_EQ(n.inductors, row.networkInductors);
    EXPECT_EQ(n.notchCoils, notches);
    EXPECT_TRUE(test::allFinite(r.canvas));
}

INSTANTIATE_TEST_SUITE_P(Rows, SchematicSymbols,
                         testing::Values(CountRow{"two_way_first", 2, 1, 1, 1}, CountRow{"two_way_second", 2, 2, 2, 2},
                                         CountRow{"two_way_third", 2, 3, 3, 3}, CountRow{"two_way_fourth", 2, 4, 4, 4},
                                         CountRow{"three_way_first", 3, 1, 2, 2},
                                         CountRow{"three_way_second", 3, 2, 4, 4},
                                         CountRow{"three_way_third", 3, 3, 6, 6},
                                         CountRow{"three_way_fourth", 3, 4, 8, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Schematic, ScreenLinesSitOnPixelCentresAndPrintedOnesArePointWide)
{
    test::Recorder screen;
    Design d = designOf(2, 1);
    SchematicDraw(screen.target, d);
    const auto& first = screen.canvas.primitives.at(2);  // (57, 86)-(120, 86) after the two terminals
    EXPECT_EQ(first.kind, Primitive::Kind::Line);
    EXPECT_EQ(first.y1, 86.5F);
    EXPECT_EQ(first.pen.width, 0.0F);
    // The return line ends one point further right on screen.
    EXPECT_EQ(screen.canvas.primitives.at(3).x2, 719.0F);

    test::Recorder print(true);
    SchematicDraw(print.target, d);
    EXPECT_EQ(print.canvas.primitives.at(2).y1, 86.0F);
    EXPECT_EQ(print.canvas.primitives.at(2).pen.width, 1.0F);
    EXPECT_EQ(print.canvas.primitives.at(3).x2, 718.0F);
}

TEST(Schematic, MidLPadMovesRightButItsCorrectionsStayInLine)
{
    test::Recorder r;
    SchematicDraw(r.target, designOf(3, 2));
    // Zigzag strokes of the mid L-pad's shunt resistor at x 513..525 (40 right
    // of 473..485), and the mid correction's plates at x 552..566 on y 308.
    bool shuntMoved = false, correctionInLine = false;
    for (const auto& p : r.canvas.primitives) {
        if (p.kind != Primitive::Kind::Line) continue;
        if (p.x1 == 513 && p.x2 == 525 && p.y1 == 124 + 158) shuntMoved = true;
        if (p.pen.width == 2.5F && p.x1 == 552 && p.y1 == 150 + 158) correctionInLine = true;
    }
    EXPECT_TRUE(shuntMoved);
    EXPECT_TRUE(correctionInLine);
}

std::vector<std::string> texts(const std::vector<StaticText>& fields)
{
    std::vector<std::string> out;
    for (const auto& f : fields) out.push_back(f.text);
    return out;
}

bool has(const std::vector<StaticText>& fields, const std::string& text)
{
    return std::any_of(fields.begin(), fields.end(), [&](const StaticText& f) { return f.text == text; });
}

const StaticText* find(const std::vector<StaticText>& fields, const std::string& text)
{
    for (const auto& f : fields)
        if (f.text == text) return &f;
    return nullptr;
}

struct ValueRow {
    const char* name;
    float value;
    const char* text;
    friend void PrintTo(const ValueRow& r, std::ostream* os) { *os << r.name; }
};

class ValueText : public testing::TestWithParam<ValueRow> {};

TEST_P(ValueText, RoundsToThreeDecimalsHalfToEven)
{
    EXPECT_EQ(valueText(GetParam().value), GetParam().text);
}

// 1.2345F and 1.2355F times 1000 in single precision are exactly 1234.5 and
// 1235.5 (the float products 1234.50005 and 1235.49998 round to them), so
// the halves go to the even neighbour; a double product would round the
// first up to 1235 and the second down to 1235.
INSTANTIATE_TEST_SUITE_P(Rows, ValueText,
                         testing::Values(ValueRow{"tiny_is_zero", 0.0004F, " 0"},
                                         ValueRow{"half_rounds_down_to_even", 1.2345F, " 1.234"},
                                         ValueRow{"half_rounds_up_to_even", 1.2355F, " 1.236"},
                                         ValueRow{"four_decimals_cut", 6.3662F, " 6.366"},
                                         ValueRow{"whole", 12.0F, " 12"}, ValueRow{"negative", -6.0F, "-6"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueSheet, FirstOrderTwoWayShowsTwoComponents)
{
    Design d = designOf(2, 1);
    cofCal(d);
    const auto fields = valueSheetFields(d, false);
    int componentLabels = 0;
    for (const char* name : {"CH1:", "CH2:", "LH1:", "LH2:", "LL1:", "LL2:", "CL1:", "CL2:", "CM1:", "LM1:"})
        componentLabels += has(fields, name) ? 1 : 0;
    EXPECT_EQ(componentLabels, 2);
    ASSERT_TRUE(find(fields, "CH1:"));
    const StaticText& ch1 = *find(fields, "CH1:");
    // (90, 44) from the origin (15, 10), 80 wide in a 2-way design of order 1.
    EXPECT_EQ(ch1.left, 105);
    EXPECT_EQ(ch1.top, 54);
    EXPECT_EQ(ch1.right, 185);
    EXPECT_EQ(ch1.help, "Low Cut Capacitor\\@BL");
    EXPECT_TRUE(has(fields, " 40.809uF")) << testing::PrintToString(texts(fields));
    EXPECT_TRUE(has(fields, "FX :  650 Hz"));
    EXPECT_TRUE(has(fields, "Input"));
}

TEST(ValueSheet, FieldsAreNumberedWithinTheirRange)
{
    Design d = designOf(3, 4);
    cofCal(d);
    const auto fields = valueSheetFields(d, false);
    for (const auto& f : fields) {
        EXPECT_GE(f.id, 102);
        EXPECT_LE(f.id, 211);
    }
}

TEST(ValueSheet, AbsentPartsShowPlaceholdersAndRemovedCorrectionsAreBlank)
{
    Design d = designOf(2, 2);
    d.HigRemvImpInc = 1;
    d.REQH = 6;
    d.CEQH = 3.47F;
    d.RPH = 0;
    const auto fields = valueSheetFields(d, false);
    EXPECT_TRUE(has(fields, "#.###ohm"));
    EXPECT_TRUE(has(fields, "#.###mH"));
    EXPECT_TRUE(has(fields, "#.###uF"));
    const auto req = std::count_if(fields.begin(), fields.end(), [](const auto& f) { return f.text == "Req:"; });
    EXPECT_EQ(req, 2);  // the labels stay
    EXPECT_FALSE(has(fields, " 3.47uF"));
}

TEST(ValueSheet, RemovedMidCorrectionLeavesOnlyTheMidValuesBlank)
{
    Design d = designOf(3, 2);
    d.MidRemvImpInc = 1;
    d.REQM = 5.5F;
    d.CEQM = 7.25F;
    d.REQH = 6.5F;
    d.CEQH = 3.75F;
    const auto fields = valueSheetFields(d, false);
    const auto count = [&](const char* text) {
        return std::count_if(fields.begin(), fields.end(), [&](const auto& f) { return f.text == text; });
    };
    EXPECT_EQ(count("Req:"), 3);  // high, mid and low labels all stay
    EXPECT_EQ(count("Ceq:"), 3);
    EXPECT_EQ(count(" 5.5ohm"), 0);
    EXPECT_EQ(count(" 7.25uF"), 0);
    EXPECT_EQ(count(" 6.5ohm"), 1);
    EXPECT_EQ(count(" 3.75uF"), 1);
    // The mid value fields are there, empty, at (553, 263) and (553, 297).
    for (const float top : {263.0F + 10, 297.0F + 10}) {
        const auto at = std::find_if(fields.begin(), fields.end(),
                                     [&](const auto& f) { return f.left == 553 + 15 && f.top == top; });
        ASSERT_NE(at, fields.end()) << top;
        EXPECT_EQ(at->text, "") << top;
    }
}

TEST(ValueSheet, PolarityMarksFollowOrderAndPole)
{
    Design d = designOf(3, 2);
    auto mark = [](const std::vector<StaticText>& f, float top) {
        for (const auto& t : f)
            if (t.fontSize == 14 && t.top == top + 10 && t.left == 725) return t.text;
        return std::string("?");
    };
    auto fields = valueSheetFields(d, false);
    EXPECT_EQ(mark(fields, 226), "-");  // mid driver
    EXPECT_EQ(mark(fields, 66), "+");
    d = designOf(2, 2);
    EXPECT_EQ(mark(valueSheetFields(d, false), 66), "-");
    d = designOf(2, 3);
    d.pole = -1;
    EXPECT_EQ(mark(valueSheetFields(d, false), 66), "-");
    d.channel = 3;
    fields = valueSheetFields(d, false);
    EXPECT_EQ(mark(fields, 66), "+");
    EXPECT_EQ(mark(fields, 226), "-");
}

TEST(ValueSheet, PrintedFormHasPlainFrequenciesAndNoHelp)
{
    Design d = designOf(3, 2);
    cofCal(d);
    const auto fields = valueSheetFields(d, true);
    EXPECT_TRUE(has(fields, "FXH: 2000 Hz"));
    EXPECT_TRUE(has(fields, "FXL:  200 Hz"));
    EXPECT_TRUE(std::none_of(fields.begin(), fields.end(), [](const auto& f) { return !f.help.empty(); }));
    EXPECT_TRUE(
        std::any_of(fields.begin(), fields.end(), [](const auto& f) { return f.text.rfind("(Ran+Rs:", 0) == 0; }));
    const auto screen = valueSheetFields(d, false);
    EXPECT_TRUE(
        std::any_of(screen.begin(), screen.end(), [](const auto& f) { return f.text.rfind("(Ran+Rs :", 0) == 0; }));

    test::Recorder r;
    valuePrint(r.target, d);
    EXPECT_TRUE(r.target.controls.empty());
    EXPECT_EQ(r.canvas.textsReading("Schematics").size(), 1U);
    EXPECT_EQ(r.canvas.textsReading("FXH: 2000 Hz").size(), 1U);
}

}  // namespace
}  // namespace larkspan
