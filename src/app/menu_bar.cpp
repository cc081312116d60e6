#include "app/menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/menu_ids.h"

namespace larkspan {

namespace {

QAction::MenuRole roleOf(menu::Command command)
{
    switch (command) {
        case menu::Command::About:
            return QAction::AboutRole;
        case menu::Command::Preferences:
            return QAction::PreferencesRole;
        case menu::Command::Quit:
            return QAction::QuitRole;
        case menu::Command::CheckForUpdates:
            return QAction::ApplicationSpecificRole;
        default:
            return QAction::NoRole;
    }
}

const menu::Menu* findMenu(int id)
{
    for (const auto& list : {menu::barMenus(), menu::submenus()})
        for (const menu::Menu& m : list)
            if (m.id == id) return &m;
    return nullptr;
}

}  // namespace

bool menuShown(const MenuBarState& m, int menuId)
{
    if (menuId == menu::kFilterOdd || menuId == menu::kFilterEven) return menuId == m.filterMenuId;
    if (menuId == menu::kCorrection2Way || menuId == menu::kCorrection3Way) return menuId == m.correctionMenuId;
    return true;
}

bool menuEnabled(const MenuBarState& m, int menuId)
{
    switch (menuId) {
        case menu::kFile:
            return m.fileEnabled;
        case menu::kEdit:
            return m.editEnabled;
        case menu::kResponse:
            return m.responseEnabled;
        case menu::kChannel:
            return m.channelEnabled;
        case menu::kOrder:
            return m.orderEnabled;
        case menu::kFilterOdd:
        case menu::kFilterEven:
            return menuShown(m, menuId) && m.filterEnabled;
        case menu::kCorrection2Way:
        case menu::kCorrection3Way:
            return menuShown(m, menuId) && m.correctionEnabled;
        case menu::kBuild:
            return m.buildEnabled;
        case menu::kHelp:
            return m.helpEnabled;
        default:
            return true;
    }
}

MenuItemState itemState(const MenuBarState& m, int menuId, int item)
{
    const auto at = [item](const auto& items) {
        return item > 0 && static_cast<std::size_t>(item) < items.size() ? items[static_cast<std::size_t>(item)]
                                                                         : MenuItemState{};
    };
    switch (menuId) {
        case menu::kApplication:
            return {m.appItemsEnabled, false};
        case menu::kFile:
            return {at(m.file).enabled, false};
        case menu::kEdit:
            return {m.editItemsEnabled, false};
        case menu::kResponse:
            return at(m.response);
        case menu::kChannel:
            return {true, item == m.channelChecked};
        case menu::kOrder:
            return {true, item == m.orderChecked};
        case menu::kFilterOdd:
        case menu::kFilterEven:
            return {true, item == m.filterChecked};
        case menu::kNotch3Way:
            return {item == 1 ? m.notchHighEnabled : m.notchMidEnabled, false};
        case menu::kBuild:
            return {m.buildEnabled, item == 3 && m.buildAsBuiltChecked};
        case menu::kStandardValues:
            return {m.buildEnabled, item == 7 ? m.buildPairsChecked : item == m.buildSeriesChecked};
        default:
            return {};
    }
}

MenuBar::MenuBar(QMenuBar* bar) : QObject(bar)
{
    for (const menu::Menu& table : menu::barMenus()) build(bar->addMenu(QString::fromUtf8(table.title)), table);
}

QMenu* MenuBar::build(QMenu* into, const menu::Menu& table)
{
    menus_[table.id] = into;
    for (const menu::Item& item : table.items) {
        if (!item.text) {
            into->addSeparator();
            continue;
        }
        QAction* a = nullptr;
        if (item.submenu) {
            a = build(into->addMenu(QString::fromUtf8(item.text)), *findMenu(item.submenu))->menuAction();
        } else {
            a = into->addAction(QString::fromUtf8(item.text));
            if (item.keys) a->setShortcut(QKeySequence(QString::fromLatin1(item.keys)));
            a->setCheckable(item.checkable);
            if (item.radio) {
                if (!radioGroups_.contains(table.id)) radioGroups_[table.id] = new QActionGroup(into);
                radioGroups_[table.id]->addAction(a);
            }
            a->setMenuRole(roleOf(item.command));
            connect(a, &QAction::triggered, this,
                    [this, command = item.command, number = item.number] { emit triggered(command, number); });
        }
        actions_[{table.id, item.number}] = a;
    }
    return into;
}

void MenuBar::apply(const MenuBarState& state)
{
    for (const auto& list : {menu::barMenus(), menu::submenus()}) {
        for (const menu::Menu& table : list) {
            QAction* title = menus_.at(table.id)->menuAction();
            title->setVisible(menuShown(state, table.id));
            title->setEnabled(menuEnabled(state, table.id));
            for (const menu::Item& item : table.items) {
                if (!item.text || item.submenu) continue;
                const MenuItemState s = itemState(state, table.id, item.number);
                QAction* a = actions_.at({table.id, item.number});
                a->setEnabled(s.enabled && available(item));
                if (a->isCheckable()) a->setChecked(s.checked);
            }
        }
    }
}

void MenuBar::setAvailable(menu::Command command, bool available)
{
    if (available)
        unavailable_.erase(command);
    else
        unavailable_.insert(command);
}

bool MenuBar::available(const menu::Item& item) const
{
    return item.ready == menu::Ready::Yes && !unavailable_.contains(item.command);
}

QMenu* MenuBar::menu(int menuId) const
{
    const auto it = menus_.find(menuId);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* MenuBar::action(int menuId, int item) const
{
    const auto it = actions_.find({menuId, item});
    return it == actions_.end() ? nullptr : it->second;
}

}  // namespace larkspan
