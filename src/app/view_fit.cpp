#include "app/view_fit.h"

#include <algorithm>
#include <cmath>

#include "rules/window_bounds.h"

namespace larkspan {

QSize viewContentSize(bool schema)
{
    // The graph's content at the origin, carried to the view's window.
    const Bounds16 content = contentOf(resizeTarget({0, 0, 390, 540}, schema));
    return QSize(content.right - content.left, content.bottom - content.top);
}

ViewFit fitView(const QSizeF& view, const QSizeF& area)
{
    if (!(view.width() > 0) || !(view.height() > 0) || area.isEmpty()) return {};
    const double scale = std::min(area.width() / view.width(), area.height() / view.height());
    return {scale, QPointF(std::floor((area.width() - view.width() * scale) / 2),
                           std::floor((area.height() - view.height() * scale) / 2))};
}

}  // namespace larkspan
