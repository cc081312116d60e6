#include "response/sweeps.h"

#include <cmath>

#include "synthesis/cofcal.h"

namespace larkspan {

namespace {

Curve curveFor(const Design& d, int ii)
{
    Curve c;
    c.branch = branchName(d.channel, ii);
    c.colour = branchColour(d.channel, ii);
    c.LineW = branchLineWidth(d.channel, ii);
    return c;
}

// The 300-point sweep upward from 20 Hz in steps of 0.01 decade, shared by the
// amplitude and impedance graphs; `toY` maps the evaluator's value to y and
// `drawable` says whether a line may reach that y.
template <typename ToY, typename Drawable>
Curve risingSweep(Design& d, int ii, EvalKind kind, ToY toY, Drawable drawable)
{
    cofCal(d);
    Curve curve = curveFor(d, ii);
    const Evaluator eval = evaluatorFor(d, kind, ii);
    if (!eval) return curve;

    EvalState e;
    const float k2 = static_cast<float>(std::log10(20.0));
    const float kEnd = static_cast<float>(std::log10(20000.0));
    curve.points.reserve(300);
    // The count bound keeps a NaN in k from looping; k itself never is NaN.
    for (float k = k2; k <= kEnd && curve.points.size() < 1000; k = static_cast<float>(k + 0.01)) {
        e.f = static_cast<float>(std::pow(10.0, static_cast<double>(k)) * PI2);
        eval(d, e);
        CurvePoint p;
        p.k = k;
        p.value = e.yy;
        p.x = xFromK(k);
        p.y = toY(e.yy);
        p.drawn = k != k2 && drawable(p.y);
        curve.points.push_back(p);
    }
    dropNonFiniteSegments(curve);
    return curve;
}

std::vector<Curve> allBranches(Design& d, Curve (*plot2)(Design&, int))
{
    std::vector<Curve> curves;
    if (!unitFor(d.channel, d.order)) return curves;
    for (int ii = 1; ii <= branchCount(d.channel); ++ii) curves.push_back(plot2(d, ii));
    return curves;
}

}  // namespace

float ampY(float yy)
{
    return static_cast<float>(std::rint(static_cast<double>(yy) * 10000) * 8 / 10000 + 130);
}
bool ampDrawable(float y)
{
    return y <= 330;
}
float impY(float yy)
{
    return static_cast<float>(330 - 93.33333333333333 * yy);
}
bool impDrawable(float y)
{
    return y >= 50;
}
float phY(float yy)
{
    return static_cast<float>(330 - 0.7777777777777778 * yy);
}

Curve ampPlot2(Design& d, int ii)
{
    return risingSweep(d, ii, EvalKind::Fr, ampY, ampDrawable);
}

Curve impPlot2(Design& d, int ii)
{
    return risingSweep(d, ii, EvalKind::Imp, impY, impDrawable);
}

Curve phPlot2(Design& d, int ii)
{
    cofCal(d);
    Curve curve = curveFor(d, ii);
    const Evaluator eval = evaluatorFor(d, EvalKind::Ph, ii);
    if (!eval) return curve;

    EvalState e;  // ss and yy2 start from zero at 20 kHz
    const float k2 = static_cast<float>(std::log10(20000.0));
    const float kEnd = static_cast<float>(std::log10(20.0));
    curve.points.reserve(300);
    for (float k = k2; k >= kEnd && curve.points.size() < 1000; k = static_cast<float>(k - 0.01)) {
        e.f = static_cast<float>(std::pow(10.0, static_cast<double>(k)) * PI2);
        eval(d, e);
        CurvePoint p;
        p.k = k;
        p.value = e.yy;
        p.x = xFromK(k);
        p.y = phY(e.yy);
        p.drawn = k != k2;
        curve.points.push_back(p);
    }
    dropNonFiniteSegments(curve);
    return curve;
}

std::vector<Curve> ampPlot(Design& d)
{
    return allBranches(d, ampPlot2);
}
std::vector<Curve> impPlot(Design& d)
{
    return allBranches(d, impPlot2);
}
std::vector<Curve> phPlot(Design& d)
{
    return allBranches(d, phPlot2);
}

}  // namespace larkspan
