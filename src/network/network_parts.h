// The parts of a design's network, by the names the value sheet shows, with
// the value each is built with: the ideal value or a standard value, one part
// or two.
#pragma once

#include <string>
#include <vector>

#include "model/design.h"
#include "network/circuit.h"

namespace larkspan {

// What the network holds besides the crossover sections.
enum class CircuitModel {
    // Drivers as their D.C. resistances and nothing else: the network the
    // closed-form responses describe.
    Resistive,
    // Drivers as resistance plus voice-coil inductance, with the
    // impedance-increase corrections, L-pads and notches that are in force.
    Complete,
};

// The value a part is built with: one value, or two joined in parallel
// (capacitors) or in series (inductors, resistors).
struct Choice {
    std::vector<double> values;  // one or two, display units
    bool parallel = false;
    double total = 0;
    double deviationPercent = 0;
};

struct NetworkPart {
    std::string name;
    PartKind kind = PartKind::R;
    double ideal = 0;  // display units: ohm, mH, µF
    Choice chosen;
};

// Every part of the design's network in schematic order (Lo, Mid, Hi; the
// crossover sections first), each chosen at its ideal value. Reads the
// component values as the last synthesis and correction runs left them.
std::vector<NetworkPart> networkParts(const Design& d, CircuitModel model);

// The reason the parts cannot be built, naming the first part or driver value
// that is not a finite positive number, or "" when all are.
std::string unbuildableReason(const Design& d, const std::vector<NetworkPart>& parts);

struct BuiltCircuit {
    Circuit circuit;
    std::string error;  // empty when the circuit was built
};

// The circuit of the design with each part at its chosen value.
BuiltCircuit buildCircuit(const Design& d, const std::vector<NetworkPart>& parts, CircuitModel model);

}  // namespace larkspan
