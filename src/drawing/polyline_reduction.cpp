#include "drawing/polyline_reduction.h"

#include <cmath>

namespace larkspan {

std::vector<CanvasPoint> reduceToColumns(const std::vector<CanvasPoint>& points, const ColumnGrid& grid)
{
    const auto column = [&grid](const CanvasPoint& p) {
        return std::floor(static_cast<double>(p.x) * grid.scale + grid.shift);
    };
    std::vector<CanvasPoint> out;
    std::size_t i = 0;
    while (i < points.size()) {
        const double c = column(points[i]);
        std::size_t last = i;
        std::size_t low = i;
        std::size_t high = i;
        while (last + 1 < points.size() && column(points[last + 1]) == c) {
            ++last;
            if (points[last].y < points[low].y) low = last;
            if (points[last].y > points[high].y) high = last;
        }
        out.push_back(points[i]);
        const std::size_t between[] = {std::min(low, high), std::max(low, high)};
        for (std::size_t k = 0; k < 2; ++k)
            if (between[k] != i && between[k] != last && (k == 0 || between[0] != between[1]))
                out.push_back(points[between[k]]);
        if (last != i) out.push_back(points[last]);
        i = last + 1;
    }
    return out;
}

}  // namespace larkspan
