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

void Snd3WayLoFrCal(const Design& d, EvalState& e);
void Snd3WayMidFrCal(const Design& d, EvalState& e);
void Snd3WayHiFrCal(const Design& d, EvalState& e);
void Snd3WayToFrCal(const Design& d, EvalState& e);
void Snd3WayLoImpCal(const Design& d, EvalState& e);
void Snd3WayMidImpCal(const Design& d, EvalState& e);
void Snd3WayHiImpCal(const Design& d, EvalState& e);
void Snd3WayToImpCal(const Design& d, EvalState& e);
void Snd3WayLoPhCal(const Design& d, EvalState& e);
void Snd3WayMidPhCal(const Design& d, EvalState& e);
void Snd3WayHiPhCal(const Design& d, EvalState& e);
void Snd3WayToPhCal(const Design& d, EvalState& e);
void Snd3WayLoGdCal(const Design& d, EvalState& e);
void Snd3WayMidGdCal(const Design& d, EvalState& e);
void Snd3WayHiGdCal(const Design& d, EvalState& e);
void Snd3WayToGdCal(const Design& d, EvalState& e);
void Snd3WayLoNqCal(const Design& d, EvalState& e);
void Snd3WayMidNqCal(const Design& d, EvalState& e);
void Snd3WayHiNqCal(const Design& d, EvalState& e);
void Snd3WayToNqCal(const Design& d, EvalState& e);
void Snd3WayLoStepSubstitution(const Design& d, EvalState& e);
void Snd3WayMidStepSubstitution(const Design& d, EvalState& e);
void Snd3WayHiStepSubstitution(const Design& d, EvalState& e);

const NetworkUnit& snd3WayUnit();

}  // namespace larkspan
