// A crossover network as a circuit: each branch is a ladder of resistors,
// inductors and capacitors between the amplifier node and ground, ending in
// its driver. The branches meet only at the amplifier and at ground, so each
// is solved on its own.
#pragma once

#include <complex>
#include <string>
#include <vector>

namespace larkspan {

using cplx = std::complex<double>;

enum class PartKind { R, L, C };

// Node 0 is ground and node 1 the amplifier ("in") in every branch; the
// other node numbers are the branch's own.
struct CircuitPart {
    std::string name;  // as the value sheet shows it; drivers as RE, LE, RM, ...
    PartKind kind = PartKind::R;
    int a = 0;
    int b = 0;
    double value = 0;     // display units: ohm, mH, µF
    bool driver = false;  // part of a driver's model, not a part to buy
};

struct CircuitBranch {
    std::string name;                // "Lo", "Mid", "Hi"
    int sign = 1;                    // the driver's polarity in the acoustic sum
    int out = 0;                     // the driver's hot terminal
    std::vector<std::string> nodes;  // the name of each node, "0" and "in" first
    std::vector<CircuitPart> parts;
};

struct Circuit {
    std::vector<CircuitBranch> branches;  // Lo, (Mid,) Hi
};

// The value in SI units (ohm, henry, farad).
double siValue(const CircuitPart& p);

cplx admittance(const CircuitPart& p, double w);

// Node voltages of a branch driven by 1 V at angular frequency w (rad/s).
// Empty when the branch's equations are singular at w.
std::vector<cplx> solveBranch(const CircuitBranch& branch, double w);

// The current the amplifier delivers into a branch, from its node voltages.
cplx inputCurrent(const CircuitBranch& branch, const std::vector<cplx>& v, double w);

// Transfer function and input impedance of one branch, and of the total:
// the signed sum of the drivers' voltages and the branches in parallel.
struct NetworkResponse {
    std::vector<cplx> transfer;   // per branch, then the total
    std::vector<cplx> impedance;  // per branch, then the total
};
NetworkResponse respond(const Circuit& c, double w);

}  // namespace larkspan
