// The second-order 3-way network: the level factor seams and the Chebyshev
// mid's prototype.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

Design secondOrder(const std::string& key, float FXL, float FXH, float RE = 8, float RM = 8, float RH = 8)
{
    return test::threeWayDesign(2, key, FXL, FXH, RE, RM, RH);
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
        SCOPED_TRACE(std::to_string(FXL) + "/" + std::to_string(FXH));
        test::expectRealRatio(ladder, 3, first, 3, {50, 200, 700, d.F0, 3000, 12000}, 2e-5);
    }
}

}  // namespace
}  // namespace larkspan
