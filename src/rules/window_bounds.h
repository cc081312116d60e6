// How the response window's rectangle follows the view: the schematic view is
// 270 points wider (135 on each side) and 588 high with its 22-point title
// bar; `Bounds` always holds the graph-view rectangle.
#pragma once

#include <cstdint>

#include "model/preferences.h"

namespace larkspan {

struct BoundBiasState {
    std::int32_t BoundBias = 0;
    std::uint8_t BoundBiasFlag = 0;
};

// The window rectangle (title bar included) to animate to for the view.
Bounds16 resizeTarget(const Bounds16& bounds, bool schema);

// The content rectangle of a window rectangle: the title bar off the top.
Bounds16 contentOf(const Bounds16& window);

// Normalises content bounds read back from the window to the graph-view
// rectangle, and keeps the correction for a window near the top of the screen.
void ResetResponseWndBounds(Bounds16& bounds, bool schema, BoundBiasState& bias);

}  // namespace larkspan
