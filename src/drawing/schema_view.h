// The schematic view: the circuit diagram with its driver pictures, the
// network caption and the component value sheet.
#pragma once

#include "drawing/caption.h"
#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

// Draws the view of a design whose network and corrections are current.
void drawSchemaView(DrawTarget& target, const Design& d, CaptionState& caption);

}  // namespace larkspan
