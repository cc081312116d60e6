// What the File menu's New, Open, Save, Save As and Save As Stationery do to
// the design and to the document's identity. The shell shows the dialogs and
// the alerts; these functions decide names, flags and which file is written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/design.h"
#include "model/document_file.h"

namespace larkspan {

inline constexpr std::string_view kDocumentExtension = "xvrdoc";
inline constexpr std::string_view kStationeryExtension = "xvrdocsta";
inline constexpr std::string_view kUntitledName = "untitled.xvrdoc";

// The document's identity besides fileName1, SaveAsFlag and DirtyFlag, which
// belong to the design.
struct DocumentState {
    std::filesystem::path fileUrl;  // the file that Save writes to, also the window's proxy icon
    std::uint8_t FileOpenFlag = 0;  // the window is bound to a document file (shows its proxy icon)
    std::uint8_t WndCloseFlag = 0;  // a close of the window waits for a save
    std::uint8_t QuitAppFlag = 0;   // a quit waits for a save

    bool operator==(const DocumentState&) const = default;
};

// The characters after the last dot of a file name, or "" without a dot.
std::string fileExtension(std::string_view fileName);

// True when the name's extension is exactly "xvrdoc" or "xvrdocsta"; the case
// matters. Only such files are offered by Open or accepted when the desktop
// hands files over; any other file is ignored.
bool isDesignFileName(std::string_view fileName);

// Whether the Open dialog lists an entry: every folder, and design files.
bool OpenDialogFilter(std::string_view fileName, bool isFolder);

// True when the name ends with ".xvrdocsta" exactly: such a file opens as a new,
// untitled design with its values.
bool isStationeryName(std::string_view fileName);

// The name that Save As Stationery proposes: fileName1 with its extension
// replaced by "xvrdocsta" when that extension is "xvrdoc" in any case, else
// fileName1 unchanged.
std::string stationeryProposedName(std::string_view fileName1);

// A new, untitled design with every default (the notch components excepted),
// its attenuators and corrections computed.
void newDesign(Design& d, DocumentState& s);

// Opens `file` as the design: reads it, then a document keeps its name and
// becomes the file that Save writes to, while a stationery becomes
// "untitled.xvrdoc" with no file of its own. The design is clean afterwards,
// shows the amplitude view and has its attenuators and corrections computed.
// A file error is returned after all of this has been done with whatever was
// read (the shell offers to stop or to go on with it). A file that reads
// whole but holds no design (ways other than 2 or 3, an order outside 1 to
// 4, an alignment that the order does not offer) is refused with a read
// error naming the problem, and nothing changes.
std::optional<FileError> openDesignFile(Design& d, DocumentState& s, const std::filesystem::path& file);

// True when Save must first ask for a name, as Save As does.
bool saveNeedsName(const Design& d);

// Save into the design's own file (fileUrl). Nothing happens when fileName1 is
// empty. A successful save clears DirtyFlag and lets a waiting close or quit
// go on (WndCloseFlag, QuitAppFlag stay for the shell to act on). A failed save
// keeps DirtyFlag and drops the waiting close or quit, so that unsaved changes
// are not lost.
std::optional<FileError> SaveFile(Design& d, DocumentState& s);

// Save As once the user has chosen `file`: writes it and binds the design to it
// (fileUrl, fileName1 = its name as typed, SaveAsFlag = 1, DirtyFlag = 0, and
// FileOpenFlag = 1 as the window now shows the file's proxy icon). A failed
// save changes no identity and behaves as a failed SaveFile.
std::optional<FileError> saveAsChosen(Design& d, DocumentState& s, const std::filesystem::path& file);

// Save As cancelled, or Cancel in the save-changes question: the waiting close
// or quit is dropped.
void dropWaitingCloseOrQuit(DocumentState& s);

// Save As Stationery once the user has chosen `file`: writes the record there.
// The open design keeps its own file, name and flags.
std::optional<FileError> saveStationeryChosen(Design& d, const std::filesystem::path& file);

}  // namespace larkspan
