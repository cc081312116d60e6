// The working state of one sweep: the evaluators read the angular frequency `f`
// from it and leave their results in it, and the phase-unwrap and group-delay
// accumulators live here between the points of one curve.
#pragma once

#include <array>
#include <cstdint>

namespace larkspan {

struct EvalState {
    float f = 0;  // angular frequency, rad/s

    // Results: attenuation dB / log10 ohm / degrees, or a Nyquist point.
    float yy = 0;
    float xx = 0;

    // Squared magnitudes of numerator and denominator.
    float NU = 0;
    float DE = 0;

    // Branch numerators and denominators handed to the combination procedures.
    float LNR = 0, LNJ = 0, LDR = 0, LDJ = 0;
    float MNR = 0, MNJ = 0, MDR = 0, MDJ = 0;
    float HNR = 0, HNJ = 0, HDR = 0, HDJ = 0;
    // Combined numerator and denominator; also the phase evaluators' parts.
    double NR = 0, NJ = 0, DR = 0, DJ = 0;

    // Phase unwrap: accumulated offset and previous raw value.
    float ss = 0;
    float yy2 = 0;

    // Group-delay difference step.
    float PP = 0, QQ = 0, MM = 0, NN = 0, yy0 = 0;

    // Nyquist magnitude, phase and previous phase.
    float gg = 0, fai = 0, fai2 = 0;

    // Step substitution: the degrees and 1-based coefficient lists, highest
    // power first, of the numerator and denominator of H(s)/s.
    std::int32_t NUO = 0;
    std::int32_t DEO = 0;
    std::array<double, 24> NUT{};
    std::array<double, 24> DET{};
};

}  // namespace larkspan
