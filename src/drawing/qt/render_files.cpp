#include "drawing/qt/render_files.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "drawing/qt/painter_canvas.h"
#include "drawing/qt/printed_page_painter.h"

namespace larkspan::qt {

namespace {

QtMessageHandler previousHandler = nullptr;
std::unique_ptr<QGuiApplication> app;

// Headless runs often have no runtime folder, and Qt says so on every start;
// that note is noise for a tool that only writes files.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (previousHandler) {
        previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Ends the application that ensureGuiApplication made, once a file is
// written: at exit this runs before the destructors of the font caches that
// drawing created, which Qt expects to outlive the application.
void releaseAtExit()
{
    if (!app) return;
    static const bool registered = std::atexit([] { app.reset(); }) == 0;
    (void)registered;
}

}  // namespace

void ensureGuiApplication()
{
    if (QCoreApplication::instance()) return;
    previousHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "larkspan";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<std::string> writePng(const std::string& path, float width, float height, double scale,
                                    const Drawing& draw)
{
    if (!(scale > 0) || !(scale <= 8) || !(width > 0) || !(height > 0) || width > 4096 || height > 4096)
        return std::string("the picture size is out of range");
    ensureGuiApplication();
    QImage image(static_cast<int>(std::ceil(width * scale)), static_cast<int>(std::ceil(height * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    // 72 pixels per inch at 1×: a point is a pixel.
    const int dotsPerMeter = static_cast<int>(std::lround(72.0 / 0.0254 * scale));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        draw(canvas);
    }
    releaseAtExit();
    QImageWriter writer(QString::fromStdString(path), "png");
    if (!writer.write(image)) return writer.errorString().toStdString();
    return std::nullopt;
}

std::optional<std::string> writePdfPage(const std::string& path, const PdfPageRequest& page, const Drawing& draw)
{
    ensureGuiApplication();
    QPdfWriter writer(QString::fromStdString(path));
    writer.setPageLayout(defaultPageFormat(page.letter ? QPageSize::Letter : QPageSize::A4,
                                           page.landscape ? PageOrientation::Landscape : PageOrientation::Portrait));
    writer.setTitle(QString::fromStdString(page.title));
    writer.setCreator(QStringLiteral("Larkspan"));
    const QSizeF area = adjustedPageSize(writer.pageLayout());
    const double scale = CalcPrintPageScale(page.s_Resp, area.width(), area.height(), page.GPrintScale);
    const bool painted = paintPrintedPage(writer, scale, draw);
    releaseAtExit();
    if (!painted) return std::string("cannot write the file");
    return std::nullopt;
}

}  // namespace larkspan::qt
