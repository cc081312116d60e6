// The printed page on a paged device (a printer or a PDF file): the page
// format's defaults, its printable area in points and the view painted at
// the page scale from the printable area's top-left corner.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

#include "drawing/canvas.h"
#include "drawing/printed_page.h"
#include "drawing/qt/render_files.h"

class QPagedPaintDevice;

namespace larkspan::qt {

// A new page format: the paper in the orientation, within quarter-inch
// margins, about what a desktop printer can reach.
QPageLayout defaultPageFormat(QPageSize::PageSizeId paper, PageOrientation orientation);

PageOrientation orientationOf(const QPageLayout& layout);

// The printable area of the page format in points (its width W and height
// H), in the orientation the format holds.
QSizeF adjustedPageSize(const QPageLayout& layout);

// Paints one page on `device`, whose page layout is already set: the drawing
// in points, scaled by `scalePercent`. The painter begins and ends here, so
// the device's document is complete on return; false when either step fails.
bool paintPrintedPage(QPagedPaintDevice& device, double scalePercent, const Drawing& draw);

}  // namespace larkspan::qt
