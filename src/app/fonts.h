// The interface font: "Lucida Grande" where installed, else a sans-serif face.
// Sizes are in the sheets' own points, one point to a pixel like their
// fixed geometry, so that a text keeps its size against the controls
// whatever the screen's dots per inch.
#pragma once

#include <QFont>

namespace larkspan {

QFont uiFont(int pointSize);

}  // namespace larkspan
