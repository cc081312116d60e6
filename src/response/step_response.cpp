#include "response/step_response.h"

#include <algorithm>
#include <cmath>

#include "synthesis/cofcal.h"

namespace larkspan {

namespace {

constexpr int kDirectTerms = 8;
constexpr std::int32_t kMaxDIGT = 19;
// Highest index of NUT/DET that a polynomial may use.
constexpr std::int32_t kMaxDegree = static_cast<std::int32_t>(std::tuple_size_v<decltype(EvalState::NUT)>) - 2;

// Degrees outside the arrays are clamped so that Horner's loop stays inside
// them.
std::int32_t boundedDegree(std::int32_t degree)
{
    return std::clamp<std::int32_t>(degree, 0, kMaxDegree);
}

struct Complex {
    double re;
    double im;
};

// Horner's rule: ((c1·s + c2)·s + c3)..., coefficients from index 1.
template <std::size_t N>
Complex horner(const std::array<double, N>& c, std::int32_t degree, double x, double y)
{
    double re = 0;
    double im = 0;
    for (std::int32_t i = 1; i <= boundedDegree(degree) + 1; ++i) {
        const double nextRe = re * x - im * y + c[static_cast<std::size_t>(i)];
        const double nextIm = re * y + im * x;
        re = nextRe;
        im = nextIm;
    }
    return {re, im};
}

// The branches of a channel with their step kinds, in drawing order; `slot`
// indexes the unit's step substitutions.
struct StepBranch {
    int ii;
    std::size_t slot;
    std::int16_t kind;
};

std::vector<StepBranch> stepBranches(int channel)
{
    if (channel == 2) return {{1, 0, kLowPass}, {2, 1, kHighPass}};
    if (channel == 3) return {{1, 0, kLowPass}, {2, 1, kBandPass}, {3, 2, kHighPass}};
    return {};
}

// Upper bounds of the eleven time-axis bands, Hz, and their factors.
constexpr std::array<double, 10> kBandBelow{12.5, 25, 50, 125, 250, 500, 1250, 2500, 5000, 12500};
constexpr std::array<double, 11> kBandFactor{0.0003125, 0.000625, 0.00125, 0.0025, 0.00625, 0.0125,
                                             0.025,     0.0625,   0.125,   0.25,   0.625};

// The longest window, F below 12.5 Hz, has about 42 650 points.
constexpr std::size_t kMaxStepPoints = 50000;

// Sets a curve's name, colour and width and empties it, keeping the room
// its points had.
void restyle(Curve& c, int channel, int ii)
{
    c.branch = branchName(channel, ii);
    c.colour = branchColour(channel, ii);
    c.LineW = branchLineWidth(channel, ii);
    c.points.clear();
}

// t = 0, 0.05, 0.10, ... while t ≤ tmax, kept in single precision.
template <typename Fn>
void forEachStepTime(const StepTimeAxis& axis, Fn fn)
{
    std::size_t count = 0;
    for (float t = 0; t <= axis.tmax && count < kMaxStepPoints; t = static_cast<float>(t + 0.05), ++count) fn(t);
}

float stepY(double v)
{
    return static_cast<float>(-v * 140 + 190 + 70);
}

CurvePoint stepPoint(const StepTimeAxis& axis, float t, double v)
{
    CurvePoint p;
    p.k = t;
    p.value = v;
    p.x = static_cast<float>(static_cast<double>(t) * 23 * 30 * axis.timeScale / axis.F + 46);
    p.y = stepY(v);
    p.drawn = t != 0;
    return p;
}

}  // namespace

EulerWeights EulerTransform(std::int32_t DIGT)
{
    EulerWeights out;
    const std::int32_t p = std::clamp<std::int32_t>(DIGT, 0, kMaxDIGT);
    out.DIGT = p;
    std::array<float, 21> w{};
    w[0] = 1;
    for (std::int32_t i = 1; i <= p; ++i) {
        const auto at = static_cast<std::size_t>(i);
        w[at] = w[at - 1] * static_cast<float>(p + 1 - i) / static_cast<float>(i);
    }
    out.Euler[static_cast<std::size_t>(p + 1)] = 0;
    for (std::int32_t i = p; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(i);
        out.Euler[at] = out.Euler[at + 1] + w[at];
    }
    return out;
}

double SubroutineInverseLaplaceTransform(const EvalState& e, float x, float /*w*/, float y, float /*scale*/, float sign)
{
    const Complex N = horner(e.NUT, e.NUO, x, y);
    const Complex D = horner(e.DET, e.DEO, x, y);
    return sign * (N.re * D.im - N.im * D.re) / (D.re * D.re + D.im * D.im);
}

namespace {

// Consecutive times are inverted side by side, one to a lane of a vector:
// each lane runs exactly the steps of SubroutineInverseLaplaceTransform and
// of the series sum, in the same order, so that it rounds as scalar code
// does (multiplications and additions stay separate: no fused multiply-add).
// Everything a time needs is set up once for all branches.
constexpr int kLanes = 4;
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));
using FloatLanes = float __attribute__((vector_size(kLanes * sizeof(float))));
constexpr int kMaxTerms = kDirectTerms + kMaxDIGT;

// The abscissa 6/t, the scale e^6/t and every term's imaginary part of
// kLanes times. The imaginary parts run h/2, h/2 + h, ... with h = π/t
// (summed in single precision); the terms' signs alternate from +1.
struct TimeBlock {
    Lanes x{};
    Lanes E{};
    std::int32_t DIGT = 0;
    std::array<Lanes, kMaxTerms> y{};
};

void prepareBlock(FloatLanes t, std::int32_t DIGT, TimeBlock& b)
{
    const Lanes td = __builtin_convertvector(t, Lanes);
    b.x = __builtin_convertvector(__builtin_convertvector(6.0 / td, FloatLanes), Lanes);
    b.E = __builtin_convertvector(__builtin_convertvector(std::exp(6.0) / td, FloatLanes), Lanes);
    b.DIGT = std::clamp<std::int32_t>(DIGT, 0, kMaxDIGT);
    const FloatLanes h = __builtin_convertvector(pi / td, FloatLanes);
    FloatLanes y = __builtin_convertvector(__builtin_convertvector(h, Lanes) / 2.0, FloatLanes);
    for (int n = 0; n < kDirectTerms + b.DIGT; ++n) {
        b.y[static_cast<std::size_t>(n)] = __builtin_convertvector(y, Lanes);
        y = y + h;
    }
}

// Terms first .. first + G − 1 of every lane, G at a time so that their
// Horner chains overlap.
template <int G>
[[gnu::always_inline]] inline void evaluateTerms(const EvalState& e, const TimeBlock& b, int first, Lanes* F)
{
    const Lanes* y = &b.y[static_cast<std::size_t>(first)];
    Lanes nr[G];
    Lanes ni[G];
    Lanes dr[G];
    Lanes di[G];
#pragma GCC unroll 8
    for (int g = 0; g < G; ++g) nr[g] = ni[g] = dr[g] = di[g] = Lanes{};
    for (std::int32_t i = 1; i <= boundedDegree(e.NUO) + 1; ++i) {
        const double c = e.NUT[static_cast<std::size_t>(i)];
#pragma GCC unroll 8
        for (int g = 0; g < G; ++g) {
            const Lanes re = nr[g] * b.x - ni[g] * y[g] + c;
            const Lanes im = nr[g] * y[g] + ni[g] * b.x;
            nr[g] = re;
            ni[g] = im;
        }
    }
    for (std::int32_t i = 1; i <= boundedDegree(e.DEO) + 1; ++i) {
        const double c = e.DET[static_cast<std::size_t>(i)];
#pragma GCC unroll 8
        for (int g = 0; g < G; ++g) {
            const Lanes re = dr[g] * b.x - di[g] * y[g] + c;
            const Lanes im = dr[g] * y[g] + di[g] * b.x;
            dr[g] = re;
            di[g] = im;
        }
    }
#pragma GCC unroll 8
    for (int g = 0; g < G; ++g) {
        const double sign = (first + g) % 2 == 0 ? 1 : -1;
        F[first + g] = sign * (nr[g] * di[g] - ni[g] * dr[g]) / (dr[g] * dr[g] + di[g] * di[g]);
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target_clones("avx2", "default")]]
#endif
void invertBlock(const EvalState& e, const EulerWeights& Euler, const TimeBlock& b, Lanes& out)
{
    Lanes F[kMaxTerms];
    const int terms = kDirectTerms + b.DIGT;
    int first = 0;
    for (; first + 4 <= terms; first += 4) evaluateTerms<4>(e, b, first, F);
    switch (terms - first) {
        case 3:
            evaluateTerms<3>(e, b, first, F);
            break;
        case 2:
            evaluateTerms<2>(e, b, first, F);
            break;
        case 1:
            evaluateTerms<1>(e, b, first, F);
            break;
        default:
            break;
    }
    Lanes S{};
    for (int n = 0; n < kDirectTerms; ++n) S += F[n];
    S = S * Euler.Euler[0];
    for (std::int32_t m = 1; m <= b.DIGT; ++m) S += Euler.Euler[static_cast<std::size_t>(m)] * F[kDirectTerms + m - 1];
    out = b.E * S / Euler.Euler[0];
}

// The value at t = 0, set by the kind of branch.
double stepEdge(std::int16_t kind)
{
    return kind == kHighPass ? 1 : 0;
}

}  // namespace

double InverseLaplaceTransform(const EvalState& e, const EulerWeights& Euler, float t, std::int16_t kind)
{
    if (t == 0) return stepEdge(kind);
    TimeBlock b;
    prepareBlock(FloatLanes{} + t, Euler.DIGT, b);
    Lanes v;
    invertBlock(e, Euler, b, v);
    return v[0];
}

StepTimeAxis stepTimeAxis(const Design& d)
{
    StepTimeAxis axis;
    axis.F = d.channel == 3 ? d.FXL : d.FX;
    axis.band = static_cast<int>(kBandBelow.size());
    for (std::size_t i = 0; i < kBandBelow.size(); ++i) {
        if (axis.F < kBandBelow[i]) {
            axis.band = static_cast<int>(i);
            break;
        }
    }
    axis.c = kBandFactor[static_cast<std::size_t>(axis.band)];
    axis.timeScale = axis.F * axis.c;
    axis.tmax = std::rint(((static_cast<double>(axis.F) * 2 / 3) / axis.timeScale) * 100 + 0.6) / 100;
    return axis;
}

std::vector<float> stepTimes(const StepTimeAxis& axis)
{
    std::vector<float> times;
    forEachStepTime(axis, [&times](float t) { times.push_back(t); });
    return times;
}

double TotalStepResponsePlot2(const Design& d, const EulerWeights& Euler, float t)
{
    const NetworkUnit* unit = unitFor(d.channel, d.order);
    if (!unit) return 0;
    EvalState e;
    double total = 0;
    for (const StepBranch& b : stepBranches(d.channel)) {
        const Evaluator substitution = unit->step[b.slot];
        if (!substitution) continue;
        substitution(d, e);
        total += InverseLaplaceTransform(e, Euler, t, b.kind);
    }
    return total;
}

std::vector<Curve> StepPlot(const Design& d)
{
    std::vector<Curve> curves;
    StepPlotInto(d, curves);
    return curves;
}

void StepPlotInto(const Design& d, std::vector<Curve>& curves)
{
    const NetworkUnit* unit = unitFor(d.channel, d.order);
    if (!unit) {
        curves.clear();
        return;
    }
    const EulerWeights Euler = EulerTransform(kDIGT);
    const StepTimeAxis axis = stepTimeAxis(d);
    const std::vector<StepBranch> branches = stepBranches(d.channel);
    curves.resize(branches.size() + 1);

    // The total's points carry each time's t and x, the same for every
    // branch, and gather the branch values.
    Curve& sum = curves.back();
    restyle(sum, d.channel, branchCount(d.channel));
    forEachStepTime(axis, [&](float t) { sum.points.push_back(stepPoint(axis, t, 0)); });
    const std::size_t count = sum.points.size();

    // Every branch's polynomials stay loaded, so that each time's terms are
    // set up once for all branches.
    std::vector<EvalState> loaded(branches.size());
    std::vector<bool> present(branches.size(), false);
    for (std::size_t n = 0; n < branches.size(); ++n) {
        restyle(curves[n], d.channel, branches[n].ii);
        if (const Evaluator substitution = unit->step[branches[n].slot]) {
            substitution(d, loaded[n]);
            present[n] = true;
            curves[n].points.resize(count);
        }
    }

    // Each branch is inverted once per time and the total summed from those
    // values, in branch order, as inverting every branch again would. A last
    // block short of kLanes times repeats its last time in the spare lanes.
    TimeBlock block;
    for (std::size_t first = 0; first < count; first += kLanes) {
        const std::size_t lanes = std::min<std::size_t>(kLanes, count - first);
        FloatLanes t{};
        for (std::size_t l = 0; l < kLanes; ++l) t[l] = sum.points[first + std::min(l, lanes - 1)].k;
        prepareBlock(t, Euler.DIGT, block);
        for (std::size_t n = 0; n < branches.size(); ++n) {
            if (!present[n]) continue;
            Lanes v;
            invertBlock(loaded[n], Euler, block, v);
            for (std::size_t l = 0; l < lanes; ++l) {
                CurvePoint& total = sum.points[first + l];
                CurvePoint& p = curves[n].points[first + l];
                p.k = total.k;
                p.value = total.k == 0 ? stepEdge(branches[n].kind) : v[l];
                p.x = total.x;
                p.y = stepY(p.value);
                p.drawn = total.drawn;
                total.value += p.value;
            }
        }
    }
    for (std::size_t n = 0; n < branches.size(); ++n) dropNonFiniteSegments(curves[n]);

    if (std::find(present.begin(), present.end(), false) != present.end()) {
        sum.points.clear();
        return;
    }
    for (CurvePoint& p : sum.points) p.y = stepY(p.value);
    dropNonFiniteSegments(sum);
}

}  // namespace larkspan
