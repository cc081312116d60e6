// Reading and writing design documents and stationery on disk.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "model/design.h"

namespace larkspan {

// A failure that the system reported while a file was opened, read or written.
struct FileError {
    enum class Action { Open, Read, Write };
    Action action = Action::Open;
    std::string file;    // the file as the caller named it
    std::string reason;  // the system's description of the error

    bool operator==(const FileError&) const = default;
};

std::ostream& operator<<(std::ostream& os, const FileError& e);

// The three lines of the file-error alert for the shell to show.
std::array<std::string, 3> fileErrorAlertLines(const FileError& e);

// Reads the record at the start of `file` into the design (see decodeRecord):
// a short file leaves the defaults in its missing fields, a longer one is read
// only as far as the record goes. When the file cannot be opened or nothing of
// it can be read the design is left as it was; when a read fails part way, what
// was read is kept.
std::optional<FileError> ReadFile(Design& d, const std::filesystem::path& file);

// Writes the design's record as the whole of `file`, replacing it. The record
// goes to a new file in the same folder first and takes the old one's place
// only once it is complete on disk, so a failed save leaves the old file as it
// was. The text fields in memory are left as writing leaves them (see
// leaveTextFieldsAsWritten), whether or not the write succeeds.
std::optional<FileError> WriteFile(Design& d, const std::filesystem::path& file);

}  // namespace larkspan
