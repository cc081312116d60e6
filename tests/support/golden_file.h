// Golden files: a text the code produces, compared whole with the file kept
// beside the tests; on a difference the test names the first lines that
// differ. Run the tests with LARKSPAN_UPDATE_GOLDEN=1 to write the files from
// what the code produces now (then review the git diff).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace larkspan::test {

inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Compares `actual` with the golden file `name`.svg, or rewrites the file when
// LARKSPAN_UPDATE_GOLDEN is set.
inline void expectGolden(const std::string& name, const std::string& actual)
{
    const std::filesystem::path file = std::filesystem::path(LARKSPAN_GOLDEN_DIR) / (name + ".svg");
    if (const char* update = std::getenv("LARKSPAN_UPDATE_GOLDEN"); update && *update && *update != '0') {
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "no golden file " << file << "; run with LARKSPAN_UPDATE_GOLDEN=1 to write it";
        return;
    }
    std::ostringstream golden;
    golden << in.rdbuf();
    if (golden.str() == actual) return;
    const auto want = linesOf(golden.str());
    const auto got = linesOf(actual);
    std::size_t at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
    std::ostringstream msg;
    msg << file.filename().string() << " differs from line " << at + 1 << " (golden " << want.size() << " lines, drawn "
        << got.size() << "):\n";
    const auto show = [&](const char* tag, const std::vector<std::string>& lines, std::size_t i) {
        if (i < lines.size()) msg << tag << lines[i].substr(0, 240) << (lines[i].size() > 240 ? " ..." : "") << "\n";
    };
    for (std::size_t i = at; i < at + 3; ++i) {
        show("  golden: ", want, i);
        show("  drawn:  ", got, i);
    }
    ADD_FAILURE() << msg.str() << "(LARKSPAN_UPDATE_GOLDEN=1 rewrites the golden files)";
}

}  // namespace larkspan::test
