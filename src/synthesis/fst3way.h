// First-order 3-way network: L1 in series to the woofer, C2 in series to the
// tweeter, and L2, C1 and the level resistor RAN in series in front of the
// mid-range driver. Lo and Hi evaluate exactly as in the 2-way network.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Fst3WaycofCal(Design& d);

const NetworkUnit& fst3WayUnit();

}  // namespace larkspan
