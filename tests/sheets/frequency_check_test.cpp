#include "sheets/frequency_check.h"

#include <gtest/gtest.h>

#include "rules/menu_rules.h"

namespace larkspan {
namespace {

constexpr const char* kNear = "ALERT!      Frequencis are too near.";
constexpr const char* kFar = "ALERT!      Frequencis are too far.";

struct CheckRow {
    const char* name;
    int order;
    const char* type;
    float fxl;
    float fxh;
    const char* title;  // nullptr: accepted
    const char* message;
    float correctedFxh;

    friend void PrintTo(const CheckRow& r, std::ostream* os) { *os << r.name; }
};

class SpacingCheck : public testing::TestWithParam<CheckRow> {};

TEST_P(SpacingCheck, AcceptsOrRefusesWithTheRowsAlert)
{
    const CheckRow& row = GetParam();
    Design d;
    d.order = static_cast<std::int16_t>(row.order);
    d.s_Type = row.type;
    d.FXL = row.fxl;
    d.FXH = row.fxh;
    d.FreqCheckFlag = 1;
    const auto alert = FrequencyCheck(d);
    if (!row.title) {
        EXPECT_FALSE(alert) << *alert;
        EXPECT_EQ(d.FreqCheckFlag, 0);
        EXPECT_EQ(d.FXH, row.fxh);
        return;
    }
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title, row.title);
    EXPECT_EQ(alert->message, row.message);
    EXPECT_EQ(d.FreqCheckFlag, 1);
    EXPECT_EQ(d.FXH, row.correctedFxh);
}

// Limits in FXH/FXL: too near below 2.9929 (R2 1.73) or 4 (R2 2); too far
// above 25, 50.41 or 1024.
INSTANTIATE_TEST_SUITE_P(
    Rows, SpacingCheck,
    testing::Values(CheckRow{"ratio3_passes_butter", 2, "Butter", 500, 1500, nullptr, nullptr, 0},
                    CheckRow{"ratio3_passes_third_order_bessel", 3, "Bessel", 500, 1500, nullptr, nullptr, 0},
                    CheckRow{"ratio3_refused_butasy", 2, "ButAsy", 500, 1500, kNear,
                             "Enter more separate frequencis.   FXL x 4  \u2264  FXH", 2000},
                    CheckRow{"ratio3_passes_fourth_order_butasy", 4, "ButAsy", 500, 1500, nullptr, nullptr, 0},
                    CheckRow{"ratio2_8_too_near", 1, "Butter", 500, 1400, kNear,
                             "Enter more separate frequencis.   FXL x 3  \u2264  FXH", 1500},
                    CheckRow{"ratio4_butasy_limit_passes", 2, "ButAsy", 200, 800, nullptr, nullptr, 0},
                    CheckRow{"ratio3_99_butasy_too_near", 2, "ButAsy", 200, 798, kNear,
                             "Enter more separate frequencis.   FXL x 4  \u2264  FXH", 800},
                    CheckRow{"ratio25_chebyc_limit_passes", 2, "Chebyc", 100, 2500, nullptr, nullptr, 0},
                    CheckRow{"ratio26_chebyc_too_far", 2, "Chebyc", 100, 2600, kFar,
                             "Enter more narrow frequencis.   FXL x 25  \u2265  FXH", 2500},
                    CheckRow{"ratio200_second_order_passes", 2, "Butter", 100, 20000, nullptr, nullptr, 0},
                    CheckRow{"ratio200_third_order_too_far", 3, "Butter", 100, 20000, kFar,
                             "Enter more narrow frequencis.   FXL x 50  \u2265  FXH", 5000},
                    CheckRow{"third_order_chebyc_capital_x", 3, "Chebyc", 100, 3000, kFar,
                             "Enter more narrow frequencis.   FXL X 25  \u2265  FXH", 2500},
                    CheckRow{"fourth_order_bessel_fifty", 4, "Bessel", 100, 6000, kFar,
                             "Enter more narrow frequencis.   FXL x 50  \u2265  FXH", 5000},
                    CheckRow{"second_order_thousand", 2, "Linkwi", 10, 11000, kFar,
                             "Enter more narrow frequencis.   FXL x 1000  \u2265  FXH", 10000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpacingCheck, OrderOutsideOneToFourChecksNothing)
{
    Design d;
    d.order = 5;
    d.FXL = 500;
    d.FXH = 600;
    d.FreqCheckFlag = 1;
    EXPECT_FALSE(FrequencyCheck(d));
    EXPECT_EQ(d.FreqCheckFlag, 1);
    EXPECT_EQ(d.FXH, 600.0F);
}

TEST(FilterMenuPath, ButAsyCorrectsFxhWithoutASheet)
{
    Design d;  // 2-way: the check ignores the channel
    chooseOrder(d, 2);
    d.FXL = 200;
    d.FXH = 700;
    d.FXHbak = 700;
    const auto alert = chooseFilter(d, 3);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title, kNear);
    EXPECT_EQ(alert->message, "Enter more separate frequencis.   FXL x 4  \u2264  FXH");
    EXPECT_EQ(d.FXH, 800.0F);
    EXPECT_EQ(d.FXHbak, 700.0F);
    EXPECT_EQ(d.s_Type, "ButAsy");
}

}  // namespace
}  // namespace larkspan
