// The fourth-order 3-way network: published component values, the band-pass
// prototype table and its intervals, level factors, and the stated shape of
// each branch.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "synthesis/fth3way.h"
#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::cplx;
using test::evaluate;
using test::Ladder;

Design fourthOrder3Way(const std::string& key, float fxl, float fxh)
{
    return test::threeWayDesign(4, key, fxl, fxh);
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
    const Design d = fourthOrder3Way(GetParam().key, 300, 3000);
    const float got[] = {d.LL1, d.LL2, d.CL1, d.CL2, d.CM1, d.LM1, d.CM2, d.LM2, d.LM3,
                         d.CM3, d.LM4, d.CM4, d.CH1, d.LH1, d.CH2, d.LH2, d.RAN};
    const char* names[] = {"LL1", "LL2", "CL1", "CL2", "CM1", "LM1", "CM2", "LM2", "LM3",
                           "CM3", "LM4", "CM4", "CH1", "LH1", "CH2", "LH2", "RAN"};
    ASSERT_EQ(GetParam().values.size(), std::size(got));
    for (std::size_t i = 0; i < std::size(got); ++i) {
        const auto [value, unit] = test::printedValue(GetParam().values[i]);
        EXPECT_NEAR(got[i], value, unit * 1.0001) << names[i];
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

TEST(FourthOrder3Way, PublishedIntermediatesOfTheButterworthDesign)
{
    const Design d = fourthOrder3Way("Butter", 300, 3000);
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
}

TEST(FourthOrder3Way, PublishedIntermediatesOfTheOtherAlignments)
{
    const Design asy = fourthOrder3Way("ButAsy", 300, 3000);
    EXPECT_NEAR(asy.R2, 2.9093, 0.00005);  // (3000·0.92)/sqrt(300/0.92 · 3000·0.92)

    const Design cheb = fourthOrder3Way("Chebyc", 300, 3000);
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

TEST(FourthOrder3Way, NonMonotonicValueAtTwoPointOneReachesTheButterworthPrototype)
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
        const Design d = fourthOrder3Way("Butter", 1000, static_cast<float>(1000 * row.ratio));
        EXPECT_NEAR(d.AA1, row.AA1, 1e-4) << row.ratio;
        EXPECT_TRUE(std::isfinite(d.L3) && d.L3 > 0) << row.ratio;
    }
}

// Level factors chosen by range of R2, evaluated by hand from their pieces.
TEST(FourthOrder3Way, LevelFactorsByRange)
{
    // "Linkwi": KK2 is exactly 0.81 from R2 = 3.5 on (FXH/FXL = 12.25).
    for (const float fxh : {3675.0F, 4500.0F, 9000.0F}) {
        const Design d = fourthOrder3Way("Linkwi", 300, fxh);
        EXPECT_EQ(d.KK2, 0.81F) << fxh;
    }
    // "Chebyc" at R2 = 1.73: KK1 = 35.55556·1.73² − 146.22222·1.73 + 152.82222
    // = 6.272, the steep rise of RAN for narrow mid bands.
    const Design narrow = fourthOrder3Way("Chebyc", 1000, 1000 * 1.73F * 1.73F);
    EXPECT_NEAR(narrow.RAN / narrow.RM, 6.272, 0.002);
    // "Butter" below R2 = 2.75 with R2 = 2.5: KK1 = −0.0914509·15.625 +
    // 0.507554·6.25 − 1.03157·2.5 + 1.90033 = 1.0647, g = 1.1625.
    const Design butter = fourthOrder3Way("Butter", 1000, 6250);
    EXPECT_NEAR(butter.KK1, 1.0647, 0.0001);
    EXPECT_NEAR(butter.RAN / ((butter.k0 / butter.H2 - 1) * butter.RM), 1.0647 * 1.1625, 0.0002);
    // "Bessel" at R2 = 1.8 (the steep piece of g): RAN carries 0.6·KK1·g with
    // KK1 = −0.22863·5.832 + 1.3596·3.24 − 2.21069·1.8 + 1.55752 = 0.6500
    // and g = −0.3·1.8 + 1.775 = 1.235.
    const Design bessel = fourthOrder3Way("Bessel", 1000, 3240);
    EXPECT_NEAR(bessel.KK1, 0.6500, 0.0001);
    EXPECT_NEAR(bessel.RAN / ((bessel.k0 / bessel.H2 - 1) * bessel.RM), 0.6 * 0.6500 * 1.235, 0.0002);
}

// For the four expanded alignments the mid branch is
// (k0·RM/R0)·z⁴ / (p(z)·q(z)), z = s/w0, with the high-pass part
// p = z⁴ + AA1·R1·z³ + BB1·R1²·z² + CC1·R1³·z + R1⁴ and the low-pass part
// q = z⁴ + CC1·R2·z³ + BB1·R2²·z² + AA1·R2³·z + R2⁴.
TEST(FourthOrder3Way, MidIsTheProductOfTheTwoPrototypes)
{
    for (const char* key : {"Butter", "ButAsy", "Linkwi", "Bessel"}) {
        for (const float fxh : {1500.0F, 3000.0F, 9000.0F}) {
            const Design d = test::threeWayDesign(4, key, 300, fxh);
            const auto mid = test::fourthOrder3WayNetwork(d).mid;
            const double R1 = d.R1, R2 = d.R2, AA1 = d.AA1, BB1 = d.BB1, CC1 = d.CC1;
            for (const double hz : {100.0, 400.0, 900.0, 2000.0, 6000.0}) {
                const cplx z(0, hz / d.F0);
                const cplx p = z * z * z * z + AA1 * R1 * z * z * z + BB1 * R1 * R1 * z * z + CC1 * R1 * R1 * R1 * z +
                               R1 * R1 * R1 * R1;
                const cplx q = z * z * z * z + CC1 * R2 * z * z * z + BB1 * R2 * R2 * z * z + AA1 * R2 * R2 * R2 * z +
                               R2 * R2 * R2 * R2;
                const cplx expected = static_cast<double>(d.k0) * d.RM / d.R0 * z * z * z * z / (p * q);
                const cplx got = mid.transfer(PI2 * hz);
                EXPECT_NEAR(std::abs(got / expected - 1.0), 0.0, 2e-4) << key << " FXH " << fxh << " at " << hz;
            }
        }
    }
}

// The Chebychev mid is designed as a band-pass transform (series L3 + C3,
// L5 parallel C5, series L4 + C4, L6 parallel C6) and converted into this
// network's ladder. The conversion keeps the denominator, so the two have the
// same phase at every frequency and their magnitudes differ by the constant
// ratio of the numerators, L3·L4·C3·C4 of the ladder over C3·C4·L5·L6 of the
// first form (a gain step the level factor KK1 is fitted to).
TEST(FourthOrder3Way, ChebychevConversionKeepsTheFirstFormsDenominator)
{
    for (const float fxh : {900.0F, 3000.0F, 7500.0F}) {
        const Design d = test::threeWayDesign(4, "Chebyc", 300, fxh);
        // The first form, in double from the prototype constants.
        const double R0 = static_cast<double>(d.RM) + d.RAN, wH = PI2 * d.FXH, v = std::pow(PI2 * d.F0, 2.0);
        const double L3 = 1.28173 * R0 / wH * d.P1, L4 = 1.41256 * R0 / wH * d.P1;
        const double C5 = 1.90934 / (wH * R0) * d.P1, C6 = 1.04952 / (wH * R0) * d.P1;
        const double C3 = 1 / (v * L3), C4 = 1 / (v * L4), L5 = 1 / (v * C5), L6 = 1 / (v * C6);
        const Ladder firstForm = Ladder()
                                     .L(1, 2, L3)
                                     .C(2, 3, C3)
                                     .L(3, 0, L5)
                                     .C(3, 0, C5)
                                     .L(3, 4, L4)
                                     .C(4, 5, C4)
                                     .L(5, 0, L6)
                                     .C(5, 0, C6)
                                     .R(5, 6, d.RAN)
                                     .R(6, 0, d.RM);
        const double gainRatio = (static_cast<double>(d.L3) * d.L4 * d.C3 * d.C4) / (C3 * C4 * L5 * L6);
        const auto mid = test::fourthOrder3WayNetwork(d).mid;
        for (const double hz : {60.0, 300.0, 520.0, 1000.0, 2500.0, 8000.0}) {
            const cplx ratio = mid.transfer(PI2 * hz) / firstForm.transfer(PI2 * hz, 6);
            EXPECT_NEAR(std::abs(ratio), gainRatio, 1e-4 * gainRatio) << fxh << " at " << hz;
            EXPECT_NEAR(std::arg(ratio) * test::kDegPerRad, 0.0, 0.01) << fxh << " at " << hz;
        }
        // The documented consequence at the published design: about +3 dB.
        if (fxh == 3000.0F) {
            EXPECT_NEAR(20 * std::log10(gainRatio), 3.0, 0.05);
        }
    }
}

// Low and high branches against their prototypes, by hand: Butterworth is
// −3.01 dB at its corner, each Linkwitz-Riley section −6.02 dB; "ButAsy" puts
// the corners at 0.88·FXL and FXH/0.88; "Bessel" is the unit-delay Bessel
// polynomial in x = 2.9·s/wL (and its mirror at FXH), whose magnitude at
// x = j is |0.580952 + j·0.904762| = 1.075221, an attenuation of 0.62995 dB.
TEST(FourthOrder3Way, LowAndHighBranchesFollowTheirPrototypes)
{
    const struct {
        const char* key;
        double loHz, hiHz;  // where the branches are checked, as multiples of FXL, FXH
        double attenuation;
    } rows[] = {
        {"Butter", 1.0, 1.0, 3.0103},
        {"Linkwi", 1.0, 1.0, 6.0206},
        {"ButAsy", 0.88, 1 / 0.88, 3.0103},
        {"Bessel", 1 / 2.9, 2.9, 0.62995},
    };
    for (const auto& r : rows) {
        const Design d = fourthOrder3Way(r.key, 300, 3000);
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 1, PI2 * 300 * r.loHz), r.attenuation, 2e-4) << r.key;
        EXPECT_NEAR(evaluate(d, EvalKind::Fr, 3, PI2 * 3000 * r.hiHz), r.attenuation, 2e-4) << r.key;
    }
}

}  // namespace
}  // namespace larkspan
