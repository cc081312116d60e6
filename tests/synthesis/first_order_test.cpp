#include <gtest/gtest.h>

#include <cmath>

#include "design/design.h"
#include "support/nodal.h"
#include "synthesis/cofcal.h"
#include "synthesis/fst2way.h"
#include "synthesis/fst3way.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

double evaluate(const Design& d, EvalKind kind, int ii, double w)
{
    EvalState e;
    e.f = static_cast<float>(w);
    evaluatorFor(d, kind, ii)(d, e);
    return e.yy;
}

// Values worked out by hand from the defaults: L = R/(2πf), C = 1/(2πfR).
TEST(FirstOrderSynthesis, TwoWayDefaults)
{
    Design d;
    cofCal(d);
    EXPECT_NEAR(d.LL1, 1.469, 0.0005);
    EXPECT_NEAR(d.CH1, 40.81, 0.005);
    EXPECT_FLOAT_EQ(d.L1, d.LL1 / 1000);
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
    EXPECT_FLOAT_EQ(d.R0, d.RM + d.RAN);
}

TEST(FirstOrderSynthesis, MidGainAtCentreIsTheResistorDivider)
{
    Design d;
    d.channel = 3;
    cofCal(d);
    const double gain = std::pow(10.0, -evaluate(d, EvalKind::Fr, 2, PI2 * d.F0) / 20);
    EXPECT_NEAR(gain, 1800.0 / 2200.0, 1e-4);  // (FXH − FXL)/(FXH + FXL)
}

// Each branch against its own network, solved by nodal analysis.
TEST(FirstOrderSynthesis, BranchesMatchTheirNetworks)
{
    Design d;
    d.channel = 3;
    d.RE = 8;
    d.RM = 5;
    d.RH = 4;
    d.FXL = 300;
    d.FXH = 3500;
    cofCal(d);
    const Ladder lo = Ladder().L(1, 2, d.L1).R(2, 0, d.RE);
    const Ladder hi = Ladder().C(1, 2, d.C2).R(2, 0, d.RH);
    const Ladder mid = Ladder().L(1, 2, d.L2).C(2, 3, d.C1).R(3, 4, d.RAN).R(4, 0, d.RM);
    for (const double hz : {20.0, 150.0, 640.0, 1000.0, 7000.0, 19000.0}) {
        const double w = PI2 * hz;
        const struct {
            int ii;
            const Ladder& net;
            int out;
        } rows[] = {{1, lo, 2}, {2, mid, 4}, {3, hi, 2}};
        for (const auto& r : rows) {
            const cplx h = r.net.transfer(w, r.out);
            EXPECT_NEAR(evaluate(d, EvalKind::Fr, r.ii, w), test::attenuationDb(h), 1e-3) << r.ii << " " << hz;
            EXPECT_NEAR(evaluate(d, EvalKind::Imp, r.ii, w), std::log10(std::abs(r.net.inputImpedance(w))), 1e-5)
                << r.ii << " " << hz;
        }
        // The Lo phase evaluator places arg H + 180 degrees.
        const double loPhase = std::arg(lo.transfer(w, 2)) * 180 / pi + 180;
        EXPECT_NEAR(evaluate(d, EvalKind::Ph, 1, w), loPhase, 1e-3) << hz;
        // The total impedance is the three branches in parallel.
        const cplx zTotal =
            1.0 / (1.0 / lo.inputImpedance(w) + 1.0 / mid.inputImpedance(w) + 1.0 / hi.inputImpedance(w));
        EXPECT_NEAR(evaluate(d, EvalKind::Imp, 4, w), std::log10(std::abs(zTotal)), 1e-5) << hz;
        const cplx hTotal = lo.transfer(w, 2) + mid.transfer(w, 4) + hi.transfer(w, 2);
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 4, w), test::attenuationDb(hTotal), 1e-3) << hz;
    }
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

TEST(FirstOrderSynthesis, StepSubstitutionsLoadHOverS)
{
    Design d;
    d.channel = 3;
    cofCal(d);
    EvalState e;
    Fst3WayMidStepSubstitution(d, e);
    EXPECT_EQ(e.NUO, 1);
    EXPECT_EQ(e.DEO, 3);
    EXPECT_DOUBLE_EQ(e.NUT[1], static_cast<double>(d.A23) * 1e4);
    EXPECT_DOUBLE_EQ(e.DET[1], static_cast<double>(d.A21) * 1e8);
    EXPECT_DOUBLE_EQ(e.DET[4], 0);
    Fst2WayHiStepSubstitution(d, e);
    EXPECT_EQ(e.NUO, 1);
    EXPECT_EQ(e.DEO, 2);
    EXPECT_DOUBLE_EQ(e.DET[2], 1);
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

TEST(FirstOrderSynthesis, ZeroResistanceGivesNonFiniteValuesNotACrash)
{
    Design d;
    d.channel = 3;
    d.RH = 0;
    d.FXH = d.FXL;  // H2 = 0: RAN is infinite
    cofCal(d);
    EXPECT_FALSE(std::isfinite(d.RAN));
    EXPECT_FALSE(std::isfinite(d.C2));
    EvalState e;
    e.f = 1000;
    Fst3WayToFrCal(d, e);  // must simply return
}

}  // namespace
}  // namespace larkspan
