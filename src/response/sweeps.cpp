#include "response/sweeps.h"

#include <cmath>

#include "response/axis.h"
#include "response/sweep_loop.h"
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

Curve rising(const Design& d, int ii, EvalKind kind, float (*toY)(float), bool (*drawable)(float))
{
    Curve curve = curveFor(d, ii);
    if (const Evaluator eval = evaluatorFor(d, kind, ii))
        risingSweep(
            curve, [](const SweepStep& s) { return s.omega; }, [&](EvalState& e) { eval(d, e); }, toY, drawable);
    return curve;
}

std::vector<Curve> allBranches(const Design& d, Curve (*plot2)(const Design&, int))
{
    std::vector<Curve> curves;
    if (!unitFor(d.channel, d.order)) return curves;
    for (int ii = 1; ii <= branchCount(d.channel); ++ii) curves.push_back(plot2(d, ii));
    return curves;
}

}  // namespace

float ampY(float yy)
{
    // The level rounded to 1e-4 dB. Dividing before the axis multiplies by 8
    // gives the double that multiplying first does, 8 being a power of two.
    return static_cast<float>(kAmplitudeAxis.map(std::rint(static_cast<double>(yy) * 10000) / 10000));
}
bool ampDrawable(float y)
{
    return y <= 330;
}
float impY(float yy)
{
    return static_cast<float>(kImpedanceAxis.map(yy));
}
bool impDrawable(float y)
{
    return y >= 50;
}
float phY(float yy)
{
    return static_cast<float>(kPhaseAxis.map(yy));
}

Curve ampPlot2(const Design& d, int ii)
{
    return rising(d, ii, EvalKind::Fr, ampY, ampDrawable);
}

Curve impPlot2(const Design& d, int ii)
{
    return rising(d, ii, EvalKind::Imp, impY, impDrawable);
}

Curve phPlot2(const Design& d, int ii)
{
    Curve curve = curveFor(d, ii);
    const Evaluator eval = evaluatorFor(d, EvalKind::Ph, ii);
    if (!eval) return curve;

    EvalState e;  // ss and yy2 start from zero at 20 kHz
    static const std::vector<SweepStep> steps =
        sweepSteps(static_cast<float>(std::log10(20000.0)), static_cast<float>(std::log10(20.0)), -0.01, 1000);
    curve.points.reserve(steps.size());
    for (const SweepStep& step : steps) {
        e.f = step.omega;
        eval(d, e);
        CurvePoint& p = curve.points.emplace_back();
        p.k = step.k;
        p.value = e.yy;
        p.x = step.x;
        p.y = phY(e.yy);
        p.drawn = &step != &steps.front();
    }
    dropNonFiniteSegments(curve);
    return curve;
}

std::vector<Curve> ampPlot(const Design& d)
{
    return allBranches(d, ampPlot2);
}
std::vector<Curve> impPlot(const Design& d)
{
    return allBranches(d, impPlot2);
}
std::vector<Curve> phPlot(const Design& d)
{
    return allBranches(d, phPlot2);
}

}  // namespace larkspan
