#include "model/preferences.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace larkspan {

std::string boundsToText(const Bounds16& b)
{
    return numberToText(b.top) + "," + numberToText(b.left) + "," + numberToText(b.bottom) + "," +
           numberToText(b.right);
}

Bounds16 boundsFromText(std::string_view text)
{
    std::int16_t values[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const double v = textToNumber(text.substr(std::min(start, text.size())));
        const double clamped = std::isfinite(v) ? std::clamp(std::trunc(v), -32768.0, 32767.0) : 0.0;
        values[i] = static_cast<std::int16_t>(clamped);
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return {values[0], values[1], values[2], values[3]};
}

}  // namespace larkspan
