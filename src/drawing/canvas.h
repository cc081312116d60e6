// The drawing surface every graph, curve and schematic is drawn on: points
// with the origin at the top-left corner, y downward. Backends: SVG (core),
// QPainter (screen, printer, PNG) in the app's toolkit, and a recording canvas
// for tests.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/colour.h"

namespace larkspan {

// Dash patterns: solid; 1 on 3 off; 1 on 1 off; 4 on 3 off.
enum class Dash { Solid = 0, OneThree = 1, OneOne = 2, FourThree = 3 };

struct Pen {
    float width = 0;  // 0 or less: the backend's thinnest line
    Colour colour{};
    Dash dash = Dash::Solid;
    bool operator==(const Pen&) const = default;
};

struct CanvasPoint {
    float x = 0;
    float y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

// Whether every value is finite: a primitive with a value that is not is left
// out, so that no backend is handed NaN or infinite coordinates.
inline bool allFinite(std::initializer_list<float> values)
{
    for (const float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Whether every point has finite coordinates: a backend strokes such a list as
// one path and leaves any other to the segment-by-segment default, which drops
// the bad segments.
inline bool allFinite(const std::vector<CanvasPoint>& points)
{
    for (const CanvasPoint& p : points)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    return true;
}

class Canvas {
public:
    virtual ~Canvas() = default;

    // A straight line from (x1, y1) to (x2, y2).
    virtual void line(float x1, float y1, float x2, float y2, const Pen& pen) = 0;
    // Straight lines joining the points in turn, stroked as one path so that
    // the joints show no seams. A backend without paths draws each segment.
    virtual void polyline(const std::vector<CanvasPoint>& points, const Pen& pen)
    {
        for (std::size_t i = 1; i < points.size(); ++i)
            line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, pen);
    }
    // The rectangle with corners (x1, y1) and (x2, y2), outlined or filled.
    virtual void rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill) = 0;
    // A circular arc around (cx, cy) from angle `begin` to `end` (radians, in
    // the direction of increasing angle, measured from +x toward +y, so
    // clockwise on screen); stroked, or filled as a pie.
    virtual void arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill) = 0;
    // Text (UTF-8) with its baseline starting at (x, y).
    virtual void text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour) = 0;
    // Text in a field `width` points wide, as a control on screen shows it:
    // a backend that can measure text cuts what does not fit and ends it
    // with an ellipsis; one that cannot draws it whole.
    virtual void fieldText(float x, float y, float width, const std::string& utf8, float fontSize, const Colour& colour)
    {
        (void)width;
        text(x, y, utf8, fontSize, colour);
    }
    // An image file drawn into the rectangle; a missing file leaves it empty.
    virtual void image(float x, float y, float width, float height, const std::string& path) = 0;
};

}  // namespace larkspan
