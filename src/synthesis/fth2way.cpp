#include "synthesis/fth2way.h"

#include <cmath>

#include "synthesis/display_units.h"
#include "synthesis/precision.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

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
    d.LL1 = mH(d.L1);
    d.CL1 = uF(d.C1);
    d.LL2 = mH(d.L2);
    d.CL2 = uF(d.C2);
    d.CH1 = uF(d.C3);
    d.LH1 = mH(d.L3);
    d.CH2 = uF(d.C4);
    d.LH2 = mH(d.L4);
}

// Its sums run from the highest power.
constexpr UnitShape kFth2Way{
    Fth2WaycofCal,
    2,
    Sum::FromHighest,
    {{fthLow, fthHigh}},
    // Both drivers in the same polarity: the total is the plain sum.
    {.phase = {.wrap = true}, .nyquist = {.shift = PI2}},
};

const NetworkUnit& fth2WayUnit()
{
    static const NetworkUnit unit = makeUnit<kFth2Way>({{{"Fth2WayLoFrCal", "Fth2WayHiFrCal", "Fth2WayToFrCal"},
                                                         {"Fth2WayLoImpCal", "Fth2WayHiImpCal", "Fth2WayToImpCal"},
                                                         {"Fth2WayLoPhCal", "Fth2WayHiPhCal", "Fth2WayToPhCal"},
                                                         {"Fth2WayLoGdCal", "Fth2WayHiGdCal", "Fth2WayToGdCal"},
                                                         {"Fth2WayLoNqCal", "Fth2WayHiNqCal", "Fth2WayToNqCal"},
                                                         {"Fth2WayLoStepSubstitution", "Fth2WayHiStepSubstitution"}}},
                                                       {{"LL1", &Design::LL1},
                                                        {"LL2", &Design::LL2},
                                                        {"CL1", &Design::CL1},
                                                        {"CL2", &Design::CL2},
                                                        {"CH1", &Design::CH1},
                                                        {"CH2", &Design::CH2},
                                                        {"LH1", &Design::LH1},
                                                        {"LH2", &Design::LH2}});
    return unit;
}

}  // namespace larkspan
