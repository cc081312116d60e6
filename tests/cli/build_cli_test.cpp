// The parts, netlist and as-built sweep commands end to end: each reaches
// the core, and refuses what it cannot use with a message and status 2.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "support/run_tool.h"
#include "support/scratch_folder.h"

namespace larkspan {
namespace {

using test::cli;

// The values column of a CSV sweep, line by line.
std::vector<double> sweepValues(const std::string& csv)
{
    std::vector<double> values;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream f(line);
        std::string field;
        for (int i = 0; i < 3; ++i) std::getline(f, field, ',');
        values.push_back(std::stod(field));
    }
    return values;
}

// Without L-pads the network as built from ideal values is the closed form.
TEST(BuildCommands, AsBuiltSweepOfIdealValuesIsTheClosedForm)
{
    for (const char* view : {"amp", "imp"}) {
        const auto ideal =
            cli({"--ways", "3", "--order", "2", "--spl-high", "90", "--spl-mid", "90", "sweep", "--view", view});
        const auto built = cli({"--ways", "3", "--order", "2", "--spl-high", "90", "--spl-mid", "90", "sweep", "--view",
                                view, "--as-built", "--series", "ideal"});
        ASSERT_EQ(built.status, 0) << built.err;
        const auto a = sweepValues(ideal.out), b = sweepValues(built.out);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) ASSERT_NEAR(a[i], b[i], 1e-4) << view << " line " << i;
    }
}

TEST(BuildCommands, PartsAndNetlist)
{
    const auto json = cli({"parts", "--series", "E24", "--pairs", "--power", "50", "--nominal", "4", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("\"series\": \"E24\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"inputVolts\": 14.142135623730951"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("{\"name\": \"LL1\", \"kind\": \"L\", \"ideal\": 1.4691226"), std::string::npos);

    const auto deck = cli({"netlist", "--as-built", "--series", "E6"});
    ASSERT_EQ(deck.status, 0) << deck.err;
    EXPECT_NE(deck.out.find("V1 in 0 DC 0 AC 1\n"), std::string::npos) << deck.out;
    EXPECT_NE(deck.out.find("\nCH1 in "), std::string::npos) << deck.out;
    EXPECT_NE(deck.out.find(".ac dec 100 10 100k\n.print ac vdb(lo) vdb(hi)\n.end\n"), std::string::npos);

    test::ScratchFolder folder;
    const auto list = (folder.path() / "mine.txt").string();
    std::ofstream(list) << "C 10\nC 4.7\nL one\n";
    struct Refusal {
        std::vector<std::string> args;
        std::string message;
    };
    for (const auto& r : std::vector<Refusal>{
             {{"parts", "--series", list}, "larkspan-cli: --series: '" + list + "': line 3: 'L one' is not a value\n"},
             {{"parts", "--power", "-5"}, "larkspan-cli: --power takes a positive number of watts, not '-5'\n"},
             {{"netlist", "--series", "E12"}, "larkspan-cli: netlist: --series and --pairs need --as-built\n"},
             {{"sweep", "--view", "gd", "--as-built"},
              "larkspan-cli: sweep --as-built takes --view amp, imp or ph, not 'gd'\n"},
         }) {
        const auto run = cli(r.args);
        EXPECT_EQ(run.status, 2) << r.message;
        EXPECT_EQ(run.err, r.message);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace larkspan
