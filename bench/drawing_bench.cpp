// Timing of a whole redraw of the response window's content: the design
// recomputed, the frame, the curves and the canvas they are drawn on.
#include <benchmark/benchmark.h>

#include <array>

#include "bench_designs.h"
#include "drawing/recording_canvas.h"
#include "drawing/response_view.h"
#include "drawing/svg_canvas.h"
#include "model/design.h"
#include "rules/menu_rules.h"

namespace larkspan {
namespace {

Design designFor(const benchmark::State& state)
{
    Design d;
    chooseChannel(d, state.range(1) == 3 ? 2 : 1);
    chooseOrder(d, static_cast<int>(state.range(2)));
    d.s_Resp = bench::kViews[static_cast<std::size_t>(state.range(0))];
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

// A canvas that only counts what it is given, so that a benchmark times the
// drawing code rather than a backend.
class CountingCanvas : public Canvas {
public:
    void line(float, float, float, float, const Pen&) override { ++count; }
    void polyline(const std::vector<CanvasPoint>& points, const Pen&) override { count += points.size(); }
    void rect(float, float, float, float, const Pen&, bool) override { ++count; }
    void arc(float, float, float, float, float, const Pen&, bool) override { ++count; }
    void text(float, float, const std::string&, float, const Colour&) override { ++count; }
    void image(float, float, float, float, const std::string&) override { ++count; }
    std::size_t count = 0;
};

// The step-response view redrawn again and again in one window, as a
// resize or an expose does. Arguments: ways, order, crossover frequency F
// (FX, or FXL with FXH ten times higher) in Hz; below 12.5 Hz the time
// window is longest.
void BM_StepViewRedraw(benchmark::State& state)
{
    Design d = bench::stepDesignOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                   static_cast<float>(state.range(2)));
    d.s_Resp = "st";
    ViewState view;  // kept across redraws, as the window keeps it
    CountingCanvas canvas;
    for (auto _ : state) {
        DrawTarget target{canvas};
        ResponsePlot(target, d, view);
        benchmark::DoNotOptimize(canvas.count);
    }
    state.counters["points"] = static_cast<double>(canvas.count) / static_cast<double>(state.iterations());
}

// Every view's redraw in one window at the 3-way fourth order, its heaviest
// network, onto a canvas that only counts: the sweeps and the drawing code
// without a backend's cost. Argument: view index.
void BM_ViewRedraw(benchmark::State& state)
{
    Design d = bench::designOf(3, 4);
    d.s_Resp = bench::kViews[static_cast<std::size_t>(state.range(0))];
    ViewState view;
    CountingCanvas canvas;
    for (auto _ : state) {
        DrawTarget target{canvas};
        ResponsePlot(target, d, view);
        benchmark::DoNotOptimize(canvas.count);
    }
    state.SetLabel(d.s_Resp);
}

// The same as the desktop window paints: every paint starts from a copy of
// the state its view was first drawn from.
void BM_StepViewPaintFromCopy(benchmark::State& state)
{
    Design d;
    chooseChannel(d, 2);
    chooseOrder(d, 4);
    d.FXL = static_cast<float>(state.range(0));
    d.FXH = d.FXL * 10;
    d.s_Resp = "st";
    const ViewState drawn;
    CountingCanvas canvas;
    for (auto _ : state) {
        ViewState paint = drawn;
        DrawTarget target{canvas};
        ResponsePlot(target, d, paint);
        benchmark::DoNotOptimize(canvas.count);
    }
}

void viewArgs(benchmark::internal::Benchmark* b)
{
    for (int view = 0; view < static_cast<int>(bench::kViews.size()); ++view) b->Args({view, 3, 4});
    b->Args({0, 2, 1});
    b->Args({5, 2, 2});
}

BENCHMARK(BM_RedrawRecorded)->Apply(viewArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepViewRedraw)->Args({3, 4, 10})->Args({2, 4, 10})->Args({3, 4, 200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewRedraw)->DenseRange(0, static_cast<int>(bench::kViews.size()) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepViewPaintFromCopy)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSvg)->Args({0, 3, 4})->Args({5, 2, 2})->Args({6, 3, 4})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace larkspan
