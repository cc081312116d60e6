#include "rules/window_bounds.h"

#include <gtest/gtest.h>

namespace larkspan {
namespace {

// Graph content 540 × 390 at (left 200, top 300).
constexpr Bounds16 kGraph{300, 200, 690, 740};

TEST(WindowBounds, SchematicWidensBy270AndGrowsTo588WithTitleBar)
{
    const Bounds16 w = resizeTarget(kGraph, true);
    EXPECT_EQ(w.right - w.left, 540 + 270);
    EXPECT_EQ(w.bottom - w.top, 588);
    EXPECT_EQ(w.left, 65);

    Bounds16 content = contentOf(w);
    BoundBiasState bias;
    ResetResponseWndBounds(content, true, bias);
    EXPECT_EQ(content, kGraph);  // back to the graph rectangle

    const Bounds16 back = resizeTarget(content, false);
    EXPECT_EQ(back, (Bounds16{278, 200, 690, 740}));
    Bounds16 graph = contentOf(back);
    ResetResponseWndBounds(graph, false, bias);
    EXPECT_EQ(graph, kGraph);  // same left edge, 540 × 390 again
    EXPECT_EQ(bias.BoundBiasFlag, 0);
}

TEST(WindowBounds, NearTheTopTheSchematicMovesDownAndComesBack)
{
    const Bounds16 high{60, 100, 450, 640};
    BoundBiasState bias;
    Bounds16 graph = high;
    ResetResponseWndBounds(graph, false, bias);
    EXPECT_EQ(bias.BoundBiasFlag, 1);
    EXPECT_EQ(bias.BoundBias, 16);

    const Bounds16 w = resizeTarget(high, true);
    EXPECT_EQ(w.top, 60 - 110 + (132 - 60));  // moved down by 132 − top
    Bounds16 content = contentOf(w);
    ResetResponseWndBounds(content, true, bias);
    EXPECT_EQ(content.left, 100);
    EXPECT_EQ(content.right, 640);
    EXPECT_EQ(content.top, w.top + 22 + 16);
}

}  // namespace
}  // namespace larkspan
