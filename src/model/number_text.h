// The number <-> text conversions that fields, sheets and files use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace larkspan {

// At most ten significant digits, no trailing zeros or trailing decimal point,
// a leading blank for a value that is not negative: 12.0 → " 12",
// -0.5 → "-0.5". Very large or small magnitudes use an exponent ("1e+12").
std::string numberToText(double value);

// The leading number of the text (after leading blanks), 0 when there is none:
// "12.5 ohm" → 12.5, "abc" → 0, "" → 0. Accepts an optional sign, digits with
// one decimal point and an optional exponent; never "inf", "nan" or hex.
double textToNumber(std::string_view text);

// The value of a number field as the single-precision number it is stored
// in, or nothing when the number does not fit one: it overflows to infinity,
// or it is not 0 and would be stored as a subnormal or as 0. Text that is not
// a number reads 0 as with textToNumber.
std::optional<float> textToSingle(std::string_view text);

// Whether a value entered as `value` is stored faithfully as a float: finite,
// and either 0 or of normal magnitude.
bool fitsSingle(double value);

}  // namespace larkspan
