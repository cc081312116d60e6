// Pictures and printed pages of a drawing, as files. No Qt types here, so the
// command-line tool can call it without Qt headers.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "drawing/canvas.h"

namespace larkspan::qt {

using Drawing = std::function<void(Canvas&)>;

// Fonts and images need a GUI application object: creates one if there is
// none, on the "offscreen" platform unless QT_QPA_PLATFORM names another.
void ensureGuiApplication();

// Draws onto a white picture of width × height points at `scale` device
// pixels per point and writes it as PNG. Returns the reason on failure.
std::optional<std::string> writePng(const std::string& path, float width, float height, double scale,
                                    const Drawing& draw);

// One A4 page, portrait or landscape, with the drawing of width × height
// points scaled to fill the printable area within half-inch margins, at the
// top. `title` becomes the document's title. Returns the reason on failure.
std::optional<std::string> writePdfPage(const std::string& path, float width, float height, bool landscape,
                                        const std::string& title, const Drawing& draw);

}  // namespace larkspan::qt
