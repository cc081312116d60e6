// Steps that every order file's evaluators share: the phase fold and unwrap,
// the group-delay difference step, the Nyquist unwrap and point, and the dB
// and log-ohm forms. Each works on the sweep's EvalState.
#pragma once

#include <cmath>

#include "synthesis/eval_state.h"

namespace larkspan {

// Degrees of a phase angle atan(y / x)·180/π, evaluated in double.
inline double degreesOf(double y, double x)
{
    return std::atan(y / x) * 180.0 / 3.141592653589793;
}

// The unwrap step on the folded value in yy: a jump of more than 160 degrees
// against the previous raw value moves the offset ss by 180.
inline void unwrapStep(EvalState& e)
{
    if (e.yy2 - e.yy > 160) e.ss += 180;
    if (e.yy2 - e.yy < -160) e.ss -= 180;
    e.yy2 = e.yy;
}

// Fold a negative phase into 0..180, then unwrap.
inline void foldAndUnwrap(EvalState& e)
{
    if (e.yy < 0) e.yy += 180;
    unwrapStep(e);
}

// The group-delay difference step on the unwrapped phase in yy; yy0
// accumulates the second difference.
inline void groupDelayStep(EvalState& e)
{
    e.MM = static_cast<float>(((static_cast<double>(e.QQ) - e.yy) / e.f) * 23.85 * 5.0 * 6.283185307179586);
    e.NN = e.PP - e.MM;
    e.yy0 = e.yy0 + e.NN;
    e.PP = e.MM;
    e.QQ = e.yy;
}

// The Nyquist unwrap on fai (jumps over 2.8 rad move ss by π), then the point
// of magnitude gg at the unwrapped phase.
inline void nyquistStep(EvalState& e)
{
    constexpr double kPi = 3.141592653589793;
    if (e.fai2 - e.fai > 2.8) e.ss = static_cast<float>(e.ss + kPi);
    if (e.fai2 - e.fai < -2.8) e.ss = static_cast<float>(e.ss - kPi);
    e.fai2 = e.fai;
    e.fai = e.fai + e.ss;
    e.xx = static_cast<float>(e.gg * std::cos(static_cast<double>(e.fai)));
    e.yy = static_cast<float>(e.gg * std::sin(static_cast<double>(e.fai)));
}

// log10(x) as the natural logarithm times log10(e): within two units in the
// last place of a double of std::log10, far inside a float's last place, at
// a third of the cost of the library's log10.
inline double decimalLog(double x)
{
    constexpr double kLog10e = 0.43429448190325182765;
    return std::log(x) * kLog10e;
}

// −10·log10(NU/DE): attenuation in dB, positive below 0 dB.
inline float attenuationDb(float NU, float DE)
{
    return static_cast<float>(-10.0 * decimalLog(static_cast<double>(NU) / DE));
}

// log10((NU/DE)^0.5): log10 of an impedance magnitude in ohm.
inline float logMagnitude(float NU, float DE)
{
    return static_cast<float>(std::log10(std::pow(static_cast<double>(NU) / DE, 0.5)));
}

// Squared magnitude ratio of the combined result NR + jNJ over DR + jDJ.
inline double combinedRatio(const EvalState& e)
{
    return (e.NR * e.NR + e.NJ * e.NJ) / (e.DR * e.DR + e.DJ * e.DJ);
}

}  // namespace larkspan
