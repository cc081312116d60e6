// The circuit diagram of the schematic view: fixed line art on a fixed grid
// that depends on the number of ways and the order only. The value sheet puts
// the names and values beside the symbols.
#pragma once

#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

// Draws the diagram of the design's channel and order, then the driver
// pictures. On screen connecting lines are the thinnest line on pixel
// centres; printed (the target's DoPrint set) they are 1 point wide.
void SchematicDraw(DrawTarget& target, const Design& d);

}  // namespace larkspan
