// A version number as the update check compares them: the digits of a version
// text with its dots removed, read as one whole number.
#pragma once

#include <compare>
#include <string>
#include <string_view>

namespace larkspan {

// The number as its decimal digits, without leading zeros ("0" for zero), so
// that a run of any length compares exactly and never overflows.
struct VersionNumber {
    std::string digits = "0";

    bool operator==(const VersionNumber&) const = default;
    std::strong_ordering operator<=>(const VersionNumber& other) const;
};

// Removes every "." from `text`, skips leading blanks and reads digits up to
// the first character that is not one; no digits give 0. "1.2.3" gives 123,
// "1.10" gives 110.
VersionNumber StringToNumerical(std::string_view text);

}  // namespace larkspan
