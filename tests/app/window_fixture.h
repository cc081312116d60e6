// The desktop program's window for a headless test: the prompts answer as the
// test says and record what they were asked, and the menus read by number.
#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/menu_ids.h"
#include "app/prompts.h"

namespace larkspan::test {

struct FakePrompts : Prompts {
    int beeps = 0;
    std::vector<QString> alerts;  // "title|message"
    std::vector<QString> sounds;
    std::vector<std::string> fileErrors;  // the third line of each
    QStringList saveDialogs;              // "prompt|proposed name"
    int questions = 0;
    SaveChanges answer = SaveChanges::Cancel;
    FileErrorChoice fileErrorChoice = FileErrorChoice::Continue;
    QString pathToOpen;
    QString pathToSave;  // "" cancels the dialog
    // The print sheets: what they do to the printer, and whether the user
    // confirms; none set cancels them.
    std::function<bool(QPrinter&, double&)> onPageSetup;
    std::function<bool(QPrinter&)> onPrint;
    QStringList stopAlerts;  // "title|message"

    void beep() override { ++beeps; }
    void playSound(const QString& s) override { sounds.push_back(s); }
    void alert(QWidget*, const QString& t, const QString& m) override { alerts.push_back(t + "|" + m); }
    SaveChanges askSaveChanges(QWidget*, const QString&) override
    {
        ++questions;
        return answer;
    }
    FileErrorChoice fileError(QWidget*, const std::array<std::string, 3>& lines) override
    {
        fileErrors.push_back(lines[2]);
        return fileErrorChoice;
    }
    QString openPath(QWidget*) override { return pathToOpen; }
    QString savePath(QWidget*, const QString& prompt, const QString& proposed) override
    {
        saveDialogs.push_back(prompt + "|" + proposed);
        return pathToSave;
    }
    bool pageSetup(QWidget*, QPrinter& printer, double& scale) override
    {
        return onPageSetup && onPageSetup(printer, scale);
    }
    bool print(QWidget*, QPrinter& printer) override { return onPrint && onPrint(printer); }
    FileErrorChoice stopAlert(QWidget*, const QString& title, const QString& message) override
    {
        stopAlerts.push_back(title + "|" + message);
        return fileErrorChoice;
    }
};

struct WindowFixture {
    FakePrompts prompts;
    ShellState shell;
    MainWindow window{shell, prompts};

    // Start-up as the program runs it, the timer fired at once.
    void start()
    {
        window.startUp();
        window.show();
        window.startUpTimerFired();
    }
    Design& d() { return window.design(); }
    QAction* action(int menuId, int item) const { return const_cast<MainWindow&>(window).menus().action(menuId, item); }
    void trigger(int menuId, int item) { action(menuId, item)->trigger(); }
    bool enabled(int menuId, int item) const { return action(menuId, item)->isEnabled(); }
    bool checked(int menuId, int item) const { return action(menuId, item)->isChecked(); }
    QAction* title(int menuId) const { return const_cast<MainWindow&>(window).menus().menu(menuId)->menuAction(); }
    bool menuShown(int menuId) const { return title(menuId)->isVisible(); }
    bool menuEnabled(int menuId) const { return title(menuId)->isEnabled(); }
};

}  // namespace larkspan::test
