#include "drawing/response_view.h"

#include "drawing/curve_drawing.h"
#include "drawing/graph_frames.h"
#include "drawing/schema_view.h"
#include "response/sweeps.h"

namespace larkspan {

ViewSize viewSize(const std::string& s_Resp)
{
    if (s_Resp == "schema") return {810, 565};
    return {540, 390};
}

void drawView(DrawTarget& target, Design& d, ViewState& state)
{
    const std::string& v = d.s_Resp;
    if (v == "amp") {
        ampGraph(target, d, state.caption);
        drawCurves(target.canvas, ampPlot(d));
    } else if (v == "imp") {
        impGraph(target, d, state.caption);
        drawCurves(target.canvas, impPlot(d));
    } else if (v == "ph") {
        phGraph(target, d, state.caption);
        drawCurves(target.canvas, phPlot(d));
    } else if (v == "schema") {
        drawSchemaView(target, d, state.caption);
    }
}

void ResponsePlot(DrawTarget& target, Design& d, ViewState& state)
{
    target.controls.clear();
    target.canvas.rect(0, 0, 810, 565, Pen{0, Colour{1, 1, 1}, Dash::Solid}, true);
    drawView(target, d, state);
}

void ResponsePrint(DrawTarget& target, Design& d, ViewState& state)
{
    const auto previous = d.DoPrint;
    d.DoPrint = 1;
    drawView(target, d, state);
    d.DoPrint = previous;
}

}  // namespace larkspan
