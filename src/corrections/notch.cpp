#include "corrections/notch.h"

#include <array>
#include <cmath>
#include <string>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "response/axis.h"
#include "response/sweep_loop.h"
#include "response/sweeps.h"
#include "synthesis/combine.h"
#include "synthesis/precision.h"

namespace larkspan {

namespace {

// The voice coil (REE in series with LEE, in mH) in series with the motional
// branch, Rm, L02 and C02 in parallel, as one rational function of s.
void driverModel(NotchScratch& m, double REE, double LEE, double Rm)
{
    const double L02 = m.L02;
    const double C02 = m.C02;
    m.B01 = f32(L02 * C02 * LEE / 1000);
    m.B02 = f32(L02 * C02 * REE + (L02 * LEE / Rm) / 1000);
    m.B03 = f32(L02 * (1 + REE / Rm) + LEE / 1000);
    m.B04 = f32(REE);
    m.A01 = f32(L02 * C02);
    m.A02 = f32(L02 / Rm);
}

// Rear radiating into a closed box of net volume VB.
void closedBox(Design& d)
{
    NotchWorkingSet& w = d.notchSet;
    NotchScratch& m = d.notchCalc;
    const double FS = w.FS, VAS = w.VAS, QES = w.QES, QMS = w.QMS, REE = w.REE, QA = w.QA;

    CPopt(d);
    m.VAB = f32(static_cast<double>(m.CP) * w.VB);
    m.AL1 = f32(VAS / m.VAB);
    m.HH = f32(std::pow(static_cast<double>(m.AL1) + 1, 0.5));
    w.FC = f32(static_cast<double>(m.HH) * FS);
    const double FC = w.FC;

    m.VAT = f32(1 / (1 / VAS + 1 / static_cast<double>(m.VAB)));
    m.AL2 = f32(VAS / m.VAT);
    m.QMB = f32(QMS * m.HH);
    m.QMC = f32(1 / (1 / static_cast<double>(m.QMB) + 1 / QA));

    m.RES = f32(REE * QMS / QES);

    // Motional impedance at FC, normalised to RES.
    m.A01 = f32(1 / QMS + m.AL2 / (static_cast<double>(m.HH) * QA));
    m.A02 = f32(1 + static_cast<double>(m.AL1));
    m.B01 = f32(1 / QMS);
    const double x = f32(FC / FS);
    const double num = static_cast<double>(m.B01) * x;
    const double re = m.A02 - x * x;
    const double im = static_cast<double>(m.A01) * x;
    m.ZVC = f32((num * num) / (re * re + im * im));

    const double RES = m.RES;
    m.RPK = f32(REE + RES * std::pow(static_cast<double>(m.ZVC), 0.5));
    m.RECC = f32(RES * std::pow(static_cast<double>(m.ZVC), 0.5));
    m.REN = f32(m.RPK * REE / (m.RPK - REE));

    m.L02 = f32(RES / (PI2 * FC * m.QMC));
    m.C02 = f32(m.QMC / (PI2 * FC * RES));
    driverModel(m, REE, w.LEE, m.RECC);

    m.QEC = f32(static_cast<double>(m.HH) * QES / 1.75);
    m.L01 = f32(m.QEC * REE / (PI2 * FC));
    m.C01 = f32(1 / (PI2 * FC * m.QEC * REE));
}

// No box: the driver in free air.
void infiniteBaffle(Design& d)
{
    const NotchWorkingSet& w = d.notchSet;
    NotchScratch& m = d.notchCalc;
    const double FS = w.FS, QES = w.QES, QMS = w.QMS, REE = w.REE;

    m.RES = f32(REE * QMS / QES);
    m.RPK = f32(REE + m.RES);
    const double RES = m.RES;

    m.L02 = f32(RES / (PI2 * FS * QMS));
    m.C02 = f32(QMS / (PI2 * FS * RES));
    driverModel(m, REE, w.LEE, RES);

    m.REN = f32(m.RPK * REE / (m.RPK - REE));

    m.QESS = f32(QES / 1.5);
    m.L01 = f32(m.QESS * static_cast<double>(m.REN) / (PI2 * FS));
    m.C01 = f32(1 / (PI2 * FS * m.QESS * m.REN));
}

bool removesImpInc(const Design& d)
{
    return (d.notchSet.Notch == 1 && d.HigRemvImpInc == 1) || (d.notchSet.Notch == 2 && d.MidRemvImpInc == 1);
}

// The members of one driver's set and their working-set counterparts.
struct FloatPair {
    float Design::*design;
    float NotchWorkingSet::*work;
};
struct FlagPair {
    std::int16_t Design::*design;
    std::int16_t NotchWorkingSet::*work;
};
struct DriverSet {
    std::string Design::*label;
    std::array<FloatPair, 13> values;
    std::array<FlagPair, 3> flags;
    std::int16_t Design::*QAPopItem;
};

using W = NotchWorkingSet;

constexpr DriverSet kHighDriver{
    &Design::s_SPH,
    {{{&Design::HigSPL, &W::SPL},
      {&Design::HigFS, &W::FS},
      {&Design::HigVAS, &W::VAS},
      {&Design::HigQTS, &W::QTS},
      {&Design::HigQES, &W::QES},
      {&Design::HigQMS, &W::QMS},
      {&Design::HigEFI, &W::EFI},
      {&Design::RH, &W::REE},
      {&Design::LH, &W::LEE},
      {&Design::HigVB, &W::VB},
      {&Design::HigFC, &W::FC},
      {&Design::HigQTC, &W::QTC},
      {&Design::HigQA, &W::QA}}},
    {{{&Design::HigNotchAorG, &W::NotchAorG},
      {&Design::HigNotchGrp, &W::NotchGrp},
      {&Design::HigRemvImpInc, &W::RemvImpInc}}},
    &Design::HigQAPopItem,
};

constexpr DriverSet kMidDriver{
    &Design::s_SPM,
    {{{&Design::MidSPL, &W::SPL},
      {&Design::MidFS, &W::FS},
      {&Design::MidVAS, &W::VAS},
      {&Design::MidQTS, &W::QTS},
      {&Design::MidQES, &W::QES},
      {&Design::MidQMS, &W::QMS},
      {&Design::MifnI, &W::EFI},
      {&Design::RM, &W::REE},
      {&Design::LM, &W::LEE},
      {&Design::MidVB, &W::VB},
      {&Design::MidFC, &W::FC},
      {&Design::MidQTC, &W::QTC},
      {&Design::MidQA, &W::QA}}},
    {{{&Design::MidNotchAorG, &W::NotchAorG},
      {&Design::MidNotchGrp, &W::NotchGrp},
      {&Design::MidRemvImpInc, &W::RemvImpInc}}},
    &Design::MidQAPopItem,
};

// A pair left out of a table would be a null member pointer.
constexpr bool complete(const DriverSet& set)
{
    for (const auto& p : set.values)
        if (p.design == nullptr || p.work == nullptr) return false;
    for (const auto& p : set.flags)
        if (p.design == nullptr || p.work == nullptr) return false;
    return set.label != nullptr && set.QAPopItem != nullptr;
}
static_assert(complete(kHighDriver) && complete(kMidDriver));

const DriverSet* driverSet(int notch)
{
    if (notch == 1) return &kHighDriver;
    if (notch == 2) return &kMidDriver;
    return nullptr;
}

// Both evaluators of the driver alone share one formula; the model
// coefficients already differ between free air and closed box.
void driverAlone(const Design& d, EvalState& e)
{
    const NotchScratch& m = d.notchCalc;
    const double f = e.f;
    const double re = m.B04 - m.B02 * f * f;
    const double im = m.B03 * f - m.B01 * f * f * f;
    e.NU = f32(re * re + im * im);
    const double dr = 1 - m.A01 * f * f;
    const double dj = m.A02 * f;
    e.DE = f32(dr * dr + dj * dj);
    const float ZVC = f32(std::pow(static_cast<double>(e.NU) / e.DE, 0.5));
    e.yy = f32(std::log10(static_cast<double>(ZVC)));
}

}  // namespace

void CPopt(Design& d)
{
    const float QA = d.notchSet.QA;
    float& CP = d.notchCalc.CP;
    if (QA == 5) {
        CP = 1.2F;
    } else if (QA == 7) {
        CP = 1.1F;
    } else if (QA == 10 || QA == 15 || QA == 20) {
        CP = 1.0F;
    }
}

void NotchCal(Design& d)
{
    if (d.notchSet.VAS > 0)
        closedBox(d);
    else
        infiniteBaffle(d);

    const NotchWorkingSet& w = d.notchSet;
    NotchScratch& m = d.notchCalc;
    const double L01 = m.L01, C01 = m.C01, REN = m.REN;
    m.B11 = f32(L01 * C01);
    m.B12 = f32(C01 * REN);
    m.A11 = f32(C01);

    const double REE = w.REE;
    m.REQ = w.REE;
    m.CEQ = f32((w.LEE / (REE * REE)) / 1000);
    if (removesImpInc(d)) m.CEQ = 0;
    m.B21 = f32(static_cast<double>(m.CEQ) * m.REQ);
    m.A21 = m.CEQ;

    if (w.Notch == 1) {
        d.RNTH = m.REN;
        d.LNTH = f32(L01 * 1000);
        d.CNTH = f32(C01 * 1000000);
    } else if (w.Notch == 2) {
        d.RNTM = m.REN;
        d.LNTM = f32(L01 * 1000);
        d.CNTM = f32(C01 * 1000000);
    }
}

void MainProgramToNotchParam(Design& d)
{
    const DriverSet* set = driverSet(d.notchSet.Notch);
    if (!set) return;
    NotchWorkingSet& w = d.notchSet;
    w.s_SP = d.*set->label;
    for (const auto& p : set->values) w.*p.work = d.*p.design;
    for (const auto& p : set->flags) w.*p.work = d.*p.design;
    w.QAPopItem = d.*set->QAPopItem;
}

void ParamToMainProgram(Design& d)
{
    if (const DriverSet* set = driverSet(d.notchSet.Notch)) {
        const NotchWorkingSet& w = d.notchSet;
        d.*set->label = w.s_SP;
        for (const auto& p : set->values) d.*p.design = w.*p.work;
        for (const auto& p : set->flags) d.*p.design = w.*p.work;
        d.*set->QAPopItem = qaPopItemFor(w.QA, d.*set->QAPopItem);
    }
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
}

void IB2IMPcal(const Design& d, EvalState& e)
{
    driverAlone(d, e);
}

void CB2IMPcal(const Design& d, EvalState& e)
{
    driverAlone(d, e);
}

void NotchToImp(const Design& d, EvalState& e)
{
    const NotchScratch& m = d.notchCalc;
    const double w = e.f;
    // Driver.
    e.LNR = f32(m.B04 - m.B02 * w * w);
    e.LNJ = f32(m.B03 * w - m.B01 * w * w * w);
    e.LDR = f32(1 - m.A01 * w * w);
    e.LDJ = f32(m.A02 * w);
    // Notch.
    e.MNR = f32(1 - m.B11 * w * w);
    e.MNJ = f32(m.B12 * w);
    e.MDR = 0;
    e.MDJ = f32(m.A11 * w);
    // Impedance-increase correction; with CEQ = 0 an open circuit.
    e.HNR = 1;
    e.HNJ = f32(m.B21 * w);
    e.HDR = 0;
    e.HDJ = f32(m.A21 * w);
    ThreeWayToImpCal(e);
    e.yy = f32(std::log10(std::pow((e.NR * e.NR + e.NJ * e.NJ) / (e.DR * e.DR + e.DJ * e.DJ), 0.5)));
}

Curve NotchImpPlot2(const Design& d, int ii)
{
    Curve curve;
    Evaluator eval = nullptr;
    if (ii == 1) {
        curve.branch = "Before";
        curve.colour = {0, 0.7843F, 0};
        curve.LineW = 1;
        eval = d.notchSet.VAS > 0 ? CB2IMPcal : IB2IMPcal;
    } else if (ii == 2) {
        curve.branch = "After";
        curve.colour = {1, 0.5294F, 0};
        curve.LineW = 2;
        eval = NotchToImp;
    } else {
        return curve;
    }
    // The frequency in Hz is rounded to single precision before it becomes
    // angular, as these curves have always been computed.
    const auto omega = [](const SweepStep& s) { return f32(f32(std::pow(10.0, static_cast<double>(s.k))) * PI2); };
    const auto toY = [](float yy) { return f32(kCorrectedImpedanceAxis.map(yy)); };
    risingSweep(
        curve, omega, [&](EvalState& e) { eval(d, e); }, toY, impDrawable);
    return curve;
}

std::vector<Curve> NotchImpPlot(const Design& d)
{
    return {NotchImpPlot2(d, 1), NotchImpPlot2(d, 2)};
}

bool corrImpViewEnabled(const Design& d, int notch)
{
    if (notch == 1) return d.HigCorrDisp == 1;
    if (notch == 2) return d.MidCorrDisp == 1 && d.channel == 3;
    return false;
}

void selectCorrImpView(Design& d, int notch)
{
    if (notch != 1 && notch != 2) return;
    d.s_Resp = notch == 1 ? "HigCorrImp" : "MidCorrImp";
    d.respID = static_cast<std::int16_t>(notch == 1 ? 10 : 11);
    d.notchSet.Notch = static_cast<std::int16_t>(notch);
    MainProgramToNotchParam(d);
}

}  // namespace larkspan
