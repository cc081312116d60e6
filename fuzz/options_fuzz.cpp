// Fuzz target: any bytes as the command line of larkspan-cli (arguments
// separated by NUL bytes), through the option parser, the design options and
// the commands that only print. A refusal must have status 1 or 2 and a
// message; what is printed must be text that JSON admits.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "every_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace larkspan;
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() < 64; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }

    cli::CommandLine cl;
    std::ostringstream out, err;
    Design d;
    auto failure = cli::parseCommandLine(args, cl);
    if (!failure) failure = cli::buildDesign(cl, d, err);
    if (failure) {
        fuzz::check(failure->status == cli::kRefused || failure->status == cli::kIoError, "an unknown exit status");
        fuzz::check(!failure->message.empty(), "a refusal without a message");
        return 0;
    }
    fuzz::check(cli::valuesCommand(d, {"--json"}, out, err) == cli::kOk, "values refused a built design");
    for (const char* view : {"amp", "gd", "nq", "st", "HigCorrImp"}) {
        Design copy = d;
        const int status = cli::sweepCommand(copy, {"--view", view, "--json"}, out, err);
        fuzz::check(status == cli::kOk || status == cli::kRefused, "sweep gave an unknown exit status");
    }
    const std::string problem = fuzz::textProblem(out.str());
    fuzz::check(problem.empty(), "output: " + problem);
    return 0;
}
