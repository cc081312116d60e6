// The menu bar as data: which menus and items are enabled and checked in
// each of its four states. The desktop program maps this onto its menus; the
// rules live here so that they can be checked without a display.
#pragma once

#include <array>
#include <ostream>

#include "model/design.h"

namespace larkspan {

struct MenuItemState {
    bool enabled = true;
    bool checked = false;
    bool operator==(const MenuItemState&) const = default;
};

// Items are indexed from 1 as the menus number them; separators count as
// items (their state is never shown). Index 0 is unused.
struct MenuBarState {
    bool appItemsEnabled = true;  // About, Check for Updates, Preferences, Quit

    bool fileEnabled = true;
    std::array<MenuItemState, 11> file{};  // 1 New .. 10 Print

    bool editEnabled = true;
    bool editItemsEnabled = false;

    bool responseEnabled = true;
    std::array<MenuItemState, 14> response{};  // 1 Amplitude .. 13 Snapshot

    bool channelEnabled = true;
    int channelChecked = 1;
    bool orderEnabled = true;
    int orderChecked = 1;

    int filterMenuId = 10;  // 10 odd orders (three items), 11 even orders (five items)
    bool filterEnabled = true;
    int filterChecked = 1;

    int correctionMenuId = 12;  // 12 for a 2-way design, 13 for a 3-way design
    bool correctionEnabled = true;
    bool notchHighEnabled = true;  // the 3-way Notch submenu's items
    bool notchMidEnabled = true;

    // The Build menu: enabled with the design, its marks the standard-value
    // preferences (series item 1 Ideal .. 5 Own List), which no state resets.
    bool buildEnabled = true;
    int buildSeriesChecked = 1;
    bool buildPairsChecked = false;
    bool buildAsBuiltChecked = false;

    bool helpEnabled = true;

    bool operator==(const MenuBarState&) const = default;
};

// New design: the full bar for a fresh design (About etc. unchanged).
void initMenu1(MenuBarState& m);
// Modal: everything but the Edit menu's title disabled.
void initMenu2(MenuBarState& m);
// No design: only New, Open, the application menu and Help.
void initMenu3(MenuBarState& m);
// Design open: the full bar rebuilt from the design.
void initMenu4(MenuBarState& m, const Design& d);

}  // namespace larkspan
