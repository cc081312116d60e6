// The driver pictures at the right end of each branch of the schematic.
#pragma once

#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

// Draws "TweeterImage.png", in a 3-way design "MidRangeImage.png", and
// "WooferImage.png" from the target's pictures folder, each scaled into its
// fixed rectangle; a missing file leaves its place empty.
void GetSpeakerPict(DrawTarget& target, const Design& d);

}  // namespace larkspan
