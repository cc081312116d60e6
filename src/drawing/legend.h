// The legend under each graph: a short sample line in each curve's colour and
// the curve's name.
#pragma once

#include <string>
#include <vector>

#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

struct LegendEntry {
    float x1 = 0, x2 = 0;  // the sample line's ends
    bool heavy = false;    // drawn 2 points wide (Total, or After)
    Colour colour{};
    int id = 0;  // control number of the name, 71..74
    std::string name;
    float nameX = 0;  // left edge of the name
    std::string help;
    bool operator==(const LegendEntry&) const = default;
};

// The legend of the current view (`channel`, `s_Resp`); empty for the
// schematic view.
std::vector<LegendEntry> legendFor(const Design& d);

// Draws the legend on the line y = 360. On screen the names become static
// text controls 71..74 of the target; when printing they are drawn as text
// at y = 364.
void Explanation(DrawTarget& target, const Design& d);

}  // namespace larkspan
