// The step response: the voltage at each driver after a unit step at the
// amplifier, by numerical inverse Laplace transform of each branch's H(s)/s.
//
// The transform is inverted along a vertical line Re s = 6/t as an
// alternating Fourier series: 8 terms summed directly, then 6 more with Euler
// weights that accelerate the tail. Time t counts units of 0.1 ms, because
// the order files scale every power of s by 10^4.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/design.h"
#include "response/curve.h"
#include "synthesis/eval_state.h"

namespace larkspan {

// Number of Euler-weighted terms; fixed at start-up.
inline constexpr std::int32_t kDIGT = 6;

struct EulerWeights {
    std::int32_t DIGT = 0;
    std::array<double, 21> Euler{};  // index 0 to DIGT + 1
};

// Euler[i] is the sum of the binomial coefficients C(DIGT, j) for j ≥ i, so
// Euler[0] = 2^DIGT. DIGT is limited to 0..19 to fit the table.
EulerWeights EulerTransform(std::int32_t DIGT = kDIGT);

// −sign·Im(N(s)/D(s)) for s = x + jy, with N and D the polynomials NUT and DET
// of `e` (degrees NUO and DEO, coefficients from index 1, highest power
// first), each evaluated by Horner's rule in complex double arithmetic. `w`
// and `scale` are accepted for the caller's convenience and not used.
double SubroutineInverseLaplaceTransform(const EvalState& e, float x, float w, float y, float scale, float sign);

// Step response kinds: how a branch starts at t = 0.
inline constexpr std::int16_t kLowPass = 1;   // starts at 0
inline constexpr std::int16_t kBandPass = 2;  // starts at 0
inline constexpr std::int16_t kHighPass = 3;  // starts at 1

// The step response at time t (0.1 ms) of the polynomials loaded in `e`.
double InverseLaplaceTransform(const EvalState& e, const EulerWeights& Euler, float t, std::int16_t kind);

// The time axis of the step graph, chosen by the crossover frequency F (FX
// for a 2-way design, FXL for a 3-way one) in eleven bands.
struct StepTimeAxis {
    float F = 0;
    int band = 0;          // 0 for F below 12.5 Hz up to 10 for 12.5 kHz and above
    double c = 0;          // time-axis factor of the band
    double timeScale = 0;  // F·c
    double tmax = 0;       // end of the curves' time window, 0.1 ms
};

StepTimeAxis stepTimeAxis(const Design& d);

// The times of every curve's points: 0, 0.05, 0.10, ... up to tmax, kept in
// single precision.
std::vector<float> stepTimes(const StepTimeAxis& axis);

// The total at time t as the network's step substitutions give it: every
// branch loaded and inverted in turn (Lo, Mid, Hi) and the values summed,
// whatever polarity the frequency-domain totals use. Needs a current cofCal.
double TotalStepResponsePlot2(const Design& d, const EulerWeights& Euler, float t);

// Every branch curve (Lo, Mid, Hi) and the total, in drawing order, of a
// design whose network is current (cofCal). A point's k is its time t and
// its value the step response there.
std::vector<Curve> StepPlot(const Design& d);

// The same into `curves`, reusing the room their points already have: a
// redraw of the longest window (about 170 000 points for a 3-way design)
// then allocates nothing.
void StepPlotInto(const Design& d, std::vector<Curve>& curves);

}  // namespace larkspan
