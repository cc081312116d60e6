// End-to-end tests of the built larkspan-cli.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "support/run_tool.h"

namespace larkspan {
namespace {

test::RunResult cli(const std::vector<std::string>& args) { return test::runTool(LARKSPAN_CLI, args); }

TEST(CliValues, JsonOfTheDefaultDesign)
{
    const auto r = cli({"values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"channel\": 2, \"order\": 1, \"s_Type\": \"Butter\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"FX\": 650"), std::string::npos);
    // L1 = 6/(2π·650) H = 1.46912... mH, stored as a float.
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("components": \{"LL1": 1\.469\d*, "CH1": 40\.8\d*\})")))
        << r.out;
    EXPECT_NE(r.out.find("\"pole\": 1"), std::string::npos);
}

TEST(CliValues, OptionsApplyInTheirFixedOrder)
{
    // --fxl/--fxh come after --order whatever the command line says: 500/1500
    // passes at order 3 "Bessel" only once the order is 3.
    const auto r = cli({"--fxl", "500", "--fxh", "1500", "--ways", "3", "--order", "1", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"channel\": 3"), std::string::npos);
    EXPECT_NE(r.out.find("\"FXL\": 500, \"FXH\": 1500"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"LM1\""), std::string::npos);
}

TEST(CliValues, ReadableTable)
{
    const auto r = cli({"--ways", "3", "values"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("3-way, order 1, Butter"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("RAN"), std::string::npos);
}

struct RefusalRow {
    const char* name;
    std::vector<std::string> args;
    const char* errorText;

    friend void PrintTo(const RefusalRow& r, std::ostream* os) { *os << r.name; }
};

class CliRefusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(CliRefusals, ExitTwoWithAMessageAndNoOutput)
{
    const auto r = cli(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(GetParam().errorText), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliRefusals,
    testing::Values(
        RefusalRow{"zero_frequency", {"--fx", "0", "values"}, "--fx"},
        RefusalRow{"text_frequency", {"--fx", "abc", "values"}, "positive number"},
        RefusalRow{"negative_fxl", {"--ways", "3", "--fxl", "-5", "values"}, "--fxl"},
        RefusalRow{"too_near", {"--ways", "3", "--fxl", "500", "--fxh", "1400", "values"},
                   "ALERT!      Frequencis are too near.\nEnter more separate frequencis.   FXL x 3  \u2264  FXH"},
        RefusalRow{"ratio200_third_order", {"--order", "3", "--fxl", "100", "--fxh", "20000", "values"},
                   "Frequencis are too far."},
        RefusalRow{"unknown_alignment", {"--order", "2", "--align", "Cheby", "values"},
                   "order 2 offers Linkwi, Butter, ButAsy, Bessel, Chebyc"},
        RefusalRow{"alignment_not_offered", {"--order", "3", "--align", "Linkwi", "values"}, "Butter, Bessel, Chebyc"},
        RefusalRow{"first_order_bessel", {"--align", "Bessel", "values"}, "always Butter"},
        RefusalRow{"bad_ways", {"--ways", "4", "values"}, "--ways takes 2 or 3"},
        RefusalRow{"bad_order", {"--order", "2.5", "values"}, "--order takes"},
        RefusalRow{"unknown_option", {"--frequency", "100", "values"}, "unknown option"},
        RefusalRow{"missing_value", {"--fx"}, "--fx needs a value"},
        RefusalRow{"no_command", {"--fx", "100"}, "no command"},
        RefusalRow{"unknown_command", {"plot"}, "unknown command"},
        RefusalRow{"unknown_view", {"sweep", "--view", "bode"}, "sweep needs --view"},
        RefusalRow{"values_extra_argument", {"values", "--xml"}, "values takes only --json"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliValues, FourthOrderThreeWayChebychevListsItsSixteenComponents)
{
    const auto r = cli({"--ways", "3", "--order", "4", "--align", "Chebyc", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"channel\": 3, \"order\": 4, \"s_Type\": \"Chebyc\""), std::string::npos) << r.out;
    // Defaults 200/2000 Hz, 6 ohm: LL1 = 1.28173·6/(2π·200) H = 6.1198 mH,
    // CH1 = 0.780196/(2π·2000·6) F = 10.348 µF; the sheet lists low, mid, high.
    EXPECT_TRUE(std::regex_search(
        r.out, std::regex(R"("components": \{"LL1": 6\.119\d*, "LL2": [0-9.]+, "CL1": [0-9.]+, "CL2": [0-9.]+, )"
                          R"("LM1": [0-9.]+, "LM2": [0-9.]+, "LM3": [0-9.]+, "LM4": [0-9.]+, "CM1": [0-9.]+, )"
                          R"("CM2": [0-9.]+, "CM3": [0-9.]+, "CM4": [0-9.]+, "CH1": 10\.34\d*, "CH2": [0-9.]+, )"
                          R"("LH1": [0-9.]+, "LH2": [0-9.]+\})")))
        << r.out;
    // R2 = sqrt(10): RAN = (0.08·10 − 0.86·3.16228 + 2.33)·6 = 2.4626 ohm.
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("RAN": 2\.462\d*)"))) << r.out;
}

TEST(CliValues, FourthOrderThreeWayBesselMatchesThePublishedSheet)
{
    const auto r = cli({"--ways", "3", "--order", "4", "--align", "Bessel", "--fxl", "300", "--fxh", "3000", "--re",
                        "8", "--rm", "8", "--rh", "8", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Published for 300/3000 Hz and 8 ohm drivers: LM4 0.4572 mH, CH2 7.889 µF,
    // RAN 2.557 ohm.
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("LM4": 0\.4572\d*)"))) << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("CH2": 7\.889\d*)"))) << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("RAN": 2\.557\d*)"))) << r.out;
}

TEST(CliValues, FirstOrderAcceptsButterAndChangesNothing)
{
    const auto r = cli({"--align", "Butter", "values", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(CliValues, FrequenciesAreCheckedAgainstTheAlignmentChosenBefore)
{
    // --align applies before the frequencies, so the 3-way sheet checks
    // 200/700 Hz (ratio 3.5) against "ButAsy", which needs a ratio of 4.
    const auto r = cli({"--order", "2", "--fxl", "200", "--fxh", "700", "--align", "ButAsy", "values"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("FXL x 4  \u2264  FXH"), std::string::npos) << r.err;
    const auto linkwi = cli({"--order", "2", "--fxl", "200", "--fxh", "700", "values", "--json"});
    EXPECT_EQ(linkwi.status, 0) << linkwi.err;
    EXPECT_NE(linkwi.out.find("\"FXL\": 200, \"FXH\": 700"), std::string::npos);
}

TEST(CliSweep, JsonHasTheContractsShape)
{
    const auto r = cli({"--ways", "3", "sweep", "--view", "amp", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"view\": \"amp\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": ", 0), 0U)
        << r.out.substr(0, 200);
    for (const char* branch : {"\"Mid\"", "\"Hi\"", "\"To\""}) EXPECT_NE(r.out.find(branch), std::string::npos);
    EXPECT_NE(r.out.find("\"drawn\": false"), std::string::npos);
    EXPECT_NE(r.out.find("\"drawn\": true"), std::string::npos);
    // 4 curves of 300 points each.
    std::size_t points = 0;
    for (std::size_t at = r.out.find("\"k\": "); at != std::string::npos; at = r.out.find("\"k\": ", at + 1)) ++points;
    EXPECT_EQ(points, 1200U);
}

TEST(CliSweep, CsvOfThePhase)
{
    const auto r = cli({"sweep", "--view", "ph", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("branch,k,value,x,y,drawn\nLo,4.30103,", 0), 0U) << r.out.substr(0, 100);
}

// The group-delay, Nyquist and step views: the contract's object shape, the
// raw result each point carries, and one point per step of each sweep.
struct SweepShapeRow {
    const char* name;
    std::vector<std::string> args;
    const char* start;      // the output begins with this
    const char* pointKey;   // present once per point
    std::size_t points;     // curves × points per curve
    const char* absentKey;  // a key this view's points do not carry

    friend void PrintTo(const SweepShapeRow& r, std::ostream* os) { *os << r.name; }
};

std::size_t occurrences(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class CliSweepViews : public testing::TestWithParam<SweepShapeRow> {};

TEST_P(CliSweepViews, JsonShapeAndPointCount)
{
    const auto r = cli(GetParam().args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(GetParam().start, 0), 0U) << r.out.substr(0, 200);
    EXPECT_EQ(occurrences(r.out, GetParam().pointKey), GetParam().points);
    EXPECT_EQ(r.out.find(GetParam().absentKey), std::string::npos);
    EXPECT_EQ(r.out.find("null"), std::string::npos);  // no point of these designs is non-finite
}

// Counts: 3700 group-delay points per curve (100 kHz down to 20 Hz by 0.001
// decade), 500 Nyquist points (down to about 1 Hz by 0.01 decade), 534 step
// points for FX = 650 Hz (t = 0 to 26.65 by 0.05).
INSTANTIATE_TEST_SUITE_P(
    Rows, CliSweepViews,
    testing::Values(
        SweepShapeRow{"gd_two_way",
                      {"sweep", "--view", "gd", "--json"},
                      "{\"view\": \"gd\", \"GDscl\": 0.25, \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": 5, "
                      "\"value\": ",
                      "\"k\": ",
                      3 * 3700,
                      "\"re\""},
        SweepShapeRow{"nq_three_way",
                      {"--ways", "3", "sweep", "--view", "nq", "--json"},
                      "{\"view\": \"nq\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": 5, \"re\": ",
                      "\"im\": ",
                      4 * 500,
                      "GDscl"},
        SweepShapeRow{"st_two_way",
                      {"sweep", "--view", "st", "--json"},
                      "{\"view\": \"st\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"t\": 0, \"value\": 0, "
                      "\"x\": 46, \"y\": 260, \"drawn\": false}",
                      "\"t\": ",
                      3 * 534,
                      "\"k\""},
        SweepShapeRow{"st_csv",
                      {"sweep", "--view", "st", "--csv"},
                      "branch,t,value,x,y,drawn\nLo,0,0,46,260,0\n",
                      "\n",
                      3 * 534 + 1,
                      "GDscl"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliSweep, StepTotalStartsAtTheStepsHeight)
{
    const auto r = cli({"--order", "2", "sweep", "--view", "st", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // High branch and total start at 1 (y = 120), whatever the polarity the
    // frequency-domain total gives the second-order high branch.
    EXPECT_NE(r.out.find("{\"branch\": \"Hi\", \"points\": [{\"t\": 0, \"value\": 1, \"x\": 46, \"y\": 120"),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"branch\": \"To\", \"points\": [{\"t\": 0, \"value\": 1, \"x\": 46, \"y\": 120"),
              std::string::npos);
}

// A number of the values JSON by its key; NaN when the key is missing.
double jsonValue(const std::string& json, const std::string& key)
{
    const std::string tag = "\"" + key + "\": ";
    const auto at = json.find(tag);
    if (at == std::string::npos) return std::nan("");
    return std::strtod(json.c_str() + at + tag.size(), nullptr);
}

struct CorrectionRow {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<const char*, double>> values;  // key, expected
    double tolerance;  // half a unit of the last digit given

    friend void PrintTo(const CorrectionRow& r, std::ostream* os) { *os << r.name; }
};

class CliCorrectionOptions : public testing::TestWithParam<CorrectionRow> {};

TEST_P(CliCorrectionOptions, ValuesAsTheSheetsGiveThem)
{
    auto args = GetParam().args;
    args.insert(args.end(), {"values", "--json"});
    const auto r = cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& [key, expected] : GetParam().values)
        EXPECT_NEAR(jsonValue(r.out, key), expected, GetParam().tolerance) << key << "\n" << r.out;
}

// Expected values: the published examples of the correction and the L-pad,
// and levels worked out by hand (targets are the level differences to the
// woofer, stored back negative).
INSTANTIATE_TEST_SUITE_P(
    Rows, CliCorrectionOptions,
    testing::Values(
        CorrectionRow{"published_corrections",
                      {"--re", "8", "--le", "0.5", "--rh", "6", "--lh", "0.05"},
                      {{"RE", 8}, {"REQL", 8}, {"CEQL", 7.8125}, {"REQH", 6}, {"CEQH", 1.3889}},
                      0.00005},
        // The synthesis sees the new resistance: LL1 = 8/(2π·650) H.
        CorrectionRow{"woofer_resistance_reaches_the_network", {"--re", "8"}, {{"LL1", 1.9588}}, 0.00005},
        CorrectionRow{"mid_driver_in_three_way",
                      {"--ways", "3", "--rm", "8", "--lm", "0.4"},
                      {{"RM", 8}, {"LM", 0.4}, {"REQM", 8}, {"CEQM", 6.25}},
                      0.00005},
        CorrectionRow{"published_high_pad",
                      {"--rh", "8", "--att-high", "6", "--pin-high", "50"},
                      {{"AttH", -6}, {"PinH", 50}, {"RPH", 8.038}, {"RSH", 3.991}},
                      0.0005},
        CorrectionRow{"published_high_pad_powers",
                      {"--rh", "8", "--att-high", "6", "--pin-high", "50"},
                      {{"PRSH", 24.94}, {"PRPH", 12.50}},
                      0.005},
        CorrectionRow{"levels_two_way",
                      {"--spl-high", "95.5", "--spl-low", "88"},
                      {{"HigSPL", 95.5}, {"LowSPL", 88}, {"MidSPL", 96}, {"AttH", -7.5}, {"AttM", -8}},
                      0},
        CorrectionRow{"quieter_tweeter_has_no_pad",
                      {"--spl-high", "88"},
                      {{"AttH", 0}, {"RSH", 0}, {"RPH", 0}, {"PRSH", 0}, {"PRPH", 0}},
                      0},
        CorrectionRow{"quieter_mid_has_no_pad",
                      {"--ways", "3", "--spl-mid", "89"},
                      {{"AttM", 0}, {"RSM", 0}, {"RPM", 0}, {"AttH", -10}},
                      0},
        // The attenuator applies after the SPL entry whatever the order given.
        CorrectionRow{"attenuator_after_levels",
                      {"--att-high", "3", "--spl-high", "100", "--spl-low", "90"},
                      {{"AttH", -3}},
                      0},
        CorrectionRow{"attenuation_text_reads_as_no_pad",
                      {"--att-high", "none"},
                      {{"AttH", 0}, {"RSH", 0}, {"RPH", 0}, {"PinH", 10}},
                      0},
        CorrectionRow{"mid_pad_in_three_way",
                      {"--ways", "3", "--rm", "8", "--att-mid", "-6", "--pin-mid", "50"},
                      {{"AttM", -6}, {"RSM", 3.991}, {"RPM", 8.038}, {"PinM", 50}},
                      0.0005}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliCorrectionValues, LevelResistorRatingWithoutAMidPad)
{
    const auto r = cli({"--ways", "3", "--rm", "8", "--att-mid", "0", "--pin-mid", "50", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const double ran = jsonValue(r.out, "RAN");
    ASSERT_GT(ran, 0) << r.out;
    // PinM into RM + RAN: the current sqrt(PinM/(RM+RAN)) flows through RAN.
    const double pran = 50 * ran / (8 + ran);
    EXPECT_NEAR(jsonValue(r.out, "PRAN"), pran, 1e-5);
    EXPECT_NEAR(jsonValue(r.out, "PRT"), pran, 1e-5);
    EXPECT_NEAR(jsonValue(r.out, "RST"), ran, 1e-6);
    EXPECT_EQ(jsonValue(r.out, "RSM"), 0.0);
    EXPECT_EQ(jsonValue(r.out, "PRPM"), 0.0);
}

TEST(CliCorrectionValues, JsonListsTheCorrectionValuesInOrder)
{
    const auto r = cli({"values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::size_t last = r.out.find("\"RAN\": ");
    for (const char* key : {"pole", "REQL", "CEQL", "REQM", "CEQM", "REQH", "CEQH", "AttH", "AttM", "RSH", "RPH",
                            "PRSH", "PRPH", "RSM", "RPM", "PRSM", "PRPM", "PRAN", "RST", "PRT"}) {
        const auto at = r.out.find("\"" + std::string(key) + "\": ");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

TEST(CliCorrectionValues, ReadableTableListsTheMidValuesInThreeWayOnly)
{
    const auto two = cli({"values"});
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_TRUE(std::regex_search(two.out, std::regex(R"(CEQL +13\.88\d* uF)"))) << two.out;
    EXPECT_TRUE(std::regex_search(two.out, std::regex(R"(AttH +-10 dB)"))) << two.out;
    EXPECT_EQ(two.out.find("RSM"), std::string::npos);
    const auto three = cli({"--ways", "3", "values"});
    ASSERT_EQ(three.status, 0) << three.err;
    EXPECT_TRUE(std::regex_search(three.out, std::regex(R"(RSM +2\.99\d* ohm)"))) << three.out;
    EXPECT_NE(three.out.find("PRT"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    CorrectionRows, CliRefusals,
    testing::Values(
        RefusalRow{"zero_resistance", {"--re", "0", "values"}, "--re: the D.C. resistance must be a positive number"},
        RefusalRow{"text_inductance", {"--rh", "8", "--lh", "abc", "values"}, "--lh: the inductance"},
        RefusalRow{"negative_mid_inductance", {"--ways", "3", "--lm", "-0.2", "values"}, "--lm: the inductance"},
        RefusalRow{"mid_resistance_two_way", {"--rm", "6", "values"}, "--rm: a 2-way design has no mid-range"},
        RefusalRow{"negative_level", {"--spl-low", "-1", "values"}, "--spl-low: the sound pressure level"},
        RefusalRow{"text_mid_level", {"--ways", "3", "--spl-mid", "loud", "values"}, "--spl-mid: the sound"},
        RefusalRow{"mid_level_two_way", {"--spl-mid", "90", "values"}, "--spl-mid: a 2-way design"},
        RefusalRow{"zero_power", {"--att-high", "-3", "--pin-high", "0", "values"}, "--pin-high: the input power"},
        RefusalRow{"text_mid_power", {"--ways", "3", "--pin-mid", "watts", "values"}, "--pin-mid: the input power"},
        RefusalRow{"mid_pad_two_way", {"--att-mid", "3", "values"}, "--att-mid: a 2-way design has no mid-range"}),
    [](const auto& info) { return std::string(info.param.name); });

// The printed third-order Bessel design (300/3000 Hz, 8 ohm) scaled to the
// default 6 ohm drivers: inductances and RAN times 0.75, capacitances times
// 4/3; the mid driver is reversed.
TEST(CliValues, ThirdOrderThreeWayBessel)
{
    const auto r =
        cli({"--ways", "3", "--order", "3", "--align", "Bessel", "--fxl", "300", "--fxh", "3000", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("CM1": 48\.8\d*, "LM1": 3\.28\d*,)"))) << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("LM3": 0\.167\d*, "CH1": 4\.82\d*,)"))) << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("RAN": 1\.35\d*, "pole": -1)"))) << r.out;
}

// The second-order Linkwitz-Riley total of a 3-way design is flat: every To
// point of the amplitude sweep is 0 dB.
TEST(CliSweep, SecondOrderThreeWayLinkwitzRileyTotalIsFlat)
{
    const auto r = cli({"--ways", "3", "--order", "2", "sweep", "--view", "amp", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    int points = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("To,", 0) != 0) continue;
        ++points;
        const auto value = line.substr(line.find(',', 3) + 1);
        EXPECT_NEAR(std::stod(value), 0.0, 1e-3) << line;
    }
    EXPECT_EQ(points, 300);
}

// Driver-parameter texts for the notch options: the free-air tweeter of the
// worked notch example (Fs 800 Hz, Qes 1.2, Qms 2.5, Re 6 ohm, Le 0.05 mH),
// and the same with Re 8 ohm.
const std::string kTweeterText = "DUMMY%  Dome 25  91  800  0  0.8  1.2  2.5  0.3  6  0.05  0  0  0  10  ";
const std::string kTweeter8Text = "DUMMY%  Dome 25  91  800  0  0.8  1.2  2.5  0.3  8  0.05  0  0  0  10  ";

TEST(CliNotch, HighNotchValuesOfTheWorkedExample)
{
    const auto r = cli({"--notch-high", kTweeterText, "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Notch 18.5·6/12.5 = 8.88 ohm, 1.4133 mH, 28.00 µF.
    EXPECT_NE(r.out.find("\"RNTH\": 8.88,"), std::string::npos) << r.out;
    EXPECT_NEAR(jsonValue(r.out, "LNTH"), 1.4133, 0.00005);
    EXPECT_NEAR(jsonValue(r.out, "CNTH"), 28.00, 0.005);
    EXPECT_EQ(jsonValue(r.out, "RNTM"), 0.0);
    // The pasted level reaches the design: a 1 dB pad over the 90 dB woofer.
    EXPECT_EQ(jsonValue(r.out, "HigSPL"), 91.0);
    EXPECT_EQ(jsonValue(r.out, "AttH"), -1.0);
    EXPECT_EQ(jsonValue(r.out, "LH"), 0.05);  // printed as the shortest text of the float
}

TEST(CliNotch, NotchValuesFollowTheCorrectionMembers)
{
    const auto r = cli({"values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::size_t last = r.out.find("\"PRT\": ");
    ASSERT_NE(last, std::string::npos);
    for (const char* key : {"RNTH", "LNTH", "CNTH", "RNTM", "LNTM", "CNTM"}) {
        const auto at = r.out.find("\"" + std::string(key) + "\": ");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

TEST(CliNotch, AppliedAfterTheDriverOptions)
{
    // The notch sheet's OK stores the pasted Re into RH, after --rh.
    const auto r = cli({"--notch-high", kTweeter8Text, "--rh", "5", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonValue(r.out, "RH"), 8.0);
    EXPECT_EQ(jsonValue(r.out, "REQH"), 8.0);
    // Re 8: Res = 8·2.5/1.2 = 16.667, peak 24.667, notch 24.667·8/16.667 = 11.84.
    EXPECT_NEAR(jsonValue(r.out, "RNTH"), 11.84, 0.000005);
}

TEST(CliNotch, MidNotchInAThreeWayDesign)
{
    // --ways applies first whatever the order on the command line.
    const auto r = cli({"--notch-mid", kTweeter8Text, "--ways", "3", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonValue(r.out, "RM"), 8.0);
    EXPECT_EQ(jsonValue(r.out, "RH"), 6.0);
    EXPECT_NEAR(jsonValue(r.out, "RNTM"), 11.84, 0.000005);
    EXPECT_EQ(jsonValue(r.out, "RNTH"), 0.0);
}

TEST(CliNotch, ReadableTableShowsTheNotch)
{
    const auto r = cli({"--notch-high", kTweeterText, "values"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"(RNTH +8\.88\d* ohm)"))) << r.out;
    EXPECT_EQ(r.out.find("RNTM"), std::string::npos) << "a 2-way table has no mid values";
}

TEST(CliNotch, CorrectedImpedanceSweep)
{
    const auto r = cli({"--notch-high", kTweeterText, "sweep", "--view", "HigCorrImp", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"view\": \"HigCorrImp\", \"curves\": [{\"branch\": \"Before\", \"points\": [{\"k\": ", 0),
              0U)
        << r.out.substr(0, 200);
    EXPECT_NE(r.out.find("{\"branch\": \"After\""), std::string::npos);
    std::size_t points = 0;
    for (std::size_t at = r.out.find("\"k\": "); at != std::string::npos; at = r.out.find("\"k\": ", at + 1)) ++points;
    EXPECT_EQ(points, 600U);
}

TEST(CliNotch, MidCorrectedImpedanceCsv)
{
    const auto r = cli({"--ways", "3", "--notch-mid", kTweeterText, "sweep", "--view", "MidCorrImp", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("branch,k,value,x,y,drawn\nBefore,1.30103,", 0), 0U) << r.out.substr(0, 100);
    EXPECT_NE(r.out.find("\nAfter,1.30103,"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    NotchRows, CliRefusals,
    testing::Values(
        RefusalRow{"mismatched_text",
                   {"--notch-high", "Dome 25  91  800  ", "values"},
                   "--notch-high: ALERT!   Paste Data is Mismatched."},
        RefusalRow{"empty_text", {"--notch-high", "", "values"}, "Paste Data is Mismatched."},
        RefusalRow{"long_text",
                   {"--notch-high", "DUMMY%  " + std::string(250, 'x'), "values"},
                   "--notch-high: the parameter text is 258 bytes long"},
        RefusalRow{"zero_resonance",
                   {"--notch-high", "DUMMY%  Dome  91  0  0  0.8  1.2  2.5  0.3  6  0.05  0  0  0  10  ", "values"},
                   "--notch-high: the notch sheet needs Fs, Qes, Qms and Re above 0"},
        RefusalRow{"box_without_volume",
                   {"--notch-high", "DUMMY%  Dome  91  80  5  0.8  1.2  2.5  0.3  6  0.05  0  0  0  10  ", "values"},
                   "a box volume above 0 when Vas is above 0"},
        RefusalRow{"mid_notch_two_way",
                   {"--notch-mid", kTweeterText, "values"},
                   "--notch-mid: a 2-way design has no mid-range driver"},
        RefusalRow{"high_view_without_notch", {"sweep", "--view", "HigCorrImp"}, "needs a high-range notch"},
        RefusalRow{"mid_view_two_way",
                   {"--notch-high", kTweeterText, "sweep", "--view", "MidCorrImp"},
                   "needs a 3-way design"},
        RefusalRow{
            "mid_view_without_notch", {"--ways", "3", "sweep", "--view", "MidCorrImp"}, "needs a mid-range notch"}),
    [](const auto& info) { return std::string(info.param.name); });

// Second-order Bessel at the defaults (650 Hz, 6 ohm), worked by hand:
// L1 = 6·√3/(2π·650)·1.13442 = 2.8866 mH, C1 = 1/(√3·2π·650·6)·1.13442 =
// 26.728 µF; the high-pass values are divided by 1.13442 instead.
TEST(CliValues, SecondOrderTwoWayBessel)
{
    const auto r = cli({"--order", "2", "--align", "Bessel", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(
        r.out,
        std::regex(R"("components": \{"LL1": 2\.886\d*, "CL1": 26\.72\d*, "CH1": 20\.76\d*, "LH1": 2\.243\d*\})")))
        << r.out;
    EXPECT_NE(r.out.find("\"pole\": 1,"), std::string::npos);
}

// Third-order Bessel reverses the woofer: pole −1, and the six components in
// value-sheet order; L1 = 5·6/(6π·650)·1.078 = 2.6395 mH.
TEST(CliValues, ThirdOrderTwoWayBessel)
{
    const auto r = cli({"--order", "3", "--align", "Bessel", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(
        r.out,
        std::regex(
            R"("components": \{"LL1": 2\.639\d*, "LL2": [^,]+, "CL1": [^,]+, "CH1": [^,]+, "CH2": [^,]+, "LH1": [^,}]+\})")))
        << r.out;
    EXPECT_NE(r.out.find("\"pole\": -1,"), std::string::npos) << r.out;
}

// The in-phase third-order Butterworth and fourth-order Linkwitz-Riley pairs
// are all-pass: every To point of the amplitude sweep is 0 dB.
TEST(CliSweep, TwoWayAllPassTotalsAreFlat)
{
    for (const auto& args : {std::vector<std::string>{"--order", "3", "--align", "Butter"},
                             std::vector<std::string>{"--order", "4", "--align", "Linkwi"}}) {
        auto call = args;
        for (const char* a : {"sweep", "--view", "amp", "--csv"}) call.emplace_back(a);
        const auto r = cli(call);
        ASSERT_EQ(r.status, 0) << r.err;
        std::istringstream lines(r.out);
        int points = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("To,", 0) != 0) continue;
            ++points;
            const auto value = line.substr(line.find(',', 3) + 1);
            EXPECT_NEAR(std::stod(value), 0.0, 1e-3) << args[1] << " " << line;
        }
        EXPECT_EQ(points, 300) << args[1];
    }
}

}  // namespace
}  // namespace larkspan
