// The frequency loops of the sweeps: k, the log10 of the frequency in Hz,
// runs from one end to the other in fixed steps, each k rounded to single
// precision as the previous one plus the step.
#pragma once

#include <cmath>
#include <vector>

#include "response/curve.h"
#include "synthesis/eval_state.h"

namespace larkspan {

// Calls fn(k) from `from` towards `to` (included) by `step`, negative to go
// down, at most `limit` times: the bound only guards against a k that stops
// moving.
template <typename Fn>
void forEachK(float from, float to, double step, int limit, Fn fn)
{
    int count = 0;
    for (float k = from; (step > 0 ? k <= to : k >= to) && count < limit; k = static_cast<float>(k + step), ++count)
        fn(k);
}

// One step of a sweep: k with its angular frequency and its x on the
// frequency axis, exactly as angularFrequency and xFromK give them.
struct SweepStep {
    float k = 0;
    float omega = 0;
    float x = 0;
};

// The steps forEachK takes, worked out once for a sweep that every curve and
// every redraw repeats.
inline std::vector<SweepStep> sweepSteps(float from, float to, double step, int limit)
{
    std::vector<SweepStep> steps;
    forEachK(from, to, step, limit, [&steps](float k) { steps.push_back({k, angularFrequency(k), xFromK(k)}); });
    return steps;
}

// The 300 steps upward from 20 Hz to 20 kHz in steps of 0.01 decade.
inline const std::vector<SweepStep>& risingSteps()
{
    static const std::vector<SweepStep> steps =
        sweepSteps(static_cast<float>(std::log10(20.0)), static_cast<float>(std::log10(20000.0)), 0.01, 1000);
    return steps;
}

// The 300 points upward from 20 Hz to 20 kHz in steps of 0.01 decade that the
// network's amplitude and impedance curves and the corrected-impedance curves
// share. For each step, `omega(step)` gives the angular frequency, `eval(e)` leaves
// the value in e.yy, `toY` places it and `drawable(y)` says whether a line may
// reach it; the first point only starts the line.
template <typename Omega, typename Eval, typename ToY, typename Drawable>
void risingSweep(Curve& curve, Omega omega, Eval eval, ToY toY, Drawable drawable)
{
    EvalState e;
    const std::vector<SweepStep>& steps = risingSteps();
    curve.points.reserve(steps.size());
    for (const SweepStep& step : steps) {
        e.f = omega(step);
        eval(e);
        // Filled in place: a point built aside and copied in costs more than
        // the evaluation.
        CurvePoint& p = curve.points.emplace_back();
        p.k = step.k;
        p.value = e.yy;
        p.x = step.x;
    }
    // Placed in a loop of their own, where one point's division need not
    // wait for the next evaluation.
    for (CurvePoint& p : curve.points) {
        p.y = toY(static_cast<float>(p.value));
        p.drawn = &p != &curve.points.front() && drawable(p.y);
    }
    dropNonFiniteSegments(curve);
}

}  // namespace larkspan
