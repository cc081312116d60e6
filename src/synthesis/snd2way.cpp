#include "synthesis/snd2way.h"

#include <cmath>

#include "synthesis/display_units.h"
#include "synthesis/precision.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

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

constexpr UnitShape kSnd2Way{
    Snd2WaycofCal,
    2,
    Sum::FromLowest,
    {{sndLow, sndHigh}},
    // The total is the difference of the branches, up to its sign: the
    // amplitude negates the low-pass numerator, the phase the high-pass one.
    {.amplitude = {Factor::Minus, Factor::One},
     .angle = {Factor::One, Factor::Minus},
     .phase = {.offset = 90},
     .nyquist = {.shift = -pi / 2}},
};

const NetworkUnit& snd2WayUnit()
{
    static const NetworkUnit unit = makeUnit<kSnd2Way>(
        {{{"Snd2WayLoFrCal", "Snd2WayHiFrCal", "Snd2WayToFrCal"},
          {"Snd2WayLoImpCal", "Snd2WayHiImpCal", "Snd2WayToImpCal"},
          {"Snd2WayLoPhCal", "Snd2WayHiPhCal", "Snd2WayToPhCal"},
          {"Snd2WayLoGdCal", "Snd2WayHiGdCal", "Snd2WayToGdCal"},
          {"Snd2WayLoNqCal", "Snd2WayHiNqCal", "Snd2WayToNqCal"},
          {"Snd2WayLoStepSubstitution", "Snd2WayHiStepSubstitution"}}},
        {{"LL1", &Design::LL1}, {"CL1", &Design::CL1}, {"CH1", &Design::CH1}, {"LH1", &Design::LH1}});
    return unit;
}

}  // namespace larkspan
