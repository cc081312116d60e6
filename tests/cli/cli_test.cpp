// The tool's contract as outside scripts rely on it: every command answers in
// its documented form, and each exit status means what it says. What each
// design and option prints in full is the transcript's business
// (tests/golden).
#include <gtest/gtest.h>

#include "support/run_tool.h"

namespace larkspan {
namespace {

struct ContractRow {
    std::vector<std::string> args;
    int status;
    const char* out;  // standard output begins with this
    const char* err;  // standard error holds this
};

TEST(CliContract, EveryCommandAndExitStatus)
{
    const ContractRow rows[] = {
        {{"values", "--json"}, 0, "{\"channel\": 2, \"order\": 1, \"s_Type\": \"Butter\", \"FX\": 650, ", ""},
        {{"values"}, 0, "Larkspan design: 2-way, order 1, Butter", ""},
        {{"--ways", "3", "sweep", "--view", "amp", "--json"},
         0,
         "{\"view\": \"amp\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": ",
         ""},
        {{"sweep", "--view", "gd", "--json"}, 0, "{\"view\": \"gd\", \"GDscl\": 0.25, \"curves\": [{\"branch\": ", ""},
        {{"sweep", "--view", "nq", "--json"},
         0,
         "{\"view\": \"nq\", \"curves\": [{\"branch\": \"Lo\", \"points\": [{\"k\": 5, \"re\": ",
         ""},
        {{"sweep", "--view", "st", "--csv"}, 0, "branch,t,value,x,y,drawn\nLo,0,0,46,260,0\n", ""},
        {{"parts", "--json"}, 0, "{\"series\": \"E12\", \"pairs\": false, ", ""},
        {{"parts", "--csv"}, 0, "name,kind,ideal,chosen,second,join,total,deviationPercent,", ""},
        {{"netlist"}, 0, "* Larkspan crossover network untitled.xvrdoc", ""},
        {{"--help"}, 0, "usage: larkspan-cli [design options] COMMAND", ""},
        {{"--version"}, 0, "larkspan-cli ", ""},
        {{"sweep", "--help"}, 0, "usage: larkspan-cli [design options] sweep", ""},
        {{"--fx", "0", "values"}, 2, "", "larkspan-cli: --fx: "},
        {{"plot"}, 2, "", "unknown command 'plot'"},
        {{"save", "/nonexistent-folder/a.xvrdoc"}, 1, "", "/nonexistent-folder': No such file"},
    };
    for (const auto& r : rows) {
        const auto run = test::cli(r.args);
        EXPECT_EQ(run.status, r.status) << r.args.front() << ": " << run.err;
        EXPECT_EQ(run.out.rfind(r.out, 0), 0U) << r.args.front() << ": " << run.out.substr(0, 200);
        EXPECT_NE(run.err.find(r.err), std::string::npos) << r.args.front() << ": " << run.err;
    }
}

}  // namespace
}  // namespace larkspan
