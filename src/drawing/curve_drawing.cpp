#include "drawing/curve_drawing.h"

#include <cmath>

namespace larkspan {

void drawCurve(Canvas& canvas, const Curve& curve, Dash dash)
{
    const Pen pen{curve.LineW, curve.colour, dash};
    const auto finite = [](const CurvePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    // Each run of stroked segments becomes one polyline.
    std::vector<CanvasPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) canvas.polyline(run, pen);
        run.clear();
    };
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const CurvePoint& from = curve.points[i - 1];
        const CurvePoint& to = curve.points[i];
        if (!to.drawn || !finite(from) || !finite(to)) {
            flush();
            continue;
        }
        if (run.empty()) run.push_back({from.x, from.y});
        run.push_back({to.x, to.y});
    }
    flush();
}

void drawCurves(Canvas& canvas, const std::vector<Curve>& curves)
{
    for (const auto& c : curves) drawCurve(canvas, c);
}

}  // namespace larkspan
