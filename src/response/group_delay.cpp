#include "response/group_delay.h"

#include <cmath>
#include <limits>

#include "response/axis.h"
#include "response/sweep_loop.h"
#include "synthesis/cofcal.h"

namespace larkspan {

namespace {

// Both sweeps run from 100 kHz down to 20 Hz; the scale search ignores, and
// the curve does not draw, what lies above 20 kHz.
constexpr float kStart = 5.0F;
const float kLowEnd = static_cast<float>(std::log10(20.0));
const float kHighEnd = static_cast<float>(std::log10(20000.0));

}  // namespace

float groupDelayScaleFor(float peak)
{
    for (std::size_t i = 0; i + 1 < kGroupDelayScales.size(); ++i)
        if (peak < kGroupDelayScales[i]) return kGroupDelayScales[i];
    return kGroupDelayScales.back();
}

void gdCal(const Design& d, EvalState& e, int ii)
{
    if (const Evaluator eval = evaluatorFor(d, EvalKind::Gd, ii)) eval(d, e);
}

void gdOpt(const Design& d, GroupDelayState& s)
{
    s.GG = {};
    s.G2 = 0;
    for (int ii = 1; ii <= branchCount(d.channel); ++ii) gdOpt2(d, s, ii);
    gdOptCal(s);
}

void gdOpt2(const Design& d, GroupDelayState& s, int ii)
{
    EvalState e;  // unwrap and difference state start from zero
    float yy1 = 0;
    bool nonFinite = false;
    // 370 points.
    static const std::vector<SweepStep> steps = sweepSteps(kStart, kLowEnd, -0.01, 400);
    for (const SweepStep& step : steps) {
        const float k = step.k;
        e.f = step.omega;
        gdCal(d, e, ii);
        if (k > kHighEnd) {
            yy1 = e.yy0;
            continue;
        }
        const float yy4 = e.yy0;
        nonFinite = nonFinite || !std::isfinite(yy4);
        // The first decrease after 20 kHz marks the first peak, once per
        // program run.
        if (s.gdOptFlg == 0 && std::fabs(yy4) < std::fabs(yy1)) {
            s.G1 = std::fabs(yy1);
            s.gdOptFlg = 1;
            s.G2 = std::fabs(yy1);
        }
        // On a rising slope the peak follows the previous value.
        if (std::fabs(yy1) < std::fabs(yy4) && s.G2 < s.G1 && s.G1 < std::fabs(yy4)) s.G2 = std::fabs(yy1);
        s.G1 = std::fabs(yy4);
        yy1 = yy4;
    }
    if (ii < 1 || ii > static_cast<int>(s.GG.size())) return;
    // A branch whose delay is not a number has no usable peak: it asks for the
    // largest scale rather than the smallest.
    s.GG[static_cast<std::size_t>(ii - 1)] = nonFinite ? std::numeric_limits<float>::infinity() : s.G2;
}

void gdOptCal(GroupDelayState& s)
{
    s.G2 = s.GG[0];
    for (std::size_t i = 1; i < s.GG.size(); ++i)
        if (s.GG[i] > s.G2 || std::isnan(s.GG[i])) s.G2 = s.GG[i];
    s.GDscl = groupDelayScaleFor(s.G2);
}

namespace {

// One branch's curve into `curve`, reusing the room its points have.
void gdPlot2Into(const Design& d, const GroupDelayState& s, int ii, Curve& curve)
{
    curve.branch = branchName(d.channel, ii);
    curve.colour = branchColour(d.channel, ii);
    curve.LineW = branchLineWidth(d.channel, ii);
    curve.points.clear();
    if (!evaluatorFor(d, EvalKind::Gd, ii)) return;

    EvalState e;  // unwrap and difference state start from zero
    static const std::vector<SweepStep> steps = sweepSteps(kStart, kLowEnd, -0.001, 4000);
    curve.points.reserve(steps.size());
    for (const SweepStep& step : steps) {
        e.f = step.omega;
        gdCal(d, e, ii);
        CurvePoint& p = curve.points.emplace_back();
        p.k = step.k;
        // The accumulator's constant fits a 0.01-decade step; this sweep steps
        // 0.001 decade, hence the factor 10.
        p.value = static_cast<double>(e.yy0) * 10;
        p.x = step.x;
        p.y = static_cast<float>(kGroupDelayAxis.map((static_cast<double>(e.yy0) / s.GDscl) * 10));
        p.drawn = step.k <= kHighEnd;
    }
    dropNonFiniteSegments(curve);
}

}  // namespace

Curve gdPlot2(const Design& d, const GroupDelayState& s, int ii)
{
    Curve curve;
    gdPlot2Into(d, s, ii, curve);
    return curve;
}

void gdPlotInto(const Design& d, const GroupDelayState& s, std::vector<Curve>& curves)
{
    if (!unitFor(d.channel, d.order)) {
        curves.clear();
        return;
    }
    curves.resize(static_cast<std::size_t>(branchCount(d.channel)));
    for (int ii = 1; ii <= branchCount(d.channel); ++ii)
        gdPlot2Into(d, s, ii, curves[static_cast<std::size_t>(ii - 1)]);
}

std::vector<Curve> gdPlot(const Design& d, const GroupDelayState& s)
{
    std::vector<Curve> curves;
    gdPlotInto(d, s, curves);
    return curves;
}

}  // namespace larkspan
