// The window's menus, built from the menu table, with the menu bar states
// applied to them item by item.
#pragma once

#include <QObject>
#include <map>
#include <set>
#include <utility>

#include "app/menu_table.h"
#include "rules/menu_state.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace larkspan {

class MenuBar : public QObject {
    Q_OBJECT

public:
    explicit MenuBar(QMenuBar* bar);

    // Shows a state: which menus are in the bar and enabled, which items are
    // enabled and checked.
    void apply(const MenuBarState& state);

    // A command that cannot run in this build stays off in every state.
    void setAvailable(menu::Command command, bool available);
    bool available(const menu::Item& item) const;

    // A menu or a submenu by its id; an item by its menu and number.
    QMenu* menu(int menuId) const;
    QAction* action(int menuId, int item) const;

signals:
    // An item was chosen: its command and its number in its menu.
    void triggered(menu::Command command, int item);

private:
    QMenu* build(QMenu* into, const menu::Menu& table);

    std::map<int, QMenu*> menus_;
    std::map<std::pair<int, int>, QAction*> actions_;
    std::set<menu::Command> unavailable_;
    std::map<int, QActionGroup*> radioGroups_;
};

// What a state says of a menu and of one item, by menu id and item number.
bool menuShown(const MenuBarState& m, int menuId);
bool menuEnabled(const MenuBarState& m, int menuId);
MenuItemState itemState(const MenuBarState& m, int menuId, int item);

}  // namespace larkspan
