// Second-order 2-way network: L1 in series to the woofer with C1 across it,
// C2 in series to the tweeter with L2 across it. The tweeter is connected in
// inverted polarity, so the total is the low-pass minus the high-pass.
#pragma once

#include "synthesis/network_unit.h"
#include "synthesis/unit_shape.h"

namespace larkspan {

void Snd2WaycofCal(Design& d);
void valChg2way2nd(Design& d);

// The Lo and Hi branches, shared with the 3-way unit. Lo: L1 in series, C1
// across the woofer. Hi: C2 in series, L2 across the tweeter.
inline constexpr Branch sndLow{
    {&Design::A03},
    {&Design::A01, &Design::A02, &Design::A03},
    {&Design::B01, &Design::B02, &Design::B03},
    {&Design::B04, &Design::B05},
    {},
    {.shift = PI2},
};
inline constexpr Branch sndHigh{
    {&Design::A11, 0, 0},
    {&Design::A11, &Design::A12, &Design::A13},
    {&Design::B11, &Design::B12, &Design::B13},
    {&Design::B14, &Design::B15, 0},
    {.offset = 180},
    {.fold = PI2},
};

const NetworkUnit& snd2WayUnit();

}  // namespace larkspan
