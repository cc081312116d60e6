#include "model/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace larkspan {

std::string numberToText(double value)
{
    if (std::isnan(value)) return " NaN";
    if (std::isinf(value)) return value > 0 ? " Inf" : "-Inf";
    if (value == 0) value = 0;  // no "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.10g", value);
    std::string text(buf);
    // %g already drops trailing zeros of the fraction; it keeps those of an
    // exponent form's mantissa only when asked with '#', which we never do.
    return value < 0 ? text : " " + text;
}

double textToNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto at = [&](std::size_t n) { return n < text.size() ? text[n] : '\0'; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (at(i) == ' ' || at(i) == '\t') ++i;

    std::string number;
    if (at(i) == '+' || at(i) == '-') number += text[i++];
    std::size_t digits = 0;
    while (isDigit(at(i))) {
        number += text[i++];
        ++digits;
    }
    if (at(i) == '.') {
        number += text[i++];
        while (isDigit(at(i))) {
            number += text[i++];
            ++digits;
        }
    }
    if (digits == 0) return 0;
    if (at(i) == 'e' || at(i) == 'E') {
        std::size_t j = i + 1;
        if (at(j) == '+' || at(j) == '-') ++j;
        if (isDigit(at(j))) {
            number += 'e';
            number.append(text.substr(i + 1, j - i - 1));
            while (isDigit(at(j))) number += text[j++];
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

bool fitsSingle(double value)
{
    if (value == 0) return true;
    const auto stored = static_cast<float>(value);
    return std::isfinite(stored) && std::fabs(stored) >= std::numeric_limits<float>::min();
}

std::optional<float> textToSingle(std::string_view text)
{
    const double value = textToNumber(text);
    if (!fitsSingle(value)) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace larkspan
