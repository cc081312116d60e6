#include "drawing/svg_canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

#include "model/text_encoding.h"

namespace larkspan {

namespace {

// Shortest text that reads back to the same float: deterministic output.
std::string num(float v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string hexColour(const Colour& c)
{
    const auto byte = [](float v) {
        const float clamped = std::isfinite(v) ? std::clamp(v, 0.0F, 1.0F) : 0.0F;
        return static_cast<int>(std::lround(clamped * 255.0F));
    };
    static const char* digits = "0123456789abcdef";
    std::string s = "#";
    for (const int b : {byte(c.red), byte(c.green), byte(c.blue)}) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

// The text with its control characters made visible and every byte that is
// not UTF-8 replaced, as XML admits neither, then its markup characters
// escaped.
std::string escaped(const std::string& text)
{
    std::string out;
    for (const char ch : printableText(text)) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

}  // namespace

std::string base64Encode(const std::string& bytes)
{
    static const char* table = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) | static_cast<unsigned char>(bytes[i + 2]);
        out += table[(v >> 18) & 63];
        out += table[(v >> 12) & 63];
        out += table[(v >> 6) & 63];
        out += table[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += table[(v >> 18) & 63];
        out += table[(v >> 12) & 63];
        out += rest == 2 ? table[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

SvgCanvas::SvgCanvas(float width, float height) : width_(width), height_(height) {}

std::string SvgCanvas::strokeAttributes(const Pen& pen) const
{
    std::string s = " stroke=\"" + hexColour(pen.colour) + "\"";
    // Width 0 or less is the thinnest line: one device pixel at any zoom.
    if (pen.width > 0 && std::isfinite(pen.width))
        s += " stroke-width=\"" + num(pen.width) + "\"";
    else
        s += " stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
    if (pen.dash == Dash::OneThree) s += " stroke-dasharray=\"1 3\"";
    if (pen.dash == Dash::OneOne) s += " stroke-dasharray=\"1 1\"";
    if (pen.dash == Dash::FourThree) s += " stroke-dasharray=\"4 3\"";
    return s;
}

void SvgCanvas::line(float x1, float y1, float x2, float y2, const Pen& pen)
{
    if (!allFinite({x1, y1, x2, y2})) return;
    body_ += "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) + "\"" +
             strokeAttributes(pen) + "/>\n";
}

void SvgCanvas::polyline(const std::vector<CanvasPoint>& points, const Pen& pen)
{
    if (!allFinite(points)) {
        Canvas::polyline(points, pen);  // segment by segment, the bad ones dropped
        return;
    }
    if (points.size() < 2) return;
    std::string list;
    for (const auto& p : points) list += (list.empty() ? "" : " ") + num(p.x) + "," + num(p.y);
    body_ +=
        "<polyline points=\"" + list + "\" fill=\"none\" stroke-linejoin=\"round\"" + strokeAttributes(pen) + "/>\n";
}

void SvgCanvas::rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill)
{
    if (!allFinite({x1, y1, x2, y2})) return;
    const std::string geometry = "<rect x=\"" + num(std::min(x1, x2)) + "\" y=\"" + num(std::min(y1, y2)) +
                                 "\" width=\"" + num(std::fabs(x2 - x1)) + "\" height=\"" + num(std::fabs(y2 - y1)) +
                                 "\"";
    if (fill)
        body_ += geometry + " fill=\"" + hexColour(pen.colour) + "\"/>\n";
    else
        body_ += geometry + " fill=\"none\"" + strokeAttributes(pen) + "/>\n";
}

void SvgCanvas::arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill)
{
    if (!allFinite({cx, cy, radius, begin, end}) || radius <= 0) return;
    const std::string paint =
        fill ? " fill=\"" + hexColour(pen.colour) + "\"" : " fill=\"none\"" + strokeAttributes(pen);
    constexpr double twoPi = 2 * std::numbers::pi;
    double sweep = static_cast<double>(end) - begin;
    if (sweep >= twoPi) {
        body_ += "<circle cx=\"" + num(cx) + "\" cy=\"" + num(cy) + "\" r=\"" + num(radius) + "\"" + paint + "/>\n";
        return;
    }
    // The arc runs toward increasing angle, wrapping once if the end lies
    // before the start.
    if (sweep <= 0) sweep += twoPi;
    const auto at = [&](double a) {
        return num(static_cast<float>(cx + radius * std::cos(a))) + " " +
               num(static_cast<float>(cy + radius * std::sin(a)));
    };
    std::string d = "M " + at(begin) + " A " + num(radius) + " " + num(radius) + " 0 " +
                    (sweep > std::numbers::pi ? "1" : "0") + " 1 " + at(begin + sweep);
    if (fill) d = "M " + num(cx) + " " + num(cy) + " L " + d.substr(2) + " Z";
    body_ += "<path d=\"" + d + "\"" + paint + "/>\n";
}

void SvgCanvas::text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour)
{
    if (!allFinite({x, y, fontSize}) || utf8.empty()) return;
    body_ += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-size=\"" + num(fontSize) + "\" fill=\"" +
             hexColour(colour) + "\">" + escaped(utf8) + "</text>\n";
}

void SvgCanvas::image(float x, float y, float width, float height, const std::string& path)
{
    if (!allFinite({x, y, width, height})) return;
    std::ifstream in(path, std::ios::binary);
    if (!in) return;  // a missing picture leaves its place empty
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) return;
    body_ += "<image x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(width) + "\" height=\"" + num(height) +
             "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64," + base64Encode(bytes) + "\"/>\n";
}

std::string SvgCanvas::document() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" "
           "width=\"" +
           num(width_) + "pt\" height=\"" + num(height_) + "pt\" viewBox=\"0 0 " + num(width_) + " " + num(height_) +
           "\" xml:space=\"preserve\" font-family=\"'Lucida Grande', 'DejaVu Sans', sans-serif\" "
           "stroke-linecap=\"butt\">\n" +
           body_ + "</svg>\n";
}

}  // namespace larkspan
