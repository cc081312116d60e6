// Reading and writing design documents and stationery on disk.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "model/design.h"
#include "model/safe_write.h"

namespace larkspan {

// The three lines of the file-error alert for the shell to show.
std::array<std::string, 3> fileErrorAlertLines(const FileError& e);

// Reads the record at the start of `file` into the design (see decodeRecord):
// a short file leaves the defaults in its missing fields, a longer one is read
// only as far as the record goes. When the file cannot be opened or nothing of
// it can be read the design is left as it was; when a read fails part way, what
// was read is kept.
std::optional<FileError> ReadFile(Design& d, const std::filesystem::path& file);

// Writes the design's record as the whole of `file` (see writeFileSafely), so
// a failed save leaves the old file as it was. A design with a number field
// that is NaN or infinite is not written: the error names the field. The
// text fields in memory are left as writing leaves them (see
// leaveTextFieldsAsWritten), whether or not the write succeeds.
std::optional<FileError> WriteFile(Design& d, const std::filesystem::path& file);

}  // namespace larkspan
