#include "synthesis/trd2way.h"

#include <cmath>

#include "synthesis/branch_evaluators.h"
#include "synthesis/display_units.h"

namespace larkspan {

namespace {

double D(float x)
{
    return static_cast<double>(x);
}
double pw(double x, double n)
{
    return std::pow(x, n);
}

// Branch transfer functions and input impedances at s = j·w.
Ratio loTransfer(const Design& d, double w)
{
    return {{D(d.A04), 0}, {D(d.A04) - D(d.A02) * pw(w, 2.0), D(d.A03) * w - D(d.A01) * pw(w, 3.0)}};
}
Ratio hiTransfer(const Design& d, double w)
{
    return {{0, -D(d.A11) * pw(w, 3.0)}, {D(d.A14) - D(d.A12) * pw(w, 2.0), D(d.A13) * w - D(d.A11) * pw(w, 3.0)}};
}
Ratio loImpedance(const Design& d, double w)
{
    return {{D(d.B01) - D(d.B02) * pw(w, 2.0), D(d.B03) * w - D(d.B04) * pw(w, 3.0)},
            {1 - D(d.B05) * pw(w, 2.0), D(d.B06) * w}};
}
Ratio hiImpedance(const Design& d, double w)
{
    return {{1 - D(d.B11) * pw(w, 2.0), D(d.B12) * w - D(d.B13) * pw(w, 3.0)},
            {-D(d.B14) * pw(w, 2.0), D(d.B15) * w - D(d.B16) * pw(w, 3.0)}};
}

// Both branches for the combination; the low-pass numerator carries the
// polarity of the connection.
void loadTotalTransfer(const Design& d, EvalState& e)
{
    const double w = e.f;
    twoWayTransfer(e, {{d.pole * D(d.A04), 0}, loTransfer(d, w).den}, hiTransfer(d, w));
}

// The total's phase with its offset; an inverted low-pass adds 90 degrees.
void totalPhase(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    combinedPhase(e);
    e.yy = static_cast<float>(D(e.yy) + D(e.ss));
    if (d.pole == -1) e.yy = static_cast<float>(D(e.yy) + 90);
}

}  // namespace

void Trd2WaycofCal(Design& d)
{
    const double re = D(d.RE), rh = D(d.RH), fx = D(d.FX);
    bool known = true;
    double l1 = 0, l2 = 0, c1 = 0, c2 = 0, c3 = 0, l3 = 0;
    std::int16_t pole = 1;
    if (d.s_Type == "Butter") {
        l1 = 3 * re / (4 * pi * fx);
        l2 = re / (4 * pi * fx);
        c1 = 2 / (3 * pi * fx * re);
        c2 = 1 / (3 * pi * fx * rh);
        c3 = 1 / (pi * fx * rh);
        l3 = 3 * rh / (8 * pi * fx);
        pole = 1;
    } else if (d.s_Type == "Bessel") {
        l1 = (5 * re / (6 * pi * fx)) * 1.1 * 0.98;
        l2 = (re / (6 * pi * fx)) * 1.1 * 0.98;
        c1 = (12 / (25 * pi * fx * re)) * 1.1 * 0.98;
        c2 = (6 / (5 * pi * fx * rh)) / 4.4 / 0.98;
        c3 = (6 / (pi * fx * rh)) / 4.4 / 0.98;
        l3 = (25 * rh / (12 * pi * fx)) / 4.4 / 0.98;
        pole = -1;
    } else if (d.s_Type == "Chebyc") {
        l1 = (1.50885 * re / (PI2 * fx)) * 1.22;
        l2 = (1.0118 * re / (PI2 * fx)) * 1.22;
        c1 = (1.33324 / (PI2 * fx * re)) * 1.22;
        c2 = (0.662756 / (PI2 * fx * rh)) / 1.22;
        c3 = (0.988338 / (PI2 * fx * rh)) / 1.22;
        l3 = (0.750053 * rh / (PI2 * fx)) / 1.22;
        pole = 1;
    } else {
        known = false;  // no third-order formulas: components and pole stay
    }
    if (known) {
        d.L1 = static_cast<float>(l1);
        d.L2 = static_cast<float>(l2);
        d.C1 = static_cast<float>(c1);
        d.C2 = static_cast<float>(c2);
        d.C3 = static_cast<float>(c3);
        d.L3 = static_cast<float>(l3);
        d.pole = pole;
    }
    valChg2way3rd(d);

    const double L1 = D(d.L1), L2 = D(d.L2), L3 = D(d.L3), C1 = D(d.C1), C2 = D(d.C2), C3 = D(d.C3);
    d.A01 = static_cast<float>(L1 * L2 * C1 / re);
    d.A02 = static_cast<float>(L1 * C1);
    d.A03 = static_cast<float>((L1 + L2) / re);
    d.A04 = 1.0F;
    d.A11 = static_cast<float>(C2 * C3 * L3 * rh);
    d.A12 = static_cast<float>(C2 * L3 + C3 * L3);
    d.A13 = static_cast<float>(C3 * rh);
    d.A14 = 1.0F;
    d.B01 = d.RE;
    d.B02 = static_cast<float>(L1 * C1 * re);
    d.B03 = static_cast<float>(L1 + L2);
    d.B04 = static_cast<float>(L1 * L2 * C1);
    d.B05 = static_cast<float>(C1 * L2);
    d.B06 = static_cast<float>(C1 * re);
    d.B11 = static_cast<float>(C2 * L3 + C3 * L3);
    d.B12 = static_cast<float>(C3 * rh);
    d.B13 = static_cast<float>(C2 * C3 * L3 * rh);
    d.B14 = static_cast<float>(C2 * C3 * rh);
    d.B15 = d.C2;
    d.B16 = static_cast<float>(C2 * C3 * L3);
}

void valChg2way3rd(Design& d)
{
    d.LL1 = mH(d.L1);
    d.LL2 = mH(d.L2);
    d.CL1 = uF(d.C1);
    d.CH1 = uF(d.C2);
    d.CH2 = uF(d.C3);
    d.LH1 = mH(d.L3);
}

void Trd2WayLoFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, loTransfer(d, e.f));
}

void Trd2WayHiFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, hiTransfer(d, e.f));
}

void Trd2WayToFrCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    totalAttenuation(e);
}

void Trd2WayLoImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, loImpedance(d, e.f));
}

void Trd2WayHiImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, hiImpedance(d, e.f));
}

void Trd2WayToImpCal(const Design& d, EvalState& e)
{
    twoWayImpedance(e, loImpedance(d, e.f), hiImpedance(d, e.f));
}

void Trd2WayLoPhCal(const Design& d, EvalState& e)
{
    branchWrappedPhase(e, loTransfer(d, e.f), -180);
}

void Trd2WayHiPhCal(const Design& d, EvalState& e)
{
    branchWrappedPhase(e, hiTransfer(d, e.f), 90);
}

void Trd2WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    wrap360(e);
}

void Trd2WayLoGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, loTransfer(d, e.f));
}

void Trd2WayHiGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, hiTransfer(d, e.f));
}

void Trd2WayToGdCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    groupDelayStep(e);
}

void Trd2WayLoNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, loTransfer(d, e.f), pi, 0);
}

void Trd2WayHiNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, hiTransfer(d, e.f), pi, -pi / 2);
}

// An inverted low-pass turns the total by a further quarter turn.
void Trd2WayToNqCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    combinedPolar(e);
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    e.fai = static_cast<float>(e.fai + PI2);
    if (d.pole == -1) e.fai = static_cast<float>(e.fai + pi / 2);
    nyquistStep(e);
}

void Trd2WayLoStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A04}, {d.A01, d.A02, d.A03, d.A04});
}

void Trd2WayHiStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A11, 0, 0, 0}, {d.A11, d.A12, d.A13, d.A14});
}

const NetworkUnit& trd2WayUnit()
{
    static const NetworkUnit unit{
        Trd2WaycofCal,
        {Trd2WayLoFrCal, Trd2WayHiFrCal, Trd2WayToFrCal, nullptr},
        {Trd2WayLoImpCal, Trd2WayHiImpCal, Trd2WayToImpCal, nullptr},
        {Trd2WayLoPhCal, Trd2WayHiPhCal, Trd2WayToPhCal, nullptr},
        {Trd2WayLoGdCal, Trd2WayHiGdCal, Trd2WayToGdCal, nullptr},
        {Trd2WayLoNqCal, Trd2WayHiNqCal, Trd2WayToNqCal, nullptr},
        {Trd2WayLoStepSubstitution, Trd2WayHiStepSubstitution, nullptr},
        {{"LL1", &Design::LL1},
         {"LL2", &Design::LL2},
         {"CL1", &Design::CL1},
         {"CH1", &Design::CH1},
         {"CH2", &Design::CH2},
         {"LH1", &Design::LH1}},
    };
    return unit;
}

}  // namespace larkspan
