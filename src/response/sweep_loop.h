// The frequency loops of the sweeps: k, the log10 of the frequency in Hz,
// runs from one end to the other in fixed steps, each k rounded to single
// precision as the previous one plus the step.
#pragma once

#include <cmath>

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

// The 300 points upward from 20 Hz to 20 kHz in steps of 0.01 decade that the
// network's amplitude and impedance curves and the corrected-impedance curves
// share. For each k, `omega(k)` gives the angular frequency, `eval(e)` leaves
// the value in e.yy, `toY` places it and `drawable(y)` says whether a line may
// reach it; the first point only starts the line.
template <typename Omega, typename Eval, typename ToY, typename Drawable>
void risingSweep(Curve& curve, Omega omega, Eval eval, ToY toY, Drawable drawable)
{
    EvalState e;
    const float k2 = static_cast<float>(std::log10(20.0));
    curve.points.reserve(300);
    forEachK(k2, static_cast<float>(std::log10(20000.0)), 0.01, 1000, [&](float k) {
        e.f = omega(k);
        eval(e);
        CurvePoint p;
        p.k = k;
        p.value = e.yy;
        p.x = xFromK(k);
        p.y = toY(e.yy);
        p.drawn = k != k2 && drawable(p.y);
        curve.points.push_back(p);
    });
    dropNonFiniteSegments(curve);
}

}  // namespace larkspan
