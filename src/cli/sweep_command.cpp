#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include "cli/build_options.h"
#include "cli/cli.h"
#include "cli/json.h"
#include "corrections/notch.h"
#include "drawing/response_view.h"
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
    std::function<SweepRun(const Design&)> sweep;
    PointForm form;
    int notch = 0;  // the corrected-impedance views: the driver they show
};

// One program run draws the group delay once, so the scale search starts
// from a fresh state.
SweepRun groupDelayView(const Design& d)
{
    GroupDelayState state;
    gdOpt(d, state);
    SweepRun run(gdPlot(d, state));
    run.GDscl = state.GDscl;
    return run;
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
        {"HigCorrImp", NotchImpPlot, PointForm::KValue, 1},
        {"MidCorrImp", NotchImpPlot, PointForm::KValue, 2},
    };
    return all;
}

// The output gathered in a buffer and written in large pieces; numbers go
// into it by std::to_chars (the shortest text that reads back to the same
// value, null where not finite), so that no point becomes a string of its own.
class Stream {
public:
    explicit Stream(std::ostream& out) : out_(out) { buf_.reserve(kChunk + 256); }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    ~Stream() { flush(); }

    Stream& operator<<(std::string_view s)
    {
        buf_.append(s);
        if (buf_.size() >= kChunk) flush();
        return *this;
    }
    Stream& operator<<(float v) { return number(v); }
    Stream& operator<<(double v) { return number(v); }

    void flush()
    {
        out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
        buf_.clear();
    }

private:
    static constexpr std::size_t kChunk = 1 << 16;

    template <typename T>
    Stream& number(T v)
    {
        if (!std::isfinite(v)) return *this << "null";
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, v).ptr;
        return *this << std::string_view(text, static_cast<std::size_t>(end - text));
    }

    std::ostream& out_;
    std::string buf_;
};

void writePointJson(Stream& s, const CurvePoint& p, PointForm form)
{
    switch (form) {
        case PointForm::KValue:
            s << "{\"k\": " << p.k << ", \"value\": " << p.value;
            break;
        case PointForm::KReIm:
            s << "{\"k\": " << p.k << ", \"re\": " << p.re << ", \"im\": " << p.im;
            break;
        case PointForm::TValue:
            s << "{\"t\": " << p.k << ", \"value\": " << p.value;
            break;
    }
    s << ", \"x\": " << p.x << ", \"y\": " << p.y << ", \"drawn\": " << (p.drawn ? "true}" : "false}");
}

void writeJson(std::ostream& out, const SweepView& view, const SweepRun& run)
{
    Stream s(out);
    s << "{\"view\": " << jsonString(view.name);
    if (run.GDscl) s << ", \"GDscl\": " << *run.GDscl;
    s << ", \"curves\": [";
    for (std::size_t n = 0; n < run.curves.size(); ++n) {
        const Curve& c = run.curves[n];
        s << (n ? ", " : "") << "{\"branch\": " << jsonString(c.branch) << ", \"points\": [";
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            if (i) s << ", ";
            writePointJson(s, c.points[i], view.form);
        }
        s << "]}";
    }
    s << "]}\n";
}

void writeCsv(std::ostream& out, const SweepView& view, const std::vector<Curve>& curves)
{
    Stream s(out);
    switch (view.form) {
        case PointForm::KValue:
            s << "branch,k,value,x,y,drawn\n";
            break;
        case PointForm::KReIm:
            s << "branch,k,re,im,x,y,drawn\n";
            break;
        case PointForm::TValue:
            s << "branch,t,value,x,y,drawn\n";
            break;
    }
    for (const auto& c : curves) {
        for (const auto& p : c.points) {
            s << c.branch << "," << p.k << ",";
            if (view.form == PointForm::KReIm)
                s << p.re << "," << p.im;
            else
                s << p.value;
            s << "," << p.x << "," << p.y << (p.drawn ? ",1\n" : ",0\n");
        }
    }
}

}  // namespace

int sweepCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    BuildOptions built;
    if (auto f = takeBuildOptions(rest, built, false, true, err)) return report(*f, err);
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
        // The Response menu's corrected-impedance items select the view and
        // load the driver; then the view is brought up to date and swept.
        if (view.notch != 0) selectCorrImpView(d, view.notch);
        updateDesignForView(d, view.name);
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
