// Third-order 2-way network: a T section to each driver. Low range: L1 in
// series, C1 across, L2 in series to the woofer. High range: C2 in series, L3
// across, C3 in series to the tweeter. The synthesis also sets the polarity
// flag `pole`, which the total applies to the low-pass numerator.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Trd2WaycofCal(Design& d);
void valChg2way3rd(Design& d);

void Trd2WayLoFrCal(const Design& d, EvalState& e);
void Trd2WayHiFrCal(const Design& d, EvalState& e);
void Trd2WayToFrCal(const Design& d, EvalState& e);
void Trd2WayLoImpCal(const Design& d, EvalState& e);
void Trd2WayHiImpCal(const Design& d, EvalState& e);
void Trd2WayToImpCal(const Design& d, EvalState& e);
void Trd2WayLoPhCal(const Design& d, EvalState& e);
void Trd2WayHiPhCal(const Design& d, EvalState& e);
void Trd2WayToPhCal(const Design& d, EvalState& e);
void Trd2WayLoGdCal(const Design& d, EvalState& e);
void Trd2WayHiGdCal(const Design& d, EvalState& e);
void Trd2WayToGdCal(const Design& d, EvalState& e);
void Trd2WayLoNqCal(const Design& d, EvalState& e);
void Trd2WayHiNqCal(const Design& d, EvalState& e);
void Trd2WayToNqCal(const Design& d, EvalState& e);
void Trd2WayLoStepSubstitution(const Design& d, EvalState& e);
void Trd2WayHiStepSubstitution(const Design& d, EvalState& e);

const NetworkUnit& trd2WayUnit();

}  // namespace larkspan
