// Timing of the as-built overlay of the amplitude view: the fourth-order
// 3-way network with E12 values in pairs, L-pads and corrections, solved as a
// circuit for its Lo, Mid, Hi and To curves at 300 frequencies.
#include <benchmark/benchmark.h>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "network/as_built_curves.h"
#include "response/sweeps.h"

namespace larkspan {
namespace {

void BM_AsBuiltAmplitude(benchmark::State& state)
{
    Design d;
    d.channel = 3;
    d.order = 4;
    d.s_Type = "Linkwi";
    d.FXL = 300;
    d.FXH = 3000;
    CalcDiffAtt(d);
    const auto ideal = ampPlot(d);
    CalcImpIncAtt(d);
    SeriesChoice e12;
    e12.name = SeriesName::E12;
    e12.pairs = true;
    for (auto _ : state) {
        const auto built = asBuiltCurves(d, e12, AsBuiltView::Amp, ideal);
        benchmark::DoNotOptimize(built.curves.data());
    }
}

BENCHMARK(BM_AsBuiltAmplitude)->Name("as_built_amp_fth3way")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace larkspan
