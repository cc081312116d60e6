#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string_view>

#include "cli/help.h"
#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "model/number_text.h"
#include "model/text_encoding.h"
#include "rules/menu_rules.h"
#include "sheets/frequency_sheets.h"

namespace larkspan::cli {

namespace {

// Every design option the tool takes.
constexpr std::array<std::string_view, 22> kDesignOptions{
    "--doc",      "--ways",     "--order",   "--align",   "--fx",         "--fxl",       "--fxh",     "--re",
    "--rm",       "--rh",       "--le",      "--lm",      "--lh",         "--spl-low",   "--spl-mid", "--spl-high",
    "--att-high", "--pin-high", "--att-mid", "--pin-mid", "--notch-high", "--notch-mid",
};

bool isDesignOption(std::string_view name)
{
    return std::find(kDesignOptions.begin(), kDesignOptions.end(), name) != kDesignOptions.end();
}

Failure refused(std::string message)
{
    return {kRefused, "larkspan-cli: " + std::move(message)};
}

// A whole number from 1 to 9 written plainly, or nothing.
std::optional<int> smallInteger(const std::string& text)
{
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
    return text[0] - '0';
}

std::string joined(const std::vector<std::string>& keys)
{
    std::string out;
    for (const auto& k : keys) out += (out.empty() ? "" : ", ") + k;
    return out;
}

std::optional<Failure> applyWays(Design& d, const std::string& v)
{
    const auto ways = smallInteger(v);
    if (ways != 2 && ways != 3) return refused("--ways takes 2 or 3, not '" + v + "'");
    chooseChannel(d, *ways == 2 ? 1 : 2);
    return std::nullopt;
}

std::optional<Failure> applyOrder(Design& d, const std::string& v)
{
    const auto order = smallInteger(v);
    if (!order || *order < 1 || *order > 4) return refused("--order takes 1, 2, 3 or 4, not '" + v + "'");
    chooseOrder(d, *order);
    return std::nullopt;
}

std::optional<Failure> applyAlign(Design& d, const std::string& v, std::ostream& err)
{
    if (d.order == 1) {
        // The first-order Filter menu is disabled: Butterworth is all there is.
        if (v == "Butter") return std::nullopt;
        return refused("--align: a first-order network is always Butter; '" + v + "' is not offered");
    }
    const auto item = filterItemForKey(d.order, v);
    if (!item)
        return refused("--align: order " + std::to_string(d.order) + " offers " + joined(filterKeysForOrder(d.order)) +
                       "; '" + v + "' is not one of them");
    if (const auto alert = chooseFilter(d, *item))
        err << "larkspan-cli: --align " << v << ": " << alert->title << " " << alert->message << " (FXH is now"
            << numberToText(d.FXH) << ")\n";
    return std::nullopt;
}

std::optional<Failure> sheetRefusal(const SheetOutcome& outcome, const std::string& what)
{
    if (outcome.closed) return std::nullopt;
    if (outcome.alert) return refused(outcome.alert->title + "\n" + outcome.alert->message);
    return refused(what);
}

std::optional<Failure> applyFrequencies(Design& d, const CommandLine& cl)
{
    if (const auto it = cl.design.find("--fx"); it != cl.design.end()) {
        FrequencySheet2Way sheet(d);
        sheet.field10 = it->second;
        const SheetOutcome outcome = sheet.ok();
        if (!outcome.closed)
            if (auto f = singleRangeRefusal("--fx", it->second)) return f;
        if (auto f = sheetRefusal(outcome,
                                  "--fx: the crossover frequency must be a positive number, not '" + it->second + "'"))
            return f;
    }
    const auto fxl = cl.design.find("--fxl");
    const auto fxh = cl.design.find("--fxh");
    if (fxl != cl.design.end() || fxh != cl.design.end()) {
        FrequencySheet3Way sheet(d);
        if (fxl != cl.design.end()) sheet.field10 = fxl->second;
        if (fxh != cl.design.end()) sheet.field11 = fxh->second;
        const std::string entered = "'" + sheet.field10 + "' and '" + sheet.field11 + "'";
        const SheetOutcome outcome = sheet.ok();
        if (!outcome.closed)
            for (const auto& it : {fxl, fxh})
                if (it != cl.design.end())
                    if (auto f = singleRangeRefusal(it->first, it->second)) return f;
        if (auto f = sheetRefusal(outcome,
                                  "--fxl/--fxh: both crossover frequencies must be positive numbers, not " + entered))
            return f;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Failure> singleRangeRefusal(const std::string& option, const std::string& value)
{
    if (textToSingle(value)) return std::nullopt;
    return refused(option + ": '" + value +
                   "' is outside the range of single-precision numbers (0, or magnitudes from 1.2e-38 to 3.4e+38)");
}

std::optional<Failure> parseCommandLine(const std::vector<std::string>& args, CommandLine& out)
{
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) break;
        if (!isDesignOption(a)) return refused("unknown option '" + a + "'\n" + toolHelp());
        if (i + 1 >= args.size()) return refused(a + " needs a value");
        out.design[a] = args[++i];
    }
    if (i >= args.size()) return refused("no command given\n" + toolHelp());
    out.command = args[i];
    out.commandArgs.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return std::nullopt;
}

std::optional<Failure> buildDesign(const CommandLine& cl, Design& d, std::ostream& err)
{
    // A new design, as the File menu makes one.
    InitSetupParaOnSave(d);
    InitSetupParaNoSave(d);
    CalcDiffAtt(d);
    CalcImpIncAtt(d);

    if (const auto it = cl.design.find("--doc"); it != cl.design.end())
        if (auto f = applyDocument(d, it->second)) return f;

    const auto value = [&](const char* name) -> const std::string* {
        const auto it = cl.design.find(name);
        return it == cl.design.end() ? nullptr : &it->second;
    };
    if (const auto* v = value("--ways"))
        if (auto f = applyWays(d, *v)) return f;
    if (const auto* v = value("--order"))
        if (auto f = applyOrder(d, *v)) return f;
    if (const auto* v = value("--align"))
        if (auto f = applyAlign(d, *v, err)) return f;
    if (auto f = applyFrequencies(d, cl)) return f;
    if (auto f = applyCorrectionOptions(d, cl)) return f;
    return applyNotchOptions(d, cl);
}

namespace {

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << toolHelp();
        return kOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << versionText();
        return kOk;
    }
    CommandLine cl;
    Design d;
    auto failure = parseCommandLine(args, cl);
    if (!failure && std::find(cl.commandArgs.begin(), cl.commandArgs.end(), "--help") != cl.commandArgs.end()) {
        if (const auto help = commandHelp(cl.command)) {
            out << *help;
            return kOk;
        }
    }
    if (!failure) failure = buildDesign(cl, d, err);
    if (failure) return report(*failure, err);
    if (cl.command == "values") return valuesCommand(d, cl.commandArgs, out, err);
    if (cl.command == "sweep") return sweepCommand(d, cl.commandArgs, out, err);
    if (cl.command == "render") return renderCommand(d, cl.commandArgs, out, err);
    if (cl.command == "save") return saveCommand(d, cl.commandArgs, out, err);
    if (cl.command == "parts") return partsCommand(d, cl.commandArgs, out, err);
    if (cl.command == "netlist") return netlistCommand(d, cl.commandArgs, out, err);
    if (cl.command == "check-update") return checkUpdateCommand(cl.commandArgs, out, err);
    if (cl.command == "print") return printCommand(d, cl.commandArgs, out, err);
    if (cl.command == "render") {
        err << "larkspan-cli: the command '" << cl.command << "' is not available in this version\n";
        return kRefused;
    }
    err << "larkspan-cli: unknown command '" << cl.command << "'\n" << toolHelp();
    return kRefused;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    // Messages echo the user's values: control and terminal escape bytes in
    // them are written out as escapes, never sent to the terminal.
    std::ostringstream messages;
    const int status = runCommand(args, out, messages);
    err << escapedForTerminal(messages.str());
    return status;
}

}  // namespace larkspan::cli
