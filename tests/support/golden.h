// What a drawing procedure draws, written as an SVG document for comparison
// with a golden file.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "drawing/draw_target.h"
#include "drawing/svg_canvas.h"
#include "support/golden_file.h"

namespace larkspan::test {

inline std::string number(float v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// An SVG canvas that notes each picture by its path instead of embedding the
// file's bytes, so that a golden file names the picture and its place.
class GoldenCanvas : public SvgCanvas {
public:
    using SvgCanvas::SvgCanvas;
    void image(float x, float y, float width, float height, const std::string& path) override
    {
        notes.push_back("image " + path + " at " + number(x) + " " + number(y) + " size " + number(width) + " " +
                        number(height));
    }
    std::vector<std::string> notes;
};

// The document of what `draw` puts on a canvas of this size, followed by the
// pictures and the static text controls it placed, one XML comment each.
inline std::string svgOf(float width, float height, const std::function<void(DrawTarget&)>& draw)
{
    GoldenCanvas canvas(width, height);
    DrawTarget target{canvas, {}, "Images"};
    draw(target);
    std::string doc = canvas.document();
    for (const StaticText& c : target.controls)
        canvas.notes.push_back("control " + std::to_string(c.id) + " [" + number(c.left) + " " + number(c.top) + " " +
                               number(c.right) + " " + number(c.bottom) + "] size " + std::to_string(c.fontSize) +
                               " \"" + c.text + "\" help \"" + c.help + "\"");
    for (const std::string& note : canvas.notes) doc += "<!-- " + note + " -->\n";
    return doc;
}

}  // namespace larkspan::test
