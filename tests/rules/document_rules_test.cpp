#include "rules/document_rules.h"

#include <gtest/gtest.h>

#include "model/raw_record.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

struct NameRow {
    const char* name;
    std::string fileName;
    bool design;      // offered by Open, accepted from the desktop
    bool stationery;  // opens untitled

    friend void PrintTo(const NameRow& r, std::ostream* os) { *os << r.name; }
};

class FileNames : public testing::TestWithParam<NameRow> {};

TEST_P(FileNames, ExtensionsCompareExactly)
{
    const NameRow& row = GetParam();
    EXPECT_EQ(isDesignFileName(row.fileName), row.design);
    EXPECT_EQ(OpenDialogFilter(row.fileName, false), row.design);
    EXPECT_TRUE(OpenDialogFilter(row.fileName, true)) << "folders are always listed";
    EXPECT_EQ(isStationeryName(row.fileName), row.stationery);
}

INSTANTIATE_TEST_SUITE_P(Rows, FileNames,
                         testing::Values(NameRow{"document", "Box A.xvrdoc", true, false},
                                         NameRow{"stationery", "Box A.xvrdocsta", true, true},
                                         NameRow{"upper_case_document", "Box A.XVRDOC", false, false},
                                         NameRow{"mixed_case_stationery", "Box A.xvrDocSta", false, false},
                                         NameRow{"extension_only", ".xvrdoc", true, false},
                                         NameRow{"no_dot", "xvrdoc", false, false},
                                         NameRow{"later_extension_counts", "Box.xvrdoc.bak", false, false},
                                         NameRow{"earlier_dots_ignored", "Box.v2.xvrdocsta", true, true},
                                         NameRow{"longer_extension", "Box.xvrdocs", false, false},
                                         NameRow{"shorter_extension", "Box.xvrdo", false, false},
                                         NameRow{"trailing_dot", "Box.xvrdoc.", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ProposedRow {
    const char* name;
    std::string fileName1;
    std::string proposed;

    friend void PrintTo(const ProposedRow& r, std::ostream* os) { *os << r.name; }
};

class StationeryName : public testing::TestWithParam<ProposedRow> {};

TEST_P(StationeryName, Proposed)
{
    EXPECT_EQ(stationeryProposedName(GetParam().fileName1), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(Rows, StationeryName,
                         testing::Values(ProposedRow{"untitled", "untitled.xvrdoc", "untitled.xvrdocsta"},
                                         ProposedRow{"any_case", "Box.XvrDoc", "Box.xvrdocsta"},
                                         ProposedRow{"already_stationery", "Box.xvrdocsta", "Box.xvrdocsta"},
                                         ProposedRow{"other_extension", "Box.design", "Box.design"},
                                         ProposedRow{"no_extension", "Box", "Box"},
                                         ProposedRow{"only_last_extension", "Box.xvrdoc.old", "Box.xvrdoc.old"},
                                         ProposedRow{"dots_in_name", "Box.v2.xvrdoc", "Box.v2.xvrdocsta"}),
                         [](const auto& info) { return std::string(info.param.name); });

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

TEST(OpenDesignFile, DocumentKeepsItsNameAndFile)
{
    ScratchFolder folder;
    writeSample(folder / "Box A.xvrdoc");
    Design d = editedDesign();
    DocumentState s;
    ASSERT_EQ(openDesignFile(d, s, folder / "Box A.xvrdoc"), std::nullopt);

    EXPECT_EQ(d.fileName1, "Box A.xvrdoc");
    EXPECT_EQ(s.fileUrl, folder / "Box A.xvrdoc");
    EXPECT_EQ(d.SaveAsFlag, 1);
    EXPECT_EQ(s.FileOpenFlag, 1);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_FALSE(saveNeedsName(d));
    // The file's values, and the unsaved ones reset.
    EXPECT_EQ(d.channel, 3);
    EXPECT_EQ(d.s_Type, "Bessel");
    EXPECT_EQ(d.s_SPE, "Woofer W-18");
    EXPECT_EQ(d.FX, 650.0F);
    EXPECT_EQ(d.s_Resp, "amp");
    EXPECT_EQ(d.respID, 1);
    EXPECT_EQ(d.FXbak, 650.0F);
    EXPECT_EQ(d.REbak, 4.0F);
    // Attenuations recomputed from the file's levels: 98.5 − 87.5 and
    // 91.25 − 87.5 dB, which the L-pad computation then keeps as negative
    // values (the accepted copies keep the positive ones).
    EXPECT_EQ(d.AttHbak, 11.0F);
    EXPECT_EQ(d.AttMbak, 3.75F);
    EXPECT_EQ(d.AttH, -11.0F);
    EXPECT_EQ(d.AttM, -3.75F);
    EXPECT_EQ(d.HigSPLbak, 98.5F);
    // Correction capacitor recomputed: 0.6 mH / (4 ohm)² = 37.5 µF.
    EXPECT_FLOAT_EQ(d.CEQL, 37.5F);
}

TEST(OpenDesignFile, StationeryOpensUntitledWithItsValues)
{
    ScratchFolder folder;
    writeSample(folder / "Template.xvrdocsta");
    Design d = editedDesign();
    DocumentState s;
    s.fileUrl = "/somewhere/else.xvrdoc";
    s.FileOpenFlag = 1;
    d.SaveAsFlag = 1;
    ASSERT_EQ(openDesignFile(d, s, folder / "Template.xvrdocsta"), std::nullopt);

    EXPECT_EQ(d.fileName1, "untitled.xvrdoc");
    EXPECT_EQ(d.SaveAsFlag, 0);
    EXPECT_EQ(s.FileOpenFlag, 0);
    EXPECT_TRUE(s.fileUrl.empty());
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_TRUE(saveNeedsName(d)) << "Save must ask for a name";
    EXPECT_EQ(d.channel, 3);
    EXPECT_EQ(d.s_SPE, "Woofer W-18");
    EXPECT_EQ(d.AttHbak, 11.0F);
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
