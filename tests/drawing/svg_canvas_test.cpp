// The SVG canvas's document: one of every primitive, compared with its golden
// file, and the cases that must leave nothing behind.
#include "drawing/svg_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "support/golden_file.h"

namespace larkspan {
namespace {

std::size_t count(const std::string& s, const std::string& part)
{
    std::size_t n = 0;
    for (auto at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

// Lines of each width, colour and dash; a polyline as one path and one broken
// by a non-finite point into segments; rectangles normalised, outlined or
// filled; arcs turning toward increasing angle (a full circle, a quarter
// clockwise on screen, three quarters wrapping through 0); escaped text with
// its two blanks kept; an embedded picture and a missing one.
TEST(SvgCanvas, EveryPrimitive)
{
    const auto picture = std::filesystem::temp_directory_path() / "larkspan_svg_test_image.png";
    std::ofstream(picture, std::ios::binary) << "Man";  // base64 "TWFu"
    SvgCanvas svg(540, 390);
    const Pen orange{2, Colour{1, 0.5294F, 0}, Dash::Solid};
    svg.line(45.5F, 50, 45.5F, 330, Pen{0, Colour{0.534F, 0.534F, 0.534F}, Dash::Solid});
    svg.line(45.5F, 50, 45.5F, 330, orange);
    svg.line(45.5F, 50, 45.5F, 330, Pen{0.5F, Colour{}, Dash::OneThree});
    svg.line(45.5F, 50, 45.5F, 330, Pen{1, Colour{}, Dash::OneOne});
    svg.polyline({{45, 130}, {46.5F, 130}, {48, 131}}, orange);
    svg.polyline({{1, 1}}, orange);  // a single point strokes nothing
    svg.polyline({{0, 0}, {1, 1}, {2, std::nanf("")}, {3, 3}, {4, 4}}, orange);
    svg.rect(50, 40, 10, 20, Pen{1, Colour{}, Dash::Solid}, false);
    svg.rect(0, 0, 5, 5, Pen{0, Colour{1, 1, 1}, Dash::Solid}, true);
    svg.arc(52, 86, 5, static_cast<float>(-M_PI), static_cast<float>(M_PI), Pen{}, false);
    svg.arc(10, 10, 4, 0, static_cast<float>(M_PI / 2), Pen{}, false);
    svg.arc(20, 20, 2, static_cast<float>(M_PI), static_cast<float>(M_PI / 2), Pen{}, false);
    svg.text(13, 40, "a<b & 'c'  1  k", 13, Colour{});
    svg.image(710, 114, 23, 39, picture.string());
    svg.image(0, 0, 1, 1, (std::filesystem::temp_directory_path() / "larkspan_no_such_picture.png").string());
    std::filesystem::remove(picture);
    test::expectGolden("svg_canvas_every_primitive", svg.document());
}

TEST(SvgCanvas, NonFiniteCoordinatesNeverReachTheDocument)
{
    SvgCanvas svg(100, 100);
    const float nan = std::nanf("");
    const float inf = INFINITY;
    svg.line(nan, 0, 1, 1, Pen{});
    svg.line(0, 0, inf, 1, Pen{});
    svg.rect(0, nan, 1, 1, Pen{}, true);
    svg.arc(0, 0, nan, 0, 1, Pen{}, false);
    svg.text(inf, 0, "x", 13, Colour{});
    svg.image(nan, 0, 1, 1, "/nonexistent.png");
    const std::string doc = svg.document();
    EXPECT_EQ(doc.find("nan"), std::string::npos);
    EXPECT_EQ(doc.find("inf"), std::string::npos);
    EXPECT_EQ(count(doc, "<"), 3U) << doc;  // the declaration, <svg> and </svg>
}

TEST(Base64, PaddingOfEachRemainder)
{
    // RFC 4648 test vectors.
    const std::pair<std::string, const char*> rows[] = {{"", ""},
                                                        {"f", "Zg=="},
                                                        {"fo", "Zm8="},
                                                        {"foo", "Zm9v"},
                                                        {"foob", "Zm9vYg=="},
                                                        {"fooba", "Zm9vYmE="},
                                                        {"foobar", "Zm9vYmFy"},
                                                        {std::string("\xff\xfe", 2), "//4="}};
    for (const auto& [bytes, text] : rows) EXPECT_EQ(base64Encode(bytes), text);
}

}  // namespace
}  // namespace larkspan
