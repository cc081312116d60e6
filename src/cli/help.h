// larkspan-cli's usage texts: the whole tool's and each command's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace larkspan::cli {

// The usage of the whole tool, as `--help` prints it.
std::string toolHelp();

// The usage of one command, as `COMMAND --help` prints it, or nothing for a
// command the tool does not have.
std::optional<std::string> commandHelp(std::string_view command);

// "larkspan-cli VERSION", as `--version` prints it.
std::string versionText();

}  // namespace larkspan::cli
