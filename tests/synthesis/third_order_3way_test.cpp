// The third-order 3-way network: the printed design table, the prototype
// table's interval rule, the shapes each alignment promises, and every
// evaluator against the ladders the synthesis describes, solved by nodal
// analysis.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "design/design.h"
#include "response/sweeps.h"
#include "synthesis/cofcal.h"
#include "synthesis/three_way_checks.h"
#include "synthesis/trd3way.h"

namespace larkspan {
namespace {

using test::cplx;
using test::evaluate;
using test::Ladder;
using test::ThreeWayNetwork;

Design thirdOrder(const std::string& key, float FXL, float FXH, float RE = 8, float RM = 8, float RH = 8)
{
    Design d;
    d.channel = 3;
    d.order = 3;
    d.s_Type = key;
    d.FXL = FXL;
    d.FXH = FXH;
    d.RE = RE;
    d.RM = RM;
    d.RH = RH;
    cofCal(d);
    return d;
}

// The network as described: L1, C1 across, L2 to the woofer; C5, L6 across,
// C6 to the tweeter; C2, L3 across, C3 and L4 in series, C4 across, L5, then
// RAN in series with the mid driver, whose voltage is the mid output. The mid
// enters the total with the sign `pole`.
ThreeWayNetwork networkOf(const Design& d)
{
    ThreeWayNetwork n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).R(3, 0, d.RE), 3};
    n.mid = {Ladder()
                 .C(1, 2, d.C2)
                 .L(2, 0, d.L3)
                 .C(2, 3, d.C3)
                 .L(3, 4, d.L4)
                 .C(4, 0, d.C4)
                 .L(4, 5, d.L5)
                 .R(5, 6, d.RAN)
                 .R(6, 0, d.RM),
             6};
    n.hi = {Ladder().C(1, 2, d.C5).L(2, 0, d.L6).C(2, 3, d.C6).R(3, 0, d.RH), 3};
    n.midSign = d.pole;
    return n;
}

struct TableRow {
    const char* key;
    // LL1 LL2 CL1 CM1 LM1 CM2 LM2 CM3 LM3 CH1 LH1 CH2 RAN, as printed.
    const char* values[13];
    int pole;
};

// A printed value and one unit of its last digit.
std::pair<double, double> printedValue(const std::string& text)
{
    const auto point = text.find('.');
    const auto decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return {std::stod(text), std::pow(10.0, -static_cast<double>(decimals))};
}

// The printed table for 300 Hz / 3000 Hz and 8 ohm drivers, each value to
// one unit of its last printed digit.
TEST(ThirdOrder3Way, PrintedDesignTable)
{
    const TableRow rows[] = {
        {"Butter",
         {"5.938", "2.270", "88.63", "50.64", "3.082", "119.5", "0.678", "7.987", "0.2207", "4.740", "0.3175", "12.40",
          "0.825"},
         1},
        {"Bessel",
         {"7.781", "1.556", "70.03", "36.60", "4.376", "120.3", "0.933", "5.546", "0.2237", "3.617", "0.4019", "18.09",
          "1.803"},
         -1},
        {"Chebyc",
         {"7.685", "5.153", "106.1", "35.19", "2.915", "34.64", "1.102", "8.782", "0.6482", "3.663", "0.2653", "5.462",
          "0.809"},
         1},
    };
    const struct {
        const char* name;
        float Design::*value;
    } columns[] = {{"LL1", &Design::LL1}, {"LL2", &Design::LL2}, {"CL1", &Design::CL1}, {"CM1", &Design::CM1},
                   {"LM1", &Design::LM1}, {"CM2", &Design::CM2}, {"LM2", &Design::LM2}, {"CM3", &Design::CM3},
                   {"LM3", &Design::LM3}, {"CH1", &Design::CH1}, {"LH1", &Design::LH1}, {"CH2", &Design::CH2},
                   {"RAN", &Design::RAN}};
    for (const auto& r : rows) {
        const Design d = thirdOrder(r.key, 300, 3000);
        EXPECT_NEAR(d.F0, 948.68, 0.01) << r.key;
        for (std::size_t i = 0; i < std::size(columns); ++i) {
            const auto [printed, unit] = printedValue(r.values[i]);
            EXPECT_NEAR(d.*columns[i].value, printed, unit) << r.key << " " << columns[i].name;
        }
        EXPECT_EQ(d.pole, r.pole) << r.key;
        EXPECT_FLOAT_EQ(d.R0, d.RM + d.RAN) << r.key;
    }
}

TEST(ThirdOrder3Way, PrintedIntermediateValues)
{
    const Design butter = thirdOrder("Butter", 300, 3000);
    EXPECT_NEAR(butter.BB1, 1.9339, 1e-4);
    EXPECT_EQ(butter.R01, 3.0F);
    EXPECT_EQ(butter.R02, 3.2F);
    // AA1 = BB1²/2 by construction of the Butterworth prototype.
    EXPECT_NEAR(butter.AA1, 1.9339 * 1.9339 / 2, 2e-4);

    const Design bessel = thirdOrder("Bessel", 300, 3000);
    EXPECT_NEAR(bessel.R2, 3.0117, 1e-4);
    EXPECT_NEAR(bessel.KK2, 2.228, 1e-3);

    const Design chebyc = thirdOrder("Chebyc", 300, 3000);
    EXPECT_NEAR(chebyc.P0, 3.1623, 1e-4);
    EXPECT_NEAR(chebyc.P1, 1.1425, 1e-4);
    EXPECT_NEAR(chebyc.KK1, 0.1011, 1e-4);
}

struct LevelRow {
    const char* name;
    float FXH;  // with FXL = 100: R2 = (FXH/FXL)^0.5/1.05 lands on R2
    double R2;
    double KK2;  // the printed cubic of R2's range, worked by hand
};

class BesselLevelFactor : public testing::TestWithParam<LevelRow> {};

TEST_P(BesselLevelFactor, CubicOfTheRange)
{
    const LevelRow& r = GetParam();
    const Design d = thirdOrder("Bessel", 100, r.FXH);
    EXPECT_NEAR(d.R2, r.R2, 1e-5);
    EXPECT_NEAR(d.KK2, r.KK2, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Rows, BesselLevelFactor,
                         testing::Values(LevelRow{"below_2", 398.0025F, 1.9, 8.8282},
                                         LevelRow{"from_2", 583.2225F, 2.3, 4.5083},
                                         LevelRow{"from_2_6", 1509.3225F, 3.7, 1.5603},
                                         LevelRow{"from_3_8", 1676.9025F, 3.9, 1.4450}),
                         [](const auto& info) { return std::string(info.param.name); });

// Ratio 20 puts R2 = P0 = 4.4721 above 4: the linear P1 and the last KK1
// piece, P1 = −0.0241·P0 + 1.1564 and KK1 = −0.01·R2 + 0.095 by hand.
TEST(ThirdOrder3Way, ChebyshevWideBandPieces)
{
    const Design d = thirdOrder("Chebyc", 100, 2000, 8, 6, 8);
    EXPECT_NEAR(d.P0, 4.4721, 1e-4);
    EXPECT_NEAR(d.P1, 1.04862, 1e-5);
    EXPECT_NEAR(d.KK1, 0.050279, 1e-6);
    EXPECT_NEAR(d.RAN, 0.050279 * 6, 1e-5);
}

struct IntervalRow {
    const char* name;
    float R2;
    float R01, R02;
    double line;  // A00·R2 + B00, worked by hand from the interval's end points
};

class PrototypeTable : public testing::TestWithParam<IntervalRow> {};

TEST_P(PrototypeTable, IntervalAndLine)
{
    const IntervalRow& r = GetParam();
    Design d;
    d.R2 = r.R2;
    Trd3WayparaCal(d);
    EXPECT_EQ(d.R01, r.R01);
    EXPECT_EQ(d.R02, r.R02);
    EXPECT_NEAR(d.A00 * static_cast<double>(r.R2) + d.B00, r.line, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Rows, PrototypeTable,
                         testing::Values(IntervalRow{"below_table", 1.0F, 1.4F, 1.5F, 1.6125},  // 1.7201 − 0.4·0.269
                                         IntervalRow{"first_breakpoint", 1.4F, 1.4F, 1.5F, 1.7201},
                                         IntervalRow{"on_1_5", 1.5F, 1.4F, 1.5F, 1.747},
                                         IntervalRow{"just_above_1_5", 1.5001F, 1.5F, 1.6F, 1.7470},
                                         // A breakpoint is compared as the f32 value it is kept as.
                                         IntervalRow{"on_1_6", 1.6F, 1.5F, 1.6F, 1.7711},
                                         IntervalRow{"inside_3_0_to_3_2", 3.1F, 3.0F, 3.2F, 1.9312},
                                         IntervalRow{"on_3_0", 3.0F, 2.9F, 3.0F, 1.9269},
                                         IntervalRow{"on_4_8", 4.8F, 4.6F, 4.8F, 1.9711},
                                         IntervalRow{"just_above_4_8", 4.8001F, 4.8F, 5.0F, 1.9711},
                                         IntervalRow{"extrapolated_7_1", 7.1F, 4.8F, 5.0F, 1.9964}),
                         [](const auto& info) { return std::string(info.param.name); });

// The synthesis reads the table at its own R2: 400/900 Hz put R2 exactly on
// 1.5 (F0 = 600), 100/900 Hz exactly on 3 (F0 = 300).
TEST(ThirdOrder3Way, SynthesisUsesTheIntervalRule)
{
    const Design onBreakpoint = thirdOrder("Butter", 400, 900);
    EXPECT_EQ(onBreakpoint.R2, 1.5F);
    EXPECT_EQ(onBreakpoint.R02, 1.5F);
    EXPECT_NEAR(onBreakpoint.BB1, 1.747, 1e-5);
    const Design onThree = thirdOrder("Butter", 100, 900);
    EXPECT_EQ(onThree.R01, 2.9F);
    EXPECT_NEAR(onThree.BB1, 1.9269, 1e-5);
}

// "Butter": with x = s/wL the low branch is 1/(x³ + AA1·x² + BB1·x + 1); with
// y = s/wH the high branch is y³/(y³ + BB1·y² + AA1·y + 1); with z = s/w0 the
// mid is H2·z³ over the product of z³ + AA1·R1·z² + BB1·R1²·z + R1³ and
// z³ + BB1·R2·z² + AA1·R2²·z + R2³. Checked on the ladders.
TEST(ThirdOrder3Way, ButterworthBranchShapes)
{
    for (const auto& [FXL, FXH] : {std::pair{300.0F, 3000.0F}, std::pair{200.0F, 800.0F}, {100.0F, 4000.0F}}) {
        const Design d = thirdOrder("Butter", FXL, FXH, 8, 6, 4);
        const ThreeWayNetwork n = networkOf(d);
        const double AA1 = d.AA1, BB1 = d.BB1, R1 = d.R1, R2 = d.R2, H2 = d.H2;
        for (const double f : {50.0, 250.0, 900.0, 2500.0, 9000.0}) {
            const double w = PI2 * f;
            const cplx x(0, w / (PI2 * FXL)), y(0, w / (PI2 * FXH)), z(0, w / (PI2 * d.F0));
            const cplx lo = 1.0 / (x * x * x + AA1 * x * x + BB1 * x + 1.0);
            const cplx hi = y * y * y / (y * y * y + BB1 * y * y + AA1 * y + 1.0);
            const cplx mid = H2 * z * z * z /
                             ((z * z * z + AA1 * R1 * z * z + BB1 * R1 * R1 * z + R1 * R1 * R1) *
                              (z * z * z + BB1 * R2 * z * z + AA1 * R2 * R2 * z + R2 * R2 * R2));
            EXPECT_NEAR(std::abs(n.lo.transfer(w) / lo - 1.0), 0.0, 1e-4) << FXL << "/" << FXH << " Lo " << f;
            EXPECT_NEAR(std::abs(n.hi.transfer(w) / hi - 1.0), 0.0, 1e-4) << FXL << "/" << FXH << " Hi " << f;
            EXPECT_NEAR(std::abs(n.mid.transfer(w) / mid - 1.0), 0.0, 1e-4) << FXL << "/" << FXH << " Mid " << f;
        }
    }
}

// "Bessel": the low branch is 1/(1 + 2x + 1.6x² + (8/15)x³) with x taken at
// FXL/1.1, the high branch its mirror image at 1.1·FXH.
TEST(ThirdOrder3Way, BesselOuterBranchesAreTheShiftedPolynomial)
{
    const Design d = thirdOrder("Bessel", 300, 3000, 8, 8, 6);
    const auto bessel = [](cplx x) { return 1.0 / (1.0 + 2.0 * x + 1.6 * x * x + 8.0 / 15.0 * x * x * x); };
    for (const double f : {30.0, 150.0, 300.0, 600.0, 3000.0, 9000.0}) {
        const double w = PI2 * f;
        const cplx x(0, 1.1 * w / (PI2 * 300)), y = 1.0 / cplx(0, w / (PI2 * 3000 * 1.1));
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 1, w), test::attenuationDb(bessel(x)), 1e-3) << f;
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 3, w), test::attenuationDb(bessel(y)), 1e-3) << f;
    }
}

// The Chebyshev mid is first designed as a band-pass transform (series
// L3 + C2, then L5 || C4 across, then series L4 + C3 into R0) and then
// re-expressed as the ladder of this network. Both share their denominator,
// so the transfer functions into R0 differ only by a constant real factor.
// The first form is rebuilt here from its printed element formulas.
TEST(ThirdOrder3Way, ChebyshevLadderKeepsThePrototypeDenominator)
{
    for (const auto& [FXL, FXH] : {std::pair{300.0F, 3000.0F}, std::pair{500.0F, 1600.0F}, {100.0F, 2400.0F}}) {
        const Design d = thirdOrder("Chebyc", FXL, FXH, 8, 6, 4);
        const double R0 = d.R0, w0 = PI2 * d.F0, P1 = d.P1;
        const double L3 = (1.50885 * R0 / (PI2 * FXH)) * 1.2 * P1;
        const double L4 = (1.0118 * R0 / (PI2 * FXH)) * 1.2 * P1;
        const double C4 = (1.33324 / (PI2 * FXH * R0)) * 1.2 * P1;
        const double C2 = 1 / (w0 * w0 * L3), C3 = 1 / (w0 * w0 * L4), L5 = 1 / (w0 * w0 * C4);
        const Ladder first =
            Ladder().L(1, 2, L3).C(2, 3, C2).L(3, 0, L5).C(3, 0, C4).L(3, 4, L4).C(4, 5, C3).R(5, 0, R0);
        const Ladder ladder =
            Ladder().C(1, 2, d.C2).L(2, 0, d.L3).C(2, 3, d.C3).L(3, 4, d.L4).C(4, 0, d.C4).L(4, 5, d.L5).R(5, 0, R0);
        const cplx k = ladder.transfer(PI2 * 50, 5) / first.transfer(PI2 * 50, 5);
        EXPECT_NEAR(k.imag() / k.real(), 0.0, 1e-4);
        for (const double f : {150.0, 400.0, d.F0 * 1.0, 2000.0, 8000.0}) {
            const cplx r = ladder.transfer(PI2 * f, 5) / first.transfer(PI2 * f, 5);
            EXPECT_NEAR(std::abs(r / k - 1.0), 0.0, 1e-4) << FXL << "/" << FXH << " at " << f;
        }
    }
}

struct DesignRow {
    const char* name;
    const char* key;
    float FXL, FXH, RE, RM, RH;

    friend void PrintTo(const DesignRow& r, std::ostream* os) { *os << r.name; }
};

class ThirdOrder3WayLadder : public testing::TestWithParam<DesignRow> {
protected:
    Design design() const
    {
        const auto& r = GetParam();
        return thirdOrder(r.key, r.FXL, r.FXH, r.RE, r.RM, r.RH);
    }
};

// The total adds the mid with the sign `pole`: inverted for "Bessel".
TEST_P(ThirdOrder3WayLadder, AmplitudeAndImpedance)
{
    const Design d = design();
    test::expectMagnitudesMatch(d, networkOf(d), {20, 95, 400, 1000, 2500, 7000, 19000});
}

// Every branch and the total show their phase + 180 degrees, modulo 360; the
// total of a reversed mid shows its phase itself. The group-delay phase has
// no branch constant, so it sits at the phase of Lo, 90 below that of Mid and
// 90 above that of Hi; with a reversed mid the total's carries +90.
TEST_P(ThirdOrder3WayLadder, PhaseAndGroupDelayPhase)
{
    const Design d = design();
    const ThreeWayNetwork n = networkOf(d);
    const bool reversed = d.pole == -1;
    const double phaseOffset[] = {0, 180, 180, 180, reversed ? 0.0 : 180.0};
    const double delayOffset[] = {0, 0, -90, 90, reversed ? 90.0 : 0.0};
    for (int ii = 1; ii <= 4; ++ii) {
        test::expectPhaseTracks(d, n, EvalKind::Ph, ii, &EvalState::yy, phaseOffset[ii], 360);
        test::expectPhaseTracks(d, n, EvalKind::Gd, ii, &EvalState::QQ, delayOffset[ii], 360);
    }
}

// The phase evaluators fold their result into 0..360 once, which on the
// phase sweep (from 20 kHz down, where the unwrap starts) keeps every curve
// inside the graph.
TEST_P(ThirdOrder3WayLadder, PhaseStaysWithinTheGraph)
{
    const Design d = design();
    const auto frequencies = test::sweepFrequencies();
    for (int ii = 1; ii <= 4; ++ii) {
        EvalState e;
        for (auto it = frequencies.rbegin(); it != frequencies.rend(); ++it) {
            const double w = *it;
            e.f = static_cast<float>(w);
            evaluatorFor(d, EvalKind::Ph, ii)(d, e);
            ASSERT_GE(e.yy, 0) << test::kBranchName[ii] << " at " << w / PI2;
            ASSERT_LE(e.yy, 360) << test::kBranchName[ii] << " at " << w / PI2;
        }
    }
}

// Each point is its branch's transfer function; the total of a reversed mid
// is placed opposite its own.
TEST_P(ThirdOrder3WayLadder, NyquistPoints)
{
    const Design d = design();
    const ThreeWayNetwork n = networkOf(d);
    for (int ii = 1; ii <= 3; ++ii) test::expectNyquistFollows(d, n, ii, 1);
    test::expectNyquistFollows(d, n, 4, d.pole == -1 ? -1 : 1);
}

// The step substitutions hand over each branch as it is; the mid numerator
// carries no polarity.
TEST_P(ThirdOrder3WayLadder, StepSubstitutions)
{
    const Design d = design();
    const ThreeWayNetwork n = networkOf(d);
    test::expectStepMatches(d, n, Trd3WayLoStepSubstitution, 1);
    test::expectStepMatches(d, n, Trd3WayMidStepSubstitution, 2);
    test::expectStepMatches(d, n, Trd3WayHiStepSubstitution, 3);
    EvalState e;
    Trd3WayMidStepSubstitution(d, e);
    EXPECT_EQ(e.NUO, 3);
    EXPECT_EQ(e.DEO, 7);
    EXPECT_EQ(e.DET[8], 0.0);  // the factor s of the step
}

INSTANTIATE_TEST_SUITE_P(Alignments, ThirdOrder3WayLadder,
                         testing::Values(DesignRow{"butter_printed", "Butter", 300, 3000, 8, 8, 8},
                                         DesignRow{"butter_unequal", "Butter", 250, 4000, 8, 6, 4},
                                         DesignRow{"butter_narrow", "Butter", 500, 1600, 4, 8, 6},
                                         DesignRow{"bessel_printed", "Bessel", 300, 3000, 8, 8, 8},
                                         DesignRow{"bessel_unequal", "Bessel", 200, 2400, 6, 4, 8},
                                         DesignRow{"chebyc_printed", "Chebyc", 300, 3000, 8, 8, 8},
                                         DesignRow{"chebyc_unequal", "Chebyc", 500, 1600, 4, 8, 6},
                                         DesignRow{"chebyc_wide", "Chebyc", 100, 2400, 8, 6, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

// The Lo amplitude tends to 0 dB at low frequency; the Mid and Hi impedances
// grow without bound there (no constant term in their denominators).
TEST(ThirdOrder3Way, LowFrequencyLimits)
{
    const Design d = thirdOrder("Butter", 300, 3000);
    EXPECT_NEAR(evaluate(d, EvalKind::Fr, 1, PI2 * 0.01), 0.0, 1e-4);
    EXPECT_GT(evaluate(d, EvalKind::Imp, 2, PI2 * 0.01), 4.0);  // above 10 kohm
    EXPECT_GT(evaluate(d, EvalKind::Imp, 3, PI2 * 0.01), 4.0);
}

// "Linkwi" and "ButAsy" have no third-order formulas: the components, RAN, R0
// and pole stay; the coefficients and display values are recomputed from them.
TEST(ThirdOrder3Way, KeysWithoutFormulasKeepTheComponents)
{
    for (const char* key : {"Linkwi", "ButAsy"}) {
        Design d = thirdOrder("Bessel", 300, 3000);
        const Design before = d;
        d.s_Type = key;
        d.FXL = 250;
        d.RE = 4;
        d.L1 = 0.002F;  // stands for a component set elsewhere
        cofCal(d);
        EXPECT_EQ(d.C2, before.C2) << key;
        EXPECT_EQ(d.L5, before.L5) << key;
        EXPECT_EQ(d.C6, before.C6) << key;
        EXPECT_EQ(d.RAN, before.RAN) << key;
        EXPECT_EQ(d.R0, before.R0) << key;
        EXPECT_EQ(d.pole, -1) << key;
        EXPECT_FLOAT_EQ(d.LL1, 2.0F) << key;                         // from the L1 above
        EXPECT_FLOAT_EQ(d.A03, (0.002F + before.L2) / 4.0F) << key;  // (L1 + L2)/RE
    }
}

TEST(ThirdOrder3Way, ComponentsShownOnTheValueSheet)
{
    std::vector<std::string> names;
    for (const auto& c : unitFor(3, 3)->components) names.emplace_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"LL1", "CL1", "LL2", "CM1", "LM1", "CM2", "LM2", "CM3", "LM3", "CH1",
                                               "LH1", "CH2"}));
}

// Inputs the frequency sheet would refuse still come through as numbers:
// equal frequencies extrapolate the prototype table, zero resistances divide
// by zero. Nothing hangs.
TEST(ThirdOrder3Way, DegenerateInputs)
{
    const Design equal = thirdOrder("Butter", 1000, 1000);
    EXPECT_EQ(equal.R2, 1.0F);
    EXPECT_NEAR(equal.BB1, 1.6125, 1e-4);  // the first table line extended to 1
    EXPECT_TRUE(std::isfinite(equal.RAN));

    const Design zero = thirdOrder("Bessel", 300, 3000, 0, 0, 0);
    EXPECT_TRUE(std::isinf(zero.CL1));
    EXPECT_TRUE(std::isinf(zero.CH1));
    EXPECT_EQ(zero.LL1, 0.0F);

    const Design chebyZero = thirdOrder("Chebyc", 300, 3000, 0, 0, 0);
    EXPECT_TRUE(std::isnan(chebyZero.LM1));  // the conversion divides zero by zero

    for (Design d : {equal, zero, chebyZero}) {
        for (const auto& curve : ampPlot(d)) EXPECT_EQ(curve.points.size(), 300U);
        for (const auto& curve : impPlot(d)) EXPECT_EQ(curve.points.size(), 300U);
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
