// End-to-end tests of the built larkspan-cli.
#include <gtest/gtest.h>

#include <regex>

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

}  // namespace
}  // namespace larkspan
