#include "rules/document_rules.h"

#include <algorithm>
#include <cctype>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "model/text_encoding.h"
#include "rules/menu_rules.h"

namespace larkspan {

namespace fs = std::filesystem;

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// After a save the design is clean; after a failed one it stays dirty and a
// close or quit that was waiting for the save does not happen.
std::optional<FileError> settleSave(Design& d, DocumentState& s, std::optional<FileError> error)
{
    if (error) {
        dropWaitingCloseOrQuit(s);
        return error;
    }
    d.DirtyFlag = 0;
    return std::nullopt;
}

// What makes a record that was read no design at all: ways, order or an
// alignment that no menu can give. The first-order network does not read
// its alignment, so there any of the five keys will do. Values that are
// merely absurd are not looked at; they open and draw what is finite.
std::optional<std::string> damageOf(const Design& d)
{
    const std::string prefix = "not a Larkspan design: ";
    if (d.channel != 2 && d.channel != 3) return prefix + "channel " + std::to_string(d.channel);
    if (d.order < 1 || d.order > 4) return prefix + "order " + std::to_string(d.order);
    if (!filterItemForKey(d.order == 1 ? 2 : d.order, d.s_Type))
        return prefix + "alignment '" + printableText(d.s_Type) + "' at order " + std::to_string(d.order);
    return std::nullopt;
}

}  // namespace

std::string fileExtension(std::string_view fileName)
{
    const auto dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot + 1));
}

bool isDesignFileName(std::string_view fileName)
{
    const std::string ext = fileExtension(fileName);
    return ext == kDocumentExtension || ext == kStationeryExtension;
}

bool OpenDialogFilter(std::string_view fileName, bool isFolder)
{
    return isFolder || isDesignFileName(fileName);
}

bool isStationeryName(std::string_view fileName)
{
    return fileName.ends_with(".xvrdocsta");
}

std::string stationeryProposedName(std::string_view fileName1)
{
    const auto dot = fileName1.rfind('.');
    if (dot == std::string_view::npos || !equalIgnoringCase(fileName1.substr(dot + 1), kDocumentExtension))
        return std::string(fileName1);
    return std::string(fileName1.substr(0, dot + 1)) + std::string(kStationeryExtension);
}

void newDesign(Design& d, DocumentState& s)
{
    InitSetupParaOnSave(d);
    InitSetupParaNoSave(d);
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    s.fileUrl.clear();
    s.FileOpenFlag = 0;
}

std::optional<FileError> openDesignFile(Design& d, DocumentState& s, const fs::path& file)
{
    // Read into a copy, so that a damaged document leaves the design open
    // before it as it was.
    Design read = d;
    auto error = ReadFile(read, file);
    if (const auto damage = damageOf(read); !error && damage)
        return FileError{FileError::Action::Read, file.string(), *damage};
    d = std::move(read);
    d.fileName1 = file.filename().string();
    if (isStationeryName(d.fileName1)) {
        // A template: its values, but no file of its own to save into.
        d.fileName1 = std::string(kUntitledName);
        s.fileUrl.clear();
        s.FileOpenFlag = 0;
        d.SaveAsFlag = 0;
    } else {
        s.fileUrl = file;
        s.FileOpenFlag = 1;
        d.SaveAsFlag = 1;
    }
    d.DirtyFlag = 0;
    InitSetupParaNoSave(d);
    // The attenuations and corrections are not stored: compute them again.
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    return error;
}

bool saveNeedsName(const Design& d)
{
    return d.SaveAsFlag != 1;
}

std::optional<FileError> SaveFile(Design& d, DocumentState& s)
{
    if (d.fileName1.empty()) return std::nullopt;
    return settleSave(d, s, WriteFile(d, s.fileUrl));
}

std::optional<FileError> saveAsChosen(Design& d, DocumentState& s, const fs::path& file)
{
    auto error = settleSave(d, s, WriteFile(d, file));
    if (error) return error;
    s.fileUrl = file;
    s.FileOpenFlag = 1;
    d.fileName1 = file.filename().string();
    d.SaveAsFlag = 1;
    return std::nullopt;
}

void dropWaitingCloseOrQuit(DocumentState& s)
{
    s.WndCloseFlag = 0;
    s.QuitAppFlag = 0;
}

std::optional<FileError> saveStationeryChosen(Design& d, const fs::path& file)
{
    return WriteFile(d, file);
}

}  // namespace larkspan
