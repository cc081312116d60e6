// Fourth-order 2-way network: a four-element ladder to each driver. Low
// range: L1 in series, C1 across, L2 in series, C2 across the woofer. High
// range: C3 in series, L3 across, C4 in series, L4 across the tweeter. Both
// drivers have the same polarity; the total is the plain sum.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Fth2WaycofCal(Design& d);
void valChg2way4th(Design& d);

const NetworkUnit& fth2WayUnit();

}  // namespace larkspan
