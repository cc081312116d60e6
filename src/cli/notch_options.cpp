// The notch options: a driver-parameter text pasted into the notch sheet of
// the high-range or mid-range driver and accepted with the sheet's OK.
#include "cli/cli.h"
#include "corrections/notch.h"
#include "sheets/notch_sheet.h"

namespace larkspan::cli {

namespace {

Failure refused(std::string message)
{
    return {kRefused, "larkspan-cli: " + std::move(message)};
}

std::optional<Failure> applyNotch(Design& d, const std::string& option, const std::string& text, int notch)
{
    if (notch == 2 && d.channel != 3) return refused(option + ": a 2-way design has no mid-range driver");
    // A longer text would not be taken, and the sheet would read the text
    // taken before it instead.
    if (text.size() >= 256)
        return refused(option + ": the parameter text is " + std::to_string(text.size()) +
                       " bytes long; the paste takes texts shorter than 256 bytes");

    openNotchSheet(d, notch);
    NotchSheet sheet(d);
    // Headless: no sound is played.
    if (const SheetOutcome pasted = sheet.pasteParameters(text, 0); pasted.alert)
        return refused(option + ": " + pasted.alert->title +
                       " (the text must start with the marker 'DUMMY%', and every number must fit a single-precision "
                       "number)");
    if (sheet.ok().closed) return std::nullopt;

    const NotchWorkingSet& w = d.notchSet;
    std::string message = option + ": the notch sheet needs Fs, Qes, Qms and Re above 0";
    if (w.VAS > 0) message += ", and a box volume above 0 when Vas is above 0";
    // The fields as the sheet showed them after the paste, each after its
    // label.
    const auto shown = [](std::string_view label, const std::string& field) {
        const auto from = field.find_first_not_of(' ');
        return std::string(label) + " " + (from == std::string::npos ? std::string("(empty)") : field.substr(from));
    };
    message += " (" + shown("Fs", w.s_FS) + ", " + shown("Qes", w.s_QES) + ", " + shown("Qms", w.s_QMS) + ", " +
               shown("Re", w.s_REE) + ", " + shown("Vas", w.s_VAS) + ", " + shown("Vb", w.s_VB) + ")";
    return refused(message);
}

}  // namespace

std::optional<Failure> applyNotchOptions(Design& d, const CommandLine& cl)
{
    for (const auto& [option, notch] : {std::pair{"--notch-high", 1}, std::pair{"--notch-mid", 2}}) {
        const auto it = cl.design.find(option);
        if (it == cl.design.end()) continue;
        if (auto f = applyNotch(d, option, it->second, notch)) return f;
    }
    return std::nullopt;
}

std::optional<std::string> corrImpViewUnavailable(const Design& d, int notch)
{
    if (corrImpViewEnabled(d, notch)) return std::nullopt;
    if (notch == 2 && d.channel != 3) return "the view 'MidCorrImp' needs a 3-way design with --notch-mid";
    return notch == 1 ? "the view 'HigCorrImp' needs a high-range notch (--notch-high)"
                      : "the view 'MidCorrImp' needs a mid-range notch (--notch-mid)";
}

}  // namespace larkspan::cli
