#include "app/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QIcon>
#include <QMenuBar>
#include <QMoveEvent>
#include <QShortcut>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/correction_sheet_dialogs.h"
#include "app/frequency_sheet_dialogs.h"
#include "app/help_documents.h"
#include "app/menu_ids.h"
#include "app/notch_sheet_dialog.h"
#include "app/preferences_dialog.h"
#include "app/printing.h"
#include "app/response_view.h"
#include "app/update_check.h"
#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "corrections/notch.h"
#include "model/document_record.h"
#include "rules/document_rules.h"
#include "rules/menu_rules.h"
#include "sheets/notch_sheet.h"

namespace larkspan {

MainWindow::MainWindow(ShellState& shell, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      shell_(shell),
      prompts_(prompts),
      view_(new ResponseView(design_, this)),
      menuBar_(new MenuBar(QMainWindow::menuBar())),
      placement_(this, view_, shell),
      documents_(design_, shell, prompts, *this),
      build_(this, design_, *view_, prompts, [this] { plot(); })
{
    setCentralWidget(view_);
    // Every title fits above the 540-point graph view without an overflow
    // button.
    QMainWindow::menuBar()->setStyleSheet(QStringLiteral(
        "QMenuBar { spacing: 0px; background: palette(window); } QMenuBar::item { padding: 3px 3px; margin: 0px; "
        "background: transparent; } "
        "QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    // The maker's addresses are build settings; while a packager has not set
    // them, their items are shown but stay off.
    menuBar_->setAvailable(menu::Command::WebSite, !makerWebUrl().isEmpty());
    menuBar_->setAvailable(menu::Command::MailTo, !makerMailAddress().isEmpty());
    connect(menuBar_, &MenuBar::triggered, this, &MainWindow::run);
    setWindowTitle(QStringLiteral("Larkspan"));
    setWindowIcon(QIcon(QStringLiteral(":/larkspan.svg")));
    // F10 opens the first menu, as elsewhere on the desktop.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        for (QAction* a : QMainWindow::menuBar()->actions())
            if (a->isVisible() && a->isEnabled()) return QMainWindow::menuBar()->setActiveAction(a);
    });
    UpdateHost host;
    host.menusModal = [this] { setMenus(Menus::Modal); };
    host.menusBack = [this] { restoreMenus(); };
    host.quit = [this] { documents_.quit(); };
    updates_ = new UpdateChecker(shell_, std::move(host), this);
    printing_ = std::make_unique<PrintCommands>(
        PrintShell{this, &design_, &shell_, &prompts_, view_, [this] { setMenus(Menus::Modal); },
                   [this] { setMenus(Menus::DesignOpen); }, [this] { documents_.quit(); }});
}

MainWindow::~MainWindow() = default;

void MainWindow::run(menu::Command command, int item)
{
    runCommand(command, item);
    redrawIfChanged();
}

void MainWindow::redrawIfChanged()
{
    // Any command that changed what the view shows draws it again, also
    // those that do not draw by themselves.
    if (shell_.RespWndOpenFlag && encodeRecord(design_) != drawn_) plot();
}

void MainWindow::runCommand(menu::Command command, int item)
{
    using C = menu::Command;
    switch (command) {
        case C::About:
            return showAbout();
        case C::CheckForUpdates:
            return updates_->checkFromMenu();
        case C::Preferences:
            return showPreferences();
        case C::Quit:
            return documents_.quit();
        case C::New:
            return documents_.newDesign();
        case C::Open:
            return documents_.open();
        case C::Close:
            return documents_.close();
        case C::Save:
            documents_.save();
            return;
        case C::SaveAs:
            documents_.saveAs();
            return;
        case C::SaveAsStationery:
            return documents_.saveAsStationery();
        case C::Response:
            return chooseResponse(item);
        case C::Channel:
            return chooseChannelItem(item);
        case C::Order:
            return chooseOrderItem(item);
        case C::Filter:
            return chooseFilterItem(item);
        case C::FrequencySheet:
            return openFrequencySheet();
        case C::SplSheet:
            return openSplSheet();
        case C::ImpedanceHigh:
            return openImpedanceCorrectionSheet("HighInc");
        case C::ImpedanceMid:
            return openImpedanceCorrectionSheet("MidInc");
        case C::ImpedanceLow:
            return openImpedanceCorrectionSheet("LowInc");
        case C::AttenuatorHigh:
            return openAttenuatorSheet("HighAtt");
        case C::AttenuatorMid:
            return openAttenuatorSheet("MidAtt");
        case C::NotchHigh:
            return openNotchSheet(1);
        case C::NotchMid:
            return openNotchSheet(2);
        case C::StandardValues:
        case C::Pairs:
        case C::ShowAsBuilt:
            build_.run(command, item);
            build_.showIn(menus_);
            menuBar_->apply(menus_);
            return;
        case C::PartsList:
        case C::ExportPartsList:
        case C::ExportNetlist:
            return build_.run(command, item);
        case C::Minimize:
            return showMinimized();
        case C::Manual:
            return openResourceDocument(this, QStringLiteral("Larkspan's_Manual.pdf"));
        case C::ManualJapanese:
            return openResourceDocument(this, QString::fromUtf8(kJapaneseString1));
        case C::ReleaseNotes:
            return openResourceDocument(this, QStringLiteral("Larkspan_Release_Notes.pdf"));
        case C::WebSite:
            QDesktopServices::openUrl(QUrl(makerWebUrl()));
            return;
        case C::MailTo:
            QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + makerMailAddress()));
            return;
        case C::PageSetup:
            return printing_->MyDoPageSetup();
        case C::Print:
            return printing_->MyDoPrint();
        case C::Snapshot:
            return printing_->SnapShot();
        case C::None:
            return;
    }
}

// ---- menus, title and placement ----------------------------------------------

void MainWindow::setMenus(Menus menus)
{
    switch (menus) {
        case Menus::NewDesign:
            initMenu1(menus_);
            break;
        case Menus::Modal:
            initMenu2(menus_);
            break;
        case Menus::NoDesign:
            initMenu3(menus_);
            break;
        case Menus::DesignOpen:
            initMenu4(menus_, design_);
            break;
    }
    build_.showIn(menus_);
    menuBar_->apply(menus_);
}

void MainWindow::restoreMenus()
{
    setMenus(shell_.RespWndOpenFlag ? Menus::DesignOpen : Menus::NoDesign);
}

void MainWindow::documentChanged()
{
    if (!shell_.RespWndOpenFlag) {
        setWindowTitle(QStringLiteral("Larkspan"));
        setWindowFilePath(QString());
        setWindowModified(false);
        return;
    }
    // The title is the document's name; the path marks a design with a file.
    setWindowFilePath(shell_.doc.FileOpenFlag || design_.SaveAsFlag
                          ? QString::fromStdString(shell_.doc.fileUrl.string())
                          : QString());
    setWindowTitle(QString::fromStdString(design_.fileName1) + QStringLiteral("[*]"));
    setWindowModified(design_.DirtyFlag == 1);
}

void MainWindow::markDirty()
{
    design_.DirtyFlag = 1;
    documentChanged();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The user moved the window: remember where its graph view now stands.
    if (shell_.RespWndOpenFlag && isVisible()) placement_.windowMoved(view_->currentView() == "schema");
}

// ---- start-up and the design's life -----------------------------------------

void MainWindow::startUp()
{
    build_.load();
    InitSetupParaOnSave(design_);
    InitSetupParaNoSave(design_);
    setMenus(Menus::NewDesign);
    setMenus(Menus::Modal);
    CalcDiffAtt(design_);
    CalcImpIncAtt(design_);
}

void MainWindow::startUpTimerFired()
{
    if (shell_.WndOpenFlag) return;  // a document opened at launch came first
    setMenus(Menus::DesignOpen);
    openResponseWindow();
    plot();
    updates_->checkAtLaunch();
}

bool MainWindow::openFromDesktop(const QString& path)
{
    const bool opened = documents_.openFile(path);
    updates_->checkAtLaunch();
    return opened;
}

void MainWindow::openResponseWindow()
{
    placement_.placeNewWindow();
    placement_.rememberPlace();
    fitPending_ = true;
    shell_.WndOpenFlag = 1;
    shell_.RespWndOpenFlag = 1;
    view_->setShown(true);
    documentChanged();
}

void MainWindow::closeResponseWindow()
{
    view_->setShown(false);
    printing_->releasePageFormat();
    shell_.RespWndOpenFlag = 0;
    shell_.doc.WndCloseFlag = 0;
    design_.DirtyFlag = 0;
    documentChanged();
    setMenus(Menus::NoDesign);
}

void MainWindow::plot()
{
    if (!shell_.RespWndOpenFlag) return;
    // Departure: the window is fitted to its view for a new window or
    // another view only, not for every drawing; a redraw of the same view
    // keeps the size the user gave the window, and the view is scaled to it.
    const bool fit = fitPending_ || design_.s_Resp != view_->currentView();
    if (shell_.FastOpenFlag == 0 && fit) placement_.fitView(design_.s_Resp == "schema");
    fitPending_ = false;
    view_->showView(design_.s_Resp);
    drawn_ = encodeRecord(design_);
    shell_.FastOpenFlag = 0;
}

void MainWindow::endProgram(int status)
{
    closingForQuit_ = true;
    if (shell_.RespWndOpenFlag) closeResponseWindow();
    close();
    emit quitRequested(status);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closingForQuit_) {
        event->accept();
        return;
    }
    // The window's close button closes the design, asking first when it has
    // changes, and then ends the program.
    event->ignore();
    documents_.quit();
}

// ---- view, channel, order and filter ------------------------------------------

void MainWindow::chooseResponse(int item)
{
    if (item < 1 || item > 11 || !*menu::kResponseViews[static_cast<std::size_t>(item)]) return;
    if (item == 10 || item == 11) {
        // The corrected-impedance views draw the driver's set through the
        // notch working set.
        shell_.Notch = static_cast<std::int16_t>(item == 10 ? 1 : 2);
        selectCorrImpView(design_, shell_.Notch);
    } else {
        design_.s_Resp = menu::kResponseViews[static_cast<std::size_t>(item)];
    }
    design_.respID = static_cast<std::int16_t>(item);
    setMenus(Menus::DesignOpen);
    shell_.PMOrientFlag = 0;  // the next print takes the new view's orientation
    plot();
}

void MainWindow::chooseChannelItem(int item)
{
    chooseChannel(design_, item);
    setMenus(Menus::DesignOpen);
    markDirty();
    plot();
}

void MainWindow::chooseOrderItem(int item)
{
    chooseOrder(design_, item);
    setMenus(Menus::DesignOpen);
    markDirty();
    plot();
}

void MainWindow::chooseFilterItem(int item)
{
    const auto alert = chooseFilter(design_, item);
    setMenus(Menus::DesignOpen);
    markDirty();
    if (alert) showAlert(QString::fromStdString(alert->title), QString::fromStdString(alert->message));
    plot();
}

// ---- sheets -------------------------------------------------------------

void MainWindow::beginSheet()
{
    // Departure: the last accepted copies are taken whenever a sheet opens,
    // not only where each sheet's own OK takes them. Commands outside the
    // sheets (the Filter menu's frequency check, the notch sheet's driver
    // data) change inputs without updating the copies, and a Cancel would
    // otherwise put stale values back into the design.
    takeLastAccepted(design_);
}

void MainWindow::runSheet(SheetDialog* sheet)
{
    sheet_ = sheet;
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    setMenus(Menus::Modal);
    connect(sheet, &QDialog::finished, this, [this](int result) {
        setMenus(Menus::DesignOpen);
        if (result == QDialog::Accepted) {
            markDirty();
            plot();
        } else {
            // A Cancel after Calc keeps the values of the last Calc.
            redrawIfChanged();
        }
    });
    sheet->open();
}

void MainWindow::openImpedanceCorrectionSheet(const std::string& key)
{
    beginSheet();
    shell_.s_Corr = key;
    if (const auto driver = correctedDriverForKey(key))
        runSheet(new ImpedanceCorrectionDialog(this, design_, *driver, prompts_));
}

void MainWindow::openAttenuatorSheet(const std::string& key)
{
    beginSheet();
    shell_.s_Corr = key;
    if (const auto driver = attenuatedDriverForKey(key))
        runSheet(new AttenuatorDialog(this, design_, *driver, prompts_));
}

void MainWindow::openNotchSheet(int notch)
{
    if (notch != 1 && notch != 2) return;
    shell_.s_Corr = notch == 1 ? "HighNotch" : "MidNotch";
    shell_.Notch = static_cast<std::int16_t>(notch);
    larkspan::openNotchSheet(design_, notch);
    beginSheet();
    runSheet(new NotchSheetDialog(this, design_, shell_.prefs.SoundCheck, prompts_));
}

void MainWindow::openSplSheet()
{
    beginSheet();
    runSheet(new SplDialog(this, design_, prompts_));
}

void MainWindow::openFrequencySheet()
{
    beginSheet();
    if (design_.channel == 3)
        runSheet(new FrequencySheet3WayDialog(this, design_, prompts_));
    else
        runSheet(new FrequencySheet2WayDialog(this, design_, prompts_));
}

// ---- small windows and alerts ------------------------------------------------

void MainWindow::showAbout()
{
    setMenus(Menus::Modal);
    AboutDialog about(this);
    about.exec();
    restoreMenus();
}

void MainWindow::showPreferences()
{
    setMenus(Menus::Modal);
    PreferencesDialog dialog(shell_.prefs, this);
    dialog.exec();
    restoreMenus();
}

void MainWindow::showAlert(const QString& title, const QString& message)
{
    prompts_.beep();
    prompts_.alert(this, title, message);
}

}  // namespace larkspan
