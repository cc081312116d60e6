#include <functional>
#include <optional>

#include "cli/build_options.h"
#include "cli/cli.h"
#include "cli/json.h"
#include "corrections/notch.h"
#include "network/as_built_curves.h"
#include "response/group_delay.h"
#include "response/nyquist.h"
#include "response/step_response.h"
#include "response/sweeps.h"

namespace larkspan::cli {

namespace {

// Which raw result a view's points carry.
enum class PointForm { KValue, KReIm, TValue };

// A view's curves, and the graph scale where the view has one.
struct SweepRun {
    // Implicit, so that a view that has only curves needs no wrapper.
    SweepRun(std::vector<Curve> c) : curves(std::move(c)) {}
    std::vector<Curve> curves;
    std::optional<float> GDscl;
};

struct SweepView {
    const char* name;
    std::function<SweepRun(Design&)> sweep;
    PointForm form;
    int notch = 0;  // the corrected-impedance views: the driver they show
};

// One program run draws the group delay once, so the scale search starts
// from a fresh state.
SweepRun groupDelayView(Design& d)
{
    GroupDelayState state;
    gdOpt(d, state);
    SweepRun run(gdPlot(d, state));
    run.GDscl = state.GDscl;
    return run;
}

// The Response menu's corrected-impedance items: select the view, load the
// driver, then draw.
std::vector<Curve> highCorrImpView(Design& d)
{
    selectCorrImpView(d, 1);
    return NotchImpPlot(d);
}

std::vector<Curve> midCorrImpView(Design& d)
{
    selectCorrImpView(d, 2);
    return NotchImpPlot(d);
}

const std::vector<SweepView>& views()
{
    static const std::vector<SweepView> all{
        {"amp", ampPlot, PointForm::KValue},
        {"imp", impPlot, PointForm::KValue},
        {"ph", phPlot, PointForm::KValue},
        {"gd", groupDelayView, PointForm::KValue},
        {"nq", nqPlot, PointForm::KReIm},
        {"st", StepPlot, PointForm::TValue},
        {"HigCorrImp", highCorrImpView, PointForm::KValue, 1},
        {"MidCorrImp", midCorrImpView, PointForm::KValue, 2},
    };
    return all;
}

std::string pointJson(const CurvePoint& p, PointForm form)
{
    JsonObject o;
    switch (form) {
        case PointForm::KValue:
            o.add("k", p.k).add("value", p.value);
            break;
        case PointForm::KReIm:
            o.add("k", p.k).add("re", p.re).add("im", p.im);
            break;
        case PointForm::TValue:
            o.add("t", p.k).add("value", p.value);
            break;
    }
    o.add("x", p.x).add("y", p.y).addBool("drawn", p.drawn);
    return o.str();
}

void writeJson(std::ostream& out, const SweepView& view, const SweepRun& run)
{
    const std::vector<Curve>& curves = run.curves;
    std::vector<std::string> renderedCurves;
    for (const auto& c : curves) {
        std::vector<std::string> points;
        points.reserve(c.points.size());
        for (const auto& p : c.points) points.push_back(pointJson(p, view.form));
        JsonObject co;
        co.addString("branch", c.branch).add("points", jsonArray(points));
        renderedCurves.push_back(co.str());
    }
    JsonObject o;
    o.addString("view", view.name);
    if (run.GDscl) o.add("GDscl", *run.GDscl);
    o.add("curves", jsonArray(renderedCurves));
    out << o.str() << "\n";
}

void writeCsv(std::ostream& out, const SweepView& view, const std::vector<Curve>& curves)
{
    switch (view.form) {
        case PointForm::KValue:
            out << "branch,k,value,x,y,drawn\n";
            break;
        case PointForm::KReIm:
            out << "branch,k,re,im,x,y,drawn\n";
            break;
        case PointForm::TValue:
            out << "branch,t,value,x,y,drawn\n";
            break;
    }
    for (const auto& c : curves) {
        for (const auto& p : c.points) {
            out << c.branch << "," << jsonNumber(p.k) << ",";
            if (view.form == PointForm::KReIm)
                out << jsonNumber(p.re) << "," << jsonNumber(p.im);
            else
                out << jsonNumber(p.value);
            out << "," << jsonNumber(p.x) << "," << jsonNumber(p.y) << "," << (p.drawn ? 1 : 0) << "\n";
        }
    }
}

}  // namespace

int sweepCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    BuildOptions built;
    if (auto f = takeBuildOptions(rest, built, false, true, err)) {
        err << f->message << "\n";
        return f->status;
    }
    if (!built.asBuilt && (built.seriesGiven || built.series.pairs)) {
        err << "larkspan-cli: sweep: --series and --pairs need --as-built\n";
        return kRefused;
    }
    std::string viewName;
    std::string format = "csv";
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--view" && i + 1 < rest.size()) {
            viewName = rest[++i];
        } else if (rest[i] == "--json" || rest[i] == "--csv") {
            format = rest[i].substr(2);
        } else {
            err << "larkspan-cli: sweep takes --view VIEW and --json or --csv, not '" << rest[i] << "'\n";
            return kRefused;
        }
    }
    for (const auto& view : views()) {
        if (view.name != viewName) continue;
        if (view.notch != 0) {
            if (const auto why = corrImpViewUnavailable(d, view.notch)) {
                err << "larkspan-cli: " << *why << "\n";
                return kRefused;
            }
        }
        SweepRun run = view.sweep(d);
        if (built.asBuilt) {
            const std::string v = view.name;
            if (v != "amp" && v != "imp" && v != "ph") {
                err << "larkspan-cli: sweep --as-built takes --view amp, imp or ph, not '" << v << "'\n";
                return kRefused;
            }
            const auto kind = v == "amp" ? AsBuiltView::Amp : v == "imp" ? AsBuiltView::Imp : AsBuiltView::Ph;
            auto asBuilt = asBuiltCurves(d, built.series, kind, run.curves);
            if (!asBuilt.error.empty()) {
                err << "larkspan-cli: sweep --as-built: " << asBuilt.error << "\n";
                return kRefused;
            }
            run.curves = std::move(asBuilt.curves);
        }
        if (format == "json")
            writeJson(out, view, run);
        else
            writeCsv(out, view, run.curves);
        return kOk;
    }
    std::string names;
    for (const auto& view : views()) {
        if (!names.empty()) names += '|';
        names += view.name;
    }
    err << "larkspan-cli: sweep needs --view " << names << (viewName.empty() ? "" : ", not '" + viewName + "'") << "\n";
    return kRefused;
}

}  // namespace larkspan::cli
