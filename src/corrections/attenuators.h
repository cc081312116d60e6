// L-pad attenuation targets from the drivers' sensitivities.
#pragma once

#include "model/design.h"

namespace larkspan {

// AttH = HigSPL − LowSPL and AttM = MidSPL − LowSPL, each 0 when not positive;
// refreshes the last-accepted copies of the levels, attenuations and powers.
void CalcDiffAtt(Design& d);

}  // namespace larkspan
