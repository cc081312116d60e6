// Checks of a 3-way unit's evaluators against its three branch ladders solved
// by nodal analysis: amplitude and impedance of every branch and of the
// total, the phase and group-delay phase along a sweep, the Nyquist point and
// the step-response polynomials. The ladders are built by each test from the
// component values, so nothing here uses a coefficient formula.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "design/design.h"
#include "support/nodal.h"
#include "synthesis/cofcal.h"

namespace larkspan::test {

struct ThreeWayBranch {
    Ladder net;
    int out = 2;

    cplx transfer(double w) const { return net.transfer(w, out); }
    cplx impedance(double w) const { return net.inputImpedance(w); }
};

struct ThreeWayNetwork {
    ThreeWayBranch lo, mid, hi;
    // The total is H_L + midSign·H_M + H_H.
    double midSign = 1;

    const ThreeWayBranch& branch(int ii) const { return ii == 1 ? lo : ii == 2 ? mid : hi; }
    cplx transfer(int ii, double w) const
    {
        return ii == 4 ? lo.transfer(w) + midSign * mid.transfer(w) + hi.transfer(w) : branch(ii).transfer(w);
    }
    cplx impedance(int ii, double w) const
    {
        if (ii != 4) return branch(ii).impedance(w);
        return 1.0 / (1.0 / lo.impedance(w) + 1.0 / mid.impedance(w) + 1.0 / hi.impedance(w));
    }
};

inline constexpr const char* kBranchName[] = {"", "Lo", "Mid", "Hi", "To"};
inline constexpr double kDegPerRad = 180.0 / 3.141592653589793;

inline float evaluate(const Design& d, EvalKind kind, int ii, double w)
{
    EvalState e;
    e.f = static_cast<float>(w);
    evaluatorFor(d, kind, ii)(d, e);
    return e.yy;
}

// x reduced into (−period/2, period/2].
inline double wrapped(double x, double period)
{
    return x - period * std::ceil(x / period - 0.5);
}

// The sweep's angular frequencies: 20 Hz upward in steps of 0.01 decade.
inline std::vector<double> sweepFrequencies()
{
    std::vector<double> w;
    for (int i = 0; i < 300; ++i) w.push_back(PI2 * std::pow(10.0, std::log10(20.0) + 0.01 * i));
    return w;
}

// Amplitude (dB) and impedance (log10 ohm) of every branch and the total.
inline void expectMagnitudesMatch(const Design& d, const ThreeWayNetwork& n, const std::vector<double>& hz,
                                  double dbTolerance = 2e-3)
{
    for (const double f : hz) {
        const double w = PI2 * f;
        for (int ii = 1; ii <= 4; ++ii) {
            EXPECT_NEAR(evaluate(d, EvalKind::Fr, ii, w), attenuationDb(n.transfer(ii, w)), dbTolerance)
                << kBranchName[ii] << " amplitude at " << f << " Hz";
            EXPECT_NEAR(evaluate(d, EvalKind::Imp, ii, w), std::log10(std::abs(n.impedance(ii, w))), 2e-5)
                << kBranchName[ii] << " impedance at " << f << " Hz";
        }
    }
}

// Runs a phase-like evaluator down the sweep from 20 kHz, as the phase sweep
// does, and checks that the value it leaves in `EvalState::*result` differs
// from the true phase of the branch by `offset` modulo `period` degrees at
// every point. With period 180 this also holds through the unwrap; with 360
// it shows that the unwrap follows every turn of the true phase.
inline void expectPhaseTracks(const Design& d, const ThreeWayNetwork& n, EvalKind kind, int ii,
                              float EvalState::*result, double offset, double period)
{
    EvalState e;
    auto w = sweepFrequencies();
    for (auto it = w.rbegin(); it != w.rend(); ++it) {
        e.f = static_cast<float>(*it);
        evaluatorFor(d, kind, ii)(d, e);
        const double truth = std::arg(n.transfer(ii, e.f)) * kDegPerRad;
        ASSERT_NEAR(wrapped(e.*result - truth - offset, period), 0.0, 2e-3)
            << kBranchName[ii] << " at " << *it / PI2 << " Hz: " << e.*result << " against " << truth;
    }
}

// Runs a Nyquist evaluator as the Nyquist sweep does, from 100 kHz down to
// about 1 Hz with a fresh unwrap state, and checks that every point is the
// transfer function times `sign` (+1, or −1 where the point is placed
// opposite it).
inline void expectNyquistFollows(const Design& d, const ThreeWayNetwork& n, int ii, double sign)
{
    EvalState e;
    for (float k = 5.0F; k >= 0; k = static_cast<float>(k - 0.01)) {
        e.f = static_cast<float>(std::pow(10.0, k) * PI2);
        evaluatorFor(d, EvalKind::Nq, ii)(d, e);
        const cplx h = sign * n.transfer(ii, e.f);
        ASSERT_NEAR(std::abs(cplx(e.xx, e.yy) - h) / std::abs(h), 0.0, 2e-5)
            << kBranchName[ii] << " at " << std::pow(10.0, k) << " Hz: (" << e.xx << ", " << e.yy << ") against " << h;
    }
}

// H(s)/s handed to the inverse transform, with s scaled by 10^4: evaluating
// the lists at s' = jw·10^-4 and multiplying by s' gives H(jw) back.
inline cplx stepTransfer(const EvalState& e, double w)
{
    const cplx s(0, w * 1e-4);
    cplx num = 0, den = 0;
    for (int i = 1; i <= e.NUO + 1; ++i) num = num * s + e.NUT[static_cast<std::size_t>(i)];
    for (int i = 1; i <= e.DEO + 1; ++i) den = den * s + e.DET[static_cast<std::size_t>(i)];
    return num / den * s;
}

inline void expectStepMatches(const Design& d, const ThreeWayNetwork& n, Evaluator step, int ii)
{
    EvalState e;
    step(d, e);
    for (const double f : {30.0, 300.0, 1000.0, 3000.0, 15000.0}) {
        const cplx h = n.branch(ii).transfer(PI2 * f);
        EXPECT_NEAR(std::abs(stepTransfer(e, PI2 * f) - h) / std::abs(h), 0.0, 1e-5)
            << kBranchName[ii] << " at " << f << " Hz";
    }
}

}  // namespace larkspan::test
