// The evaluator bodies that the order units share. An order describes each
// branch as its numerator and denominator polynomials at s = j·w, evaluated in
// double from the float coefficients; the procedures here turn such a branch
// into an attenuation, an impedance, a phase, a group-delay step or a Nyquist
// point, and load the branches into the combination procedures for the total.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "model/design.h"
#include "synthesis/combine.h"
#include "synthesis/eval_state.h"
#include "synthesis/evaluator_steps.h"

namespace larkspan {

// A complex polynomial value at s = j·w, real part first.
struct Parts {
    double re;
    double im;
    double norm() const { return std::pow(re, 2.0) + std::pow(im, 2.0); }
};

// A branch function at one frequency: numerator over denominator.
struct Ratio {
    Parts num;
    Parts den;
};

// Squared magnitudes of a branch's numerator and denominator into NU and DE.
inline void branchMagnitudes(EvalState& e, const Ratio& r)
{
    e.NU = static_cast<float>(r.num.norm());
    e.DE = static_cast<float>(r.den.norm());
}

// Attenuation in dB of a transfer branch.
inline void branchAttenuation(EvalState& e, const Ratio& r)
{
    branchMagnitudes(e, r);
    e.yy = attenuationDb(e.NU, e.DE);
}

// log10 of the magnitude of an impedance branch.
inline void branchLogImpedance(EvalState& e, const Ratio& r)
{
    branchMagnitudes(e, r);
    e.yy = logMagnitude(e.NU, e.DE);
}

// The denominator as the phase parts DR, DJ, and the branch's raw phase from
// it in yy, folded into 0..180 and unwrapped.
inline void branchPhase(EvalState& e, const Parts& den)
{
    e.DR = den.re;
    e.DJ = den.im;
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

// The unwrapped phase plus a constant offset, in double.
inline void addOffset(EvalState& e, double offset)
{
    e.yy = static_cast<float>(static_cast<double>(e.yy) + static_cast<double>(e.ss) + offset);
}

// One correction into 0..360 for the phase graph, in double.
inline void wrap360(EvalState& e)
{
    if (e.yy < 0) e.yy = static_cast<float>(static_cast<double>(e.yy) + 360);
    if (e.yy > 360) e.yy = static_cast<float>(static_cast<double>(e.yy) - 360);
}

// A branch's phase on the phase graph, unwrapped and offset.
inline void branchPlacedPhase(EvalState& e, const Ratio& r, double offset)
{
    branchPhase(e, r.den);
    addOffset(e, offset);
}

// The same, corrected once into 0..360.
inline void branchWrappedPhase(EvalState& e, const Ratio& r, double offset)
{
    branchPlacedPhase(e, r, offset);
    wrap360(e);
}

// One group-delay step on a branch's unwrapped phase.
inline void branchGroupDelay(EvalState& e, const Ratio& r)
{
    branchPlacedPhase(e, r, 0);
    groupDelayStep(e);
}

// A branch's magnitude gg from NU/DE and raw phase fai = −atan(DJ/DR) of its
// denominator.
inline void branchPolar(EvalState& e, const Ratio& r)
{
    branchMagnitudes(e, r);
    e.DR = r.den.re;
    e.DJ = r.den.im;
    e.gg = static_cast<float>(std::pow(static_cast<double>(e.NU) / e.DE, 0.5));
    e.fai = static_cast<float>(-std::atan(e.DJ / e.DR));
}

// A branch's Nyquist point: its phase moved by `fold` when negative and then
// by `shift` (a zero shift leaves it as it is).
inline void branchNyquist(EvalState& e, const Ratio& r, double fold, double shift)
{
    branchPolar(e, r);
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + fold);
    if (shift != 0) e.fai = static_cast<float>(e.fai + shift);
    nyquistStep(e);
}

// A branch's parts as float, as the combination procedures take them.
inline void loadLow(EvalState& e, const Ratio& r)
{
    e.LNR = static_cast<float>(r.num.re);
    e.LNJ = static_cast<float>(r.num.im);
    e.LDR = static_cast<float>(r.den.re);
    e.LDJ = static_cast<float>(r.den.im);
}

inline void loadMid(EvalState& e, const Ratio& r)
{
    e.MNR = static_cast<float>(r.num.re);
    e.MNJ = static_cast<float>(r.num.im);
    e.MDR = static_cast<float>(r.den.re);
    e.MDJ = static_cast<float>(r.den.im);
}

inline void loadHigh(EvalState& e, const Ratio& r)
{
    e.HNR = static_cast<float>(r.num.re);
    e.HNJ = static_cast<float>(r.num.im);
    e.HDR = static_cast<float>(r.den.re);
    e.HDJ = static_cast<float>(r.den.im);
}

// The total transfer function of the branches into NR, NJ, DR, DJ.
inline void twoWayTransfer(EvalState& e, const Ratio& lo, const Ratio& hi)
{
    loadLow(e, lo);
    loadHigh(e, hi);
    TwoWayToCal(e);
}

inline void threeWayTransfer(EvalState& e, const Ratio& lo, const Ratio& mid, const Ratio& hi)
{
    loadLow(e, lo);
    loadMid(e, mid);
    loadHigh(e, hi);
    ThreeWayToCal(e);
}

// Attenuation in dB of the combined total.
inline void totalAttenuation(EvalState& e)
{
    e.yy = static_cast<float>(-10.0 * std::log10(combinedRatio(e)));
}

// log10 of the magnitude of the combined total.
inline void totalLogImpedance(EvalState& e)
{
    e.yy = static_cast<float>(std::log10(std::pow(combinedRatio(e), 0.5)));
}

// The input impedance of the branches in parallel, as log10 of its magnitude.
inline void twoWayImpedance(EvalState& e, const Ratio& lo, const Ratio& hi)
{
    loadLow(e, lo);
    loadHigh(e, hi);
    TwoWayToImpCal(e);
    totalLogImpedance(e);
}

inline void threeWayImpedance(EvalState& e, const Ratio& lo, const Ratio& mid, const Ratio& hi)
{
    loadLow(e, lo);
    loadMid(e, mid);
    loadHigh(e, hi);
    ThreeWayToImpCal(e);
    totalLogImpedance(e);
}

// Raw phase of the combined total in yy, folded into 0..180 and unwrapped.
inline void combinedPhase(EvalState& e)
{
    e.yy = static_cast<float>(degreesOf(e.NJ, e.NR) - degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

// One group-delay step on the combined total's phase, unwrapped and offset.
inline void combinedGroupDelay(EvalState& e, double offset)
{
    combinedPhase(e);
    addOffset(e, offset);
    groupDelayStep(e);
}

// Magnitude gg and raw phase fai of the combined total.
inline void combinedPolar(EvalState& e)
{
    e.gg = static_cast<float>(std::pow(combinedRatio(e), 0.5));
    e.fai = static_cast<float>(std::atan(e.NJ / e.NR) - std::atan(e.DJ / e.DR));
}

// The combined total's Nyquist point: its phase folded into 0..π, then moved
// by `shift` (a zero shift leaves it as it is).
inline void totalNyquist(EvalState& e, double shift)
{
    combinedPolar(e);
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    if (shift != 0) e.fai = static_cast<float>(e.fai + shift);
    nyquistStep(e);
}

// Step substitution: H(s)/s with s scaled by 10^4, so that the time unit is
// 0.1 ms. `num` and `den` are H's coefficients, highest power first; each
// power k of s carries 10^(4k), and the division by s appends a zero constant
// term to the denominator.
inline void stepLists(EvalState& e, std::initializer_list<float> num, std::initializer_list<float> den)
{
    e.NUO = static_cast<std::int32_t>(num.size()) - 1;
    std::size_t i = 1;
    int power = e.NUO;
    for (const float c : num) e.NUT[i++] = c * std::pow(10.0, 4 * power--);
    e.DEO = static_cast<std::int32_t>(den.size());
    i = 1;
    power = e.DEO - 1;
    for (const float c : den) e.DET[i++] = c * std::pow(10.0, 4 * power--);
    e.DET[i] = 0;
}

}  // namespace larkspan
