// The synthesis dispatcher and the evaluator look-up by channel and order.
#pragma once

#include "model/design.h"
#include "synthesis/eval_state.h"
#include "synthesis/network_unit.h"

namespace larkspan {

// The order file of a channel and order, or nullptr for any other pair.
const NetworkUnit* unitFor(int channel, int order);

// Runs the synthesis of the current channel and order; any other channel or
// order does nothing.
void cofCal(Design& d);

// The number of branches including the total: 3 for a 2-way design, 4 for a
// 3-way one, 0 otherwise.
int branchCount(int channel);

// The evaluator of a kind for branch `ii` (1-based), or nullptr.
Evaluator evaluatorFor(const Design& d, EvalKind kind, int ii);

// The written procedure name of that evaluator, for messages, or "".
const char* evaluatorLabel(const Design& d, EvalKind kind, int ii);

}  // namespace larkspan
