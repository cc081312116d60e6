// larkspan-cli: the headless companion of the desktop program.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/design.h"
#include "network/standard_values.h"

namespace larkspan::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kIoError = 1;
inline constexpr int kRefused = 2;

// A failure to report: the text goes to standard error, the status is the
// exit status.
struct Failure {
    int status = kRefused;
    std::string message;
};

// Writes the failure's text to `err` and gives its exit status.
inline int report(const Failure& failure, std::ostream& err)
{
    err << failure.message << "\n";
    return failure.status;
}

// The command line split into the design options (value by option name,
// e.g. "--fx"), the command and the command's own arguments.
struct CommandLine {
    std::map<std::string, std::string> design;
    std::string command;
    std::vector<std::string> commandArgs;
};

// The refusal of an option value that a single-precision number cannot hold
// (it overflows, or is not 0 but would be stored as a subnormal or as 0), or
// nothing.
std::optional<Failure> singleRangeRefusal(const std::string& option, const std::string& value);

std::optional<Failure> parseCommandLine(const std::vector<std::string>& args, CommandLine& out);

// A new design's defaults with the design options applied in their fixed
// order, as the menus and sheets of the program would apply them. Warnings
// (a Filter-menu spacing alert, which corrects FXH but refuses nothing) go
// to `err`.
std::optional<Failure> buildDesign(const CommandLine& cl, Design& d, std::ostream& err);

// Opens FILE as the design, as the program opens a design document or
// stationery; an unreadable file is an I/O failure.
std::optional<Failure> applyDocument(Design& d, const std::string& file);

// The driver-data, SPL and attenuator options through their sheets' OK, in
// that order, after the frequencies.
std::optional<Failure> applyCorrectionOptions(Design& d, const CommandLine& cl);

// The notch options: each pastes its text into that driver's notch sheet and
// presses OK, the high-range driver first. Applied after every other option.
std::optional<Failure> applyNotchOptions(Design& d, const CommandLine& cl);

// Why the Response menu does not offer the corrected-impedance view of
// driver `notch` (1 high, 2 mid), or nothing when it does.
std::optional<std::string> corrImpViewUnavailable(const Design& d, int notch);

// Makes `view` the design's current view as the Response menu would, or
// refuses it (a view that does not exist, or a corrected-impedance view
// without its notch) with the exit status; kOk when chosen.
int chooseView(Design& d, const std::string& view, const std::string& command, std::ostream& err);

// The commands; each returns the exit status.
int valuesCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int sweepCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int renderCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int printCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The page Print gives with its defaults for the design's current view, into
// `file`; `asBuilt` adds the as-built curves as the view would.
int printDefaultPage(Design& d, const std::string& file, const std::optional<SeriesChoice>& asBuilt, std::ostream& err);
int saveCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int partsCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int netlistCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int checkUpdateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Parses, builds the design and runs the command.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace larkspan::cli
