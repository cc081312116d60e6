// Timing of the corrected-impedance view: the notch calculation and both
// curves, as one redraw of the view runs them.
#include <benchmark/benchmark.h>

#include "corrections/notch.h"

namespace larkspan {
namespace {

// Argument: 0 free-air tweeter, 1 closed-box mid-range.
Design notchDesign(bool box)
{
    Design d;
    NotchWorkingSet& w = d.notchSet;
    w.Notch = box ? 2 : 1;
    w.FS = box ? 60.0F : 800.0F;
    w.VAS = box ? 10.0F : 0.0F;
    w.QES = box ? 0.5F : 1.2F;
    w.QMS = box ? 3.0F : 2.5F;
    w.REE = 6;
    w.LEE = box ? 0.5F : 0.05F;
    w.VB = 5;
    w.QA = 10;
    return d;
}

void BM_NotchImpPlot(benchmark::State& state)
{
    Design d = notchDesign(state.range(0) == 1);
    for (auto _ : state) {
        NotchCal(d);
        auto curves = NotchImpPlot(d);
        benchmark::DoNotOptimize(curves.data());
    }
}

BENCHMARK(BM_NotchImpPlot)->Name("corrected_impedance")->Arg(0)->Arg(1);

}  // namespace
}  // namespace larkspan
