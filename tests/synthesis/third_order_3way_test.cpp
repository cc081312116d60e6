// The third-order 3-way network: the prototype table's interval rule, the
// level factor and the shapes each alignment promises.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "synthesis/ladder_checks.h"
#include "synthesis/trd3way.h"

namespace larkspan {
namespace {

using test::cplx;
using test::evaluate;
using test::Ladder;
using test::Network;

Design thirdOrder(const std::string& key, float FXL, float FXH, float RE = 8, float RM = 8, float RH = 8)
{
    return test::threeWayDesign(3, key, FXL, FXH, RE, RM, RH);
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

// "Butter": with x = s/wL the low branch is 1/(x³ + AA1·x² + BB1·x + 1); with
// y = s/wH the high branch is y³/(y³ + BB1·y² + AA1·y + 1); with z = s/w0 the
// mid is H2·z³ over the product of z³ + AA1·R1·z² + BB1·R1²·z + R1³ and
// z³ + BB1·R2·z² + AA1·R2²·z + R2³. Checked on the ladders.
TEST(ThirdOrder3Way, ButterworthBranchShapes)
{
    for (const auto& [FXL, FXH] : {std::pair{300.0F, 3000.0F}, std::pair{200.0F, 800.0F}, {100.0F, 4000.0F}}) {
        const Design d = thirdOrder("Butter", FXL, FXH, 8, 6, 4);
        const Network n = test::thirdOrder3WayNetwork(d);
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
        SCOPED_TRACE(std::to_string(FXL) + "/" + std::to_string(FXH));
        test::expectRealRatio(ladder, 5, first, 5, {50, 150, 400, d.F0, 2000, 8000}, 1e-4);
    }
}

}  // namespace
}  // namespace larkspan
