#include "model/version_number.h"

namespace larkspan {

std::strong_ordering VersionNumber::operator<=>(const VersionNumber& other) const
{
    // Neither has leading zeros, so the longer one is the greater.
    if (digits.size() != other.digits.size()) return digits.size() <=> other.digits.size();
    return digits.compare(other.digits) <=> 0;
}

VersionNumber StringToNumerical(std::string_view text)
{
    std::string rest;
    for (const char c : text)
        if (c != '.') rest += c;
    std::size_t i = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
    while (i < rest.size() && blank(rest[i])) ++i;
    while (i < rest.size() && rest[i] == '0') ++i;
    std::string digits;
    for (; i < rest.size() && rest[i] >= '0' && rest[i] <= '9'; ++i) digits += rest[i];
    return VersionNumber{digits.empty() ? "0" : digits};
}

}  // namespace larkspan
