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
    // Filled on screen; a printed page draws these texts itself and leaves
    // the list alone.
    std::vector<StaticText> controls{};
    // The resource folder "Images"; empty means the current directory.
    std::string imagesDir{};
    // A printed page rather than the screen: no pixel-centre offsets, lines
    // of real widths, the legend's names and the value sheet as text.
    bool DoPrint = false;
};

}  // namespace larkspan
