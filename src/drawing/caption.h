// The one-line caption that names the network: ways, order and alignment.
#pragma once

#include <optional>
#include <string>

#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

struct Caption {
    std::string text;  // apostrophes included: "'2wey 2nd Order Bessel'"
    float offset = 0;  // x of a graph view; the schematic view adds 135
    bool operator==(const Caption&) const = default;
};

// The caption of a combination that has one: order 1 with "Butter"; orders
// 2 and 4 with every key; order 3 with "Butter", "Bessel" and "Chebyc".
std::optional<Caption> captionFor(int channel, int order, const std::string& s_Type);

// What the caption drew last. A combination without a caption draws the
// previous caption again, so this outlives a single view; nothing has been
// drawn while `text` is empty.
struct CaptionState {
    std::string text;
    float offset = 0;
};

// Draws the caption, black, 13 points: at (offset, 40) in a graph view, at
// (135 + offset, 44) in the schematic view.
void netSys(DrawTarget& target, const Design& d, CaptionState& state);

}  // namespace larkspan
