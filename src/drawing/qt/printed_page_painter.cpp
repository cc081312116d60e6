#include "drawing/qt/printed_page_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "drawing/qt/painter_canvas.h"

namespace larkspan::qt {

QPageLayout defaultPageFormat(QPageSize::PageSizeId paper, PageOrientation orientation)
{
    return QPageLayout(QPageSize(paper),
                       orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

PageOrientation orientationOf(const QPageLayout& layout)
{
    return layout.orientation() == QPageLayout::Landscape ? PageOrientation::Landscape : PageOrientation::Portrait;
}

QSizeF adjustedPageSize(const QPageLayout& layout)
{
    return layout.paintRect(QPageLayout::Point).size();
}

bool paintPrintedPage(QPagedPaintDevice& device, double scalePercent, const Drawing& draw)
{
    // An absurd scale would hand the painter an unusable transform; the page
    // is then drawn at the size that fills it.
    if (!std::isfinite(scalePercent) || scalePercent <= 0 || scalePercent > 10000) scalePercent = 100;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter starts at the printable area's corner in device pixels.
    const double toDevice = device.logicalDpiX() / 72.0 * scalePercent / 100.0;
    painter.scale(toDevice, toDevice);
    {
        PainterCanvas canvas(painter);
        draw(canvas);
    }
    return painter.end();
}

}  // namespace larkspan::qt
