// First-order 2-way network: L1 in series to the woofer, C1 in series to the
// tweeter. The 3-way unit reuses the Lo and Hi evaluators.
#pragma once

#include "synthesis/network_unit.h"
#include "synthesis/unit_shape.h"

namespace larkspan {

void Fst2WaycofCal(Design& d);

// The Lo and Hi branches, shared with the 3-way unit. Lo: RE behind L1,
// A02 / (A01·s + A02). Hi: RH behind C1, A11·s / (A11·s + A12). Their phase
// curves show the raw phase, folded (Hi by three quarter turns); the Lo Nyquist
// curve takes its half turn in the angle itself.
inline constexpr Branch fstLow{
    {&Design::A02},
    {&Design::A01, &Design::A02},
    {&Design::B01, &Design::B02},
    {1},
    {.chain = Chain::Raw},
    {.shift = -pi, .stage = Stage::InAngle},
};
inline constexpr Branch fstHigh{
    {&Design::A11, 0}, {&Design::A11, &Design::A12},       {&Design::B11, &Design::B12},
    {&Design::B13, 0}, {.chain = Chain::Raw, .fold = 270}, {.shift = pi / 2},
};

const NetworkUnit& fst2WayUnit();

}  // namespace larkspan
