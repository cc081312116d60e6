// Strokes the curves that the sweeps computed.
#pragma once

#include <vector>

#include "drawing/canvas.h"
#include "response/curve.h"

namespace larkspan {

// A line from the previous point into each point marked drawn, in the
// curve's colour and width, each unbroken run as one polyline; a segment
// with a non-finite end is skipped.
void drawCurve(Canvas& canvas, const Curve& curve, Dash dash = Dash::Solid);
void drawCurves(Canvas& canvas, const std::vector<Curve>& curves);

}  // namespace larkspan
