#include "sheets/notch_sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace larkspan {
namespace {

// The free-air tweeter of the worked example as the user types it.
void typeFreeAirTweeter(NotchSheet& s)
{
    s.field51 = "Dome 25";
    s.field52 = "91";
    s.field53 = "800";
    s.field54 = "0";
    s.field56 = "1.2";
    s.field57 = "2.5";
    s.field58 = "6";
    s.field59 = "0.05";
    s.field60 = "0";
}

TEST(NotchSheet, OpensWithTheDriversValuesInTheirFormats)
{
    Design d;
    d.s_SPH = "Ring Radiator";
    d.HigSPL = 95.6F;
    d.HigFS = 61.236F;
    d.HigVAS = 12.3456F;
    d.HigQES = 0.4444F;
    d.HigQMS = 3.0F;
    d.RH = 5.6F;
    d.LH = 0.0625F;
    d.HigVB = 7.0625F;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    EXPECT_EQ(s.title(), "High Notch Parameters Enter");
    EXPECT_EQ(s.field51, "Ring Radiator");
    EXPECT_EQ(s.field52, " 96");      // whole dB
    EXPECT_EQ(s.field53, " 61.24");   // hundredths of a Hz
    EXPECT_EQ(s.field54, " 12.346");  // thousandths elsewhere
    EXPECT_EQ(s.field56, " 0.444");
    EXPECT_EQ(s.field57, " 3");
    EXPECT_EQ(s.field58, " 5.6");
    EXPECT_EQ(s.field59, " 0.062");  // 62.5 rounds to the even 62
    EXPECT_EQ(s.field60, " 7.062");  // 7062.5 rounds to the even 7062
    EXPECT_EQ(s.qaItem(), 3);
    EXPECT_EQ(s.rearType(), 1);
    EXPECT_TRUE(s.rearControlsEnabled());
    EXPECT_FALSE(s.removeImpIncChecked());
}

TEST(NotchSheet, MidDriverSheet)
{
    Design d;
    d.channel = 3;
    d.RM = 4;
    d.MidQAPopItem = 5;
    d.MidRemvImpInc = 1;
    openNotchSheet(d, 2);
    NotchSheet s(d);
    EXPECT_EQ(s.title(), "Mid Notch Parameters Enter");
    EXPECT_EQ(s.field51, "Default Mid");
    EXPECT_EQ(s.field52, " 96");
    EXPECT_EQ(s.field58, " 4");
    EXPECT_EQ(s.field59, " 0.25");
    EXPECT_EQ(s.qaItem(), 5);
    EXPECT_TRUE(s.removeImpIncChecked());
}

TEST(NotchSheet, RearTypeEnablesVasAndTheBox)
{
    Design d;
    d.HigNotchGrp = 2;
    d.HigNotchAorG = 1;  // out of step on purpose: the sheet derives it
    openNotchSheet(d, 1);
    NotchSheet s(d);
    EXPECT_EQ(s.rearType(), 2);
    EXPECT_FALSE(s.rearControlsEnabled());
    EXPECT_EQ(d.notchSet.NotchAorG, 0);
    s.chooseRearType(1);
    EXPECT_TRUE(s.rearControlsEnabled());
    EXPECT_EQ(d.notchSet.NotchGrp, 1);
    EXPECT_EQ(d.notchSet.NotchAorG, 1);
    s.chooseRearType(3);  // not a button of the group
    EXPECT_EQ(d.notchSet.NotchGrp, 1);
    s.chooseRearType(2);
    EXPECT_EQ(d.notchSet.NotchAorG, 0);
}

TEST(NotchSheet, QaPopupSetsTheBoxLoss)
{
    Design d;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    const float expected[] = {5, 7, 10, 15, 20};
    for (int item = 1; item <= 5; ++item) {
        s.chooseQaItem(item);
        EXPECT_EQ(s.qaItem(), item);
        EXPECT_EQ(d.notchSet.QA, expected[item - 1]);
    }
    s.chooseQaItem(0);
    s.chooseQaItem(6);
    EXPECT_EQ(s.qaItem(), 5);
    EXPECT_EQ(d.notchSet.QA, 20.0F);
}

TEST(NotchSheet, OkStoresComputesAndCloses)
{
    Design d;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    typeFreeAirTweeter(s);
    s.setRemoveImpInc(true);
    const SheetOutcome out = s.ok();
    EXPECT_EQ(out, SheetOutcome::accepted());
    EXPECT_EQ(d.HigCorrDisp, 1);
    EXPECT_EQ(d.MidCorrDisp, 0);
    EXPECT_EQ(d.DirtyFlag, 1);
    EXPECT_EQ(d.s_SPH, "Dome 25");
    EXPECT_EQ(d.HigSPL, 91.0F);
    EXPECT_EQ(d.HigFS, 800.0F);
    EXPECT_EQ(d.RH, 6.0F);
    EXPECT_EQ(d.LH, 0.05F);
    EXPECT_EQ(d.HigRemvImpInc, 1);
    EXPECT_EQ(d.notchSet.s_FS, "800");
    // The worked free-air example's notch resistor, 8.88 ohm.
    EXPECT_NEAR(d.RNTH, 8.88, 1e-5);
    EXPECT_EQ(d.RNTM, 0.0F);
}

TEST(NotchSheet, OkOfTheMidDriver)
{
    Design d;
    d.channel = 3;
    openNotchSheet(d, 2);
    NotchSheet s(d);
    s.field53 = "60";
    s.field54 = "10";
    s.field56 = "0.5";
    s.field57 = "3";
    s.field58 = "6";
    s.field59 = "0.5";
    s.field60 = "5";
    ASSERT_TRUE(s.ok().closed);
    EXPECT_EQ(d.MidCorrDisp, 1);
    EXPECT_EQ(d.HigCorrDisp, 0);
    EXPECT_EQ(d.RM, 6.0F);
    EXPECT_EQ(d.LM, 0.5F);
    EXPECT_EQ(d.MidVAS, 10.0F);
    // The worked closed-box example's notch resistor, 7.520 ohm.
    EXPECT_NEAR(d.RNTM, 7.520, 0.0005);
    EXPECT_EQ(d.RNTH, 0.0F);
}

struct OkRow {
    const char* name;
    const char* fs;
    const char* vas;
    const char* qes;
    const char* qms;
    const char* re;
    const char* le;
    const char* vb;
    int rearType;
    bool accepted;

    friend void PrintTo(const OkRow& r, std::ostream* os) { *os << r.name; }
};

class NotchSheetOk : public testing::TestWithParam<OkRow> {};

TEST_P(NotchSheetOk, ValidatesThePositiveEntries)
{
    const OkRow& r = GetParam();
    Design d;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    s.chooseRearType(r.rearType);
    s.field53 = r.fs;
    s.field54 = r.vas;
    s.field56 = r.qes;
    s.field57 = r.qms;
    s.field58 = r.re;
    s.field59 = r.le;
    s.field60 = r.vb;
    const SheetOutcome out = s.ok();
    if (r.accepted) {
        EXPECT_EQ(out, SheetOutcome::accepted());
        EXPECT_EQ(d.HigCorrDisp, 1);
        return;
    }
    EXPECT_EQ(out, SheetOutcome::refusedWithBeep());
    // Nothing reaches the design; the working set keeps what was read.
    EXPECT_EQ(d.HigCorrDisp, 0);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(d.HigFS, 0.0F);
    EXPECT_EQ(d.RH, 6.0F);
    EXPECT_EQ(d.RNTH, 0.0F);
    EXPECT_EQ(d.notchSet.s_FS, r.fs);
    EXPECT_EQ(d.notchSet.s_VB, r.vb);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotchSheetOk,
    testing::Values(OkRow{"free_air", "800", "0", "1.2", "2.5", "6", "0.05", "0", 2, true},
                    OkRow{"free_air_coil_without_inductance", "800", "0", "1.2", "2.5", "6", "0", "0", 2, true},
                    OkRow{"free_air_fs_zero", "0", "0", "1.2", "2.5", "6", "0.05", "0", 2, false},
                    OkRow{"free_air_fs_text", "eight hundred", "0", "1.2", "2.5", "6", "0.05", "0", 2, false},
                    OkRow{"free_air_qes_negative", "800", "0", "-1.2", "2.5", "6", "0.05", "0", 2, false},
                    OkRow{"free_air_qms_zero", "800", "0", "1.2", "0", "6", "0.05", "0", 2, false},
                    OkRow{"free_air_re_zero", "800", "0", "1.2", "2.5", "0", "0.05", "0", 2, false},
                    OkRow{"free_air_re_tiny", "800", "0", "1.2", "2.5", "1e-6", "0.05", "0", 2, true},
                    OkRow{"negative_vas_is_free_air", "800", "-3", "1.2", "2.5", "6", "0.05", "0", 1, true},
                    OkRow{"box", "60", "10", "0.5", "3", "6", "0.5", "5", 1, true},
                    OkRow{"box_volume_zero", "60", "10", "0.5", "3", "6", "0.5", "0", 1, false},
                    OkRow{"box_volume_zero_while_box_disabled", "60", "10", "0.5", "3", "6", "0.5", "0", 2, false},
                    OkRow{"box_volume_negative", "60", "10", "0.5", "3", "6", "0.5", "-5", 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NotchSheet, CancelLeavesTheDriverAsItWas)
{
    Design d;
    d.HigFS = 900;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    typeFreeAirTweeter(s);
    s.chooseQaItem(1);
    s.setRemoveImpInc(true);
    EXPECT_EQ(s.cancel(), SheetOutcome::cancelled());
    EXPECT_EQ(d.HigFS, 900.0F);
    EXPECT_EQ(d.HigQA, 10.0F);
    EXPECT_EQ(d.HigRemvImpInc, 0);
    EXPECT_EQ(d.HigCorrDisp, 0);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(d.RNTH, 0.0F);
}

TEST(NotchSheet, AbortResetsTheHighDriverAndLeavesItsView)
{
    Design d;
    openNotchSheet(d, 1);
    {
        NotchSheet s(d);
        typeFreeAirTweeter(s);
        s.chooseQaItem(5);
        s.chooseRearType(2);
        s.setRemoveImpInc(true);
        ASSERT_TRUE(s.ok().closed);
    }
    d.RM = 4;
    d.s_Resp = "HigCorrImp";
    d.respID = 10;
    d.DirtyFlag = 0;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    EXPECT_EQ(s.abort(), SheetOutcome::accepted());
    // The high driver and its notch are back to a new design's values.
    const Design fresh;
    for (const auto m : {&Design::RNTH, &Design::LNTH, &Design::CNTH, &Design::HigSPL, &Design::RH, &Design::LH,
                         &Design::HigFS, &Design::HigQES, &Design::HigQA})
        EXPECT_EQ(d.*m, fresh.*m);
    for (const auto m : {&Design::HigCorrDisp, &Design::HigQAPopItem, &Design::HigNotchGrp, &Design::HigNotchAorG,
                         &Design::HigRemvImpInc})
        EXPECT_EQ(d.*m, fresh.*m);
    EXPECT_EQ(d.s_SPH, fresh.s_SPH);
    EXPECT_EQ(d.DirtyFlag, 1);
    EXPECT_EQ(d.s_Resp, "amp");
    EXPECT_EQ(d.respID, 1);
    EXPECT_EQ(d.RM, 4.0F) << "the mid driver is not touched";
}

TEST(NotchSheet, AbortOfTheMidDriverKeepsAnOtherView)
{
    Design d;
    d.channel = 3;
    d.MidSPL = 99;
    d.LM = 0.7F;
    d.RNTM = 5;
    d.RNTH = 7;
    d.MidCorrDisp = 1;
    d.s_Resp = "imp";
    d.respID = 2;
    openNotchSheet(d, 2);
    NotchSheet s(d);
    EXPECT_TRUE(s.abort().closed);
    EXPECT_EQ(d.s_SPM, "Default Mid");
    EXPECT_EQ(d.MidSPL, 96.0F);
    EXPECT_EQ(d.RM, 6.0F);
    EXPECT_EQ(d.LM, 0.25F);
    EXPECT_EQ(d.RNTM, 0.0F);
    EXPECT_EQ(d.MidCorrDisp, 0);
    EXPECT_EQ(d.RNTH, 7.0F);
    EXPECT_EQ(d.s_Resp, "imp");
    EXPECT_EQ(d.respID, 2);
}

TEST(NotchSheet, AbortFromTheMidViewSwitchesToAmplitude)
{
    Design d;
    d.channel = 3;
    d.s_Resp = "MidCorrImp";
    d.respID = 11;
    openNotchSheet(d, 2);
    NotchSheet(d).abort();
    EXPECT_EQ(d.s_Resp, "amp");
    EXPECT_EQ(d.respID, 1);
}

TEST(NotchSheet, PasteFillsTheFields)
{
    Design d;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    const SheetOutcome out =
        s.pasteParameters("DUMMY%  Soft Dome  92.4  650.256  0  0.9  1.1  4.2  0.3  5.8  0.045  0  0  0  12  ", 1);
    EXPECT_FALSE(out.closed);
    EXPECT_FALSE(out.alert);
    EXPECT_EQ(out.sound, "Click.aif");
    EXPECT_EQ(s.field51, "Soft Dome");
    EXPECT_EQ(s.field52, " 92");
    EXPECT_EQ(s.field53, " 650.26");
    EXPECT_EQ(s.field58, " 5.8");
    EXPECT_EQ(s.field59, " 0.045");
    // Vas 0 selects "Closed", which disables the Vas and box controls.
    EXPECT_EQ(s.rearType(), 2);
    EXPECT_FALSE(s.rearControlsEnabled());
    EXPECT_EQ(s.qaItem(), 3) << "Qa 12 keeps the popup";
    // Nothing reaches the design before OK.
    EXPECT_EQ(d.HigFS, 0.0F);
    ASSERT_TRUE(s.ok().closed);
    EXPECT_EQ(d.HigFS, 650.26F) << "OK reads the field as shown";
    EXPECT_EQ(d.HigQA, 12.0F);
    EXPECT_EQ(d.HigQAPopItem, 3);
    EXPECT_EQ(d.HigQTS, 0.9F) << "values not shown in the sheet are carried";
    EXPECT_EQ(d.HigEFI, 0.3F);
}

TEST(NotchSheet, MismatchedPasteKeepsTheFields)
{
    Design d;
    openNotchSheet(d, 1);
    NotchSheet s(d);
    s.field53 = "777";
    const SheetOutcome out = s.pasteParameters("Not a parameter text", 1);
    EXPECT_EQ(out.beeps, 1);
    ASSERT_TRUE(out.alert);
    EXPECT_EQ(out.alert->title, "ALERT!   Paste Data is Mismatched.");
    EXPECT_EQ(out.sound, "");
    EXPECT_EQ(s.field53, "777");
    EXPECT_EQ(d.notchSet.s_DUMMY, "");
}

}  // namespace
}  // namespace larkspan
