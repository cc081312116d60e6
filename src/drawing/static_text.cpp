#include "drawing/static_text.h"

namespace larkspan {

HelpTag splitHelpTag(const std::string& help)
{
    const auto at = help.rfind("\\@");
    if (at == std::string::npos || help.size() - at != 4) return {help, ""};
    return {help.substr(0, at), help.substr(at + 2)};
}

float textBaseline(const StaticText& t)
{
    if (t.fontSize == 12) return t.bottom - 4;
    if (t.fontSize == 14) return t.bottom - 6;
    return t.bottom;
}

void drawStaticTexts(Canvas& canvas, const std::vector<StaticText>& texts, Overflow overflow)
{
    for (const auto& t : texts) {
        if (t.text.empty()) continue;
        const auto size = static_cast<float>(t.fontSize);
        if (overflow == Overflow::Elide)
            canvas.fieldText(t.left, textBaseline(t), t.right - t.left, t.text, size, Colour{});
        else
            canvas.text(t.left, textBaseline(t), t.text, size, Colour{});
    }
}

}  // namespace larkspan
