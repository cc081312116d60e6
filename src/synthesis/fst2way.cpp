#include "synthesis/fst2way.h"

#include "synthesis/display_units.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

void Fst2WaycofCal(Design& d)
{
    d.L1 = static_cast<float>(d.RE / (PI2 * d.FX));
    d.LL1 = mH(d.L1);
    d.C1 = static_cast<float>(1 / (PI2 * d.FX * d.RH));
    d.CH1 = uF(d.C1);

    d.A01 = d.B01 = d.L1;
    d.A02 = d.B02 = d.RE;
    d.A11 = d.B11 = d.C1 * d.RH;
    d.A12 = d.B12 = 1;
    d.B13 = d.C1;
}

constexpr UnitShape kFst2Way{
    Fst2WaycofCal, 2, Sum::FromLowest, {{fstLow, fstHigh}}, {.phase = {.offset = 180, .chain = Chain::Single}},
};

const NetworkUnit& fst2WayUnit()
{
    static const NetworkUnit unit = makeUnit<kFst2Way>({{{"Fst2WayLoFrCal", "Fst2WayHiFrCal", "Fst2WayToFrCal"},
                                                         {"Fst2WayLoImpCal", "Fst2WayHiImpCal", "Fst2WayToImpCal"},
                                                         {"Fst2WayLoPhCal", "Fst2WayHiPhCal", "Fst2WayToPhCal"},
                                                         {"Fst2WayLoGdCal", "Fst2WayHiGdCal", "Fst2WayToGdCal"},
                                                         {"Fst2WayLoNqCal", "Fst2WayHiNqCal", "Fst2WayToNqCal"},
                                                         {"Fst2WayLoStepSubstitution", "Fst2WayHiStepSubstitution"}}},
                                                       {{"LL1", &Design::LL1}, {"CH1", &Design::CH1}});
    return unit;
}

}  // namespace larkspan
