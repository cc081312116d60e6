// The amplitude, impedance and phase sweeps: one curve per branch, the total
// last, each computed point by point from the current design.
#pragma once

#include <vector>

#include "model/design.h"
#include "response/curve.h"
#include "synthesis/network_unit.h"

namespace larkspan {

// Where the amplitude (dB), impedance (log10 ohm) and phase (degrees) graphs
// put a value, and whether a line may reach that y.
float ampY(float yy);
bool ampDrawable(float y);
float impY(float yy);
bool impDrawable(float y);
float phY(float yy);

// One sweep of branch `ii`. Each runs cofCal first, so the design's derived
// values are refreshed.
Curve ampPlot2(Design& d, int ii);
Curve impPlot2(Design& d, int ii);
Curve phPlot2(Design& d, int ii);

// Every branch of the current channel in drawing order; empty for a channel
// or order without a network.
std::vector<Curve> ampPlot(Design& d);
std::vector<Curve> impPlot(Design& d);
std::vector<Curve> phPlot(Design& d);

}  // namespace larkspan
