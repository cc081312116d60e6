// Fourth-order 2-way network: a four-element ladder to each driver. Low
// range: L1 in series, C1 across, L2 in series, C2 across the woofer. High
// range: C3 in series, L3 across, C4 in series, L4 across the tweeter. Both
// drivers have the same polarity; the total is the plain sum.
#pragma once

#include "synthesis/network_unit.h"
#include "synthesis/unit_shape.h"

namespace larkspan {

void Fth2WaycofCal(Design& d);
void valChg2way4th(Design& d);

// The Lo and Hi branches, which the 3-way unit shares with its own phase
// placement.
inline constexpr Branch fthLow{
    {&Design::A05},
    {&Design::A01, &Design::A02, &Design::A03, &Design::A04, &Design::A05},
    {&Design::B01, &Design::B02, &Design::B03, &Design::B04, &Design::B05},
    {&Design::B06, &Design::B07, &Design::B08, &Design::B09},
    {.offset = -180, .wrap = true},
    {},
};
inline constexpr Branch fthHigh{
    {&Design::A11, 0, 0, 0, 0},
    {&Design::A11, &Design::A12, &Design::A13, &Design::A14, &Design::A15},
    {&Design::B11, &Design::B12, &Design::B13, &Design::B14, &Design::B15},
    {&Design::B16, &Design::B17, &Design::B18, &Design::B19, 0},
    {.offset = 180, .wrap = true},
    {},
};

const NetworkUnit& fth2WayUnit();

}  // namespace larkspan
