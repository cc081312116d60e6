// The menu bar as a table: every menu's title and items with their numbers,
// keys and commands. The window builds its menus from it and applies the
// menu bar states (rules/menu_state.h) to it item by item; the tests read
// the same table.
#pragma once

#include <span>

namespace larkspan::menu {

enum class Command {
    None,
    About,
    CheckForUpdates,
    Preferences,
    Quit,
    New,
    Open,
    Close,
    Save,
    SaveAs,
    SaveAsStationery,
    PageSetup,
    Print,
    Response,  // the item number is the Response menu item
    Snapshot,
    Channel,  // the item number is the Channel menu item, and so on
    Order,
    Filter,
    FrequencySheet,
    SplSheet,
    ImpedanceHigh,
    ImpedanceMid,
    ImpedanceLow,
    AttenuatorHigh,
    AttenuatorMid,
    NotchHigh,
    NotchMid,
    StandardValues,  // the item number is the series: 1 Ideal .. 5 Own List
    Pairs,
    ShowAsBuilt,
    PartsList,
    ExportPartsList,
    ExportNetlist,
    Minimize,
    Manual,
    ManualJapanese,
    ReleaseNotes,
    WebSite,
    MailTo,
};

// Whether an item works yet: the commands of work still to come are shown
// but stay off.
enum class Ready { Yes, Later };

struct Item {
    int number;        // as the menu state numbers it; 0 for a separator the states do not count
    const char* text;  // nullptr for a separator
    const char* keys = nullptr;
    Command command = Command::None;
    bool checkable = false;
    int submenu = 0;  // the menu id of the submenu this item opens, or 0
    Ready ready = Ready::Yes;
    bool radio = false;  // one of a group of which one item is checked
};

struct Menu {
    int id;
    const char* title;
    std::span<const Item> items;
};

// The menus of the bar, left to right; both Filter and both Correction menus
// are in it, one of each shown at a time.
std::span<const Menu> barMenus();
// The submenus of the Correction and Build menus.
std::span<const Menu> submenus();

}  // namespace larkspan::menu
