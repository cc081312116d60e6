// Timing of what a window frame costs: every view of the heaviest design
// drawn onto a picture with Qt's own painter, antialiased, as the desktop
// program paints its response window (the other benchmarks count the
// drawing's primitives without a backend).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>

#include "bench_designs.h"
#include "drawing/qt/painter_canvas.h"
#include "drawing/response_view.h"
#include "drawing/static_text.h"

namespace larkspan {
namespace {

// Arguments: view index, device pixels per point. The 3-way fourth order
// with its crossovers at 10 and 100 Hz, where the step view's time window
// is longest.
void BM_PaintView(benchmark::State& state)
{
    Design d = bench::stepDesignOf(3, 4, 10);
    d.s_Resp = bench::kViews[static_cast<std::size_t>(state.range(0))];
    const double scale = static_cast<double>(state.range(1));
    const ViewSize size = viewSize(d.s_Resp);
    QImage picture(static_cast<int>(size.width * scale), static_cast<int>(size.height * scale),
                   QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.scale(scale, scale);
        qt::PainterCanvas canvas(painter);
        DrawTarget target{canvas};
        ViewState view;
        ResponsePlot(target, d, view);
        drawStaticTexts(canvas, target.controls);
    }
    state.SetLabel(d.s_Resp);
}

BENCHMARK(BM_PaintView)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace larkspan

int main(int argc, char** argv)
{
    // Fonts and the raster engine need a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
