// A canvas that writes an SVG document, one user unit per point.
#pragma once

#include <string>

#include "drawing/canvas.h"

namespace larkspan {

class SvgCanvas : public Canvas {
public:
    // The document's size in points.
    SvgCanvas(float width, float height);

    void line(float x1, float y1, float x2, float y2, const Pen& pen) override;
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override;
    void rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill) override;
    void arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill) override;
    void text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour) override;
    // Embeds the file's bytes as PNG data, so the document stands alone.
    void image(float x, float y, float width, float height, const std::string& path) override;

    // The whole document, closed.
    std::string document() const;

private:
    std::string strokeAttributes(const Pen& pen) const;

    float width_;
    float height_;
    std::string body_;
};

// Standard base64 with padding.
std::string base64Encode(const std::string& bytes);

}  // namespace larkspan
