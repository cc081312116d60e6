// Where the program's resources are installed: share/larkspan beside the
// bin folder of the running program (the build tree is laid out the same).
#pragma once

#include <string>

namespace larkspan {

// The resource folder `name` (e.g. "Images") of the running program; an
// empty string when the program's own path cannot be read.
std::string resourceFolder(const std::string& name);

// The same folder for a program at `programPath`.
std::string resourceFolderFor(const std::string& programPath, const std::string& name);

}  // namespace larkspan
