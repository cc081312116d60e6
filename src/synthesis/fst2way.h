// First-order 2-way network: L1 in series to the woofer, C1 in series to the
// tweeter. The 3-way unit reuses the Lo and Hi evaluators.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

void Fst2WaycofCal(Design& d);

void Fst2WayLoFrCal(const Design& d, EvalState& e);
void Fst2WayHiFrCal(const Design& d, EvalState& e);
void Fst2WayToFrCal(const Design& d, EvalState& e);
void Fst2WayLoImpCal(const Design& d, EvalState& e);
void Fst2WayHiImpCal(const Design& d, EvalState& e);
void Fst2WayToImpCal(const Design& d, EvalState& e);
void Fst2WayLoPhCal(const Design& d, EvalState& e);
void Fst2WayHiPhCal(const Design& d, EvalState& e);
void Fst2WayToPhCal(const Design& d, EvalState& e);
void Fst2WayLoGdCal(const Design& d, EvalState& e);
void Fst2WayHiGdCal(const Design& d, EvalState& e);
void Fst2WayToGdCal(const Design& d, EvalState& e);
void Fst2WayLoNqCal(const Design& d, EvalState& e);
void Fst2WayHiNqCal(const Design& d, EvalState& e);
void Fst2WayToNqCal(const Design& d, EvalState& e);
void Fst2WayLoStepSubstitution(const Design& d, EvalState& e);
void Fst2WayHiStepSubstitution(const Design& d, EvalState& e);

// Branch loads of the first-order Lo and Hi branches for the combination
// procedures (transfer function or input impedance), shared with the 3-way unit.
void fstLoadLoTransfer(const Design& d, EvalState& e);
void fstLoadHiTransfer(const Design& d, EvalState& e);
void fstLoadLoImpedance(const Design& d, EvalState& e);
void fstLoadHiImpedance(const Design& d, EvalState& e);

const NetworkUnit& fst2WayUnit();

}  // namespace larkspan
