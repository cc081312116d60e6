// The schematic view: the circuit diagram with its driver pictures, the
// network caption and the component value sheet.
#pragma once

#include "drawing/caption.h"
#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

// Recomputes the network and its corrections, then draws the view.
void drawSchemaView(DrawTarget& target, Design& d, CaptionState& caption);

}  // namespace larkspan
