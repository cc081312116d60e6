// A polyline with far more points than the device can show reduced to what
// it shows: the points grouped by the narrow column of the device they fall
// in, each column's run kept as its first point, its lowest and highest in
// the order they come, and its last point. Every segment that leaves a
// column is kept as it was, so the reduced line covers the same columns and
// reaches the same extremes in each.
#pragma once

#include <vector>

#include "drawing/canvas.h"

namespace larkspan {

// Which column a point falls in: floor(x · scale + shift).
struct ColumnGrid {
    double scale = 1;
    double shift = 0;
};

// The reduced points, in their order. Points with a non-finite x each make
// a run of their own.
std::vector<CanvasPoint> reduceToColumns(const std::vector<CanvasPoint>& points, const ColumnGrid& grid);

}  // namespace larkspan
