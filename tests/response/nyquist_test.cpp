#include "response/nyquist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "response/group_delay.h"
#include "response/step_response.h"
#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::cplx;

TEST(NyquistCurve, FiveHundredPointsFromOneHundredKilohertzToAboutOneHertz)
{
    Design d;
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

// The branch evaluators place −H, but each curve's first point, at 100 kHz,
// is unwrapped against a previous phase of zero: that turns the phase by π
// once and for all, so the whole curve of each first-order branch traces
// H(jω) itself (the low branch from the origin, the high branch from (1, 0)).
TEST(NyquistCurve, FirstOrderBranchesTraceTheirTransferFunctions)
{
    for (const int ways : {2, 3}) {
        Design d;
        d.channel = static_cast<std::int16_t>(ways);
        const auto curves = nqPlot(d);  // runs the synthesis
        const test::Network net = test::networkOf(d);
        for (int ii = 1; ii <= ways; ++ii) {
            for (const auto& p : curves[static_cast<std::size_t>(ii - 1)].points) {
                const cplx h = net.transfer(ii, std::pow(10.0, static_cast<double>(p.k)) * PI2);
                ASSERT_LT(std::abs(cplx(p.re, p.im) - h), 1e-5) << ways << "-way branch " << ii << " at k " << p.k;
            }
        }
    }
}

// Equal resistances: Lo + Hi = 1 at every frequency, a point on the unit
// circle all along.
TEST(NyquistCurve, FirstOrderTotalStaysOnTheUnitCircle)
{
    Design d;
    const auto curves = nqPlot(d);  // kept: the loop must not walk a destroyed temporary
    for (const auto& p : curves[2].points) EXPECT_NEAR(std::hypot(p.re, p.im), 1, 1e-5);
}

// Coefficients that are not numbers: every sweep ends after its count (the
// step response within its largest window), draws nothing non-finite, and
// the group-delay scale falls back to its largest entry where the delays are
// not numbers.
TEST(FrequencyViews, NonFiniteCoefficientsAreNotDrawn)
{
    const auto finiteWhereDrawn = [](const std::vector<Curve>& curves, const std::string& what) {
        for (const Curve& c : curves)
            for (std::size_t i = 0; i < c.points.size(); ++i)
                if (c.points[i].drawn) {
                    ASSERT_TRUE(std::isfinite(c.points[i].x) && std::isfinite(c.points[i].y)) << what << " " << i;
                    ASSERT_TRUE(std::isfinite(c.points[i - 1].y)) << what << " " << i;
                }
    };
    Design nanFx, infRe, equal, zeroFx, equalFourth;
    nanFx.FX = std::numeric_limits<float>::quiet_NaN();  // no step window at all
    infRe.RE = std::numeric_limits<float>::infinity();
    equal.channel = equalFourth.channel = 3;
    equal.FXH = equal.FXL;  // the mid level resistor becomes infinite
    zeroFx.FX = 0;
    equalFourth.order = 4;
    equalFourth.s_Type = "Linkwi";
    equalFourth.FXH = equalFourth.FXL;
    for (auto [d, what] : {std::pair{nanFx, "FX not a number"},
                           {infRe, "infinite RE"},
                           {equal, "equal 3-way"},
                           {zeroFx, "zero FX"},
                           {equalFourth, "equal 4th-order 3-way"}}) {
        GroupDelayState s;
        gdOpt(d, s);
        if (d.order == 1 && d.FX != 0) {
            EXPECT_EQ(s.GDscl, 25.0F) << what;
        }
        const auto gd = gdPlot(d, s);
        for (const Curve& c : gd) EXPECT_EQ(c.points.size(), 3700U) << what;
        finiteWhereDrawn(gd, std::string(what) + " group delay");
        const auto nq = nqPlot(d);
        for (const Curve& c : nq) EXPECT_EQ(c.points.size(), 500U) << what;
        finiteWhereDrawn(nq, std::string(what) + " Nyquist");
        const auto step = StepPlot(d);
        for (const Curve& c : step) EXPECT_LE(c.points.size(), 50000U) << what;
        finiteWhereDrawn(step, std::string(what) + " step");
    }
}

}  // namespace
}  // namespace larkspan
