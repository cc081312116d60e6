#include "response/nyquist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "design/menu_rules.h"
#include "response/group_delay.h"
#include "synthesis/cofcal.h"
#include "support/nodal.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

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
    const auto curves = nqPlot(d);  // runs the synthesis
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

TEST(NyquistCurve, FirstOrderStartsAtTheOriginAndAtOne)
{
    Design d;
    const auto curves = nqPlot(d);
    // |H| at 100 kHz: 650/100000 for the low branch, 1/sqrt(1 + 0.0065²) for
    // the high branch; Lo + Hi = 1 for the total.
    EXPECT_NEAR(curves[0].points.front().re, 0, 0.007);
    EXPECT_NEAR(curves[0].points.front().im, 0, 0.007);
    EXPECT_NEAR(curves[1].points.front().re, 1, 0.001);
    EXPECT_NEAR(curves[1].points.front().im, 0, 0.007);
    for (const auto& p : curves[2].points) EXPECT_NEAR(std::hypot(p.re, p.im), 1, 1e-5);
}

// Every network and alignment: a low-pass branch runs from the origin at
// 100 kHz to the unit circle at 1 Hz, a high-pass branch the other way, and
// the 3-way mid branch starts and ends near the origin.
struct NetworkRow {
    int ways;
    int order;
    std::string align;
};

class NyquistEveryNetwork : public testing::TestWithParam<NetworkRow> {};

TEST_P(NyquistEveryNetwork, BranchesStartAndEndWhereTheirFiltersPass)
{
    Design d;
    chooseChannel(d, GetParam().ways == 3 ? 2 : 1);
    chooseOrder(d, GetParam().order);
    if (const auto item = filterItemForKey(GetParam().order, GetParam().align)) chooseFilter(d, *item);
    if (!evaluatorFor(d, EvalKind::Nq, 1)) GTEST_SKIP() << "no Nyquist evaluators for this network yet";
    const auto curves = nqPlot(d);
    ASSERT_EQ(curves.size(), static_cast<std::size_t>(GetParam().ways + 1));
    const auto magnitude = [](const CurvePoint& p) { return std::hypot(p.re, p.im); };
    const Curve& lo = curves.front();
    const Curve& hi = curves[curves.size() - 2];
    // The weakest slope, first order at 2 kHz (3-way Hi): |H| = 1/2000 at 1 Hz.
    EXPECT_LT(magnitude(lo.points.front()), 0.01);
    EXPECT_NEAR(magnitude(lo.points.back()), 1, 0.01);
    EXPECT_NEAR(magnitude(hi.points.front()), 1, 0.01);
    EXPECT_LT(magnitude(hi.points.back()), 0.01);
    if (GetParam().ways == 3) {
        EXPECT_LT(magnitude(curves[1].points.front()), 0.02);
        EXPECT_LT(magnitude(curves[1].points.back()), 0.01);
    }
    for (const Curve& c : curves) EXPECT_EQ(c.points.size(), 500U);
}

std::vector<NetworkRow> everyNetwork()
{
    std::vector<NetworkRow> rows;
    for (int ways : {2, 3})
        for (int order = 1; order <= 4; ++order)
            for (const auto& key : filterKeysForOrder(order)) rows.push_back({ways, order, key});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Networks, NyquistEveryNetwork, testing::ValuesIn(everyNetwork()), [](const auto& info) {
    return std::to_string(info.param.ways) + "way_order" + std::to_string(info.param.order) + "_" + info.param.align;
});

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
