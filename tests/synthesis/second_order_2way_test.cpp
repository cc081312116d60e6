// Second-order 2-way network: component values, branch tunings, the total of
// the inverted-polarity pair, and the behaviour at the ends of the band.
#include <gtest/gtest.h>

#include <cmath>

#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::componentValue;
using test::evaluateAt;

Design secondOrder(const char* type, float fx = 3000, float re = 8, float rh = 8)
{
    return test::twoWayDesign(2, type, fx, re, rh);
}

// Published values for FX = 3000 Hz and 8 ohm drivers, to half a unit of
// the last printed digit; Linkwi checked by hand: L = R/(π·FX) = 0.84883 mH,
// C = 1/(4π·FX·R) = 3.3157 µF.
TEST(SecondOrder2Way, ComponentsMatchThePublishedValues)
{
    const struct {
        const char* type;
        double LL1, CL1, LH1, CH1;  // mH, µF
    } rows[] = {{"Butter", 0.6002, 4.689, 0.6002, 4.689},
                {"ButAsy", 0.7898, 6.170, 0.4562, 3.564},
                {"Linkwi", 0.8488, 3.316, 0.8488, 3.316},
                {"Bessel", 0.8339, 4.343, 0.6480, 3.375},
                {"Chebyc", 0.6170, 8.820, 0.3191, 4.562}};
    for (const auto& r : rows) {
        const Design d = secondOrder(r.type);
        EXPECT_NEAR(componentValue(d, "LL1"), r.LL1, 5e-5) << r.type;
        EXPECT_NEAR(componentValue(d, "CL1"), r.CL1, 5e-4) << r.type;
        EXPECT_NEAR(componentValue(d, "LH1"), r.LH1, 5e-5) << r.type;
        EXPECT_NEAR(componentValue(d, "CH1"), r.CH1, 5e-4) << r.type;
    }
}

struct TuningRow {
    const char* type;
    double loF0, loQ, hiF0, hiQ;  // f0 relative to FX, quality factor
};

// Pole frequency 1/(2π·sqrt(L·C)) and Q = R·sqrt(C/L) of each branch, from
// the SI components, against the published tuning table.
TEST(SecondOrder2Way, BranchTuningsMatchThePublishedTable)
{
    const TuningRow rows[] = {
        {"Butter", 1, 0.7071, 1, 0.7071},
        {"ButAsy", 0.76, 0.7071, 1.3158, 0.7071},
        {"Linkwi", 1, 0.5, 1, 0.5},
        {"Bessel", 0.8815, 0.5774, 1.13442, 0.5774},
        {"Chebyc", 0.7192, 0.9565, 1.3905, 0.9565},
    };
    for (const auto& r : rows) {
        const Design d = secondOrder(r.type, 2500, 6, 4);
        const double loF0 = 1 / (PI2 * std::sqrt(double(d.L1) * d.C1)) / d.FX;
        const double hiF0 = 1 / (PI2 * std::sqrt(double(d.L2) * d.C2)) / d.FX;
        EXPECT_NEAR(loF0, r.loF0, 5e-5) << r.type;
        EXPECT_NEAR(hiF0, r.hiF0, 5e-5) << r.type;
        EXPECT_NEAR(d.RE * std::sqrt(double(d.C1) / d.L1), r.loQ, 5e-5) << r.type;
        EXPECT_NEAR(d.RH * std::sqrt(double(d.C2) / d.L2), r.hiQ, 5e-5) << r.type;
    }
}

// Linkwitz-Riley: (1 − s²)/(1 + s)² = (1 − s)/(1 + s), an all-pass.
TEST(SecondOrder2Way, LinkwiTotalIsFlat)
{
    const Design d = secondOrder("Linkwi");
    for (double hz = 20; hz < 20000; hz *= 1.7) EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 3, PI2 * hz).yy, 0, 1e-4) << hz;
}

// Butterworth: |1 − s²|/|s² + √2·s + 1| is √2 at s = j (a 3.01 dB rise) and
// 101/100.005 (0.086 dB) at s = 10j and at s = 0.1j.
TEST(SecondOrder2Way, ButterTotalRisesThreeDecibelsAtTheCrossover)
{
    const Design d = secondOrder("Butter");
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 3, PI2 * d.FX).yy, -3.0103, 1e-4);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 3, PI2 * d.FX * 10).yy, -0.0860, 1e-3);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 3, PI2 * d.FX / 10).yy, -0.0860, 1e-3);
    // Each branch alone is 3.01 dB down there.
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 1, PI2 * d.FX).yy, 3.0103, 1e-4);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 2, PI2 * d.FX).yy, 3.0103, 1e-4);
}

// The Chebyshev prototype peaks 1 dB up at 0.7071 of its band edge and is
// back at 0 dB at the edge; the low-pass edge sits at FX/1.46 and the
// high-pass edge at 1.46·FX.
TEST(SecondOrder2Way, ChebycRippleBandEdges)
{
    const Design d = secondOrder("Chebyc", 1000);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 1, PI2 * 1000 / 1.46 * 0.70711).yy, -1.0, 2e-3);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 1, PI2 * 1000 / 1.46).yy, 0, 2e-3);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 2, PI2 * 1000 * 1.46 / 0.70711).yy, -1.0, 2e-3);
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 2, PI2 * 1000 * 1.46).yy, 0, 2e-3);
}

}  // namespace
}  // namespace larkspan
