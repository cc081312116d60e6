// Fourth-order 2-way network: component values, the normalised ladder, the
// in-phase totals and the −3 dB points of the five alignments.
#include <gtest/gtest.h>

#include <cmath>

#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::componentValue;
using test::evaluateAt;
using test::halfPowerRatio;

Design fourthOrder(const char* type, float fx = 1000, float re = 8, float rh = 8)
{
    return test::twoWayDesign(4, type, fx, re, rh);
}

const char* const kNames[] = {"LL1", "LL2", "CL1", "CL2", "CH1", "CH2", "LH1", "LH2"};
// Half a unit of the last printed digit of each published value.
const double kTolerance[] = {5e-4, 5e-4, 5e-3, 5e-4, 5e-3, 5e-3, 5e-5, 5e-4};

// Published values for FX = 1000 Hz and 8 ohm drivers.
TEST(FourthOrder2Way, ComponentsMatchThePublishedValues)
{
    const struct {
        const char* type;
        double values[8];
    } rows[] = {
        {"Butter", {1.949, 1.378, 31.38, 7.613, 13.00, 18.38, 0.8073, 3.327}},
        {"Linkwi", {2.401, 1.200, 31.65, 7.034, 10.55, 21.10, 0.8003, 3.601}},
    };
    for (const auto& r : rows) {
        const Design d = fourthOrder(r.type);
        for (int i = 0; i < 8; ++i)
            EXPECT_NEAR(componentValue(d, kNames[i]), r.values[i], kTolerance[i]) << r.type << kNames[i];
    }
}

// RE = 1 ohm at ω = 1 rad/s: the published normalised low-pass ladder.
TEST(FourthOrder2Way, NormalisedButterworthLadder)
{
    const Design d = fourthOrder("Butter", static_cast<float>(1 / PI2), 1, 1);
    EXPECT_NEAR(d.L1, 1.5307, 5e-5);
    EXPECT_NEAR(d.C1, 1.5772, 5e-5);
    EXPECT_NEAR(d.L2, 1.0824, 5e-5);
    EXPECT_NEAR(d.C2, 0.3827, 5e-5);
}

// The high-pass Chebyshev constant 0.523774 is used as stated, not the exact
// reciprocal 1/1.90934 = 0.523741: LH1 = 0.523774·8/(2π·1000)·0.99 mH.
TEST(FourthOrder2Way, ChebycHighPassUsesTheStatedConstant)
{
    const Design d = fourthOrder("Chebyc");
    EXPECT_NEAR(d.LH1, 0.660221, 2e-6);  // 0.660179 with the exact reciprocal
}

// Butterworth branches are 3.01 dB down at FX and, in phase, sum to a 3.01 dB
// rise; Linkwitz-Riley branches are 6.02 dB down and sum flat.
TEST(FourthOrder2Way, TotalsAtTheCrossover)
{
    const Design butter = fourthOrder("Butter");
    const double w = PI2 * 1000;
    EXPECT_NEAR(evaluateAt(butter, EvalKind::Fr, 1, w).yy, 3.0103, 1e-4);
    EXPECT_NEAR(evaluateAt(butter, EvalKind::Fr, 2, w).yy, 3.0103, 1e-4);
    EXPECT_NEAR(evaluateAt(butter, EvalKind::Fr, 3, w).yy, -3.0103, 1e-4);

    const Design linkwi = fourthOrder("Linkwi");
    EXPECT_NEAR(evaluateAt(linkwi, EvalKind::Fr, 1, w).yy, 6.0206, 1e-4);
    EXPECT_NEAR(evaluateAt(linkwi, EvalKind::Fr, 2, w).yy, 6.0206, 1e-4);
    for (double hz = 20; hz < 20000; hz *= 1.3)
        EXPECT_NEAR(evaluateAt(linkwi, EvalKind::Fr, 3, PI2 * hz).yy, 0, 1e-4) << hz;
}

struct HalfPowerRow {
    const char* type;
    double lo, loTol, hi, hiTol;
};

TEST(FourthOrder2Way, HalfPowerPointsOfTheBranches)
{
    const HalfPowerRow rows[] = {
        {"Butter", 1, 1e-4, 1, 1e-4},
        // Expected difference: the published high-pass point 1.137 does not
        // match the network, whose point is exactly 1/0.88 = 1.1364.
        {"ButAsy", 0.88, 5e-3, 1.13636, 1e-4},
        // (1 + √2)^(±1/4): 0.80224 and 1.24651.
        {"Linkwi", 0.802, 5e-4, 1.247, 5e-4},
        {"Bessel", 0.838, 5e-4, 1.193, 5e-4},
        // Expected difference: the published low-pass point 1.064 is the
        // reciprocal of the rounded high-pass one (1/0.940); the network's
        // own point is 1/0.94029 = 1.0635.
        {"Chebyc", 1.0635, 1e-4, 0.940, 5e-4},
    };
    for (const auto& r : rows) {
        const Design d = fourthOrder(r.type);
        EXPECT_NEAR(halfPowerRatio(d, 1), r.lo, r.loTol) << r.type;
        EXPECT_NEAR(halfPowerRatio(d, 2), r.hi, r.hiTol) << r.type;
    }
}

}  // namespace
}  // namespace larkspan
