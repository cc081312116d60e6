#include "response/sweeps.h"

#include <gtest/gtest.h>

#include <cmath>

namespace larkspan {
namespace {

TEST(AmplitudeSweep, ThreeHundredPointsFromTwentyHertzEndingNearNineteenPointFiveKilohertz)
{
    Design d;
    const Curve c = ampPlot2(d, 1);
    ASSERT_EQ(c.points.size(), 300U);
    EXPECT_FLOAT_EQ(c.points.front().k, static_cast<float>(std::log10(20.0)));
    EXPECT_FLOAT_EQ(c.points.front().x, 45.0F);
    EXPECT_FALSE(c.points.front().drawn);
    EXPECT_NEAR(std::pow(10.0, c.points.back().k), 19500, 100);
}

TEST(AmplitudeSweep, FirstOrderTwoWayTotalIsALineAtY130)
{
    Design d;
    const auto curves = ampPlot(d);
    ASSERT_EQ(curves.size(), 3U);
    EXPECT_EQ(curves[0].branch, "Lo");
    EXPECT_EQ(curves[1].branch, "Hi");
    const Curve& total = curves[2];
    EXPECT_EQ(total.branch, "To");
    EXPECT_EQ(total.LineW, 2.0F);
    EXPECT_EQ(total.colour, (Colour{1, 0.5294F, 0}));
    for (const auto& p : total.points) EXPECT_FLOAT_EQ(p.y, 130.0F);
}

TEST(AmplitudeSweep, LinesBelowTwentyFiveDecibelsAreNotDrawn)
{
    Design d;  // the Lo branch falls below 25 dB near 11.5 kHz
    const Curve c = ampPlot2(d, 1);
    int hidden = 0;
    for (std::size_t i = 1; i < c.points.size(); ++i) {
        const auto& p = c.points[i];
        EXPECT_EQ(p.drawn, p.y <= 330) << i;
        EXPECT_NEAR(p.y, p.value * 8 + 130, 1e-3);  // 8 points per dB, 0 dB at y = 130
        hidden += p.drawn ? 0 : 1;
    }
    EXPECT_GT(hidden, 0);
}

TEST(ImpedanceSweep, AboveThousandOhmIsNotDrawn)
{
    Design d;
    d.FX = 10000;  // the tweeter's series capacitor: about 3000 ohm at 20 Hz
    const Curve c = impPlot2(d, 2);
    ASSERT_EQ(c.points.size(), 300U);
    EXPECT_LT(c.points[1].y, 50);
    EXPECT_FALSE(c.points[1].drawn);
    const auto& last = c.points.back();
    EXPECT_TRUE(last.drawn);
    // |Z| = RH·sqrt(1 + (FX/f)²) for the series capacitor and the driver.
    const double ratio = 10000 / std::pow(10.0, last.k);
    EXPECT_NEAR(last.y, 330 - 93.33333333 * std::log10(6 * std::sqrt(1 + ratio * ratio)), 0.01);
}

TEST(PhaseSweep, RunsDownwardFromTwentyKilohertz)
{
    Design d;
    const Curve c = phPlot2(d, 2);
    ASSERT_EQ(c.points.size(), 300U);
    EXPECT_FLOAT_EQ(c.points.front().k, static_cast<float>(std::log10(20000.0)));
    EXPECT_FALSE(c.points.front().drawn);
    EXPECT_TRUE(c.points[1].drawn);
    EXPECT_NEAR(std::pow(10.0, c.points.back().k), 20.5, 0.2);
    for (const auto& p : c.points) EXPECT_FLOAT_EQ(p.y, static_cast<float>(330 - 0.7777777777777778 * p.value));
}

TEST(Sweeps, ThreeWayDrawsFourCurvesInBranchOrder)
{
    Design d;
    d.channel = 3;
    const auto curves = impPlot(d);
    ASSERT_EQ(curves.size(), 4U);
    EXPECT_EQ(curves[1].branch, "Mid");
    EXPECT_EQ(curves[1].colour, (Colour{0, 0.5112F, 1}));
    EXPECT_EQ(curves[2].branch, "Hi");
    EXPECT_EQ(curves[2].colour, (Colour{0, 0.9412F, 1}));
}

TEST(Sweeps, NoNetworkMeansNoCurves)
{
    Design d;
    d.order = 9;
    EXPECT_TRUE(ampPlot(d).empty());
}

}  // namespace
}  // namespace larkspan
