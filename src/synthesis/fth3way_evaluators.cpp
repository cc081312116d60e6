// The fourth-order 3-way unit's table: each branch's transfer function and
// input impedance over the coefficients that Fth3WaycofCal sets, and where its
// phase and Nyquist curves sit. The phase offsets are float sums.
#include "synthesis/fth3way.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

constexpr Placement kBelow{.offset = -180, .chain = Chain::Single, .wrap = true};

// All three drivers share one polarity; every numerator is real and positive.
constexpr UnitShape kFth3Way{
    Fth3WaycofCal,
    3,
    Sum::FromLowest,
    {{
        {{&Design::A05},
         {&Design::A01, &Design::A02, &Design::A03, &Design::A04, &Design::A05},
         {&Design::B01, &Design::B02, &Design::B03, &Design::B04, &Design::B05},
         {&Design::B06, &Design::B07, &Design::B08, &Design::B09},
         kBelow,
         {}},
        {{&Design::A30, 0, 0, 0, 0},
         {&Design::A21, &Design::A22, &Design::A23, &Design::A24, &Design::A25, &Design::A26, &Design::A27,
          &Design::A28, &Design::A29},
         {&Design::C21, &Design::C22, &Design::C23, &Design::C24, &Design::C25, &Design::C26, &Design::C27,
          &Design::C28, &Design::C29},
         {&Design::B21, &Design::B22, &Design::B23, &Design::B24, &Design::B25, &Design::B26, &Design::B27, 0},
         kBelow,
         {}},
        {{&Design::A11, 0, 0, 0, 0},
         {&Design::A11, &Design::A12, &Design::A13, &Design::A14, &Design::A15},
         {&Design::B11, &Design::B12, &Design::B13, &Design::B14, &Design::B15},
         {&Design::B16, &Design::B17, &Design::B18, &Design::B19, 0},
         {.offset = 180, .chain = Chain::Single, .wrap = true},
         {}},
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
