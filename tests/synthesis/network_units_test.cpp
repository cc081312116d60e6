// What every network unit shares: the value-sheet list of its components,
// keys without formulas, the polarity flag, switching between orders, and
// inputs that make the formulas degenerate.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "response/group_delay.h"
#include "response/nyquist.h"
#include "response/step_response.h"
#include "response/sweeps.h"
#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

Design designOf(int channel, int order, const std::string& key)
{
    Design d;
    d.channel = static_cast<std::int16_t>(channel);
    d.order = static_cast<std::int16_t>(order);
    d.s_Type = key;
    cofCal(d);
    return d;
}

TEST(NetworkUnits, UnknownChannelOrOrderComputesNothing)
{
    Design d;
    d.channel = 5;
    cofCal(d);
    EXPECT_EQ(d.L1, 0.0F);
    EXPECT_EQ(unitFor(2, 0), nullptr);
    EXPECT_EQ(evaluatorFor(d, EvalKind::Fr, 1), nullptr);
}

// A key without formulas for the order keeps the components, the mid level
// resistor and the polarity flag; the coefficients are recomputed from the
// kept components and the current driver data (here a new RE and an L1 set
// elsewhere), so the responses are those of the kept network.
TEST(NetworkUnits, KeysWithoutFormulasKeepTheComponents)
{
    const struct {
        int channel, order;
        const char* with;
        const char* without;
    } rows[] = {{2, 2, "Bessel", "Cheby"}, {2, 3, "Bessel", "Linkwi"}, {2, 4, "Bessel", "butter"},
                {3, 2, "Butter", "Other"}, {3, 3, "Bessel", "Linkwi"}, {3, 3, "Bessel", "ButAsy"},
                {3, 4, "Butter", "Cheby"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.channel) + "-way order " + std::to_string(r.order) + " " + r.without);
        Design d = designOf(r.channel, r.order, r.with);
        const Design before = d;
        d.s_Type = r.without;
        d.RE = 4;
        d.FX = d.FXL = 250;
        d.L1 = 0.002F;
        cofCal(d);
        for (const auto& c : unitFor(r.channel, r.order)->components) {
            if (std::string(c.name) != "LL1") {
                EXPECT_EQ(d.*c.value, before.*c.value) << c.name;
            }
        }
        EXPECT_FLOAT_EQ(d.LL1, 2.0F);
        EXPECT_EQ(d.RAN, before.RAN);
        EXPECT_EQ(d.pole, before.pole);
        test::expectMagnitudesMatch(d, test::networkOf(d), {100, 1000, 5000});
    }
}

// Only a third-order synthesis sets the flag: −1 for "Bessel", +1 for the
// other keys it has formulas for. Every other order, and a key without
// formulas, leaves it as it finds it.
TEST(NetworkUnits, OnlyTheThirdOrderSetsThePolarityFlag)
{
    for (const int channel : {2, 3}) {
        for (int order = 1; order <= 4; ++order) {
            for (const char* key : {"Butter", "Bessel", "Chebyc", "Linkwi"}) {
                for (const int previous : {1, -1}) {
                    Design d;
                    d.channel = static_cast<std::int16_t>(channel);
                    d.order = static_cast<std::int16_t>(order);
                    d.s_Type = key;
                    d.pole = static_cast<std::int16_t>(previous);
                    cofCal(d);
                    int expected = previous;
                    if (order == 3 && std::string(key) != "Linkwi") expected = std::string(key) == "Bessel" ? -1 : 1;
                    EXPECT_EQ(d.pole, expected) << channel << "-way order " << order << " " << key;
                }
            }
        }
    }
}

// Working values left by a synthesis of another order must not reach the
// next one: the components come out as in a fresh design.
TEST(NetworkUnits, SwitchingOrdersLeavesNothingBehind)
{
    for (const int channel : {2, 3}) {
        for (const auto& [from, to] : {std::pair{4, 2}, std::pair{2, 4}, std::pair{3, 4}, std::pair{4, 3}}) {
            Design d = designOf(channel, from, "Linkwi");
            d.order = static_cast<std::int16_t>(to);
            d.s_Type = "Butter";
            cofCal(d);
            const Design fresh = designOf(channel, to, "Butter");
            for (const auto& c : unitFor(channel, to)->components)
                EXPECT_EQ(d.*c.value, fresh.*c.value) << channel << "-way " << from << " to " << to << " " << c.name;
        }
    }
}

// Inputs the frequency sheet would refuse still come through as numbers:
// zero resistances divide by zero, equal or inverted frequencies take roots
// of negative numbers. The synthesis and every evaluator return, a value
// turns NaN or infinite where noted (a value that must stay finite shows that
// a branch is not spoilt by another), and every sweep ends after its count
// (the step response within its longest window) and strokes no segment that
// touches a non-finite point.
struct DegenerateRow {
    const char* name;
    int channel, order;
    const char* key;
    float F1, F2, RE, RM, RH;
    float Design::*nonFinite;
    float Design::*finite;

    friend void PrintTo(const DegenerateRow& r, std::ostream* os) { *os << r.name; }
};

class DegenerateInputs : public testing::TestWithParam<DegenerateRow> {};

TEST_P(DegenerateInputs, GiveNonFiniteValuesWithoutACrash)
{
    const DegenerateRow& r = GetParam();
    Design d;
    d.channel = static_cast<std::int16_t>(r.channel);
    d.order = static_cast<std::int16_t>(r.order);
    d.s_Type = r.key;
    (r.channel == 2 ? d.FX : d.FXL) = r.F1;
    d.FXH = r.F2;
    d.RE = r.RE;
    d.RM = r.RM;
    d.RH = r.RH;
    cofCal(d);
    if (r.nonFinite) {
        EXPECT_FALSE(std::isfinite(d.*r.nonFinite));
    }
    if (r.finite) {
        EXPECT_TRUE(std::isfinite(d.*r.finite));
    }
    const NetworkUnit& unit = *unitFor(r.channel, r.order);
    for (const EvalKind kind : {EvalKind::Fr, EvalKind::Imp, EvalKind::Ph, EvalKind::Gd, EvalKind::Nq}) {
        for (const auto& ev : unit.of(kind)) {
            if (!ev) continue;
            EvalState e;
            for (const double hz : {0.0, 1.0, 1000.0, 1e5}) {
                e.f = static_cast<float>(PI2 * hz);
                ev(d, e);
            }
        }
    }
    for (const auto& step : unit.step) {
        EvalState e;
        if (step) step(d, e);
    }
    GroupDelayState gd;
    gdOpt(d, gd);
    for (const auto& curves : {ampPlot(d), impPlot(d), phPlot(d), gdPlot(d, gd), nqPlot(d), StepPlot(d)}) {
        for (const Curve& c : curves) {
            ASSERT_LE(c.points.size(), 50000U);
            for (std::size_t i = 1; i < c.points.size(); ++i)
                if (c.points[i].drawn) {
                    ASSERT_TRUE(std::isfinite(c.points[i].x) && std::isfinite(c.points[i].y) &&
                                std::isfinite(c.points[i - 1].y))
                        << c.branch << i;
                }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DegenerateInputs,
    testing::Values(
        DegenerateRow{"first_2way_nan_fx", 2, 1, "Butter", NAN, 0, 6, 6, 6, &Design::L1, nullptr},
        DegenerateRow{"first_2way_infinite_re", 2, 1, "Butter", 650, 0, INFINITY, 6, 6, &Design::L1, &Design::C1},
        DegenerateRow{"first_2way_zero_fx", 2, 1, "Butter", 0, 0, 6, 6, 6, &Design::L1, nullptr},
        DegenerateRow{"first_3way_equal_no_tweeter_resistance", 3, 1, "Butter", 2000, 2000, 6, 6, 0, &Design::RAN,
                      nullptr},
        DegenerateRow{"second_2way_zero_re", 2, 2, "Chebyc", 1000, 0, 0, 8, 8, &Design::C1, &Design::C2},
        DegenerateRow{"second_2way_zero_rh", 2, 2, "Linkwi", 1000, 0, 8, 8, 0, &Design::C2, &Design::C1},
        DegenerateRow{"third_2way_zero_re", 2, 3, "Bessel", 1000, 0, 0, 8, 8, &Design::C1, nullptr},
        DegenerateRow{"third_2way_zero_rh", 2, 3, "Chebyc", 1000, 0, 8, 8, 0, &Design::C2, nullptr},
        DegenerateRow{"fourth_2way_zero_re", 2, 4, "ButAsy", 1000, 0, 0, 8, 8, &Design::C1, nullptr},
        DegenerateRow{"fourth_2way_zero_rh", 2, 4, "Butter", 1000, 0, 8, 8, 0, &Design::C3, nullptr},
        // Butterworth low- and high-pass do not use the mid's AA1.
        DegenerateRow{"second_3way_equal", 3, 2, "Butter", 1000, 1000, 8, 8, 8, &Design::AA1, &Design::LL1},
        // Linkwitz-Riley uses AA1 everywhere; R2² = 1.5 leaves it NaN.
        DegenerateRow{"second_3way_narrow", 3, 2, "Linkwi", 1000, 1500, 8, 8, 8, &Design::LL1, nullptr},
        DegenerateRow{"second_3way_zero_r", 3, 2, "Chebyc", 300, 3000, 0, 0, 0, &Design::CL1, nullptr},
        DegenerateRow{"third_3way_equal", 3, 3, "Butter", 1000, 1000, 8, 8, 8, nullptr, &Design::RAN},
        DegenerateRow{"third_3way_zero_r", 3, 3, "Bessel", 300, 3000, 0, 0, 0, &Design::CH1, nullptr},
        // The conversion of the Chebyshev mid divides zero by zero.
        DegenerateRow{"third_3way_chebyc_zero_r", 3, 3, "Chebyc", 300, 3000, 0, 0, 0, &Design::LM1, nullptr},
        DegenerateRow{"fourth_3way_equal_butter", 3, 4, "Butter", 1000, 1000, 8, 8, 8, nullptr, nullptr},
        DegenerateRow{"fourth_3way_equal_linkwi", 3, 4, "Linkwi", 1000, 1000, 8, 8, 8, nullptr, nullptr},
        DegenerateRow{"fourth_3way_zero_r", 3, 4, "Bessel", 300, 3000, 0, 0, 0, nullptr, nullptr},
        DegenerateRow{"fourth_3way_zero_frequencies", 3, 4, "ButAsy", 0, 0, 8, 8, 8, nullptr, nullptr},
        DegenerateRow{"fourth_3way_negative_frequency", 3, 4, "Butter", -300, 3000, 8, 8, 8, nullptr, nullptr},
        DegenerateRow{"fourth_3way_nan_frequency", 3, 4, "Chebyc", NAN, 3000, 8, 8, 8, nullptr, nullptr},
        // R2 < 1: the conversion's quadratic for C4 has no real root; the low
        // and high branches are unaffected.
        DegenerateRow{"fourth_3way_inverted_band", 3, 4, "Chebyc", 3000, 300, 8, 8, 8, &Design::C4, &Design::L1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
