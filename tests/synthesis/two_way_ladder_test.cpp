// Every evaluator of the 2-way networks of orders 2 to 4, for every alignment,
// against the network it describes, solved by nodal analysis from the SI
// component values (see two_way_ladders.h). Unequal driver resistances, so
// that a coefficient that uses the wrong one shows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "response/sweeps.h"
#include "synthesis/cofcal.h"
#include "synthesis/two_way_ladders.h"

namespace larkspan {
namespace {

using test::angleGap;
using test::cplx;
using test::degreesArg;
using test::TwoWayNetwork;

struct NetworkRow {
    const char* name;
    int order;
    const char* type;

    friend void PrintTo(const NetworkRow& r, std::ostream* os) { *os << r.name; }
};

// 1 Hz shows the ends of the band: the low-pass passes D.C. and the
// high-pass impedance, with no constant term in its denominator, grows
// without bound.
const std::vector<double> kHertz = {1, 20, 95, 430, 1250, 1800, 2600, 4100, 11000, 19500};

// Frequencies as the sweeps form them: f rounded to float first.
double omegaAt(double hz)
{
    return static_cast<float>(PI2 * hz);
}

class TwoWayLadder : public testing::TestWithParam<NetworkRow> {
protected:
    void SetUp() override
    {
        d = test::twoWayDesign(GetParam().order, GetParam().type, 1800, 6.5F, 4);
        net = test::networkOf(d);
    }

    EvalState run(EvalKind kind, int ii, double w) const { return test::evaluateAt(d, kind, ii, w); }

    // Constant the To phase evaluator adds on top of the total's phase
    // (taken modulo 180).
    double totalPhaseOffset() const { return d.order == 2 ? 90 : (d.order == 3 && d.pole == -1) ? 90 : 0; }

    Design d;
    TwoWayNetwork net;
};

TEST_P(TwoWayLadder, BranchAmplitudeAndImpedanceMatchTheNetwork)
{
    for (const double hz : kHertz) {
        const double w = omegaAt(hz);
        EXPECT_NEAR(run(EvalKind::Fr, 1, w).yy, test::attenuationDb(net.lo.transfer(w)), 2e-3) << hz;
        EXPECT_NEAR(run(EvalKind::Fr, 2, w).yy, test::attenuationDb(net.hi.transfer(w)), 2e-3) << hz;
        EXPECT_NEAR(run(EvalKind::Imp, 1, w).yy, std::log10(std::abs(net.lo.impedance(w))), 1e-5) << hz;
        EXPECT_NEAR(run(EvalKind::Imp, 2, w).yy, std::log10(std::abs(net.hi.impedance(w))), 1e-5) << hz;
    }
}

TEST_P(TwoWayLadder, TotalIsTheSumWithTheOrdersPolarityAndTheImpedancesInParallel)
{
    for (const double hz : kHertz) {
        const double w = omegaAt(hz);
        EXPECT_NEAR(run(EvalKind::Fr, 3, w).yy, test::attenuationDb(net.total(w)), 2e-3) << hz;
        EXPECT_NEAR(run(EvalKind::Imp, 3, w).yy, std::log10(std::abs(net.totalImpedance(w))), 1e-5) << hz;
    }
}

// Along the phase sweep (20 kHz downward) each branch shows its phase plus
// 180 degrees, modulo 360; the total its phase plus the order's offset,
// modulo 180 (its fold).
TEST_P(TwoWayLadder, PhaseSweepShowsTheNetworksPhase)
{
    const Curve lo = phPlot2(d, 1);
    const Curve hi = phPlot2(d, 2);
    const Curve to = phPlot2(d, 3);
    ASSERT_EQ(lo.points.size(), 300U);
    for (std::size_t i = 0; i < lo.points.size(); ++i) {
        const double w = static_cast<float>(std::pow(10.0, static_cast<double>(lo.points[i].k)) * PI2);
        EXPECT_NEAR(angleGap(lo.points[i].value, degreesArg(net.lo.transfer(w)) + 180, 360), 0, 0.01) << i;
        EXPECT_NEAR(angleGap(hi.points[i].value, degreesArg(net.hi.transfer(w)) + 180, 360), 0, 0.01) << i;
        EXPECT_NEAR(angleGap(to.points[i].value, degreesArg(net.total(w)) + totalPhaseOffset(), 180), 0, 0.01) << i;
    }
}

// The group-delay step leaves in yy0 the phase change since the previous
// point over the angular frequency, times 23.85·5·2π (degrees): compare it
// with the change of the network's phase between the same two frequencies.
TEST_P(TwoWayLadder, GroupDelayStepFollowsTheNetworksPhase)
{
    const double scale = 23.85 * 5.0 * PI2;
    const test::Branch* branches[] = {&net.lo, &net.hi};
    for (int ii = 1; ii <= 3; ++ii) {
        EvalState e;
        double previous = 0;
        for (int i = 0; i < 300; ++i) {
            const double w = static_cast<float>(std::pow(10.0, 1.30103 + 0.01 * i) * PI2);
            e.f = static_cast<float>(w);
            evaluatorFor(d, EvalKind::Gd, ii)(d, e);
            const double phase = degreesArg(ii == 3 ? net.total(w) : branches[ii - 1]->transfer(w));
            if (i > 0) {
                const double expected = angleGap(phase, previous, 360) / w * scale;
                const double tolerance = 1e-3 * std::abs(expected) + 3e-4 * scale / w;
                EXPECT_NEAR(-e.MM, expected, tolerance) << ii << " " << i;
                // yy0 telescopes to −MM; its float sum carries rounding from
                // every earlier point.
                EXPECT_NEAR(e.yy0, expected, tolerance + 5e-5) << ii << " " << i;
            }
            previous = phase;
        }
    }
}

// The Nyquist point of a branch is ±H(jω), with one sign along the whole
// sweep after its first point. The total's point is the total turned by a
// quarter turn when the order's phase offset is 90 degrees.
TEST_P(TwoWayLadder, NyquistPointIsTheNetworksResponse)
{
    for (int ii = 1; ii <= 3; ++ii) {
        EvalState e;
        int sign = 0;
        for (int i = 0; i < 300; ++i) {
            const double w = static_cast<float>(std::pow(10.0, 1.30103 + 0.01 * i) * PI2);
            e.f = static_cast<float>(w);
            evaluatorFor(d, EvalKind::Nq, ii)(d, e);
            cplx expected = ii == 1 ? net.lo.transfer(w) : ii == 2 ? net.hi.transfer(w) : net.total(w);
            if (ii == 3 && totalPhaseOffset() == 90) expected *= cplx(0, 1);
            const cplx point(e.xx, e.yy);
            const double tolerance = 1e-4 * std::abs(expected);
            int here = 0;
            if (std::abs(point - expected) < tolerance) here = 1;
            if (std::abs(point + expected) < tolerance) here = -1;
            ASSERT_NE(here, 0) << ii << " " << i << " " << point << " " << expected;
            if (i == 1) sign = here;
            if (i > 1) {
                EXPECT_EQ(here, sign) << ii << " " << i;
            }
        }
    }
}

// The step substitution's lists, read as polynomials in s' = s/10^4, give
// H(s) = s'·NUT(s')/DET(s').
TEST_P(TwoWayLadder, StepSubstitutionIsTheBranchTransferOverS)
{
    const test::Branch* branches[] = {&net.lo, &net.hi};
    for (int ii = 1; ii <= 2; ++ii) {
        EvalState e;
        unitFor(2, d.order)->step[static_cast<std::size_t>(ii - 1)](d, e);
        EXPECT_EQ(e.DEO, d.order + 1);
        EXPECT_EQ(e.NUO, ii == 1 ? 0 : d.order);
        EXPECT_EQ(e.DET[static_cast<std::size_t>(e.DEO + 1)], 0.0);  // the step's factor s
        for (int i = 2; i <= e.NUO + 1; ++i) EXPECT_EQ(e.NUT[static_cast<std::size_t>(i)], 0.0);
        for (const double hz : kHertz) {
            const double w = PI2 * hz;
            const cplx s(0, w / 1e4);
            cplx num = 0, den = 0;
            for (int i = 1; i <= e.NUO + 1; ++i) num = num * s + e.NUT[static_cast<std::size_t>(i)];
            for (int i = 1; i <= e.DEO + 1; ++i) den = den * s + e.DET[static_cast<std::size_t>(i)];
            const cplx h = s * num / den;
            const cplx expected = branches[ii - 1]->transfer(w);
            EXPECT_LT(std::abs(h - expected), 1e-5 * std::abs(expected)) << ii << " " << hz;
        }
    }
}

// Butterworth designs with R = 1 ohm and ω = 10^4 rad/s, so that the step's
// scaled s is s/ω and the denominators are the published normalised
// polynomials: s² + √2·s + 1, (s + 1)(s² + s + 1), and
// s⁴ + 2.6131s³ + 3.4142s² + 2.6131s + 1. The numerators are 1 and sⁿ.
TEST(TwoWayButterworth, StepSubstitutionsHoldTheNormalisedPolynomials)
{
    const std::vector<std::vector<double>> polynomials = {
        {1, 1.41421356, 1}, {1, 2, 2, 1}, {1, 2.61312593, 3.41421356, 2.61312593, 1}};
    for (int order = 2; order <= 4; ++order) {
        Design d;
        d.order = static_cast<std::int16_t>(order);
        d.s_Type = "Butter";
        d.FX = static_cast<float>(1e4 / PI2);
        d.RE = d.RH = 1;
        cofCal(d);
        const auto& polynomial = polynomials[static_cast<std::size_t>(order - 2)];
        for (int ii = 1; ii <= 2; ++ii) {
            EvalState e;
            unitFor(2, order)->step[static_cast<std::size_t>(ii - 1)](d, e);
            const int numeratorDegree = ii == 1 ? 0 : order;
            ASSERT_EQ(e.NUO, numeratorDegree) << order << " " << ii;
            EXPECT_NEAR(e.NUT[1], 1, 1e-5) << order << " " << ii;
            for (int i = 2; i <= numeratorDegree + 1; ++i) EXPECT_EQ(e.NUT[static_cast<std::size_t>(i)], 0.0);
            ASSERT_EQ(e.DEO, order + 1) << order << " " << ii;
            for (std::size_t i = 0; i < polynomial.size(); ++i)
                EXPECT_NEAR(e.DET[i + 1], polynomial[i], 1e-4) << order << " " << ii << " " << i;
            EXPECT_EQ(e.DET[polynomial.size() + 1], 0.0);
        }
    }
}

// Ends of the phase sweep (20 kHz down to 20 Hz): each branch shows arg H +
// 180 within 0..360, so near these limits at a hundredfold of FX (first
// point, FX = 200 Hz) and at a hundredth of FX (last point, FX = 2000 Hz):
// 2nd order Lo 0 → 180, Hi 180 → 360; 3rd order Lo 270 → 180 (arg −270° at
// the top), Hi 180 → 90 (arg +270°, wrapped); 4th order 180 at both ends.
TEST(TwoWayButterworth, PhaseSweepEnds)
{
    const struct {
        int order;
        double loTop, hiTop, loBottom, hiBottom;
    } rows[] = {{2, 0, 180, 180, 360}, {3, 270, 180, 180, 90}, {4, 180, 180, 180, 180}};
    for (const auto& r : rows) {
        Design top, bottom;
        for (Design* d : {&top, &bottom}) {
            d->order = static_cast<std::int16_t>(r.order);
            d->s_Type = "Butter";
            d->FX = d == &top ? 200 : 2000;
        }
        EXPECT_NEAR(phPlot2(top, 1).points.front().value, r.loTop, 2) << r.order;
        EXPECT_NEAR(phPlot2(top, 2).points.front().value, r.hiTop, 2) << r.order;
        EXPECT_NEAR(phPlot2(bottom, 1).points.back().value, r.loBottom, 2) << r.order;
        EXPECT_NEAR(phPlot2(bottom, 2).points.back().value, r.hiBottom, 2) << r.order;
        if (r.order == 2) continue;  // no 360 wrap at the second order
        for (Design* d : {&top, &bottom}) {
            for (int ii = 1; ii <= 3; ++ii) {
                for (const auto& p : phPlot2(*d, ii).points) {
                    EXPECT_GE(p.value, 0) << r.order;
                    EXPECT_LE(p.value, 360) << r.order;
                }
            }
        }
    }
    // The fold keeps arg H only modulo 180; a sweep that starts below √2·FX,
    // where the third-order denominators' phase has not passed 180°, shows
    // arg H itself: −135° + 360 at FX = 20 kHz.
    Design veryHigh;
    veryHigh.order = 3;
    veryHigh.FX = 20000;
    EXPECT_NEAR(phPlot2(veryHigh, 1).points.front().value, 225, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TwoWayLadder,
    testing::Values(NetworkRow{"second_Butter", 2, "Butter"}, NetworkRow{"second_ButAsy", 2, "ButAsy"},
                    NetworkRow{"second_Linkwi", 2, "Linkwi"}, NetworkRow{"second_Bessel", 2, "Bessel"},
                    NetworkRow{"second_Chebyc", 2, "Chebyc"}, NetworkRow{"third_Butter", 3, "Butter"},
                    NetworkRow{"third_Bessel", 3, "Bessel"}, NetworkRow{"third_Chebyc", 3, "Chebyc"},
                    NetworkRow{"fourth_Butter", 4, "Butter"}, NetworkRow{"fourth_ButAsy", 4, "ButAsy"},
                    NetworkRow{"fourth_Linkwi", 4, "Linkwi"}, NetworkRow{"fourth_Bessel", 4, "Bessel"},
                    NetworkRow{"fourth_Chebyc", 4, "Chebyc"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
