// The impedance-increase correction of each driver and the attenuator resistor
// values and power ratings derived with it.
#pragma once

#include "model/design.h"

namespace larkspan {

// Recomputes REQL..CEQH, the high and mid L-pads and the level resistor's
// rating from the driver data, attenuations and input powers.
void CalcImpIncAtt(Design& d);

}  // namespace larkspan
