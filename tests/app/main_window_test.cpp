// The desktop program's window driven as a user would, headless.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <limits>

#include "app/correction_sheet_dialogs.h"
#include "app/main_window.h"
#include "app/menu_ids.h"
#include "app/preferences_dialog.h"
#include "app/preferences_store.h"
#include "app/response_view.h"
#include "app/single_instance.h"
#include "model/document_file.h"
#include "window_fixture.h"

namespace larkspan {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    using Fixture = test::WindowFixture;

    QTemporaryDir dir_;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A document with a 3-way second-order design written by the core writer.
    QString writeDocument(const char* name, float fxh)
    {
        Design d;
        d.channel = 3;
        d.order = 2;
        d.s_Type = "Bessel";
        d.chnelID = 2;
        d.orderID = 2;
        d.filtrID = 4;
        d.FXH = fxh;
        const QString p = path(name);
        if (WriteFile(d, p.toStdString())) qFatal("could not write the test document");
        return p;
    }

private slots:
    void startUpIsModalUntilTheTimerOpensANewDesign()
    {
        Fixture f;
        f.window.startUp();
        QVERIFY(!f.enabled(menu::kFile, 1));
        QVERIFY(!f.menuEnabled(menu::kFile));
        QVERIFY(!f.enabled(menu::kResponse, 1));
        QVERIFY(!f.window.view()->isShowingDesign());
        f.window.startUpTimerFired();
        QVERIFY(f.window.view()->isShowingDesign());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("untitled.xvrdoc[*]"));
        QVERIFY(f.menuEnabled(menu::kFile));
        QVERIFY(!f.enabled(menu::kFile, 1));  // New and Open wait until the design is closed
        QVERIFY(f.enabled(menu::kFile, 3));
        QVERIFY(f.checked(menu::kResponse, 1));
        QVERIFY(f.menuShown(menu::kFilterOdd));
        QVERIFY(!f.menuEnabled(menu::kFilterOdd));  // first order: Butterworth only
        QVERIFY(f.menuShown(menu::kCorrection2Way));
        QVERIFY(!f.menuShown(menu::kCorrection3Way));
    }

    // A menu as text: items split by " | ", "-" for a separator, the key
    // after a blank, a submenu's items in brackets.
    static QString layout(const QMenu* menu)
    {
        QStringList items;
        for (const QAction* a : menu->actions()) {
            QString item = a->isSeparator() ? QStringLiteral("-") : a->text();
            if (!a->shortcut().isEmpty()) item += QLatin1Char(' ') + a->shortcut().toString(QKeySequence::PortableText);
            if (a->menu()) item += QStringLiteral(" [") + layout(a->menu()) + QLatin1Char(']');
            items << item;
        }
        return items.join(QStringLiteral(" | "));
    }

    void everyMenuHasItsItemsSeparatorsAndKeys()
    {
        Fixture f;
        f.start();
        // Transcribed from the menu tables: Command is Ctrl, Option is Alt.
        const std::vector<std::pair<int, QString>> expected = {
            {menu::kApplication, "About Larkspan | Check for Updates... | - | Preferences... Ctrl+, | - | Quit Ctrl+Q"},
            {menu::kFile,
             "New Filter Design... Ctrl+N | Open... Ctrl+O | Close Ctrl+W | - | Save Ctrl+S | "
             "Save As... Ctrl+Shift+S | Save As Stationery... | - | Page Setup... Ctrl+Shift+P | Print... Ctrl+P"},
            {menu::kEdit,
             "Undo Ctrl+Z | Redo Ctrl+Shift+Z | - | Cut Ctrl+X | Copy Ctrl+C | Paste Ctrl+V | Delete | "
             "Select All Ctrl+A"},
            {menu::kResponse,
             "Amplitude Ctrl+Alt+A | Input Impedance | Phase | Group Delay | Nyquist Diagram | "
             "Step Response | - | Schematics Ctrl+Alt+C | - | High Imp. Correct | Mid Imp. Correct | - | "
             "Snapshot Response... Ctrl+Alt+S"},
            {menu::kChannel, "2wey Ctrl+Alt+2 | 3wey Ctrl+Alt+3"},
            {menu::kOrder, "1st Ctrl+1 | 2nd Ctrl+2 | 3rd Ctrl+3 | 4th Ctrl+4"},
            {menu::kFilterOdd, "Butterworth | Bessel | Chebychev"},
            {menu::kFilterEven, "Linkwitz-Riley | Butterworth | Butterworth Asymmetry | Bessel | Chebychev"},
            {menu::kCorrection2Way,
             "Crossover Frequency... Ctrl+F | - | SPL Enter... Ctrl+L | - | "
             "Impedance Increase [High... | Low...] | - | Attenuator High... | - | Notch High..."},
            {menu::kCorrection3Way,
             "Crossover Frequency... Ctrl+F | - | SPL Enter... Ctrl+L | - | "
             "Impedance Increase [High... | Mid... | Low...] | - | Attenuator [High... | Mid...] | - | "
             "Notch [High... | Mid...]"},
            {menu::kHelp,
             "Larkspan's Manual Ctrl+/ | Larkspan Command-Line Manual | Release Notes | - | Tallowby Web Site | "
             "Mail to Tallowby"},
        };
        for (const auto& [id, items] : expected) QCOMPARE(layout(f.window.menu(id)), items);
        // The menu bar's order of titles.
        QStringList titles;
        for (const QAction* a : f.window.menuBar()->actions()) titles << a->text();
        QCOMPARE(titles.join(QLatin1Char(' ')),
                 QStringLiteral(
                     "Larkspan File Edit Response Channel Order Filter Filter Correction Correction Window Help"));
    }

    void documentAtLaunchMeansNoUntitledDesign()
    {
        const QString doc = writeDocument("launch.xvrdoc", 2500);
        Fixture f;
        f.window.startUp();
        QVERIFY(f.window.openFile(doc));
        f.window.startUpTimerFired();  // finds the window already open
        QCOMPARE(f.window.windowTitle(), QStringLiteral("launch.xvrdoc[*]"));
        QCOMPARE(f.d().FXH, 2500.0F);
        QCOMPARE(f.d().channel, std::int16_t{3});
        QVERIFY(f.menuShown(menu::kCorrection3Way));
        QVERIFY(f.menuShown(menu::kFilterEven));
        QVERIFY(f.checked(menu::kFilterEven, 4));  // Bessel
    }

    void filesOfOtherExtensionsAreIgnored()
    {
        Fixture f;
        f.start();
        const QString wrongCase = writeDocument("upper.XVRDOC", 3000);
        QVERIFY(!f.window.openFile(wrongCase));
        QCOMPARE(f.d().FXH, 2000.0F);
    }

    void orderChangeSwapsTheFilterMenu()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kOrder, 2);
        QVERIFY(f.menuShown(menu::kFilterEven));
        QVERIFY(!f.menuShown(menu::kFilterOdd));
        QVERIFY(f.checked(menu::kFilterEven, 1));  // Linkwitz-Riley
        // "ButAsy" needs FXH ≥ 4·FXL: 700 Hz is raised to 800 with an alert.
        f.d().FXH = 700;
        f.trigger(menu::kFilterEven, 3);
        QCOMPARE(f.d().s_Type, std::string("ButAsy"));
        QCOMPARE(f.beeps, 1);
        QCOMPARE(f.alerts,
                 std::vector<QString>{QStringLiteral("ALERT!      Frequencis are too near.|"
                                                     "Enter more separate frequencis.   FXL x 4  \u2264  FXH")});
        QCOMPARE(f.d().FXH, 800.0F);
        f.trigger(menu::kOrder, 3);
        QVERIFY(f.menuShown(menu::kFilterOdd));
        QVERIFY(f.menuEnabled(menu::kFilterOdd));
        QVERIFY(f.checked(menu::kFilterOdd, 1));
        QCOMPARE(f.d().s_Type, std::string("Butter"));
        QVERIFY(f.checked(menu::kOrder, 3));
        QVERIFY(!f.checked(menu::kOrder, 2));
        QVERIFY(f.window.isWindowModified());
    }

    void channelResetsAlignmentAndRecomputesAttenuators()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kOrder, 4);
        f.trigger(menu::kFilterEven, 5);
        f.d().HigSPL = 80;
        f.trigger(menu::kChannel, 2);
        QCOMPARE(f.d().s_Type, std::string("Linkwi"));
        QCOMPARE(f.d().AttH, 0.0F);
        QVERIFY(f.checked(menu::kChannel, 2));
        QVERIFY(f.menuShown(menu::kCorrection3Way));
    }

    void responseItemsDrawAndCheck()
    {
        Fixture f;
        f.start();
        const int before = f.window.view()->drawCount();
        f.trigger(menu::kResponse, 3);
        QCOMPARE(f.d().s_Resp, std::string("ph"));
        QVERIFY(f.checked(menu::kResponse, 3));
        QVERIFY(!f.checked(menu::kResponse, 1));
        QCOMPARE(f.window.view()->drawCount(), before + 1);
        QVERIFY(!f.enabled(menu::kResponse, 10));
        QVERIFY(!f.window.isWindowModified());  // a view is no change of the design
    }

    void eachViewPaintsItsOwnPictureAndRepaintsItTheSame()
    {
        Fixture f;
        f.window.resizeMillis = 0;
        f.start();
        const QImage amp = f.window.view()->grab().toImage();
        f.trigger(menu::kResponse, 3);
        const QImage phase = f.window.view()->grab().toImage();
        QVERIFY(phase != amp);
        QCOMPARE(f.window.view()->grab().toImage(), phase);  // an exposure shows the same
        f.trigger(menu::kResponse, 1);
        QCOMPARE(f.window.view()->grab().toImage(), amp);
        f.window.closeDesign();
        const QImage empty = f.window.view()->grab().toImage();
        QCOMPARE(empty.pixelColor(300, 130), QColor(Qt::white));  // where the total ran
    }

    // The content rectangle of the response window on screen.
    static QRect content(const MainWindow& w)
    {
        return QRect(w.geometry().topLeft() + w.view()->pos(), w.view()->size());
    }

    void schematicWidensTheWindowAndBackRestoresIt()
    {
        Fixture f;
        f.shell.FastOpenFlag = 0;  // not the first run: the window opens at Bounds
        f.shell.prefs.Bounds = {200, 300, 590, 840};
        f.start();
        QTRY_COMPARE(content(f.window), QRect(300, 200, 540, 390));
        f.trigger(menu::kResponse, 8);
        // 135 wider on each side; 588 high with the title bar, its top 110
        // above the graph view's top.
        QTRY_COMPARE(content(f.window), QRect(165, 112, 810, 566));
        QVERIFY(f.shell.prefs.Bounds == (Bounds16{200, 300, 590, 840}));  // still the graph's rectangle
        f.trigger(menu::kResponse, 1);
        QTRY_COMPARE(content(f.window), QRect(300, 200, 540, 390));
        // Views chosen faster than the transitions run end in the same places.
        f.trigger(menu::kResponse, 8);
        f.trigger(menu::kResponse, 1);
        f.trigger(menu::kResponse, 8);
        QTRY_COMPARE(content(f.window), QRect(165, 112, 810, 566));
        f.trigger(menu::kResponse, 1);
        QTRY_COMPARE(content(f.window), QRect(300, 200, 540, 390));
        QVERIFY(f.shell.prefs.Bounds == (Bounds16{200, 300, 590, 840}));
    }

    void schematicNearTheTopMovesDownAndComesBack()
    {
        Fixture f;
        f.window.resizeMillis = 0;
        f.shell.FastOpenFlag = 0;
        f.shell.prefs.Bounds = {50, 100, 440, 640};
        f.start();
        f.trigger(menu::kResponse, 8);
        // Moved down by 132 - 50 = 82: the window's top at 50 - 110 + 82.
        QCOMPARE(content(f.window), QRect(-35, 22 + 22, 810, 566));
        QCOMPARE(f.shell.BoundBiasFlag, std::uint8_t{1});
        f.trigger(menu::kResponse, 1);
        QCOMPARE(content(f.window), QRect(100, 50, 540, 390));
    }

    void firstRunBoundsCheckOffAndALostScreenCentreTheWindow()
    {
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        struct Row {
            std::uint8_t FastOpenFlag;
            std::int32_t BoundsCheck;
            Bounds16 Bounds;
        };
        for (const Row& row : {Row{1, 1, {100, 120, 490, 660}}, Row{0, 0, {100, 120, 490, 660}},
                               Row{0, 1, {-9000, -9000, -8610, -8460}}}) {
            Fixture f;
            f.shell.FastOpenFlag = row.FastOpenFlag;
            f.shell.prefs.BoundsCheck = row.BoundsCheck;
            f.shell.prefs.Bounds = row.Bounds;
            f.start();
            QTRY_COMPARE(content(f.window).center(), centre);
            QCOMPARE(content(f.window).size(), QSize(540, 390));
        }
    }

    void movedWindowReopensWhereItWas()
    {
        Fixture f;
        f.window.resizeMillis = 0;
        f.shell.FastOpenFlag = 0;
        f.start();
        f.window.move(f.window.pos() + QPoint(37, 41));
        const QRect moved = content(f.window);
        QTRY_VERIFY(
            f.shell.prefs.Bounds ==
            (Bounds16{static_cast<std::int16_t>(moved.top()), static_cast<std::int16_t>(moved.left()),
                      static_cast<std::int16_t>(moved.top() + 390), static_cast<std::int16_t>(moved.left() + 540)}));
        // What the next run reads from the settings saved at quit.
        Fixture next;
        next.shell.prefs = f.shell.prefs;
        next.shell.FastOpenFlag = 0;
        next.start();
        QCOMPARE(content(next.window), moved);
    }

    void saveAsThenSaveWritesTheFileAndClearsTheMark()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kOrder, 2);
        QVERIFY(f.window.isWindowModified());
        const QString target = path("saved.xvrdoc");
        QString prompt;
        f.window.savePathHook = [&](const QString& p, const QString& proposed) {
            prompt = p;
            return proposed == QStringLiteral("untitled.xvrdoc") ? target : QString();
        };
        f.trigger(menu::kFile, 5);  // Save without a file asks for a name
        QCOMPARE(prompt, QStringLiteral("Save This File As..."));
        QCOMPARE(QFileInfo(target).size(), qint64{450});
        QCOMPARE(f.window.windowTitle(), QStringLiteral("saved.xvrdoc[*]"));
        QVERIFY(!f.window.isWindowModified());
        QCOMPARE(f.window.windowFilePath(), target);

        f.trigger(menu::kOrder, 4);
        prompt.clear();
        f.trigger(menu::kFile, 5);  // now Save writes without asking
        QVERIFY(prompt.isEmpty());
        Design read;
        QVERIFY(!ReadFile(read, target.toStdString()));
        QCOMPARE(read.order, std::int16_t{4});
    }

    void saveAsStationeryLeavesTheDocumentAsItWas()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kOrder, 3);
        QString proposedName;
        f.window.savePathHook = [&](const QString&, const QString& proposed) {
            proposedName = proposed;
            return path("template.xvrdocsta");
        };
        f.trigger(menu::kFile, 7);
        QCOMPARE(proposedName, QStringLiteral("untitled.xvrdocsta"));
        QVERIFY(QFileInfo::exists(path("template.xvrdocsta")));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("untitled.xvrdoc[*]"));
        QVERIFY(f.window.isWindowModified());

        // Opening the stationery gives an untitled design that Save asks a name for.
        Fixture g;
        g.start();
        QVERIFY(g.window.openFile(path("template.xvrdocsta")));
        QCOMPARE(g.window.windowTitle(), QStringLiteral("untitled.xvrdoc[*]"));
        QCOMPARE(g.d().order, std::int16_t{3});
        bool asked = false;
        g.window.savePathHook = [&](const QString&, const QString&) {
            asked = true;
            return QString();
        };
        g.trigger(menu::kFile, 5);
        QVERIFY(asked);
    }

    void closeWithChangesAsksAndCancelInSaveAsKeepsTheWindow()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kOrder, 2);
        int questions = 0;
        f.window.saveChangesHook = [&] {
            ++questions;
            return int(QMessageBox::Save);
        };
        f.window.savePathHook = [](const QString&, const QString&) { return QString(); };  // Cancel
        f.trigger(menu::kFile, 3);
        QCOMPARE(questions, 1);
        QVERIFY(f.window.view()->isShowingDesign());
        QCOMPARE(f.shell.doc.WndCloseFlag, std::uint8_t{0});
        QVERIFY(f.enabled(menu::kFile, 3));  // back to the design-open menus

        f.window.saveChangesHook = [] { return int(QMessageBox::Discard); };
        f.trigger(menu::kFile, 3);
        QVERIFY(!f.window.view()->isShowingDesign());
        QVERIFY(f.enabled(menu::kFile, 1));  // no design: New and Open only
        QVERIFY(!f.enabled(menu::kFile, 5));
        QVERIFY(!f.menuEnabled(menu::kResponse));
        QVERIFY(f.window.isVisible());  // the window stays, empty

        f.trigger(menu::kFile, 1);
        QVERIFY(f.window.view()->isShowingDesign());
        QCOMPARE(f.d().order, std::int16_t{1});
    }

    void quitWithChangesAsksFirst()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kChannel, 2);
        f.window.saveChangesHook = [] { return int(QMessageBox::Cancel); };
        f.window.quit();
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.shell.doc.QuitAppFlag, std::uint8_t{0});
        QVERIFY(f.window.isWindowModified());

        const QString target = path("quit.xvrdoc");
        f.window.saveChangesHook = [] { return int(QMessageBox::Save); };
        f.window.savePathHook = [&](const QString&, const QString&) { return target; };
        f.window.quit();
        QVERIFY(QFileInfo::exists(target));
        QVERIFY(!f.window.isVisible());
    }

    void unreadableDocumentShowsTheFileErrorAndKeepsTheWindow()
    {
        Fixture f;
        f.start();
        QVERIFY(!f.window.openFile(path("missing.xvrdoc")));
        QCOMPARE(f.fileErrors.size(), std::size_t{1});
        QVERIFY(f.window.view()->isShowingDesign());
    }

    void documentWithAbsurdValuesOpensAndEveryViewDraws()
    {
        // Values no sheet would let through, written straight into a file:
        // the program draws what is finite and never hangs.
        Design d;
        d.channel = 3;
        d.order = 4;
        d.s_Type = "Chebyc";
        d.chnelID = 2;
        d.orderID = 4;
        d.filtrID = 5;
        d.FXL = std::numeric_limits<float>::quiet_NaN();
        d.FXH = 1e30F;
        d.RE = -6;
        d.RM = 0;
        d.LH = std::numeric_limits<float>::infinity();
        d.MidSPL = -1e38F;
        const QString doc = path("absurd.xvrdoc");
        QVERIFY(!WriteFile(d, doc.toStdString()));

        Fixture f;
        f.window.resizeMillis = 0;
        f.start();
        QVERIFY(f.window.openFile(doc));
        QVERIFY(f.fileErrors.empty());
        for (const int item : {1, 2, 3, 4, 5, 6, 8}) {
            f.window.action(menu::kResponse, item)->trigger();
            QVERIFY(f.checked(menu::kResponse, item));
            QVERIFY(!f.window.view()->grab().isNull());  // paints the view
        }
    }

    void preferencesRoundTripAndGarbageGivesDefaults()
    {
        const QString file = path("prefs.ini");
        Preferences written;
        written.FastOpenFlag = false;
        written.Bounds = {120, 80, 510, 620};
        written.SoundCheck = 0;
        {
            QSettings store(file, QSettings::IniFormat);
            SavePrefs(store, written);
        }
        Preferences read;
        {
            QSettings store(file, QSettings::IniFormat);
            LoadPrefs(store, read);
            QCOMPARE(store.value("Bounds").toString(), QStringLiteral(" 120, 80, 510, 620"));
        }
        QVERIFY(read == written);

        {
            QSettings store(file, QSettings::IniFormat);
            store.setValue("BoundsCheck", "yes please");
            store.setValue("Bounds", "garbage");
            store.remove("UpdateForCheck");
        }
        Preferences garbage;
        QSettings store(file, QSettings::IniFormat);
        LoadPrefs(store, garbage);
        QCOMPARE(garbage.BoundsCheck, 1);
        QCOMPARE(garbage.UpdateForCheck, 1);
        QVERIFY(garbage.Bounds == (Bounds16{0, 0, 0, 0}));
    }

    void preferenceCheckBoxesTakeEffectAtOnce()
    {
        Preferences prefs;
        PreferencesDialog dialog(prefs);
        QCOMPARE(dialog.size(), QSize(330, 225));
        QVERIFY(dialog.checkBox(503)->isChecked());
        dialog.checkBox(503)->click();
        QCOMPARE(prefs.SoundCheck, 0);
        QCOMPARE(dialog.checkBox(505)->text(), QStringLiteral(" Check for New Updates on Launch"));
    }

    void frequencySheetEscapeRestoresBadValuesBeepAndAPositiveValueIsTaken()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kCorrection2Way, 1);
        SheetDialog* sheet = f.window.currentSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->size(), QSize(300, 170));
        QVERIFY(!f.menuEnabled(menu::kFile));  // modal while the sheet is open
        QCOMPARE(sheet->field(10)->text(), QStringLiteral(" 650"));
        QCOMPARE(sheet->edtFldID(), 10);
        // Escape restores the frequency and does not redraw.
        sheet->field(10)->setText(QStringLiteral("1234"));
        const int draws = f.window.view()->drawCount();
        QTest::keyClick(sheet->field(10), Qt::Key_Escape);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().FX, 650.0F);
        QCOMPARE(f.window.view()->drawCount(), draws);
        QVERIFY(!f.window.isWindowModified());

        f.trigger(menu::kCorrection2Way, 1);
        sheet = f.window.currentSheet();
        QLineEdit* fx = sheet->field(10);
        fx->setText(QStringLiteral("-3"));  // the sheet model's tests hold the other refused entries
        QTest::keyClick(fx, Qt::Key_Return);
        QVERIFY(sheet->isVisible());
        QCOMPARE(fx->text(), QStringLiteral(" 650"));
        QCOMPARE(f.beeps, 1);
        QVERIFY(!f.window.isWindowModified());
        fx->setText(QStringLiteral("800"));
        QTest::keyClick(fx, Qt::Key_Enter);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().FX, 800.0F);
        QVERIFY(f.window.isWindowModified());
        QCOMPARE(f.window.view()->drawCount(), draws + 1);
        QVERIFY(f.menuEnabled(menu::kFile));
    }

    void threeWaySpacingAlertKeepsTheSheetWithTheOldValues()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kChannel, 2);
        f.trigger(menu::kCorrection3Way, 1);
        SheetDialog* sheet = f.window.currentSheet();
        QVERIFY(sheet);
        sheet->field(10)->setText(QStringLiteral("500"));
        sheet->field(11)->setText(QStringLiteral("1400"));
        sheet->pressOk();
        QVERIFY(sheet->isVisible());
        QCOMPARE(f.alerts.size(), std::size_t{1});
        QCOMPARE(f.alerts[0], QStringLiteral("ALERT!      Frequencis are too near.|"
                                             "Enter more separate frequencis.   FXL x 3  \u2264  FXH"));
        QCOMPARE(sheet->field(10)->text(), QStringLiteral(" 200"));
        QCOMPARE(sheet->field(11)->text(), QStringLiteral(" 2000"));
        sheet->pressCancel();
    }

    void impedanceCorrectionSheetCalcKeepsItOpenAndCancelRestores()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kImpedanceIncrease2Way, 2);  // Low...
        auto* sheet = qobject_cast<ImpedanceCorrectionDialog*>(f.window.currentSheet());
        QVERIFY(sheet);
        QCOMPARE(sheet->size(), QSize(300, 357));
        QCOMPARE(sheet->edtFldID(), 12);
        QCOMPARE(sheet->field(10)->text(), QStringLiteral(" 6"));
        QCOMPARE(sheet->field(11)->text(), QStringLiteral(" 0.5"));
        // Req = Re and Ceq = Le/Re²: 8 ohm and 0.5 mH give 7.8125 µF.
        sheet->field(10)->setText(QStringLiteral("8"));
        sheet->pressCalc();
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->field(51)->text(), QStringLiteral(" 8"));
        // Shown as rint(x·1000)/1000: 7812.5 rounds to the even 7812.
        QCOMPARE(sheet->field(52)->text(), QStringLiteral(" 7.812"));
        QCOMPARE(f.d().RE, 8.0F);

        sheet->field(11)->setText(QStringLiteral("-1"));
        sheet->pressOk();
        QCOMPARE(f.beeps, 1);
        QVERIFY(sheet->isVisible());

        QTest::keyClick(sheet->field(10), Qt::Key_Escape);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().RE, 8.0F);  // Cancel goes back to the last Calc.
        QVERIFY(!f.window.isWindowModified());
    }

    void splSheetIsTallerForThreeWaysAndRefusesZero()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kCorrection2Way, 3);
        SheetDialog* sheet = f.window.currentSheet();
        QCOMPARE(sheet->size(), QSize(300, 195));
        QVERIFY(!sheet->field(11));
        sheet->pressCancel();
        QTRY_VERIFY(!f.window.currentSheet());

        f.trigger(menu::kChannel, 2);
        f.trigger(menu::kCorrection3Way, 3);
        sheet = f.window.currentSheet();
        QCOMPARE(sheet->size(), QSize(300, 225));
        sheet->field(11)->setText(QStringLiteral("0"));
        sheet->pressOk();
        QCOMPARE(f.beeps, 1);
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->field(11)->text(), QStringLiteral("0"));  // the typed text stays
        sheet->field(11)->setText(QStringLiteral("93"));
        sheet->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().MidSPL, 93.0F);
        // 93 − 90 dB, stored back negative by the L-pad calculation.
        QCOMPARE(f.d().AttM, -3.0F);
    }

    void attenuatorSheetRefusesAZeroPowerButKeepsTheAttenuation()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kCorrection2Way, 7);
        auto* sheet = qobject_cast<AttenuatorDialog*>(f.window.currentSheet());
        QVERIFY(sheet);
        QCOMPARE(sheet->size(), QSize(300, 325));
        QCOMPARE(sheet->label(42)->text(), QStringLiteral("High Range Attenuator Calculation"));
        sheet->field(10)->setText(QStringLiteral("6"));
        sheet->field(11)->setText(QStringLiteral("0"));
        sheet->pressOk();
        QCOMPARE(f.beeps, 1);
        QVERIFY(sheet->isVisible());
        sheet->field(11)->setText(QStringLiteral("50"));
        sheet->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().PinH, 50.0F);
        QVERIFY(f.window.isWindowModified());
    }

    void secondLaunchHandsItsFilesOver()
    {
        const QString name = QStringLiteral("larkspan-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name);
        QVERIFY(!first.handOverOrListen({}));
        QSignalSpy received(&first, &SingleInstance::filesReceived);
        SingleInstance second(name);
        QVERIFY(second.handOverOrListen({QStringLiteral("/tmp/a.xvrdoc"), QStringLiteral("/tmp/b.xvrdoc")}));
        QVERIFY(received.wait(2000));
        QCOMPARE(received.first().first().toStringList(),
                 (QStringList{QStringLiteral("/tmp/a.xvrdoc"), QStringLiteral("/tmp/b.xvrdoc")}));
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::MainWindowTest)
#include "main_window_test.moc"
