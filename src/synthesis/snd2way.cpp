#include "synthesis/snd2way.h"

#include <cmath>

#include "synthesis/branch_evaluators.h"
#include "synthesis/display_units.h"

namespace larkspan {

namespace {

double D(float x)
{
    return static_cast<double>(x);
}
double sq(double x)
{
    return std::pow(x, 2.0);
}

// Branch transfer functions and input impedances at s = j·w.
Ratio loTransfer(const Design& d, double w)
{
    return {{D(d.A03), 0}, {D(d.A03) - D(d.A01) * sq(w), D(d.A02) * w}};
}
Ratio hiTransfer(const Design& d, double w)
{
    return {{-D(d.A11) * sq(w), 0}, {D(d.A13) - D(d.A11) * sq(w), D(d.A12) * w}};
}
Ratio loImpedance(const Design& d, double w)
{
    return {{D(d.B03) - D(d.B01) * sq(w), D(d.B02) * w}, {D(d.B05), D(d.B04) * w}};
}
Ratio hiImpedance(const Design& d, double w)
{
    return {{D(d.B13) - D(d.B11) * sq(w), D(d.B12) * w}, {-D(d.B14) * sq(w), D(d.B15) * w}};
}

// Both branches for the combination. `sign` −1 gives the true high-pass
// numerator −A11·w² and a negated low-pass one, +1 the opposite: either way
// the total is the difference of the two branches, up to its sign.
void loadTotalTransfer(const Design& d, EvalState& e, double sign)
{
    const double w = e.f;
    twoWayTransfer(e, {{sign * D(d.A03), 0}, loTransfer(d, w).den},
                   {{sign * (D(d.A11) * sq(w)), 0}, hiTransfer(d, w).den});
}

}  // namespace

void Snd2WaycofCal(Design& d)
{
    d.AA = static_cast<float>(std::pow(2.0, 0.5));
    const double aa = D(d.AA), re = D(d.RE), rh = D(d.RH), fx = D(d.FX);
    const double w = PI2 * fx;
    bool known = true;
    double l1 = 0, c1 = 0, l2 = 0, c2 = 0;
    if (d.s_Type == "Butter") {
        l1 = re * aa / w;
        c1 = 1 / (aa * w * re);
        l2 = rh * aa / w;
        c2 = 1 / (aa * w * rh);
    } else if (d.s_Type == "ButAsy") {
        l1 = re * aa / (w * 0.76);
        c1 = 1 / (aa * w * re * 0.76);
        l2 = 0.76 * rh * aa / w;
        c2 = 0.76 / (aa * w * rh);
    } else if (d.s_Type == "Linkwi") {
        l1 = re / (pi * fx);
        c1 = 1 / (4 * pi * fx * re);
        l2 = rh / (pi * fx);
        c2 = 1 / (4 * pi * fx * rh);
    } else if (d.s_Type == "Bessel") {
        const double root3 = std::pow(3.0, 0.5);
        l1 = (re * root3 / w) * 1.13442;
        c1 = (1 / (root3 * w * re)) * 1.13442;
        l2 = (rh * root3 / w) / 1.13442;
        c2 = (1 / (root3 * w * rh)) / 1.13442;
    } else if (d.s_Type == "Chebyc") {
        l1 = (re * 0.99567 / w) * 1.46;
        c1 = (0.910967 / (w * re)) * 1.46;
        l2 = (1.09773 * rh / w) / 1.46;
        c2 = (1.00435 / (w * rh)) / 1.46;
    } else {
        known = false;  // no formulas: the previous components stay
    }
    if (known) {
        d.L1 = static_cast<float>(l1);
        d.C1 = static_cast<float>(c1);
        d.L2 = static_cast<float>(l2);
        d.C2 = static_cast<float>(c2);
    }
    valChg2way2nd(d);

    // The coefficient products are single-precision products.
    d.A01 = d.L1 * d.C1 * d.RE;
    d.A02 = d.L1;
    d.A03 = d.RE;
    d.A11 = d.L2 * d.C2;
    d.A12 = d.L2 / d.RH;
    d.A13 = 1.0F;
    d.B01 = d.L1 * d.C1 * d.RE;
    d.B02 = d.L1;
    d.B03 = d.RE;
    d.B04 = d.C1 * d.RE;
    d.B05 = 1.0F;
    d.B11 = d.L2 * d.C2 * d.RH;
    d.B12 = d.L2;
    d.B13 = d.RH;
    d.B14 = d.L2 * d.C2;
    d.B15 = d.C2 * d.RH;
}

void valChg2way2nd(Design& d)
{
    d.LL1 = mH(d.L1);
    d.CL1 = uF(d.C1);
    d.LH1 = mH(d.L2);
    d.CH1 = uF(d.C2);
}

void Snd2WayLoFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, loTransfer(d, e.f));
}

void Snd2WayHiFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, hiTransfer(d, e.f));
}

void Snd2WayToFrCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e, -1);
    totalAttenuation(e);
}

void Snd2WayLoImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, loImpedance(d, e.f));
}

void Snd2WayHiImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, hiImpedance(d, e.f));
}

void Snd2WayToImpCal(const Design& d, EvalState& e)
{
    twoWayImpedance(e, loImpedance(d, e.f), hiImpedance(d, e.f));
}

void Snd2WayLoPhCal(const Design& d, EvalState& e)
{
    branchPlacedPhase(e, loTransfer(d, e.f), 0);
}

void Snd2WayHiPhCal(const Design& d, EvalState& e)
{
    branchPlacedPhase(e, hiTransfer(d, e.f), 180);
}

void Snd2WayToPhCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e, +1);
    combinedPhase(e);
    addOffset(e, 90);
}

void Snd2WayLoGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, loTransfer(d, e.f));
}

void Snd2WayHiGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, hiTransfer(d, e.f));
}

void Snd2WayToGdCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e, +1);
    combinedGroupDelay(e, 0);
}

void Snd2WayLoNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, loTransfer(d, e.f), pi, PI2);
}

void Snd2WayHiNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, hiTransfer(d, e.f), PI2, 0);
}

void Snd2WayToNqCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e, +1);
    totalNyquist(e, -pi / 2);
}

void Snd2WayLoStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A03}, {d.A01, d.A02, d.A03});
}

void Snd2WayHiStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A11, 0, 0}, {d.A11, d.A12, d.A13});
}

const NetworkUnit& snd2WayUnit()
{
    static const NetworkUnit unit{
        Snd2WaycofCal,
        {Snd2WayLoFrCal, Snd2WayHiFrCal, Snd2WayToFrCal, nullptr},
        {Snd2WayLoImpCal, Snd2WayHiImpCal, Snd2WayToImpCal, nullptr},
        {Snd2WayLoPhCal, Snd2WayHiPhCal, Snd2WayToPhCal, nullptr},
        {Snd2WayLoGdCal, Snd2WayHiGdCal, Snd2WayToGdCal, nullptr},
        {Snd2WayLoNqCal, Snd2WayHiNqCal, Snd2WayToNqCal, nullptr},
        {Snd2WayLoStepSubstitution, Snd2WayHiStepSubstitution, nullptr},
        {{"LL1", &Design::LL1}, {"CL1", &Design::CL1}, {"CH1", &Design::CH1}, {"LH1", &Design::LH1}},
    };
    return unit;
}

}  // namespace larkspan
