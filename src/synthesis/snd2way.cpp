#include "synthesis/snd2way.h"

#include <cmath>

#include "synthesis/combine.h"
#include "synthesis/evaluator_steps.h"

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

// A complex polynomial value at s = j·w, real part first.
struct Parts {
    double re;
    double im;
    double norm() const { return sq(re) + sq(im); }
};

// Transfer denominators and impedance numerators and denominators at s = j·w.
Parts loDen(const Design& d, double w)
{
    return {D(d.A03) - D(d.A01) * sq(w), D(d.A02) * w};
}
Parts hiDen(const Design& d, double w)
{
    return {D(d.A13) - D(d.A11) * sq(w), D(d.A12) * w};
}
Parts loImpNum(const Design& d, double w)
{
    return {D(d.B03) - D(d.B01) * sq(w), D(d.B02) * w};
}
Parts loImpDen(const Design& d, double w)
{
    return {D(d.B05), D(d.B04) * w};
}
Parts hiImpNum(const Design& d, double w)
{
    return {D(d.B13) - D(d.B11) * sq(w), D(d.B12) * w};
}
Parts hiImpDen(const Design& d, double w)
{
    return {-D(d.B14) * sq(w), D(d.B15) * w};
}

double omega(const EvalState& e)
{
    return static_cast<double>(e.f);
}

void loMagnitude(const Design& d, EvalState& e)
{
    e.NU = static_cast<float>(sq(D(d.A03)));
    e.DE = static_cast<float>(loDen(d, omega(e)).norm());
}

void hiMagnitude(const Design& d, EvalState& e)
{
    const double w = omega(e);
    e.NU = static_cast<float>(sq(-D(d.A11) * sq(w)));
    e.DE = static_cast<float>(hiDen(d, w).norm());
}

void phaseParts(EvalState& e, Parts p)
{
    e.DR = p.re;
    e.DJ = p.im;
}

// Both branches for the combination. `sign` −1 gives the true high-pass
// numerator −A11·w² and a negated low-pass one, +1 the opposite: either way
// the total is the difference of the two branches, up to its sign.
void loadTotalTransfer(const Design& d, EvalState& e, double sign)
{
    const double w = omega(e);
    const Parts lo = loDen(d, w);
    const Parts hi = hiDen(d, w);
    e.LNR = static_cast<float>(sign * D(d.A03));
    e.LNJ = 0;
    e.LDR = static_cast<float>(lo.re);
    e.LDJ = static_cast<float>(lo.im);
    e.HNR = static_cast<float>(sign * (D(d.A11) * sq(w)));
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
    loadTotalTransfer(d, e, +1);
    e.yy = static_cast<float>(degreesOf(e.NJ, e.NR) - degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

void addOffset(EvalState& e, double constant)
{
    e.yy = static_cast<float>(D(e.yy) + D(e.ss) + constant);
}

float magnitudeOf(float NU, float DE)
{
    return static_cast<float>(std::pow(D(NU) / DE, 0.5));
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
    d.LL1 = d.L1 * 1000.0F;
    d.CL1 = d.C1 * 1e6F;
    d.LH1 = d.L2 * 1000.0F;
    d.CH1 = d.C2 * 1e6F;
}

void Snd2WayLoFrCal(const Design& d, EvalState& e)
{
    loMagnitude(d, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void Snd2WayHiFrCal(const Design& d, EvalState& e)
{
    hiMagnitude(d, e);
    e.yy = attenuationDb(e.NU, e.DE);
}

void Snd2WayToFrCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e, -1);
    e.yy = static_cast<float>(-10.0 * std::log10(combinedRatio(e)));
}

void Snd2WayLoImpCal(const Design& d, EvalState& e)
{
    const double w = omega(e);
    e.NU = static_cast<float>(loImpNum(d, w).norm());
    e.DE = static_cast<float>(sq(-D(d.B04) * w) + sq(D(d.B05)));
    e.yy = logMagnitude(e.NU, e.DE);
}

void Snd2WayHiImpCal(const Design& d, EvalState& e)
{
    const double w = omega(e);
    e.NU = static_cast<float>(hiImpNum(d, w).norm());
    e.DE = static_cast<float>(hiImpDen(d, w).norm());
    e.yy = logMagnitude(e.NU, e.DE);
}

void Snd2WayToImpCal(const Design& d, EvalState& e)
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

void Snd2WayLoPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, loDen(d, omega(e)));
    addOffset(e, 0);
}

void Snd2WayHiPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiDen(d, omega(e)));
    addOffset(e, 180);
}

void Snd2WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    addOffset(e, 90);
}

void Snd2WayLoGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, loDen(d, omega(e)));
    addOffset(e, 0);
    groupDelayStep(e);
}

void Snd2WayHiGdCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiDen(d, omega(e)));
    addOffset(e, 0);
    groupDelayStep(e);
}

void Snd2WayToGdCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    addOffset(e, 0);
    groupDelayStep(e);
}

void Snd2WayLoNqCal(const Design& d, EvalState& e)
{
    loMagnitude(d, e);
    phaseParts(e, loDen(d, omega(e)));
    e.gg = magnitudeOf(e.NU, e.DE);
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    e.fai = static_cast<float>(e.fai + PI2);
    nyquistStep(e);
}

void Snd2WayHiNqCal(const Design& d, EvalState& e)
{
    hiMagnitude(d, e);
    phaseParts(e, hiDen(d, omega(e)));
    e.gg = magnitudeOf(e.NU, e.DE);
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + PI2);
    nyquistStep(e);
}

void Snd2WayToNqCal(const Design& d, EvalState& e)
{
    loadTotalTransfer(d, e, +1);
    e.gg = static_cast<float>(std::pow(combinedRatio(e), 0.5));
    e.fai = static_cast<float>(std::atan(e.NJ / e.NR) - std::atan(e.DJ / e.DR));
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    e.fai = static_cast<float>(e.fai - pi / 2);
    nyquistStep(e);
}

// H(s)/s with s scaled by 10^4, so that the time unit is 0.1 ms.
void Snd2WayLoStepSubstitution(const Design& d, EvalState& e)
{
    e.NUO = 0;
    e.NUT[1] = d.A03;
    e.DEO = 3;
    e.DET[1] = d.A01 * std::pow(10.0, 8);
    e.DET[2] = d.A02 * std::pow(10.0, 4);
    e.DET[3] = d.A03;
    e.DET[4] = 0;
}

void Snd2WayHiStepSubstitution(const Design& d, EvalState& e)
{
    e.NUO = 2;
    e.NUT[1] = d.A11 * std::pow(10.0, 8);
    e.NUT[2] = 0;
    e.NUT[3] = 0;
    e.DEO = 3;
    e.DET[1] = d.A11 * std::pow(10.0, 8);
    e.DET[2] = d.A12 * std::pow(10.0, 4);
    e.DET[3] = d.A13;
    e.DET[4] = 0;
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
