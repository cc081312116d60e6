// Third-order 3-way network. Low range: L1 in series, C1 across, L2 in series
// to the woofer. High range: C5 in series, L6 across, C6 in series to the
// tweeter. Mid range: a sixth-order band-pass ladder of C2 in series, L3
// across, C3 and L4 in series, C4 across and L5 in series, loaded by the
// driver RM behind the level resistor RAN (R0 = RM + RAN). `pole` = −1 when
// the mid driver is connected in reverse polarity.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Trd3WaycofCal(Design& d);
// The interpolation line A00·R + B00 of the prototype coefficient over R2.
void Trd3WayparaCal(Design& d);
void valChg3way3rd(Design& d);

const NetworkUnit& trd3WayUnit();

}  // namespace larkspan
