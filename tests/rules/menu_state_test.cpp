#include "rules/menu_state.h"

#include <gtest/gtest.h>

#include "model/preferences.h"
#include "rules/menu_rules.h"

namespace larkspan {
namespace {

std::vector<int> enabledResponseItems(const MenuBarState& m)
{
    std::vector<int> items;
    for (int i = 1; i <= 13; ++i)
        if (m.response[static_cast<std::size_t>(i)].enabled) items.push_back(i);
    return items;
}

TEST(MenuStates, StartUpBuildsTheBarAndPutsItAtOnceIntoTheModalState)
{
    MenuBarState m;
    initMenu1(m);
    initMenu2(m);
    EXPECT_FALSE(m.appItemsEnabled);
    EXPECT_FALSE(m.fileEnabled);
    EXPECT_TRUE(m.editEnabled);
    EXPECT_TRUE(enabledResponseItems(m).empty());
    EXPECT_FALSE(m.channelEnabled || m.orderEnabled || m.filterEnabled || m.correctionEnabled || m.helpEnabled);
}

TEST(MenuStates, NewDesignOffersCloseToPrintButNotNewOrOpen)
{
    MenuBarState m;
    initMenu1(m);
    EXPECT_FALSE(m.file[1].enabled);
    EXPECT_FALSE(m.file[2].enabled);
    for (int i = 3; i <= 10; ++i) EXPECT_TRUE(m.file[static_cast<std::size_t>(i)].enabled) << i;
    EXPECT_EQ(enabledResponseItems(m), (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 13}));
    EXPECT_TRUE(m.response[1].checked);
    EXPECT_EQ(m.filterMenuId, 10);
    EXPECT_FALSE(m.filterEnabled);  // first order: title disabled
    EXPECT_EQ(m.correctionMenuId, 12);
    EXPECT_FALSE(m.editItemsEnabled);
}

TEST(MenuStates, DesignOpenFollowsTheDesign)
{
    Design d;
    chooseChannel(d, 2);
    chooseOrder(d, 2);
    d.respID = 6;
    MenuBarState m;
    initMenu4(m, d);
    EXPECT_EQ(m.filterMenuId, 11);
    EXPECT_TRUE(m.filterEnabled);
    EXPECT_EQ(m.filterChecked, 1);
    EXPECT_EQ(m.channelChecked, 2);
    EXPECT_EQ(m.orderChecked, 2);
    EXPECT_EQ(m.correctionMenuId, 13);
    EXPECT_TRUE(m.response[6].checked);
    EXPECT_FALSE(m.response[1].checked);

    chooseOrder(d, 3);
    initMenu4(m, d);
    EXPECT_EQ(m.filterMenuId, 10);
    EXPECT_TRUE(m.filterEnabled);
}

TEST(MenuStates, CorrectionViewsNeedTheirNotch)
{
    Design d;
    d.MidCorrDisp = 1;
    MenuBarState m;
    initMenu4(m, d);
    EXPECT_FALSE(m.response[10].enabled);
    EXPECT_FALSE(m.response[11].enabled);  // a 2-way design never offers the mid view

    d.channel = 3;
    d.HigCorrDisp = 1;
    initMenu4(m, d);
    EXPECT_TRUE(m.response[10].enabled);
    EXPECT_TRUE(m.response[11].enabled);
}

TEST(MenuStates, NotchSubmenuOffersOnlyTheOtherDriverWhileACorrectionViewIsShown)
{
    Design d;
    d.channel = 3;
    MenuBarState m;
    d.s_Resp = "HigCorrImp";
    initMenu4(m, d);
    EXPECT_TRUE(m.notchHighEnabled);
    EXPECT_FALSE(m.notchMidEnabled);
    d.s_Resp = "MidCorrImp";
    initMenu4(m, d);
    EXPECT_FALSE(m.notchHighEnabled);
    EXPECT_TRUE(m.notchMidEnabled);
    d.s_Resp = "amp";
    initMenu4(m, d);
    EXPECT_TRUE(m.notchHighEnabled && m.notchMidEnabled);
}

TEST(MenuStates, NoDesignLeavesNewOpenApplicationAndHelp)
{
    Design d;
    MenuBarState m;
    initMenu4(m, d);
    initMenu3(m);
    EXPECT_TRUE(m.file[1].enabled && m.file[2].enabled);
    for (int i = 3; i <= 10; ++i) EXPECT_FALSE(m.file[static_cast<std::size_t>(i)].enabled) << i;
    EXPECT_FALSE(m.editEnabled || m.responseEnabled || m.channelEnabled || m.orderEnabled);
    EXPECT_FALSE(m.filterEnabled || m.correctionEnabled);
    EXPECT_TRUE(m.appItemsEnabled && m.helpEnabled);
}

struct BoundsRow {
    const char* name;
    const char* text;
    Bounds16 bounds;
    friend void PrintTo(const BoundsRow& r, std::ostream* os) { *os << r.name; }
};

class BoundsText : public testing::TestWithParam<BoundsRow> {};

TEST_P(BoundsText, ReadsTheNumberAtTheStartAndAfterEachComma)
{
    const Bounds16 b = boundsFromText(GetParam().text);
    EXPECT_EQ(b, GetParam().bounds) << b.top << "," << b.left << "," << b.bottom << "," << b.right;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BoundsText,
    testing::Values(BoundsRow{"written_form", " 44, 100, 434, 640", {44, 100, 434, 640}},
                    BoundsRow{"negative", "-20, 5, 370, 545", {-20, 5, 370, 545}},
                    BoundsRow{"garbage_is_zero", "top,left,bottom,right", {0, 0, 0, 0}},
                    BoundsRow{"missing_values_are_zero", " 10, 20", {10, 20, 0, 0}},
                    BoundsRow{"empty", "", {0, 0, 0, 0}}, BoundsRow{"extra_values_ignored", "1,2,3,4,5", {1, 2, 3, 4}},
                    BoundsRow{"out_of_range_clamped", "99999,-99999,1e300,0", {32767, -32768, 32767, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoundsText, WritesEachValueWithItsLeadingBlank)
{
    EXPECT_EQ(boundsToText({0, 0, 390, 540}), " 0, 0, 390, 540");
    EXPECT_EQ(boundsToText({-3, 7, 380, 560}), "-3, 7, 380, 560");
    const Bounds16 b{123, -45, 678, 910};
    EXPECT_EQ(boundsFromText(boundsToText(b)), b);
}

// The Build menu is on with a design, off while modal and without one; its
// marks are preferences that no state touches.
TEST(MenuStates, BuildMenuFollowsTheDesignState)
{
    MenuBarState m;
    m.buildSeriesChecked = 4;
    m.buildAsBuiltChecked = true;
    const Design d;
    const std::vector<std::pair<void (*)(MenuBarState&, const Design&), bool>> states{
        {[](MenuBarState& s, const Design&) { initMenu1(s); }, true},
        {[](MenuBarState& s, const Design&) { initMenu2(s); }, false},
        {[](MenuBarState& s, const Design& x) { initMenu4(s, x); }, true},
        {[](MenuBarState& s, const Design&) { initMenu3(s); }, false},
    };
    for (const auto& [apply, enabled] : states) {
        apply(m, d);
        EXPECT_EQ(m.buildEnabled, enabled);
        EXPECT_EQ(m.buildSeriesChecked, 4);
        EXPECT_TRUE(m.buildAsBuiltChecked);
    }
}

}  // namespace
}  // namespace larkspan
