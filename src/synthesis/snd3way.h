// Second-order 3-way network. Low range: L1 in series, C1 across the woofer,
// a second-order low-pass at FXL. High range: C4 in series, L4 across the
// tweeter, a second-order high-pass at FXH. Mid range: a band-pass ladder of
// C2 in series, L2 across, L3 in series and C3 across, loaded by the driver RM
// behind the level resistor RAN (R0 = RM + RAN). The mid branch enters the
// total in opposite polarity to the other two.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Snd3WaycofCal(Design& d);
void valChg3way2nd(Design& d);

const NetworkUnit& snd3WayUnit();

}  // namespace larkspan
