// Timing of the group-delay, Nyquist and step-response views: every curve of
// one view per run, as a redraw computes them.
#include <benchmark/benchmark.h>

#include "bench_designs.h"
#include "model/design.h"
#include "response/group_delay.h"
#include "response/nyquist.h"
#include "response/step_response.h"
#include "rules/menu_rules.h"

namespace larkspan {
namespace {

using bench::designOf;

std::size_t pointCount(const std::vector<Curve>& curves)
{
    std::size_t n = 0;
    for (const Curve& c : curves) n += c.points.size();
    return n;
}

// Arguments: ways, order.
void GroupDelayView(benchmark::State& state)
{
    Design d = designOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    GroupDelayState s;  // kept across redraws, as in the program
    for (auto _ : state) {
        gdOpt(d, s);
        auto curves = gdPlot(d, s);
        benchmark::DoNotOptimize(curves.data());
    }
}

void NyquistView(benchmark::State& state)
{
    Design d = designOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        auto curves = nqPlot(d);
        benchmark::DoNotOptimize(curves.data());
    }
}

// Arguments: ways, order, crossover frequency F (FX or FXL) in Hz. Below
// 12.5 Hz the time window is longest: about 42 650 points per curve.
void StepView(benchmark::State& state)
{
    Design d = bench::stepDesignOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                   static_cast<float>(state.range(2)));
    std::size_t points = 0;
    for (auto _ : state) {
        auto curves = StepPlot(d);
        points = pointCount(curves);
        benchmark::DoNotOptimize(curves.data());
    }
    state.counters["points"] = static_cast<double>(points);
}

// The same into curves kept from the previous redraw, whose room is reused.
void StepRedraw(benchmark::State& state)
{
    Design d = bench::stepDesignOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                   static_cast<float>(state.range(2)));
    std::vector<Curve> curves;
    for (auto _ : state) {
        StepPlotInto(d, curves);
        benchmark::DoNotOptimize(curves.data());
    }
    state.counters["points"] = static_cast<double>(pointCount(curves));
}

BENCHMARK(GroupDelayView)->Args({2, 1})->Args({3, 4})->Unit(benchmark::kMillisecond);
BENCHMARK(NyquistView)->Args({2, 1})->Args({3, 4})->Unit(benchmark::kMillisecond);
BENCHMARK(StepView)->Args({2, 1, 650})->Args({3, 4, 200})->Args({3, 4, 10})->Unit(benchmark::kMillisecond);
BENCHMARK(StepRedraw)->Args({3, 4, 10})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace larkspan
