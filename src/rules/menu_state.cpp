#include "rules/menu_state.h"

namespace larkspan {

namespace {

constexpr int kResponseItems = 13;

void enableFileForOpenDesign(MenuBarState& m)
{
    m.fileEnabled = true;
    for (int i = 1; i <= 10; ++i) m.file[static_cast<std::size_t>(i)].enabled = i >= 3;
}

// Items 1-6, 8 and 13 of the Response menu; 10 and 11 as given.
void enableResponse(MenuBarState& m, bool high, bool mid, int checked)
{
    m.responseEnabled = true;
    for (int i = 1; i <= kResponseItems; ++i) {
        auto& item = m.response[static_cast<std::size_t>(i)];
        item.enabled = (i >= 1 && i <= 6) || i == 8 || i == 13;
        item.checked = i == checked;
    }
    m.response[10].enabled = high;
    m.response[11].enabled = mid;
}

void rebuild(MenuBarState& m, bool high, bool mid, int respChecked, int channelChecked, int orderChecked, int order,
             int filterChecked, int channel)
{
    enableFileForOpenDesign(m);
    m.editEnabled = true;
    m.editItemsEnabled = false;
    enableResponse(m, high, mid, respChecked);
    m.channelEnabled = true;
    m.channelChecked = channelChecked;
    m.orderEnabled = true;
    m.orderChecked = orderChecked;
    m.filterMenuId = (order == 2 || order == 4) ? 11 : 10;
    m.filterEnabled = order != 1;
    m.filterChecked = filterChecked;
    m.correctionMenuId = channel == 3 ? 13 : 12;
    m.correctionEnabled = true;
    m.notchHighEnabled = true;
    m.notchMidEnabled = true;
    m.buildEnabled = true;
    m.helpEnabled = true;
}

}  // namespace

void initMenu1(MenuBarState& m)
{
    rebuild(m, false, false, 1, 1, 1, 1, 1, 2);
}

void initMenu4(MenuBarState& m, const Design& d)
{
    m.appItemsEnabled = true;
    rebuild(m, d.HigCorrDisp == 1, d.MidCorrDisp == 1 && d.channel == 3, d.respID, d.chnelID, d.orderID, d.order,
            d.filtrID, d.channel);
    if (m.correctionMenuId == 13) {
        m.notchHighEnabled = d.s_Resp != "MidCorrImp";
        m.notchMidEnabled = d.s_Resp != "HigCorrImp";
    }
}

void initMenu2(MenuBarState& m)
{
    m.appItemsEnabled = false;
    m.fileEnabled = false;
    m.editEnabled = true;
    for (int i = 1; i <= kResponseItems; ++i) m.response[static_cast<std::size_t>(i)].enabled = false;
    m.channelEnabled = false;
    m.orderEnabled = false;
    m.filterEnabled = false;
    m.correctionEnabled = false;
    m.buildEnabled = false;
    m.helpEnabled = false;
}

void initMenu3(MenuBarState& m)
{
    m.appItemsEnabled = true;
    m.fileEnabled = true;
    for (int i = 1; i <= 10; ++i) m.file[static_cast<std::size_t>(i)].enabled = i <= 2;
    m.editEnabled = false;
    m.responseEnabled = false;
    m.channelEnabled = false;
    m.orderEnabled = false;
    m.filterEnabled = false;
    m.correctionEnabled = false;
    m.buildEnabled = false;
    m.helpEnabled = true;
}

}  // namespace larkspan
