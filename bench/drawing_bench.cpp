// Timing of a whole redraw of the response window's content: the design
// recomputed, the frame, the curves and the canvas they are drawn on.
#include <benchmark/benchmark.h>

#include <array>

#include "design/design.h"
#include "design/menu_rules.h"
#include "drawing/recording_canvas.h"
#include "drawing/response_view.h"
#include "drawing/svg_canvas.h"

namespace larkspan {
namespace {

constexpr std::array<const char*, 7> kViews{"amp", "imp", "ph", "gd", "nq", "st", "schema"};

Design designFor(const benchmark::State& state)
{
    Design d;
    chooseChannel(d, state.range(1) == 3 ? 2 : 1);
    chooseOrder(d, static_cast<int>(state.range(2)));
    d.s_Resp = kViews[static_cast<std::size_t>(state.range(0))];
    return d;
}

// Arguments: view index, ways, order.
void BM_RedrawRecorded(benchmark::State& state)
{
    Design d = designFor(state);
    ViewState view;
    for (auto _ : state) {
        RecordingCanvas canvas;
        DrawTarget target{canvas};
        ResponsePlot(target, d, view);
        benchmark::DoNotOptimize(canvas.primitives.data());
    }
    state.SetLabel(d.s_Resp);
}

void BM_RedrawSvg(benchmark::State& state)
{
    Design d = designFor(state);
    ViewState view;
    for (auto _ : state) {
        const ViewSize size = viewSize(d.s_Resp);
        SvgCanvas canvas(size.width, size.height);
        DrawTarget target{canvas};
        ResponsePlot(target, d, view);
        const std::string doc = canvas.document();
        benchmark::DoNotOptimize(doc.data());
    }
    state.SetLabel(d.s_Resp);
}

void viewArgs(benchmark::internal::Benchmark* b)
{
    for (int view = 0; view < static_cast<int>(kViews.size()); ++view) b->Args({view, 3, 4});
    b->Args({0, 2, 1});
    b->Args({5, 2, 2});
}

BENCHMARK(BM_RedrawRecorded)->Apply(viewArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSvg)->Args({0, 3, 4})->Args({5, 2, 2})->Args({6, 3, 4})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace larkspan
