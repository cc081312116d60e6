#include "synthesis/trd2way.h"

#include <cmath>

#include "synthesis/display_units.h"
#include "synthesis/precision.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

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

constexpr UnitShape kTrd2Way{
    Trd2WaycofCal,
    2,
    Sum::FromLowest,
    {{
        // Lo: L1 in series, C1 across, L2 in series to the woofer.
        {{&Design::A04},
         {&Design::A01, &Design::A02, &Design::A03, &Design::A04},
         {&Design::B04, &Design::B02, &Design::B03, &Design::B01},
         {&Design::B05, &Design::B06, 1},
         {.offset = -180, .wrap = true},
         {}},
        // Hi: C2 in series, L3 across, C3 in series to the tweeter.
        {{&Design::A11, 0, 0, 0},
         {&Design::A11, &Design::A12, &Design::A13, &Design::A14},
         {&Design::B13, &Design::B11, &Design::B12, 1},
         {&Design::B16, &Design::B14, &Design::B15, 0},
         {.offset = 90, .wrap = true},
         {.shift = -pi / 2}},
    }},
    // The low-pass numerator carries the polarity of the connection; an
    // inverted low-pass turns the total's phase by a further quarter turn.
    {.amplitude = {Factor::Pole, Factor::One},
     .angle = {Factor::Pole, Factor::One},
     .phase = {.wrap = true, .thenReversed = 90},
     .delay = {.thenReversed = 90},
     .nyquist = {.shift = PI2, .thenReversed = pi / 2}},
};

const NetworkUnit& trd2WayUnit()
{
    static const NetworkUnit unit = makeUnit<kTrd2Way>({{{"Trd2WayLoFrCal", "Trd2WayHiFrCal", "Trd2WayToFrCal"},
                                                         {"Trd2WayLoImpCal", "Trd2WayHiImpCal", "Trd2WayToImpCal"},
                                                         {"Trd2WayLoPhCal", "Trd2WayHiPhCal", "Trd2WayToPhCal"},
                                                         {"Trd2WayLoGdCal", "Trd2WayHiGdCal", "Trd2WayToGdCal"},
                                                         {"Trd2WayLoNqCal", "Trd2WayHiNqCal", "Trd2WayToNqCal"},
                                                         {"Trd2WayLoStepSubstitution", "Trd2WayHiStepSubstitution"}}},
                                                       {{"LL1", &Design::LL1},
                                                        {"LL2", &Design::LL2},
                                                        {"CL1", &Design::CL1},
                                                        {"CH1", &Design::CH1},
                                                        {"CH2", &Design::CH2},
                                                        {"LH1", &Design::LH1}});
    return unit;
}

}  // namespace larkspan
