// Fourth-order (24 dB/octave) 3-way network.
//
// Low range: L1 in series, C1 across the line, L2 in series, C2 across the
// woofer RE. High range: C7 in series, L7 across the line, C8 in series, L8
// across the tweeter RH. Mid range: an eighth-order band-pass ladder (C3 in
// series, L3 across, C4 in series, L4 across, L5 in series, C5 across, L6 in
// series, C6 across the load) into the level resistor RAN in series with the
// driver RM; the ladder is designed for R0 = RM + RAN and the mid output is the
// voltage across RM. All three drivers share one polarity.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

// Components, display values, RAN and R0 and every branch coefficient from
// the crossover frequencies, the driver resistances and the alignment key. A
// key without a procedure keeps the previous components and only refreshes the
// display values and coefficients from them.
void Fth3WaycofCal(Design& d);

// The prototype lines A00/B00, A001/B001, A002/B002 from the breakpoint table
// over R2.
void Fth3WayparaCal(Design& d);

// The sixteen display values (mH, µF) from the SI component values.
void valChg3way4th(Design& d);

const NetworkUnit& fth3WayUnit();

}  // namespace larkspan
