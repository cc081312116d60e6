// The notch parameter sheet as a model. Each row opens the sheet on a design,
// uses it, and compares the texts before and after, what the use reports and
// every design field that changed.
#include "sheets/notch_sheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/design_changes.h"

namespace larkspan {
namespace {

std::string outcome(const SheetOutcome& o)
{
    if (o == SheetOutcome::accepted()) return "accepted";
    if (o == SheetOutcome::cancelled()) return "cancelled";
    if (o == SheetOutcome::refusedWithBeep()) return "beep";
    std::string text = o.closed ? "closed" : "open";
    if (o.beeps) text += " beeps " + std::to_string(o.beeps);
    if (o.alert) text += " alert \"" + o.alert->title + "\"";
    if (!o.sound.empty()) text += " sound " + o.sound;
    return text;
}

std::string shownBy(const NotchSheet& s)
{
    return "[" + s.field51 + "|" + s.field52 + "|" + s.field53 + "|" + s.field54 + "|" + s.field56 + "|" + s.field57 +
           "|" + s.field58 + "|" + s.field59 + "|" + s.field60 + "] rear " + std::to_string(s.rearType()) +
           (s.rearControlsEnabled() ? " enabled" : " disabled") + " qa " + std::to_string(s.qaItem()) +
           (s.removeImpIncChecked() ? " remove" : "");
}

// The free-air tweeter of the worked example as the user types it.
void typeFreeAirTweeter(NotchSheet& s)
{
    s.field51 = "Dome 25", s.field52 = "91", s.field53 = "800", s.field54 = "0", s.field56 = "1.2";
    s.field57 = "2.5", s.field58 = "6", s.field59 = "0.05", s.field60 = "0";
}

using Use = std::function<std::string(NotchSheet&)>;

void check(const char* name, Design d, int notch, const Use& use, const char* expected)
{
    const Design before = d;
    openNotchSheet(d, notch);
    NotchSheet s(d);
    std::string text = s.title() + " " + shownBy(s);
    text += " " + use(s);
    text += " " + shownBy(s);
    EXPECT_EQ(text + " | " + test::changes(before, d), expected) << "\n" << name;
}

Design threeWay()
{
    Design d;
    d.channel = 3;
    return d;
}

// Opening shows whole dB, hundredths of a Hz and thousandths elsewhere, halves
// to even (62.5 → 62, 7062.5 → 7062).
TEST(NotchSheet, Opens)
{
    Design high;
    high.s_SPH = "Ring Radiator", high.HigSPL = 95.6F, high.HigFS = 61.236F, high.HigVAS = 12.3456F;
    high.HigQES = 0.4444F, high.HigQMS = 3.0F, high.RH = 5.6F, high.LH = 0.0625F, high.HigVB = 7.0625F;
    Design mid = threeWay();
    mid.RM = 4, mid.MidQAPopItem = 5, mid.MidRemvImpInc = 1;
    Design closed;
    closed.HigNotchGrp = 2;
    closed.HigNotchAorG = 1;  // out of step on purpose: the sheet derives it
    check(
        "high", high, 1, [](NotchSheet&) { return ""; },
        "High Notch Parameters Enter [Ring Radiator| 96| 61.24| 12.346| 0.444| 3| 5.6| 0.062| 7.062] rear 1 enabled qa "
        "3  [Ring Radiator| 96| 61.24| 12.346| 0.444| 3| 5.6| 0.062| 7.062] rear 1 enabled qa 3 | ");
    check(
        "mid", mid, 2, [](NotchSheet&) { return ""; },
        "Mid Notch Parameters Enter [Default Mid| 96| 0| 0| 0| 0| 4| 0.25| 0] rear 1 enabled qa 5 remove  [Default "
        "Mid| 96| 0| 0| 0| 0| 4| 0.25| 0] rear 1 enabled qa 5 remove | ");
    check(
        "closed", closed, 1, [](NotchSheet&) { return ""; },
        "High Notch Parameters Enter [Default High| 100| 0| 0| 0| 0| 6| 0.125| 0] rear 2 disabled qa 3  [Default High| "
        "100| 0| 0| 0| 0| 6| 0.125| 0] rear 2 disabled qa 3 | ");
}

// The rear type enables Vas and the box; the Qa popup sets the box loss.
TEST(NotchSheet, RearTypeAndQaPopup)
{
    Design d;
    d.HigNotchGrp = 2;
    d.HigNotchAorG = 1;  // out of step on purpose: the sheet derives it
    openNotchSheet(d, 1);
    NotchSheet s(d);
    const auto state = [&] {
        return "rear " + std::to_string(s.rearType()) + (s.rearControlsEnabled() ? " enabled" : " disabled") + " grp " +
               std::to_string(d.notchSet.NotchGrp) + " aorg " + std::to_string(d.notchSet.NotchAorG) + " qa " +
               std::to_string(s.qaItem()) + " QA " + test::shown(d.notchSet.QA) + "; ";
    };
    std::string seen = state();
    for (const int type : {1, 3, 2}) {
        s.chooseRearType(type);
        seen += state();
    }
    for (const int item : {1, 2, 3, 4, 5, 0, 6}) {
        s.chooseQaItem(item);
        seen += state();
    }
    EXPECT_EQ(seen,
              "rear 2 disabled grp 2 aorg 0 qa 3 QA 10; rear 1 enabled grp 1 aorg 1 qa 3 QA 10; rear 1 enabled grp 1 "
              "aorg 1 qa 3 QA 10; rear 2 disabled grp 2 aorg 0 qa 3 QA 10; rear 2 disabled grp 2 aorg 0 qa 1 QA 5; "
              "rear 2 disabled grp 2 aorg 0 qa 2 QA 7; rear 2 disabled grp 2 aorg 0 qa 3 QA 10; rear 2 disabled grp 2 "
              "aorg 0 qa 4 QA 15; rear 2 disabled grp 2 aorg 0 qa 5 QA 20; rear 2 disabled grp 2 aorg 0 qa 5 QA 20; "
              "rear 2 disabled grp 2 aorg 0 qa 5 QA 20; ");
}

// OK stores the working set in the driver's set, marks the notch in force and
// computes it: the worked free-air example's notch resistor is 8.88 ohm, the
// closed-box one's 7.520 ohm. Cancel leaves the driver as it was.
TEST(NotchSheet, OkAndCancel)
{
    Design knownFs;
    knownFs.HigFS = 900;
    check(
        "high ok", Design{}, 1,
        [](NotchSheet& s) {
            typeFreeAirTweeter(s);
            s.setRemoveImpInc(true);
            return outcome(s.ok());
        },
        "High Notch Parameters Enter [Default High| 100| 0| 0| 0| 0| 6| 0.125| 0] rear 1 enabled qa 3 accepted [Dome "
        "25|91|800|0|1.2|2.5|6|0.05|0] rear 1 enabled qa 3 remove | LH 0.125→0.05 HigSPL 100→91 s_SPH \"Default "
        "High\"→\"Dome 25\" HigFS 0→800 HigQES 0→1.2 HigQMS 0→2.5 HigCorrDisp 0→1 HigRemvImpInc 0→1 RNTH 0→8.88 LNTH "
        "0→1.413296 CNTH 0→28.00446 AttH 0→-1 AttM 0→-6 REQL 0→6 CEQL 0→13.888889 REQM 0→6 CEQM 0→6.9444447 REQH 0→6 "
        "CEQH 0→1.388889 RSH 0→0.65249443 RPH 0→49.172882 PRSH 0→1.0874908 PRPH 0→0.96922725 RSM 0→2.9928768 RPM "
        "0→6.028561 PRSM 0→4.9881287 PRPM 0→2.4999864 RST 0→2.9928768 PRT 0→4.9881287 DirtyFlag 0→1 HigSPLbak 100→91 "
        "AttHbak 0→1 AttMbak 0→6");
    check(
        "mid ok", threeWay(), 2,
        [](NotchSheet& s) {
            s.field53 = "60", s.field54 = "10", s.field56 = "0.5", s.field57 = "3", s.field58 = "6", s.field59 = "0.5",
            s.field60 = "5";
            return outcome(s.ok());
        },
        "Mid Notch Parameters Enter [Default Mid| 96| 0| 0| 0| 0| 6| 0.25| 0] rear 1 enabled qa 3 accepted [Default "
        "Mid| 96|60|10|0.5|3|6|0.5|5] rear 1 enabled qa 3 | LM 0.25→0.5 MidFS 0→60 MidVAS 0→10 MidQES 0→0.5 MidQMS 0→3 "
        "MidVB 0→5 MidCorrDisp 0→1 RNTM 0→7.519615 LNTM 0→4.547284 CNTM 0→515.7799 AttH 0→-10 AttM 0→-6 REQL 0→6 CEQL "
        "0→13.888889 REQM 0→6 CEQM 0→13.888889 REQH 0→6 CEQH 0→3.4722223 RSH 0→4.1026335 RPH 0→2.7748518 PRSH "
        "0→6.8377233 PRPH 0→2.162278 RSM 0→2.9928768 RPM 0→6.028561 PRSM 0→4.9881287 PRPM 0→2.4999864 RST 0→2.9928768 "
        "PRT 0→4.9881287 DirtyFlag 0→1 AttHbak 0→10 AttMbak 0→6");
    check(
        "cancel", knownFs, 1,
        [](NotchSheet& s) {
            typeFreeAirTweeter(s);
            s.chooseQaItem(1);
            s.setRemoveImpInc(true);
            return outcome(s.cancel());
        },
        "High Notch Parameters Enter [Default High| 100| 900| 0| 0| 0| 6| 0.125| 0] rear 1 enabled qa 3 cancelled "
        "[Dome 25|91|800|0|1.2|2.5|6|0.05|0] rear 1 enabled qa 1 remove | ");
}

// Fs, Qes, Qms, Re and, when Vas > 0, the box volume must be positive; a
// refusal beeps, nothing reaches the design and the working set keeps what
// was read.
TEST(NotchSheet, OkValidatesThePositiveEntries)
{
    struct Row {
        const char* name;
        std::array<const char*, 7> fields;  // Fs, Vas, Qes, Qms, Re, Le, Vb
        int rearType;
        const char* expected;  // the outcome, HigCorrDisp, and s_FS, s_VB read
    };
    const Row rows[] = {
        {"free air", {"800", "0", "1.2", "2.5", "6", "0.05", "0"}, 2, "accepted 1 800 0"},
        {"coil without inductance", {"800", "0", "1.2", "2.5", "6", "0", "0"}, 2, "accepted 1 800 0"},
        {"fs zero", {"0", "0", "1.2", "2.5", "6", "0.05", "0"}, 2, "beep 0 untouched 0 0"},
        {"fs text", {"eight hundred", "0", "1.2", "2.5", "6", "0.05", "0"}, 2, "beep 0 untouched eight hundred 0"},
        {"qes negative", {"800", "0", "-1.2", "2.5", "6", "0.05", "0"}, 2, "beep 0 untouched 800 0"},
        {"qms zero", {"800", "0", "1.2", "0", "6", "0.05", "0"}, 2, "beep 0 untouched 800 0"},
        {"re zero", {"800", "0", "1.2", "2.5", "0", "0.05", "0"}, 2, "beep 0 untouched 800 0"},
        {"re tiny", {"800", "0", "1.2", "2.5", "1e-6", "0.05", "0"}, 2, "accepted 1 800 0"},
        {"negative vas is free air", {"800", "-3", "1.2", "2.5", "6", "0.05", "0"}, 1, "accepted 1 800 0"},
        {"box", {"60", "10", "0.5", "3", "6", "0.5", "5"}, 1, "accepted 1 60 5"},
        {"box volume zero", {"60", "10", "0.5", "3", "6", "0.5", "0"}, 1, "beep 0 untouched 60 0"},
        {"box volume zero while disabled", {"60", "10", "0.5", "3", "6", "0.5", "0"}, 2, "beep 0 untouched 60 0"},
        {"box volume negative", {"60", "10", "0.5", "3", "6", "0.5", "-5"}, 1, "beep 0 untouched 60 -5"},
    };
    for (const Row& row : rows) {
        Design d;
        openNotchSheet(d, 1);
        NotchSheet s(d);
        s.chooseRearType(row.rearType);
        const auto& f = row.fields;
        s.field53 = f[0], s.field54 = f[1], s.field56 = f[2], s.field57 = f[3], s.field58 = f[4], s.field59 = f[5],
        s.field60 = f[6];
        const std::string out = outcome(s.ok());
        const bool refused = out != "accepted";
        const std::string untouched =
            refused && d.DirtyFlag == 0 && d.HigFS == 0 && d.RH == 6 && d.RNTH == 0 ? " untouched" : "";
        EXPECT_EQ(out + " " + std::to_string(d.HigCorrDisp) + untouched + " " + d.notchSet.s_FS + " " + d.notchSet.s_VB,
                  row.expected)
            << "\n"
            << row.name;
    }
}

// Abort puts the driver's notch data back to a new design's and leaves a
// corrected-impedance view of that driver for the amplitude view; the other
// driver is not touched.
TEST(NotchSheet, Abort)
{
    Design high;
    openNotchSheet(high, 1);
    {
        NotchSheet s(high);
        typeFreeAirTweeter(s);
        s.chooseQaItem(5);
        s.chooseRearType(2);
        s.setRemoveImpInc(true);
        ASSERT_TRUE(s.ok().closed);
    }
    high.RM = 4, high.s_Resp = "HigCorrImp", high.respID = 10, high.DirtyFlag = 0;
    Design mid = threeWay();
    mid.MidSPL = 99, mid.LM = 0.7F, mid.RNTM = 5, mid.RNTH = 7, mid.MidCorrDisp = 1, mid.s_Resp = "imp", mid.respID = 2;
    Design midView = threeWay();
    midView.s_Resp = "MidCorrImp", midView.respID = 11;
    check(
        "high", high, 1, [](NotchSheet& s) { return outcome(s.abort()); },
        "High Notch Parameters Enter [Dome 25| 91| 800| 0| 1.2| 2.5| 6| 0.05| 0] rear 2 disabled qa 5 remove accepted "
        "[Dome 25| 91| 800| 0| 1.2| 2.5| 6| 0.05| 0] rear 1 enabled qa 3 | LH 0.05→0.125 HigSPL 91→100 s_SPH \"Dome "
        "25\"→\"Default High\" HigFS 800→0 HigQES 1.2→0 HigQMS 2.5→0 HigQA 20→10 HigQAPopItem 5→3 HigNotchAorG 0→1 "
        "HigNotchGrp 2→1 HigCorrDisp 1→0 HigRemvImpInc 1→0 RNTH 8.88→0 LNTH 1.413296→0 CNTH 28.00446→0 AttH -1→-10 "
        "REQM 6→4 CEQM 6.9444447→15.625 CEQH 1.388889→3.4722223 RSH 0.65249443→4.1026335 RPH 49.172882→2.7748518 PRSH "
        "1.0874908→6.8377233 PRPH 0.96922725→2.162278 RSM 2.9928768→1.9952509 RPM 6.028561→4.019041 PRSM "
        "4.9881287→4.9881277 PRPM 2.4999864→2.499986 RST 2.9928768→1.9952509 PRT 4.9881287→4.9881277 DirtyFlag 0→1 "
        "s_Resp \"HigCorrImp\"→\"amp\" respID 10→1 HigSPLbak 91→100 AttHbak 1→10");
    check(
        "mid keeps another view", mid, 2, [](NotchSheet& s) { return outcome(s.abort()); },
        "Mid Notch Parameters Enter [Default Mid| 99| 0| 0| 0| 0| 6| 0.7| 0] rear 1 enabled qa 3 accepted [Default "
        "Mid| 99| 0| 0| 0| 0| 6| 0.7| 0] rear 1 enabled qa 3 | LM 0.7→0.25 MidSPL 99→96 MidCorrDisp 1→0 RNTM 5→0 AttH "
        "0→-10 AttM 0→-6 REQL 0→6 CEQL 0→13.888889 REQM 0→6 CEQM 0→6.9444447 REQH 0→6 CEQH 0→3.4722223 RSH 0→4.1026335 "
        "RPH 0→2.7748518 PRSH 0→6.8377233 PRPH 0→2.162278 RSM 0→2.9928768 RPM 0→6.028561 PRSM 0→4.9881287 PRPM "
        "0→2.4999864 RST 0→2.9928768 PRT 0→4.9881287 DirtyFlag 0→1 AttHbak 0→10 AttMbak 0→6");
    check(
        "mid view", midView, 2, [](NotchSheet& s) { return outcome(s.abort()); },
        "Mid Notch Parameters Enter [Default Mid| 96| 0| 0| 0| 0| 6| 0.25| 0] rear 1 enabled qa 3 accepted [Default "
        "Mid| 96| 0| 0| 0| 0| 6| 0.25| 0] rear 1 enabled qa 3 | AttH 0→-10 AttM 0→-6 REQL 0→6 CEQL 0→13.888889 REQM "
        "0→6 CEQM 0→6.9444447 REQH 0→6 CEQH 0→3.4722223 RSH 0→4.1026335 RPH 0→2.7748518 PRSH 0→6.8377233 PRPH "
        "0→2.162278 RSM 0→2.9928768 RPM 0→6.028561 PRSM 0→4.9881287 PRPM 0→2.4999864 RST 0→2.9928768 PRT 0→4.9881287 "
        "DirtyFlag 0→1 s_Resp \"MidCorrImp\"→\"amp\" respID 11→1 AttHbak 0→10 AttMbak 0→6");
}

// A parameter text fills the fields (Vas 0 selects "Closed"; Qa 12 keeps the
// popup), nothing reaching the design before OK, which reads the fields as
// shown and carries the values the sheet does not show; a mismatched text
// keeps the fields.
TEST(NotchSheet, Paste)
{
    const char* text = "DUMMY%  Soft Dome  92.4  650.256  0  0.9  1.1  4.2  0.3  5.8  0.045  0  0  0  12  ";
    check(
        "parameter text", Design{}, 1,
        [text](NotchSheet& s) {
            std::string seen = outcome(s.pasteParameters(text, 1));
            seen += " " + shownBy(s);
            return seen + " " + outcome(s.ok());
        },
        "High Notch Parameters Enter [Default High| 100| 0| 0| 0| 0| 6| 0.125| 0] rear 1 enabled qa 3 open sound "
        "Click.aif [Soft Dome| 92| 650.26| 0| 1.1| 4.2| 5.8| 0.045| 0] rear 2 disabled qa 3 accepted [Soft Dome| 92| "
        "650.26| 0| 1.1| 4.2| 5.8| 0.045| 0] rear 2 disabled qa 3 | RH 6→5.8 LH 0.125→0.045 HigSPL 100→92 s_SPH "
        "\"Default High\"→\"Soft Dome\" HigFS 0→650.26 HigQTS 0→0.9 HigQES 0→1.1 HigQMS 0→4.2 HigEFI 0→0.3 HigQA 10→12 "
        "HigNotchAorG 1→0 HigNotchGrp 1→2 HigCorrDisp 0→1 RNTH 0→7.319048 LNTH 0→1.3136786 CNTH 0→45.601284 AttH 0→-2 "
        "AttM 0→-6 REQL 0→6 CEQL 0→13.888889 REQM 0→6 CEQM 0→6.9444447 REQH 0→5.8 CEQH 0→1.3376932 RSH 0→1.1928964 RPH "
        "0→22.400276 PRSH 0→2.0567179 PRPH 0→1.633709 RSM 0→2.9928768 RPM 0→6.028561 PRSM 0→4.9881287 PRPM 0→2.4999864 "
        "RST 0→2.9928768 PRT 0→4.9881287 DirtyFlag 0→1 HigSPLbak 100→92 AttHbak 0→2 AttMbak 0→6");
    check(
        "mismatched text", Design{}, 1,
        [](NotchSheet& s) {
            s.field53 = "777";
            return outcome(s.pasteParameters("Not a parameter text", 1));
        },
        "High Notch Parameters Enter [Default High| 100| 0| 0| 0| 0| 6| 0.125| 0] rear 1 enabled qa 3 open beeps 1 "
        "alert \"ALERT!   Paste Data is Mismatched.\" [Default High| 100|777| 0| 0| 0| 6| 0.125| 0] rear 1 enabled qa "
        "3 | ");
}

}  // namespace
}  // namespace larkspan
