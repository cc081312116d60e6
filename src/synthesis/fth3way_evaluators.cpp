// Evaluators of the fourth-order 3-way network: each branch's transfer
// function and input impedance at s = j·f, formed in double from the float
// coefficients, and the unit table that the sweeps pick them from.
#include <cmath>

#include "synthesis/branch_evaluators.h"
#include "synthesis/fth3way.h"

namespace larkspan {

namespace {

Ratio loTransfer(const Design& d, double x)
{
    return {{d.A05, 0},
            {d.A05 - d.A03 * std::pow(x, 2.0) + d.A01 * std::pow(x, 4.0), d.A04 * x - d.A02 * std::pow(x, 3.0)}};
}

Ratio midTransfer(const Design& d, double x)
{
    const double x7 = std::pow(x, 4.0) * std::pow(x, 3.0);
    const double x8 = std::pow(x, 4.0) * std::pow(x, 4.0);
    return {{d.A30 * std::pow(x, 4.0), 0},
            {d.A29 - d.A27 * std::pow(x, 2.0) + d.A25 * std::pow(x, 4.0) - d.A23 * std::pow(x, 6.0) + d.A21 * x8,
             d.A28 * x - d.A26 * std::pow(x, 3.0) + d.A24 * std::pow(x, 5.0) - d.A22 * x7}};
}

Ratio hiTransfer(const Design& d, double x)
{
    return {{d.A11 * std::pow(x, 4.0), 0},
            {d.A15 - d.A13 * std::pow(x, 2.0) + d.A11 * std::pow(x, 4.0), d.A14 * x - d.A12 * std::pow(x, 3.0)}};
}

Ratio loImpedance(const Design& d, double x)
{
    return {{d.B05 - d.B03 * std::pow(x, 2.0) + d.B01 * std::pow(x, 4.0), d.B04 * x - d.B02 * std::pow(x, 3.0)},
            {d.B09 - d.B07 * std::pow(x, 2.0), d.B08 * x - d.B06 * std::pow(x, 3.0)}};
}

Ratio midImpedance(const Design& d, double x)
{
    const double x7 = std::pow(x, 4.0) * std::pow(x, 3.0);
    const double x8 = std::pow(x, 4.0) * std::pow(x, 4.0);
    return {{d.C29 - d.C27 * std::pow(x, 2.0) + d.C25 * std::pow(x, 4.0) - d.C23 * std::pow(x, 6.0) + d.C21 * x8,
             d.C28 * x - d.C26 * std::pow(x, 3.0) + d.C24 * std::pow(x, 5.0) - d.C22 * x7},
            {-d.B26 * std::pow(x, 2.0) + d.B24 * std::pow(x, 4.0) - d.B22 * std::pow(x, 6.0),
             d.B27 * x - d.B25 * std::pow(x, 3.0) + d.B23 * std::pow(x, 5.0) - d.B21 * x7}};
}

Ratio hiImpedance(const Design& d, double x)
{
    return {{d.B15 - d.B13 * std::pow(x, 2.0) + d.B11 * std::pow(x, 4.0), d.B14 * x - d.B12 * std::pow(x, 3.0)},
            {d.B16 * std::pow(x, 4.0) - d.B18 * std::pow(x, 2.0), d.B19 * x - d.B17 * std::pow(x, 3.0)}};
}

// The three branches combined, all in one polarity.
void totalTransfer(const Design& d, EvalState& e)
{
    threeWayTransfer(e, loTransfer(d, e.f), midTransfer(d, e.f), hiTransfer(d, e.f));
}

void totalPhase(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    combinedPhase(e);
}

// The plotted phase: unwrapped value plus the branch's offset, brought once
// into 0..360 (single precision).
void placePhase(EvalState& e, float offset)
{
    e.yy = e.yy + e.ss + offset;
    if (e.yy < 0) e.yy += 360;
    if (e.yy > 360) e.yy -= 360;
}

// One group-delay step on the unwrapped phase (single precision).
void groupDelay(EvalState& e)
{
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

}  // namespace

void Fth3WayLoFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, loTransfer(d, e.f));
}
void Fth3WayMidFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, midTransfer(d, e.f));
}
void Fth3WayHiFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, hiTransfer(d, e.f));
}

void Fth3WayToFrCal(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    e.NU = static_cast<float>(e.NR * e.NR + e.NJ * e.NJ);
    e.DE = static_cast<float>(e.DR * e.DR + e.DJ * e.DJ);
    // The ratio is taken in double: for a wide band the squared magnitudes of
    // the combined products leave the float range at high frequencies.
    totalAttenuation(e);
}

void Fth3WayLoImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, loImpedance(d, e.f));
}
void Fth3WayMidImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, midImpedance(d, e.f));
}
void Fth3WayHiImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, hiImpedance(d, e.f));
}

void Fth3WayToImpCal(const Design& d, EvalState& e)
{
    threeWayImpedance(e, loImpedance(d, e.f), midImpedance(d, e.f), hiImpedance(d, e.f));
}

// Each branch's phase from its transfer denominator (every numerator here is
// real and positive).
void Fth3WayLoPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, loTransfer(d, e.f).den);
    placePhase(e, -180);
}

void Fth3WayMidPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, midTransfer(d, e.f).den);
    placePhase(e, -180);
}

void Fth3WayHiPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiTransfer(d, e.f).den);
    placePhase(e, 180);
}

void Fth3WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    placePhase(e, -180);
}

void Fth3WayLoGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, loTransfer(d, e.f).den);
    groupDelay(e);
}

void Fth3WayMidGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, midTransfer(d, e.f).den);
    groupDelay(e);
}

void Fth3WayHiGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiTransfer(d, e.f).den);
    groupDelay(e);
}

void Fth3WayToGdCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    groupDelay(e);
}

void Fth3WayLoNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, loTransfer(d, e.f), pi, 0);
}
void Fth3WayMidNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, midTransfer(d, e.f), pi, 0);
}
void Fth3WayHiNqCal(const Design& d, EvalState& e)
{
    branchNyquist(e, hiTransfer(d, e.f), pi, 0);
}

void Fth3WayToNqCal(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    totalNyquist(e, 0);
}

void Fth3WayLoStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A05}, {d.A01, d.A02, d.A03, d.A04, d.A05});
}

void Fth3WayMidStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A30, 0, 0, 0, 0}, {d.A21, d.A22, d.A23, d.A24, d.A25, d.A26, d.A27, d.A28, d.A29});
}

void Fth3WayHiStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A11, 0, 0, 0, 0}, {d.A11, d.A12, d.A13, d.A14, d.A15});
}

const NetworkUnit& fth3WayUnit()
{
    static const NetworkUnit unit{
        Fth3WaycofCal,
        {Fth3WayLoFrCal, Fth3WayMidFrCal, Fth3WayHiFrCal, Fth3WayToFrCal},
        {Fth3WayLoImpCal, Fth3WayMidImpCal, Fth3WayHiImpCal, Fth3WayToImpCal},
        {Fth3WayLoPhCal, Fth3WayMidPhCal, Fth3WayHiPhCal, Fth3WayToPhCal},
        {Fth3WayLoGdCal, Fth3WayMidGdCal, Fth3WayHiGdCal, Fth3WayToGdCal},
        {Fth3WayLoNqCal, Fth3WayMidNqCal, Fth3WayHiNqCal, Fth3WayToNqCal},
        {Fth3WayLoStepSubstitution, Fth3WayMidStepSubstitution, Fth3WayHiStepSubstitution},
        {{"LL1", &Design::LL1},
         {"LL2", &Design::LL2},
         {"CL1", &Design::CL1},
         {"CL2", &Design::CL2},
         {"LM1", &Design::LM1},
         {"LM2", &Design::LM2},
         {"LM3", &Design::LM3},
         {"LM4", &Design::LM4},
         {"CM1", &Design::CM1},
         {"CM2", &Design::CM2},
         {"CM3", &Design::CM3},
         {"CM4", &Design::CM4},
         {"CH1", &Design::CH1},
         {"CH2", &Design::CH2},
         {"LH1", &Design::LH1},
         {"LH2", &Design::LH2}},
    };
    return unit;
}

}  // namespace larkspan
