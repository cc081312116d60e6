#include "synthesis/fth2way.h"

#include <cmath>

#include "synthesis/combine.h"
#include "synthesis/evaluator_steps.h"

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

// A complex polynomial value at s = j·w, real part first.
struct Parts {
    double re;
    double im;
    double norm() const { return pw(re, 2.0) + pw(im, 2.0); }
};

// Transfer denominators and impedance numerators and denominators at s = j·w.
Parts loDen(const Design& d, double w)
{
    return {D(d.A01) * pw(w, 4.0) - D(d.A03) * pw(w, 2.0) + D(d.A05), D(d.A04) * w - D(d.A02) * pw(w, 3.0)};
}
Parts hiDen(const Design& d, double w)
{
    return {D(d.A11) * pw(w, 4.0) - D(d.A13) * pw(w, 2.0) + D(d.A15), D(d.A14) * w - D(d.A12) * pw(w, 3.0)};
}
double hiNum(const Design& d, double w)
{
    return D(d.A11) * pw(w, 4.0);
}
Parts loImpNum(const Design& d, double w)
{
    return {D(d.B01) * pw(w, 4.0) - D(d.B03) * pw(w, 2.0) + D(d.B05), -D(d.B02) * pw(w, 3.0) + D(d.B04) * w};
}
Parts loImpDen(const Design& d, double w)
{
    return {D(d.B09) - D(d.B07) * pw(w, 2.0), -D(d.B06) * pw(w, 3.0) + D(d.B08) * w};
}
Parts hiImpNum(const Design& d, double w)
{
    return {D(d.B11) * pw(w, 4.0) - D(d.B13) * pw(w, 2.0) + D(d.B15), -D(d.B12) * pw(w, 3.0) + D(d.B14) * w};
}
Parts hiImpDen(const Design& d, double w)
{
    return {D(d.B16) * pw(w, 4.0) - D(d.B18) * pw(w, 2.0), -D(d.B17) * pw(w, 3.0) + D(d.B19) * w};
}

double omega(const EvalState& e)
{
    return static_cast<double>(e.f);
}

void loMagnitude(const Design& d, EvalState& e)
{
    e.NU = static_cast<float>(pw(D(d.A05), 2.0));
    e.DE = static_cast<float>(loDen(d, omega(e)).norm());
}

void hiMagnitude(const Design& d, EvalState& e)
{
    const double w = omega(e);
    e.NU = static_cast<float>(pw(hiNum(d, w), 2.0));
    e.DE = static_cast<float>(hiDen(d, w).norm());
}

void phaseParts(EvalState& e, Parts p)
{
    e.DR = p.re;
    e.DJ = p.im;
}

// Both branches for the combination, in the same polarity.
void loadTotalTransfer(const Design& d, EvalState& e)
{
    const double w = omega(e);
    const Parts lo = loDen(d, w);
    const Parts hi = hiDen(d, w);
    e.LNR = d.A05;
    e.LNJ = 0;
    e.LDR = static_cast<float>(lo.re);
    e.LDJ = static_cast<float>(lo.im);
    e.HNR = static_cast<float>(hiNum(d, w));
    e.HNJ = 0;
    e.HDR = static_cast<float>(hi.re);
    e.HDJ = static_cast<float>(hi.im);
    TwoWayToCal(e);
}

// Raw branch phase from its denominator, folded into 0..180 and unwrapped.
void branchPhase(EvalState& e, Parts den)
{
    phaseParts(e, den);
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

void totalPhase(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    e.yy = static_cast<float>(degreesOf(e.NJ, e.NR) - degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

void addOffset(EvalState& e, double constant)
{
    e.yy = static_cast<float>(D(e.yy) + D(e.ss) + constant);
}

// One correction into 0..360 for the phase graph.
void wrap360(EvalState& e)
{
    if (e.yy < 0) e.yy = static_cast<float>(D(e.yy) + 360);
    if (e.yy > 360) e.yy = static_cast<float>(D(e.yy) - 360);
}

float magnitudeOf(float NU, float DE)
{
    return static_cast<float>(std::pow(D(NU) / DE, 0.5));
}

void branchNyquist(EvalState& e, Parts den)
{
    phaseParts(e, den);
    e.gg = magnitudeOf(e.NU, e.DE);
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    nyquistStep(e);
}

}  // namespace

void Fth2WaycofCal(Design& d)
{
    d.AA = static_cast<float>(std::pow(4.0 + 2.0 * std::pow(2.0, 0.5), 0.5));
    d.BB = static_cast<float>(2 + std::pow(2.0, 0.5));
    d.CC = static_cast<float>(std::pow(2.0, 0.5));
    const double aa = D(d.AA), bb = D(d.BB), cc = D(d.CC);
    const double re = D(d.RE), rh = D(d.RH);
    const double w = PI2 * D(d.FX);

    bool known = true;
    double l1 = 0, l2 = 0, c1 = 0, c2 = 0, c3 = 0, c4 = 0, l3 = 0, l4 = 0;
    if (d.s_Type == "Butter") {
        l1 = aa * (bb - 2) * re / ((bb - 1) * w);
        l2 = aa * re / ((bb - 1) * w);
        c1 = pw(bb - 1, 2.0) / (aa * (bb - 2) * w * re);
        c2 = 1 / (aa * w * re);
        c3 = (bb - 1) / (aa * (bb - 2) * w * rh);
        c4 = (bb - 1) / (aa * w * rh);
        l3 = aa * (bb - 2) * rh / (pw(bb - 1, 2.0) * w);
        l4 = aa * rh / w;
    } else if (d.s_Type == "ButAsy") {
        l1 = aa * (bb - 2) * re / ((bb - 1) * w * 0.88);
        l2 = aa * re / ((bb - 1) * w * 0.88);
        c1 = pw(bb - 1, 2.0) / (aa * (bb - 2) * w * re * 0.88);
        c2 = 1 / (aa * w * re * 0.88);
        c3 = 0.88 * (bb - 1) / (aa * (bb - 2) * w * rh);
        c4 = 0.88 * (bb - 1) / (aa * w * rh);
        l3 = 0.88 * aa * (bb - 2) * rh / (pw(bb - 1, 2.0) * w);
        l4 = 0.88 * aa * rh / w;
    } else if (d.s_Type == "Linkwi") {
        l1 = 4 * cc * re / (3 * w);
        l2 = 2 * cc * re / (3 * w);
        c1 = 9 / (4 * cc * w * re);
        c2 = 1 / (2 * cc * w * re);
        c3 = 3 / (4 * cc * w * rh);
        c4 = 3 / (2 * cc * w * rh);
        l3 = 4 * cc * rh / (9 * w);
        l4 = 2 * cc * rh / w;
    } else if (d.s_Type == "Bessel") {
        l1 = (49 * re / (69 * w)) * 2.9 / 1.15;
        l2 = (20 * re / (69 * w)) * 2.9 / 1.15;
        c1 = (4761 / (10290 * w * re)) * 2.9 / 1.15;
        c2 = (1 / (10 * w * re)) * 2.9 / 1.15;
        c3 = (69 / (49 * w * rh)) / 2.9 * 1.15;
        c4 = (69 / (20 * w * rh)) / 2.9 * 1.15;
        l3 = (10290 * rh / (4761 * w)) / 2.9 * 1.15;
        l4 = (10 * rh / w) / 2.9 * 1.15;
    } else if (d.s_Type == "Chebyc") {
        l1 = (1.28173 * re / w) / 0.99;
        l2 = (1.41256 * re / w) / 0.99;
        c1 = (1.90934 / (w * re)) / 0.99;
        c2 = (1.04952 / (w * re)) / 0.99;
        c3 = (0.780196 / (w * rh)) * 0.99;
        c4 = (0.707935 / (w * rh)) * 0.99;
        l3 = (0.523774 * rh / w) * 0.99;
        l4 = (0.952817 * rh / w) * 0.99;
    } else {
        known = false;  // no formulas: the previous components stay
    }
    if (known) {
        d.L1 = static_cast<float>(l1);
        d.C1 = static_cast<float>(c1);
        d.L2 = static_cast<float>(l2);
        d.C2 = static_cast<float>(c2);
        d.C3 = static_cast<float>(c3);
        d.L3 = static_cast<float>(l3);
        d.C4 = static_cast<float>(c4);
        d.L4 = static_cast<float>(l4);
    }
    valChg2way4th(d);

    const double L1 = D(d.L1), L2 = D(d.L2), L3 = D(d.L3), L4 = D(d.L4);
    const double C1 = D(d.C1), C2 = D(d.C2), C3 = D(d.C3), C4 = D(d.C4);
    d.A01 = static_cast<float>(L1 * C1 * L2 * C2);
    d.A02 = static_cast<float>(L1 * C1 * L2 / re);
    d.A03 = static_cast<float>(L1 * C1 + L1 * C2 + L2 * C2);
    d.A04 = static_cast<float>((L1 + L2) / re);
    d.A05 = 1.0F;
    d.A11 = static_cast<float>(L3 * C3 * L4 * C4);
    d.A12 = static_cast<float>((L3 * C3 * L4 + L3 * L4 * C4) / rh);
    d.A13 = static_cast<float>(L3 * C3 + L3 * C4 + L4 * C4);
    d.A14 = static_cast<float>(L4 / rh);
    d.A15 = 1.0F;
    d.B01 = d.A01;
    d.B02 = d.A02;
    d.B03 = d.A03;
    d.B04 = d.A04;
    d.B05 = d.A05;
    d.B06 = static_cast<float>(C1 * C2 * L2);
    d.B07 = static_cast<float>(C1 * L2 / re);
    d.B08 = static_cast<float>(C1 + C2);
    d.B09 = static_cast<float>(1 / re);
    d.B11 = d.A11;
    d.B12 = d.A12;
    d.B13 = d.A13;
    d.B14 = d.A14;
    d.B15 = d.A15;
    d.B16 = static_cast<float>(C3 * C4 * L3 * L4 / rh);
    d.B17 = static_cast<float>(C3 * C4 * L3 + C3 * C4 * L4);
    d.B18 = static_cast<float>(C3 * L4 / rh);
    d.B19 = d.C3;
}

void valChg2way4th(Design& d)
{
    d.LL1 = d.L1 * 1000.0F;
    d.CL1 = d.C1 * 1e6F;
    d.LL2 = d.L2 * 1000.0F;
    d.CL2 = d.C2 * 1e6F;
    d.CH1 = d.C3 * 1e6F;
    d.LH1 = d.L3 * 1000.0F;
    d.CH2 = d.C4 * 1e6F;
    d.LH2 = d.L4 * 1000.0F;
}

void Fth2WayLoFrCal(const Design& d, EvalState& e)
{
    loMagnitude(d, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void Fth2WayHiFrCal(const Design& d, EvalState& e)
{
    hiMagnitude(d, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void Fth2WayToFrCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    e.yy = static_cast<float>(-10.0 * std::log10(combinedRatio(e)));
}

void Fth2WayLoImpCal(const Design& d, EvalState& e)
{
    const double w = omega(e);
    e.NU = static_cast<float>(loImpNum(d, w).norm());
    e.DE = static_cast<float>(loImpDen(d, w).norm());
    e.yy = logMagnitude(e.NU, e.DE);
}

void Fth2WayHiImpCal(const Design& d, EvalState& e)
{
    const double w = omega(e);
    e.NU = static_cast<float>(hiImpNum(d, w).norm());
    e.DE = static_cast<float>(hiImpDen(d, w).norm());
    e.yy = logMagnitude(e.NU, e.DE);
}

void Fth2WayToImpCal(const Design& d, EvalState& e)
{
    const double w = omega(e);
    const Parts ln = loImpNum(d, w), ld = loImpDen(d, w), hn = hiImpNum(d, w), hd = hiImpDen(d, w);
    e.LNR = static_cast<float>(ln.re);
    e.LNJ = static_cast<float>(ln.im);
    e.LDR = static_cast<float>(ld.re);
    e.LDJ = static_cast<float>(ld.im);
    e.HNR = static_cast<float>(hn.re);
    e.HNJ = static_cast<float>(hn.im);
    e.HDR = static_cast<float>(hd.re);
    e.HDJ = static_cast<float>(hd.im);
    TwoWayToImpCal(e);
    e.yy = static_cast<float>(std::log10(std::pow(combinedRatio(e), 0.5)));
}

void Fth2WayLoPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, loDen(d, omega(e)));
    addOffset(e, -180);
    wrap360(e);
}

void Fth2WayHiPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiDen(d, omega(e)));
    addOffset(e, 180);
    wrap360(e);
}

void Fth2WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    addOffset(e, 0);
    wrap360(e);
}

void Fth2WayLoGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, loDen(d, omega(e)));
    addOffset(e, 0);
    groupDelayStep(e);
}

void Fth2WayHiGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiDen(d, omega(e)));
    addOffset(e, 0);
    groupDelayStep(e);
}

void Fth2WayToGdCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    addOffset(e, 0);
    groupDelayStep(e);
}

void Fth2WayLoNqCal(const Design& d, EvalState& e)
{
    loMagnitude(d, e);
    branchNyquist(e, loDen(d, omega(e)));
}

void Fth2WayHiNqCal(const Design& d, EvalState& e)
{
    hiMagnitude(d, e);
    branchNyquist(e, hiDen(d, omega(e)));
}

void Fth2WayToNqCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e);
    e.gg = static_cast<float>(std::pow(combinedRatio(e), 0.5));
    e.fai = static_cast<float>(std::atan(e.NJ / e.NR) - std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    e.fai = static_cast<float>(e.fai + PI2);
    nyquistStep(e);
}

// H(s)/s with s scaled by 10^4, so that the time unit is 0.1 ms.
void Fth2WayLoStepSubstitution(const Design& d, EvalState& e)
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

void Fth2WayHiStepSubstitution(const Design& d, EvalState& e)
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

const NetworkUnit& fth2WayUnit()
{
    static const NetworkUnit unit{
        Fth2WaycofCal,
        {Fth2WayLoFrCal, Fth2WayHiFrCal, Fth2WayToFrCal, nullptr},
        {Fth2WayLoImpCal, Fth2WayHiImpCal, Fth2WayToImpCal, nullptr},
        {Fth2WayLoPhCal, Fth2WayHiPhCal, Fth2WayToPhCal, nullptr},
        {Fth2WayLoGdCal, Fth2WayHiGdCal, Fth2WayToGdCal, nullptr},
        {Fth2WayLoNqCal, Fth2WayHiNqCal, Fth2WayToNqCal, nullptr},
        {Fth2WayLoStepSubstitution, Fth2WayHiStepSubstitution, nullptr},
        {{"LL1", &Design::LL1},
         {"LL2", &Design::LL2},
         {"CL1", &Design::CL1},
         {"CL2", &Design::CL2},
         {"CH1", &Design::CH1},
         {"CH2", &Design::CH2},
         {"LH1", &Design::LH1},
         {"LH2", &Design::LH2}},
    };
    return unit;
}

}  // namespace larkspan
