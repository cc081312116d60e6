// Responses of the fourth-order 3-way network checked against the ladders
// the synthesis describes, solved by nodal analysis: every branch of every
// alignment, amplitude, impedance, phase, group delay, Nyquist point and the
// step-response polynomials, and the stated shape of each branch.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>

#include "design/design.h"
#include "support/nodal.h"
#include "synthesis/cofcal.h"
#include "synthesis/fth3way.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

constexpr double kDeg = 180.0 / 3.141592653589793;

struct Case {
    const char* name;
    const char* key;
    float FXL, FXH, RE, RM, RH;
};

Design designOf(const Case& c)
{
    Design d;
    d.channel = 3;
    d.order = 4;
    d.s_Type = c.key;
    d.FXL = c.FXL;
    d.FXH = c.FXH;
    d.RE = c.RE;
    d.RM = c.RM;
    d.RH = c.RH;
    cofCal(d);
    return d;
}

// The three branches as described: output node 3 for Lo and Hi, 6 (across
// RM, below RAN) for Mid.
struct Network {
    Ladder lo, mid, hi;

    explicit Network(const Design& d)
        : lo(Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).C(3, 0, d.C2).R(3, 0, d.RE)),
          mid(Ladder()
                  .C(1, 2, d.C3)
                  .L(2, 0, d.L3)
                  .C(2, 3, d.C4)
                  .L(3, 0, d.L4)
                  .L(3, 4, d.L5)
                  .C(4, 0, d.C5)
                  .L(4, 5, d.L6)
                  .C(5, 0, d.C6)
                  .R(5, 6, d.RAN)
                  .R(6, 0, d.RM)),
          hi(Ladder().C(1, 2, d.C7).L(2, 0, d.L7).C(2, 3, d.C8).L(3, 0, d.L8).R(3, 0, d.RH))
    {
    }

    // Transfer of branch ii (4 = the sum of all three).
    cplx transfer(int ii, double w) const
    {
        switch (ii) {
            case 1:
                return lo.transfer(w, 3);
            case 2:
                return mid.transfer(w, 6);
            case 3:
                return hi.transfer(w, 3);
            default:
                return lo.transfer(w, 3) + mid.transfer(w, 6) + hi.transfer(w, 3);
        }
    }

    cplx impedance(int ii, double w) const
    {
        switch (ii) {
            case 1:
                return lo.inputImpedance(w);
            case 2:
                return mid.inputImpedance(w);
            case 3:
                return hi.inputImpedance(w);
            default:
                return 1.0 / (1.0 / lo.inputImpedance(w) + 1.0 / mid.inputImpedance(w) + 1.0 / hi.inputImpedance(w));
        }
    }

    // Group delay in ms by a small central difference of the phase.
    double groupDelayMs(int ii, double w) const
    {
        const double h = 1e-5;
        const double dphi = std::arg(transfer(ii, w * (1 + h)) / transfer(ii, w * (1 - h)));
        return -dphi / (2 * h * w) * 1000;
    }
};

double evaluate(const Design& d, EvalKind kind, int ii, double w)
{
    EvalState e;
    e.f = static_cast<float>(w);
    evaluatorFor(d, kind, ii)(d, e);
    return e.yy;
}

// A descending sweep in steps of 0.01 decade with k kept in float, as the
// phase, group-delay and Nyquist plots run it, on one fresh state.
void descendingSweep(float kFrom, float kTo, const std::function<void(double w, float k)>& point)
{
    for (float k = kFrom; k >= kTo; k = static_cast<float>(k - 0.01)) point(PI2 * std::pow(10.0, k), k);
}

const Case kCases[] = {
    {"Butter_300_3000", "Butter", 300, 3000, 8, 8, 8},
    {"ButAsy_300_3000", "ButAsy", 300, 3000, 8, 8, 8},
    {"Linkwi_300_3000", "Linkwi", 300, 3000, 8, 8, 8},
    {"Bessel_300_3000", "Bessel", 300, 3000, 8, 8, 8},
    {"Chebyc_300_3000", "Chebyc", 300, 3000, 8, 8, 8},
    // A narrow band (R2 = 2.236) with unequal drivers.
    {"Butter_400_2000", "Butter", 400, 2000, 4, 6, 8},
    {"ButAsy_400_2000", "ButAsy", 400, 2000, 4, 6, 8},
    {"Linkwi_400_2000", "Linkwi", 400, 2000, 4, 6, 8},
    {"Bessel_400_2000", "Bessel", 400, 2000, 4, 6, 8},
    {"Chebyc_400_2000", "Chebyc", 400, 2000, 4, 6, 8},
    // A wide band (R2 = 5, the end of the table).
    {"Butter_100_2500", "Butter", 100, 2500, 6, 4, 5},
    {"Linkwi_100_2500", "Linkwi", 100, 2500, 6, 4, 5},
    {"Bessel_100_2500", "Bessel", 100, 2500, 6, 4, 5},
    {"Chebyc_100_2500", "Chebyc", 100, 2500, 6, 4, 5},
};

class FourthOrder3WayLadderCheck : public testing::TestWithParam<Case> {};

TEST_P(FourthOrder3WayLadderCheck, AmplitudeAndImpedanceOfEveryBranchAndTheTotal)
{
    const Design d = designOf(GetParam());
    const Network net(d);
    for (const double hz : {20.0, 80.0, 250.0, 700.0, 1500.0, 4000.0, 9000.0, 19000.0}) {
        const double w = static_cast<float>(PI2 * hz);
        for (int ii = 1; ii <= 4; ++ii) {
            EXPECT_NEAR(evaluate(d, EvalKind::Fr, ii, w), test::attenuationDb(net.transfer(ii, w)), 2e-3)
                << "branch " << ii << " at " << hz << " Hz";
            EXPECT_NEAR(evaluate(d, EvalKind::Imp, ii, w), std::log10(std::abs(net.impedance(ii, w))), 2e-5)
                << "branch " << ii << " at " << hz << " Hz";
        }
    }
}

// The phase evaluators fold into 0..180 and unwrap along the sweep; with
// their offsets every branch and the total land on arg H + 180 degrees (the
// graph's 0° line is an evaluator value of 180), brought into 0..360.
TEST_P(FourthOrder3WayLadderCheck, PhaseIsTheNetworksPhasePlus180AlongTheSweep)
{
    const Design d = designOf(GetParam());
    const Network net(d);
    for (int ii = 1; ii <= 4; ++ii) {
        EvalState e;
        descendingSweep(
            static_cast<float>(std::log10(20000.0)), static_cast<float>(std::log10(20.0)), [&](double, float k) {
                e.f = static_cast<float>(PI2 * std::pow(10.0, k));
                evaluatorFor(d, EvalKind::Ph, ii)(d, e);
                ASSERT_GE(e.yy, 0.0F);
                ASSERT_LE(e.yy, 360.0F);
                const double arg = std::arg(net.transfer(ii, e.f)) * kDeg;
                ASSERT_NEAR(std::remainder(e.yy - arg - 180, 360.0), 0.0, 0.01) << "branch " << ii << " at k = " << k;
            });
    }
}

// Each group-delay step takes the phase walked over the last 0.01 decade
// divided by the frequency: within 0.01 % that is the mean delay over the
// step, the network's phase difference over the angular-frequency difference.
TEST_P(FourthOrder3WayLadderCheck, GroupDelayIsTheMeanDelayOfEachStep)
{
    const Design d = designOf(GetParam());
    const Network net(d);
    for (int ii = 1; ii <= 4; ++ii) {
        EvalState e;
        double previousW = 0;
        descendingSweep(5.0F, static_cast<float>(std::log10(20.0)), [&](double, float k) {
            e.f = static_cast<float>(PI2 * std::pow(10.0, k));
            evaluatorFor(d, EvalKind::Gd, ii)(d, e);
            const double w = e.f;
            if (previousW > 0 && k <= std::log10(20000.0)) {
                const double walked = std::arg(net.transfer(ii, w) / net.transfer(ii, previousW));
                const double meanDelayMs = 1000 * walked / (previousW - w);
                ASSERT_NEAR(e.yy0, meanDelayMs, 2e-3 * std::fabs(meanDelayMs) + 1e-4)
                    << "branch " << ii << " at k = " << k;
            }
            previousW = w;
        });
    }
}

// The Nyquist evaluators place H itself: the fold and the unwrap by π keep the
// angle continuous from 100 kHz, where every branch's angle starts near 0.
TEST_P(FourthOrder3WayLadderCheck, NyquistPointIsTheTransferFunction)
{
    const Design d = designOf(GetParam());
    const Network net(d);
    for (int ii = 1; ii <= 4; ++ii) {
        EvalState e;
        descendingSweep(5.0F, 0.0F, [&](double, float k) {
            e.f = static_cast<float>(PI2 * std::pow(10.0, k));
            evaluatorFor(d, EvalKind::Nq, ii)(d, e);
            const cplx h = net.transfer(ii, e.f);
            ASSERT_NEAR(e.xx, h.real(), 1e-4 + 1e-4 * std::abs(h)) << "branch " << ii << " at k = " << k;
            ASSERT_NEAR(e.yy, h.imag(), 1e-4 + 1e-4 * std::abs(h)) << "branch " << ii << " at k = " << k;
        });
    }
}

// NUT/DET hold H(s)/s with s scaled by 10^4: at p = j·w·10^-4 the ratio times
// p is the network's transfer function at w.
TEST_P(FourthOrder3WayLadderCheck, StepPolynomialsReproduceTheTransferFunction)
{
    const Design d = designOf(GetParam());
    const Network net(d);
    const auto poly = [](const std::array<double, 24>& c, int degree, cplx p) {
        cplx sum = 0;
        for (int i = 1; i <= degree + 1; ++i) sum = sum * p + c[static_cast<std::size_t>(i)];
        return sum;
    };
    const NetworkUnit& unit = fth3WayUnit();
    for (int ii = 1; ii <= 3; ++ii) {
        EvalState e;
        unit.step[static_cast<std::size_t>(ii - 1)](d, e);
        for (const double hz : {50.0, 500.0, 1000.0, 3000.0, 12000.0}) {
            const double w = PI2 * hz;
            const cplx p(0, w * 1e-4);
            const cplx h = poly(e.NUT, e.NUO, p) / poly(e.DET, e.DEO, p) * p;
            const cplx expected = net.transfer(ii, w);
            EXPECT_NEAR(std::abs(h - expected), 0.0, 1e-5 + 1e-5 * std::abs(expected))
                << "branch " << ii << " at " << hz << " Hz";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, FourthOrder3WayLadderCheck, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// For the four expanded alignments the mid branch is
// (k0·RM/R0)·z⁴ / (p(z)·q(z)), z = s/w0, with the high-pass part
// p = z⁴ + AA1·R1·z³ + BB1·R1²·z² + CC1·R1³·z + R1⁴ and the low-pass part
// q = z⁴ + CC1·R2·z³ + BB1·R2²·z² + AA1·R2³·z + R2⁴.
TEST(FourthOrder3WayResponse, MidIsTheProductOfTheTwoPrototypes)
{
    for (const char* key : {"Butter", "ButAsy", "Linkwi", "Bessel"}) {
        for (const float fxh : {1500.0F, 3000.0F, 9000.0F}) {
            const Design d = designOf({key, key, 300, fxh, 8, 8, 8});
            const Network net(d);
            const double R1 = d.R1, R2 = d.R2, AA1 = d.AA1, BB1 = d.BB1, CC1 = d.CC1;
            for (const double hz : {100.0, 400.0, 900.0, 2000.0, 6000.0}) {
                const cplx z(0, hz / d.F0);
                const cplx p = z * z * z * z + AA1 * R1 * z * z * z + BB1 * R1 * R1 * z * z + CC1 * R1 * R1 * R1 * z +
                               R1 * R1 * R1 * R1;
                const cplx q = z * z * z * z + CC1 * R2 * z * z * z + BB1 * R2 * R2 * z * z + AA1 * R2 * R2 * R2 * z +
                               R2 * R2 * R2 * R2;
                const cplx expected = static_cast<double>(d.k0) * d.RM / d.R0 * z * z * z * z / (p * q);
                const cplx got = net.transfer(2, PI2 * hz);
                EXPECT_NEAR(std::abs(got / expected - 1.0), 0.0, 2e-4) << key << " FXH " << fxh << " at " << hz;
            }
        }
    }
}

// The Chebychev mid is designed as a band-pass transform (series L3 + C3,
// L5 parallel C5, series L4 + C4, L6 parallel C6) and converted into this
// network's ladder. The conversion keeps the denominator, so the two have the
// same phase at every frequency and their magnitudes differ by the constant
// ratio of the numerators, L3·L4·C3·C4 of the ladder over C3·C4·L5·L6 of the
// first form (a gain step the level factor KK1 is fitted to).
TEST(FourthOrder3WayResponse, ChebychevConversionKeepsTheFirstFormsDenominator)
{
    for (const float fxh : {900.0F, 3000.0F, 7500.0F}) {
        const Design d = designOf({"Chebyc", "Chebyc", 300, fxh, 8, 8, 8});
        // The first form, in double from the prototype constants.
        const double R0 = static_cast<double>(d.RM) + d.RAN, wH = PI2 * d.FXH, v = std::pow(PI2 * d.F0, 2.0);
        const double L3 = 1.28173 * R0 / wH * d.P1, L4 = 1.41256 * R0 / wH * d.P1;
        const double C5 = 1.90934 / (wH * R0) * d.P1, C6 = 1.04952 / (wH * R0) * d.P1;
        const double C3 = 1 / (v * L3), C4 = 1 / (v * L4), L5 = 1 / (v * C5), L6 = 1 / (v * C6);
        const Ladder firstForm = Ladder()
                                     .L(1, 2, L3)
                                     .C(2, 3, C3)
                                     .L(3, 0, L5)
                                     .C(3, 0, C5)
                                     .L(3, 4, L4)
                                     .C(4, 5, C4)
                                     .L(5, 0, L6)
                                     .C(5, 0, C6)
                                     .R(5, 6, d.RAN)
                                     .R(6, 0, d.RM);
        const double gainRatio = (static_cast<double>(d.L3) * d.L4 * d.C3 * d.C4) / (C3 * C4 * L5 * L6);
        const Network net(d);
        for (const double hz : {60.0, 300.0, 520.0, 1000.0, 2500.0, 8000.0}) {
            const cplx ratio = net.transfer(2, PI2 * hz) / firstForm.transfer(PI2 * hz, 6);
            EXPECT_NEAR(std::abs(ratio), gainRatio, 1e-4 * gainRatio) << fxh << " at " << hz;
            EXPECT_NEAR(std::arg(ratio) * kDeg, 0.0, 0.01) << fxh << " at " << hz;
        }
        // The documented consequence at the published design: about +3 dB.
        if (fxh == 3000.0F) {
            EXPECT_NEAR(20 * std::log10(gainRatio), 3.0, 0.05);
        }
    }
}

// Low and high branches against their prototypes, by hand: Butterworth is
// −3.01 dB at its corner, each Linkwitz-Riley section −6.02 dB; "ButAsy" puts
// the corners at 0.88·FXL and FXH/0.88; "Bessel" is the unit-delay Bessel
// polynomial in x = 2.9·s/wL (and its mirror at FXH), whose magnitude at
// x = j is |0.580952 + j·0.904762| = 1.075221, an attenuation of 0.62995 dB.
TEST(FourthOrder3WayResponse, LowAndHighBranchesFollowTheirPrototypes)
{
    const struct {
        const char* key;
        double loHz, hiHz;  // where the branches are checked, as multiples of FXL, FXH
        double attenuation;
    } rows[] = {
        {"Butter", 1.0, 1.0, 3.0103},
        {"Linkwi", 1.0, 1.0, 6.0206},
        {"ButAsy", 0.88, 1 / 0.88, 3.0103},
        {"Bessel", 1 / 2.9, 2.9, 0.62995},
    };
    for (const auto& r : rows) {
        const Design d = designOf({r.key, r.key, 300, 3000, 8, 8, 8});
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 1, PI2 * 300 * r.loHz), r.attenuation, 2e-4) << r.key;
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 3, PI2 * 3000 * r.hiHz), r.attenuation, 2e-4) << r.key;
    }
}

TEST(FourthOrder3WayResponse, BranchLimitsAtLowFrequency)
{
    for (const char* key : {"Butter", "ButAsy", "Linkwi", "Bessel", "Chebyc"}) {
        const Design d = designOf({key, key, 300, 3000, 8, 8, 8});
        // The woofer branch passes D.C. unattenuated and looks like RE.
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 1, PI2 * 0.5), 0.0, 1e-4) << key;
        EXPECT_NEAR(evaluate(d, EvalKind::Imp, 1, PI2 * 0.5), std::log10(8.0), 1e-4) << key;
        // Mid and Hi impedances have no constant term in their denominators:
        // they rise without bound, a decade of frequency per decade of ohms.
        for (int ii : {2, 3}) {
            const double z1 = evaluate(d, EvalKind::Imp, ii, PI2 * 1.0);
            const double z01 = evaluate(d, EvalKind::Imp, ii, PI2 * 0.1);
            EXPECT_NEAR(z01 - z1, 1.0, 1e-3) << key << " branch " << ii;
            EXPECT_GT(z1, 3) << key << " branch " << ii;
        }
    }
}

TEST(FourthOrder3WayResponse, MidStepNumeratorIsTheS4TermAndFourZeros)
{
    const Design d = designOf({"Linkwi", "Linkwi", 300, 3000, 8, 8, 8});
    EvalState e;
    Fth3WayMidStepSubstitution(d, e);
    EXPECT_EQ(e.NUO, 4);
    EXPECT_DOUBLE_EQ(e.NUT[1], static_cast<double>(d.A30) * 1e16);
    for (std::size_t i = 2; i <= 5; ++i) EXPECT_EQ(e.NUT[i], 0.0);
    EXPECT_EQ(e.DEO, 9);
    EXPECT_EQ(e.DET[10], 0.0);  // the step's own s
    EXPECT_DOUBLE_EQ(e.DET[9], d.R0);
}

}  // namespace
}  // namespace larkspan
