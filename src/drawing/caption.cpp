#include "drawing/caption.h"

#include <array>
#include <string_view>

namespace larkspan {

namespace {

struct Alignment {
    std::string_view key;
    std::string_view name;
    float offset;
};

// Offsets that stand each caption roughly centred over a graph.
constexpr std::array kAlignments{
    Alignment{"Butter", "Butterworth", 179},
    Alignment{"Linkwi", "Linkwitz-Riley", 174},
    Alignment{"ButAsy", "Butterworth Asymmetry", 149},
    Alignment{"Bessel", "Bessel", 199},
    Alignment{"Chebyc", "Chebychev", 188},
};

bool offered(int order, std::string_view key)
{
    switch (order) {
        case 1:
            return key == "Butter";
        case 2:
        case 4:
            return true;
        case 3:
            return key == "Butter" || key == "Bessel" || key == "Chebyc";
        default:
            return false;
    }
}

}  // namespace

std::optional<Caption> captionFor(int channel, int order, const std::string& s_Type)
{
    if (channel != 2 && channel != 3) return std::nullopt;
    static constexpr std::array<std::string_view, 4> kOrders{"1st", "2nd", "3rd", "4th"};
    for (const auto& a : kAlignments) {
        if (a.key != s_Type || !offered(order, a.key)) continue;
        const std::string text = "'" + std::string(channel == 2 ? "2wey " : "3wey ") +
                                 std::string(kOrders[static_cast<std::size_t>(order - 1)]) + " Order " +
                                 std::string(a.name) + "'";
        return Caption{text, a.offset};
    }
    return std::nullopt;
}

void netSys(DrawTarget& target, const Design& d, CaptionState& state)
{
    if (const auto c = captionFor(d.channel, d.order, d.s_Type)) {
        state.text = c->text;
        state.offset = c->offset;
    }
    if (state.text.empty()) return;
    const bool schema = d.s_Resp == "schema";
    target.canvas.text(schema ? 135 + state.offset : state.offset, schema ? 44.0F : 40.0F, state.text, 13, Colour{});
}

}  // namespace larkspan
