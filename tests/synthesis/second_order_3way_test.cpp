// The second-order 3-way network: printed design examples, the level factor
// seams, the flat Linkwitz-Riley total, and every evaluator against the
// ladders the synthesis describes, solved by nodal analysis.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/design.h"
#include "response/sweeps.h"
#include "synthesis/cofcal.h"
#include "synthesis/snd3way.h"
#include "synthesis/three_way_checks.h"

namespace larkspan {
namespace {

using test::cplx;
using test::evaluate;
using test::Ladder;
using test::ThreeWayNetwork;

Design secondOrder(const std::string& key, float FXL, float FXH, float RE = 8, float RM = 8, float RH = 8)
{
    Design d;
    d.channel = 3;
    d.order = 2;
    d.s_Type = key;
    d.FXL = FXL;
    d.FXH = FXH;
    d.RE = RE;
    d.RM = RM;
    d.RH = RH;
    cofCal(d);
    return d;
}

// The network as described: L1 then C1 across the woofer; C4 then L4 across
// the tweeter; C2 in series, L2 across, L3 in series, C3 across, then RAN in
// series with the mid driver, whose voltage is the mid output. The mid enters
// the total inverted.
ThreeWayNetwork networkOf(const Design& d)
{
    ThreeWayNetwork n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).R(2, 0, d.RE), 2};
    n.mid = {Ladder().C(1, 2, d.C2).L(2, 0, d.L2).L(2, 3, d.L3).C(3, 0, d.C3).R(3, 4, d.RAN).R(4, 0, d.RM), 4};
    n.hi = {Ladder().C(1, 2, d.C4).L(2, 0, d.L4).R(2, 0, d.RH), 2};
    n.midSign = -1;
    return n;
}

struct Printed {
    const char* name;
    float Design::*value;
    double expected;
    double tolerance;  // one unit of the last printed digit
};

// The worked example: "Butter", 500 Hz / 5000 Hz, 8 ohm drivers.
TEST(SecondOrder3Way, ButterworthPrintedExample)
{
    const Design d = secondOrder("Butter", 500, 5000);
    const Printed rows[] = {
        {"F0", &Design::F0, 1581.14, 0.01},  {"R1", &Design::R1, 0.3162, 1e-4},   {"R2", &Design::R2, 3.1623, 1e-4},
        {"AA1", &Design::AA1, 1.4230, 1e-4}, {"H1", &Design::H1, -0.8325, 1e-4},  {"AA2", &Design::AA2, 4.9500, 1e-4},
        {"BB0", &Design::BB0, 12.125, 1e-3}, {"H2", &Design::H2, 8.325, 1e-3},    {"k0", &Design::k0, 11.125, 1e-3},
        {"E0", &Design::E0, 4.5051, 1e-4},   {"RAN", &Design::RAN, 2.691, 1e-3},  {"R0", &Design::R0, 10.691, 1e-3},
        {"LL1", &Design::LL1, 3.601, 1e-3},  {"CL1", &Design::CL1, 28.14, 1e-2},  {"CM1", &Design::CM1, 23.25, 1e-2},
        {"LM1", &Design::LM1, 4.848, 1e-3},  {"LM2", &Design::LM2, 0.4788, 1e-4}, {"CM2", &Design::CM2, 1.902, 1e-3},
        {"LH1", &Design::LH1, 0.3601, 1e-4}, {"CH1", &Design::CH1, 2.813, 1e-3},
    };
    for (const auto& r : rows) EXPECT_NEAR(d.*r.value, r.expected, r.tolerance) << r.name;
    // Display values are the SI values in mH and µF.
    EXPECT_FLOAT_EQ(d.LM1, d.L2 * 1000);
    EXPECT_FLOAT_EQ(d.CM2, d.C3 * 1e6F);
    EXPECT_FLOAT_EQ(d.R0, d.RM + d.RAN);
}

// The total of that example is 0 dB at F0 and rises by 2.2 dB at both
// crossover frequencies.
TEST(SecondOrder3Way, ButterworthTotalRisesAtTheCrossovers)
{
    const Design d = secondOrder("Butter", 500, 5000);
    EXPECT_NEAR(evaluate(d, EvalKind::Fr, 4, PI2 * d.F0), 0.0, 0.05);
    EXPECT_NEAR(evaluate(d, EvalKind::Fr, 4, PI2 * 500), -2.2, 0.05);
    EXPECT_NEAR(evaluate(d, EvalKind::Fr, 4, PI2 * 5000), -2.2, 0.05);
}

TEST(SecondOrder3Way, LinkwitzRileyPrintedValues)
{
    const Design d = secondOrder("Linkwi", 500, 5000);
    EXPECT_NEAR(d.RAN, 2.164, 1e-3);
    EXPECT_NEAR(d.AA1, 2.0125, 1e-4);
    // The low- and high-pass take the mid's damping AA1, not a fixed 2:
    // L1 = AA1·RE/(2π·FXL) worked by hand.
    EXPECT_NEAR(d.LL1, 2.0125 * 8 / (PI2 * 500) * 1000, 1e-3);
}

// Lo − Mid + Hi is an all-pass for every admissible pair of frequencies.
TEST(SecondOrder3Way, LinkwitzRileyTotalIsFlat)
{
    struct Row {
        float FXL, FXH, R;
    } rows[] = {{500, 5000, 8}, {200, 2000, 6}, {300, 900, 4}, {100, 20000, 8}, {1000, 3000, 16}};
    for (const auto& r : rows) {
        const Design d = secondOrder("Linkwi", r.FXL, r.FXH, r.R, r.R, r.R);
        for (const double w : test::sweepFrequencies())
            ASSERT_NEAR(evaluate(d, EvalKind::Fr, 4, w), 0.0, 1e-3) << r.FXL << "/" << r.FXH << " at " << w / PI2;
    }
}

struct SeamRow {
    const char* name;
    const char* key;
    float FXL, FXH;
    double R2;   // where the frequencies put the upper ratio
    double KK1;  // the level factor there, worked by hand from its quadratic
    double tolerance;
};

class LevelFactorSeams : public testing::TestWithParam<SeamRow> {};

// "ButAsy": R2 = 0.76·(FXH/FXL)^0.5; "Bessel": R2 = (FXH/FXL)^0.5/1.13442;
// "Chebyc": R2 = (FXH/FXL)^0.5.
TEST_P(LevelFactorSeams, FactorOnEachSide)
{
    const SeamRow& r = GetParam();
    const Design d = secondOrder(r.key, r.FXL, r.FXH);
    EXPECT_NEAR(d.R2, r.R2, 1e-3);
    EXPECT_NEAR(d.KK1, r.KK1, r.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Rows, LevelFactorSeams,
                         testing::Values(SeamRow{"butasy_at_1_9", "ButAsy", 100, 625, 1.9, 0.906, 5e-4},
                                         SeamRow{"butasy_just_below_2", "ButAsy", 100, 692.5F, 1.99997, 1.00002, 1e-4},
                                         SeamRow{"butasy_just_above_2", "ButAsy", 100, 693, 2.0007, 1.0, 0},
                                         SeamRow{"bessel_just_below_2", "Bessel", 100, 514.7F, 1.99988, 1.2, 1e-3},
                                         SeamRow{"bessel_just_above_2", "Bessel", 100, 514.8F, 2.00007, 1.0, 0},
                                         SeamRow{"chebyc_just_below_2", "Chebyc", 100, 399.9F, 1.99975, 1.6, 1e-3},
                                         SeamRow{"chebyc_at_2", "Chebyc", 100, 400, 2.0, 1.6, 1e-4},
                                         SeamRow{"chebyc_just_below_3", "Chebyc", 100, 899.9F, 2.99983, 0.417, 1e-4},
                                         SeamRow{"chebyc_at_3", "Chebyc", 100, 900, 3.0, 0.417, 1e-4},
                                         SeamRow{"chebyc_just_below_4", "Chebyc", 100, 1599.9F, 3.99988, 0.225, 1e-4},
                                         SeamRow{"chebyc_at_4", "Chebyc", 100, 1600, 4.0, 0.225, 1e-4}),
                         [](const auto& info) { return std::string(info.param.name); });

// With "Bessel" the level factor falls from 1.2 to 1 where R2 reaches 2, so
// RAN drops by a sixth there.
TEST(SecondOrder3Way, BesselLevelResistorDropsAtTheSeam)
{
    const Design below = secondOrder("Bessel", 100, 514.7F);
    const Design above = secondOrder("Bessel", 100, 514.8F);
    EXPECT_NEAR(above.RAN / below.RAN, 1 / 1.2, 1e-3);
}

// Ratio 10: P0 is R2, P1 = 2.6305, the third KK1 piece gives 0.3744.
TEST(SecondOrder3Way, ChebyshevPrintedValues)
{
    const Design d = secondOrder("Chebyc", 500, 5000, 8, 6, 8);
    EXPECT_NEAR(d.P0, d.R2, 1e-6);
    EXPECT_NEAR(d.P0, 3.1623, 1e-4);
    EXPECT_NEAR(d.P1, 2.6305, 1e-4);
    EXPECT_NEAR(d.KK1, 0.3744, 1e-4);
    EXPECT_NEAR(d.RAN, 0.3744 * 6, 1e-3);
}

// The Chebyshev mid is designed as a series L–C resonator followed by a shunt
// L || C resonator and then re-expressed as the ladder. The two share their
// denominator, so their transfer functions into R0 differ only by a constant
// real factor. The first form is rebuilt here from its printed element
// formulas.
TEST(SecondOrder3Way, ChebyshevLadderKeepsThePrototypeDenominator)
{
    for (const auto& [FXL, FXH] : {std::pair{500.0F, 5000.0F}, std::pair{600.0F, 2000.0F}, {100.0F, 2500.0F}}) {
        const Design d = secondOrder("Chebyc", FXL, FXH, 8, 6, 4);
        const double R0 = d.R0, w0 = PI2 * d.F0;
        const double L2 = (R0 * 0.99567 / (PI2 * FXH)) * 1.46 * 2 * d.AA / d.P1;
        const double C3 = (0.910967 / (PI2 * FXH * R0)) * 1.46 * 2 * d.AA / d.P1;
        const double C2 = 1 / (w0 * w0 * L2), L3 = 1 / (w0 * w0 * C3);
        const Ladder first = Ladder().L(1, 2, L2).C(2, 3, C2).C(3, 0, C3).L(3, 0, L3).R(3, 0, R0);
        const Ladder ladder = Ladder().C(1, 2, d.C2).L(2, 0, d.L2).L(2, 3, d.L3).C(3, 0, d.C3).R(3, 0, R0);
        const cplx k = ladder.transfer(PI2 * 50, 3) / first.transfer(PI2 * 50, 3);
        EXPECT_NEAR(k.imag() / k.real(), 0.0, 1e-5);
        for (const double f : {200.0, 700.0, d.F0 * 1.0, 3000.0, 12000.0}) {
            const cplx r = ladder.transfer(PI2 * f, 3) / first.transfer(PI2 * f, 3);
            EXPECT_NEAR(std::abs(r / k - 1.0), 0.0, 2e-5) << FXL << "/" << FXH << " at " << f;
        }
    }
}

struct DesignRow {
    const char* name;
    const char* key;
    float FXL, FXH, RE, RM, RH;

    friend void PrintTo(const DesignRow& r, std::ostream* os) { *os << r.name; }
};

class SecondOrder3WayLadder : public testing::TestWithParam<DesignRow> {
protected:
    Design design() const
    {
        const auto& r = GetParam();
        return secondOrder(r.key, r.FXL, r.FXH, r.RE, r.RM, r.RH);
    }
};

TEST_P(SecondOrder3WayLadder, AmplitudeAndImpedance)
{
    const Design d = design();
    test::expectMagnitudesMatch(d, networkOf(d), {20, 95, 400, 1000, 2500, 7000, 19000});
}

// Every branch shows its phase + 180 degrees and the total its phase, each
// folded into 0..180 and unwrapped; the group delay starts from the same
// phase without the Hi branch's 180.
TEST_P(SecondOrder3WayLadder, PhaseAndGroupDelayPhase)
{
    const Design d = design();
    const ThreeWayNetwork n = networkOf(d);
    const double phaseOffset[] = {0, 180, 180, 180, 0};
    const double delayOffset[] = {0, 180, 180, 0, 0};
    for (int ii = 1; ii <= 4; ++ii) {
        test::expectPhaseTracks(d, n, EvalKind::Ph, ii, &EvalState::yy, phaseOffset[ii], 360);
        test::expectPhaseTracks(d, n, EvalKind::Gd, ii, &EvalState::QQ, delayOffset[ii], 360);
    }
}

// Starting from a cleared state at 100 kHz, the unwrap settles every branch
// and the total (Lo − Mid + Hi) on their own transfer function.
TEST_P(SecondOrder3WayLadder, NyquistPoints)
{
    const Design d = design();
    const ThreeWayNetwork n = networkOf(d);
    for (int ii = 1; ii <= 4; ++ii) test::expectNyquistFollows(d, n, ii, 1);
}

// The step substitutions hand over each branch as it is, the mid not inverted.
TEST_P(SecondOrder3WayLadder, StepSubstitutions)
{
    const Design d = design();
    const ThreeWayNetwork n = networkOf(d);
    test::expectStepMatches(d, n, Snd3WayLoStepSubstitution, 1);
    test::expectStepMatches(d, n, Snd3WayMidStepSubstitution, 2);
    test::expectStepMatches(d, n, Snd3WayHiStepSubstitution, 3);
    EvalState e;
    Snd3WayMidStepSubstitution(d, e);
    EXPECT_EQ(e.NUO, 2);
    EXPECT_EQ(e.DEO, 5);
    EXPECT_EQ(e.DET[6], 0.0);  // the factor s of the step
}

INSTANTIATE_TEST_SUITE_P(Alignments, SecondOrder3WayLadder,
                         testing::Values(DesignRow{"butter_printed", "Butter", 500, 5000, 8, 8, 8},
                                         DesignRow{"butter_unequal", "Butter", 250, 4000, 8, 6, 4},
                                         DesignRow{"linkwi", "Linkwi", 300, 1500, 6, 8, 4},
                                         DesignRow{"butasy", "ButAsy", 400, 2000, 8, 6, 4},
                                         DesignRow{"butasy_narrow", "ButAsy", 100, 640, 4, 8, 8},
                                         DesignRow{"bessel", "Bessel", 200, 2000, 4, 8, 6},
                                         DesignRow{"bessel_narrow", "Bessel", 300, 1200, 8, 8, 8},
                                         DesignRow{"chebyc", "Chebyc", 500, 5000, 8, 8, 8},
                                         DesignRow{"chebyc_narrow", "Chebyc", 600, 2000, 6, 6, 6},
                                         DesignRow{"chebyc_wide", "Chebyc", 100, 2500, 8, 4, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

// The mid impedance has no constant term in its denominator and so grows
// without bound at low frequency; the Lo amplitude tends to 0 dB.
TEST(SecondOrder3Way, LowFrequencyLimits)
{
    const Design d = secondOrder("Butter", 500, 5000);
    EXPECT_GT(evaluate(d, EvalKind::Imp, 2, PI2 * 0.01), 4.0);  // above 10 kohm
    EXPECT_NEAR(evaluate(d, EvalKind::Fr, 1, PI2 * 0.01), 0.0, 1e-4);
}

// An unknown key has no formulas: the components and RAN stay and the
// coefficients follow the current driver data.
TEST(SecondOrder3Way, UnknownKeyKeepsTheComponents)
{
    Design d = secondOrder("Butter", 500, 5000);
    const Design before = d;
    d.s_Type = "Other";
    d.RE = 4;
    d.FXL = 300;
    cofCal(d);
    EXPECT_EQ(d.L1, before.L1);
    EXPECT_EQ(d.C2, before.C2);
    EXPECT_EQ(d.L3, before.L3);
    EXPECT_EQ(d.C4, before.C4);
    EXPECT_EQ(d.RAN, before.RAN);
    EXPECT_EQ(d.LM2, before.LM2);
    EXPECT_EQ(d.A03, 4.0F);  // Lo numerator is the new RE
}

// Only the third order sets the polarity flag; this order leaves it alone.
TEST(SecondOrder3Way, LeavesThePolarityFlagAsItWas)
{
    Design d;
    d.channel = 3;
    d.order = 2;
    d.pole = -1;
    for (const char* key : {"Butter", "Linkwi", "ButAsy", "Bessel", "Chebyc"}) {
        d.s_Type = key;
        cofCal(d);
        EXPECT_EQ(d.pole, -1) << key;
    }
}

TEST(SecondOrder3Way, ComponentsShownOnTheValueSheet)
{
    std::vector<std::string> names;
    for (const auto& c : unitFor(3, 2)->components) names.emplace_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"LL1", "CL1", "CM1", "LM1", "LM2", "CM2", "CH1", "LH1"}));
}

// Inputs the frequency sheet would refuse still come through as numbers:
// equal frequencies and R2² ≤ 2 take the root of a negative number, zero
// resistances divide by zero. Nothing hangs; the values are NaN or infinite.
TEST(SecondOrder3Way, DegenerateInputsGiveNonFiniteValues)
{
    const Design equal = secondOrder("Butter", 1000, 1000);
    EXPECT_TRUE(std::isnan(equal.AA1));
    EXPECT_TRUE(std::isnan(equal.RAN));
    EXPECT_TRUE(std::isnan(equal.LM1));
    EXPECT_TRUE(std::isfinite(equal.LL1));  // the Butterworth low- and high-pass do not use AA1
    EXPECT_TRUE(std::isfinite(evaluate(equal, EvalKind::Fr, 1, PI2 * 1000)));
    EXPECT_TRUE(std::isnan(evaluate(equal, EvalKind::Fr, 4, PI2 * 1000)));

    const Design narrow = secondOrder("Linkwi", 1000, 1500);  // R2² = 1.5
    EXPECT_TRUE(std::isnan(narrow.AA1));
    EXPECT_TRUE(std::isnan(narrow.LL1));  // Linkwitz-Riley uses AA1 everywhere

    const Design zero = secondOrder("Chebyc", 300, 3000, 0, 0, 0);
    EXPECT_TRUE(std::isinf(zero.CL1));
    EXPECT_EQ(zero.RAN, 0.0F);

    for (Design d : {equal, narrow, zero}) {
        for (const auto& curve : ampPlot(d)) EXPECT_EQ(curve.points.size(), 300U);
        for (const auto& curve : phPlot(d)) EXPECT_EQ(curve.points.size(), 300U);
        for (int ii = 1; ii <= 4; ++ii) {
            EvalState e;
            e.f = 6283;
            evaluatorFor(d, EvalKind::Gd, ii)(d, e);
            evaluatorFor(d, EvalKind::Nq, ii)(d, e);
        }
    }
}

}  // namespace
}  // namespace larkspan
