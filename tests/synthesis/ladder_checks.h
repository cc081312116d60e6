// The 2-way and 3-way networks as element ladders, built from the SI
// component values of a design, and checks of a unit's evaluators against
// them solved by nodal analysis: amplitude and impedance of every branch and
// of the total, the phase along a sweep, the group delay of each sweep step,
// the Nyquist point and the step-response polynomials. Nothing here uses a
// coefficient formula. Each branch is driven from node 1 and terminated in its
// driver's D.C. resistance (behind the level resistor RAN for a 3-way mid);
// `out` is the node across the driver.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/design.h"
#include "support/nodal.h"
#include "synthesis/cofcal.h"

namespace larkspan::test {

struct Branch {
    Ladder net;
    int out = 2;

    cplx transfer(double w) const { return net.transfer(w, out); }
    cplx impedance(double w) const { return net.inputImpedance(w); }
};

// Branch ii as the evaluators index it: 2-way Lo, Hi, To; 3-way Lo, Mid, Hi,
// To. The total is loSign·H_L (+ midSign·H_M) + hiSign·H_H, the impedances
// in parallel.
struct Network {
    int ways = 3;
    Branch lo, mid, hi;
    double loSign = 1, midSign = 1, hiSign = 1;

    int total() const { return ways + 1; }
    const Branch& branch(int ii) const { return ii == 1 ? lo : (ways == 3 && ii == 2) ? mid : hi; }
    cplx transfer(int ii, double w) const
    {
        if (ii != total()) return branch(ii).transfer(w);
        return loSign * lo.transfer(w) + (ways == 3 ? midSign * mid.transfer(w) : 0.0) + hiSign * hi.transfer(w);
    }
    cplx impedance(int ii, double w) const
    {
        if (ii != total()) return branch(ii).impedance(w);
        return 1.0 / (1.0 / lo.impedance(w) + (ways == 3 ? 1.0 / mid.impedance(w) : 0.0) + 1.0 / hi.impedance(w));
    }
};

// 2-way first order: L1 to the woofer, C1 to the tweeter.
inline Network firstOrder2WayNetwork(const Design& d)
{
    Network n;
    n.ways = 2;
    n.lo = {Ladder().L(1, 2, d.L1).R(2, 0, d.RE), 2};
    n.hi = {Ladder().C(1, 2, d.C1).R(2, 0, d.RH), 2};
    return n;
}

// 2-way second order: series L1 with C1 across the woofer; series C2 with L2
// across the tweeter, which is connected in inverted polarity.
inline Network secondOrder2WayNetwork(const Design& d)
{
    Network n;
    n.ways = 2;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).R(2, 0, d.RE), 2};
    n.hi = {Ladder().C(1, 2, d.C2).L(2, 0, d.L2).R(2, 0, d.RH), 2};
    n.hiSign = -1;
    return n;
}

// 2-way third order: T sections L1-C1-L2 and C2-L3-C3; the woofer's polarity
// is `pole`.
inline Network thirdOrder2WayNetwork(const Design& d)
{
    Network n;
    n.ways = 2;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).R(3, 0, d.RE), 3};
    n.hi = {Ladder().C(1, 2, d.C2).L(2, 0, d.L3).C(2, 3, d.C3).R(3, 0, d.RH), 3};
    n.loSign = d.pole;
    return n;
}

// 2-way fourth order: ladders L1-C1-L2-C2 and C3-L3-C4-L4, both drivers in
// phase.
inline Network fourthOrder2WayNetwork(const Design& d)
{
    Network n;
    n.ways = 2;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).C(3, 0, d.C2).R(3, 0, d.RE), 3};
    n.hi = {Ladder().C(1, 2, d.C3).L(2, 0, d.L3).C(2, 3, d.C4).L(3, 0, d.L4).R(3, 0, d.RH), 3};
    return n;
}

// 3-way first order: L1 to the woofer; L2, C1 and RAN in series into the mid; C2
// to the tweeter.
inline Network firstOrder3WayNetwork(const Design& d)
{
    Network n;
    n.lo = {Ladder().L(1, 2, d.L1).R(2, 0, d.RE), 2};
    n.mid = {Ladder().L(1, 2, d.L2).C(2, 3, d.C1).R(3, 4, d.RAN).R(4, 0, d.RM), 4};
    n.hi = {Ladder().C(1, 2, d.C2).R(2, 0, d.RH), 2};
    return n;
}

// 3-way second order: L1 then C1 across the woofer; C4 then L4 across the tweeter;
// C2 in series, L2 across, L3 in series, C3 across, then RAN into the mid
// driver. The mid enters the total inverted.
inline Network secondOrder3WayNetwork(const Design& d)
{
    Network n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).R(2, 0, d.RE), 2};
    n.mid = {Ladder().C(1, 2, d.C2).L(2, 0, d.L2).L(2, 3, d.L3).C(3, 0, d.C3).R(3, 4, d.RAN).R(4, 0, d.RM), 4};
    n.hi = {Ladder().C(1, 2, d.C4).L(2, 0, d.L4).R(2, 0, d.RH), 2};
    n.midSign = -1;
    return n;
}

// 3-way third order: L1, C1 across, L2 to the woofer; C5, L6 across, C6 to the
// tweeter; C2, L3 across, C3 and L4 in series, C4 across, L5, then RAN into
// the mid driver. The mid enters the total with the sign `pole`.
inline Network thirdOrder3WayNetwork(const Design& d)
{
    Network n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).R(3, 0, d.RE), 3};
    n.mid = {Ladder()
                 .C(1, 2, d.C2)
                 .L(2, 0, d.L3)
                 .C(2, 3, d.C3)
                 .L(3, 4, d.L4)
                 .C(4, 0, d.C4)
                 .L(4, 5, d.L5)
                 .R(5, 6, d.RAN)
                 .R(6, 0, d.RM),
             6};
    n.hi = {Ladder().C(1, 2, d.C5).L(2, 0, d.L6).C(2, 3, d.C6).R(3, 0, d.RH), 3};
    n.midSign = d.pole;
    return n;
}

// 3-way fourth order: L1-C1-L2-C2 to the woofer; C3, L3 across, C4, L4 across, L5,
// C5 across, L6, C6 across, then RAN into the mid driver; C7-L7-C8-L8 to the
// tweeter. All in phase.
inline Network fourthOrder3WayNetwork(const Design& d)
{
    Network n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).C(3, 0, d.C2).R(3, 0, d.RE), 3};
    n.mid = {Ladder()
                 .C(1, 2, d.C3)
                 .L(2, 0, d.L3)
                 .C(2, 3, d.C4)
                 .L(3, 0, d.L4)
                 .L(3, 4, d.L5)
                 .C(4, 0, d.C5)
                 .L(4, 5, d.L6)
                 .C(5, 0, d.C6)
                 .R(5, 6, d.RAN)
                 .R(6, 0, d.RM),
             6};
    n.hi = {Ladder().C(1, 2, d.C7).L(2, 0, d.L7).C(2, 3, d.C8).L(3, 0, d.L8).R(3, 0, d.RH), 3};
    return n;
}

inline Network networkOf(const Design& d)
{
    if (d.channel == 2) {
        if (d.order == 1) return firstOrder2WayNetwork(d);
        return d.order == 2   ? secondOrder2WayNetwork(d)
               : d.order == 3 ? thirdOrder2WayNetwork(d)
                              : fourthOrder2WayNetwork(d);
    }
    switch (d.order) {
        case 1:
            return firstOrder3WayNetwork(d);
        case 2:
            return secondOrder3WayNetwork(d);
        case 3:
            return thirdOrder3WayNetwork(d);
        default:
            return fourthOrder3WayNetwork(d);
    }
}

inline Design twoWayDesign(int order, const char* type, float FX, float RE = 8, float RH = 8)
{
    Design d;
    d.order = static_cast<std::int16_t>(order);
    d.s_Type = type;
    d.FX = FX;
    d.RE = RE;
    d.RH = RH;
    cofCal(d);
    return d;
}

inline Design threeWayDesign(int order, const std::string& key, float FXL, float FXH, float RE = 8, float RM = 8,
                             float RH = 8)
{
    Design d;
    d.channel = 3;
    d.order = static_cast<std::int16_t>(order);
    d.s_Type = key;
    d.FXL = FXL;
    d.FXH = FXH;
    d.RE = RE;
    d.RM = RM;
    d.RH = RH;
    cofCal(d);
    return d;
}

// A printed value and one unit of its last digit.
inline std::pair<double, double> printedValue(const std::string& text)
{
    const auto point = text.find('.');
    const auto decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return {std::stod(text), std::pow(10.0, -static_cast<double>(decimals))};
}

// One evaluator call with fresh sweep state at angular frequency w.
inline float evaluate(const Design& d, EvalKind kind, int ii, double w)
{
    EvalState e;
    e.f = static_cast<float>(w);
    evaluatorFor(d, kind, ii)(d, e);
    return e.yy;
}

// The frequency, relative to FX, where branch ii (1 Lo, 2 Hi) is 3.01 dB
// down, by bisection on its amplitude evaluator.
inline double halfPowerRatio(const Design& d, int ii)
{
    double lo = 0.1, hi = 10;
    for (int i = 0; i < 80; ++i) {
        const double mid = std::sqrt(lo * hi);
        const bool below = evaluate(d, EvalKind::Fr, ii, PI2 * d.FX * mid) > 10 * std::log10(2.0);
        // The low-pass falls with frequency, the high-pass rises.
        if ((ii == 1) == below)
            hi = mid;
        else
            lo = mid;
    }
    return std::sqrt(lo * hi);
}

// The display value a network lists under `name`, or NaN when it has none.
inline double componentValue(const Design& d, const char* name)
{
    for (const auto& c : unitFor(d.channel, d.order)->components)
        if (std::string(c.name) == name) return d.*c.value;
    return std::nan("");
}

inline constexpr double kDegPerRad = 180.0 / 3.141592653589793;

// x reduced into (−period/2, period/2].
inline double wrapped(double x, double period)
{
    return x - period * std::ceil(x / period - 0.5);
}

// The sweep's angular frequencies: 20 Hz upward in steps of 0.01 decade.
inline std::vector<double> sweepFrequencies()
{
    std::vector<double> w;
    for (int i = 0; i < 300; ++i) w.push_back(PI2 * std::pow(10.0, std::log10(20.0) + 0.01 * i));
    return w;
}

// Amplitude (dB) and impedance (log10 ohm) of every branch and the total.
inline void expectMagnitudesMatch(const Design& d, const Network& n, const std::vector<double>& hz,
                                  double dbTolerance = 2e-3)
{
    for (const double f : hz) {
        const double w = PI2 * f;
        for (int ii = 1; ii <= n.total(); ++ii) {
            EXPECT_NEAR(evaluate(d, EvalKind::Fr, ii, w), attenuationDb(n.transfer(ii, w)), dbTolerance)
                << evaluatorLabel(d, EvalKind::Fr, ii) << " at " << f << " Hz";
            EXPECT_NEAR(evaluate(d, EvalKind::Imp, ii, w), std::log10(std::abs(n.impedance(ii, w))), 2e-5)
                << evaluatorLabel(d, EvalKind::Imp, ii) << " at " << f << " Hz";
        }
    }
}

// Runs the phase evaluator down the sweep from 20 kHz, as the phase sweep
// does, and checks that its value differs from the true phase of the branch
// by `offset` modulo `period` degrees at every point: with 360 the unwrap
// follows every turn of the true phase. With `bounded` the value must also
// stay within the graph's 0..360.
inline void expectPhaseTracks(const Design& d, const Network& n, int ii, double offset, bool bounded,
                              double period = 360)
{
    EvalState e;
    auto w = sweepFrequencies();
    for (auto it = w.rbegin(); it != w.rend(); ++it) {
        e.f = static_cast<float>(*it);
        evaluatorFor(d, EvalKind::Ph, ii)(d, e);
        const double truth = std::arg(n.transfer(ii, e.f)) * kDegPerRad;
        ASSERT_NEAR(wrapped(e.yy - truth - offset, period), 0.0, 2e-3)
            << evaluatorLabel(d, EvalKind::Ph, ii) << " at " << *it / PI2 << " Hz: " << e.yy << " against " << truth;
        if (bounded) {
            ASSERT_TRUE(e.yy >= 0 && e.yy <= 360)
                << evaluatorLabel(d, EvalKind::Ph, ii) << " at " << *it / PI2 << " Hz: " << e.yy;
        }
    }
}

// Runs the group-delay evaluator down from 100 kHz in steps of 0.01 decade
// on one state, as the group-delay sweep does. Each step leaves in yy0 the
// phase walked since the previous point over the step's angular frequency,
// in ms: within the audio band that is the network's phase difference over
// the angular-frequency difference.
inline void expectGroupDelayIsMeanDelay(const Design& d, const Network& n, int ii)
{
    EvalState e;
    double previousW = 0;
    for (float k = 5.0F; k >= 1.30103F; k = static_cast<float>(k - 0.01)) {
        e.f = static_cast<float>(PI2 * std::pow(10.0, k));
        evaluatorFor(d, EvalKind::Gd, ii)(d, e);
        const double w = e.f;
        if (previousW > 0 && k <= std::log10(20000.0)) {
            const double walked = std::arg(n.transfer(ii, w) / n.transfer(ii, previousW));
            const double meanDelayMs = 1000 * walked / (previousW - w);
            ASSERT_NEAR(e.yy0, meanDelayMs, 2e-3 * std::fabs(meanDelayMs) + 1e-4)
                << evaluatorLabel(d, EvalKind::Gd, ii) << " at " << w / PI2 << " Hz";
        }
        previousW = w;
    }
}

// Runs a Nyquist evaluator as the Nyquist sweep does, from 100 kHz down to
// about 1 Hz with a fresh unwrap state, and checks that every point is the
// transfer function times `factor` (1, or −1 where the point is placed
// opposite it, or j where it is turned by a quarter turn).
inline void expectNyquistFollows(const Design& d, const Network& n, int ii, cplx factor)
{
    EvalState e;
    for (float k = 5.0F; k >= 0; k = static_cast<float>(k - 0.01)) {
        e.f = static_cast<float>(std::pow(10.0, k) * PI2);
        evaluatorFor(d, EvalKind::Nq, ii)(d, e);
        const cplx h = factor * n.transfer(ii, e.f);
        ASSERT_NEAR(std::abs(cplx(e.xx, e.yy) - h) / std::abs(h), 0.0, 2e-5)
            << evaluatorLabel(d, EvalKind::Nq, ii) << " at " << std::pow(10.0, k) << " Hz: (" << e.xx << ", " << e.yy
            << ") against " << h;
    }
}

// Checks that two networks share their denominator: the ratio of their
// transfer functions is one real constant at every frequency of `hz`, which
// it returns.
inline double expectRealRatio(const Ladder& a, int outA, const Ladder& b, int outB, std::initializer_list<double> hz,
                              double tolerance)
{
    const auto ratio = [&](double f) { return a.transfer(PI2 * f, outA) / b.transfer(PI2 * f, outB); };
    const cplx k = ratio(*hz.begin());
    EXPECT_NEAR(k.imag() / k.real(), 0.0, tolerance);
    for (const double f : hz) EXPECT_NEAR(std::abs(ratio(f) / k - 1.0), 0.0, tolerance) << "at " << f << " Hz";
    return k.real();
}

// H(s)/s handed to the inverse transform, with s scaled by 10^4: evaluating
// the lists at s' = jw·10^-4 and multiplying by s' gives H(jw) back.
inline cplx stepTransfer(const EvalState& e, double w)
{
    const cplx s(0, w * 1e-4);
    cplx num = 0, den = 0;
    for (int i = 1; i <= e.NUO + 1; ++i) num = num * s + e.NUT[static_cast<std::size_t>(i)];
    for (int i = 1; i <= e.DEO + 1; ++i) den = den * s + e.DET[static_cast<std::size_t>(i)];
    return num / den * s;
}

inline void expectStepMatches(const Design& d, const Network& n, Evaluator step, int ii)
{
    EvalState e;
    step(d, e);
    for (const double f : {30.0, 300.0, 1000.0, 3000.0, 15000.0}) {
        const cplx h = n.branch(ii).transfer(PI2 * f);
        EXPECT_NEAR(std::abs(stepTransfer(e, PI2 * f) - h) / std::abs(h), 0.0, 1e-5)
            << unitFor(d.channel, d.order)->labels[5][static_cast<std::size_t>(ii - 1)] << " at " << f << " Hz";
    }
}

}  // namespace larkspan::test
