#include <gtest/gtest.h>

#include <cmath>

#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::evaluate;

// Values worked out by hand from the defaults: L = R/(2πf), C = 1/(2πfR).
TEST(FirstOrderSynthesis, TwoWayDefaults)
{
    Design d;
    cofCal(d);
    EXPECT_NEAR(d.LL1, 1.469, 0.0005);
    EXPECT_NEAR(d.CH1, 40.81, 0.005);
}

TEST(FirstOrderSynthesis, ThreeWayDefaults)
{
    Design d;
    d.channel = 3;
    cofCal(d);
    EXPECT_NEAR(d.LL1, 4.775, 0.0005);
    EXPECT_NEAR(d.CH1, 13.26, 0.005);
    EXPECT_NEAR(d.F0, 632.5, 0.05);
    EXPECT_NEAR(d.k0, 3.479, 0.0005);
    EXPECT_NEAR(d.RAN, 1.333, 0.0005);
    EXPECT_NEAR(d.LM1, 0.5305, 0.00005);
    EXPECT_NEAR(d.CM1, 119.4, 0.05);
}

TEST(FirstOrderSynthesis, MidGainAtCentreIsTheResistorDivider)
{
    Design d;
    d.channel = 3;
    cofCal(d);
    const double gain = std::pow(10.0, -evaluate(d, EvalKind::Fr, 2, PI2 * d.F0) / 20);
    EXPECT_NEAR(gain, 1800.0 / 2200.0, 1e-4);  // (FXH − FXL)/(FXH + FXL)
}

// Each 3-way branch and the total against the network, solved by nodal
// analysis; the step substitutions hand over each branch as it is.
TEST(FirstOrderSynthesis, ThreeWayBranchesMatchTheirNetworks)
{
    const Design d = test::threeWayDesign(1, "Butter", 300, 3500, 8, 5, 4);
    const test::Network n = test::firstOrder3WayNetwork(d);
    test::expectMagnitudesMatch(d, n, {20, 150, 640, 1000, 7000, 19000}, 1e-3);
    for (int ii = 1; ii <= 3; ++ii)
        test::expectStepMatches(d, n, unitFor(3, 1)->step[static_cast<std::size_t>(ii - 1)], ii);
    // The Lo phase evaluator places arg H + 180 degrees.
    for (const double hz : {20.0, 640.0, 7000.0})
        EXPECT_NEAR(evaluate(d, EvalKind::Ph, 1, PI2 * hz), std::arg(n.lo.transfer(PI2 * hz)) * test::kDegPerRad + 180,
                    1e-3)
            << hz;
}

TEST(FirstOrderSynthesis, TwoWayTotalIsFlatWithEqualResistances)
{
    Design d;
    cofCal(d);
    for (const double hz : {20.0, 200.0, 650.0, 6500.0, 19500.0})
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 3, PI2 * hz), 0.0, 1e-4) << hz;
}

TEST(FirstOrderSynthesis, BranchPhasesApproachTheirLimits)
{
    Design d;
    cofCal(d);
    EXPECT_NEAR(evaluate(d, EvalKind::Ph, 1, PI2 * 0.1), 180, 0.1);
    EXPECT_NEAR(evaluate(d, EvalKind::Ph, 1, PI2 * 1e7), 90, 0.1);
    EXPECT_NEAR(evaluate(d, EvalKind::Ph, 2, PI2 * 0.1), 270, 0.1);
    EXPECT_NEAR(evaluate(d, EvalKind::Ph, 2, PI2 * 1e7), 180, 0.1);
}

TEST(FirstOrderSynthesis, UnknownChannelOrOrderComputesNothing)
{
    Design d;
    d.channel = 5;
    cofCal(d);
    EXPECT_EQ(d.L1, 0.0F);
    EXPECT_EQ(unitFor(2, 0), nullptr);
    EXPECT_EQ(evaluatorFor(d, EvalKind::Fr, 1), nullptr);
}

}  // namespace
}  // namespace larkspan
