// Fourth-order 2-way network: a four-element ladder to each driver. Low
// range: L1 in series, C1 across, L2 in series, C2 across the woofer. High
// range: C3 in series, L3 across, C4 in series, L4 across the tweeter. Both
// drivers have the same polarity; the total is the plain sum.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Fth2WaycofCal(Design& d);
void valChg2way4th(Design& d);

void Fth2WayLoFrCal(const Design& d, EvalState& e);
void Fth2WayHiFrCal(const Design& d, EvalState& e);
void Fth2WayToFrCal(const Design& d, EvalState& e);
void Fth2WayLoImpCal(const Design& d, EvalState& e);
void Fth2WayHiImpCal(const Design& d, EvalState& e);
void Fth2WayToImpCal(const Design& d, EvalState& e);
void Fth2WayLoPhCal(const Design& d, EvalState& e);
void Fth2WayHiPhCal(const Design& d, EvalState& e);
void Fth2WayToPhCal(const Design& d, EvalState& e);
void Fth2WayLoGdCal(const Design& d, EvalState& e);
void Fth2WayHiGdCal(const Design& d, EvalState& e);
void Fth2WayToGdCal(const Design& d, EvalState& e);
void Fth2WayLoNqCal(const Design& d, EvalState& e);
void Fth2WayHiNqCal(const Design& d, EvalState& e);
void Fth2WayToNqCal(const Design& d, EvalState& e);
void Fth2WayLoStepSubstitution(const Design& d, EvalState& e);
void Fth2WayHiStepSubstitution(const Design& d, EvalState& e);

const NetworkUnit& fth2WayUnit();

}  // namespace larkspan
