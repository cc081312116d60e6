#include "response/nyquist.h"

#include <cmath>

#include "response/axis.h"
#include "response/sweep_loop.h"
#include "synthesis/cofcal.h"

namespace larkspan {

Curve nqPlot2(const Design& d, int ii)
{
    Curve curve;
    curve.branch = branchName(d.channel, ii);
    curve.colour = branchColour(d.channel, ii);
    curve.LineW = 1;  // the total too, unlike the other graphs
    const Evaluator eval = evaluatorFor(d, EvalKind::Nq, ii);
    if (!eval) return curve;

    EvalState e;  // ss, fai and fai2 start from zero
    constexpr float kStart = 5.0F;
    curve.points.reserve(500);
    forEachK(kStart, 0, -0.01, 600, [&](float k) {
        e.f = angularFrequency(k);
        eval(d, e);
        CurvePoint p;
        p.k = k;
        p.re = e.xx;
        p.im = e.yy;
        p.x = static_cast<float>(kNyquistReal.map(e.xx));
        p.y = static_cast<float>(kNyquistImaginary.map(e.yy));
        p.drawn = k != kStart;
        curve.points.push_back(p);
    });
    dropNonFiniteSegments(curve);
    return curve;
}

std::vector<Curve> nqPlot(const Design& d)
{
    std::vector<Curve> curves;
    if (!unitFor(d.channel, d.order)) return curves;
    for (int ii = 1; ii <= branchCount(d.channel); ++ii) curves.push_back(nqPlot2(d, ii));
    return curves;
}

}  // namespace larkspan
