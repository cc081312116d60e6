#include "response/nyquist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "response/group_delay.h"
#include "support/designs.h"
#include "support/nodal.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

TEST(NyquistCurve, FiveHundredPointsFromOneHundredKilohertzToAboutOneHertz)
{
    const Design d = synthesized();
    const auto curves = nqPlot(d);
    ASSERT_EQ(curves.size(), 3U);
    for (const Curve& c : curves) {
        ASSERT_EQ(c.points.size(), 500U) << c.branch;
        EXPECT_FLOAT_EQ(c.points.front().k, 5.0F);
        EXPECT_FALSE(c.points.front().drawn);
        EXPECT_TRUE(c.points[1].drawn);
        // k falls by 0.01 from 5 in single precision: 499 steps end just
        // above 0.01, that is 1.02 Hz.
        EXPECT_NEAR(std::pow(10.0, c.points.back().k), 1.02, 0.01);
        EXPECT_EQ(c.LineW, 1.0F) << c.branch;  // the total included
        for (const auto& p : c.points) {
            EXPECT_FLOAT_EQ(p.x, p.re * 70 + 270);
            EXPECT_FLOAT_EQ(p.y, p.im * -70 + 190);
        }
    }
}

// First-order branches, solved as ladders: the series element into the
// driver, the 3-way mid branch as L2, C1 and RAN in series into RM.
struct LadderRow {
    const char* name;
    int ways;
    std::size_t curve;
    Ladder (*ladder)(const Design&);
    int outNode;

    friend void PrintTo(const LadderRow& r, std::ostream* os) { *os << r.name; }
};

Ladder lowLadder(const Design& d)
{
    return Ladder().L(1, 2, d.L1).R(2, 0, d.RE);
}
Ladder high2WayLadder(const Design& d)
{
    return Ladder().C(1, 2, d.C1).R(2, 0, d.RH);
}
Ladder high3WayLadder(const Design& d)
{
    return Ladder().C(1, 2, d.C2).R(2, 0, d.RH);
}
Ladder midLadder(const Design& d)
{
    return Ladder().L(1, 2, d.L2).C(2, 3, d.C1).R(3, 4, d.RAN).R(4, 0, d.RM);
}

class NyquistFirstOrder : public testing::TestWithParam<LadderRow> {};

// The branch evaluators place −H, but each curve's first point, at 100 kHz,
// is unwrapped against a previous phase of zero: that turns the phase by π
// once and for all, so the whole curve traces H(jω) itself (the low branch
// from the origin, the high branch from (1, 0)).
TEST_P(NyquistFirstOrder, TracesTheBranchTransferFunction)
{
    const LadderRow& row = GetParam();
    Design d;
    d.channel = static_cast<std::int16_t>(row.ways);
    cofCal(d);
    const auto curves = nqPlot(d);
    const Ladder ladder = row.ladder(d);
    double worst = 0;
    for (const auto& p : curves[row.curve].points) {
        const double w = std::pow(10.0, static_cast<double>(p.k)) * 2 * 3.141592653589793;
        const cplx h = ladder.transfer(w, row.outNode);
        worst = std::max(worst, std::abs(cplx(p.re, p.im) - h));
    }
    EXPECT_LT(worst, 1e-5) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, NyquistFirstOrder,
                         testing::Values(LadderRow{"two_way_lo", 2, 0, lowLadder, 2},
                                         LadderRow{"two_way_hi", 2, 1, high2WayLadder, 2},
                                         LadderRow{"three_way_lo", 3, 0, lowLadder, 2},
                                         LadderRow{"three_way_mid", 3, 1, midLadder, 4},
                                         LadderRow{"three_way_hi", 3, 2, high3WayLadder, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Equal resistances: Lo + Hi = 1 at every frequency, a point on the unit
// circle all along.
TEST(NyquistCurve, FirstOrderTotalStaysOnTheUnitCircle)
{
    const Design d = synthesized();
    const auto curves = nqPlot(d);  // kept: the loop must not walk a destroyed temporary
    for (const auto& p : curves[2].points) EXPECT_NEAR(std::hypot(p.re, p.im), 1, 1e-5);
}

// Group delay and Nyquist with coefficients that are not numbers: the
// sweeps end after their counts, draw nothing non-finite, and the scale
// falls back to its largest entry.
TEST(FrequencyViews, NonFiniteCoefficientsAreNotDrawn)
{
    const auto finiteWhereDrawn = [](const std::vector<Curve>& curves, const char* what) {
        for (const Curve& c : curves)
            for (std::size_t i = 0; i < c.points.size(); ++i)
                if (c.points[i].drawn) {
                    ASSERT_TRUE(std::isfinite(c.points[i].x) && std::isfinite(c.points[i].y)) << what << " " << i;
                    ASSERT_TRUE(std::isfinite(c.points[i - 1].y)) << what << " " << i;
                }
    };
    Design nanFx;
    nanFx.FX = std::numeric_limits<float>::quiet_NaN();
    Design infRe;
    infRe.RE = std::numeric_limits<float>::infinity();
    Design equal;
    equal.channel = 3;
    equal.FXH = equal.FXL;  // the mid level resistor becomes infinite
    for (Design* d : {&nanFx, &infRe, &equal}) {
        cofCal(*d);
        GroupDelayState s;
        gdOpt(*d, s);
        EXPECT_EQ(s.GDscl, 25.0F);
        const auto gd = gdPlot(*d, s);
        for (const Curve& c : gd) EXPECT_EQ(c.points.size(), 3700U);
        finiteWhereDrawn(gd, "group delay");
        const auto nq = nqPlot(*d);
        for (const Curve& c : nq) EXPECT_EQ(c.points.size(), 500U);
        finiteWhereDrawn(nq, "Nyquist");
    }
}

}  // namespace
}  // namespace larkspan
