// The response window: the one document window of the program. It owns the
// open design and the menu bar and carries out every menu command.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/sheet_dialog.h"
#include "app/shell_state.h"
#include "model/design.h"
#include "model/document_file.h"
#include "rules/menu_state.h"

class QAction;
class QMenu;

namespace larkspan {

class ContentAnimator;
class PrintCommands;
class ResponseView;
class SheetDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(ShellState& shell, QWidget* parent = nullptr);
    ~MainWindow() override;

    Design& design() { return design_; }
    const MenuBarState& menuState() const { return menus_; }
    ShellState& shell() { return shell_; }
    ResponseView* view() const { return view_; }
    // Page Setup, Print and Snapshot, with the page format of the window.
    PrintCommands& printing() { return *printing_; }

    // The start-up steps after the preferences are loaded: defaults, the menu
    // bar built and at once made modal, corrections of the default design.
    void startUp();
    // The start-up timer's action: a new design unless one is already open.
    void startUpTimerFired();

    // Menu commands, one function each.
    void newDesign();
    void openDocument();
    bool openFile(const QString& path);  // as the desktop hands a file over
    void closeDesign();
    void saveDesign();
    void saveDesignAs();
    void saveAsStationery();
    void quit();
    void chooseResponse(int item);
    void chooseChannelItem(int item);
    void chooseOrderItem(int item);
    void chooseFilterItem(int item);
    void showAbout();
    void openFrequencySheet();
    void openSplSheet();
    void openImpedanceCorrectionSheet(const std::string& key);  // "HighInc", "MidInc", "LowInc"
    void openAttenuatorSheet(const std::string& key);           // "HighAtt", "MidAtt"
    void openNotchSheet(int notch);                             // 1 high, 2 mid

    // The sheet open on the window, if any.
    SheetDialog* currentSheet() const { return sheet_; }
    void showPreferences();

    // The menu bar states.
    void initMenu1();
    void initMenu2();
    void initMenu3();
    void initMenu4();

    // Draws the current view again (ResponsePlot).
    void plot();

    // The response window's place on screen: where a new window's content
    // goes (540 × 390, at `Bounds` or centred), the animated fit to the
    // current view, and `Bounds` read back from the window.
    void placeResponseWindow();
    void ResizeResponseWnd();
    // How long the resize transition takes; 0 resizes at once.
    int resizeMillis = 200;

    // The action of a menu item, by menu identifier and item index, for tests.
    QAction* action(int menuId, int item) const;
    QMenu* menu(int menuId) const;

    // Called instead of the system beep, the file dialogs and the alerts, for
    // tests. The save-path hook returns "" for Cancel; the question hook
    // returns QMessageBox::Save, Discard or Cancel.
    std::function<void()> beepHook;
    std::function<QString(const QString& prompt, const QString& proposedName)> savePathHook;
    std::function<int()> saveChangesHook;
    std::function<void(const std::array<std::string, 3>&)> fileErrorHook;
    std::function<void(const QString& title, const QString& message)> alertHook;
    // Receives the sounds the program asks for instead of playing them.
    std::function<void(const QString& soundFile)> soundHook;

signals:
    // The program should end with this status (the preferences are saved by
    // whoever ends it).
    void quitRequested(int status);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildMenus();
    void applyMenuState();
    void applyDocumentState();
    void markDirty();
    void openResponseWindow();
    void readBoundsBack(bool schema);
    void closeResponseWindow();
    void quitApplication();
    // The save-changes question for a waiting close or quit.
    void askSaveChanges();
    bool writeDocument(const QString& path, bool stationery);
    bool loadFile(const QString& path);
    // Shows a sheet with the menus modal; OK redraws, Cancel does not.
    void runSheet(SheetDialog* sheet);
    SheetHooks sheetHooks();
    QString askSavePath(const QString& prompt, const QString& proposedName);
    void finishSave(const std::optional<FileError>& error);
    void showFileError(const FileError& error);
    void showAlert(const QString& title, const QString& message);
    void beep();
    void playSound(const QString& soundFile);

    ShellState& shell_;
    Design design_;
    MenuBarState menus_;
    ResponseView* view_ = nullptr;
    ContentAnimator* animator_ = nullptr;
    std::unique_ptr<PrintCommands> printing_;
    QPointer<SheetDialog> sheet_;
    std::map<int, QMenu*> menusById_;
    std::map<std::pair<int, int>, QAction*> actions_;
    std::array<QAction*, 4> appActions_{};  // About, Check for Updates, Preferences, Quit
    bool closingForQuit_ = false;
};

}  // namespace larkspan
