// Evaluators of the fourth-order 3-way network: each branch's transfer
// function and input impedance at s = j·f, formed in double from the float
// coefficients, and the unit table that the sweeps pick them from.
#include <cmath>

#include "synthesis/combine.h"
#include "synthesis/evaluator_steps.h"
#include "synthesis/fth3way.h"

namespace larkspan {

namespace {

struct Part {
    double re;
    double im;
};

// A branch function at one frequency: numerator over denominator.
struct Ratio {
    Part num;
    Part den;
};

double w(const EvalState& e)
{
    return e.f;
}

Ratio loTransfer(const Design& d, const EvalState& e)
{
    const double x = w(e);
    return {{d.A05, 0},
            {d.A05 - d.A03 * std::pow(x, 2.0) + d.A01 * std::pow(x, 4.0), d.A04 * x - d.A02 * std::pow(x, 3.0)}};
}

Ratio midTransfer(const Design& d, const EvalState& e)
{
    const double x = w(e);
    const double x7 = std::pow(x, 4.0) * std::pow(x, 3.0);
    const double x8 = std::pow(x, 4.0) * std::pow(x, 4.0);
    return {{d.A30 * std::pow(x, 4.0), 0},
            {d.A29 - d.A27 * std::pow(x, 2.0) + d.A25 * std::pow(x, 4.0) - d.A23 * std::pow(x, 6.0) + d.A21 * x8,
             d.A28 * x - d.A26 * std::pow(x, 3.0) + d.A24 * std::pow(x, 5.0) - d.A22 * x7}};
}

Ratio hiTransfer(const Design& d, const EvalState& e)
{
    const double x = w(e);
    return {{d.A11 * std::pow(x, 4.0), 0},
            {d.A15 - d.A13 * std::pow(x, 2.0) + d.A11 * std::pow(x, 4.0), d.A14 * x - d.A12 * std::pow(x, 3.0)}};
}

Ratio loImpedance(const Design& d, const EvalState& e)
{
    const double x = w(e);
    return {{d.B05 - d.B03 * std::pow(x, 2.0) + d.B01 * std::pow(x, 4.0), d.B04 * x - d.B02 * std::pow(x, 3.0)},
            {d.B09 - d.B07 * std::pow(x, 2.0), d.B08 * x - d.B06 * std::pow(x, 3.0)}};
}

Ratio midImpedance(const Design& d, const EvalState& e)
{
    const double x = w(e);
    const double x7 = std::pow(x, 4.0) * std::pow(x, 3.0);
    const double x8 = std::pow(x, 4.0) * std::pow(x, 4.0);
    return {{d.C29 - d.C27 * std::pow(x, 2.0) + d.C25 * std::pow(x, 4.0) - d.C23 * std::pow(x, 6.0) + d.C21 * x8,
             d.C28 * x - d.C26 * std::pow(x, 3.0) + d.C24 * std::pow(x, 5.0) - d.C22 * x7},
            {-d.B26 * std::pow(x, 2.0) + d.B24 * std::pow(x, 4.0) - d.B22 * std::pow(x, 6.0),
             d.B27 * x - d.B25 * std::pow(x, 3.0) + d.B23 * std::pow(x, 5.0) - d.B21 * x7}};
}

Ratio hiImpedance(const Design& d, const EvalState& e)
{
    const double x = w(e);
    return {{d.B15 - d.B13 * std::pow(x, 2.0) + d.B11 * std::pow(x, 4.0), d.B14 * x - d.B12 * std::pow(x, 3.0)},
            {d.B16 * std::pow(x, 4.0) - d.B18 * std::pow(x, 2.0), d.B19 * x - d.B17 * std::pow(x, 3.0)}};
}

float squaredMagnitude(Part p)
{
    return static_cast<float>(std::pow(p.re, 2.0) + std::pow(p.im, 2.0));
}

void magnitudes(const Ratio& r, EvalState& e)
{
    e.NU = squaredMagnitude(r.num);
    e.DE = squaredMagnitude(r.den);
}

void loadTransfers(const Design& d, EvalState& e)
{
    const Ratio lo = loTransfer(d, e), mid = midTransfer(d, e), hi = hiTransfer(d, e);
    e.LNR = static_cast<float>(lo.num.re);
    e.LNJ = static_cast<float>(lo.num.im);
    e.LDR = static_cast<float>(lo.den.re);
    e.LDJ = static_cast<float>(lo.den.im);
    e.MNR = static_cast<float>(mid.num.re);
    e.MNJ = static_cast<float>(mid.num.im);
    e.MDR = static_cast<float>(mid.den.re);
    e.MDJ = static_cast<float>(mid.den.im);
    e.HNR = static_cast<float>(hi.num.re);
    e.HNJ = static_cast<float>(hi.num.im);
    e.HDR = static_cast<float>(hi.den.re);
    e.HDJ = static_cast<float>(hi.den.im);
    ThreeWayToCal(e);
}

void loadImpedances(const Design& d, EvalState& e)
{
    const Ratio lo = loImpedance(d, e), mid = midImpedance(d, e), hi = hiImpedance(d, e);
    e.LNR = static_cast<float>(lo.num.re);
    e.LNJ = static_cast<float>(lo.num.im);
    e.LDR = static_cast<float>(lo.den.re);
    e.LDJ = static_cast<float>(lo.den.im);
    e.MNR = static_cast<float>(mid.num.re);
    e.MNJ = static_cast<float>(mid.num.im);
    e.MDR = static_cast<float>(mid.den.re);
    e.MDJ = static_cast<float>(mid.den.im);
    e.HNR = static_cast<float>(hi.num.re);
    e.HNJ = static_cast<float>(hi.num.im);
    e.HDR = static_cast<float>(hi.den.re);
    e.HDJ = static_cast<float>(hi.den.im);
    ThreeWayToImpCal(e);
}

void branchAmplitude(const Ratio& r, EvalState& e)
{
    magnitudes(r, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void branchImpedance(const Ratio& r, EvalState& e)
{
    magnitudes(r, e);
    e.yy = logMagnitude(e.NU, e.DE);
}

// Phase of a branch from its transfer denominator (every numerator here is
// real and positive), folded into 0..180 and unwrapped.
void branchPhase(const Ratio& r, EvalState& e)
{
    e.DR = r.den.re;
    e.DJ = r.den.im;
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

void totalPhase(const Design& d, EvalState& e)
{
    loadTransfers(d, e);
    e.yy = static_cast<float>(degreesOf(e.NJ, e.NR) - degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

// The plotted phase: unwrapped value plus the branch's offset, brought once
// into 0..360.
void placePhase(EvalState& e, float offset)
{
    e.yy = e.yy + e.ss + offset;
    if (e.yy < 0) e.yy += 360;
    if (e.yy > 360) e.yy -= 360;
}

void groupDelay(EvalState& e)
{
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

void branchNyquist(const Ratio& r, EvalState& e)
{
    magnitudes(r, e);
    e.gg = static_cast<float>(std::pow(static_cast<double>(e.NU) / e.DE, 0.5));
    e.DR = r.den.re;
    e.DJ = r.den.im;
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    nyquistStep(e);
}

}  // namespace

void Fth3WayLoFrCal(const Design& d, EvalState& e)
{
    branchAmplitude(loTransfer(d, e), e);
}
void Fth3WayMidFrCal(const Design& d, EvalState& e)
{
    branchAmplitude(midTransfer(d, e), e);
}
void Fth3WayHiFrCal(const Design& d, EvalState& e)
{
    branchAmplitude(hiTransfer(d, e), e);
}

void Fth3WayToFrCal(const Design& d, EvalState& e)
{
    loadTransfers(d, e);
    e.NU = static_cast<float>(e.NR * e.NR + e.NJ * e.NJ);
    e.DE = static_cast<float>(e.DR * e.DR + e.DJ * e.DJ);
    // The ratio is taken in double: for a wide band the squared magnitudes of
    // the combined products leave the float range at high frequencies.
    e.yy = static_cast<float>(-10.0 * std::log10(combinedRatio(e)));
}

void Fth3WayLoImpCal(const Design& d, EvalState& e)
{
    branchImpedance(loImpedance(d, e), e);
}
void Fth3WayMidImpCal(const Design& d, EvalState& e)
{
    branchImpedance(midImpedance(d, e), e);
}
void Fth3WayHiImpCal(const Design& d, EvalState& e)
{
    branchImpedance(hiImpedance(d, e), e);
}

void Fth3WayToImpCal(const Design& d, EvalState& e)
{
    loadImpedances(d, e);
    e.yy = static_cast<float>(std::log10(std::pow(combinedRatio(e), 0.5)));
}

void Fth3WayLoPhCal(const Design& d, EvalState& e)
{
    branchPhase(loTransfer(d, e), e);
    placePhase(e, -180);
}

void Fth3WayMidPhCal(const Design& d, EvalState& e)
{
    branchPhase(midTransfer(d, e), e);
    placePhase(e, -180);
}

void Fth3WayHiPhCal(const Design& d, EvalState& e)
{
    branchPhase(hiTransfer(d, e), e);
    placePhase(e, 180);
}

void Fth3WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    placePhase(e, -180);
}

void Fth3WayLoGdCal(const Design& d, EvalState& e)
{
    branchPhase(loTransfer(d, e), e);
    groupDelay(e);
}

void Fth3WayMidGdCal(const Design& d, EvalState& e)
{
    branchPhase(midTransfer(d, e), e);
    groupDelay(e);
}

void Fth3WayHiGdCal(const Design& d, EvalState& e)
{
    branchPhase(hiTransfer(d, e), e);
    groupDelay(e);
}

void Fth3WayToGdCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    groupDelay(e);
}

void Fth3WayLoNqCal(const Design& d, EvalState& e)
{
    branchNyquist(loTransfer(d, e), e);
}
void Fth3WayMidNqCal(const Design& d, EvalState& e)
{
    branchNyquist(midTransfer(d, e), e);
}
void Fth3WayHiNqCal(const Design& d, EvalState& e)
{
    branchNyquist(hiTransfer(d, e), e);
}

void Fth3WayToNqCal(const Design& d, EvalState& e)
{
    loadTransfers(d, e);
    e.gg = static_cast<float>(std::pow(combinedRatio(e), 0.5));
    e.fai = static_cast<float>(std::atan(e.NJ / e.NR) - std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    nyquistStep(e);
}

// H(s)/s with s scaled by 10^4 (time in units of 0.1 ms): each power k of s
// carries 10^(4k).
void Fth3WayLoStepSubstitution(const Design& d, EvalState& e)
{
    e.NUO = 0;
    e.NUT[1] = d.A05;
    e.DEO = 5;
    e.DET[1] = d.A01 * std::pow(10.0, 16);
    e.DET[2] = d.A02 * std::pow(10.0, 12);
    e.DET[3] = d.A03 * std::pow(10.0, 8);
    e.DET[4] = d.A04 * std::pow(10.0, 4);
    e.DET[5] = d.A05;
    e.DET[6] = 0;
}

void Fth3WayMidStepSubstitution(const Design& d, EvalState& e)
{
    e.NUO = 4;
    e.NUT[1] = d.A30 * std::pow(10.0, 16);
    for (int i = 2; i <= 5; ++i) e.NUT[static_cast<std::size_t>(i)] = 0;
    e.DEO = 9;
    e.DET[1] = d.A21 * std::pow(10.0, 32);
    e.DET[2] = d.A22 * std::pow(10.0, 28);
    e.DET[3] = d.A23 * std::pow(10.0, 24);
    e.DET[4] = d.A24 * std::pow(10.0, 20);
    e.DET[5] = d.A25 * std::pow(10.0, 16);
    e.DET[6] = d.A26 * std::pow(10.0, 12);
    e.DET[7] = d.A27 * std::pow(10.0, 8);
    e.DET[8] = d.A28 * std::pow(10.0, 4);
    e.DET[9] = d.A29;
    e.DET[10] = 0;
}

void Fth3WayHiStepSubstitution(const Design& d, EvalState& e)
{
    e.NUO = 4;
    e.NUT[1] = d.A11 * std::pow(10.0, 16);
    for (int i = 2; i <= 5; ++i) e.NUT[static_cast<std::size_t>(i)] = 0;
    e.DEO = 5;
    e.DET[1] = d.A11 * std::pow(10.0, 16);
    e.DET[2] = d.A12 * std::pow(10.0, 12);
    e.DET[3] = d.A13 * std::pow(10.0, 8);
    e.DET[4] = d.A14 * std::pow(10.0, 4);
    e.DET[5] = d.A15;
    e.DET[6] = 0;
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
