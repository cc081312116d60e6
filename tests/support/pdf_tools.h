// What poppler-utils read from a PDF file: pdfinfo's report and the page's
// text. Empty when the tool is missing.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/run_tool.h"

namespace larkspan::test {

inline std::string commandOutput(const std::string& cmd)
{
    FILE* pipe = ::popen(cmd.c_str(), "r");
    if (!pipe) return {};
    std::string text;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe)) text += buf;
    ::pclose(pipe);
    return text;
}

inline std::string pdfinfo(const std::filesystem::path& file)
{
    return commandOutput("pdfinfo " + shellQuote(file.string()) + " 2>/dev/null");
}

inline std::string pdftext(const std::filesystem::path& file)
{
    return commandOutput("pdftotext -layout " + shellQuote(file.string()) + " - 2>/dev/null");
}

}  // namespace larkspan::test
