// How a view drawn for a fixed size of its own fills a widget of any size:
// one uniform scale that fits it whole, centred on whole points.
#pragma once

#include <QPointF>
#include <QRectF>
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

// The largest scale at which `view` fits `area`, aspect kept. The offset is
// rounded down to whole points, so that at scale 1 the view's pixels fall on
// the widget's pixels exactly as without a transform.
ViewFit fitView(const QSizeF& view, const QSizeF& area);

}  // namespace larkspan
