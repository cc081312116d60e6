// The fourth-order 3-way unit's table: each branch's transfer function and
// input impedance over the coefficients that Fth3WaycofCal sets, and where its
// phase and Nyquist curves sit. The phase offsets are float sums.
#include "synthesis/fth2way.h"
#include "synthesis/fth3way.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

constexpr Placement kBelow{.offset = -180, .chain = Chain::Single, .wrap = true};

namespace {

// A 2-way unit's branch with this unit's phase placement.
constexpr Branch withPhase(Branch b, const Placement& phase)
{
    b.phase = phase;
    return b;
}

}  // namespace

// Lo and Hi are the 2-way unit's branches. All three drivers share one
// polarity; every numerator is real and positive.
constexpr UnitShape kFth3Way{
    Fth3WaycofCal,
    3,
    Sum::FromLowest,
    {{
        withPhase(fthLow, kBelow),
        {{&Design::A30, 0, 0, 0, 0},
         {&Design::A21, &Design::A22, &Design::A23, &Design::A24, &Design::A25, &Design::A26, &Design::A27,
          &Design::A28, &Design::A29},
         {&Design::C21, &Design::C22, &Design::C23, &Design::C24, &Design::C25, &Design::C26, &Design::C27,
          &Design::C28, &Design::C29},
         {&Design::B21, &Design::B22, &Design::B23, &Design::B24, &Design::B25, &Design::B26, &Design::B27, 0},
         kBelow,
         {}},
        withPhase(fthHigh, {.offset = 180, .chain = Chain::Single, .wrap = true}),
    }},
    {.phase = kBelow},
};

const NetworkUnit& fth3WayUnit()
{
    static const NetworkUnit unit =
        makeUnit<kFth3Way>({{{"Fth3WayLoFrCal", "Fth3WayMidFrCal", "Fth3WayHiFrCal", "Fth3WayToFrCal"},
                             {"Fth3WayLoImpCal", "Fth3WayMidImpCal", "Fth3WayHiImpCal", "Fth3WayToImpCal"},
                             {"Fth3WayLoPhCal", "Fth3WayMidPhCal", "Fth3WayHiPhCal", "Fth3WayToPhCal"},
                             {"Fth3WayLoGdCal", "Fth3WayMidGdCal", "Fth3WayHiGdCal", "Fth3WayToGdCal"},
                             {"Fth3WayLoNqCal", "Fth3WayMidNqCal", "Fth3WayHiNqCal", "Fth3WayToNqCal"},
                             {"Fth3WayLoStepSubstitution", "Fth3WayMidStepSubstitution", "Fth3WayHiStepSubstitution"}}},
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
                            {"LH2", &Design::LH2}});
    return unit;
}

}  // namespace larkspan
