#include "response/nyquist.h"

#include <cmath>

#include "synthesis/cofcal.h"

namespace larkspan {

Curve nqPlot2(Design& d, int ii)
{
    cofCal(d);
    Curve curve;
    curve.branch = branchName(d.channel, ii);
    curve.colour = branchColour(d.channel, ii);
    curve.LineW = 1;  // the total too, unlike the other graphs
    const Evaluator eval = evaluatorFor(d, EvalKind::Nq, ii);
    if (!eval) return curve;

    EvalState e;  // ss, fai and fai2 start from zero
    constexpr float kStart = 5.0F;
    curve.points.reserve(500);
    for (float k = kStart; k >= 0 && curve.points.size() < 600; k = static_cast<float>(k - 0.01)) {
        e.f = static_cast<float>(std::pow(10.0, static_cast<double>(k)) * PI2);
        eval(d, e);
        CurvePoint p;
        p.k = k;
        p.re = e.xx;
        p.im = e.yy;
        p.x = static_cast<float>(static_cast<double>(e.xx) * 70 + 270);
        p.y = static_cast<float>(static_cast<double>(e.yy) * (-70) + 190);
        p.drawn = k != kStart;
        curve.points.push_back(p);
    }
    dropNonFiniteSegments(curve);
    return curve;
}

std::vector<Curve> nqPlot(Design& d)
{
    std::vector<Curve> curves;
    if (!unitFor(d.channel, d.order)) return curves;
    for (int ii = 1; ii <= branchCount(d.channel); ++ii) curves.push_back(nqPlot2(d, ii));
    return curves;
}

}  // namespace larkspan
