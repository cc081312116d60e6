#include "rules/document_rules.h"

#include <gtest/gtest.h>

#include "model/raw_record.h"
#include "support/design_changes.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

// Extensions compare exactly: a design name is offered by Open and accepted
// from the desktop, a stationery name opens untitled; folders are always
// listed. Stationery is proposed under the document's name.
TEST(FileNames, ExtensionsCompareExactly)
{
    struct Row {
        std::string fileName;
        bool design, stationery;
    };
    const Row rows[] = {
        {"Box A.xvrdoc", true, false},     {"Box A.xvrdocsta", true, true},  {"Box A.XVRDOC", false, false},
        {"Box A.xvrDocSta", false, false}, {".xvrdoc", true, false},         {"xvrdoc", false, false},
        {"Box.xvrdoc.bak", false, false},  {"Box.v2.xvrdocsta", true, true}, {"Box.xvrdocs", false, false},
        {"Box.xvrdo", false, false},       {"Box.xvrdoc.", false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fileName);
        EXPECT_EQ(isDesignFileName(row.fileName), row.design);
        EXPECT_EQ(OpenDialogFilter(row.fileName, false), row.design);
        EXPECT_TRUE(OpenDialogFilter(row.fileName, true));
        EXPECT_EQ(isStationeryName(row.fileName), row.stationery);
    }
    const std::pair<const char*, const char*> proposed[] = {{"untitled.xvrdoc", "untitled.xvrdocsta"},
                                                            {"Box.XvrDoc", "Box.xvrdocsta"},
                                                            {"Box.xvrdocsta", "Box.xvrdocsta"},
                                                            {"Box.design", "Box.design"},
                                                            {"Box", "Box"},
                                                            {"Box.xvrdoc.old", "Box.xvrdoc.old"},
                                                            {"Box.v2.xvrdoc", "Box.v2.xvrdocsta"}};
    for (const auto& [name, stationery] : proposed) EXPECT_EQ(stationeryProposedName(name), stationery) << name;
}

// A record on disk with values that differ from the defaults, written byte by
// byte: 3-way, order 2 "Bessel", RE 4 ohm, LE 0.6 mH, LowSPL 87.5 dB, MidSPL
// 91.25 dB, HigSPL 98.5 dB, FXL 200 Hz, FXH 2000 Hz.
void writeSample(const fs::path& file)
{
    test::RawRecord r = test::defaultRecordByHand();
    r.text(0, "Bessel").u16(63, 3).u16(65, 2).u16(123, 2).u16(125, 2).u16(127, 4);
    r.u32(79, 0x40800000).u32(91, 0x3F19999A);    // RE 4, LE 0.6
    r.u32(111, 0x42AF0000);                       // LowSPL 87.5
    r.u32(115, 0x42B68000).u32(362, 0x42B68000);  // MidSPL 91.25
    r.u32(119, 0x42C50000).u32(318, 0x42C50000);  // HigSPL 98.5
    r.text(129, "Woofer W-18");
    writeBytes(file, r.bytes);
}

// A design that has been worked on, to be replaced by what is opened.
Design editedDesign()
{
    Design d;
    d.FX = 900;
    d.s_Resp = "schema";
    d.respID = 8;
    d.DirtyFlag = 1;
    d.FXbak = 1;
    d.AttH = 99;
    d.CEQL = 99;
    return d;
}

// The document state on one line: the file Save writes to (relative to the
// scratch folder) and the flags.
std::string shown(const DocumentState& s, const fs::path& folder)
{
    return "url \"" + s.fileUrl.lexically_relative(folder).string() + "\" open " + std::to_string(s.FileOpenFlag) +
           " close " + std::to_string(s.WndCloseFlag) + " quit " + std::to_string(s.QuitAppFlag);
}

// Opening a document binds the design to its name and file; stationery opens
// untitled with its values. Either way the file's values replace the
// design's, the unsaved ones are reset, the attenuations are recomputed from
// the file's levels (98.5 − 87.5 and 91.25 − 87.5 dB, kept negative by the
// L-pad computation, positive in the accepted copies) and so is the
// correction capacitor: 0.6 mH / (4 ohm)² = 37.5 µF.
TEST(OpenDesignFile, DocumentAndStationery)
{
    ScratchFolder folder;
    writeSample(folder / "Box A.xvrdoc");
    writeSample(folder / "Template.xvrdocsta");
    const std::pair<const char*, const char*> rows[] = {
        {"Box A.xvrdoc",
         "url \"Box A.xvrdoc\" open 1 close 0 quit 0 | s_Type \"Butter\"→\"Bessel\" channel 2→3 order 1→2 chnelID 1→2 "
         "orderID 1→2 filtrID 1→4 FX 900→650 RE 6→4 LE 0.5→0.6 LowSPL 90→87.5 MidSPL 96→91.25 HigSPL 100→98.5 s_SPE "
         "\"Default Low\"→\"Woofer W-18\" AttH 99→-11 AttM 0→-3.75 REQL 0→4 CEQL 99→37.5 REQM 0→6 CEQM 0→6.9444447 "
         "REQH 0→6 CEQH 0→3.4722223 RSH 0→4.3089705 RPH 0→2.3546643 PRSH 0→7.181618 PRPH 0→2.024055 RSM 0→2.1037102 "
         "RPM 0→11.112623 PRSM 0→3.506184 PRPM 0→2.2768517 RST 0→2.1037102 PRT 0→3.506184 fileName1 "
         "\"untitled.xvrdoc\"→\"Box A.xvrdoc\" DirtyFlag 1→0 SaveAsFlag 0→1 s_Resp \"schema\"→\"amp\" respID 8→1 FXbak "
         "1→650 REbak 6→4 LEbak 0.5→0.6 LowSPLbak 90→87.5 MidSPLbak 96→91.25 HigSPLbak 100→98.5 AttHbak 0→11 AttMbak "
         "0→3.75"},
        {"Template.xvrdocsta",
         "url \"\" open 0 close 0 quit 0 needs a name | s_Type \"Butter\"→\"Bessel\" channel 2→3 order 1→2 chnelID 1→2 "
         "orderID 1→2 filtrID 1→4 FX 900→650 RE 6→4 LE 0.5→0.6 LowSPL 90→87.5 MidSPL 96→91.25 HigSPL 100→98.5 s_SPE "
         "\"Default Low\"→\"Woofer W-18\" AttH 99→-11 AttM 0→-3.75 REQL 0→4 CEQL 99→37.5 REQM 0→6 CEQM 0→6.9444447 "
         "REQH 0→6 CEQH 0→3.4722223 RSH 0→4.3089705 RPH 0→2.3546643 PRSH 0→7.181618 PRPH 0→2.024055 RSM 0→2.1037102 "
         "RPM 0→11.112623 PRSM 0→3.506184 PRPM 0→2.2768517 RST 0→2.1037102 PRT 0→3.506184 DirtyFlag 1→0 s_Resp "
         "\"schema\"→\"amp\" respID 8→1 FXbak 1→650 REbak 6→4 LEbak 0.5→0.6 LowSPLbak 90→87.5 MidSPLbak 96→91.25 "
         "HigSPLbak 100→98.5 AttHbak 0→11 AttMbak 0→3.75"}};
    for (const auto& [file, expected] : rows) {
        const Design edited = editedDesign();
        Design d = edited;
        d.SaveAsFlag = 1;
        DocumentState s;
        s.fileUrl = folder / "else.xvrdoc";
        s.FileOpenFlag = 1;
        ASSERT_EQ(openDesignFile(d, s, folder / file), std::nullopt);
        EXPECT_EQ(shown(s, folder.path()) + (saveNeedsName(d) ? " needs a name | " : " | ") + test::changes(edited, d),
                  expected)
            << "\n"
            << file;
    }
}

TEST(OpenDesignFile, UnreadableFileIsReportedAndNothingIsRead)
{
    ScratchFolder folder;
    Design d = editedDesign();
    DocumentState s;
    const auto error = openDesignFile(d, s, folder / "gone.xvrdoc");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->file, (folder / "gone.xvrdoc").string());
    EXPECT_EQ(error->reason, "No such file or directory");
    EXPECT_EQ(d.FX, 900.0F) << "nothing was read";
}

// The save steps and New (which forgets the opened file and starts from the
// defaults), each from a prepared design and state: the
// error, the document state after the step, what the step changed in the
// design, and the FX that the files Save writes to and the stationery hold
// read back as.
struct StepRow {
    const char* name;
    void (*prepare)(Design&, DocumentState&, const fs::path& folder);
    std::optional<FileError> (*step)(Design&, DocumentState&, const fs::path& folder);
    std::string expected;
};

void openSample(Design& d, DocumentState& s, const fs::path& folder)
{
    ASSERT_EQ(openDesignFile(d, s, folder / "Box A.xvrdoc"), std::nullopt);
    d.FX = 800;
    d.DirtyFlag = 1;
    s.WndCloseFlag = 1;
}

void newDirty(Design& d, DocumentState& s, const fs::path&)
{
    newDesign(d, s);
    d.DirtyFlag = 1;
    s.WndCloseFlag = 1;
}

std::string readBackFx(const fs::path& file)
{
    Design read;
    return fs::is_regular_file(file) && !ReadFile(read, file) ? test::shown(read.FX) : "-";
}

TEST(DocumentSteps, SaveSaveAsStationeryAndNew)
{
    const StepRow rows[] = {
        // Save writes the own file and lets a waiting close go on.
        {"save", openSample, [](Design& d, DocumentState& s, const fs::path&) { return SaveFile(d, s); },
         "ok | url \"Box A.xvrdoc\" open 1 close 1 quit 0 | DirtyFlag 1→0 | 800 -"},
        // A failed save keeps the changes and drops the waiting close and quit.
        {"save_fails",
         [](Design& d, DocumentState& s, const fs::path& folder) {
             d.fileName1 = "a.xvrdoc";
             d.SaveAsFlag = d.DirtyFlag = s.QuitAppFlag = s.WndCloseFlag = 1;
             s.fileUrl = folder / "plain" / "a.xvrdoc";
         },
         [](Design& d, DocumentState& s, const fs::path&) { return SaveFile(d, s); },
         "Not a directory | url \"plain/a.xvrdoc\" open 0 close 0 quit 0 |  | - -"},
        {"save_without_name",
         [](Design& d, DocumentState& s, const fs::path& folder) {
             d.fileName1 = "";
             d.DirtyFlag = 1;
             s.fileUrl = folder / "a.xvrdoc";
         },
         [](Design& d, DocumentState& s, const fs::path&) { return SaveFile(d, s); },
         "ok | url \"a.xvrdoc\" open 0 close 0 quit 0 |  | - -"},
        // No extension is added to the name as typed.
        {"save_as", newDirty,
         [](Design& d, DocumentState& s, const fs::path& folder) { return saveAsChosen(d, s, folder / "Speaker"); },
         "ok | url \"Speaker\" open 1 close 1 quit 0 | fileName1 \"untitled.xvrdoc\"→\"Speaker\" DirtyFlag 1→0 "
         "SaveAsFlag 0→1 | 650 -"},
        {"save_as_fails", newDirty,
         [](Design& d, DocumentState& s, const fs::path& folder) {
             return saveAsChosen(d, s, folder / "missing" / "Speaker.xvrdoc");
         },
         "No such file or directory | url \"\" open 0 close 0 quit 0 |  | - -"},
        // Stationery leaves the document as it is; it opens untitled.
        {"stationery", openSample,
         [](Design& d, DocumentState&, const fs::path& folder) {
             return saveStationeryChosen(d, folder / stationeryProposedName(d.fileName1));
         },
         "ok | url \"Box A.xvrdoc\" open 1 close 1 quit 0 |  | 650 800"},
        {"new_design", openSample,
         [](Design& d, DocumentState& s, const fs::path&) {
             newDesign(d, s);
             return std::optional<FileError>{};
         },
         "ok | url \"\" open 0 close 1 quit 0 | s_Type \"Bessel\"→\"Butter\" channel 3→2 order 2→1 chnelID 2→1 orderID "
         "2→1 "
         "filtrID 4→1 FX 800→650 RE 4→6 LE 0.6→0.5 LowSPL 87.5→90 MidSPL 91.25→96 HigSPL 98.5→100 s_SPE \"Woofer "
         "W-18\"→\"Default Low\" AttH -11→-10 AttM -3.75→-6 REQL 4→6 CEQL 37.5→13.888889 RSH 4.3089705→4.1026335 RPH "
         "2.3546643→2.7748518 PRSH 7.181618→6.8377233 PRPH 2.024055→2.162278 RSM 2.1037102→2.9928768 RPM "
         "11.112623→6.028561 PRSM 3.506184→4.9881287 PRPM 2.2768517→2.4999864 RST 2.1037102→2.9928768 PRT "
         "3.506184→4.9881287 fileName1 \"Box A.xvrdoc\"→\"untitled.xvrdoc\" DirtyFlag 1→0 SaveAsFlag 1→0 REbak 4→6 "
         "LEbak 0.6→0.5 LowSPLbak 87.5→90 MidSPLbak 91.25→96 HigSPLbak 98.5→100 AttHbak 11→10 AttMbak 3.75→6 | - -"},
    };
    for (const StepRow& row : rows) {
        ScratchFolder folder;
        writeSample(folder / "Box A.xvrdoc");
        writeBytes(folder / "plain", {1, 2, 3});
        Design d;
        DocumentState s;
        row.prepare(d, s, folder.path());
        const Design before = d;
        const auto error = row.step(d, s, folder.path());
        EXPECT_EQ((error ? error->reason : "ok") + " | " + shown(s, folder.path()) + " | " + test::changes(before, d) +
                      " | " + readBackFx(s.fileUrl) + " " + readBackFx(folder / "Box A.xvrdocsta"),
                  row.expected)
            << row.name;
    }
}

}  // namespace
}  // namespace larkspan
