// The spacing check of the two 3-way crossover frequencies.
#pragma once

#include <optional>

#include "model/alert.h"
#include "model/design.h"

namespace larkspan {

// Sets F0, R1, R2 from FXL and FXH and checks R2 = (FXH/FXL)^0.5 against the
// limits of the current order and alignment. Outside them it corrects FXH,
// sets FreqCheckFlag to 1 and returns the alert to show (after one beep);
// inside them it clears FreqCheckFlag. An order outside 1 to 4 checks nothing
// and leaves FreqCheckFlag as it was.
std::optional<Alert> FrequencyCheck(Design& d);

}  // namespace larkspan
