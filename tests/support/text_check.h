// The characters that XML and JSON output may hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace larkspan::test {

// Why `s` is not text that XML and JSON admit (UTF-8 without control
// characters other than tab and line breaks), or "" when it is.
inline std::string textProblem(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        const std::size_t n = b < 0x80             ? 1
                              : (b & 0xE0) == 0xC0 ? 2
                              : (b & 0xF0) == 0xE0 ? 3
                              : (b & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (n == 0 || i + n > s.size() || (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F)
            return "bad byte at " + std::to_string(i);
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<std::uint8_t>(s[i + k]) & 0xC0) != 0x80) return "bad UTF-8 at " + std::to_string(i);
        if (n == 2 && b == 0xC2 && static_cast<std::uint8_t>(s[i + 1]) < 0xA0)
            return "C1 control at " + std::to_string(i);
        i += n;
    }
    return "";
}

}  // namespace larkspan::test
