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

TEST(SaveFile, WritesTheOwnFileAndLetsAWaitingCloseGoOn)
{
    ScratchFolder folder;
    writeSample(folder / "Box A.xvrdoc");
    Design d;
    DocumentState s;
    ASSERT_EQ(openDesignFile(d, s, folder / "Box A.xvrdoc"), std::nullopt);
    d.FXH = 3000;
    d.DirtyFlag = 1;
    s.WndCloseFlag = 1;

    ASSERT_EQ(SaveFile(d, s), std::nullopt);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(s.WndCloseFlag, 1);
    // FXH sits at offset 75: 3000 is 0x453B8000 as a single.
    const auto bytes = readBytes(folder / "Box A.xvrdoc");
    ASSERT_EQ(bytes.size(), 450U);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 75, bytes.begin() + 79)),
              (std::vector<std::uint8_t>{0x45, 0x3B, 0x80, 0x00}));
}

TEST(SaveFile, FailureKeepsTheChangesAndDropsTheWaitingQuit)
{
    ScratchFolder folder;
    writeBytes(folder / "plain", {1, 2, 3});
    Design d;
    d.fileName1 = "a.xvrdoc";
    d.SaveAsFlag = 1;
    d.DirtyFlag = 1;
    DocumentState s;
    s.fileUrl = folder / "plain" / "a.xvrdoc";
    s.QuitAppFlag = 1;
    s.WndCloseFlag = 1;

    const auto error = SaveFile(d, s);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "Not a directory");
    EXPECT_EQ(d.DirtyFlag, 1);
    EXPECT_EQ(s.QuitAppFlag, 0);
    EXPECT_EQ(s.WndCloseFlag, 0);
    EXPECT_EQ(d.fileName1, "a.xvrdoc");
}

TEST(SaveFile, EmptyNameWritesNothing)
{
    ScratchFolder folder;
    Design d;
    d.fileName1 = "";
    d.DirtyFlag = 1;
    DocumentState s;
    s.fileUrl = folder / "a.xvrdoc";
    EXPECT_EQ(SaveFile(d, s), std::nullopt);
    EXPECT_FALSE(fs::exists(folder / "a.xvrdoc"));
    EXPECT_EQ(d.DirtyFlag, 1);
}

TEST(SaveAs, BindsTheDesignToTheNameAsTyped)
{
    ScratchFolder folder;
    Design d;
    DocumentState s;
    newDesign(d, s);
    d.DirtyFlag = 1;
    // No extension is added to what the user typed.
    ASSERT_EQ(saveAsChosen(d, s, folder / "Speaker"), std::nullopt);
    EXPECT_EQ(d.fileName1, "Speaker");
    EXPECT_EQ(s.fileUrl, folder / "Speaker");
    EXPECT_EQ(d.SaveAsFlag, 1);
    EXPECT_EQ(s.FileOpenFlag, 1);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(readBytes(folder / "Speaker").size(), 450U);
}

TEST(SaveAs, FailureLeavesTheIdentity)
{
    ScratchFolder folder;
    Design d;
    DocumentState s;
    newDesign(d, s);
    d.DirtyFlag = 1;
    s.WndCloseFlag = 1;
    const auto error = saveAsChosen(d, s, folder / "missing" / "Speaker.xvrdoc");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(d.fileName1, "untitled.xvrdoc");
    EXPECT_TRUE(s.fileUrl.empty());
    EXPECT_EQ(d.SaveAsFlag, 0);
    EXPECT_EQ(d.DirtyFlag, 1);
    EXPECT_EQ(s.WndCloseFlag, 0);
}

TEST(SaveAsStationery, WritesTheTemplateAndKeepsTheDocument)
{
    ScratchFolder folder;
    writeSample(folder / "Box A.xvrdoc");
    Design d;
    DocumentState s;
    ASSERT_EQ(openDesignFile(d, s, folder / "Box A.xvrdoc"), std::nullopt);
    d.FX = 800;
    d.DirtyFlag = 1;
    const DocumentState before = s;

    const fs::path stationery = folder / stationeryProposedName(d.fileName1);
    ASSERT_EQ(saveStationeryChosen(d, stationery), std::nullopt);
    EXPECT_EQ(s, before);
    EXPECT_EQ(d.fileName1, "Box A.xvrdoc");
    EXPECT_EQ(d.SaveAsFlag, 1);
    EXPECT_EQ(d.DirtyFlag, 1);

    // Opening the template gives a new, untitled design with its values.
    Design fromTemplate;
    DocumentState t;
    ASSERT_EQ(openDesignFile(fromTemplate, t, stationery), std::nullopt);
    EXPECT_EQ(fromTemplate.fileName1, "untitled.xvrdoc");
    EXPECT_EQ(fromTemplate.FX, 800.0F);
    EXPECT_EQ(fromTemplate.channel, 3);
}

TEST(NewDesign, ForgetsTheOpenedFile)
{
    ScratchFolder folder;
    writeSample(folder / "Box A.xvrdoc");
    Design d;
    DocumentState s;
    ASSERT_EQ(openDesignFile(d, s, folder / "Box A.xvrdoc"), std::nullopt);
    d.DirtyFlag = 1;
    newDesign(d, s);
    EXPECT_EQ(d.fileName1, "untitled.xvrdoc");
    EXPECT_EQ(d.SaveAsFlag, 0);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(s.FileOpenFlag, 0);
    EXPECT_TRUE(s.fileUrl.empty());
    EXPECT_EQ(d.channel, 2);
    EXPECT_EQ(d.AttHbak, 10.0F);  // 100 − 90 dB
}

}  // namespace
}  // namespace larkspan
