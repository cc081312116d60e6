// Timing of the frequency sweeps: one curve per run, every branch of a network.
#include <benchmark/benchmark.h>

#include "bench_designs.h"
#include "model/design.h"
#include "response/sweeps.h"
#include "rules/menu_rules.h"

namespace larkspan {
namespace {

using bench::designOf;

template <Curve (*Sweep)(const Design&, int)>
void BM_Sweep(benchmark::State& state)
{
    Design d = designOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int ii = static_cast<int>(state.range(2));
    for (auto _ : state) {
        Curve c = Sweep(d, ii);
        benchmark::DoNotOptimize(c.points.data());
    }
}

// Arguments: ways, order, branch.
void twoWayBranches(benchmark::internal::Benchmark* b)
{
    for (int order = 1; order <= 4; ++order)
        for (int ii = 1; ii <= 3; ++ii) b->Args({2, order, ii});
}

BENCHMARK(BM_Sweep<ampPlot2>)->Name("amp")->Apply(twoWayBranches);
BENCHMARK(BM_Sweep<impPlot2>)->Name("imp")->Apply(twoWayBranches);
BENCHMARK(BM_Sweep<phPlot2>)->Name("ph")->Apply(twoWayBranches);

}  // namespace
}  // namespace larkspan
