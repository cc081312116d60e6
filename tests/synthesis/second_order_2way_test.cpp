// Second-order 2-way network: component values, branch tunings, the total of
// the inverted-polarity pair, and the behaviour at the ends of the band.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "synthesis/two_way_ladders.h"

namespace larkspan {
namespace {

using test::componentValue;
using test::evaluateAt;

Design secondOrder(const char* type, float fx = 3000, float re = 8, float rh = 8)
{
    Design d;
    d.order = 2;
    d.s_Type = type;
    d.FX = fx;
    d.RE = re;
    d.RH = rh;
    cofCal(d);
    return d;
}

struct ComponentRow {
    const char* name;
    const char* type;
    double LL1, CL1, LH1, CH1;  // mH, µF
    double tolL, tolC;          // half a unit of the last printed digit

    friend void PrintTo(const ComponentRow& r, std::ostream* os) { *os << r.name; }
};

class SecondOrderComponents : public testing::TestWithParam<ComponentRow> {};

// Published values for FX = 3000 Hz and 8 ohm drivers; Linkwi checked by hand:
// L = R/(π·FX) = 0.84883 mH, C = 1/(4π·FX·R) = 3.3157 µF.
TEST_P(SecondOrderComponents, MatchThePublishedValues)
{
    const ComponentRow& r = GetParam();
    const Design d = secondOrder(r.type);
    EXPECT_NEAR(componentValue(d, "LL1"), r.LL1, r.tolL);
    EXPECT_NEAR(componentValue(d, "CL1"), r.CL1, r.tolC);
    EXPECT_NEAR(componentValue(d, "LH1"), r.LH1, r.tolL);
    EXPECT_NEAR(componentValue(d, "CH1"), r.CH1, r.tolC);
    // The SI values behind them.
    EXPECT_NEAR(d.L1 * 1e3, r.LL1, r.tolL);
    EXPECT_NEAR(d.C2 * 1e6, r.CH1, r.tolC);
}

INSTANTIATE_TEST_SUITE_P(Rows, SecondOrderComponents,
                         testing::Values(ComponentRow{"Butter", "Butter", 0.6002, 4.689, 0.6002, 4.689, 5e-5, 5e-4},
                                         ComponentRow{"ButAsy", "ButAsy", 0.7898, 6.170, 0.4562, 3.564, 5e-5, 5e-4},
                                         ComponentRow{"Linkwi", "Linkwi", 0.8488, 3.316, 0.8488, 3.316, 5e-5, 5e-4},
                                         ComponentRow{"Bessel", "Bessel", 0.8339, 4.343, 0.6480, 3.375, 5e-5, 5e-4},
                                         ComponentRow{"Chebyc", "Chebyc", 0.6170, 8.820, 0.3191, 4.562, 5e-5, 5e-4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SecondOrder2Way, ValueSheetListsTheFourComponentsInOrder)
{
    const Design d = secondOrder("Butter");
    std::vector<std::string> names;
    for (const auto& c : unitFor(2, 2)->components) names.emplace_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"LL1", "CL1", "CH1", "LH1"}));
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

TEST(SecondOrder2Way, OnlyButterAndLinkwiHaveMirroredBranchesWithEqualResistances)
{
    for (const char* type : {"Butter", "ButAsy", "Linkwi", "Bessel", "Chebyc"}) {
        const Design d = secondOrder(type);
        const bool equal = d.LL1 == d.LH1 && d.CL1 == d.CH1;
        EXPECT_EQ(equal, std::string(type) == "Butter" || std::string(type) == "Linkwi") << type;
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

TEST(SecondOrder2Way, BandEnds)
{
    const Design d = secondOrder("Butter");
    EXPECT_NEAR(evaluateAt(d, EvalKind::Fr, 1, PI2 * 0.01).yy, 0, 1e-6);
    // The Hi impedance has no constant term below: it grows as 1/(ω·C2).
    const double z1 = evaluateAt(d, EvalKind::Imp, 2, PI2 * 1).yy;
    const double z01 = evaluateAt(d, EvalKind::Imp, 2, PI2 * 0.1).yy;
    EXPECT_NEAR(z01 - z1, 1.0, 1e-4);
    EXPECT_NEAR(z1, std::log10(1 / (PI2 * 1 * d.C2)), 1e-4);
}

TEST(SecondOrder2Way, AlignmentWithoutFormulasKeepsTheComponents)
{
    Design d = secondOrder("Bessel");
    const float l1 = d.L1, c2 = d.C2;
    d.s_Type = "Cheby";  // not a key
    d.RE = 4;
    cofCal(d);
    EXPECT_EQ(d.L1, l1);
    EXPECT_EQ(d.C2, c2);
    EXPECT_EQ(d.LL1, l1 * 1000.0F);
    // The coefficients are recomputed from the kept components and new RE.
    EXPECT_EQ(d.A03, 4.0F);
    EXPECT_FLOAT_EQ(d.B04, d.C1 * 4.0F);
}

TEST(SecondOrder2Way, SetsAAToTheRootOfTwoAndLeavesPole)
{
    Design d;
    d.order = 4;
    cofCal(d);
    d.order = 2;
    d.s_Type = "Linkwi";
    d.pole = -1;  // as a third-order Bessel design leaves it
    cofCal(d);
    EXPECT_FLOAT_EQ(d.AA, 1.41421356F);
    EXPECT_EQ(d.pole, -1);
}

}  // namespace
}  // namespace larkspan
