// The desktop program's window for a headless test: beeps, alerts, sounds and
// file errors are recorded instead of shown, and the menus read by number.
#pragma once

#include <QAction>
#include <QMenu>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/menu_ids.h"

namespace larkspan::test {

struct WindowFixture {
    ShellState shell;
    MainWindow window{shell};
    int beeps = 0;
    std::vector<QString> alerts;  // "title|message"
    std::vector<QString> sounds;
    std::vector<std::string> fileErrors;

    WindowFixture()
    {
        window.beepHook = [this] { ++beeps; };
        window.alertHook = [this](const QString& t, const QString& m) { alerts.push_back(t + "|" + m); };
        window.soundHook = [this](const QString& s) { sounds.push_back(s); };
        window.fileErrorHook = [this](const std::array<std::string, 3>& l) { fileErrors.push_back(l[2]); };
    }
    // Start-up as the program runs it, the timer fired at once.
    void start()
    {
        window.startUp();
        window.show();
        window.startUpTimerFired();
    }
    Design& d() { return window.design(); }
    void trigger(int menuId, int item) { window.action(menuId, item)->trigger(); }
    bool enabled(int menuId, int item) const { return window.action(menuId, item)->isEnabled(); }
    bool checked(int menuId, int item) const { return window.action(menuId, item)->isChecked(); }
    bool menuShown(int menuId) const { return window.menu(menuId)->menuAction()->isVisible(); }
    bool menuEnabled(int menuId) const { return window.menu(menuId)->menuAction()->isEnabled(); }
};

}  // namespace larkspan::test
