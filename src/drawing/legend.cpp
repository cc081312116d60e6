#include "drawing/legend.h"

namespace larkspan {

namespace {

constexpr Colour kTotal{1, 0.5294F, 0};
constexpr Colour kLow{0, 0.7843F, 0};
constexpr Colour kBlue{0, 0.5112F, 1};  // 2-way High, 3-way Mid
constexpr Colour kCyan{0, 0.9412F, 1};  // 3-way High

// A name's help text is the same wherever the name stands.
std::string helpFor(const std::string& name)
{
    if (name == "Total") return "Total Response\\@LB";
    if (name == "Low") return "Low Range Response\\@LB";
    if (name == "Mid") return "Mid Range Response\\@LB";
    if (name == "High") return "High Range Response\\@LB";
    if (name == "After") return "After Correct Response\\@LB";
    return "Before Correct Response\\@LB";
}

LegendEntry entry(float x1, float x2, bool heavy, Colour colour, int id, const std::string& name, float nameX)
{
    return {x1, x2, heavy, colour, id, name, nameX, helpFor(name)};
}

constexpr float kNameWidth = 50;
constexpr float kNameTop = 352;
constexpr float kNameBottom = 368;

}  // namespace

std::vector<LegendEntry> legendFor(const Design& d)
{
    const std::string& v = d.s_Resp;
    if (v == "HigCorrImp" || v == "MidCorrImp")
        return {entry(45, 95, true, kTotal, 71, "After", 102), entry(145, 195, false, kLow, 72, "Before", 202)};
    const bool graph = v == "amp" || v == "imp" || v == "ph" || v == "gd" || v == "st";
    if (d.channel == 2) {
        if (graph)
            return {entry(45, 95, true, kTotal, 71, "Total", 102), entry(145, 195, false, kLow, 72, "Low", 202),
                    entry(245, 295, false, kBlue, 73, "High", 302)};
        if (v == "nq")
            return {entry(130, 180, false, kTotal, 71, "Total", 185), entry(230, 280, false, kLow, 72, "Low", 285),
                    entry(325, 375, false, kBlue, 73, "High", 380)};
    }
    if (d.channel == 3) {
        if (graph)
            return {entry(45, 95, true, kTotal, 71, "Total", 100), entry(145, 195, false, kLow, 72, "Low", 200),
                    entry(245, 295, false, kBlue, 73, "Mid", 300), entry(345, 395, false, kCyan, 74, "High", 400)};
        if (v == "nq")
            return {entry(130, 160, false, kTotal, 71, "Total", 165), entry(210, 240, false, kLow, 72, "Low", 245),
                    entry(280, 310, false, kBlue, 73, "Mid", 315), entry(350, 380, false, kCyan, 74, "High", 385)};
    }
    return {};
}

void Explanation(DrawTarget& target, const Design& d)
{
    const bool printing = target.DoPrint;
    for (const auto& e : legendFor(d)) {
        // The heavy sample sits on y = 360; the thin ones on the pixel centre
        // below it on screen. Paper needs no pixel centres.
        const float y = e.heavy || printing ? 360.0F : 360.5F;
        const float width = e.heavy ? 2.0F : (printing ? 1.0F : 0.0F);
        target.canvas.line(e.x1, y, e.x2, y, Pen{width, e.colour, Dash::Solid});
        if (printing)
            target.canvas.text(e.nameX, 364, e.name, 12, Colour{});
        else
            target.controls.push_back({e.id, e.nameX, kNameTop, e.nameX + kNameWidth, kNameBottom, e.name, 12, e.help});
    }
}

}  // namespace larkspan
