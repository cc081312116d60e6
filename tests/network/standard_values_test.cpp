// Nearest values and pairs against rows worked out by hand from the series,
// and the own value list's refusals and trims.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/standard_values.h"

namespace larkspan {
namespace {

struct ChoiceRow {
    const char* what;
    SeriesName series;
    PartKind kind;
    double ideal;
    bool pairs;
    std::vector<double> expected;
    bool parallel;
    double deviationPercent;
};

TEST(StandardValues, NearestAndPairs)
{
    constexpr auto E6 = SeriesName::E6, E12 = SeriesName::E12, E24 = SeriesName::E24;
    constexpr auto C = PartKind::C, L = PartKind::L, R = PartKind::R;
    const std::vector<ChoiceRow> rows{
        {"E12 between 12 and 15, nearer 15", E12, C, 13.8889, false, {15}, false, 7.9999136},
        {"a series value is its own choice", E12, C, 1.2, false, {1.2}, false, 0},
        {"below the smallest capacitor", E6, C, 0.05, false, {0.1}, false, 100},
        {"above the largest capacitor", E6, C, 5000, false, {1000}, false, -80},
        {"above the largest, in parallel", E6, C, 5000, true, {1000, 1000}, true, -60},
        {"within the tolerance one part", E12, C, 1.21, true, {1.2}, false, -0.826446281},
        // The 0.01 mH steps and the air-core E12 steps in series.
        {"coil pair", E6, L, 9.0032, true, {0.8, 8.2}, false, -0.0355429},
        {"coil in 0.01 mH steps", E24, L, 0.3001, false, {0.3}, false, -0.0333222},
        {"E24 resistor pair", E24, R, 1.6355, true, {0.82, 0.82}, false, 0.2751452},
    };
    for (const auto& r : rows) {
        SeriesChoice choice;
        choice.name = r.series;
        const auto c = chooseValue(seriesValues(choice, r.kind), r.kind, r.ideal, r.pairs, 2);
        ASSERT_TRUE(c) << r.what;
        EXPECT_EQ(c->values, r.expected) << r.what;
        EXPECT_EQ(c->parallel, r.parallel) << r.what;
        EXPECT_NEAR(c->deviationPercent, r.deviationPercent, 1e-5) << r.what;
    }
}

TEST(StandardValues, TiesEmptyListsAndUnusableValues)
{
    // Halfway between two values: the lower one.
    EXPECT_EQ(chooseValue({1, 3}, PartKind::R, 2, false, 2)->values, std::vector<double>{1});
    EXPECT_FALSE(chooseValue({}, PartKind::R, 2, false, 2));
    for (const double bad : {0.0, -1.0, std::nan(""), HUGE_VAL})
        EXPECT_FALSE(chooseValue({1, 3}, PartKind::R, bad, true, 2)) << bad;
    // Ideal leaves every part as designed.
    std::vector<NetworkPart> parts{{"CH1", PartKind::C, 13.8889, {{13.8889}, false, 13.8889, 0}}};
    chooseParts(parts, SeriesChoice{});
    EXPECT_EQ(parts[0].chosen.values, std::vector<double>{13.8889});
}

TEST(StandardValues, OwnList)
{
    struct Row {
        std::string text;
        std::string error;  // empty when the list is taken
    };
    const std::vector<Row> rows{
        {"", "the list holds no values"},
        {"# nothing but a comment\n\n", "the list holds no values"},
        {"4.7\nabc\n", "line 2: 'abc' is not a value"},
        {"C 4.7 uF\n", "line 1: 'C 4.7 uF' is not a value"},
        {"C -1\n", "line 1: values must be positive"},
        {"0\n", "line 1: values must be positive"},
        {"X 4\n", "line 1: the kind must be C, L or R, not 'X'"},
        {"nan\n", "line 1: 'nan' is not a value"},
    };
    for (const auto& r : rows) EXPECT_EQ(parseOwnList(r.text).error, r.error) << r.text;

    std::string million;
    for (int i = 0; i < 1000000; ++i) million += "1\n";
    EXPECT_EQ(parseOwnList(million).error, "the list has more than 10000 values");

    const auto list = parseOwnList("# my drawer\nC 10\nc 4.7\n  L 0.33\r\nR 5.6\n2.2\nC 10\n").list;
    ASSERT_TRUE(list);
    EXPECT_EQ(list->capacitors, (std::vector<double>{2.2, 4.7, 10}));
    EXPECT_EQ(list->inductors, (std::vector<double>{0.33, 2.2}));
    EXPECT_EQ(list->resistors, (std::vector<double>{2.2, 5.6}));
    EXPECT_EQ(list->notes, std::vector<std::string>{"1 repeated capacitor value(s) dropped"});
}

}  // namespace
}  // namespace larkspan
