#include "rules/menu_state.h"

#include <gtest/gtest.h>

#include "model/preferences.h"
#include "rules/menu_rules.h"

namespace larkspan {
namespace {

// The whole bar on one line: "+" an enabled item or menu, "-" a disabled one,
// "*" enabled and checked, "x" disabled and checked; items from 1.
std::string shown(const MenuBarState& m)
{
    const auto on = [](bool enabled) { return std::string(enabled ? "+" : "-"); };
    const auto items = [](const auto& list) {
        std::string s;
        for (std::size_t i = 1; i < list.size(); ++i)
            s += list[i].enabled ? (list[i].checked ? '*' : '+') : (list[i].checked ? 'x' : '-');
        return s;
    };
    return "app" + on(m.appItemsEnabled) + " file" + on(m.fileEnabled) + items(m.file) + " edit" + on(m.editEnabled) +
           on(m.editItemsEnabled) + " response" + on(m.responseEnabled) + items(m.response) + " channel" +
           on(m.channelEnabled) + std::to_string(m.channelChecked) + " order" + on(m.orderEnabled) +
           std::to_string(m.orderChecked) + " filter" + std::to_string(m.filterMenuId) + on(m.filterEnabled) +
           std::to_string(m.filterChecked) + " correction" + std::to_string(m.correctionMenuId) +
           on(m.correctionEnabled) + " notch" + on(m.notchHighEnabled) + on(m.notchMidEnabled) + " help" +
           on(m.helpEnabled) + " build" + on(m.buildEnabled) + std::to_string(m.buildSeriesChecked) +
           (m.buildAsBuiltChecked ? "*" : "");
}

// A bar whose Build menu marks (preferences) are set: no state touches them.
MenuBarState marked()
{
    MenuBarState m;
    m.buildSeriesChecked = 4;
    m.buildAsBuiltChecked = true;
    return m;
}

MenuBarState openOn(const Design& d)
{
    MenuBarState m = marked();
    initMenu4(m, d);
    return m;
}

// Start-up builds the bar and puts it at once into the modal state; a new
// design offers Close to Print but not New or Open (first order: the filter
// title disabled); an open design's bar follows the design (filter menu by
// order parity, correction menu by ways, correction views only with their
// notch and the mid one only in a 3-way design, the notch submenu offering
// only the other driver while a correction view is shown); with no design
// only New, Open, the application items and Help remain. The Build menu is on
// with a design, off while modal and without one.
TEST(MenuStates, EachStateOfTheBar)
{
    MenuBarState startUp = marked();
    initMenu1(startUp);
    initMenu2(startUp);
    MenuBarState fresh = marked();
    initMenu1(fresh);
    Design second;
    chooseChannel(second, 2);
    chooseOrder(second, 2);
    second.respID = 6;
    Design third;
    chooseOrder(third, 3);
    Design midNotchTwoWay;
    midNotchTwoWay.MidCorrDisp = 1;
    Design notchesThreeWay;
    notchesThreeWay.channel = 3;
    notchesThreeWay.HigCorrDisp = notchesThreeWay.MidCorrDisp = 1;
    Design highView;
    highView.channel = 3;
    highView.s_Resp = "HigCorrImp";
    Design midView = highView;
    midView.s_Resp = "MidCorrImp";
    MenuBarState none = openOn(Design{});
    initMenu3(none);
    const std::pair<const char*, MenuBarState> rows[] = {
        {"start-up", startUp},
        {"new design", fresh},
        {"3-way second order, view 6", openOn(second)},
        {"third order", openOn(third)},
        {"mid notch in a 2-way design", openOn(midNotchTwoWay)},
        {"both notches in a 3-way design", openOn(notchesThreeWay)},
        {"high correction view", openOn(highView)},
        {"mid correction view", openOn(midView)},
        {"no design", none},
    };
    const char* expected[] = {
        "app- file---++++++++ edit+- response+x------------ channel-1 order-1 filter10-1 correction12- notch++ help- "
        "build-4*",
        "app+ file+--++++++++ edit+- response+*+++++-+----+ channel+1 order+1 filter10-1 correction12+ notch++ help+ "
        "build+4*",
        "app+ file+--++++++++ edit+- response++++++*-+----+ channel+2 order+2 filter11+1 correction13+ notch++ help+ "
        "build+4*",
        "app+ file+--++++++++ edit+- response+*+++++-+----+ channel+1 order+3 filter10+1 correction12+ notch++ help+ "
        "build+4*",
        "app+ file+--++++++++ edit+- response+*+++++-+----+ channel+1 order+1 filter10-1 correction12+ notch++ help+ "
        "build+4*",
        "app+ file+--++++++++ edit+- response+*+++++-+-++-+ channel+1 order+1 filter10-1 correction13+ notch++ help+ "
        "build+4*",
        "app+ file+--++++++++ edit+- response+*+++++-+----+ channel+1 order+1 filter10-1 correction13+ notch+- help+ "
        "build+4*",
        "app+ file+--++++++++ edit+- response+*+++++-+----+ channel+1 order+1 filter10-1 correction13+ notch-+ help+ "
        "build+4*",
        "app+ file+++-------- edit-- response-*+++++-+----+ channel-1 order-1 filter10-1 correction12- notch++ help+ "
        "build-4*",
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(shown(rows[i].second), expected[i]) << rows[i].first;
}

TEST(BoundsText, ReadsTheNumberAtTheStartAndAfterEachCommaAndWritesEachWithItsBlank)
{
    const std::pair<const char*, Bounds16> rows[] = {
        {" 44, 100, 434, 640", {44, 100, 434, 640}},
        {"-20, 5, 370, 545", {-20, 5, 370, 545}},
        {"top,left,bottom,right", {0, 0, 0, 0}},  // garbage is zero
        {" 10, 20", {10, 20, 0, 0}},              // missing values are zero
        {"", {0, 0, 0, 0}},
        {"1,2,3,4,5", {1, 2, 3, 4}},                          // extra values ignored
        {"99999,-99999,1e300,0", {32767, -32768, 32767, 0}},  // clamped
    };
    for (const auto& [text, bounds] : rows) EXPECT_EQ(boundsFromText(text), bounds) << text;
    EXPECT_EQ(boundsToText({0, 0, 390, 540}), " 0, 0, 390, 540");
    EXPECT_EQ(boundsToText({-3, 7, 380, 560}), "-3, 7, 380, 560");
    const Bounds16 b{123, -45, 678, 910};
    EXPECT_EQ(boundsFromText(boundsToText(b)), b);
}

}  // namespace
}  // namespace larkspan
