// Writing a whole file so that a failure never costs the user the old one,
// and so that the file keeps what the file system says about it. Every file
// the program writes goes through writeFileSafely.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace larkspan {

// A failure that the system reported while a file was opened, read or
// written. CreateIn: the folder `file` refused a new file.
struct FileError {
    enum class Action { Open, Read, Write, CreateIn };
    Action action = Action::Open;
    std::string file;    // the file (for CreateIn the folder) as the caller named it
    std::string reason;  // the system's description of the error

    bool operator==(const FileError&) const = default;
};

std::ostream& operator<<(std::ostream& os, const FileError& e);

// The reason as a sentence that stands alone: the folder is named when it
// was the folder that refused ("cannot create a file in 'x': Permission
// denied"), otherwise the system's description.
std::string fileErrorReason(const FileError& e);

// Replaces the contents of `file` with `bytes`.
// - A symbolic link is followed to its final target, which gets the new
//   contents (a link to a missing file creates it); a loop is an error.
// - An existing target must be a regular file that the user may write and
//   that no other program holds an advisory lock on; a folder, named pipe,
//   device or socket is refused with the reason.
// - The bytes go to a new file beside the target, which takes the target's
//   place only once it is complete on disk, with the old file's mode and,
//   where permitted, its owner and group. A target with more than one hard
//   link is written in place instead, so that every name sees the new
//   contents.
// - A path that ends in "/" is not a file name.
std::optional<FileError> writeFileSafely(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

}  // namespace larkspan
