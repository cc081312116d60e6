#include "rules/window_bounds.h"

namespace larkspan {

namespace {

std::int16_t i16(int v)
{
    return static_cast<std::int16_t>(v);
}

}  // namespace

Bounds16 resizeTarget(const Bounds16& b, bool schema)
{
    if (schema) {
        // Moved down so that the taller window stays below the menu bar.
        const int e = b.top < 133 ? 132 - b.top : 0;
        return {i16(b.top - 110 + e), i16(b.left - 135), i16(b.top + 478 + e), i16(b.right + 135)};
    }
    return {i16(b.top - 22), b.left, i16(b.top + 390), b.right};
}

Bounds16 contentOf(const Bounds16& window)
{
    return {i16(window.top + 22), window.left, window.bottom, window.right};
}

void ResetResponseWndBounds(Bounds16& b, bool schema, BoundBiasState& bias)
{
    if (schema) {
        const int shift = (bias.BoundBiasFlag == 1 && b.top < 133) ? bias.BoundBias : 88;
        b.left = i16(b.left + 135);
        b.right = i16(b.right - 135);
        b.top = i16(b.top + shift);
        b.bottom = i16(b.bottom - shift);
        return;
    }
    if (b.top < 133) {
        bias.BoundBiasFlag = 1;
        bias.BoundBias = b.top - 44;
    } else {
        bias.BoundBiasFlag = 0;
        bias.BoundBias = 0;
    }
}

}  // namespace larkspan
