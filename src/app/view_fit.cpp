#include "app/view_fit.h"

#include <algorithm>
#include <cmath>

namespace larkspan {

ViewFit fitView(const QSizeF& view, const QSizeF& area)
{
    if (!(view.width() > 0) || !(view.height() > 0) || area.isEmpty()) return {};
    const double scale = std::min(area.width() / view.width(), area.height() / view.height());
    return {scale, QPointF(std::floor((area.width() - view.width() * scale) / 2),
                           std::floor((area.height() - view.height() * scale) / 2))};
}

}  // namespace larkspan
