#include "synthesis/fst2way.h"

#include <cmath>

#include "synthesis/branch_evaluators.h"

namespace larkspan {

void Fst2WaycofCal(Design& d)
{
    d.L1 = static_cast<float>(d.RE / (PI2 * d.FX));
    d.LL1 = d.L1 * 1000;
    d.C1 = static_cast<float>(1 / (PI2 * d.FX * d.RH));
    d.CH1 = static_cast<float>(d.C1 * 1e6);

    d.A01 = d.B01 = d.L1;
    d.A02 = d.B02 = d.RE;
    d.A11 = d.B11 = d.C1 * d.RH;
    d.A12 = d.B12 = 1;
    d.B13 = d.C1;
}

namespace {

float sq(double x)
{
    return static_cast<float>(x * x);
}

// Phase parts of the Lo and Hi denominators, as the phase and Nyquist
// evaluators use them.
void loPhaseParts(const Design& d, EvalState& e)
{
    e.DR = d.A02;
    e.DJ = static_cast<double>(d.A01) * e.f;
}

void hiPhaseParts(const Design& d, EvalState& e)
{
    e.DR = d.A12;
    e.DJ = static_cast<double>(d.A11) * e.f;
}

void loMagnitude(const Design& d, EvalState& e)
{
    e.NU = sq(d.A02);
    e.DE =
        static_cast<float>(std::pow(static_cast<double>(d.A01) * e.f, 2.0) + std::pow(static_cast<double>(d.A02), 2.0));
}

void hiMagnitude(const Design& d, EvalState& e)
{
    e.NU = static_cast<float>(std::pow(static_cast<double>(d.A11) * e.f, 2.0));
    e.DE =
        static_cast<float>(std::pow(static_cast<double>(d.A11) * e.f, 2.0) + std::pow(static_cast<double>(d.A12), 2.0));
}

void loadTotalTransfer(const Design& d, EvalState& e)
{
    fstLoadLoTransfer(d, e);
    fstLoadHiTransfer(d, e);
    TwoWayToCal(e);
}

}  // namespace

void fstLoadLoTransfer(const Design& d, EvalState& e)
{
    e.LNR = d.A02;
    e.LNJ = 0;
    e.LDR = d.A02;
    e.LDJ = d.A01 * e.f;
}

void fstLoadHiTransfer(const Design& d, EvalState& e)
{
    e.HNR = 0;
    e.HNJ = d.A11 * e.f;
    e.HDR = d.A12;
    e.HDJ = d.A11 * e.f;
}

void fstLoadLoImpedance(const Design& d, EvalState& e)
{
    e.LNR = d.B02;
    e.LNJ = d.B01 * e.f;
    e.LDR = 1;
    e.LDJ = 0;
}

void fstLoadHiImpedance(const Design& d, EvalState& e)
{
    e.HNR = d.B12;
    e.HNJ = d.B11 * e.f;
    e.HDR = 0;
    e.HDJ = d.B13 * e.f;
}

void Fst2WayLoFrCal(const Design& d, EvalState& e)
{
    loMagnitude(d, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void Fst2WayHiFrCal(const Design& d, EvalState& e)
{
    hiMagnitude(d, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void Fst2WayToFrCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    totalAttenuation(e);
}

void Fst2WayLoImpCal(const Design& d, EvalState& e)
{
    e.NU =
        static_cast<float>(std::pow(static_cast<double>(d.B01) * e.f, 2.0) + std::pow(static_cast<double>(d.B02), 2.0));
    e.DE = 1;
    e.yy = logMagnitude(e.NU, e.DE);
}

void Fst2WayHiImpCal(const Design& d, EvalState& e)
{
    e.NU =
        static_cast<float>(std::pow(static_cast<double>(d.B11) * e.f, 2.0) + std::pow(static_cast<double>(d.B12), 2.0));
    e.DE = static_cast<float>(std::pow(static_cast<double>(d.B13) * e.f, 2.0));
    e.yy = logMagnitude(e.NU, e.DE);
}

void Fst2WayToImpCal(const Design& d, EvalState& e)
{
    fstLoadLoImpedance(d, e);
    fstLoadHiImpedance(d, e);
    TwoWayToImpCal(e);
    totalLogImpedance(e);
}

void Fst2WayLoPhCal(const Design& d, EvalState& e)
{
    loPhaseParts(d, e);
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    if (e.yy < 0) e.yy += 180;
}

void Fst2WayHiPhCal(const Design& d, EvalState& e)
{
    hiPhaseParts(d, e);
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    if (e.yy < 0) e.yy += 180 + 90;
}

void Fst2WayToPhCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    combinedPhase(e);
    e.yy = e.yy + e.ss + 180;
}

void Fst2WayLoGdCal(const Design& d, EvalState& e)
{
    loPhaseParts(d, e);
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

void Fst2WayHiGdCal(const Design& d, EvalState& e)
{
    hiPhaseParts(d, e);
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

void Fst2WayToGdCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    combinedPhase(e);
    e.yy = e.yy + e.ss;
    groupDelayStep(e);
}

void Fst2WayLoNqCal(const Design& d, EvalState& e)
{
    loMagnitude(d, e);
    loPhaseParts(d, e);
    e.gg = static_cast<float>(std::pow(static_cast<double>(e.NU) / e.DE, 0.5));
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR) - pi);
    nyquistStep(e);
}

void Fst2WayHiNqCal(const Design& d, EvalState& e)
{
    hiMagnitude(d, e);
    hiPhaseParts(d, e);
    e.gg = static_cast<float>(std::pow(static_cast<double>(e.NU) / e.DE, 0.5));
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    e.fai = static_cast<float>(e.fai + pi / 2);
    nyquistStep(e);
}

void Fst2WayToNqCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    totalNyquist(e, 0);
}

void Fst2WayLoStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A02}, {d.A01, d.A02});
}

void Fst2WayHiStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A11, 0}, {d.A11, d.A12});
}

const NetworkUnit& fst2WayUnit()
{
    static const NetworkUnit unit{
        Fst2WaycofCal,
        {Fst2WayLoFrCal, Fst2WayHiFrCal, Fst2WayToFrCal, nullptr},
        {Fst2WayLoImpCal, Fst2WayHiImpCal, Fst2WayToImpCal, nullptr},
        {Fst2WayLoPhCal, Fst2WayHiPhCal, Fst2WayToPhCal, nullptr},
        {Fst2WayLoGdCal, Fst2WayHiGdCal, Fst2WayToGdCal, nullptr},
        {Fst2WayLoNqCal, Fst2WayHiNqCal, Fst2WayToNqCal, nullptr},
        {Fst2WayLoStepSubstitution, Fst2WayHiStepSubstitution, nullptr},
        {{"LL1", &Design::LL1}, {"CH1", &Design::CH1}},
    };
    return unit;
}

}  // namespace larkspan
