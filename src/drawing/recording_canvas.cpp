#include "drawing/recording_canvas.h"

namespace larkspan {

namespace {

const char* kindName(Primitive::Kind k)
{
    switch (k) {
        case Primitive::Kind::Line:
            return "line";
        case Primitive::Kind::Rect:
            return "rect";
        case Primitive::Kind::Arc:
            return "arc";
        case Primitive::Kind::Text:
            return "text";
        case Primitive::Kind::Image:
            return "image";
    }
    return "?";
}

}  // namespace

void PrintTo(const Primitive& p, std::ostream* os)
{
    *os << kindName(p.kind) << " (" << p.x1 << ", " << p.y1 << ")";
    switch (p.kind) {
        case Primitive::Kind::Line:
        case Primitive::Kind::Rect:
            *os << "-(" << p.x2 << ", " << p.y2 << ") width " << p.pen.width << " rgb(" << p.pen.colour.red << ", "
                << p.pen.colour.green << ", " << p.pen.colour.blue << ") dash " << static_cast<int>(p.pen.dash)
                << (p.fill ? " filled" : "");
            break;
        case Primitive::Kind::Arc:
            *os << " r " << p.radius << " from " << p.begin << " to " << p.end << (p.fill ? " filled" : "");
            break;
        case Primitive::Kind::Text:
            *os << " \"" << p.text << "\" size " << p.fontSize;
            break;
        case Primitive::Kind::Image:
            *os << "-(" << p.x2 << ", " << p.y2 << ") " << p.text;
            break;
    }
}

void RecordingCanvas::line(float x1, float y1, float x2, float y2, const Pen& pen)
{
    Primitive p;
    p.kind = Primitive::Kind::Line;
    p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
    p.pen = pen;
    primitives.push_back(p);
}

void RecordingCanvas::rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill)
{
    Primitive p;
    p.kind = Primitive::Kind::Rect;
    p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
    p.pen = pen;
    p.fill = fill;
    primitives.push_back(p);
}

void RecordingCanvas::arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill)
{
    Primitive p;
    p.kind = Primitive::Kind::Arc;
    p.x1 = cx, p.y1 = cy;
    p.radius = radius, p.begin = begin, p.end = end;
    p.pen = pen;
    p.fill = fill;
    primitives.push_back(p);
}

void RecordingCanvas::text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour)
{
    Primitive p;
    p.kind = Primitive::Kind::Text;
    p.x1 = x, p.y1 = y;
    p.text = utf8;
    p.fontSize = fontSize;
    p.colour = colour;
    primitives.push_back(p);
}

void RecordingCanvas::image(float x, float y, float width, float height, const std::string& path)
{
    Primitive p;
    p.kind = Primitive::Kind::Image;
    p.x1 = x, p.y1 = y, p.x2 = x + width, p.y2 = y + height;
    p.text = path;
    primitives.push_back(p);
}

std::vector<Primitive> RecordingCanvas::of(Primitive::Kind kind) const
{
    std::vector<Primitive> out;
    for (const auto& p : primitives)
        if (p.kind == kind) out.push_back(p);
    return out;
}

std::vector<Primitive> RecordingCanvas::textsReading(const std::string& s) const
{
    std::vector<Primitive> out;
    for (const auto& p : primitives)
        if (p.kind == Primitive::Kind::Text && p.text == s) out.push_back(p);
    return out;
}

}  // namespace larkspan
