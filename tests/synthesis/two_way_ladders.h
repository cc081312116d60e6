// The 2-way networks of orders 2 to 4 as element ladders, built from the SI
// component values of a design, for checks by nodal analysis that do not use
// the coefficient formulas. Each branch is driven from node 1 and terminated in
// its driver's D.C. resistance; `out` is the node across that resistance.
#pragma once

#include <cmath>
#include <complex>
#include <string>

#include "design/design.h"
#include "support/nodal.h"
#include "synthesis/cofcal.h"

namespace larkspan::test {

struct Branch {
    Ladder net;
    int out = 2;

    cplx transfer(double w) const { return net.transfer(w, out); }
    cplx impedance(double w) const { return net.inputImpedance(w); }
};

struct TwoWayNetwork {
    Branch lo;
    Branch hi;
    // Sign with which the low-pass enters the total, and the sign of the
    // high-pass; the total is loSign·H_L + hiSign·H_H.
    double loSign = 1;
    double hiSign = 1;

    cplx total(double w) const { return loSign * lo.transfer(w) + hiSign * hi.transfer(w); }
    cplx totalImpedance(double w) const { return 1.0 / (1.0 / lo.impedance(w) + 1.0 / hi.impedance(w)); }
};

// Second order: series L1 with C1 across the woofer; series C2 with L2 across
// the tweeter, which is connected in inverted polarity.
inline TwoWayNetwork secondOrderNetwork(const Design& d)
{
    TwoWayNetwork n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).R(2, 0, d.RE), 2};
    n.hi = {Ladder().C(1, 2, d.C2).L(2, 0, d.L2).R(2, 0, d.RH), 2};
    n.hiSign = -1;
    return n;
}

// Third order: T sections L1-C1-L2 and C2-L3-C3; the woofer's polarity is
// `pole`.
inline TwoWayNetwork thirdOrderNetwork(const Design& d)
{
    TwoWayNetwork n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).R(3, 0, d.RE), 3};
    n.hi = {Ladder().C(1, 2, d.C2).L(2, 0, d.L3).C(2, 3, d.C3).R(3, 0, d.RH), 3};
    n.loSign = d.pole;
    return n;
}

// Fourth order: ladders L1-C1-L2-C2 and C3-L3-C4-L4, both drivers in phase.
inline TwoWayNetwork fourthOrderNetwork(const Design& d)
{
    TwoWayNetwork n;
    n.lo = {Ladder().L(1, 2, d.L1).C(2, 0, d.C1).L(2, 3, d.L2).C(3, 0, d.C2).R(3, 0, d.RE), 3};
    n.hi = {Ladder().C(1, 2, d.C3).L(2, 0, d.L3).C(2, 3, d.C4).L(3, 0, d.L4).R(3, 0, d.RH), 3};
    return n;
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

inline TwoWayNetwork networkOf(const Design& d)
{
    switch (d.order) {
        case 2:
            return secondOrderNetwork(d);
        case 3:
            return thirdOrderNetwork(d);
        default:
            return fourthOrderNetwork(d);
    }
}

// Difference of two angles in degrees, reduced into (−period/2, period/2].
inline double angleGap(double a, double b, double period)
{
    double g = std::fmod(a - b, period);
    if (g > period / 2) g -= period;
    if (g <= -period / 2) g += period;
    return g;
}

// One evaluator call with fresh sweep state at angular frequency w.
inline EvalState evaluateAt(const Design& d, EvalKind kind, int ii, double w)
{
    EvalState e;
    e.f = static_cast<float>(w);
    evaluatorFor(d, kind, ii)(d, e);
    return e;
}

// The frequency, relative to FX, where branch ii (1 Lo, 2 Hi) is 3.01 dB
// down, by bisection on its amplitude evaluator.
inline double halfPowerRatio(const Design& d, int ii)
{
    double lo = 0.1, hi = 10;
    for (int i = 0; i < 80; ++i) {
        const double mid = std::sqrt(lo * hi);
        const bool below = evaluateAt(d, EvalKind::Fr, ii, PI2 * d.FX * mid).yy > 10 * std::log10(2.0);
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

inline double degreesArg(cplx z)
{
    return std::arg(z) * 180.0 / 3.141592653589793;
}

}  // namespace larkspan::test
