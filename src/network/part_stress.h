// What each part must withstand at a given amplifier power: the largest rms
// voltage across it, current through it and power in it over the audio band
// at constant input voltage, and the rating to buy it with.
#pragma once

#include <string>
#include <vector>

#include "network/network_parts.h"

namespace larkspan {

// The amplifier power (W) into the nominal impedance (ohm) that sets the input
// voltage: 100 W into 8 ohm is 28.3 V rms.
struct StressSettings {
    double watts = 100;
    double nominalOhm = 8;
    double inputVolts() const;
};

struct Peak {
    double value = 0;
    double atHz = 0;
};

struct PartStress {
    Peak vrms, irms, watts;
};

// The stress of every part of `parts` (a pair as one part: the voltage across
// both, the current through both, the power in both) in `circuit`, swept
// from 20 Hz to 20 kHz in steps of 0.01 decade.
std::vector<PartStress> partStress(const Circuit& circuit, const std::vector<NetworkPart>& parts,
                                   const StressSettings& settings);

struct Rating {
    double value = 0;
    const char* unit = "";
    bool ok = true;  // the series offers parts rated this high
};

// The standard rating for a part's stress: capacitors in volts with a margin
// of 1.5, resistors in watts with a margin of 2 for the crest of music,
// inductors in amperes with a margin of 1.5. The series offer capacitors to
// 250 V, resistors to 20 W and inductors to 10 A.
Rating recommendedRating(PartKind kind, const PartStress& stress);

}  // namespace larkspan
