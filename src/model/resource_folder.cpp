#include "model/resource_folder.h"

#include <filesystem>
#include <system_error>

namespace larkspan {

std::string resourceFolderFor(const std::string& programPath, const std::string& name)
{
    namespace fs = std::filesystem;
    const fs::path bin = fs::path(programPath).parent_path();
    return (bin.parent_path() / "share" / "larkspan" / name).lexically_normal().string();
}

std::string resourceFolder(const std::string& name)
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return resourceFolderFor(self.string(), name);
}

}  // namespace larkspan
