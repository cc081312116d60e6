// Runs a built program with arguments and captures its exit status, standard
// output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace larkspan::test {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& s)
{
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string readText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline RunResult runTool(const std::string& program, const std::vector<std::string>& args)
{
    namespace fs = std::filesystem;
    static int counter = 0;
    const fs::path dir = fs::temp_directory_path();
    const fs::path outFile = dir / ("larkspan_run_out_" + std::to_string(::getpid()) + "_" + std::to_string(counter));
    const fs::path errFile = dir / ("larkspan_run_err_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::string cmd = shellQuote(program);
    for (const auto& a : args) cmd += " " + shellQuote(a);
    cmd += " >" + shellQuote(outFile.string()) + " 2>" + shellQuote(errFile.string()) + " </dev/null";
    const int raw = std::system(cmd.c_str());
    RunResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readText(outFile);
    r.err = readText(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return r;
}

#ifdef LARKSPAN_CLI
// The command-line tool built with the tests.
inline RunResult cli(const std::vector<std::string>& args)
{
    return runTool(LARKSPAN_CLI, args);
}
#endif

}  // namespace larkspan::test
