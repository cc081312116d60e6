// The notch correction of the high-range or mid-range driver: a series
// resistor, inductor and capacitor across the driver, tuned to its resonance
// (in free air or in a closed box) so that driver and notch together present
// the D.C. resistance there.
#pragma once

#include <vector>

#include "model/design.h"
#include "response/curve.h"
#include "synthesis/eval_state.h"

namespace larkspan {

// Box volume factor CP from the working set's QA: 1.2 for 5, 1.1 for 7, 1.0
// for 10, 15 or 20; any other QA keeps the previous CP.
void CPopt(Design& d);

// The resonance model of the working set's driver (closed box when VAS > 0,
// else infinite baffle), the notch values and the driver, notch and
// correction impedance coefficients in `d.notchCalc`. The notch values go to
// RNTH/LNTH/CNTH (Notch = 1) or RNTM/LNTM/CNTM (Notch = 2), in ohm, mH, µF.
// Nothing is checked: the notch sheet's OK keeps the inputs positive.
void NotchCal(Design& d);

// Copies the driver selected by Notch into the working set.
void MainProgramToNotchParam(Design& d);

// Copies the working set back into the driver selected by Notch, sets that
// driver's Qa popup item from QA, then recomputes the attenuation targets
// and the impedance-increase correction and attenuators.
void ParamToMainProgram(Design& d);

// Evaluators of one frequency e.f (rad/s), each leaving log10 of the
// impedance magnitude in ohm in e.yy: the driver alone on an infinite baffle
// or in a closed box, and driver, notch and correction in parallel.
// They read the coefficients of the last NotchCal.
void IB2IMPcal(const Design& d, EvalState& e);
void CB2IMPcal(const Design& d, EvalState& e);
void NotchToImp(const Design& d, EvalState& e);

// One curve of the corrected-impedance view on the impedance graph, after a
// NotchCal of the working set: ii = 1 the driver alone ("Before"), ii = 2 the
// corrected driver ("After").
Curve NotchImpPlot2(const Design& d, int ii);

// Both curves of the view.
std::vector<Curve> NotchImpPlot(const Design& d);

// Whether the Response menu offers the corrected-impedance view of driver
// `notch` (1 high, 2 mid): a notch is in force, and the mid view only in a
// 3-way design.
bool corrImpViewEnabled(const Design& d, int notch);

// The Response menu's "High Imp. Correct" (notch = 1) or "Mid Imp. Correct"
// (notch = 2): selects the view and loads the driver into the working set.
void selectCorrImpView(Design& d, int notch);

}  // namespace larkspan
