// The frequency, impedance-correction, SPL and attenuator sheets as models: what their
// buttons do to the design and to the texts they show. Each row types into a
// sheet opened on a new design, presses buttons, and compares the outcomes,
// the sheet's texts and every design field that changed.
#include <gtest/gtest.h>

#include <functional>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "sheets/attenuator_sheets.h"
#include "sheets/frequency_sheets.h"
#include "sheets/impedance_correction_sheet.h"
#include "support/design_changes.h"

namespace larkspan {
namespace {

// A new design as the File menu makes it.
Design newDesign(int channel)
{
    Design d;
    InitSetupParaOnSave(d);
    d.channel = static_cast<std::int16_t>(channel);
    InitSetupParaNoSave(d);
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    return d;
}

enum class Button { Ok, Calc, Cancel };

// What the user does at once: types into the fields (nullptr leaves one as it
// is), then presses a button.
struct Entry {
    const char* field10;
    const char* field11;
    const char* field12;
    Button button;
};

std::string outcome(const SheetOutcome& o)
{
    if (o == SheetOutcome::accepted()) return "accepted";
    if (o == SheetOutcome::cancelled()) return "cancelled";
    if (o == SheetOutcome::refusedWithBeep()) return "beep";
    if (o == SheetOutcome{}) return "open";
    if (o.alert && !o.closed && o.beeps == 1) return "alert \"" + o.alert->message + "\"";
    return "?";
}

template <typename Sheet>
std::string press(Sheet& s, const Entry& e)
{
    if (e.field10) s.field10 = e.field10;
    if constexpr (requires { s.field11; })
        if (e.field11) s.field11 = e.field11;
    if constexpr (requires { s.field12; })
        if (e.field12) s.field12 = e.field12;
    if (e.button == Button::Ok) return outcome(s.ok());
    if (e.button == Button::Cancel) return outcome(s.cancel());
    if constexpr (requires { s.calc(); }) return outcome(s.calc());
    return "no calc";
}

template <typename Sheet>
std::string shownBy(const Sheet& s)
{
    std::string text = "[" + s.field10;
    if constexpr (requires { s.field11; }) text += "|" + s.field11;
    if constexpr (requires { s.field12; }) text += "|" + s.field12;
    if constexpr (requires { s.result51(); }) text += "|" + s.result51() + "|" + s.result52();
    return text + "]";
}

using SheetRun = std::function<std::string(Design&, const std::vector<Entry>&)>;

// Opens the sheet, notes its title and texts, makes the entries, and notes
// each outcome and the texts at the end.
template <typename Sheet, typename... Driver>
SheetRun on(Driver... driver)
{
    return [=](Design& d, const std::vector<Entry>& entries) {
        Sheet s(d, driver...);
        std::string text;
        if constexpr (requires { s.title(); }) text = std::string(s.title()) + " ";
        text += shownBy(s);
        for (const Entry& e : entries) text += " " + press(s, e);
        return text + " " + shownBy(s);
    };
}

// Runs the sheet on a new design with this many ways and compares the sheet's
// texts, each outcome and the texts at the end, then every design field that
// differs from a new design's.
void check(const char* name, int ways, const SheetRun& sheet, const std::vector<Entry>& entries, const char* expected)
{
    const Design before = newDesign(ways);
    Design d = before;
    const std::string shown = sheet(d, entries);
    EXPECT_EQ(shown + " | " + test::changes(before, d), expected) << "\n" << name;
}

const SheetRun low = on<ImpedanceCorrectionSheet>(CorrectedDriver::Low);
const SheetRun mid = on<ImpedanceCorrectionSheet>(CorrectedDriver::Mid);
const SheetRun high = on<ImpedanceCorrectionSheet>(CorrectedDriver::High);
const SheetRun spl = on<SplSheet>();
const SheetRun fx = on<FrequencySheet2Way>();
const SheetRun fxlFxh = on<FrequencySheet3Way>();
const SheetRun highPad = on<AttenuatorSheet>(AttenuatedDriver::High);
const SheetRun midPad = on<AttenuatorSheet>(AttenuatedDriver::Mid);

constexpr auto Ok = Button::Ok;
constexpr auto Calc = Button::Calc;
constexpr auto Cancel = Button::Cancel;

// Any positive frequency is taken; a 2-way entry that is not positive beeps
// and goes back; a 3-way pair beeps before any spacing check, and a spacing
// outside the limits alerts, both going back. Cancel returns to the last
// accepted pair whatever was typed.
TEST(FrequencySheets, OkAndCancel)
{
    check("2-way ok", 2, fx, {{"0.5", nullptr, nullptr, Ok}},
          "[ 650] accepted [0.5] | FX 650→0.5 DirtyFlag 0→1 FXbak 650→0.5");
    for (const char* entry : {"0", "-20", "abc", ""})
        check(entry, 2, fx, {{entry, nullptr, nullptr, Ok}}, "[ 650] beep [ 650] | ");
    check("3-way non-positive", 3, fxlFxh, {{"500", "x", nullptr, Ok}}, "[ 200| 2000] beep [ 200| 2000] | ");
    check("3-way too near", 3, fxlFxh, {{"500", "1400", nullptr, Ok}},
          "[ 200| 2000] alert \"Enter more separate frequencis.   FXL x 3  \u2264  FXH\" [ 200| 2000] | FreqCheckFlag "
          "0→1");
    check("3-way ok, cancel", 3, fxlFxh, {{"300", "3000", nullptr, Ok}, {"1", "2", nullptr, Cancel}},
          "[ 200| 2000] accepted cancelled [1|2] | FXL 200→300 FXH 2000→3000 DirtyFlag 0→1 FXLbak 200→300 FXHbak "
          "2000→3000");
    EXPECT_EQ(frequencyFieldText(1234.5678F), " 1234.57");
}

// A sheet opens with the driver's values: 0.5 mH / (6 ohm)² = 13.889 µF.
// OK applies only the selected driver and takes the leading number of a field.
// Calc applies and stays open, its backups holding what was in force before;
// Cancel returns to the last Calc, or to the opening values without one.
TEST(ImpedanceSheet, OpenOkCalcCancel)
{
    check("low opens", 2, low, {},
          "Low Range Imp. Increase Correction [ 6| 0.5|Default Low| 6| 13.889] [ 6| 0.5|Default Low| 6| 13.889] | "
          "FreqCheckFlag 0→1");
    check("high opens", 2, high, {},
          "High Range Imp. Increase Correction [ 6| 0.125|Default High| 6| 3.472] [ 6| 0.125|Default High| 6| 3.472] | "
          "FreqCheckFlag 0→1");
    check("mid ok", 3, mid, {{"8", "0.4 mH", "MR-100", Ok}},
          "Mid Range Imp. Increase Correction [ 6| 0.25|Default Mid| 6| 6.944] accepted [8|0.4 mH|MR-100| 6| 6.944] | "
          "RM 6→8 LM 0.25→0.4 s_SPM \"Default Mid\"→\"MR-100\" REQM 6→8 CEQM 6.9444447→6.25 RSM 2.9928768→3.9905019 "
          "RPM 6.028561→8.038082 PRSM 4.9881287→4.9881277 PRPM 2.4999864→2.4999857 RST 2.9928768→3.9905019 PRT "
          "4.9881287→4.9881277 DirtyFlag 0→1 RMbak 6→8 LMbak 0.25→0.4");
    check("smallest positive entries", 2, low, {{"0.001", "1e-30", nullptr, Ok}},
          "Low Range Imp. Increase Correction [ 6| 0.5|Default Low| 6| 13.889] accepted [0.001|1e-30|Default Low| 6| "
          "13.889] | RE 6→0.001 LE 0.5→1e-30 REQL 6→0.001 CEQL 13.888889→9.999999e-22 DirtyFlag 0→1 REbak 6→0.001 "
          "LEbak 0.5→1e-30");
    check("calc stays open", 2, low, {{"5", "0.7", "ignored by Calc.", Calc}},
          "Low Range Imp. Increase Correction [ 6| 0.5|Default Low| 6| 13.889] open [5|0.7|ignored by Calc.| 5| 28] | "
          "RE 6→5 LE 0.5→0.7 REQL 6→5 CEQL 13.888889→28 FreqCheckFlag 0→1");
    check("cancel after two calcs", 2, low,
          {{"5", "0.7", nullptr, Calc}, {"4", "0.9", nullptr, Calc}, {nullptr, nullptr, nullptr, Cancel}},
          "Low Range Imp. Increase Correction [ 6| 0.5|Default Low| 6| 13.889] open open cancelled [4|0.9|Default Low| "
          "4| 56.25] | RE 6→5 LE 0.5→0.7 REQL 6→5 CEQL 13.888889→28 REbak 6→5 LEbak 0.5→0.7");
    check("cancel without calc", 2, high, {{"0", nullptr, nullptr, Ok}, {"3", nullptr, nullptr, Cancel}},
          "High Range Imp. Increase Correction [ 6| 0.125|Default High| 6| 3.472] beep cancelled [3| 0.125|Default "
          "High| 6| 3.472] | corrImpFlg 0→1");
    EXPECT_EQ(correctedDriverForKey("LowInc"), CorrectedDriver::Low);
    EXPECT_EQ(correctedDriverForKey("MidInc"), CorrectedDriver::Mid);
    EXPECT_EQ(correctedDriverForKey("HighInc"), CorrectedDriver::High);
    EXPECT_FALSE(correctedDriverForKey("HighAtt"));
    EXPECT_FALSE(correctedDriverForKey("lowinc"));
}

// A pair that is not positive (1e-50 is positive as a double but 0 once
// stored as a float) beeps and puts the previous pair back: OK keeps the
// model name read and a later good entry clears the flag; Calc leaves the
// results as they were.
TEST(ImpedanceSheet, RefusedPairs)
{
    const std::pair<const char*, const char*> pairs[] = {{"0", "0.5"},  {"eight", "0.5"}, {"8", "0"},
                                                         {"8", "-0.1"}, {"8", "mH"},      {"8", "1e-50"}};
    for (const auto& [r, l] : pairs) {
        SCOPED_TRACE(std::string(r) + " ohm, " + l + " mH");
        check("ok", 2, high, {{r, l, "T-25", Ok}},
              "High Range Imp. Increase Correction [ 6| 0.125|Default High| 6| 3.472] beep [ 6| 0.125|T-25| 6| 3.472] "
              "| s_SPH \"Default High\"→\"T-25\" FreqCheckFlag 0→1 corrImpFlg 0→1");
        check("ok then good", 2, high, {{r, l, "T-25", Ok}, {"4", "0.064", nullptr, Ok}},
              "High Range Imp. Increase Correction [ 6| 0.125|Default High| 6| 3.472] beep accepted [4|0.064|T-25| 6| "
              "3.472] | RH 6→4 LH 0.125→0.064 s_SPH \"Default High\"→\"T-25\" REQH 6→4 CEQH 3.4722223→4 RSH "
              "4.1026335→2.7350888 RPH 2.7748518→1.8499012 PRSH 6.8377233→6.8377223 PRPH 2.162278→2.1622777 DirtyFlag "
              "0→1 RHbak 6→4 LHbak 0.125→0.064");
        check("calc", 2, low, {{r, l, nullptr, Calc}},
              "Low Range Imp. Increase Correction [ 6| 0.5|Default Low| 6| 13.889] beep [ 6| 0.5|Default Low| 6| "
              "13.889] | FreqCheckFlag 0→1");
    }
}

// The SPL sheet reads high and low (and mid in a 3-way design) and sets the
// pads from the level differences, stored back negative; a quieter driver
// than the woofer gets no pad. A bad entry sends the whole entry back with
// one beep, the fields keeping what was typed.
TEST(SplSheet, OkAndRefusals)
{
    check("3-way opens", 3, spl, {}, "[ 100| 96| 90] [ 100| 96| 90] | ");
    check("2-way reads high and low only", 2, spl, {{"95.5", "0", "88", Ok}},
          "[ 100| 96| 90] accepted [95.5|0|88] | LowSPL 90→88 HigSPL 100→95.5 AttH -10→-7.5 AttM -6→-8 RSH "
          "4.1026335→3.469821 RPH 2.7748518→4.375175 PRSH 6.8377233→5.7830358 PRPH 2.162278→2.4386857 RSM "
          "2.9928768→3.611357 RPM 6.028561→3.968552 PRSM 4.9881287→6.018929 PRPM 2.4999864→2.396179 RST "
          "2.9928768→3.611357 PRT 4.9881287→6.018929 DirtyFlag 0→1 LowSPLbak 90→88 HigSPLbak 100→95.5 AttHbak 10→7.5 "
          "AttMbak 6→8");
    check("3-way reads all three", 3, spl, {{"92", "89", "90", Ok}},
          "[ 100| 96| 90] accepted [92|89|90] | MidSPL 96→89 HigSPL 100→92 AttH -10→-2 AttM -6→0 RSH "
          "4.1026335→1.2340307 RPH 2.7748518→23.172699 PRSH 6.8377233→2.056718 PRPH 2.162278→1.6337091 RSM 2.9928768→0 "
          "RPM 6.028561→0 PRSM 4.9881287→0 PRPM 2.4999864→0 RST 2.9928768→0 PRT 4.9881287→0 DirtyFlag 0→1 MidSPLbak "
          "96→89 HigSPLbak 100→92 AttHbak 10→2 AttMbak 6→0");
    check("zero high", 2, spl, {{"0", "96", "90", Ok}, {nullptr, nullptr, nullptr, Cancel}},
          "[ 100| 96| 90] beep cancelled [0|96|90] | ");
    check("negative low", 2, spl, {{"100", "96", "-90", Ok}}, "[ 100| 96| 90] beep [100|96|-90] | ");
    check("text high", 2, spl, {{"loud", "96", "90", Ok}}, "[ 100| 96| 90] beep [loud|96|90] | ");
    check("zero mid", 3, spl, {{"101", "0", "91", Ok}}, "[ 100| 96| 90] beep [101|0|91] | ");
    check("text mid", 3, spl, {{"101", "dB", "91", Ok}}, "[ 100| 96| 90] beep [101|dB|91] | ");
    check("empty low", 3, spl, {{"101", "95", "", Ok}, {nullptr, nullptr, nullptr, Cancel}},
          "[ 100| 96| 90] beep cancelled [101|95|] | ");
}

// 10 dB into 6 ohm: Kp = 0.1, Rp = 6·(0.1 + 0.3162)/0.9 = 2.775 ohm,
// Rs = 6 − (Rp ∥ 6) = 4.103 ohm; 3 dB: Rs 1.7523, Rp 14.544 (by hand). The
// attenuation is taken as entered whatever its sign, a text reads as 0 (no
// pad); a bad power goes back while the attenuation stays as entered until
// Cancel.
TEST(AttenuatorSheet, OpenOkCalcCancel)
{
    check("high pad opens", 2, highPad, {},
          "High Range Attenuator Calculation [-10| 10| 4.103| 2.775] [-10| 10| 4.103| 2.775] | ");
    check("mid opens", 2, midPad, {},
          "Mid Range Attenuator Calculation [-6| 10| 2.993| 6.029] [-6| 10| 2.993| 6.029] | ");
    check("ok", 2, highPad, {{"3", "50", nullptr, Ok}},
          "High Range Attenuator Calculation [-10| 10| 4.103| 2.775] accepted [3|50| 4.103| 2.775] | PinH 10→50 AttH "
          "-10→-3 RSH 4.1026335→1.7523255 RPH 2.7748518→14.544129 PRSH 6.8377233→14.602714 PRPH 2.162278→10.337928 "
          "DirtyFlag 0→1 PinHbak 10→50 AttHbak 10→-3 AttMbak 6→-6");
    check("negative entry", 3, midPad, {{"-3", nullptr, nullptr, Ok}},
          "Mid Range Attenuator Calculation [-6| 10| 2.993| 6.029] accepted [-3| 10| 2.993| 6.029] | AttM -6→-3 RSM "
          "2.9928768→1.7523255 RPM 6.028561→14.544129 PRSM 4.9881287→2.920543 PRPM 2.4999864→2.0675857 RST "
          "2.9928768→1.7523255 PRT 4.9881287→2.920543 DirtyFlag 0→1 AttHbak 10→-10 AttMbak 6→-3");
    check("text entry", 3, midPad, {{"none", nullptr, nullptr, Ok}},
          "Mid Range Attenuator Calculation [-6| 10| 2.993| 6.029] accepted [none| 10| 2.993| 6.029] | AttM -6→0 RSM "
          "2.9928768→0 RPM 6.028561→0 PRSM 4.9881287→0 PRPM 2.4999864→0 RST 2.9928768→0 PRT 4.9881287→0 DirtyFlag 0→1 "
          "AttHbak 10→-10 AttMbak 6→0");
    check("cancel after calc", 2, highPad,
          {{"3", "20", nullptr, Calc}, {"12", "40", nullptr, Calc}, {nullptr, nullptr, nullptr, Cancel}},
          "High Range Attenuator Calculation [-10| 10| 4.103| 2.775] open open cancelled [12|40| 4.493| 2.013] | PinH "
          "10→20 AttH -10→-3 RSH 4.1026335→1.7523255 RPH 2.7748518→14.544129 PRSH 6.8377233→5.8410854 PRPH "
          "2.162278→4.135171 PinHbak 10→20 AttHbak 10→-3 AttMbak 6→-6");
    for (const char* power : {"0", "-5", "watts", ""}) {
        SCOPED_TRACE(power);
        check("ok refused then cancel", 2, highPad, {{"3", power, nullptr, Ok}, {nullptr, nullptr, nullptr, Cancel}},
              "High Range Attenuator Calculation [-10| 10| 4.103| 2.775] beep cancelled [3| 10| 4.103| 2.775] | "
              "attValueFlag 0→1 AttHbak 10→-10 AttMbak 6→-6");
        check("ok refused", 2, highPad, {{"3", power, nullptr, Ok}},
              "High Range Attenuator Calculation [-10| 10| 4.103| 2.775] beep [3| 10| 4.103| 2.775] | AttH -10→3 "
              "attValueFlag 0→1 AttHbak 10→-10 AttMbak 6→-6");
        check("calc refused", 2, highPad, {{"3", power, nullptr, Calc}},
              "High Range Attenuator Calculation [-10| 10| 4.103| 2.775] beep [3| 10| 1.752| 14.544] | AttH -10→-3 RSH "
              "4.1026335→1.7523255 RPH 2.7748518→14.544129 PRSH 6.8377233→2.920543 PRPH 2.162278→2.0675857 AttHbak "
              "10→-10 AttMbak 6→-6");
    }
    EXPECT_EQ(attenuatedDriverForKey("HighAtt"), AttenuatedDriver::High);
    EXPECT_EQ(attenuatedDriverForKey("MidAtt"), AttenuatedDriver::Mid);
    EXPECT_FALSE(attenuatedDriverForKey("HighInc"));
}

// A later SPL entry, even unchanged, replaces the pad by the level difference.
TEST(AttenuatorSheet, LaterSplEntryReplacesThePad)
{
    Design d = newDesign(2);
    AttenuatorSheet pad(d, AttenuatedDriver::High);
    pad.field10 = "3";
    EXPECT_EQ(pad.ok(), SheetOutcome::accepted());
    SplSheet levels(d);
    EXPECT_EQ(levels.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.AttH, -10.0F);
}

}  // namespace
}  // namespace larkspan
