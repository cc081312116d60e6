// End-to-end tests of the built larkspan-cli: its options, the order in which
// they apply, its output formats, exit statuses and error texts. The numbers
// of the networks and corrections are the core's tests' business; here one
// value per command shows that the command reaches the core.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "support/run_tool.h"

namespace larkspan {
namespace {

using test::cli;

// Driver-parameter texts for the notch options: the free-air tweeter of the
// worked notch example (Fs 800 Hz, Qes 1.2, Qms 2.5, Re 6 ohm, Le 0.05 mH),
// and the same with Re 8 ohm.
const std::string kTweeterText = "DUMMY%  Dome 25  91  800  0  0.8  1.2  2.5  0.3  6  0.05  0  0  0  10  ";
const std::string kTweeter8Text = "DUMMY%  Dome 25  91  800  0  0.8  1.2  2.5  0.3  8  0.05  0  0  0  10  ";

std::size_t occurrences(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// A number of the values JSON by its key; NaN when the key is missing.
double jsonValue(const std::string& json, const std::string& key)
{
    const std::string tag = "\"" + key + "\": ";
    const auto at = json.find(tag);
    if (at == std::string::npos) return std::nan("");
    return std::strtod(json.c_str() + at + tag.size(), nullptr);
}

TEST(CliValues, JsonOfTheDefaultDesign)
{
    const auto r = cli({"values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"channel\": 2, \"order\": 1, \"s_Type\": \"Butter\", \"FX\": 650"), std::string::npos)
        << r.out;
    // L1 = 6/(2π·650) H = 1.46912... mH, stored as a float.
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"("components": \{"LL1": 1\.469\d*, "CH1": 40\.8\d*\})")))
        << r.out;
    EXPECT_NE(r.out.find("\"pole\": 1"), std::string::npos);
    // The correction and notch members follow RAN in the contract's order.
    std::size_t last = r.out.find("\"RAN\": ");
    for (const char* key :
         {"pole", "REQL", "CEQL", "REQM", "CEQM", "REQH", "CEQH", "AttH", "AttM", "RSH",  "RPH",  "PRSH", "PRPH",
          "RSM",  "RPM",  "PRSM", "PRPM", "PRAN", "RST",  "PRT",  "RNTH", "LNTH", "CNTH", "RNTM", "LNTM", "CNTM"}) {
        const auto at = r.out.find("\"" + std::string(key) + "\": ");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

TEST(CliValues, ComponentsInValueSheetOrder)
{
    const auto r = cli({"--ways", "3", "--order", "4", "--align", "Chebyc", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(
        r.out, std::regex(R"("components": \{"LL1": [0-9.]+, "LL2": [0-9.]+, "CL1": [0-9.]+, "CL2": [0-9.]+, )"
                          R"("LM1": [0-9.]+, "LM2": [0-9.]+, "LM3": [0-9.]+, "LM4": [0-9.]+, "CM1": [0-9.]+, )"
                          R"("CM2": [0-9.]+, "CM3": [0-9.]+, "CM4": [0-9.]+, "CH1": [0-9.]+, "CH2": [0-9.]+, )"
                          R"("LH1": [0-9.]+, "LH2": [0-9.]+\})")))
        << r.out;
}

TEST(CliValues, OptionsApplyInTheirFixedOrder)
{
    // --fxl/--fxh come after --order whatever the command line says: 500/1500
    // passes at order 3 "Bessel" only once the order is 3.
    auto r = cli({"--fxl", "500", "--fxh", "1500", "--ways", "3", "--order", "1", "values", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"channel\": 3"), std::string::npos);
    EXPECT_NE(r.out.find("\"FXL\": 500, \"FXH\": 1500"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"LM1\""), std::string::npos);

    // --align applies before the frequencies, so 200/700 Hz (ratio 3.5) is
    // checked against "ButAsy", which needs a ratio of 4; "Linkwi" takes it.
    r = cli({"--order", "2", "--fxl", "200", "--fxh", "700", "--align", "ButAsy", "values"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("FXL x 4  \u2264  FXH"), std::string::npos) << r.err;
    r = cli({"--order", "2", "--fxl", "200", "--fxh", "700", "values", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"FXL\": 200, \"FXH\": 700"), std::string::npos);

    // At order 1 the Filter menu is disabled: "Butter" is accepted.
    EXPECT_EQ(cli({"--align", "Butter", "values", "--json"}).status, 0);
}

TEST(CliValues, ReadableTableListsTheMidValuesInThreeWayOnly)
{
    // With the pasted 91 dB tweeter the high pad is 1 dB.
    const auto two = cli({"--notch-high", kTweeterText, "values"});
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_NE(two.out.find("2-way, order 1, Butter"), std::string::npos) << two.out;
    EXPECT_TRUE(std::regex_search(two.out, std::regex(R"(AttH +-1 dB)"))) << two.out;
    EXPECT_EQ(two.out.find("RSM"), std::string::npos);
    EXPECT_EQ(two.out.find("RNTM"), std::string::npos);
    const auto three = cli({"--ways", "3", "values"});
    ASSERT_EQ(three.status, 0) << three.err;
    EXPECT_NE(three.out.find("3-way, order 1, Butter"), std::string::npos) << three.out;
    EXPECT_TRUE(std::regex_search(three.out, std::regex(R"(RSM +2\.99\d* ohm)"))) << three.out;
    EXPECT_NE(three.out.find("RAN"), std::string::npos);
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
        RefusalRow{"too_near",
                   {"--ways", "3", "--fxl", "500", "--fxh", "1400", "values"},
                   "ALERT!      Frequencis are too near.\nEnter more separate frequencis.   FXL x 3  \u2264  FXH"},
        RefusalRow{"ratio200_third_order",
                   {"--order", "3", "--fxl", "100", "--fxh", "20000", "values"},
                   "Frequencis are too far."},
        RefusalRow{"unknown_alignment",
                   {"--order", "2", "--align", "Cheby", "values"},
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
        RefusalRow{"values_extra_argument", {"values", "--xml"}, "values takes only --json"},
        RefusalRow{"zero_resistance", {"--re", "0", "values"}, "--re: the D.C. resistance must be a positive number"},
        RefusalRow{"text_inductance", {"--rh", "8", "--lh", "abc", "values"}, "--lh: the inductance"},
        RefusalRow{"negative_mid_inductance", {"--ways", "3", "--lm", "-0.2", "values"}, "--lm: the inductance"},
        RefusalRow{"mid_resistance_two_way", {"--rm", "6", "values"}, "--rm: a 2-way design has no mid-range"},
        RefusalRow{"negative_level", {"--spl-low", "-1", "values"}, "--spl-low: the sound pressure level"},
        RefusalRow{"text_mid_level", {"--ways", "3", "--spl-mid", "loud", "values"}, "--spl-mid: the sound"},
        RefusalRow{"mid_level_two_way", {"--spl-mid", "90", "values"}, "--spl-mid: a 2-way design"},
        RefusalRow{"zero_power", {"--att-high", "-3", "--pin-high", "0", "values"}, "--pin-high: the input power"},
        RefusalRow{"text_mid_power", {"--ways", "3", "--pin-mid", "watts", "values"}, "--pin-mid: the input power"},
        RefusalRow{"mid_pad_two_way", {"--att-mid", "3", "values"}, "--att-mid: a 2-way design has no mid-range"},
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

// Each correction option reaches its own sheet, and the sheets apply in their
// fixed order. Expected values: the published examples of the correction and
// the L-pad, the worked notch example, and levels worked out by hand (targets
// are the level differences to the woofer, stored back negative).
struct OptionRow {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<const char*, double>> values;  // key, expected
    double tolerance;                                    // half a unit of the last digit given

    friend void PrintTo(const OptionRow& r, std::ostream* os) { *os << r.name; }
};

class CliOptionValues : public testing::TestWithParam<OptionRow> {};

TEST_P(CliOptionValues, ReachTheirSheets)
{
    auto args = GetParam().args;
    args.insert(args.end(), {"values", "--json"});
    const auto r = cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& [key, expected] : GetParam().values)
        EXPECT_NEAR(jsonValue(r.out, key), expected, GetParam().tolerance) << key << "\n" << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliOptionValues,
    testing::Values(OptionRow{"published_corrections",
                              {"--re", "8", "--le", "0.5", "--rh", "6", "--lh", "0.05"},
                              {{"RE", 8}, {"REQL", 8}, {"CEQL", 7.8125}, {"REQH", 6}, {"CEQH", 1.3889}},
                              0.00005},
                    // The synthesis sees the new resistance: LL1 = 8/(2π·650) H.
                    OptionRow{"woofer_resistance_reaches_the_network", {"--re", "8"}, {{"LL1", 1.9588}}, 0.00005},
                    OptionRow{"mid_driver_in_three_way",
                              {"--ways", "3", "--rm", "8", "--lm", "0.4"},
                              {{"RM", 8}, {"LM", 0.4}, {"REQM", 8}, {"CEQM", 6.25}},
                              0.00005},
                    OptionRow{"published_high_pad",
                              {"--rh", "8", "--att-high", "6", "--pin-high", "50"},
                              {{"AttH", -6}, {"PinH", 50}, {"RPH", 8.038}, {"RSH", 3.991}},
                              0.0005},
                    OptionRow{"mid_pad_in_three_way",
                              {"--ways", "3", "--rm", "8", "--att-mid", "-6", "--pin-mid", "50"},
                              {{"AttM", -6}, {"RSM", 3.991}, {"RPM", 8.038}, {"PinM", 50}},
                              0.0005},
                    OptionRow{"levels_two_way",
                              {"--spl-high", "95.5", "--spl-low", "88"},
                              {{"HigSPL", 95.5}, {"LowSPL", 88}, {"MidSPL", 96}, {"AttH", -7.5}, {"AttM", -8}},
                              0},
                    // The attenuator applies after the SPL entry whatever the order given.
                    OptionRow{"attenuator_after_levels",
                              {"--att-high", "3", "--spl-high", "100", "--spl-low", "90"},
                              {{"AttH", -3}},
                              0},
                    OptionRow{"attenuation_text_reads_as_no_pad",
                              {"--att-high", "none"},
                              {{"AttH", 0}, {"RSH", 0}, {"RPH", 0}, {"PinH", 10}},
                              0},
                    // Notch resistance 18.5·6/12.5 = 8.88 ohm; the pasted level
                    // reaches the design: a 1 dB pad over the 90 dB woofer. Numbers print
                    // as the shortest text of the float, so 8.88 and 0.05 come out exact.
                    OptionRow{"high_notch_exact",
                              {"--notch-high", kTweeterText},
                              {{"RNTH", 8.88}, {"RNTM", 0}, {"HigSPL", 91}, {"AttH", -1}, {"LH", 0.05}},
                              0},
                    // The notch sheet's OK stores the pasted Re into RH, after --rh. Re 8:
                    // Res = 8·2.5/1.2 = 16.667, peak 24.667, notch 24.667·8/16.667 = 11.84.
                    OptionRow{"notch_after_the_driver_options",
                              {"--notch-high", kTweeter8Text, "--rh", "5"},
                              {{"RH", 8}, {"REQH", 8}, {"RNTH", 11.84}},
                              0.000005},
                    // --ways applies first whatever the order on the command line.
                    OptionRow{"mid_notch_in_three_way",
                              {"--notch-mid", kTweeter8Text, "--ways", "3"},
                              {{"RM", 8}, {"RH", 6}, {"RNTM", 11.84}, {"RNTH", 0}},
                              0.000005}),
    [](const auto& info) { return std::string(info.param.name); });

// The views' JSON and CSV: the contract's object shape, the raw result each
// point carries, and one point per step of each sweep.
struct SweepShapeRow {
    const char* name;
    std::vector<std::string> args;
    const char* start;                  // the output begins with this
    const char* pointKey;               // present once per point
    std::size_t points;                 // curves × points per curve
    const char* absentKey;              // a key this view's points do not carry
    std::vector<const char*> contains;  // further texts the output holds

    friend void PrintTo(const SweepShapeRow& r, std::ostream* os) { *os << r.name; }
};

class CliSweepViews : public testing::TestWithParam<SweepShapeRow> {};

TEST_P(CliSweepViews, ShapeAndPointCount)
{
    const auto r = cli(GetParam().args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(GetParam().start, 0), 0U) << r.out.substr(0, 200);
    EXPECT_EQ(occurrences(r.out, GetParam().pointKey), GetParam().points);
    EXPECT_EQ(r.out.find(GetParam().absentKey), std::string::npos);
    EXPECT_EQ(r.out.find("null"), std::string::npos);  // no point of these designs is non-finite
    for (const char* text : GetParam().contains) EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

// Counts: 300 amplitude, phase and impedance points per curve, 3700
// group-delay points (100 kHz down to 20 Hz by 0.001 decade), 500 Nyquist
// points (down to about 1 Hz by 0.01 decade), 534 step points for FX = 650 Hz
// (t = 0 to 26.65 by 0.05); a CSV has one line per point and a header.
INSTANTIATE_TEST_SUITE_P(
    Rows, CliSweepViews,
    testing::Values(
        SweepShapeRow{"amp_three_way",
                      {"--ways", "3", "sweep", "--view", "amp", "--json"},
                      "{\"view\": \"amp\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": ",
                      "\"k\": ",
                      4 * 300,
                      "GDscl",
                      {"\"Mid\"", "\"Hi\"", "\"To\"", "\"drawn\": false", "\"drawn\": true"}},
        SweepShapeRow{"ph_csv",
                      {"sweep", "--view", "ph", "--csv"},
                      "branch,k,value,x,y,drawn\nLo,4.30103,",
                      "\n",
                      3 * 300 + 1,
                      "\"",
                      {"\nHi,", "\nTo,"}},
        SweepShapeRow{"gd_two_way",
                      {"sweep", "--view", "gd", "--json"},
                      "{\"view\": \"gd\", \"GDscl\": 0.25, \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": 5, "
                      "\"value\": ",
                      "\"k\": ",
                      3 * 3700,
                      "\"re\"",
                      {}},
        SweepShapeRow{"nq_three_way",
                      {"--ways", "3", "sweep", "--view", "nq", "--json"},
                      "{\"view\": \"nq\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": 5, \"re\": ",
                      "\"im\": ",
                      4 * 500,
                      "GDscl",
                      {}},
        SweepShapeRow{"st_two_way",
                      {"sweep", "--view", "st", "--json"},
                      "{\"view\": \"st\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"t\": 0, \"value\": 0, "
                      "\"x\": 46, \"y\": 260, \"drawn\": false}",
                      "\"t\": ",
                      3 * 534,
                      "\"k\"",
                      {}},
        // High branch and total start at 1 (y = 120), whatever the polarity
        // the frequency-domain total gives the second-order high branch.
        SweepShapeRow{"st_second_order",
                      {"--order", "2", "sweep", "--view", "st", "--json"},
                      "{\"view\": \"st\", ",
                      "\"t\": ",
                      3 * 534,
                      "\"k\"",
                      {"{\"branch\": \"Hi\", \"points\": [{\"t\": 0, \"value\": 1, \"x\": 46, \"y\": 120",
                       "{\"branch\": \"To\", \"points\": [{\"t\": 0, \"value\": 1, \"x\": 46, \"y\": 120"}},
        SweepShapeRow{"st_csv",
                      {"sweep", "--view", "st", "--csv"},
                      "branch,t,value,x,y,drawn\nLo,0,0,46,260,0\n",
                      "\n",
                      3 * 534 + 1,
                      "GDscl",
                      {}},
        SweepShapeRow{"high_corrected_impedance",
                      {"--notch-high", kTweeterText, "sweep", "--view", "HigCorrImp", "--json"},
                      "{\"view\": \"HigCorrImp\", \"curves\": [{\"branch\": \"Before\", \"points\": [{\"k\": ",
                      "\"k\": ",
                      2 * 300,
                      "GDscl",
                      {"{\"branch\": \"After\""}},
        SweepShapeRow{"mid_corrected_impedance_csv",
                      {"--ways", "3", "--notch-mid", kTweeterText, "sweep", "--view", "MidCorrImp", "--csv"},
                      "branch,k,value,x,y,drawn\nBefore,1.30103,",
                      "\n",
                      2 * 300 + 1,
                      "\"",
                      {"\nAfter,1.30103,"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The sweep's one value check end to end: the second-order Linkwitz-Riley
// total of a 3-way design is flat, every To point 0 dB.
TEST(CliSweep, LinkwitzRileyTotalIsFlat)
{
    const auto r = cli({"--ways", "3", "--order", "2", "sweep", "--view", "amp", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    int points = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("To,", 0) != 0) continue;
        ++points;
        EXPECT_NEAR(std::stod(line.substr(line.find(',', 3) + 1)), 0.0, 1e-3) << line;
    }
    EXPECT_EQ(points, 300);
}

}  // namespace
}  // namespace larkspan
