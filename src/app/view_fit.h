// How a view drawn for a fixed size of its own fills a widget of any size:
// one uniform scale that fits it whole, centred on whole points.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QTransform>

namespace larkspan {

struct ViewFit {
    double scale = 1;
    QPointF offset;

    // From the view's points to the widget's.
    QTransform transform() const { return QTransform(scale, 0, 0, scale, offset.x(), offset.y()); }
    QRectF map(const QRectF& r) const { return QRectF(r.topLeft() * scale + offset, r.size() * scale); }
};

// The size the response window gives a view's content: 540 × 390 for a
// graph, 810 × 566 for the schematic (whose drawing is a point lower).
QSize viewContentSize(bool schema);

// The largest scale at which `view` fits `area`, aspect kept. The offset is
// rounded down to whole points, so that at scale 1 the view's pixels fall on
// the widget's pixels exactly as without a transform.
ViewFit fitView(const QSizeF& view, const QSizeF& area);

}  // namespace larkspan
