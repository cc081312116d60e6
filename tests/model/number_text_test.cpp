#include "model/number_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace larkspan {
namespace {

// Numbers as the sheets' fields show them: a blank for the sign of a
// non-negative number, ten significant digits, no trailing zeros.
TEST(NumberText, ToText)
{
    const std::pair<double, const char*> rows[] = {
        {12.0, " 12"},
        {-0.5, "-0.5"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {6.3660, " 6.366"},
        {1.0 / 3.0, " 0.3333333333"},
        {2.0 / 3.0, " 0.6666666667"},
        {1234567890.0, " 1234567890"},
        {12345678901.0, " 1.23456789e+10"},
        {0.000125, " 0.000125"},
        {static_cast<double>(0.1F), " 0.1000000015"},  // a float shows its double
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(numberToText(value), text) << value;
    for (const double v : {0.5, 650.0, 1234.56, -7.125, 19999.99}) EXPECT_DOUBLE_EQ(textToNumber(numberToText(v)), v);
}

// A field's text gives its leading number, or 0.
TEST(NumberText, ToNumber)
{
    const std::pair<const char*, double> rows[] = {
        {"650", 650},     {" 12", 12}, {"12.5ohm", 12.5}, {"abc", 0},  {"", 0},
        {"-3.25", -3.25}, {".5", 0.5}, {".", 0},          {"-", 0},    {"1.5e3Hz", 1500},
        {"2e", 2},        {"inf", 0},  {"nan", 0},        {"0x10", 0}, {"1.2.3", 1.2},
    };
    for (const auto& [text, value] : rows) EXPECT_DOUBLE_EQ(textToNumber(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace larkspan
