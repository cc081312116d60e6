// The options of the commands that build the network from standard values:
// --series, --pairs, --tolerance, --power, --nominal and --as-built.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "network/part_stress.h"
#include "network/standard_values.h"

namespace larkspan::cli {

struct BuildOptions {
    SeriesChoice series;
    std::string seriesLabel = "E12";
    bool seriesGiven = false;
    StressSettings stress;
    bool asBuilt = false;
};

// Takes the build options out of `args`, leaving the others; which options
// the command accepts is given by `allowStress` and `allowAsBuilt`. Notes on
// a trimmed own list go to `err`.
std::optional<Failure> takeBuildOptions(std::vector<std::string>& args, BuildOptions& out, bool allowStress,
                                        bool allowAsBuilt, std::ostream& err);

// Reads an own value list from FILE (at most 8 MB).
std::optional<Failure> readOwnList(const std::string& file, OwnList& out, std::ostream& err);

}  // namespace larkspan::cli
