// `print`: the one page that the desktop program's Print gives for a view,
// written as a PDF file.
#include <ctime>

#include "cli/cli.h"
#include "drawing/printed_page.h"
#include "model/number_text.h"
#include "model/resource_folder.h"

#if LARKSPAN_CLI_HAS_QT
#include "drawing/qt/render_files.h"
#endif

namespace larkspan::cli {

namespace {

constexpr const char* kPrintUsage =
    "print takes --view VIEW --out FILE.pdf [--scale PCT] [--orientation portrait|landscape] [--no-date] "
    "[--paper a4|letter]";

int refusedWith(std::ostream& err, const std::string& message)
{
    err << "larkspan-cli: " << message << "\n";
    return kRefused;
}

DateTime now()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

struct PrintOptions {
    std::string view;
    std::string file;
    double GPrintScale = 100;
    std::optional<PageOrientation> orientation;
    bool date = true;
    bool letter = false;
};

// Reads the arguments into `o`; the refusal's text when one is wrong.
std::optional<std::string> parsePrintOptions(const std::vector<std::string>& args, PrintOptions& o)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--no-date") {
            o.date = false;
        } else if (a == "--view" && hasValue) {
            o.view = args[++i];
        } else if (a == "--out" && hasValue) {
            o.file = args[++i];
        } else if (a == "--scale" && hasValue) {
            const std::string& v = args[++i];
            // The page setup's own limits for the user's scale.
            o.GPrintScale = textToNumber(v);
            if (!(o.GPrintScale >= 1 && o.GPrintScale <= 1000))
                return "--scale takes a percentage from 1 to 1000, not '" + v + "'";
        } else if (a == "--orientation" && hasValue) {
            const std::string& v = args[++i];
            if (v != "portrait" && v != "landscape")
                return "--orientation takes portrait or landscape, not '" + v + "'";
            o.orientation = v == "landscape" ? PageOrientation::Landscape : PageOrientation::Portrait;
        } else if (a == "--paper" && hasValue) {
            const std::string& v = args[++i];
            if (v != "a4" && v != "letter") return "--paper takes a4 or letter, not '" + v + "'";
            o.letter = v == "letter";
        } else {
            return std::string(kPrintUsage) + ", not '" + a + "'";
        }
    }
    if (o.view.empty() || o.file.empty()) return "print needs --view VIEW and --out FILE.pdf";
    if (o.file.size() < 4 || o.file.compare(o.file.size() - 4, 4, ".pdf") != 0)
        return "print writes a .pdf file, not '" + o.file + "'";
    return std::nullopt;
}

// The page of the design's current view as Print gives it, into o.file.
int printPage(Design& d, const PrintOptions& o, const std::optional<SeriesChoice>& asBuilt, std::ostream& err)
{
#if LARKSPAN_CLI_HAS_QT
    // A page format made for this view: the orientation rule unless the user
    // chose one, as Page Setup would.
    std::uint8_t PMOrientFlag = o.orientation ? 1 : 0;
    PageOrientation orientation = o.orientation.value_or(PageOrientation::Portrait);
    MySetupPageFormatForPrinting(PMOrientFlag, orientation, d.s_Resp);
    const qt::PdfPageRequest page{o.letter, orientation == PageOrientation::Landscape, o.GPrintScale, d.s_Resp,
                                  printJobName(d.fileName1, d.s_Resp)};
    const std::string imagesDir = resourceFolder("Images");
    const std::optional<DateTime> when = o.date ? std::optional<DateTime>(now()) : std::nullopt;
    if (const auto failure = qt::writePdfPage(o.file, page, [&](Canvas& canvas) {
            DrawTarget target{canvas, {}, imagesDir};
            ViewState state;
            state.asBuilt = asBuilt;
            drawPrintedPage(target, d, state, when);
        })) {
        err << "larkspan-cli: cannot write " << o.file << ": " << *failure << "\n";
        return kIoError;
    }
    return kOk;
#else
    (void)d;
    (void)o;
    (void)asBuilt;
    (void)now;
    return refusedWith(err, "print needs a larkspan-cli built with Qt (LARKSPAN_BUILD_APP=ON)");
#endif
}

}  // namespace

int printCommand(Design& d, const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    PrintOptions o;
    if (const auto refusal = parsePrintOptions(args, o)) return refusedWith(err, *refusal);
    if (const int status = chooseView(d, o.view, "print", err); status != kOk) return status;
    return printPage(d, o, std::nullopt, err);
}

int printDefaultPage(Design& d, const std::string& file, const std::optional<SeriesChoice>& asBuilt, std::ostream& err)
{
    PrintOptions o;
    o.file = file;
    return printPage(d, o, asBuilt, err);
}

}  // namespace larkspan::cli
