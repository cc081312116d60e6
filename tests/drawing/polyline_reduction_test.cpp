// Reduction of dense polylines to the columns of a device.
#include "drawing/polyline_reduction.h"

#include <gtest/gtest.h>

#include <vector>

namespace larkspan {
namespace {

using Points = std::vector<CanvasPoint>;

TEST(PolylineReduction, KeepsEachColumnsEndsAndExtremesInOrder)
{
    struct Row {
        const char* name;
        Points in;
        ColumnGrid grid;
        Points out;
    };
    const Row rows[] = {
        {"one point a column: nothing to drop", {{0, 5}, {1, 6}, {2, 4}}, {}, {{0, 5}, {1, 6}, {2, 4}}},
        // Column 0 holds five points: the low (y 1) comes before the high (y 9).
        {"low then high",
         {{0, 5}, {0.2F, 1}, {0.4F, 3}, {0.6F, 9}, {0.8F, 4}, {1.5F, 2}},
         {},
         {{0, 5}, {0.2F, 1}, {0.6F, 9}, {0.8F, 4}, {1.5F, 2}}},
        {"high then low",
         {{0, 5}, {0.2F, 9}, {0.4F, 3}, {0.6F, 1}, {0.8F, 4}},
         {},
         {{0, 5}, {0.2F, 9}, {0.6F, 1}, {0.8F, 4}}},
        // The ends are the extremes: only they stay, each once.
        {"monotonic run", {{0, 1}, {0.3F, 2}, {0.6F, 3}, {0.9F, 4}}, {}, {{0, 1}, {0.9F, 4}}},
        {"one extreme inside", {{0, 1}, {0.3F, 7}, {0.6F, 3}, {0.9F, 4}}, {}, {{0, 1}, {0.3F, 7}, {0.9F, 4}}},
        // Four columns per unit: 0 to 0.2 share column 0, and the inner
        // point below the high one goes; shifted by half a column,
        // floor(4x + 0.5) puts 0.15 and 0.2 in column 1, and every point stays.
        {"quarter columns", {{0, 0}, {0.1F, 3}, {0.15F, 2}, {0.2F, 1}}, {4, 0}, {{0, 0}, {0.1F, 3}, {0.2F, 1}}},
        {"shifted quarter columns",
         {{0, 0}, {0.1F, 3}, {0.15F, 2}, {0.2F, 1}},
         {4, 0.5},
         {{0, 0}, {0.1F, 3}, {0.15F, 2}, {0.2F, 1}}},
    };
    for (const Row& row : rows) EXPECT_EQ(reduceToColumns(row.in, row.grid), row.out) << row.name;
}

}  // namespace
}  // namespace larkspan
