// A canvas that keeps every primitive it is given, in order: what the tests
// read instead of pixels.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "drawing/canvas.h"

namespace larkspan {

struct Primitive {
    enum class Kind { Line, Rect, Arc, Text, Image };
    Kind kind = Kind::Line;
    // Line: from (x1, y1) to (x2, y2). Rect and Image: corners (x1, y1) and
    // (x2, y2). Arc: centre (x1, y1). Text: baseline start (x1, y1).
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float radius = 0, begin = 0, end = 0;  // Arc
    Pen pen{};                             // Line, Rect, Arc
    bool fill = false;                     // Rect, Arc
    std::string text{};                    // Text; Image: the file path
    float fontSize = 0;                    // Text
    Colour colour{};                       // Text
    bool operator==(const Primitive&) const = default;
};

void PrintTo(const Primitive& p, std::ostream* os);

class RecordingCanvas : public Canvas {
public:
    void line(float x1, float y1, float x2, float y2, const Pen& pen) override;
    void rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill) override;
    void arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill) override;
    void text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour) override;
    void image(float x, float y, float width, float height, const std::string& path) override;

    std::vector<Primitive> primitives;

    // The primitives of one kind, in drawing order.
    std::vector<Primitive> of(Primitive::Kind kind) const;
    // The texts drawn with exactly this string.
    std::vector<Primitive> textsReading(const std::string& s) const;
};

}  // namespace larkspan
