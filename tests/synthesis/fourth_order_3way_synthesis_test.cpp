// Synthesis of the fourth-order 3-way network: published component values,
// the band-pass prototype table and its intervals, level factors, keys
// without a procedure, and inputs that make the formulas degenerate.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/design.h"
#include "synthesis/cofcal.h"
#include "synthesis/fth3way.h"

namespace larkspan {
namespace {

Design fourthOrder3Way(const std::string& key, float fxl, float fxh, float r = 8)
{
    Design d;
    d.channel = 3;
    d.order = 4;
    d.s_Type = key;
    d.FXL = fxl;
    d.FXH = fxh;
    d.RE = d.RM = d.RH = r;
    return d;
}

// A printed value and the size of one unit in its last printed digit.
struct Printed {
    double value;
    double unit;
};

Printed printed(const std::string& text)
{
    const auto point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return {std::stod(text), std::pow(10.0, -decimals)};
}

struct PublishedRow {
    const char* key;
    // LL1 LL2 CL1 CL2 CM1 LM1 CM2 LM2 LM3 CM3 LM4 CM4 CH1 LH1 CH2 LH2 RAN
    std::vector<std::string> values;

    friend void PrintTo(const PublishedRow& r, std::ostream* os) { *os << r.key; }
};

class FourthOrder3WayPublishedValues : public testing::TestWithParam<PublishedRow> {};

// FXL = 300 Hz, FXH = 3000 Hz, 8 ohm drivers: the published value sheet
// (mH, µF, ohm). The published figures are allowed one unit in their last
// digit: several are rounded from products of already rounded values (for
// instance "ButAsy" CH2 5.392 = 0.88·6.127, while 0.88·6.12667 = 5.3915).
TEST_P(FourthOrder3WayPublishedValues, MatchToTheirPrintedDigits)
{
    Design d = fourthOrder3Way(GetParam().key, 300, 3000);
    cofCal(d);
    const float got[] = {d.LL1, d.LL2, d.CL1, d.CL2, d.CM1, d.LM1, d.CM2, d.LM2, d.LM3,
                         d.CM3, d.LM4, d.CM4, d.CH1, d.LH1, d.CH2, d.LH2, d.RAN};
    const char* names[] = {"LL1", "LL2", "CL1", "CL2", "CM1", "LM1", "CM2", "LM2", "LM3",
                           "CM3", "LM4", "CM4", "CH1", "LH1", "CH2", "LH2", "RAN"};
    ASSERT_EQ(GetParam().values.size(), std::size(got));
    for (std::size_t i = 0; i < std::size(got); ++i) {
        const Printed p = printed(GetParam().values[i]);
        EXPECT_NEAR(got[i], p.value, p.unit * 1.0001) << names[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    FXL300FXH3000, FourthOrder3WayPublishedValues,
    testing::Values(PublishedRow{"Butter",
                                 {"6.497", "4.594", "104.6", "25.38", "42.09", "2.663", "57.57", "15.00", "0.9493",
                                  "8.117", "0.4914", "1.712", "4.332", "0.2691", "6.127", "1.109", "2.035"}},
                    PublishedRow{"ButAsy",
                                 {"7.383", "5.220", "118.9", "28.84", "39.41", "2.467", "51.46", "14.41", "1.080",
                                  "8.327", "0.5515", "1.755", "3.812", "0.2368", "5.392", "0.976", "2.489"}},
                    PublishedRow{"Linkwi",
                                 {"8.003", "4.001", "105.5", "23.45", "39.05", "2.859", "62.18", "15.30", "1.028",
                                  "7.332", "0.4675", "1.676", "3.517", "0.2668", "7.034", "1.200", "2.181"}},
                    PublishedRow{"Bessel",
                                 {"8.741", "3.568", "88.98", "19.23", "35.92", "3.122", "64.84", "15.95", "1.119",
                                  "6.582", "0.4572", "1.605", "3.220", "0.3163", "7.889", "1.464", "2.557"}},
                    PublishedRow{"Chebyc",
                                 {"5.440", "5.995", "126.6", "69.60", "63.35", "1.806", "44.43", "3.413", "0.7121",
                                  "10.93", "0.8151", "5.697", "5.174", "0.2223", "4.695", "0.4044", "3.284"}}),
    [](const auto& info) { return std::string(info.param.key); });

TEST(FourthOrder3WaySynthesis, PublishedIntermediatesOfTheButterworthDesign)
{
    Design d = fourthOrder3Way("Butter", 300, 3000);
    cofCal(d);
    EXPECT_NEAR(d.R2, 3.1623, 0.00005);
    EXPECT_NEAR(d.H1, 1.0, 0.00005);
    EXPECT_NEAR(d.AA1, 2.6669, 0.00005);
    EXPECT_NEAR(d.BB1, 3.7810, 0.00005);
    EXPECT_NEAR(d.CC1, 2.8213, 0.00005);
    EXPECT_NEAR(d.k0, 122.20, 0.005);
    EXPECT_NEAR(d.H2, 100.0, 0.005);
    // R2 ≥ 2.75, so KK1 = 1 and RAN = (k0/H2 − 1)·RM·g with g = 1.1459.
    EXPECT_EQ(d.KK1, 1.0F);
    EXPECT_NEAR(d.RAN / ((d.k0 / d.H2 - 1) * d.RM), 1.1459, 0.00005);
    EXPECT_FLOAT_EQ(d.R0, d.RAN + d.RM);
    // The shared prototype constants of every fourth-order synthesis.
    EXPECT_NEAR(d.AA, 2.6131, 0.00005);
    EXPECT_NEAR(d.BB, 3.4142, 0.00005);
    EXPECT_NEAR(d.CC, 1.4142, 0.00005);
}

TEST(FourthOrder3WaySynthesis, PublishedIntermediatesOfTheOtherAlignments)
{
    Design asy = fourthOrder3Way("ButAsy", 300, 3000);
    cofCal(asy);
    EXPECT_NEAR(asy.R2, 2.9093, 0.00005);  // (3000·0.92)/sqrt(300/0.92 · 3000·0.92)

    Design cheb = fourthOrder3Way("Chebyc", 300, 3000);
    cofCal(cheb);
    EXPECT_NEAR(cheb.P0, 3.1623, 0.00005);  // FXH/F0
    EXPECT_NEAR(cheb.P1, 1.1545, 0.00005);
    EXPECT_NEAR(cheb.KK1, 0.4104, 0.00005);
    EXPECT_FLOAT_EQ(cheb.RAN, cheb.KK1 * cheb.RM);
}

// Breakpoint intervals and their lines. Expected values by hand from the
// printed table: the interval that R2 falls in, the two end values, and the
// line through them evaluated at R2.
struct IntervalRow {
    const char* name;
    float R2;
    float R01, R02;
    double Y, Y0, Y1;  // the three lines at R2

    friend void PrintTo(const IntervalRow& r, std::ostream* os) { *os << r.name; }
};

class FourthOrder3WayPrototypeTable : public testing::TestWithParam<IntervalRow> {};

TEST_P(FourthOrder3WayPrototypeTable, PicksTheIntervalAndInterpolates)
{
    const IntervalRow& r = GetParam();
    Design d;
    d.R2 = r.R2;
    Fth3WayparaCal(d);
    EXPECT_EQ(d.R01, r.R01);
    EXPECT_EQ(d.R02, r.R02);
    EXPECT_NEAR(d.A00 * r.R2 + d.B00, r.Y, 2e-5);
    EXPECT_NEAR(d.A001 * r.R2 + d.B001, r.Y0, 2e-5);
    EXPECT_NEAR(d.A002 * r.R2 + d.B002, r.Y1, 2e-5);
}

INSTANTIATE_TEST_SUITE_P(Rows, FourthOrder3WayPrototypeTable,
                         testing::Values(
                             // Below the table: the first line extrapolates, 2.4304 − 0.4·0.747.
                             IntervalRow{"below_table_extrapolates", 1.0F, 1.4F, 1.5F, 2.1316, 2.7352, 1.9824},
                             IntervalRow{"on_1_5_takes_the_first_interval", 1.5F, 1.4F, 1.5F, 2.5051, 2.7402, 1.1444},
                             IntervalRow{"just_above_1_5", 1.55F, 1.5F, 1.6F, 2.5351, 2.74515, 1.1085},
                             // The tabulated 2.7766 at 2.1 ends one interval and starts the next.
                             IntervalRow{"on_2_1_ends_the_interval_from_2_0", 2.1F, 2.0F, 2.1F, 2.7766, 2.7948, 1.0037},
                             IntervalRow{"inside_2_0_to_2_1", 2.05F, 2.0F, 2.1F, 2.7416, 2.79165, 1.00505},
                             IntervalRow{"inside_2_1_to_2_2", 2.15F, 2.1F, 2.2F, 2.7597, 2.79745, 1.0029},
                             IntervalRow{"on_3_0", 3.0F, 2.9F, 3.0F, 2.8026, 2.8198, 1.0},
                             IntervalRow{"first_coarse_interval", 3.1F, 3.0F, 3.2F, 2.8055, 2.82075, 1.0},
                             IntervalRow{"on_4_8", 4.8F, 4.6F, 4.8F, 2.8244, 2.8271, 1.0},
                             IntervalRow{"above_4_8", 4.9F, 4.8F, 5.0F, 2.8247, 2.8272, 1.0},
                             // Beyond the table: the last line, 2.825 + 2.1·0.003.
                             IntervalRow{"above_table_extrapolates", 7.1F, 4.8F, 5.0F, 2.8313, 2.8294, 1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FourthOrder3WaySynthesis, NonMonotonicValueAtTwoPointOneReachesTheButterworthPrototype)
{
    // R2 = sqrt(FXH/FXL); AA1 = Y(R2)·0.95 on either side of 2.1, with Y from
    // the line of the interval each side falls in.
    const struct {
        double ratio;
        double AA1;
    } rows[] = {
        {2.09 * 2.09, (2.7066 + 0.9 * 0.07) * 0.95},    // 2.0..2.1, rising to 2.7766
        {2.1 * 2.1, 2.7766 * 0.95},                     // on the breakpoint
        {2.11 * 2.11, (2.7766 - 0.1 * 0.0338) * 0.95},  // 2.1..2.2, falling to 2.7428
    };
    for (const auto& row : rows) {
        Design d = fourthOrder3Way("Butter", 1000, static_cast<float>(1000 * row.ratio));
        cofCal(d);
        EXPECT_NEAR(d.AA1, row.AA1, 1e-4) << row.ratio;
        EXPECT_TRUE(std::isfinite(d.L3) && d.L3 > 0) << row.ratio;
    }
}

// Level factors chosen by range of R2, evaluated by hand from their pieces.
TEST(FourthOrder3WaySynthesis, LevelFactorsByRange)
{
    // "Linkwi": KK2 is exactly 0.81 from R2 = 3.5 on (FXH/FXL = 12.25).
    for (const float fxh : {3675.0F, 4500.0F, 9000.0F}) {
        Design d = fourthOrder3Way("Linkwi", 300, fxh);
        cofCal(d);
        EXPECT_EQ(d.KK2, 0.81F) << fxh;
    }
    // "Chebyc" at R2 = 1.73: KK1 = 35.55556·1.73² − 146.22222·1.73 + 152.82222
    // = 6.272, the steep rise of RAN for narrow mid bands.
    Design narrow = fourthOrder3Way("Chebyc", 1000, 1000 * 1.73F * 1.73F);
    cofCal(narrow);
    EXPECT_NEAR(narrow.RAN / narrow.RM, 6.272, 0.002);
    // "Butter" below R2 = 2.75 with R2 = 2.5: KK1 = −0.0914509·15.625 +
    // 0.507554·6.25 − 1.03157·2.5 + 1.90033 = 1.0647, g = 1.1625.
    Design butter = fourthOrder3Way("Butter", 1000, 6250);
    cofCal(butter);
    EXPECT_NEAR(butter.KK1, 1.0647, 0.0001);
    EXPECT_NEAR(butter.RAN / ((butter.k0 / butter.H2 - 1) * butter.RM), 1.0647 * 1.1625, 0.0002);
    // "Bessel" at R2 = 1.8 (the steep piece of g): RAN carries 0.6·KK1·g with
    // KK1 = −0.22863·5.832 + 1.3596·3.24 − 2.21069·1.8 + 1.55752 = 0.6500
    // and g = −0.3·1.8 + 1.775 = 1.235.
    Design bessel = fourthOrder3Way("Bessel", 1000, 3240);
    cofCal(bessel);
    EXPECT_NEAR(bessel.KK1, 0.6500, 0.0001);
    EXPECT_NEAR(bessel.RAN / ((bessel.k0 / bessel.H2 - 1) * bessel.RM), 0.6 * 0.6500 * 1.235, 0.0002);
}

TEST(FourthOrder3WaySynthesis, UnknownKeyKeepsComponentsAndRefreshesCoefficients)
{
    Design d = fourthOrder3Way("Butter", 300, 3000);
    cofCal(d);
    const Design before = d;
    d.s_Type = "Cheby";
    d.FXL = 500;
    d.RE = 4;
    d.AA = 0;
    cofCal(d);
    for (float Design::*c :
         {&Design::L1, &Design::L2, &Design::C1,  &Design::C2, &Design::L3,  &Design::L4, &Design::L5,
          &Design::L6, &Design::C3, &Design::C4,  &Design::C5, &Design::C6,  &Design::C7, &Design::C8,
          &Design::L7, &Design::L8, &Design::RAN, &Design::R0, &Design::LL1, &Design::CM4})
        EXPECT_EQ(d.*c, before.*c);
    EXPECT_NEAR(d.AA, 2.6131, 0.00005);  // the constants are set whatever the key
    // A02 = L1·C1·L2/RE now divides the kept components by the new 4 ohm.
    EXPECT_FLOAT_EQ(d.A02, before.A02 * 2);
    EXPECT_FLOAT_EQ(d.A21, before.A21);
}

TEST(FourthOrder3WaySynthesis, UnitTableListsTheSixteenSheetValuesAndEveryEvaluator)
{
    const NetworkUnit* unit = unitFor(3, 4);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->cofCal, &Fth3WaycofCal);
    std::vector<std::string> names;
    for (const auto& c : unit->components) names.emplace_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"LL1", "LL2", "CL1", "CL2", "LM1", "LM2", "LM3", "LM4", "CM1", "CM2",
                                               "CM3", "CM4", "CH1", "CH2", "LH1", "LH2"}));
    for (const EvalKind kind : {EvalKind::Fr, EvalKind::Imp, EvalKind::Ph, EvalKind::Gd, EvalKind::Nq})
        for (const auto& ev : unit->of(kind)) EXPECT_NE(ev, nullptr);
    for (const auto& ev : unit->step) EXPECT_NE(ev, nullptr);
    EXPECT_EQ(unit->ph[2], &Fth3WayHiPhCal);
}

// Degenerate designs must give values (finite or not) and return.
struct DegenerateRow {
    const char* name;
    const char* key;
    float FXL, FXH, RE, RM, RH;

    friend void PrintTo(const DegenerateRow& r, std::ostream* os) { *os << r.name; }
};

class FourthOrder3WayDegenerateDesigns : public testing::TestWithParam<DegenerateRow> {};

TEST_P(FourthOrder3WayDegenerateDesigns, SynthesisAndEveryEvaluatorReturn)
{
    const DegenerateRow& r = GetParam();
    Design d = fourthOrder3Way(r.key, r.FXL, r.FXH);
    d.RE = r.RE;
    d.RM = r.RM;
    d.RH = r.RH;
    cofCal(d);
    const NetworkUnit& unit = fth3WayUnit();
    for (const EvalKind kind : {EvalKind::Fr, EvalKind::Imp, EvalKind::Ph, EvalKind::Gd, EvalKind::Nq})
        for (const auto& ev : unit.of(kind)) {
            EvalState e;
            for (const double hz : {0.0, 1.0, 1000.0, 1e5}) {
                e.f = static_cast<float>(PI2 * hz);
                ev(d, e);
            }
        }
    for (const auto& step : unit.step) {
        EvalState e;
        step(d, e);
    }
    SUCCEED();
}

INSTANTIATE_TEST_SUITE_P(Rows, FourthOrder3WayDegenerateDesigns,
                         testing::Values(DegenerateRow{"equal_frequencies_butter", "Butter", 1000, 1000, 8, 8, 8},
                                         DegenerateRow{"equal_frequencies_linkwi", "Linkwi", 1000, 1000, 8, 8, 8},
                                         DegenerateRow{"equal_frequencies_chebyc", "Chebyc", 1000, 1000, 8, 8, 8},
                                         DegenerateRow{"zero_resistances_bessel", "Bessel", 300, 3000, 0, 0, 0},
                                         DegenerateRow{"zero_resistances_chebyc", "Chebyc", 300, 3000, 0, 0, 0},
                                         DegenerateRow{"zero_frequencies_butasy", "ButAsy", 0, 0, 8, 8, 8},
                                         DegenerateRow{"negative_frequency_butter", "Butter", -300, 3000, 8, 8, 8},
                                         DegenerateRow{"nan_frequency_chebyc", "Chebyc", NAN, 3000, 8, 8, 8},
                                         DegenerateRow{"inverted_band_chebyc", "Chebyc", 3000, 300, 8, 8, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FourthOrder3WaySynthesis, NegativeDiscriminantLeavesNaNInTheChebychevMid)
{
    // FXL above FXH: R2 < 1 takes the steep first pieces of the level table,
    // and the conversion's quadratic for C4 has no real root.
    Design d = fourthOrder3Way("Chebyc", 3000, 300);
    cofCal(d);
    EXPECT_TRUE(std::isnan(d.C4));
    EXPECT_TRUE(std::isnan(d.A21));
    EXPECT_TRUE(std::isfinite(d.L1));  // the low and high branches are unaffected
    EXPECT_TRUE(std::isfinite(d.A11));
}

}  // namespace
}  // namespace larkspan
