#include "synthesis/fst3way.h"

#include <cmath>

#include "synthesis/branch_evaluators.h"
#include "synthesis/fst2way.h"

namespace larkspan {

void Fst3WaycofCal(Design& d)
{
    d.L1 = static_cast<float>(d.RE / (PI2 * d.FXL));
    d.LL1 = d.L1 * 1000;
    d.C2 = static_cast<float>(1 / (PI2 * d.FXH * d.RH));
    d.CH1 = static_cast<float>(d.C2 * 1e6);

    d.F0 = static_cast<float>(std::pow(static_cast<double>(d.FXL) * d.FXH, 0.5));
    d.R1 = static_cast<float>(static_cast<double>(d.FXL) / d.F0);
    d.R2 = static_cast<float>(static_cast<double>(d.FXH) / d.F0);
    d.k0 = d.R1 + d.R2;
    d.H1 = static_cast<float>(1 - std::pow(static_cast<double>(d.R1), 2.0));
    d.H2 = static_cast<float>(std::fabs(static_cast<double>(d.H1)) * d.R2);
    d.RAN = static_cast<float>(d.RM * (static_cast<double>(d.k0) / d.H2 - 1));
    d.R0 = d.RM + d.RAN;
    d.L2 = static_cast<float>(d.R0 / (static_cast<double>(d.k0) * PI2 * d.F0));
    d.LM1 = d.L2 * 1000;
    d.C1 = static_cast<float>(d.k0 / (static_cast<double>(d.R0) * PI2 * d.F0));
    d.CM1 = static_cast<float>(d.C1 * 1e6);

    d.A01 = d.B01 = d.L1;
    d.A02 = d.B02 = d.RE;
    d.A11 = d.B11 = d.C2 * d.RH;
    d.A12 = d.B12 = 1;
    d.B13 = d.C2;
    d.A21 = d.B21 = d.L2 * d.C1;
    d.A22 = d.B22 = d.C1 * d.R0;
    d.A23 = d.C1 * d.RM;
    d.B23 = d.C1;
    d.A24 = d.B24 = 1;
}

namespace {

double fw(const EvalState& e)
{
    return e.f;
}

// The mid branch's transfer function and input impedance at s = j·w.
Ratio midTransfer(const Design& d, double w)
{
    return {{0, static_cast<double>(d.A23) * w}, {d.A24 - d.A21 * std::pow(w, 2.0), static_cast<double>(d.A22) * w}};
}

Ratio midImpedance(const Design& d, double w)
{
    return {{d.B24 - d.B21 * std::pow(w, 2.0), static_cast<double>(d.B22) * w}, {0, static_cast<double>(d.B23) * w}};
}

void loadMidTransfer(const Design& d, EvalState& e)
{
    e.MNR = 0;
    e.MNJ = d.A23 * e.f;
    e.MDR = static_cast<float>(d.A24 - d.A21 * std::pow(fw(e), 2.0));
    e.MDJ = d.A22 * e.f;
}

void loadMidImpedance(const Design& d, EvalState& e)
{
    e.MNR = static_cast<float>(d.B24 - d.B21 * std::pow(fw(e), 2.0));
    e.MNJ = d.B22 * e.f;
    e.MDR = 0;
    e.MDJ = d.B23 * e.f;
}

void loadTotalTransfer(const Design& d, EvalState& e)
{
    fstLoadLoTransfer(d, e);
    loadMidTransfer(d, e);
    fstLoadHiTransfer(d, e);
    ThreeWayToCal(e);
}

void totalPhase(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    combinedPhase(e);
}

}  // namespace

void Fst3WayLoFrCal(const Design& d, EvalState& e)
{
    Fst2WayLoFrCal(d, e);
}
void Fst3WayHiFrCal(const Design& d, EvalState& e)
{
    Fst2WayHiFrCal(d, e);
}
void Fst3WayLoImpCal(const Design& d, EvalState& e)
{
    Fst2WayLoImpCal(d, e);
}
void Fst3WayHiImpCal(const Design& d, EvalState& e)
{
    Fst2WayHiImpCal(d, e);
}
void Fst3WayLoPhCal(const Design& d, EvalState& e)
{
    Fst2WayLoPhCal(d, e);
}
void Fst3WayLoGdCal(const Design& d, EvalState& e)
{
    Fst2WayLoGdCal(d, e);
}
void Fst3WayHiGdCal(const Design& d, EvalState& e)
{
    Fst2WayHiGdCal(d, e);
}
void Fst3WayLoNqCal(const Design& d, EvalState& e)
{
    Fst2WayLoNqCal(d, e);
}
void Fst3WayHiNqCal(const Design& d, EvalState& e)
{
    Fst2WayHiNqCal(d, e);
}
void Fst3WayLoStepSubstitution(const Design& d, EvalState& e)
{
    Fst2WayLoStepSubstitution(d, e);
}
void Fst3WayHiStepSubstitution(const Design& d, EvalState& e)
{
    Fst2WayHiStepSubstitution(d, e);
}

void Fst3WayMidFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, midTransfer(d, e.f));
}

void Fst3WayToFrCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    totalAttenuation(e);
}

void Fst3WayMidImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, midImpedance(d, e.f));
}

void Fst3WayToImpCal(const Design& d, EvalState& e)
{
    fstLoadLoImpedance(d, e);
    loadMidImpedance(d, e);
    fstLoadHiImpedance(d, e);
    ThreeWayToImpCal(e);
    totalLogImpedance(e);
}

void Fst3WayMidPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, midTransfer(d, e.f).den);
    e.yy = e.yy + e.ss + 90;
}

void Fst3WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    e.yy = e.yy + e.ss + 180;
}

void Fst3WayMidGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, midTransfer(d, e.f).den);
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

void Fst3WayToGdCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

void Fst3WayMidNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, midTransfer(d, e.f), pi, -pi * 1.5);
}

void Fst3WayToNqCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    totalNyquist(e, pi);
}

void Fst3WayMidStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A23, 0}, {d.A21, d.A22, d.A24});
}

const NetworkUnit& fst3WayUnit()
{
    static const NetworkUnit unit{
        Fst3WaycofCal,
        {Fst3WayLoFrCal, Fst3WayMidFrCal, Fst3WayHiFrCal, Fst3WayToFrCal},
        {Fst3WayLoImpCal, Fst3WayMidImpCal, Fst3WayHiImpCal, Fst3WayToImpCal},
        // The 3-way phase plot uses the 2-way high-branch phase evaluator.
        {Fst3WayLoPhCal, Fst3WayMidPhCal, Fst2WayHiPhCal, Fst3WayToPhCal},
        {Fst3WayLoGdCal, Fst3WayMidGdCal, Fst3WayHiGdCal, Fst3WayToGdCal},
        {Fst3WayLoNqCal, Fst3WayMidNqCal, Fst3WayHiNqCal, Fst3WayToNqCal},
        {Fst3WayLoStepSubstitution, Fst3WayMidStepSubstitution, Fst3WayHiStepSubstitution},
        {{"LL1", &Design::LL1}, {"LM1", &Design::LM1}, {"CM1", &Design::CM1}, {"CH1", &Design::CH1}},
    };
    return unit;
}

}  // namespace larkspan
