// Timing of a whole amplitude redraw of the fourth-order 3-way network: the
// four curves Lo, Mid, Hi and To, 300 points each (1200 evaluations, after
// one run of the synthesis), for every alignment.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "model/design.h"
#include "response/sweeps.h"
#include "synthesis/cofcal.h"

namespace larkspan {
namespace {

constexpr std::array<const char*, 5> kAlignments{"Linkwi", "Butter", "ButAsy", "Bessel", "Chebyc"};

void BM_FourthOrder3WayAmplitude(benchmark::State& state)
{
    Design d;
    d.channel = 3;
    d.order = 4;
    d.s_Type = kAlignments[static_cast<std::size_t>(state.range(0))];
    d.FXL = 300;
    d.FXH = 3000;
    std::size_t points = 0;
    for (auto _ : state) {
        cofCal(d);
        const auto curves = ampPlot(d);
        for (const auto& c : curves) points += c.points.size();
        benchmark::DoNotOptimize(curves.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(points));
    state.SetLabel(d.s_Type);
}

BENCHMARK(BM_FourthOrder3WayAmplitude)->Name("fth3way_amp")->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace larkspan
