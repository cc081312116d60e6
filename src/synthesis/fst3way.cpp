#include "synthesis/fst3way.h"

#include <cmath>

#include "synthesis/display_units.h"
#include "synthesis/fst2way.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

void Fst3WaycofCal(Design& d)
{
    d.L1 = static_cast<float>(d.RE / (PI2 * d.FXL));
    d.LL1 = mH(d.L1);
    d.C2 = static_cast<float>(1 / (PI2 * d.FXH * d.RH));
    d.CH1 = uF(d.C2);

    d.F0 = static_cast<float>(std::pow(static_cast<double>(d.FXL) * d.FXH, 0.5));
    d.R1 = static_cast<float>(static_cast<double>(d.FXL) / d.F0);
    d.R2 = static_cast<float>(static_cast<double>(d.FXH) / d.F0);
    d.k0 = d.R1 + d.R2;
    d.H1 = static_cast<float>(1 - std::pow(static_cast<double>(d.R1), 2.0));
    d.H2 = static_cast<float>(std::fabs(static_cast<double>(d.H1)) * d.R2);
    d.RAN = static_cast<float>(d.RM * (static_cast<double>(d.k0) / d.H2 - 1));
    d.R0 = d.RM + d.RAN;
    d.L2 = static_cast<float>(d.R0 / (static_cast<double>(d.k0) * PI2 * d.F0));
    d.LM1 = mH(d.L2);
    d.C1 = static_cast<float>(d.k0 / (static_cast<double>(d.R0) * PI2 * d.F0));
    d.CM1 = uF(d.C1);

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

// Mid: RM behind the series L2, C1 and RAN, A23·s / (A21·s² + A22·s + A24).
constexpr Branch kMid{
    {&Design::A23, 0}, {&Design::A21, &Design::A22, &Design::A24}, {&Design::B21, &Design::B22, &Design::B24},
    {&Design::B23, 0}, {.offset = 90, .chain = Chain::Single},     {.shift = -pi * 1.5},
};

constexpr UnitShape kFst3Way{
    Fst3WaycofCal,
    3,
    Sum::FromLowest,
    {{fstLow, kMid, fstHigh}},
    {.phase = {.offset = 180, .chain = Chain::Single}, .nyquist = {.shift = pi}},
};

const NetworkUnit& fst3WayUnit()
{
    // The 3-way phase plot uses the 2-way high-branch phase evaluator.
    static const NetworkUnit unit = makeUnit<kFst3Way>(
        {{{"Fst3WayLoFrCal", "Fst3WayMidFrCal", "Fst3WayHiFrCal", "Fst3WayToFrCal"},
          {"Fst3WayLoImpCal", "Fst3WayMidImpCal", "Fst3WayHiImpCal", "Fst3WayToImpCal"},
          {"Fst3WayLoPhCal", "Fst3WayMidPhCal", "Fst2WayHiPhCal", "Fst3WayToPhCal"},
          {"Fst3WayLoGdCal", "Fst3WayMidGdCal", "Fst3WayHiGdCal", "Fst3WayToGdCal"},
          {"Fst3WayLoNqCal", "Fst3WayMidNqCal", "Fst3WayHiNqCal", "Fst3WayToNqCal"},
          {"Fst3WayLoStepSubstitution", "Fst3WayMidStepSubstitution", "Fst3WayHiStepSubstitution"}}},
        {{"LL1", &Design::LL1}, {"LM1", &Design::LM1}, {"CM1", &Design::CM1}, {"CH1", &Design::CH1}});
    return unit;
}

}  // namespace larkspan
