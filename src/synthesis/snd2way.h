// Second-order 2-way network: L1 in series to the woofer with C1 across it,
// C2 in series to the tweeter with L2 across it. The tweeter is connected in
// inverted polarity, so the total is the low-pass minus the high-pass.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Snd2WaycofCal(Design& d);
void valChg2way2nd(Design& d);

void Snd2WayLoFrCal(const Design& d, EvalState& e);
void Snd2WayHiFrCal(const Design& d, EvalState& e);
void Snd2WayToFrCal(const Design& d, EvalState& e);
void Snd2WayLoImpCal(const Design& d, EvalState& e);
void Snd2WayHiImpCal(const Design& d, EvalState& e);
void Snd2WayToImpCal(const Design& d, EvalState& e);
void Snd2WayLoPhCal(const Design& d, EvalState& e);
void Snd2WayHiPhCal(const Design& d, EvalState& e);
void Snd2WayToPhCal(const Design& d, EvalState& e);
void Snd2WayLoGdCal(const Design& d, EvalState& e);
void Snd2WayHiGdCal(const Design& d, EvalState& e);
void Snd2WayToGdCal(const Design& d, EvalState& e);
void Snd2WayLoNqCal(const Design& d, EvalState& e);
void Snd2WayHiNqCal(const Design& d, EvalState& e);
void Snd2WayToNqCal(const Design& d, EvalState& e);
void Snd2WayLoStepSubstitution(const Design& d, EvalState& e);
void Snd2WayHiStepSubstitution(const Design& d, EvalState& e);

const NetworkUnit& snd2WayUnit();

}  // namespace larkspan
