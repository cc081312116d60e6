#include "drawing/curve_drawing.h"

#include <cmath>

namespace larkspan {

void drawCurve(Canvas& canvas, const Curve& curve)
{
    const Pen pen{curve.LineW, curve.colour, Dash::Solid};
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const CurvePoint& from = curve.points[i - 1];
        const CurvePoint& to = curve.points[i];
        if (!to.drawn) continue;
        if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) || !std::isfinite(to.y)) continue;
        canvas.line(from.x, from.y, to.x, to.y, pen);
    }
}

void drawCurves(Canvas& canvas, const std::vector<Curve>& curves)
{
    for (const auto& c : curves) drawCurve(canvas, c);
}

}  // namespace larkspan
