// The as-built sweep end to end.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/run_tool.h"

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

}  // namespace
}  // namespace larkspan
