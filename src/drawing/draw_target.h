// Where a view is drawn: the canvas, the static text controls the view
// places on screen, and the folder of the driver pictures.
#pragma once

#include <string>
#include <vector>

#include "drawing/canvas.h"
#include "drawing/static_text.h"

namespace larkspan {

struct DrawTarget {
    Canvas& canvas;
    // Filled on screen (the design's DoPrint clear); a printed page draws
    // these texts itself and leaves the list alone.
    std::vector<StaticText> controls{};
    // The resource folder "Images"; empty means the current directory.
    std::string imagesDir{};
};

}  // namespace larkspan
