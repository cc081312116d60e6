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

// The printed page of a view as a one-page PDF file, as Print gives it.
struct PdfPageRequest {
    bool letter = false;  // Letter paper instead of A4
    bool landscape = false;
    double GPrintScale = 100;  // the user's scale, percent
    std::string s_Resp;        // the view, for the page scale
    std::string title;         // the document's title: the print job name
};

// Paints the drawing in points onto the page at the view's page scale and
// writes it. Returns the reason on failure.
std::optional<std::string> writePdfPage(const std::string& path, const PdfPageRequest& page, const Drawing& draw);

}  // namespace larkspan::qt
