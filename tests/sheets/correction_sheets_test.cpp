// The impedance-correction, SPL and attenuator sheets as models: what their
// buttons do to the design and to the texts they show.
#include <gtest/gtest.h>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "sheets/attenuator_sheets.h"
#include "sheets/impedance_correction_sheet.h"

namespace larkspan {
namespace {

// A new design as the File menu makes it.
Design newDesign(int channel = 2)
{
    Design d;
    InitSetupParaOnSave(d);
    d.channel = static_cast<std::int16_t>(channel);
    InitSetupParaNoSave(d);
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    return d;
}

const SheetOutcome kStaysOpen{};
const SheetOutcome kStaysOpenWithBeep = SheetOutcome::refusedWithBeep();

// ---------------------------------------------------------------------------
// Impedance-increase correction sheet

TEST(ImpedanceSheet, OpensWithTheDriversValues)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::Low);
    EXPECT_EQ(sheet.title(), "Low Range Imp. Increase Correction");
    EXPECT_EQ(sheet.field10, " 6");
    EXPECT_EQ(sheet.field11, " 0.5");
    EXPECT_EQ(sheet.field12, "Default Low");
    // 0.5 mH / (6 ohm)² = 13.8889 µF, shown to three decimals.
    EXPECT_EQ(sheet.result51(), " 6");
    EXPECT_EQ(sheet.result52(), " 13.889");
    EXPECT_EQ(d.FreqCheckFlag, 1);

    ImpedanceCorrectionSheet high(d, CorrectedDriver::High);
    EXPECT_EQ(high.title(), "High Range Imp. Increase Correction");
    EXPECT_EQ(high.field11, " 0.125");
    EXPECT_EQ(high.result52(), " 3.472");  // 0.125 mH / 36 ohm²
    EXPECT_EQ(ImpedanceCorrectionSheet(d, CorrectedDriver::Mid).title(), "Mid Range Imp. Increase Correction");
}

TEST(ImpedanceSheet, MenuKeysSelectTheDriver)
{
    EXPECT_EQ(correctedDriverForKey("LowInc"), CorrectedDriver::Low);
    EXPECT_EQ(correctedDriverForKey("MidInc"), CorrectedDriver::Mid);
    EXPECT_EQ(correctedDriverForKey("HighInc"), CorrectedDriver::High);
    EXPECT_FALSE(correctedDriverForKey("HighAtt"));
    EXPECT_FALSE(correctedDriverForKey("lowinc"));
}

TEST(ImpedanceSheet, OkAppliesOnlyTheSelectedDriver)
{
    Design d = newDesign(3);
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::Mid);
    sheet.field10 = "8";
    sheet.field11 = "0.4 mH";  // the leading number counts
    sheet.field12 = "MR-100";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.RM, 8.0F);
    EXPECT_EQ(d.LM, 0.4F);
    EXPECT_EQ(d.s_SPM, "MR-100");
    EXPECT_EQ(d.REQM, 8.0F);
    EXPECT_NEAR(d.CEQM, 6.25, 1e-5);  // 0.4 mH / 64 ohm²
    EXPECT_EQ(d.RMbak, 8.0F);
    EXPECT_EQ(d.LMbak, 0.4F);
    EXPECT_EQ(d.corrImpFlg, 0);
    EXPECT_EQ(d.FreqCheckFlag, 0);
    EXPECT_EQ(d.DirtyFlag, 1);
    // The other drivers are untouched.
    EXPECT_EQ(d.RE, 6.0F);
    EXPECT_EQ(d.LH, 0.125F);
    EXPECT_EQ(d.s_SPE, "Default Low");
}

struct BadPairRow {
    const char* name;
    const char* resistance;
    const char* inductance;
    friend void PrintTo(const BadPairRow& r, std::ostream* os) { *os << r.name; }
};

const auto kBadPairs =
    testing::Values(BadPairRow{"zero_resistance", "0", "0.5"}, BadPairRow{"text_resistance", "eight", "0.5"},
                    BadPairRow{"zero_inductance", "8", "0"}, BadPairRow{"negative_inductance", "8", "-0.1"},
                    BadPairRow{"text_inductance", "8", "mH"},
                    // Positive as a double but 0 once stored as a float.
                    BadPairRow{"underflows_to_zero", "8", "1e-50"});

class ImpedanceSheetRefuses : public testing::TestWithParam<BadPairRow> {};

TEST_P(ImpedanceSheetRefuses, OkBeepsAndPutsThePreviousPairBack)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::High);
    sheet.field10 = GetParam().resistance;
    sheet.field11 = GetParam().inductance;
    sheet.field12 = "T-25";
    EXPECT_EQ(sheet.ok(), kStaysOpenWithBeep);
    EXPECT_EQ(d.RH, 6.0F);
    EXPECT_EQ(d.LH, 0.125F);
    EXPECT_EQ(sheet.field10, " 6");
    EXPECT_EQ(sheet.field11, " 0.125");
    EXPECT_EQ(sheet.result52(), " 3.472");
    EXPECT_EQ(d.corrImpFlg, 1);
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(d.FreqCheckFlag, 1);  // still open
    EXPECT_EQ(d.s_SPH, "T-25");     // the model name read is kept

    // A good entry afterwards is accepted and clears the flag.
    sheet.field10 = "4";
    sheet.field11 = "0.064";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.corrImpFlg, 0);
    EXPECT_NEAR(d.CEQH, 4.0, 1e-5);  // 0.064 mH / 16 ohm²
}

TEST_P(ImpedanceSheetRefuses, CalcBeepsAndLeavesTheResultsAsTheyWere)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::Low);
    sheet.field10 = GetParam().resistance;
    sheet.field11 = GetParam().inductance;
    EXPECT_EQ(sheet.calc(), kStaysOpenWithBeep);
    EXPECT_EQ(d.RE, 6.0F);
    EXPECT_EQ(d.LE, 0.5F);
    EXPECT_EQ(sheet.field10, " 6");
    EXPECT_EQ(sheet.field11, " 0.5");
    EXPECT_EQ(sheet.result51(), " 6");
    EXPECT_EQ(sheet.result52(), " 13.889");
    EXPECT_EQ(d.DirtyFlag, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, ImpedanceSheetRefuses, kBadPairs,
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImpedanceSheet, SmallestPositiveEntriesAreAccepted)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::Low);
    sheet.field10 = "0.001";
    sheet.field11 = "1e-30";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.RE, 0.001F);
    EXPECT_EQ(d.LE, 1e-30F);
}

TEST(ImpedanceSheet, CalcAppliesAndStaysOpen)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::Low);
    sheet.field10 = "5";
    sheet.field11 = "0.7";
    sheet.field12 = "ignored by Calc.";
    EXPECT_EQ(sheet.calc(), kStaysOpen);
    EXPECT_EQ(d.RE, 5.0F);
    EXPECT_EQ(d.LE, 0.7F);
    EXPECT_EQ(sheet.result51(), " 5");
    EXPECT_EQ(sheet.result52(), " 28");  // 0.7 mH / 25 ohm²
    // The backups hold the values in force before this Calc.
    EXPECT_EQ(d.REbak, 6.0F);
    EXPECT_EQ(d.LEbak, 0.5F);
    EXPECT_EQ(d.s_SPE, "Default Low");
    EXPECT_EQ(d.DirtyFlag, 0);
    EXPECT_EQ(d.FreqCheckFlag, 1);
}

TEST(ImpedanceSheet, CancelAfterTwoCalcsReturnsToTheFirstCalc)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::Low);
    sheet.field10 = "5";
    sheet.field11 = "0.7";
    sheet.calc();
    sheet.field10 = "4";
    sheet.field11 = "0.9";
    sheet.calc();
    EXPECT_EQ(sheet.cancel(), SheetOutcome::cancelled());
    EXPECT_EQ(d.RE, 5.0F);
    EXPECT_EQ(d.LE, 0.7F);
    EXPECT_NEAR(d.CEQL, 28.0, 1e-4);  // recomputed for the restored pair
    EXPECT_EQ(d.FreqCheckFlag, 0);
    EXPECT_EQ(d.DirtyFlag, 0);
}

TEST(ImpedanceSheet, CancelWithoutCalcRestoresTheOpeningValues)
{
    Design d = newDesign();
    ImpedanceCorrectionSheet sheet(d, CorrectedDriver::High);
    sheet.field10 = "0";
    sheet.ok();  // refused
    sheet.field10 = "3";
    EXPECT_EQ(sheet.cancel(), SheetOutcome::cancelled());
    EXPECT_EQ(d.RH, 6.0F);
    EXPECT_EQ(d.LH, 0.125F);
    EXPECT_NEAR(d.CEQH, 3.4722, 0.00005);
    EXPECT_EQ(d.FreqCheckFlag, 0);
}

// ---------------------------------------------------------------------------
// SPL sheet

TEST(SplSheet, OpensWithTheLevels)
{
    Design d = newDesign(3);
    SplSheet sheet(d);
    EXPECT_EQ(sheet.field10, " 100");
    EXPECT_EQ(sheet.field11, " 96");
    EXPECT_EQ(sheet.field12, " 90");
}

TEST(SplSheet, TwoWayReadsHighAndLowOnly)
{
    Design d = newDesign(2);
    SplSheet sheet(d);
    sheet.field10 = "95.5";
    sheet.field11 = "0";  // no mid field in a 2-way sheet: not read, not checked
    sheet.field12 = "88";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.HigSPL, 95.5F);
    EXPECT_EQ(d.MidSPL, 96.0F);
    EXPECT_EQ(d.LowSPL, 88.0F);
    EXPECT_EQ(d.AttH, -7.5F);  // 95.5 − 88, stored back negative
    EXPECT_EQ(d.AttM, -8.0F);  // 96 − 88
    EXPECT_EQ(d.HigSPLbak, 95.5F);
    EXPECT_EQ(d.DirtyFlag, 1);
}

TEST(SplSheet, ThreeWayReadsAllThree)
{
    Design d = newDesign(3);
    SplSheet sheet(d);
    sheet.field10 = "92";
    sheet.field11 = "89";
    sheet.field12 = "90";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.MidSPL, 89.0F);
    EXPECT_EQ(d.AttH, -2.0F);
    EXPECT_EQ(d.AttM, 0.0F);  // quieter than the woofer: no pad
    EXPECT_EQ(d.RSM, 0.0F);
    EXPECT_EQ(d.RPM, 0.0F);
}

struct SplRefusalRow {
    const char* name;
    int channel;
    const char* high;
    const char* mid;
    const char* low;
    friend void PrintTo(const SplRefusalRow& r, std::ostream* os) { *os << r.name; }
};

class SplSheetRefuses : public testing::TestWithParam<SplRefusalRow> {};

TEST_P(SplSheetRefuses, WholeEntryGoesBackWithOneBeep)
{
    const auto& row = GetParam();
    Design d = newDesign(row.channel);
    SplSheet sheet(d);
    sheet.field10 = row.high;
    sheet.field11 = row.mid;
    sheet.field12 = row.low;
    EXPECT_EQ(sheet.ok(), kStaysOpenWithBeep);
    EXPECT_EQ(d.HigSPL, 100.0F);
    EXPECT_EQ(d.MidSPL, 96.0F);
    EXPECT_EQ(d.LowSPL, 90.0F);
    EXPECT_EQ(d.AttH, -10.0F);
    EXPECT_EQ(d.DirtyFlag, 0);
    // The fields keep what was typed.
    EXPECT_EQ(sheet.field10, row.high);
    EXPECT_EQ(sheet.field12, row.low);
    EXPECT_EQ(sheet.cancel(), SheetOutcome::cancelled());
    EXPECT_EQ(d.HigSPL, 100.0F);
}

INSTANTIATE_TEST_SUITE_P(Rows, SplSheetRefuses,
                         testing::Values(SplRefusalRow{"zero_high", 2, "0", "96", "90"},
                                         SplRefusalRow{"negative_low", 2, "100", "96", "-90"},
                                         SplRefusalRow{"text_high", 2, "loud", "96", "90"},
                                         SplRefusalRow{"zero_mid_three_way", 3, "101", "0", "91"},
                                         SplRefusalRow{"text_mid_three_way", 3, "101", "dB", "91"},
                                         SplRefusalRow{"empty_low_three_way", 3, "101", "95", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Attenuator sheet

TEST(AttenuatorSheet, OpensWithTheStoredAttenuationAndThePad)
{
    Design d = newDesign();
    AttenuatorSheet sheet(d, AttenuatedDriver::High);
    EXPECT_EQ(sheet.title(), "High Range Attenuator Calculation");
    EXPECT_EQ(sheet.field10, "-10");  // stored back negative
    EXPECT_EQ(sheet.field11, " 10");
    // 10 dB into 6 ohm: Kp = 0.1, Rp = 6·(0.1 + 0.3162)/0.9 = 2.775 ohm,
    // Rs = 6 − (Rp ∥ 6) = 4.103 ohm (worked by hand).
    EXPECT_EQ(sheet.result51(), " 4.103");
    EXPECT_EQ(sheet.result52(), " 2.775");

    AttenuatorSheet mid(d, AttenuatedDriver::Mid);
    EXPECT_EQ(mid.title(), "Mid Range Attenuator Calculation");
    EXPECT_EQ(mid.field10, "-6");
    EXPECT_EQ(mid.result51(), " 2.993");  // 6 dB into 6 ohm
    EXPECT_EQ(mid.result52(), " 6.029");
    EXPECT_EQ(attenuatedDriverForKey("HighAtt"), AttenuatedDriver::High);
    EXPECT_EQ(attenuatedDriverForKey("MidAtt"), AttenuatedDriver::Mid);
    EXPECT_FALSE(attenuatedDriverForKey("HighInc"));
}

TEST(AttenuatorSheet, OkGivesThePadOfTheEnteredAttenuation)
{
    Design d = newDesign();
    AttenuatorSheet sheet(d, AttenuatedDriver::High);
    sheet.field10 = "3";
    sheet.field11 = "50";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.AttH, -3.0F);
    EXPECT_EQ(d.PinH, 50.0F);
    EXPECT_NEAR(d.RSH, 1.7523, 0.0001);  // 3 dB into 6 ohm, by hand
    EXPECT_NEAR(d.RPH, 14.544, 0.001);
    EXPECT_EQ(d.AttHbak, -3.0F);
    EXPECT_EQ(d.PinHbak, 50.0F);
    EXPECT_EQ(d.attValueFlag, 0);
    EXPECT_EQ(d.DirtyFlag, 1);
    EXPECT_EQ(d.AttM, -6.0F);  // the mid pad stays
    EXPECT_EQ(d.PinM, 10.0F);

    // A later SPL entry, even unchanged, replaces it by the level difference.
    SplSheet spl(d);
    EXPECT_EQ(spl.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.AttH, -10.0F);
}

TEST(AttenuatorSheet, AttenuationIsTakenAsEnteredWhateverItsSign)
{
    Design d = newDesign(3);
    AttenuatorSheet sheet(d, AttenuatedDriver::Mid);
    sheet.field10 = "-3";
    EXPECT_EQ(sheet.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.AttM, -3.0F);
    EXPECT_NEAR(d.RSM, 1.7523, 0.0001);

    AttenuatorSheet again(d, AttenuatedDriver::Mid);
    again.field10 = "none";  // reads as 0: no L-pad
    EXPECT_EQ(again.ok(), SheetOutcome::accepted());
    EXPECT_EQ(d.AttM, 0.0F);
    EXPECT_EQ(d.RSM, 0.0F);
    EXPECT_EQ(d.RPM, 0.0F);
    EXPECT_EQ(d.AttH, -10.0F);
}

class AttenuatorSheetRefuses : public testing::TestWithParam<const char*> {};

TEST_P(AttenuatorSheetRefuses, PowerGoesBackAndTheAttenuationStays)
{
    Design d = newDesign();
    AttenuatorSheet sheet(d, AttenuatedDriver::High);
    sheet.field10 = "3";
    sheet.field11 = GetParam();
    EXPECT_EQ(sheet.ok(), kStaysOpenWithBeep);
    EXPECT_EQ(d.PinH, 10.0F);
    EXPECT_EQ(sheet.field11, " 10");
    EXPECT_EQ(d.AttH, 3.0F);  // as entered; not yet applied to the pad
    EXPECT_EQ(sheet.result51(), " 4.103");
    EXPECT_EQ(sheet.result52(), " 2.775");
    EXPECT_EQ(d.attValueFlag, 1);
    EXPECT_EQ(d.DirtyFlag, 0);

    // Cancel returns to the values in force before the refused OK.
    EXPECT_EQ(sheet.cancel(), SheetOutcome::cancelled());
    EXPECT_EQ(d.AttH, -10.0F);
    EXPECT_EQ(d.PinH, 10.0F);
    EXPECT_NEAR(d.RSH, 4.1026, 0.0001);
}

TEST_P(AttenuatorSheetRefuses, CalcRestoresThePowerButAppliesTheAttenuation)
{
    Design d = newDesign();
    AttenuatorSheet sheet(d, AttenuatedDriver::High);
    sheet.field10 = "3";
    sheet.field11 = GetParam();
    EXPECT_EQ(sheet.calc(), kStaysOpenWithBeep);
    EXPECT_EQ(d.PinH, 10.0F);
    EXPECT_EQ(d.AttH, -3.0F);
    EXPECT_EQ(sheet.result51(), " 1.752");
    EXPECT_EQ(sheet.result52(), " 14.544");
}

INSTANTIATE_TEST_SUITE_P(Rows, AttenuatorSheetRefuses, testing::Values("0", "-5", "watts", ""));

TEST(AttenuatorSheet, CancelAfterCalcKeepsTheCalcValues)
{
    Design d = newDesign();
    AttenuatorSheet sheet(d, AttenuatedDriver::High);
    sheet.field10 = "3";
    sheet.field11 = "20";
    EXPECT_EQ(sheet.calc(), kStaysOpen);
    EXPECT_EQ(sheet.result51(), " 1.752");
    EXPECT_EQ(d.AttHbak, -10.0F);  // backups hold what was in force before
    sheet.field10 = "12";
    sheet.field11 = "40";
    sheet.calc();
    EXPECT_EQ(sheet.cancel(), SheetOutcome::cancelled());
    EXPECT_EQ(d.AttH, -3.0F);
    EXPECT_EQ(d.PinH, 20.0F);
    EXPECT_NEAR(d.RSH, 1.7523, 0.0001);
    EXPECT_EQ(d.DirtyFlag, 0);
}

}  // namespace
}  // namespace larkspan
