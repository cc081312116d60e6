// The network as built over the closed-form curves of the amplitude,
// impedance and phase views: the same colours, dashed, with "as built" in the
// legend row.
#pragma once

#include <vector>

#include "drawing/draw_target.h"
#include "network/as_built_curves.h"

namespace larkspan {

// Draws nothing when the network cannot be built from the design's values.
void drawAsBuilt(DrawTarget& target, const Design& d, const SeriesChoice& choice, AsBuiltView view,
                 const std::vector<Curve>& ideal);

}  // namespace larkspan
