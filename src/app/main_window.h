// The response window: the one document window of the program. It owns the
// open design, wires the menu bar's commands to their work and shows the
// current view.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "app/build_commands.h"
#include "app/document_flow.h"
#include "app/menu_bar.h"
#include "app/prompts.h"
#include "app/sheet_dialog.h"
#include "app/shell_state.h"
#include "app/window_placement.h"
#include "model/design.h"
#include "model/document_record.h"
#include "rules/menu_state.h"

namespace larkspan {

class PrintCommands;
class ResponseView;
class UpdateChecker;

class MainWindow : public QMainWindow, private DocumentHost {
    Q_OBJECT

public:
    MainWindow(ShellState& shell, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    Design& design() { return design_; }
    const MenuBarState& menuState() const { return menus_; }
    MenuBar& menus() { return *menuBar_; }
    DocumentFlow& documents() { return documents_; }
    WindowPlacement& placement() { return placement_; }
    ResponseView* view() const { return view_; }
    BuildCommands& build() { return build_; }
    UpdateChecker* updates() const { return updates_; }
    // Page Setup, Print and Snapshot, with the window's page format.
    PrintCommands& printing() { return *printing_; }

    // The start-up steps after the preferences are loaded: defaults, the menu
    // bar built and at once made modal, corrections of the default design.
    void startUp();
    // The start-up timer's action: a new design unless one is already open.
    void startUpTimerFired();
    // A file handed over by the desktop or a second launch; the launch-time
    // update check follows the first design shown.
    bool openFromDesktop(const QString& path);

    // The view, channel, order and filter commands, by menu item.
    void chooseResponse(int item);
    void chooseChannelItem(int item);
    void chooseOrderItem(int item);
    void chooseFilterItem(int item);

    void openFrequencySheet();
    void openSplSheet();
    void openImpedanceCorrectionSheet(const std::string& key);  // "HighInc", "MidInc", "LowInc"
    void openAttenuatorSheet(const std::string& key);           // "HighAtt", "MidAtt"
    void openNotchSheet(int notch);                             // 1 high, 2 mid
    // The sheet open on the window, if any.
    SheetDialog* currentSheet() const { return sheet_; }

    // Draws the current view again (ResponsePlot).
    void plot() override;

signals:
    // The program should end with this status (the preferences are saved by
    // whoever ends it).
    void quitRequested(int status);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void run(menu::Command command, int item);
    void runCommand(menu::Command command, int item);
    void redrawIfChanged();
    void showAbout();
    void showPreferences();
    void showAlert(const QString& title, const QString& message);
    void markDirty();
    void beginSheet();
    // Shows a sheet with the menus modal; OK redraws, Cancel does not.
    void runSheet(SheetDialog* sheet);
    // The menus of the window's state once a small window has closed.
    void restoreMenus();

    // DocumentHost
    void setMenus(Menus menus) override;
    void openResponseWindow() override;
    void closeResponseWindow() override;
    void documentChanged() override;
    void endProgram(int status) override;
    QWidget* promptParent() override { return this; }

    ShellState& shell_;
    Prompts& prompts_;
    Design design_;
    MenuBarState menus_;
    ResponseView* view_;
    MenuBar* menuBar_;
    WindowPlacement placement_;
    DocumentFlow documents_;
    BuildCommands build_;
    std::unique_ptr<PrintCommands> printing_;
    QPointer<SheetDialog> sheet_;
    Record drawn_{};           // the design as the view last drew it
    bool fitPending_ = false;  // the next drawing sizes the window to its view
    UpdateChecker* updates_ = nullptr;
    bool closingForQuit_ = false;
};

}  // namespace larkspan
