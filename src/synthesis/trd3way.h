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

void Trd3WayLoFrCal(const Design& d, EvalState& e);
void Trd3WayMidFrCal(const Design& d, EvalState& e);
void Trd3WayHiFrCal(const Design& d, EvalState& e);
void Trd3WayToFrCal(const Design& d, EvalState& e);
void Trd3WayLoImpCal(const Design& d, EvalState& e);
void Trd3WayMidImpCal(const Design& d, EvalState& e);
void Trd3WayHiImpCal(const Design& d, EvalState& e);
void Trd3WayToImpCal(const Design& d, EvalState& e);
void Trd3WayLoPhCal(const Design& d, EvalState& e);
void Trd3WayMidPhCal(const Design& d, EvalState& e);
void Trd3WayHiPhCal(const Design& d, EvalState& e);
void Trd3WayToPhCal(const Design& d, EvalState& e);
void Trd3WayLoGdCal(const Design& d, EvalState& e);
void Trd3WayMidGdCal(const Design& d, EvalState& e);
void Trd3WayHiGdCal(const Design& d, EvalState& e);
void Trd3WayToGdCal(const Design& d, EvalState& e);
void Trd3WayLoNqCal(const Design& d, EvalState& e);
void Trd3WayMidNqCal(const Design& d, EvalState& e);
void Trd3WayHiNqCal(const Design& d, EvalState& e);
void Trd3WayToNqCal(const Design& d, EvalState& e);
void Trd3WayLoStepSubstitution(const Design& d, EvalState& e);
void Trd3WayMidStepSubstitution(const Design& d, EvalState& e);
void Trd3WayHiStepSubstitution(const Design& d, EvalState& e);

const NetworkUnit& trd3WayUnit();

}  // namespace larkspan
