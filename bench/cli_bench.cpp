// Timing of the command-line tool's heaviest output: `sweep --view st` of a
// 3-way fourth order at FXL 10 Hz (about 170 600 points), written as JSON and
// as CSV into a stream that only counts the bytes, as into a pipe.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench_designs.h"
#include "cli/cli.h"

namespace larkspan {
namespace {

class CountingBuffer : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    int_type overflow(int_type c) override
    {
        ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes += static_cast<std::size_t>(n);
        return n;
    }
};

// Argument: 1 for JSON, 0 for CSV.
void CliStepSweep(benchmark::State& state)
{
    const Design designed = bench::stepDesignOf(3, 4, 10);
    const std::vector<std::string> args{"--view", "st", state.range(0) ? "--json" : "--csv"};
    CountingBuffer buffer;
    std::ostream out(&buffer);
    std::ostream err(&buffer);
    for (auto _ : state) {
        Design d = designed;
        cli::sweepCommand(d, args, out, err);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(buffer.bytes));
}

BENCHMARK(CliStepSweep)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace larkspan
