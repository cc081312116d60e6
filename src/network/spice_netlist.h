// A SPICE deck of the network: a 1 V AC source at node "in", every part and
// each driver as its resistance and voice-coil inductance, with the drivers'
// hot terminals named "lo", "mid" and "hi", and an AC sweep over 10 Hz to
// 100 kHz that prints each driver's level.
#pragma once

#include <string>

#include "network/circuit.h"

namespace larkspan {

struct NetlistResult {
    std::string deck;
    std::string error;  // why no deck was written
};

// `title` goes into the deck's first line. A part whose value is not a
// finite positive number refuses the whole deck.
NetlistResult spiceNetlist(const Circuit& circuit, const std::string& title);

}  // namespace larkspan
