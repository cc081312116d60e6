// The Qt painter canvas through its files: pixels of rendered views. The
// printed page's structure is checked through the command-line tool.
#include "drawing/qt/render_files.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFontInfo>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "drawing/qt/painter_canvas.h"
#include "drawing/response_view.h"
#include "drawing/static_text.h"

namespace larkspan {
namespace {

namespace fs = std::filesystem;

fs::path scratch(const std::string& name)
{
    return fs::temp_directory_path() / ("larkspan_qt_" + std::to_string(::getpid()) + "_" + name);
}

QImage renderView(Design d, double scale)
{
    const fs::path file = scratch("view.png");
    const ViewSize size = viewSize(d.s_Resp);
    const auto failure = qt::writePng(file.string(), size.width, size.height, scale, [&](Canvas& canvas) {
        DrawTarget target{canvas};
        ViewState state;
        ResponsePlot(target, d, state);
        drawStaticTexts(canvas, target.controls);
    });
    EXPECT_FALSE(failure) << *failure;
    QImage image(QString::fromStdString(file.string()));
    fs::remove(file);
    return image;
}

// Within a couple of levels per channel: antialiasing of a fully covered
// pixel gives the exact colour, rounding aside.
::testing::AssertionResult colourNear(const QImage& image, int x, int y, QColor expected)
{
    const QColor got = image.pixelColor(x, y);
    if (std::abs(got.red() - expected.red()) <= 2 && std::abs(got.green() - expected.green()) <= 2 &&
        std::abs(got.blue() - expected.blue()) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << got.name().toStdString()
                                         << ", expected " << expected.name().toStdString();
}

// Colours as 8-bit values of the fractions they are given as.
const QColor kOrange(255, 135, 0);  // (1, 0.5294, 0)
const QColor kGrid(136, 136, 136);  // 0.534
const QColor kFrame(58, 58, 58);    // 0.229
const QColor kWhite(255, 255, 255);

// The default design's amplitude view at one pixel per point.
TEST(PngView, FirstOrderTwoWayAmplitudeView)
{
    const QImage image = renderView(Design{}, 1);
    ASSERT_EQ(image.width(), 540);
    ASSERT_EQ(image.height(), 390);
    // The total, 2 points wide around y = 130, covers pixel rows 129 and 130
    // all the way across; the 0 dB grid line beneath it does not show.
    for (const int x : {60, 150, 306, 400, 490}) {
        EXPECT_TRUE(colourNear(image, x, 129, kOrange));
        EXPECT_TRUE(colourNear(image, x, 130, kOrange));
        EXPECT_FALSE(colourNear(image, x, 131, kOrange));
    }
    // The 1 kHz line at x = 306.5 fills pixel column 306; at y = 200 no
    // curve passes (at 1 kHz the branches are 1.6 and 5.3 dB down).
    EXPECT_TRUE(colourNear(image, 306, 200, kGrid));
    // The −15 dB line at y = 250.5, at 45 Hz where only the low branch (near
    // 0 dB) and the high branch (23 dB down) run.
    EXPECT_TRUE(colourNear(image, 100, 250, kGrid));
    EXPECT_TRUE(colourNear(image, 200, 50, kFrame));   // top edge of the frame
    EXPECT_TRUE(colourNear(image, 506, 200, kFrame));  // right edge
    EXPECT_TRUE(colourNear(image, 520, 200, kWhite));
    EXPECT_TRUE(colourNear(image, 300, 240, kWhite));
    // The title "Amplitude" stands at (240, 20) in a readable face: some ink
    // in its box.
    qt::ensureGuiApplication();
    const QFontInfo info(qt::drawingFont(13));
    EXPECT_FALSE(info.family().isEmpty());
    EXPECT_EQ(info.pixelSize(), 13);
    int dark = 0;
    for (int y = 8; y <= 21; ++y)
        for (int x = 240; x < 300; ++x) dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    EXPECT_GT(dark, 40);
}

TEST(PngView, DoubleScaleDoublesEveryPixel)
{
    const QImage image = renderView(Design{}, 2);
    ASSERT_EQ(image.width(), 1080);
    ASSERT_EQ(image.height(), 780);
    for (const int row : {258, 259, 260, 261}) EXPECT_TRUE(colourNear(image, 600, row, kOrange)) << row;
    EXPECT_FALSE(colourNear(image, 600, 262, kOrange));
    // A thin grid line is one device pixel: the column of x = 306.5 points.
    EXPECT_TRUE(colourNear(image, 613, 400, kGrid));
    EXPECT_TRUE(colourNear(image, 611, 400, kWhite));
}

TEST(PngView, NonFinitePrimitivesAndMissingPicturesLeaveTheGroundUntouched)
{
    const fs::path file = scratch("nan.png");
    const float nan = std::nanf("");
    const auto failure = qt::writePng(file.string(), 40, 30, 1, [&](Canvas& c) {
        c.line(nan, 1, 20, 20, Pen{2, Colour{}, Dash::Solid});
        c.line(1, 1, INFINITY, 20, Pen{2, Colour{}, Dash::Solid});
        c.rect(0, 0, nan, 10, Pen{}, true);
        c.arc(10, 10, nan, 0, 1, Pen{}, true);
        c.text(nan, 10, "x", 13, Colour{});
        c.image(0, 0, 40, 30, (fs::temp_directory_path() / "larkspan_no_such_picture.png").string());
    });
    ASSERT_FALSE(failure) << *failure;
    const QImage image(QString::fromStdString(file.string()));
    fs::remove(file);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_TRUE(colourNear(image, x, y, kWhite));
}

TEST(PngView, ArcsTurnClockwiseOnScreen)
{
    // A filled quarter from 0 to π/2 covers the lower right quadrant (y down).
    const fs::path file = scratch("arc.png");
    const auto failure = qt::writePng(file.string(), 40, 40, 1, [](Canvas& c) {
        c.arc(20, 20, 15, 0, static_cast<float>(M_PI / 2), Pen{0, Colour{}, Dash::Solid}, true);
    });
    ASSERT_FALSE(failure);
    const QImage image(QString::fromStdString(file.string()));
    fs::remove(file);
    EXPECT_TRUE(colourNear(image, 26, 26, QColor(0, 0, 0)));
    EXPECT_TRUE(colourNear(image, 26, 14, kWhite));
    EXPECT_TRUE(colourNear(image, 14, 26, kWhite));
}

TEST(PngView, DenseThinLinesCarryTheInkTheyHaveAtEightTimesTheResolution)
{
    // A curve at 300 points to a pixel column, as the step view's longest
    // window has. Qt's own one-pixel stroke of it is a third paler than the
    // same curve drawn eight times larger and averaged down.
    std::vector<CanvasPoint> points;
    for (int i = 0; i <= 200 * 300; ++i) {
        const float x = 10.0f + static_cast<float>(i) / 300.0f;
        points.push_back({x, static_cast<float>(30.0 + 12.0 * std::sin(x / 25.0))});
    }
    const auto ink = [&](double scale) {
        const fs::path file = scratch("dense.png");
        const auto failure = qt::writePng(file.string(), 220, 60, scale, [&](Canvas& c) {
            c.polyline(points, Pen{1, Colour{}, Dash::Solid});
        });
        EXPECT_FALSE(failure);
        const QImage image(QString::fromStdString(file.string()));
        fs::remove(file);
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) sum += 255 - image.pixelColor(x, y).lightness();
        return sum / (scale * scale);
    };
    EXPECT_NEAR(ink(1) / ink(8), 1.0, 0.1);
}

// The rightmost column with ink (lightness below 160) in rows y0..y1; -1 when
// there is none.
int lastInkColumn(const QImage& image, int y0, int y1)
{
    int last = -1;
    for (int y = y0; y <= y1; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < 160) last = std::max(last, x);
    return last;
}

TEST(PngView, FieldTextsLongerThanTheirFieldAreCutOnScreenAndWholeInPrint)
{
    // A 9-point value of 20 digits is some 110 points long; its field is 50.
    const std::string longText = " 12345678901234567890ohm";
    const std::vector<StaticText> fields{{150, 10, 10, 60, 30, longText, 9, ""},
                                         {151, 10, 40, 60, 60, " 4.103ohm", 9, ""}};
    struct Row {
        const char* name;
        Overflow overflow;
    };
    QImage images[2];
    for (const Row& row : {Row{"elided", Overflow::Elide}, Row{"whole", Overflow::DrawWhole}}) {
        SCOPED_TRACE(row.name);
        const fs::path file = scratch("field.png");
        const auto failure =
            qt::writePng(file.string(), 200, 70, 1, [&](Canvas& c) { drawStaticTexts(c, fields, row.overflow); });
        ASSERT_FALSE(failure) << *failure;
        images[row.overflow == Overflow::Elide ? 0 : 1] = QImage(QString::fromStdString(file.string()));
        fs::remove(file);
    }
    const QImage& elided = images[0];
    const QImage& whole = images[1];
    // On screen the long text ends within the field and its few points of
    // slack (x = 10 + 50 + 4); printed it runs on far beyond.
    EXPECT_GT(lastInkColumn(elided, 20, 30), 40);
    EXPECT_LE(lastInkColumn(elided, 20, 30), 64);
    EXPECT_GT(lastInkColumn(whole, 20, 30), 100);
    // A text that fits is drawn the same either way.
    for (int y = 45; y <= 60; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(elided.pixel(x, y), whole.pixel(x, y)) << x << ", " << y;
}

TEST(RenderFiles, UnwritablePathsAreReported)
{
    const auto draw = [](Canvas& c) { c.line(0, 0, 5, 5, Pen{}); };
    EXPECT_TRUE(qt::writePng("/nonexistent-folder/x.png", 10, 10, 1, draw).has_value());
    EXPECT_TRUE(qt::writePdfPage("/nonexistent-folder/x.pdf", qt::PdfPageRequest{}, draw).has_value());
}

}  // namespace
}  // namespace larkspan
