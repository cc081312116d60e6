// The fourth-order 3-way network: the band-pass prototype table and its
// intervals, level factors, and the stated shape of the mid branch.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "synthesis/fth3way.h"
#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

Design fourthOrder3Way(const std::string& key, float fxl, float fxh)
{
    return test::threeWayDesign(4, key, fxl, fxh);
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
    // "Butter" from R2 = 2.75 on: KK1 = 1, and at R2 = 3.1623 g = 1.1459.
    const Design wide = fourthOrder3Way("Butter", 300, 3000);
    EXPECT_NEAR(wide.RAN / ((wide.k0 / wide.H2 - 1) * wide.RM), 1.1459, 0.00005);
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
        SCOPED_TRACE(fxh);
        const auto mid = test::fourthOrder3WayNetwork(d).mid;
        const double ratio =
            test::expectRealRatio(mid.net, mid.out, firstForm, 6, {60, 300, 520, 1000, 2500, 8000}, 1e-4);
        EXPECT_NEAR(ratio, gainRatio, 1e-4 * gainRatio);
        // The documented consequence at the published design: about +3 dB.
        if (fxh == 3000.0F) {
            EXPECT_NEAR(20 * std::log10(gainRatio), 3.0, 0.05);
        }
    }
}

}  // namespace
}  // namespace larkspan
