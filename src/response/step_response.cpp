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

CurvePoint stepPoint(const StepTimeAxis& axis, float t, double v)
{
    CurvePoint p;
    p.k = t;
    p.value = v;
    p.x = static_cast<float>(static_cast<double>(t) * 23 * 30 * axis.timeScale / axis.F + 46);
    p.y = static_cast<float>(-v * 140 + 190 + 70);
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

// All terms of one time point are evaluated side by side, four to a vector:
// each term's Horner steps and quotient are exactly those of
// SubroutineInverseLaplaceTransform, element by element, but the terms are
// independent, so the long chains of dependent multiplications overlap.
// Multiplications and additions stay separate (no fused multiply-add), so
// every lane rounds as the scalar code does.
using Lanes = double __attribute__((vector_size(4 * sizeof(double))));
constexpr int kLaneWidth = 4;
constexpr int kMaxVectors = (kDirectTerms + kMaxDIGT + kLaneWidth - 1) / kLaneWidth;

// A fixed count of vectors keeps the partial sums in registers.
template <int V>
[[gnu::always_inline]] inline void evaluateVectors(const EvalState& e, double x, const Lanes* y, const Lanes* sign,
                                                   Lanes* out)
{
    Lanes nr[V];
    Lanes ni[V];
    Lanes dr[V];
    Lanes di[V];
#pragma GCC unroll 8
    for (int v = 0; v < V; ++v) nr[v] = ni[v] = dr[v] = di[v] = Lanes{};
    const std::int32_t nuo = boundedDegree(e.NUO);
    const std::int32_t deo = boundedDegree(e.DEO);
    for (std::int32_t i = 1; i <= nuo + 1; ++i) {
        const double c = e.NUT[static_cast<std::size_t>(i)];
#pragma GCC unroll 8
        for (int v = 0; v < V; ++v) {
            const Lanes re = nr[v] * x - ni[v] * y[v] + c;
            const Lanes im = nr[v] * y[v] + ni[v] * x;
            nr[v] = re;
            ni[v] = im;
        }
    }
    for (std::int32_t i = 1; i <= deo + 1; ++i) {
        const double c = e.DET[static_cast<std::size_t>(i)];
#pragma GCC unroll 8
        for (int v = 0; v < V; ++v) {
            const Lanes re = dr[v] * x - di[v] * y[v] + c;
            const Lanes im = dr[v] * y[v] + di[v] * x;
            dr[v] = re;
            di[v] = im;
        }
    }
    for (int v = 0; v < V; ++v) out[v] = sign[v] * (nr[v] * di[v] - ni[v] * dr[v]) / (dr[v] * dr[v] + di[v] * di[v]);
}

#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target_clones("avx2", "default")]]
#endif
void evaluateTerms(const EvalState& e, int vectors, double x, const Lanes* y, const Lanes* sign, Lanes* out)
{
    static_assert(kMaxVectors == 7, "one case per vector count");
    switch (vectors) {
        case 2:
            evaluateVectors<2>(e, x, y, sign, out);
            break;
        case 3:
            evaluateVectors<3>(e, x, y, sign, out);
            break;
        case 4:
            evaluateVectors<4>(e, x, y, sign, out);
            break;
        case 5:
            evaluateVectors<5>(e, x, y, sign, out);
            break;
        case 6:
            evaluateVectors<6>(e, x, y, sign, out);
            break;
        default:
            evaluateVectors<7>(e, x, y, sign, out);
            break;
    }
}

// What the inversion at one time needs, whatever the branch: the abscissa
// 6/t, the spacing π/t, the scale e^6/t, and every term's imaginary part and
// sign. The imaginary parts run h/2, h/2 + h, ... (summed in single
// precision) and the signs alternate, through the direct terms and on into
// the weighted ones; lanes past the last term carry on the same way and are
// ignored.
struct InversionPoint {
    float x = 0;
    float h = 0;
    float E = 0;
    std::int32_t DIGT = 0;
    int vectors = 0;
    Lanes ys[kMaxVectors];
    Lanes signs[kMaxVectors];
};

void prepareInversion(float t, std::int32_t DIGT, InversionPoint& p)
{
    p.x = static_cast<float>(6.0 / t);
    p.h = static_cast<float>(pi / t);
    p.E = static_cast<float>(std::exp(6.0) / t);
    p.DIGT = std::clamp<std::int32_t>(DIGT, 0, kMaxDIGT);
    p.vectors = (kDirectTerms + p.DIGT + kLaneWidth - 1) / kLaneWidth;
    auto y = static_cast<float>(p.h / 2.0);
    float sign = 1;
    for (int n = 0; n < p.vectors * kLaneWidth; ++n) {
        p.ys[n / kLaneWidth][n % kLaneWidth] = y;
        p.signs[n / kLaneWidth][n % kLaneWidth] = sign;
        y = y + p.h;
        sign = -sign;
    }
}

double invertAt(const EvalState& e, const EulerWeights& Euler, const InversionPoint& p)
{
    Lanes F[kMaxVectors];
    evaluateTerms(e, p.vectors, p.x, p.ys, p.signs, F);
    const auto term = [&F](int n) { return F[n / kLaneWidth][n % kLaneWidth]; };
    double S = 0;
    for (int n = 0; n < kDirectTerms; ++n) S += term(n);
    S = S * Euler.Euler[0];
    for (std::int32_t m = 1; m <= p.DIGT; ++m)
        S += Euler.Euler[static_cast<std::size_t>(m)] * term(kDirectTerms + m - 1);
    return p.E * S / Euler.Euler[0];
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
    InversionPoint p;
    prepareInversion(t, Euler.DIGT, p);
    return invertAt(e, Euler, p);
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

    Curve& sum = curves.back();
    restyle(sum, d.channel, branchCount(d.channel));
    forEachStepTime(axis, [&sum](float t) { sum.points.push_back(CurvePoint{.k = t}); });

    // Every branch's polynomials stay loaded, so that each time's terms are
    // set up once for all branches.
    std::vector<EvalState> loaded(branches.size());
    std::vector<bool> present(branches.size(), false);
    for (std::size_t n = 0; n < branches.size(); ++n) {
        restyle(curves[n], d.channel, branches[n].ii);
        if (const Evaluator substitution = unit->step[branches[n].slot]) {
            substitution(d, loaded[n]);
            present[n] = true;
            curves[n].points.reserve(sum.points.size());
        }
    }

    // Each branch is inverted once per time and the total summed from those
    // values, in branch order, as inverting every branch again would.
    InversionPoint at;
    for (CurvePoint& total : sum.points) {
        const float t = total.k;
        if (t != 0) prepareInversion(t, Euler.DIGT, at);
        for (std::size_t n = 0; n < branches.size(); ++n) {
            if (!present[n]) continue;
            const double v = t == 0 ? stepEdge(branches[n].kind) : invertAt(loaded[n], Euler, at);
            total.value += v;
            curves[n].points.push_back(stepPoint(axis, t, v));
        }
    }
    for (std::size_t n = 0; n < branches.size(); ++n) dropNonFiniteSegments(curves[n]);

    if (std::find(present.begin(), present.end(), false) != present.end()) {
        sum.points.clear();
        return;
    }
    for (CurvePoint& p : sum.points) p = stepPoint(axis, p.k, p.value);
    dropNonFiniteSegments(sum);
}

}  // namespace larkspan
