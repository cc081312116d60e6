#include "drawing/response_view.h"

#include "corrections/impedance_correction.h"
#include "corrections/notch.h"
#include "drawing/as_built_overlay.h"
#include "drawing/curve_drawing.h"
#include "drawing/graph_frames.h"
#include "drawing/schema_view.h"
#include "response/nyquist.h"
#include "response/step_response.h"
#include "response/sweeps.h"
#include "synthesis/cofcal.h"

namespace larkspan {

ViewSize viewSize(const std::string& s_Resp)
{
    if (s_Resp == "schema") return {810, 565};
    return {540, 390};
}

bool isDrawnView(const std::string& s_Resp)
{
    for (const char* key : {"amp", "imp", "ph", "gd", "nq", "st", "schema", "HigCorrImp", "MidCorrImp"})
        if (s_Resp == key) return true;
    return false;
}

void updateDesignForView(Design& d, const std::string& view)
{
    if (view == "HigCorrImp" || view == "MidCorrImp") {
        NotchCal(d);
    } else if (isDrawnView(view)) {
        cofCal(d);
        if (view == "schema") CalcImpIncAtt(d);
    }
}

namespace {

void drawCurrentView(DrawTarget& target, const Design& d, ViewState& state)
{
    const std::string& v = d.s_Resp;
    const auto curvesWithAsBuilt = [&](const std::vector<Curve>& ideal, AsBuiltView view) {
        drawCurves(target.canvas, ideal);
        if (state.asBuilt) drawAsBuilt(target, d, *state.asBuilt, view, ideal);
    };
    if (v == "amp") {
        ampGraph(target, d, state.caption);
        curvesWithAsBuilt(ampPlot(d), AsBuiltView::Amp);
    } else if (v == "imp") {
        impGraph(target, d, state.caption);
        curvesWithAsBuilt(impPlot(d), AsBuiltView::Imp);
    } else if (v == "ph") {
        phGraph(target, d, state.caption);
        curvesWithAsBuilt(phPlot(d), AsBuiltView::Ph);
    } else if (v == "gd") {
        // The scale comes first, so the frame's labels and the curves agree.
        gdOpt(d, state.gd);
        gdGraph(target, d, state.caption, state.gd.GDscl);
        if (!state.curves) state.curves = std::make_shared<std::vector<Curve>>();
        gdPlotInto(d, state.gd, *state.curves);
        drawCurves(target.canvas, *state.curves);
    } else if (v == "nq") {
        nqGraph(target, d, state.caption);
        drawCurves(target.canvas, nqPlot(d));
    } else if (v == "st") {
        StepGraph(target, d, state.caption);
        if (!state.curves) state.curves = std::make_shared<std::vector<Curve>>();
        StepPlotInto(d, *state.curves);
        drawCurves(target.canvas, *state.curves);
    } else if (v == "HigCorrImp" || v == "MidCorrImp") {
        // The corrected driver is the one the notch working set holds.
        impGraph(target, d, state.caption);
        drawCurves(target.canvas, NotchImpPlot(d));
    } else if (v == "schema") {
        drawSchemaView(target, d, state.caption);
    }
}

}  // namespace

void drawView(DrawTarget& target, Design& d, ViewState& state)
{
    updateDesignForView(d, d.s_Resp);
    drawCurrentView(target, d, state);
}

void ResponsePlot(DrawTarget& target, Design& d, ViewState& state)
{
    target.controls.clear();
    target.canvas.rect(0, 0, 810, 565, Pen{0, Colour{1, 1, 1}, Dash::Solid}, true);
    drawView(target, d, state);
}

}  // namespace larkspan
