// The Nyquist diagram: per branch, the point the order file's Nyquist
// evaluator places for each frequency from 100 kHz down to about 1 Hz.
#pragma once

#include <vector>

#include "model/design.h"
#include "response/curve.h"

namespace larkspan {

// One branch `ii` of a design whose network is current (cofCal). Points carry the evaluator's point in re/im and its
// place on the diagram (origin at (270, 190), 70 points per unit, imaginary axis up) in x/y.
Curve nqPlot2(const Design& d, int ii);

// Every branch in drawing order, all with width 1.
std::vector<Curve> nqPlot(const Design& d);

}  // namespace larkspan
