#include "response/group_delay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "support/designs.h"

namespace larkspan {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The scale table: the first entry whose bound lies above the peak.
struct ScaleRow {
    const char* name;
    double peak;  // ms
    float GDscl;

    friend void PrintTo(const ScaleRow& r, std::ostream* os) { *os << r.name; }
};

class GroupDelayScale : public testing::TestWithParam<ScaleRow> {};

TEST_P(GroupDelayScale, FirstBoundAboveThePeak)
{
    EXPECT_EQ(groupDelayScaleFor(static_cast<float>(GetParam().peak)), GetParam().GDscl);
}

INSTANTIATE_TEST_SUITE_P(Rows, GroupDelayScale,
                         testing::Values(ScaleRow{"zero", 0, 0.05F}, ScaleRow{"exactly_005", 0.05, 0.1F},
                                         ScaleRow{"point_three", 0.3, 0.5F}, ScaleRow{"exactly_half", 0.5, 1.0F},
                                         ScaleRow{"exactly_one", 1.0, 2.5F}, ScaleRow{"four", 4, 5.0F},
                                         ScaleRow{"just_below_ten", 9.99, 10.0F}, ScaleRow{"exactly_ten", 10, 25.0F},
                                         ScaleRow{"infinite", std::numeric_limits<double>::infinity(), 25.0F},
                                         ScaleRow{"not_a_number", kNaN, 25.0F}),
                         [](const auto& info) { return std::string(info.param.name); });

// First-order 2-way defaults (FX = 650 Hz, RE = RH = 6 ohm): each branch is a
// single real pole at w0 = 2π·650, whose group delay is
// tau(w) = (1/w0) / (1 + (w/w0)²), 1/w0 = 0.24485 ms.
double firstOrderDelayMs(double hz)
{
    const double tau0 = 1000 / (2 * 3.141592653589793 * 650);
    return tau0 / (1 + (hz / 650) * (hz / 650));
}

TEST(GroupDelayScaleSearch, FirstDecreaseIsMetOncePerProgramRun)
{
    // First-order 3-way defaults: poles at 200 Hz (Lo) and 2000 Hz (Hi), whose
    // delays level off at 1/(2π·200) = 0.796 ms and 1/(2π·2000) = 0.0796 ms.
    // The Lo and Mid delays rise all the way down to 20 Hz, so their peaks come
    // from the rising-slope rule; the Hi delay levels off early and its first
    // decrease sets the flag, so its peak is its own plateau.
    const Design d = synthesized([](Design& s) { s.channel = 3; });
    GroupDelayState s;
    gdOpt(d, s);
    EXPECT_EQ(s.gdOptFlg, 1);
    EXPECT_NEAR(s.GG[0], 0.796 / (1 + 0.01), 0.002);  // 20 Hz against the 200 Hz pole
    EXPECT_NEAR(s.GG[2], 0.0796, 0.0005);
    EXPECT_GT(s.GG[1], s.GG[0]);

    // A fresh state (another program run) finds the same again: nothing is
    // kept outside the state object.
    GroupDelayState fresh;
    gdOpt(d, fresh);
    EXPECT_EQ(fresh.GG, s.GG);

    // The next redraw starts with the flag set, so the Hi branch can no longer
    // lower the peak that the Mid branch left in G2: it inherits it.
    gdOpt(d, s);
    EXPECT_EQ(s.gdOptFlg, 1);
    EXPECT_EQ(s.GG[2], s.GG[1]);
    EXPECT_EQ(s.GDscl, fresh.GDscl);  // 0.87 ms either way: full scale 1 ms
    EXPECT_EQ(s.GDscl, 1.0F);
}

TEST(GroupDelayCurve, FirstOrderBranchesFollowThePoleDelayOnePercentLow)
{
    // The curve steps 0.001 decade and multiplies by 10 with a constant that
    // fits a 0.01-decade step, so it reads 10·(10^0.001 − 1)/(10^0.01 − 1) =
    // 0.98965 of the true delay: 0.2423 ms at 20 Hz. Each point is the phase
    // difference over [f, f·10^0.001], so it stands for the delay at the
    // interval's geometric middle.
    const double stepRatio = 10 * (std::pow(10.0, 0.001) - 1) / (std::pow(10.0, 0.01) - 1);
    // The phase is held in single precision folded near 180 degrees, where
    // the spacing of floats is 2^-16 degrees: two such steps in a difference
    // taken over dw = w·0.0023 limit what the curve can resolve.
    const auto resolutionMs = [](double hz) {
        return 2 * std::ldexp(1.0, -16) / (2 * 3.141592653589793 * hz) * 23.85 * 5 * 2 * 3.141592653589793 * 10;
    };
    const Design d = synthesized();
    GroupDelayState s;
    gdOpt(d, s);
    const auto curves = gdPlot(d, s);
    for (int branch : {0, 1}) {
        const Curve& c = curves[static_cast<std::size_t>(branch)];
        EXPECT_NEAR(c.points.back().value, 0.2423, resolutionMs(20)) << c.branch;
        for (const auto& p : c.points) {
            if (!p.drawn) continue;
            const double hz = std::pow(10.0, p.k + 0.0005);
            ASSERT_NEAR(p.value, firstOrderDelayMs(hz) * stepRatio, 1e-6 + resolutionMs(hz)) << c.branch << " " << hz;
            // 140 points per GDscl above the zero line at y = 190.
            ASSERT_NEAR(p.y, 190 - p.value / 0.25 * 140, 1e-3);
        }
    }
    // Lo + Hi is exactly 1 here: no delay.
    for (const auto& p : curves[2].points) {
        if (!p.drawn) continue;
        ASSERT_NEAR(p.value, 0, 1e-4);
    }
}

}  // namespace
}  // namespace larkspan
