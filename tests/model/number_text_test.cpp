#include "model/number_text.h"

#include <gtest/gtest.h>

namespace larkspan {
namespace {

struct ToTextRow {
    const char* name;
    double value;
    const char* text;

    friend void PrintTo(const ToTextRow& r, std::ostream* os) { *os << r.name; }
};

class NumberToText : public testing::TestWithParam<ToTextRow> {};

TEST_P(NumberToText, FormatsLikeTheRuntime)
{
    EXPECT_EQ(numberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, NumberToText,
                         testing::Values(ToTextRow{"whole_number_loses_point", 12.0, " 12"},
                                         ToTextRow{"negative_has_no_blank", -0.5, "-0.5"}, ToTextRow{"zero", 0.0, " 0"},
                                         ToTextRow{"negative_zero_is_zero", -0.0, " 0"},
                                         ToTextRow{"trailing_zeros_dropped", 6.3660, " 6.366"},
                                         ToTextRow{"ten_significant_digits", 1.0 / 3.0, " 0.3333333333"},
                                         ToTextRow{"ten_digits_round", 2.0 / 3.0, " 0.6666666667"},
                                         ToTextRow{"large_whole", 1234567890.0, " 1234567890"},
                                         ToTextRow{"eleven_digits_use_exponent", 12345678901.0, " 1.23456789e+10"},
                                         ToTextRow{"small", 0.000125, " 0.000125"},
                                         ToTextRow{"float_value_shows_its_double", static_cast<double>(0.1F),
                                                   " 0.1000000015"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ToNumberRow {
    const char* name;
    const char* text;
    double value;

    friend void PrintTo(const ToNumberRow& r, std::ostream* os) { *os << r.name; }
};

class TextToNumber : public testing::TestWithParam<ToNumberRow> {};

TEST_P(TextToNumber, TakesTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(textToNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextToNumber,
                         testing::Values(ToNumberRow{"plain", "650", 650}, ToNumberRow{"leading_blank", " 12", 12},
                                         ToNumberRow{"trailing_garbage", "12.5ohm", 12.5},
                                         ToNumberRow{"no_number", "abc", 0}, ToNumberRow{"empty", "", 0},
                                         ToNumberRow{"negative", "-3.25", -3.25},
                                         ToNumberRow{"leading_point", ".5", 0.5}, ToNumberRow{"lone_point", ".", 0},
                                         ToNumberRow{"lone_sign", "-", 0}, ToNumberRow{"exponent", "1.5e3Hz", 1500},
                                         ToNumberRow{"exponent_without_digits_ignored", "2e", 2},
                                         ToNumberRow{"inf_is_not_a_number", "inf", 0},
                                         ToNumberRow{"nan_is_not_a_number", "nan", 0},
                                         ToNumberRow{"hex_reads_leading_zero", "0x10", 0},
                                         ToNumberRow{"second_point_ends_number", "1.2.3", 1.2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberTextRoundTrip, FieldTextReadsBackToTheSameValue)
{
    for (const double v : {0.5, 650.0, 1234.56, -7.125, 19999.99})
        EXPECT_DOUBLE_EQ(textToNumber(numberToText(v)), v) << v;
}

}  // namespace
}  // namespace larkspan
