// `render`: the view as the response window shows it (PNG, SVG) or as the
// printed page (PDF, through `print`).
#include <algorithm>
#include <cctype>
#include <span>

#include "cli/build_options.h"
#include "cli/cli.h"
#include "corrections/notch.h"
#include "drawing/response_view.h"
#include "drawing/response_window_text.h"
#include "drawing/svg_canvas.h"
#include "model/resource_folder.h"
#include "model/safe_write.h"

#if LARKSPAN_CLI_HAS_QT
#include "drawing/qt/render_files.h"
#endif

namespace larkspan::cli {

namespace {

enum class Format { Png, Svg, Pdf };

std::optional<Format> formatOf(const std::string& file)
{
    const auto dot = file.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext = file.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == "png") return Format::Png;
    if (ext == "svg") return Format::Svg;
    if (ext == "pdf") return Format::Pdf;
    return std::nullopt;
}

// The window's content with its static texts, as a picture of it shows them.
void drawScreen(Canvas& canvas, Design& d, const std::string& imagesDir, const std::optional<SeriesChoice>& asBuilt)
{
    DrawTarget target{canvas, {}, imagesDir};
    ViewState state;
    state.asBuilt = asBuilt;
    ResponsePlot(target, d, state);
    drawStaticTexts(canvas, target.controls, Overflow::Elide);
}

int ioFailure(std::ostream& err, const std::string& file, const std::string& reason)
{
    err << "larkspan-cli: cannot write " << file << ": " << reason << "\n";
    return kIoError;
}

int refusedWith(std::ostream& err, const std::string& message)
{
    err << "larkspan-cli: " << message << "\n";
    return kRefused;
}

}  // namespace

int chooseView(Design& d, const std::string& view, const std::string& command, std::ostream& err)
{
    if (!isDrawnView(view)) {
        if (!SetResponseTitle(view).empty())
            return refusedWith(err, "the view '" + view + "' is not available in this version");
        return refusedWith(err, command + ": unknown view '" + view +
                                    "' (amp, imp, ph, gd, nq, st, schema, HigCorrImp or MidCorrImp)");
    }
    if (view == "HigCorrImp" || view == "MidCorrImp") {
        // As the Response menu offers these views: only with a notch in force.
        const int notch = view == "HigCorrImp" ? 1 : 2;
        if (!corrImpViewEnabled(d, notch))
            return refusedWith(err, "the view '" + view + "' needs a " + (notch == 1 ? "high" : "mid") +
                                        "-range notch correction in force" + (notch == 2 ? " in a 3-way design" : "") +
                                        " (--notch-" + (notch == 1 ? "high" : "mid") + " TEXT)");
        selectCorrImpView(d, notch);
    }
    d.s_Resp = view;
    return kOk;
}

int renderCommand(Design& d, const std::vector<std::string>& commandArgs, std::ostream&, std::ostream& err)
{
    std::vector<std::string> args = commandArgs;
    BuildOptions built;
    if (auto f = takeBuildOptions(args, built, false, true, err)) return report(*f, err);
    if (!built.asBuilt && (built.seriesGiven || built.series.pairs))
        return refusedWith(err, "render: --series and --pairs need --as-built");
    std::optional<SeriesChoice> asBuilt;
    if (built.asBuilt) asBuilt = built.series;
    std::string view;
    std::string file;
    std::string scaleText;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--view" && i + 1 < args.size())
            view = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size())
            file = args[++i];
        else if (args[i] == "--scale" && i + 1 < args.size())
            scaleText = args[++i];
        else
            return refusedWith(
                err, "render takes --view VIEW --out FILE.png|FILE.svg|FILE.pdf [--scale 1|2], not '" + args[i] + "'");
    }
    if (view.empty() || file.empty()) return refusedWith(err, "render needs --view VIEW and --out FILE");
    const auto format = formatOf(file);
    if (!format) return refusedWith(err, "render writes .png, .svg or .pdf files, not '" + file + "'");
    if (const int status = chooseView(d, view, "render", err); status != kOk) return status;
    // A PDF is the printed page: `print` with its defaults.
    if (*format == Format::Pdf && scaleText.empty()) return printDefaultPage(d, file, asBuilt, err);
    double scale = 1;
    if (!scaleText.empty()) {
        if (*format != Format::Png) return refusedWith(err, "--scale applies to PNG pictures only");
        if (scaleText != "1" && scaleText != "2")
            return refusedWith(err, "--scale takes 1 or 2, not '" + scaleText + "'");
        scale = scaleText == "2" ? 2 : 1;
    }

    const ViewSize size = viewSize(view);
    const std::string imagesDir = resourceFolder("Images");

    if (*format == Format::Svg) {
        SvgCanvas svg(size.width, size.height);
        drawScreen(svg, d, imagesDir, asBuilt);
        const std::string text = svg.document();
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        if (const auto error = writeFileSafely(file, bytes)) return ioFailure(err, file, fileErrorReason(*error));
        return kOk;
    }
#if LARKSPAN_CLI_HAS_QT
    if (const auto failure = qt::writePng(file, size.width, size.height, scale,
                                          [&](Canvas& canvas) { drawScreen(canvas, d, imagesDir, asBuilt); }))
        return ioFailure(err, file, *failure);
    return kOk;
#else
    (void)scale;
    return refusedWith(err, "PNG output needs a larkspan-cli built with Qt (LARKSPAN_BUILD_APP=ON)");
#endif
}

}  // namespace larkspan::cli
