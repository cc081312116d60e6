#include "drawing/as_built_overlay.h"

#include "drawing/curve_drawing.h"

namespace larkspan {

void drawAsBuilt(DrawTarget& target, const Design& d, const SeriesChoice& choice, AsBuiltView view,
                 const std::vector<Curve>& ideal)
{
    const auto built = asBuiltCurves(d, choice, view, ideal);
    if (!built.error.empty()) return;
    for (const auto& c : built.curves) drawCurve(target.canvas, c, Dash::FourThree);

    // After the last legend name of a 3-way design (which ends at x = 450).
    const Colour grey{0.3F, 0.3F, 0.3F};
    const bool printing = d.DoPrint != 0;
    target.canvas.line(455, printing ? 360.0F : 360.5F, 485, printing ? 360.0F : 360.5F,
                       Pen{printing ? 1.0F : 0.0F, grey, Dash::FourThree});
    if (printing)
        target.canvas.text(490, 364, "as built", 12, Colour{});
    else
        target.controls.push_back({75, 490, 352, 540, 368, "as built", 12, "Response of the Network as Built\\@LB"});
}

}  // namespace larkspan
