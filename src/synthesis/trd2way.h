// Third-order 2-way network: a T section to each driver. Low range: L1 in
// series, C1 across, L2 in series to the woofer. High range: C2 in series, L3
// across, C3 in series to the tweeter. The synthesis also sets the polarity
// flag `pole`, which the total applies to the low-pass numerator.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Trd2WaycofCal(Design& d);
void valChg2way3rd(Design& d);

const NetworkUnit& trd2WayUnit();

}  // namespace larkspan
