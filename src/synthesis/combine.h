// Combination of branch functions into the total: transfer functions add,
// input impedances connect in parallel. Products are expanded in double from
// the float branch parts in EvalState; the result lands in NR, NJ, DR, DJ.
#pragma once

#include "synthesis/eval_state.h"

namespace larkspan {

void TwoWayToCal(EvalState& e);
void ThreeWayToCal(EvalState& e);
void TwoWayToImpCal(EvalState& e);
void ThreeWayToImpCal(EvalState& e);

}  // namespace larkspan
