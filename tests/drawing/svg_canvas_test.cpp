// The SVG canvas's document, checked as text.
#include "drawing/svg_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace larkspan {
namespace {

bool contains(const std::string& s, const std::string& part)
{
    return s.find(part) != std::string::npos;
}

std::size_t count(const std::string& s, const std::string& part)
{
    std::size_t n = 0;
    for (auto at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

TEST(SvgCanvas, DocumentSizedInPointsWithOneUnitPerPoint)
{
    SvgCanvas svg(540, 390);
    const std::string doc = svg.document();
    EXPECT_EQ(doc.rfind("<?xml", 0), 0U);
    EXPECT_TRUE(contains(doc, "width=\"540pt\" height=\"390pt\" viewBox=\"0 0 540 390\"")) << doc;
    EXPECT_TRUE(contains(doc, "xml:space=\"preserve\""));  // "1  k" keeps its two blanks
    EXPECT_TRUE(contains(doc, "Lucida Grande"));
    EXPECT_TRUE(doc.ends_with("</svg>\n"));
}

TEST(SvgCanvas, LinesWithWidthColourAndDash)
{
    struct Row {
        const char* name;
        Pen pen;
        const char* expected;
    };
    const Row rows[] = {
        {"thinnest", Pen{0, Colour{0.534F, 0.534F, 0.534F}, Dash::Solid},
         "stroke=\"#888888\" stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"/>"},
        {"two points orange", Pen{2, Colour{1, 0.5294F, 0}, Dash::Solid}, "stroke=\"#ff8700\" stroke-width=\"2\"/>"},
        {"one-three dashes", Pen{0.5F, Colour{}, Dash::OneThree},
         "stroke=\"#000000\" stroke-width=\"0.5\" stroke-dasharray=\"1 3\"/>"},
        {"one-one dashes", Pen{1, Colour{}, Dash::OneOne}, "stroke-width=\"1\" stroke-dasharray=\"1 1\"/>"},
    };
    for (const auto& row : rows) {
        SvgCanvas svg(10, 10);
        svg.line(45.5F, 50, 45.5F, 330, row.pen);
        const std::string doc = svg.document();
        EXPECT_TRUE(contains(doc, "<line x1=\"45.5\" y1=\"50\" x2=\"45.5\" y2=\"330\" ")) << row.name << doc;
        EXPECT_TRUE(contains(doc, row.expected)) << row.name << doc;
    }
}

TEST(SvgCanvas, PolylinesAsOnePathOrSegmentsAroundNonFinitePoints)
{
    SvgCanvas svg(100, 100);
    const Pen orange{2, Colour{1, 0.5294F, 0}, Dash::Solid};
    svg.polyline({{45, 130}, {46.5F, 130}, {48, 131}}, orange);
    svg.polyline({{1, 1}}, orange);  // a single point strokes nothing
    const std::string doc = svg.document();
    EXPECT_TRUE(contains(doc,
                         "<polyline points=\"45,130 46.5,130 48,131\" fill=\"none\" stroke-linejoin=\"round\" "
                         "stroke=\"#ff8700\" stroke-width=\"2\"/>"))
        << doc;
    EXPECT_EQ(count(doc, "<polyline"), 1U);

    SvgCanvas broken(100, 100);
    broken.polyline({{0, 0}, {1, 1}, {2, std::nanf("")}, {3, 3}, {4, 4}}, orange);
    const std::string b = broken.document();
    EXPECT_EQ(count(b, "<polyline"), 0U);
    EXPECT_EQ(count(b, "<line"), 2U) << b;  // 0→1 and 3→4
    EXPECT_FALSE(contains(b, "nan"));
}

TEST(SvgCanvas, RectanglesNormalisedOutlinedOrFilled)
{
    SvgCanvas svg(100, 100);
    svg.rect(50, 40, 10, 20, Pen{1, Colour{}, Dash::Solid}, false);
    svg.rect(0, 0, 5, 5, Pen{0, Colour{1, 1, 1}, Dash::Solid}, true);
    const std::string doc = svg.document();
    EXPECT_TRUE(contains(doc, "<rect x=\"10\" y=\"20\" width=\"40\" height=\"20\" fill=\"none\" stroke=\"#000000\""))
        << doc;
    EXPECT_TRUE(contains(doc, "<rect x=\"0\" y=\"0\" width=\"5\" height=\"5\" fill=\"#ffffff\"/>")) << doc;
}

TEST(SvgCanvas, ArcsTurnTowardIncreasingAngle)
{
    SvgCanvas svg(100, 100);
    // A full circle from −π to π, and a quarter from 0 to π/2: on screen
    // from (cx + r, cy) down to (cx, cy + r), clockwise (sweep flag 1).
    svg.arc(52, 86, 5, static_cast<float>(-M_PI), static_cast<float>(M_PI), Pen{}, false);
    svg.arc(10, 10, 4, 0, static_cast<float>(M_PI / 2), Pen{}, false);
    // From π to π/2 wraps through 0: three quarters of a turn, the large arc.
    svg.arc(20, 20, 2, static_cast<float>(M_PI), static_cast<float>(M_PI / 2), Pen{}, false);
    const std::string doc = svg.document();
    EXPECT_TRUE(contains(doc, "<circle cx=\"52\" cy=\"86\" r=\"5\" fill=\"none\"")) << doc;
    EXPECT_TRUE(contains(doc, "<path d=\"M 14 10 A 4 4 0 0 1 10 14\"")) << doc;
    EXPECT_TRUE(contains(doc, "<path d=\"M 18 20 A 2 2 0 1 1 20 22\"")) << doc;
}

TEST(SvgCanvas, TextIsEscaped)
{
    SvgCanvas svg(100, 100);
    svg.text(13, 40, "a<b & 'c'", 13, Colour{});
    const std::string doc = svg.document();
    EXPECT_TRUE(
        contains(doc, "<text x=\"13\" y=\"40\" font-size=\"13\" fill=\"#000000\">a&lt;b &amp; &apos;c&apos;</text>"))
        << doc;
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
    EXPECT_FALSE(contains(doc, "nan"));
    EXPECT_FALSE(contains(doc, "inf"));
    EXPECT_EQ(count(doc, "<"), 3U) << doc;  // the declaration, <svg> and </svg>
}

TEST(SvgCanvas, ImagesEmbeddedOrLeftEmpty)
{
    const auto file = std::filesystem::temp_directory_path() / "larkspan_svg_test_image.png";
    {
        std::ofstream out(file, std::ios::binary);
        out << "Man";  // base64 "TWFu"
    }
    SvgCanvas svg(100, 100);
    svg.image(710, 114, 23, 39, file.string());
    svg.image(0, 0, 1, 1, (std::filesystem::temp_directory_path() / "larkspan_no_such_picture.png").string());
    std::filesystem::remove(file);
    const std::string doc = svg.document();
    EXPECT_EQ(count(doc, "<image"), 1U);
    EXPECT_TRUE(contains(doc,
                         "<image x=\"710\" y=\"114\" width=\"23\" height=\"39\" preserveAspectRatio=\"none\" "
                         "xlink:href=\"data:image/png;base64,TWFu\"/>"))
        << doc;
}

TEST(Base64, PaddingOfEachRemainder)
{
    // RFC 4648 test vectors.
    EXPECT_EQ(base64Encode(""), "");
    EXPECT_EQ(base64Encode("f"), "Zg==");
    EXPECT_EQ(base64Encode("fo"), "Zm8=");
    EXPECT_EQ(base64Encode("foo"), "Zm9v");
    EXPECT_EQ(base64Encode("foob"), "Zm9vYg==");
    EXPECT_EQ(base64Encode("fooba"), "Zm9vYmE=");
    EXPECT_EQ(base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(base64Encode(std::string("\xff\xfe", 2)), "//4=");
}

}  // namespace
}  // namespace larkspan
