// First-order 3-way network: L1 in series to the woofer, C2 in series to the
// tweeter, and L2, C1 and the level resistor RAN in series in front of the
// mid-range driver. Lo and Hi evaluate exactly as in the 2-way network.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Fst3WaycofCal(Design& d);

void Fst3WayLoFrCal(const Design& d, EvalState& e);
void Fst3WayMidFrCal(const Design& d, EvalState& e);
void Fst3WayHiFrCal(const Design& d, EvalState& e);
void Fst3WayToFrCal(const Design& d, EvalState& e);
void Fst3WayLoImpCal(const Design& d, EvalState& e);
void Fst3WayMidImpCal(const Design& d, EvalState& e);
void Fst3WayHiImpCal(const Design& d, EvalState& e);
void Fst3WayToImpCal(const Design& d, EvalState& e);
void Fst3WayLoPhCal(const Design& d, EvalState& e);
void Fst3WayMidPhCal(const Design& d, EvalState& e);
void Fst3WayToPhCal(const Design& d, EvalState& e);
void Fst3WayLoGdCal(const Design& d, EvalState& e);
void Fst3WayMidGdCal(const Design& d, EvalState& e);
void Fst3WayHiGdCal(const Design& d, EvalState& e);
void Fst3WayToGdCal(const Design& d, EvalState& e);
void Fst3WayLoNqCal(const Design& d, EvalState& e);
void Fst3WayMidNqCal(const Design& d, EvalState& e);
void Fst3WayHiNqCal(const Design& d, EvalState& e);
void Fst3WayToNqCal(const Design& d, EvalState& e);
void Fst3WayLoStepSubstitution(const Design& d, EvalState& e);
void Fst3WayMidStepSubstitution(const Design& d, EvalState& e);
void Fst3WayHiStepSubstitution(const Design& d, EvalState& e);

const NetworkUnit& fst3WayUnit();

}  // namespace larkspan
