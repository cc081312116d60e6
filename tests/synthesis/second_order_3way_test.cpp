// The second-order 3-way network: printed design examples, the level factor
// seams, the flat Linkwitz-Riley total and the Chebyshev mid's prototype.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::cplx;
using test::evaluate;
using test::Ladder;

Design secondOrder(const std::string& key, float FXL, float FXH, float RE = 8, float RM = 8, float RH = 8)
{
    return test::threeWayDesign(2, key, FXL, FXH, RE, RM, RH);
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

// Ratio 10: P0 is R2, P1 = 2.6305, the third KK1 piece gives 0.3744.
TEST(SecondOrder3Way, ChebyshevPrintedValues)
{
    const Design d = secondOrder("Chebyc", 500, 5000, 8, 6, 8);
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

}  // namespace
}  // namespace larkspan
