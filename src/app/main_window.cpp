#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/correction_sheet_dialogs.h"
#include "app/frequency_sheet_dialogs.h"
#include "app/help_documents.h"
#include "app/menu_ids.h"
#include "app/notch_sheet_dialog.h"
#include "app/preferences_dialog.h"
#include "app/response_view.h"
#include "app/window_animation.h"
#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "corrections/notch.h"
#include "model/resource_folder.h"
#include "rules/document_rules.h"
#include "rules/menu_rules.h"
#include "rules/window_bounds.h"
#include "sheets/notch_sheet.h"

namespace larkspan {

namespace {

QKeySequence keys(const char* text)
{
    return text ? QKeySequence(QString::fromLatin1(text)) : QKeySequence();
}

QRect toRect(const Bounds16& b)
{
    return QRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

Bounds16 toBounds(const QRect& r)
{
    const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
    return {i16(r.top()), i16(r.left()), i16(r.top() + r.height()), i16(r.left() + r.width())};
}

}  // namespace

MainWindow::MainWindow(ShellState& shell, QWidget* parent) : QMainWindow(parent), shell_(shell)
{
    view_ = new ResponseView(design_, this);
    setCentralWidget(view_);
    animator_ = new ContentAnimator(this, view_);
    buildMenus();
    setWindowTitle(QStringLiteral("Larkspan"));
}

// ---- menus ---------------------------------------------------------------

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    // Every title fits above the 540-point graph view without an overflow
    // button.
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { spacing: 0px; } QMenuBar::item { padding: 3px 5px; margin: 0px; background: transparent; } "
        "QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    int item = 0;
    QMenu* current = nullptr;
    int currentId = 0;
    const auto open = [&](int id, const QString& title) {
        current = bar->addMenu(title);
        currentId = id;
        item = 0;
        menusById_[id] = current;
        return current;
    };
    const auto add = [&](const char* text, const char* shortcut, std::function<void()> run) {
        ++item;
        QAction* a = current->addAction(QString::fromUtf8(text));
        a->setShortcut(keys(shortcut));
        actions_[{currentId, item}] = a;
        if (run) connect(a, &QAction::triggered, this, std::move(run));
        return a;
    };
    const auto separator = [&] {
        ++item;
        current->addSeparator();
    };
    const auto checkable = [&](QAction* a) {
        a->setCheckable(true);
        return a;
    };

    open(menu::kApplication, QStringLiteral("Larkspan"));
    appActions_[0] = add("About Larkspan", nullptr, [this] { showAbout(); });
    appActions_[0]->setMenuRole(QAction::AboutRole);
    appActions_[1] = add("Check for Updates...", nullptr, nullptr);
    appActions_[1]->setMenuRole(QAction::ApplicationSpecificRole);
    separator();
    appActions_[2] = add("Preferences...", "Ctrl+,", [this] { showPreferences(); });
    appActions_[2]->setMenuRole(QAction::PreferencesRole);
    current->addSeparator();
    appActions_[3] = add("Quit", "Ctrl+Q", [this] { quit(); });
    appActions_[3]->setMenuRole(QAction::QuitRole);

    open(menu::kFile, QStringLiteral("File"));
    add("New Filter Design...", "Ctrl+N", [this] { newDesign(); });
    add("Open...", "Ctrl+O", [this] { openDocument(); });
    add("Close", "Ctrl+W", [this] { closeDesign(); });
    separator();
    add("Save", "Ctrl+S", [this] { saveDesign(); });
    add("Save As...", "Ctrl+Shift+S", [this] { saveDesignAs(); });
    add("Save As Stationery...", nullptr, [this] { saveAsStationery(); });
    separator();
    add("Page Setup...", "Ctrl+Shift+P", nullptr);
    add("Print...", "Ctrl+P", nullptr);

    // Edit commands reach no editable text in the response window: they are
    // offered for the sheets' fields and otherwise do nothing.
    open(menu::kEdit, QStringLiteral("Edit"));
    add("Undo", "Ctrl+Z", nullptr);
    add("Redo", "Ctrl+Shift+Z", nullptr);
    separator();
    add("Cut", "Ctrl+X", nullptr);
    add("Copy", "Ctrl+C", nullptr);
    add("Paste", "Ctrl+V", nullptr);
    add("Delete", nullptr, nullptr);
    add("Select All", "Ctrl+A", nullptr);

    open(menu::kResponse, QStringLiteral("Response"));
    const char* responseItems[] = {"Amplitude",   "Input Impedance", "Phase",
                                   "Group Delay", "Nyquist Diagram", "Step Response"};
    for (int i = 0; i < 6; ++i)
        checkable(add(responseItems[i], i == 0 ? "Ctrl+Alt+A" : nullptr, [this, i] { chooseResponse(i + 1); }));
    separator();
    checkable(add("Schematics", "Ctrl+Alt+C", [this] { chooseResponse(8); }));
    separator();
    checkable(add("High Imp. Correct", nullptr, [this] { chooseResponse(10); }));
    checkable(add("Mid Imp. Correct", nullptr, [this] { chooseResponse(11); }));
    separator();
    add("Snapshot Response...", "Ctrl+Alt+S", nullptr);

    open(menu::kChannel, QStringLiteral("Channel"));
    checkable(add("2wey", "Ctrl+Alt+2", [this] { chooseChannelItem(1); }));
    checkable(add("3wey", "Ctrl+Alt+3", [this] { chooseChannelItem(2); }));

    open(menu::kOrder, QStringLiteral("Order"));
    const char* orderItems[] = {"1st", "2nd", "3rd", "4th"};
    const char* orderKeys[] = {"Ctrl+1", "Ctrl+2", "Ctrl+3", "Ctrl+4"};
    for (int i = 0; i < 4; ++i) checkable(add(orderItems[i], orderKeys[i], [this, i] { chooseOrderItem(i + 1); }));

    open(menu::kFilterOdd, QStringLiteral("Filter"));
    for (const char* text : {"Butterworth", "Bessel", "Chebychev"}) {
        const int k = item + 1;
        checkable(add(text, nullptr, [this, k] { chooseFilterItem(k); }));
    }
    open(menu::kFilterEven, QStringLiteral("Filter"));
    for (const char* text : {"Linkwitz-Riley", "Butterworth", "Butterworth Asymmetry", "Bessel", "Chebychev"}) {
        const int k = item + 1;
        checkable(add(text, nullptr, [this, k] { chooseFilterItem(k); }));
    }

    const auto submenu = [&](const char* title, int commandId, std::initializer_list<const char*> items) {
        ++item;
        QMenu* sub = current->addMenu(QString::fromUtf8(title));
        actions_[{currentId, item}] = sub->menuAction();
        menusById_[commandId] = sub;
        int subItem = 0;
        for (const char* text : items) actions_[{commandId, ++subItem}] = sub->addAction(QString::fromUtf8(text));
    };
    open(menu::kCorrection2Way, QStringLiteral("Correction"));
    add("Crossover Frequency...", "Ctrl+F", [this] { openFrequencySheet(); });
    separator();
    add("SPL Enter...", "Ctrl+L", [this] { openSplSheet(); });
    separator();
    submenu("Impedance Increase", menu::kImpedanceIncrease2Way, {"High...", "Low..."});
    separator();
    add("Attenuator High...", nullptr, [this] { openAttenuatorSheet("HighAtt"); });
    separator();
    add("Notch High...", nullptr, [this] { openNotchSheet(1); });

    open(menu::kCorrection3Way, QStringLiteral("Correction"));
    add("Crossover Frequency...", "Ctrl+F", [this] { openFrequencySheet(); });
    separator();
    add("SPL Enter...", "Ctrl+L", [this] { openSplSheet(); });
    separator();
    submenu("Impedance Increase", menu::kImpedanceIncrease3Way, {"High...", "Mid...", "Low..."});
    separator();
    submenu("Attenuator", menu::kAttenuator3Way, {"High...", "Mid..."});
    separator();
    submenu("Notch", menu::kNotch3Way, {"High...", "Mid..."});

    // The submenus' commands, by command number and item.
    const auto onSub = [this](int commandId, int subItem, std::function<void()> run) {
        connect(action(commandId, subItem), &QAction::triggered, this, std::move(run));
    };
    onSub(menu::kImpedanceIncrease2Way, 1, [this] { openImpedanceCorrectionSheet("HighInc"); });
    onSub(menu::kImpedanceIncrease2Way, 2, [this] { openImpedanceCorrectionSheet("LowInc"); });
    onSub(menu::kImpedanceIncrease3Way, 1, [this] { openImpedanceCorrectionSheet("HighInc"); });
    onSub(menu::kImpedanceIncrease3Way, 2, [this] { openImpedanceCorrectionSheet("MidInc"); });
    onSub(menu::kImpedanceIncrease3Way, 3, [this] { openImpedanceCorrectionSheet("LowInc"); });
    onSub(menu::kAttenuator3Way, 1, [this] { openAttenuatorSheet("HighAtt"); });
    onSub(menu::kAttenuator3Way, 2, [this] { openAttenuatorSheet("MidAtt"); });
    onSub(menu::kNotch3Way, 1, [this] { openNotchSheet(1); });
    onSub(menu::kNotch3Way, 2, [this] { openNotchSheet(2); });

    open(menu::kWindow, QStringLiteral("Window"));
    add("Minimize", "Ctrl+M", [this] { showMinimized(); });

    open(menu::kHelp, QStringLiteral("Help"));
    add("Larkspan's Manual", "Ctrl+/", [this] { openResourceDocument(this, QStringLiteral("Larkspan's_Manual.pdf")); });
    add(jpManualName().toUtf8().constData(), nullptr,
        [this] { openResourceDocument(this, QString::fromUtf8(kJapaneseString1)); });
    add("Release Notes", nullptr, [this] { openResourceDocument(this, QStringLiteral("Larkspan_Release_Notes.pdf")); });
    current->addSeparator();
    // The maker's web and mail addresses are build settings; while a packager
    // has not set them, their items are shown but stay off.
    const QString web = makerWebUrl();
    const QString mail = makerMailAddress();
    add("Tallowby Web Site", nullptr, [web] { QDesktopServices::openUrl(QUrl(web)); })->setEnabled(!web.isEmpty());
    add("Mail to Tallowby", nullptr, [mail] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + mail));
    })->setEnabled(!mail.isEmpty());
}

QAction* MainWindow::action(int menuId, int item) const
{
    const auto it = actions_.find({menuId, item});
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(int menuId) const
{
    const auto it = menusById_.find(menuId);
    return it == menusById_.end() ? nullptr : it->second;
}

void MainWindow::applyMenuState()
{
    const MenuBarState& m = menus_;
    for (QAction* a : appActions_) a->setEnabled(m.appItemsEnabled);
    // The update check has no window of its own yet.
    appActions_[1]->setEnabled(false);

    const auto setMenu = [this](int id, bool enabled) {
        if (QMenu* mu = menu(id)) mu->menuAction()->setEnabled(enabled);
    };
    const auto setItem = [this](int id, int item, bool enabled, bool checked) {
        if (QAction* a = action(id, item)) {
            a->setEnabled(enabled);
            if (a->isCheckable()) a->setChecked(checked);
        }
    };

    setMenu(menu::kFile, m.fileEnabled);
    for (int i = 1; i <= 10; ++i) setItem(menu::kFile, i, m.file[static_cast<std::size_t>(i)].enabled, false);
    // Printing comes with its own work; until then its items stay off.
    setItem(menu::kFile, 9, false, false);
    setItem(menu::kFile, 10, false, false);

    setMenu(menu::kEdit, m.editEnabled);
    for (int i = 1; i <= 8; ++i) setItem(menu::kEdit, i, m.editItemsEnabled, false);

    setMenu(menu::kResponse, m.responseEnabled);
    for (int i = 1; i <= 13; ++i) {
        const auto& s = m.response[static_cast<std::size_t>(i)];
        setItem(menu::kResponse, i, s.enabled, s.checked);
    }
    setItem(menu::kResponse, 13, false, false);  // snapshots come with printing

    setMenu(menu::kChannel, m.channelEnabled);
    for (int i = 1; i <= 2; ++i) setItem(menu::kChannel, i, true, i == m.channelChecked);
    setMenu(menu::kOrder, m.orderEnabled);
    for (int i = 1; i <= 4; ++i) setItem(menu::kOrder, i, true, i == m.orderChecked);

    // One Filter menu and one Correction menu are in the bar at a time.
    for (const int id : {menu::kFilterOdd, menu::kFilterEven}) {
        menu(id)->menuAction()->setVisible(id == m.filterMenuId);
        setMenu(id, id == m.filterMenuId && m.filterEnabled);
        for (int i = 1; i <= 5; ++i) setItem(id, i, true, i == m.filterChecked);
    }
    for (const int id : {menu::kCorrection2Way, menu::kCorrection3Way}) {
        menu(id)->menuAction()->setVisible(id == m.correctionMenuId);
        setMenu(id, id == m.correctionMenuId && m.correctionEnabled);
    }
    setItem(menu::kNotch3Way, 1, m.notchHighEnabled, false);
    setItem(menu::kNotch3Way, 2, m.notchMidEnabled, false);

    setMenu(menu::kHelp, m.helpEnabled);
}

void MainWindow::initMenu1()
{
    larkspan::initMenu1(menus_);
    applyMenuState();
}

void MainWindow::initMenu2()
{
    larkspan::initMenu2(menus_);
    applyMenuState();
}

void MainWindow::initMenu3()
{
    larkspan::initMenu3(menus_);
    applyMenuState();
}

void MainWindow::initMenu4()
{
    larkspan::initMenu4(menus_, design_);
    applyMenuState();
}

// ---- start-up and the design's life -----------------------------------------

void MainWindow::startUp()
{
    InitSetupParaOnSave(design_);
    InitSetupParaNoSave(design_);
    initMenu1();
    initMenu2();
    CalcDiffAtt(design_);
    CalcImpIncAtt(design_);
}

void MainWindow::startUpTimerFired()
{
    if (shell_.WndOpenFlag) return;  // a document opened at launch came first
    initMenu4();
    openResponseWindow();
    plot();
}

void MainWindow::newDesign()
{
    larkspan::newDesign(design_, shell_.doc);
    initMenu1();
    openResponseWindow();
    plot();
    shell_.GPrintScale = 100.0;
    shell_.PMOrientFlag = 0;
}

void MainWindow::openDocument()
{
    shell_.GPrintScale = 100.0;
    shell_.PMOrientFlag = 0;
    QFileDialog dialog(this, QStringLiteral("Select Open File."));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // Folders, and files whose extension is exactly one of ours.
    dialog.setNameFilter(QStringLiteral("Larkspan designs (*.xvrdoc *.xvrdocsta)"));
    dialog.setOption(QFileDialog::DontResolveSymlinks, false);
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::CaseSensitive | QDir::NoDotAndDotDot);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    if (!isDesignFileName(QFileInfo(path).fileName().toStdString())) return;
    loadFile(path);
}

bool MainWindow::openFile(const QString& path)
{
    // A file handed over by the desktop or a second launch: only our two
    // extensions, compared exactly; anything else is ignored.
    if (!isDesignFileName(QFileInfo(path).fileName().toStdString())) return false;
    if (shell_.RespWndOpenFlag) closeResponseWindow();  // replaced without asking
    shell_.GPrintScale = 100.0;
    shell_.PMOrientFlag = 0;
    return loadFile(path);
}

bool MainWindow::loadFile(const QString& path)
{
    const auto error = openDesignFile(design_, shell_.doc, path.toStdString());
    initMenu4();
    openResponseWindow();
    plot();
    if (error) {
        showFileError(*error);
        return false;
    }
    return true;
}

void MainWindow::saveDesign()
{
    if (saveNeedsName(design_)) {
        saveDesignAs();
        return;
    }
    const auto error = SaveFile(design_, shell_.doc);
    finishSave(error);
}

void MainWindow::saveDesignAs()
{
    initMenu2();
    const QString path = askSavePath(QStringLiteral("Save This File As..."), QString::fromStdString(design_.fileName1));
    if (path.isEmpty()) {
        dropWaitingCloseOrQuit(shell_.doc);
        initMenu4();
        return;
    }
    const auto error = saveAsChosen(design_, shell_.doc, path.toStdString());
    initMenu4();
    finishSave(error);
}

void MainWindow::saveAsStationery()
{
    initMenu2();
    const QString proposed = QString::fromStdString(stationeryProposedName(design_.fileName1));
    const QString path = askSavePath(QStringLiteral("Save This Stationery File As..."), proposed);
    if (!path.isEmpty())
        if (const auto error = saveStationeryChosen(design_, path.toStdString())) showFileError(*error);
    initMenu4();
}

QString MainWindow::askSavePath(const QString& prompt, const QString& proposedName)
{
    if (savePathHook) return savePathHook(prompt, proposedName);
    QFileDialog dialog(this, prompt);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();  // the name as typed: no extension added
}

void MainWindow::finishSave(const std::optional<FileError>& error)
{
    applyDocumentState();
    if (error) {
        showFileError(*error);
        return;
    }
    // A completed save lets a waiting close or quit go on.
    const bool quitting = shell_.doc.QuitAppFlag == 1;
    if (shell_.doc.WndCloseFlag == 1) closeResponseWindow();
    if (quitting) quitApplication();
}

void MainWindow::placeResponseWindow()
{
    QRect content(0, 0, 540, 390);
    const QPoint remembered(shell_.prefs.Bounds.left, shell_.prefs.Bounds.top);
    // A remembered place on a screen that is no longer there would hide the
    // window: it is centred instead.
    const bool onScreen = QGuiApplication::screenAt(remembered + QPoint(40, 10)) != nullptr;
    if (shell_.FastOpenFlag == 0 && shell_.prefs.BoundsCheck == 1 && onScreen) {
        content.moveTopLeft(remembered);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        content.moveCenter(screen->availableGeometry().center());
    }
    animator_->place(content);
}

void MainWindow::readBoundsBack(bool schema)
{
    shell_.prefs.Bounds = toBounds(animator_->contentRect());
    BoundBiasState bias{shell_.BoundBias, shell_.BoundBiasFlag};
    ResetResponseWndBounds(shell_.prefs.Bounds, schema, bias);
    shell_.BoundBias = bias.BoundBias;
    shell_.BoundBiasFlag = bias.BoundBiasFlag;
}

void MainWindow::ResizeResponseWnd()
{
    // A transition still running ends first, so that Bounds is read back from
    // the view it was for before the next target is taken from it.
    animator_->finish();
    const bool schema = design_.s_Resp == "schema";
    const Bounds16 target = contentOf(resizeTarget(shell_.prefs.Bounds, schema));
    animator_->animateTo(toRect(target), resizeMillis, [this, schema] { readBoundsBack(schema); });
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The user moved the window: remember where its graph view now stands.
    if (!animator_->moving() && shell_.RespWndOpenFlag && isVisible()) readBoundsBack(view_->currentView() == "schema");
}

void MainWindow::openResponseWindow()
{
    placeResponseWindow();
    shell_.prefs.Bounds = toBounds(animator_->contentRect());
    shell_.WndOpenFlag = 1;
    shell_.CurentWndON = 1;
    shell_.RespWndOpenFlag = 1;
    view_->setShown(true);
    applyDocumentState();
}

void MainWindow::closeResponseWindow()
{
    view_->setShown(false);
    shell_.RespWndOpenFlag = 0;
    shell_.doc.WndCloseFlag = 0;
    shell_.CurentWndON = 0;
    design_.DirtyFlag = 0;
    applyDocumentState();
    initMenu3();
}

void MainWindow::applyDocumentState()
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
    applyDocumentState();
}

void MainWindow::plot()
{
    if (!shell_.RespWndOpenFlag) return;
    if (shell_.FastOpenFlag == 0) ResizeResponseWnd();
    view_->showView(design_.s_Resp);
    shell_.FastOpenFlag = 0;
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
    initMenu4();
    shell_.PMOrientFlag = 0;
    plot();
}

void MainWindow::chooseChannelItem(int item)
{
    chooseChannel(design_, item);
    initMenu4();
    markDirty();
    plot();
}

void MainWindow::chooseOrderItem(int item)
{
    chooseOrder(design_, item);
    initMenu4();
    markDirty();
    plot();
}

void MainWindow::chooseFilterItem(int item)
{
    const auto alert = chooseFilter(design_, item);
    initMenu4();
    markDirty();
    if (alert) showAlert(QString::fromStdString(alert->title), QString::fromStdString(alert->message));
    plot();
}

// ---- closing and quitting ---------------------------------------------------

void MainWindow::closeDesign()
{
    if (design_.DirtyFlag != 1) {
        closeResponseWindow();
        return;
    }
    shell_.doc.WndCloseFlag = 1;
    initMenu2();
    askSaveChanges();
}

void MainWindow::quit()
{
    if (design_.DirtyFlag != 1 || !shell_.RespWndOpenFlag) {
        quitApplication();
        return;
    }
    shell_.doc.QuitAppFlag = 1;
    initMenu2();
    askSaveChanges();
}

void MainWindow::quitApplication()
{
    closingForQuit_ = true;
    if (shell_.RespWndOpenFlag) closeResponseWindow();
    close();
    emit quitRequested(0);
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
    quit();
}

void MainWindow::askSaveChanges()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Larkspan"),
                    QStringLiteral("Do you want to save the changes you made in the document \u201c%1\u201d?")
                        .arg(QString::fromStdString(design_.fileName1)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(QStringLiteral("Your changes will be lost if you don\u2019t save them."));
    box.setWindowModality(Qt::WindowModal);
    box.setDefaultButton(QMessageBox::Save);
    const int answer = saveChangesHook ? saveChangesHook() : box.exec();
    if (answer == QMessageBox::Save) {
        saveDesign();  // a completed save carries out the waiting close or quit
        return;
    }
    if (answer == QMessageBox::Discard) {
        const bool quitting = shell_.doc.QuitAppFlag == 1;
        if (shell_.doc.WndCloseFlag == 1) closeResponseWindow();
        if (quitting) quitApplication();
        return;
    }
    dropWaitingCloseOrQuit(shell_.doc);
    initMenu4();
    plot();
}

// ---- sheets -------------------------------------------------------------

SheetHooks MainWindow::sheetHooks()
{
    SheetHooks hooks;
    hooks.beep = [this] { beep(); };
    if (alertHook) hooks.alert = alertHook;
    hooks.playSound = [this](const QString& soundFile) {
        if (soundHook) soundHook(soundFile);
    };
    return hooks;
}

void MainWindow::runSheet(SheetDialog* sheet)
{
    sheet_ = sheet;
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    initMenu2();
    connect(sheet, &QDialog::finished, this, [this](int result) {
        initMenu4();
        if (result == QDialog::Accepted) {
            markDirty();
            plot();
        }
    });
    sheet->open();
}

void MainWindow::openImpedanceCorrectionSheet(const std::string& key)
{
    shell_.s_Corr = key;
    if (const auto driver = correctedDriverForKey(key))
        runSheet(new ImpedanceCorrectionDialog(this, design_, *driver, sheetHooks()));
}

void MainWindow::openAttenuatorSheet(const std::string& key)
{
    shell_.s_Corr = key;
    if (const auto driver = attenuatedDriverForKey(key))
        runSheet(new AttenuatorDialog(this, design_, *driver, sheetHooks()));
}

void MainWindow::openNotchSheet(int notch)
{
    if (notch != 1 && notch != 2) return;
    shell_.s_Corr = notch == 1 ? "HighNotch" : "MidNotch";
    shell_.Notch = static_cast<std::int16_t>(notch);
    larkspan::openNotchSheet(design_, notch);
    shell_.NotchWndTitle = design_.notchSet.NotchWndTitle;
    runSheet(new NotchSheetDialog(this, design_, shell_.prefs.SoundCheck, sheetHooks()));
}

void MainWindow::openSplSheet()
{
    runSheet(new SplDialog(this, design_, sheetHooks()));
}

void MainWindow::openFrequencySheet()
{
    if (design_.channel == 3)
        runSheet(new FrequencySheet3WayDialog(this, design_, sheetHooks()));
    else
        runSheet(new FrequencySheet2WayDialog(this, design_, sheetHooks()));
}

// ---- small windows and alerts ------------------------------------------------

void MainWindow::showAbout()
{
    initMenu2();
    AboutDialog about(this);
    about.exec();
    if (shell_.RespWndOpenFlag)
        initMenu4();
    else
        initMenu3();
}

void MainWindow::showPreferences()
{
    initMenu2();
    PreferencesDialog dialog(shell_.prefs, this);
    dialog.exec();
    if (shell_.RespWndOpenFlag)
        initMenu4();
    else
        initMenu3();
}

void MainWindow::beep()
{
    if (beepHook)
        beepHook();
    else
        QApplication::beep();
}

void MainWindow::showAlert(const QString& title, const QString& message)
{
    beep();
    if (alertHook) {
        alertHook(title, message);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Larkspan"), title, QMessageBox::Ok, this);
    box.setInformativeText(message);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

void MainWindow::showFileError(const FileError& error)
{
    const auto lines = fileErrorAlertLines(error);
    if (fileErrorHook) {
        fileErrorHook(lines);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Larkspan"), QString::fromStdString(lines[0]),
                    QMessageBox::NoButton, this);
    box.setInformativeText(QString::fromStdString(lines[1] + "\n" + lines[2]));
    QPushButton* stop = box.addButton(QStringLiteral("Stop"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    if (box.clickedButton() == static_cast<QAbstractButton*>(stop)) emit quitRequested(1);
}

}  // namespace larkspan
