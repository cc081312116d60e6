#include "cli/help.h"

#include <array>

#ifndef LARKSPAN_VERSION
#define LARKSPAN_VERSION "0"
#endif

namespace larkspan::cli {

namespace {

struct CommandHelp {
    std::string_view name;
    std::string_view synopsis;  // the arguments after the command's name
    std::string_view text;      // what it does, one or more lines
};

// Every command of the tool, in the order the usage lists them.
constexpr std::array kCommands{
    CommandHelp{"values", "[--json]",
                "The component value sheet of the design: every component with its value in mH, uF, ohm or W.\n"
                "  --json      one JSON object, numbers as their exact single-precision values"},
    CommandHelp{"sweep", "--view amp|imp|ph|gd|nq|st|HigCorrImp|MidCorrImp [--json|--csv] [--as-built ...]",
                "Every curve of a view as its sweep computes it, in drawing order.\n"
                "  --view V    amp, imp, ph, gd, nq, st, HigCorrImp or MidCorrImp\n"
                "  --json      one JSON object; --csv one row per point with a header row\n"
                "  --as-built  amp, imp and ph of the network with standard part values, solved as a\n"
                "              circuit (--series, --pairs and --tolerance as for parts)"},
    CommandHelp{"render", "--view VIEW --out FILE.png|FILE.svg|FILE.pdf [--scale 1|2] [--as-built ...]",
                "Draws a view as the response window shows it (PNG, SVG) or as the printed page (PDF).\n"
                "  --view V    amp, imp, ph, gd, nq, st, schema, HigCorrImp or MidCorrImp\n"
                "  --out FILE  the picture to write; its extension chooses the format\n"
                "  --scale S   1 or 2 device pixels per point (PNG only)\n"
                "  --as-built  overlay amp, imp and ph of the network with standard part values\n"
                "              (--series, --pairs and --tolerance as for parts)"},
    CommandHelp{"print",
                "--view VIEW --out FILE.pdf [--scale PCT] [--orientation portrait|landscape] [--no-date] "
                "[--paper a4|letter]",
                "The one page that the desktop program's Print gives for a view, as a PDF file.\n"
                "  --scale PCT          the page scale in percent (100)\n"
                "  --orientation O      portrait or landscape (the schematic is landscape, graphs portrait)\n"
                "  --no-date            leave the date and time off the page\n"
                "  --paper P            a4 (the default) or letter"},
    CommandHelp{"save", "FILE", "Writes the design document (stationery when FILE ends in .xvrdocsta)."},
    CommandHelp{"parts",
                "[--series ideal|E6|E12|E24|FILE] [--pairs] [--tolerance PCT] [--power W --nominal OHM] "
                "[--json|--csv]",
                "The parts list: every component with its ideal and chosen standard value, the deviation,\n"
                "the voltage, current and power it sees at the given amplifier power, and its rating.\n"
                "  --series S    ideal, E6, E12, E24 (the default E12), or a file with one value a line\n"
                "                (\"C 4.7\", \"L 0.33\", \"R 5.6\")\n"
                "  --pairs       allow the best two-part combination\n"
                "  --tolerance   the deviation a single part may have before a pair is tried, in percent\n"
                "  --power W     amplifier power into --nominal OHM (100 W into 8 ohm)"},
    CommandHelp{"netlist", "[--as-built [--series ...] [--pairs]] [--out FILE]",
                "A SPICE deck of the network, ideal or with standard part values, that ngspice runs as it is.\n"
                "  --out FILE  write it to FILE instead of standard output"},
    CommandHelp{"check-update", "[--json]",
                "Asks the update server (LARKSPAN_UPDATE_URL) for the newest version and compares it with\n"
                "this one. Exit 0 when the server answered, 1 when it did not."},
};

constexpr std::string_view kDesignOptions =
    "Design options (applied in this order, as the program's menus and sheets apply them):\n"
    "  --doc FILE                       open a design document or stationery\n"
    "  --ways 2|3                       the Channel menu\n"
    "  --order 1..4                     the Order menu\n"
    "  --align Butter|Linkwi|ButAsy|Bessel|Chebyc   the Filter menu\n"
    "  --fx HZ, --fxl HZ --fxh HZ       the crossover frequency sheets\n"
    "  --re/--rm/--rh OHM, --le/--lm/--lh MH        driver resistance and inductance\n"
    "  --spl-low/--spl-mid/--spl-high DB            the drivers' sensitivities\n"
    "  --att-high DB --pin-high W, --att-mid DB --pin-mid W   the attenuators\n"
    "  --notch-high TEXT, --notch-mid TEXT          a pasted driver-parameter text for a notch\n";

}  // namespace

std::string toolHelp()
{
    std::string text =
        "usage: larkspan-cli [design options] COMMAND [command options]\n"
        "       larkspan-cli --help | --version | COMMAND --help\n\nCommands:\n";
    for (const auto& c : kCommands) text += "  " + std::string(c.name) + " " + std::string(c.synopsis) + "\n";
    text += "\n" + std::string(kDesignOptions) +
            "\nExit status: 0 success, 1 a file or network error, 2 a refused entry or bad arguments.\n";
    return text;
}

std::optional<std::string> commandHelp(std::string_view command)
{
    for (const auto& c : kCommands)
        if (c.name == command)
            return "usage: larkspan-cli [design options] " + std::string(c.name) + " " + std::string(c.synopsis) +
                   "\n\n" + std::string(c.text) + "\n";
    return std::nullopt;
}

std::string versionText()
{
    return "larkspan-cli " LARKSPAN_VERSION "\n";
}

}  // namespace larkspan::cli
