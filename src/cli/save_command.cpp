// Opening a design document for the design options and the save command.
#include <filesystem>

#include "cli/cli.h"
#include "rules/document_rules.h"

namespace larkspan::cli {

namespace {

Failure ioFailure(const char* verb, const FileError& e)
{
    // A folder that refused a new file is named itself.
    if (e.action == FileError::Action::CreateIn) return {kIoError, "larkspan-cli: " + fileErrorReason(e)};
    return {kIoError, "larkspan-cli: cannot " + std::string(verb) + " '" + e.file + "': " + e.reason};
}

}  // namespace

std::optional<Failure> applyDocument(Design& d, const std::string& file)
{
    // The program neither offers nor accepts a file of another extension.
    if (!isDesignFileName(std::filesystem::path(file).filename().string()))
        return Failure{kRefused, "larkspan-cli: --doc: '" + file +
                                     "' is neither a design document (.xvrdoc) nor a stationery (.xvrdocsta)"};
    DocumentState state;
    if (const auto error = openDesignFile(d, state, file)) return ioFailure("read", *error);
    return std::nullopt;
}

int saveCommand(Design& d, const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    if (args.size() != 1 || args[0].empty()) {
        err << "larkspan-cli: save takes one argument, the file to write\n";
        return kRefused;
    }
    const std::filesystem::path file = args[0];
    DocumentState state;
    const auto error =
        isStationeryName(file.filename().string()) ? saveStationeryChosen(d, file) : saveAsChosen(d, state, file);
    if (error) return report(ioFailure("write", *error), err);
    return kOk;
}

}  // namespace larkspan::cli
