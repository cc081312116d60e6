// The desktop program's window driven as a user would, headless.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/correction_sheet_dialogs.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menu_ids.h"
#include "app/menu_table.h"
#include "app/preferences_dialog.h"
#include "app/preferences_store.h"
#include "app/qt_prompts.h"
#include "app/response_view.h"
#include "app/single_instance.h"
#include "drawing/qt/painter_canvas.h"
#include "drawing/response_view.h"
#include "model/document_file.h"
#include "model/document_record.h"
#include "model/resource_folder.h"
#include "support/design_changes.h"
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
    }

    // Every menu and item is built from the menu table, and every state of
    // the bar shows on it as the state says: start-up, a design of each way
    // count and parity, a sheet open, no design.
    void menusFollowTheTableInEveryState()
    {
        Fixture f;
        f.start();
        const std::vector<std::function<void()>> steps = {
            [] {},
            [&] { f.trigger(menu::kOrder, 2); },
            [&] { f.trigger(menu::kChannel, 2); },
            [&] { f.trigger(menu::kResponse, 8); },
            [&] { f.trigger(menu::kCorrection3Way, 1); },
            [&] { f.window.currentSheet()->pressCancel(); },
            [&] { f.trigger(menu::kFile, 3); },
        };
        QStringList titles;
        for (const menu::Menu& m : menu::barMenus()) titles << QString::fromUtf8(m.title);
        QStringList built;
        for (const QAction* a : f.window.menuBar()->actions()) built << a->text();
        QCOMPARE(built, titles);
        for (const auto& step : steps) {
            step();
            const MenuBarState& state = f.window.menuState();
            for (const auto& list : {menu::barMenus(), menu::submenus()}) {
                for (const menu::Menu& m : list) {
                    QCOMPARE(f.menuShown(m.id), menuShown(state, m.id));
                    QCOMPARE(f.menuEnabled(m.id), menuEnabled(state, m.id));
                    QStringList expected, actual;
                    for (const menu::Item& item : m.items) {
                        if (!item.text) {
                            expected << QStringLiteral("-");
                            continue;
                        }
                        const MenuItemState s = item.submenu ? MenuItemState{} : itemState(state, m.id, item.number);
                        expected << QStringLiteral("%1 %2 %3 %4")
                                        .arg(QString::fromUtf8(item.text), QKeySequence(item.keys).toString())
                                        .arg(int(s.enabled && f.window.menus().available(item)))
                                        .arg(int(item.checkable && s.checked));
                    }
                    for (const QAction* a : f.window.menus().menu(m.id)->actions())
                        actual << (a->isSeparator() ? QStringLiteral("-")
                                                    : QStringLiteral("%1 %2 %3 %4")
                                                          .arg(a->text(), a->shortcut().toString())
                                                          .arg(int(a->isEnabled()))
                                                          .arg(int(a->isChecked())));
                    QCOMPARE(actual, expected);
                }
            }
        }
    }

    // A document opened at launch is the first design shown; a name of
    // another extension (the case counts) is ignored, an unreadable one shows
    // the file error; either way the window keeps its design.
    void documentsOpenedFromTheDesktop()
    {
        const QString doc = writeDocument("launch.xvrdoc", 2500);
        Fixture f;
        f.window.startUp();
        QVERIFY(f.window.documents().openFile(doc));
        f.window.startUpTimerFired();  // finds the window already open
        QCOMPARE(f.window.windowTitle(), QStringLiteral("launch.xvrdoc[*]"));
        QCOMPARE(f.d().channel, std::int16_t{3});
        QVERIFY(f.checked(menu::kFilterEven, 4));  // Bessel
        QVERIFY(!f.window.documents().openFile(writeDocument("upper.XVRDOC", 3000)));
        QVERIFY(f.prompts.fileErrors.empty());
        QVERIFY(!f.window.documents().openFile(path("missing.xvrdoc")));
        QCOMPARE(f.prompts.fileErrors.size(), std::size_t{1});
        QVERIFY(f.window.view()->isShowingDesign());
        QCOMPARE(f.d().FXH, 2500.0F);
    }

    void eachViewPaintsItsOwnPictureAndRepaintsItTheSame()
    {
        Fixture f;
        f.window.placement().setTransitionMillis(0);
        f.start();
        const QImage amp = f.window.view()->grab().toImage();
        const int draws = f.window.view()->drawCount();
        f.trigger(menu::kResponse, 3);
        QCOMPARE(f.d().s_Resp, std::string("ph"));
        QCOMPARE(f.window.view()->drawCount(), draws + 1);
        QVERIFY(!f.window.isWindowModified());  // a view is no change of the design
        const QImage phase = f.window.view()->grab().toImage();
        QVERIFY(phase != amp);
        QCOMPARE(f.window.view()->grab().toImage(), phase);  // an exposure shows the same
        f.trigger(menu::kResponse, 1);
        QCOMPARE(f.window.view()->grab().toImage(), amp);
        f.window.documents().close();
        const QImage empty = f.window.view()->grab().toImage();
        QCOMPARE(empty.pixelColor(300, 130), QColor(Qt::white));  // where the total ran
    }

    // The content rectangle of the response window on screen.
    static QRect content(const MainWindow& w)
    {
        return QRect(w.geometry().topLeft() + w.view()->pos(), w.view()->size());
    }

    // The schematic widens the window by 135 on each side and makes it 588
    // high with its title bar, moved down near the top of the screen; the
    // whole window stays on screen, and the graph comes back where it was.
    void everyPlacementKeepsTheWindowOnScreen()
    {
        struct Row {
            Bounds16 bounds;
            int millis;
        };
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        for (const Row& row : {Row{{200, 200, 590, 740}, 200}, Row{{50, 100, 440, 640}, 0}, Row{{100, 2, 490, 542}, 0},
                               Row{{150, 250, 540, 790}, 0}}) {
            Fixture f;
            f.window.placement().setTransitionMillis(row.millis);
            f.shell.FastOpenFlag = 0;  // not the first run: the window opens at Bounds
            f.shell.prefs.Bounds = row.bounds;
            f.start();
            const QRect graph = content(f.window);
            QCOMPARE(graph, QRect(row.bounds.left, row.bounds.top, 540, 390));
            for (int round = 0; round < 2; ++round) {
                f.trigger(menu::kResponse, 8);
                if (round == 1) {  // views chosen faster than the transitions run
                    f.trigger(menu::kResponse, 1);
                    f.trigger(menu::kResponse, 8);
                }
                QTRY_COMPARE(content(f.window).size(), QSize(810, 566));
                const QRect frame = f.window.frameGeometry();
                QVERIFY(frame.left() == area.left() || (frame.left() > area.left() && frame.right() <= area.right()));
                QVERIFY(frame.top() == area.top() || (frame.top() > area.top() && frame.bottom() <= area.bottom()));
                // Still the graph's place.
                QCOMPARE(QPoint(f.shell.prefs.Bounds.left, f.shell.prefs.Bounds.top),
                         QPoint(row.bounds.left, row.bounds.top));
                f.trigger(menu::kResponse, 1);
                QTRY_COMPARE(content(f.window), graph);
                QCOMPARE(f.window.size(), QSize(540, 390 + f.window.view()->y()));
            }
            // Closed from the schematic, the next design opens at the graph's
            // size and place.
            f.trigger(menu::kResponse, 8);
            f.trigger(menu::kFile, 3);
            f.trigger(menu::kFile, 1);
            QTRY_COMPARE(content(f.window), graph);
            QCOMPARE(f.window.size(), QSize(540, 390 + f.window.view()->y()));
        }
    }

    // Resized, the window shows the whole view at one scale, centred, with
    // the labels over it at the same scale.
    void viewScalesToFitTheWindow()
    {
        Fixture f;
        f.window.placement().setTransitionMillis(0);
        f.shell.FastOpenFlag = 0;
        f.start();
        ResponseView* view = f.window.view();
        struct Row {
            QSize content;
            double scale;
            QPointF offset;
            QRect legend;  // the label "Total" (71)
        };
        const Row rows[] = {
            {{540, 390}, 1, {0, 0}, {102, 352, 50, 16}},
            {{1080, 780}, 2, {0, 0}, {204, 704, 100, 32}},
            {{270, 600}, 0.5, {0, 202}, {51, 378, 25, 8}},
            {{1280, 700}, 700 / 390.0, {155, 0}, {338, 631, 90, 30}},
        };
        for (const Row& row : rows) {
            f.window.resize(row.content + QSize(0, view->y()));
            QTRY_COMPARE(view->size(), row.content);
            QCOMPARE(view->drawingFit().scale, row.scale);
            QCOMPARE(view->drawingFit().offset, row.offset);
            QCOMPARE(view->control(71)->geometry(), row.legend);
            QCOMPARE(view->control(71)->font().pixelSize(), qRound(12 * row.scale));
        }
        // A redraw keeps the user's size; a maximized window is no place to
        // remember; another view gives the window that view's size.
        f.trigger(menu::kChannel, 2);
        QCOMPARE(view->size(), rows[3].content);
        const Bounds16 before = f.shell.prefs.Bounds;
        f.window.showMaximized();
        QTRY_VERIFY(view->width() > 540);
        QCOMPARE(f.shell.prefs.Bounds, before);
        f.trigger(menu::kResponse, 8);
        QTRY_COMPARE(view->size(), QSize(810, 566));
        QVERIFY(!f.window.isMaximized());
    }

    // At the view's own size the screen shows the view exactly as drawn
    // without any transform, in every view.
    void viewAtItsOwnSizeIsDrawnUnscaled()
    {
        Fixture f;
        f.window.placement().setTransitionMillis(0);
        f.start();
        ResponseView* view = f.window.view();
        for (const int item : {1, 2, 3, 8}) {
            f.trigger(menu::kResponse, item);
            QTRY_VERIFY(view->size() == (item == 8 ? QSize(810, 566) : QSize(540, 390)));
            for (QWidget* label : view->findChildren<QLabel*>()) label->hide();
            QImage direct(view->size(), QImage::Format_ARGB32_Premultiplied);
            direct.fill(Qt::white);
            QPainter painter(&direct);
            qt::PainterCanvas canvas(painter);
            DrawTarget target{canvas, {}, resourceFolder("Images")};
            ViewState state = view->drawnFrom();
            ResponsePlot(target, f.d(), state);
            painter.end();
            QCOMPARE(view->grab().toImage().convertToFormat(direct.format()), direct);
        }
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
        f.window.placement().setTransitionMillis(0);
        f.shell.FastOpenFlag = 0;
        f.start();
        f.window.resize(800, 600);  // the size the user gives is not remembered
        f.window.move(f.window.pos() + QPoint(37, 41));
        const QRect moved(content(f.window).topLeft(), QSize(540, 390));
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

    // Stationery leaves the document untitled and changed; Save without a
    // file asks for a name, then writes without asking; opened from File >
    // Open, the stationery gives an untitled design that Save asks a name for.
    void saveStationeryAndSaveAgain()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kOrder, 3);
        const QString stationery = path("template.xvrdocsta"), target = path("saved.xvrdoc");
        f.prompts.pathToSave = stationery;
        f.trigger(menu::kFile, 7);
        QVERIFY(QFileInfo::exists(stationery));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("untitled.xvrdoc[*]"));
        QVERIFY(f.window.isWindowModified());
        f.prompts.pathToSave = target;
        f.trigger(menu::kFile, 5);
        QCOMPARE(f.prompts.saveDialogs, QStringList({"Save This Stationery File As...|untitled.xvrdocsta",
                                                     "Save This File As...|untitled.xvrdoc"}));
        QCOMPARE(QFileInfo(target).size(), qint64{450});
        QCOMPARE(f.window.windowTitle(), QStringLiteral("saved.xvrdoc[*]"));
        QVERIFY(!f.window.isWindowModified());
        QCOMPARE(f.window.windowFilePath(), target);

        f.trigger(menu::kOrder, 4);
        f.trigger(menu::kFile, 5);
        QCOMPARE(f.prompts.saveDialogs.size(), 2);
        Design read;
        QVERIFY(!ReadFile(read, target.toStdString()));
        QCOMPARE(read.order, std::int16_t{4});

        f.trigger(menu::kFile, 3);
        f.prompts.pathToOpen = stationery;
        f.trigger(menu::kFile, 2);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("untitled.xvrdoc[*]"));
        QCOMPARE(f.d().order, std::int16_t{3});
        f.trigger(menu::kFile, 5);
        QCOMPARE(f.prompts.saveDialogs.size(), 3);
    }

    // Close, Quit, and a document handed over while a changed design is open
    // all ask the save-changes question first; Cancel, a cancelled or failed
    // save keep the changed design, the request dropped.
    void aChangedDesignNeverGoesWithoutTheQuestion()
    {
        using A = Prompts::SaveChanges;
        enum Request { Close, Quit, OpenOther, FileErrorStop };
        struct Row {
            Request request;
            A answer;
            const char* saveTo;  // "" cancels the save dialog
            bool designGoes;
        };
        const QString other = writeDocument("other.xvrdoc", 2500);
        const Row rows[] = {
            {Close, A::Cancel, "", false},
            {Close, A::Save, "", false},
            {Close, A::Save, "close.xvrdoc", true},
            {Close, A::DontSave, "", true},
            {Quit, A::Cancel, "", false},
            {Quit, A::Save, "quit.xvrdoc", true},
            {OpenOther, A::Cancel, "", false},
            {OpenOther, A::DontSave, "", true},
            {OpenOther, A::Save, "open.xvrdoc", true},
            {Close, A::Save, "no-folder/x.xvrdoc", false},
            {FileErrorStop, A::Cancel, "", false},
            {FileErrorStop, A::DontSave, "", true},
        };
        for (const Row& row : rows) {
            Fixture f;
            f.start();
            f.trigger(menu::kChannel, 2);
            f.prompts.answer = row.answer;
            f.prompts.pathToSave = *row.saveTo ? path(row.saveTo) : QString();
            QSignalSpy quits(&f.window, &MainWindow::quitRequested);
            switch (row.request) {
                case Close:
                    f.trigger(menu::kFile, 3);
                    break;
                case Quit:
                    f.trigger(menu::kApplication, menu::kQuit);
                    break;
                case OpenOther:
                    f.window.documents().openFile(other);
                    break;
                case FileErrorStop:
                    // A failed save's alert answered with Stop.
                    f.prompts.fileErrorChoice = Prompts::FileErrorChoice::Stop;
                    f.prompts.pathToSave = path("no-folder/x.xvrdoc");
                    f.trigger(menu::kFile, 5);
                    break;
            }
            const QString what =
                QStringLiteral("request %1 answer %2 %3").arg(row.request).arg(int(row.answer)).arg(row.saveTo);
            QVERIFY2(f.prompts.questions == 1, qPrintable(what));
            const bool kept = f.window.view()->isShowingDesign() && f.d().channel == 3 && f.d().FXH != 2500.0F;
            QVERIFY2(kept != row.designGoes, qPrintable(what));
            if (!row.designGoes) {
                QVERIFY2(f.window.isWindowModified() && f.enabled(menu::kFile, 3), qPrintable(what));
                QCOMPARE(f.shell.doc.WndCloseFlag + f.shell.doc.QuitAppFlag, 0);
            }
            QCOMPARE(quits.size(), int(row.designGoes && (row.request == Quit || row.request == FileErrorStop)));
            if (row.request == OpenOther && row.designGoes) QCOMPARE(f.d().FXH, 2500.0F);
            if (row.answer == A::Save && row.designGoes) QVERIFY(QFileInfo::exists(path(row.saveTo)));
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
        QWidget owner;
        owner.setGeometry(200, 150, 500, 400);
        PreferencesDialog dialog(prefs, &owner);
        QCOMPARE(dialog.size(), QSize(330, 225));
        QCOMPARE(dialog.geometry().center(), owner.geometry().center());  // centred the first time
        QVERIFY(dialog.checkBox(503)->isChecked());
        dialog.checkBox(503)->click();
        QCOMPARE(prefs.SoundCheck, 0);
        QCOMPARE(dialog.checkBox(505)->text(), QStringLiteral(" Check for New Updates on Launch"));
    }
    // Each sheet opens at its size on its first field, modal; Return takes a
    // good entry, closes, redraws and marks the design changed, with every
    // field that changed as the sheet model computes it.
    void everySheetOpensAtItsSizeAndReturnAppliesIt()
    {
        struct Row {
            int channel, menuId, item;
            QSize size;
            int firstField, field;
            const char* text;
            const char* changes;
        };
        const Row rows[] = {
            {2,
             menu::kCorrection2Way,
             1,
             {300, 170},
             10,
             10,
             "800",
             "FX 650→800 LL1 1.4691226→1.193662 CH1 40.80896→33.15728 DirtyFlag 0→1 FXbak 650→800"},
            {3,
             menu::kCorrection3Way,
             1,
             {300, 170},
             10,
             11,
             "2400",
             "FXH 2000→2400 LM1 0.5305165→0.43405896 CM1 119.36621→121.57669 CH1 13.262912→11.052427 RAN "
             "1.333334→1.0909089 FXHbak 2000→2400"},
            {2,
             menu::kImpedanceIncrease2Way,
             2,
             {300, 357},
             12,
             10,
             "8",
             "RE 6→8 LL1 1.4691226→1.95883 REQL 6→8 CEQL 13.888889→7.8125 DirtyFlag 0→1 FreqCheckFlag 1→0 REbak 6→8"},
            // The pads from the level differences, stored back negative.
            {2,
             menu::kCorrection2Way,
             3,
             {300, 195},
             10,
             10,
             "95",
             "HigSPL 100→95 AttH -10→-5 RSH 4.1026335→2.625952 RPH 2.7748518→7.7093134 PRSH 6.8377233→4.3765874 PRPH "
             "2.162278→2.4611359 DirtyFlag 0→1 HigSPLbak 100→95 AttHbak -10→5 AttMbak -6→6"},
            {3,
             menu::kCorrection3Way,
             3,
             {300, 225},
             10,
             11,
             "93",
             "MidSPL 96→93 AttM -6→-3 RSM 2.9928768→1.7523255 RPM 6.028561→14.544129 PRSM 4.9881287→2.389535 PRPM "
             "2.4999864→1.6916611 PRAN 0→1.8181828 RST 2.9928768→3.0856595 PRT 4.9881287→4.207718 MidSPLbak 96→93 "
             "AttHbak -10→10 AttMbak -6→3"},
            {2,
             menu::kCorrection2Way,
             7,
             {300, 325},
             10,
             11,
             "50",
             "PinH 10→50 PRSH 6.8377233→34.188614 PRPH 2.162278→10.811388 DirtyFlag 0→1 PinHbak 10→50"},
        };
        for (const Row& row : rows) {
            Fixture f;
            f.start();
            if (row.channel == 3) f.trigger(menu::kChannel, 2);
            f.trigger(row.menuId, row.item);
            SheetDialog* sheet = f.window.currentSheet();
            const QString what = QStringLiteral("menu %1 item %2").arg(row.menuId).arg(row.item);
            QVERIFY2(sheet, qPrintable(what));
            QCOMPARE(sheet->size(), row.size);
            QCOMPARE(sheet->edtFldID(), row.firstField);
            QVERIFY(!f.menuEnabled(menu::kFile));
            const Design before = f.d();
            const int draws = f.window.view()->drawCount();
            sheet->field(row.field)->setText(QString::fromUtf8(row.text));
            QTest::keyClick(sheet->field(row.field), Qt::Key_Return);
            QTRY_VERIFY(!f.window.currentSheet());
            QCOMPARE(QString::fromStdString(test::changes(before, f.d())), QString::fromUtf8(row.changes));
            QVERIFY(f.window.isWindowModified());
            QCOMPARE(f.window.view()->drawCount(), draws + 1);
            QVERIFY(f.menuEnabled(menu::kFile));
        }
    }

    void threeWaySpacingAlertKeepsTheSheetWithTheOldValues()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kChannel, 2);
        f.trigger(menu::kCorrection3Way, 1);
        SheetDialog* sheet = f.window.currentSheet();
        sheet->field(10)->setText(QStringLiteral("500"));
        sheet->field(11)->setText(QStringLiteral("1400"));
        sheet->pressOk();
        QVERIFY(sheet->isVisible());
        QCOMPARE(f.prompts.alerts, std::vector<QString>{QStringLiteral("ALERT!      Frequencis are too near.|"
                                                                       "Enter more separate frequencis.   FXL x 3  "
                                                                       "\u2264  FXH")});
        QCOMPARE(sheet->field(10)->text(), QStringLiteral("200"));
        QCOMPARE(sheet->field(11)->text(), QStringLiteral("2000"));
        sheet->pressCancel();
    }

    // Calc applies and shows the results with the sheet open; after a refused
    // OK, Cancel keeps what Calc applied. Req = Re and Ceq = Le/Re²: 8 ohm and 0.5 mH
    // give 7.8125 µF, shown as rint(x·1000)/1000, the even 7.812.
    void impedanceSheetCalcKeepsItOpenAndCancelGoesBackToIt()
    {
        Fixture f;
        f.start();
        f.trigger(menu::kImpedanceIncrease2Way, 2);  // Low...
        auto* sheet = qobject_cast<ImpedanceCorrectionDialog*>(f.window.currentSheet());
        QVERIFY(sheet);
        sheet->field(10)->setText(QStringLiteral("8"));
        sheet->pressCalc();
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->field(51)->text(), QStringLiteral("8"));
        QCOMPARE(sheet->field(52)->text(), QStringLiteral("7.812"));
        sheet->field(11)->setText(QStringLiteral("-1"));
        sheet->pressOk();  // refused: the sheet stays
        QTest::keyClick(sheet->field(10), Qt::Key_Escape);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().RE, 8.0F);
        QVERIFY(!f.window.isWindowModified());
    }

    // Every sheet's Cancel (or Escape) leaves the whole design record as it
    // was, without a redraw, also after commands outside the sheets changed
    // an input: the Filter menu's frequency check, a notch that rewrote its
    // driver's data.
    void cancelInAnySheetLeavesTheDesignAsItWas()
    {
        const std::pair<int, int> sheets[] = {
            {menu::kCorrection3Way, 1},        {menu::kCorrection3Way, 3}, {menu::kImpedanceIncrease3Way, 1},
            {menu::kImpedanceIncrease3Way, 2}, {menu::kAttenuator3Way, 1}, {menu::kAttenuator3Way, 2},
            {menu::kImpedanceIncrease3Way, 3}, {menu::kNotch3Way, 1},      {menu::kNotch3Way, 2},
        };
        bool escape = false;
        for (const auto& [menuId, item] : sheets) {
            Fixture f;
            f.start();
            f.trigger(menu::kChannel, 2);
            f.trigger(menu::kImpedanceIncrease3Way, 1);
            f.window.currentSheet()->field(10)->setText(QStringLiteral("8"));
            f.window.currentSheet()->pressOk();
            f.trigger(menu::kNotch3Way, 1);
            for (const auto& [id, text] : {std::pair{53, "800"}, {56, "1.2"}, {57, "2.5"}, {58, "6"}, {59, "0.05"}})
                f.window.currentSheet()->field(id)->setText(QString::fromLatin1(text));
            f.window.currentSheet()->pressOk();
            QTRY_VERIFY(!f.window.currentSheet());
            // "ButAsy" needs FXH ≥ 4·FXL: 700 Hz is raised to 800 with an alert.
            f.trigger(menu::kOrder, 2);
            f.d().FXH = 700;
            f.trigger(menu::kFilterEven, 3);
            QCOMPARE(f.d().FXH, 800.0F);
            QCOMPARE(f.prompts.alerts, std::vector<QString>{QStringLiteral("ALERT!      Frequencis are too near.|"
                                                                           "Enter more separate frequencis.   FXL x 4 "
                                                                           " \u2264  FXH")});

            const Record before = encodeRecord(f.d());
            const int draws = f.window.view()->drawCount();
            f.trigger(menuId, item);
            SheetDialog* sheet = f.window.currentSheet();
            QVERIFY(sheet);
            for (QLineEdit* field : sheet->findChildren<QLineEdit*>()) field->setText(QStringLiteral("7"));
            if ((escape = !escape))
                QTest::keyClick(sheet->findChildren<QLineEdit*>().first(), Qt::Key_Escape);
            else
                sheet->pressCancel();
            QTRY_VERIFY(!f.window.currentSheet());
            QVERIFY2(encodeRecord(f.d()) == before,
                     qPrintable(QStringLiteral("menu %1 item %2").arg(menuId).arg(item)));
            QCOMPARE(f.window.view()->drawCount(), draws);
        }
    }

    // A refused entry beeps, marks its field and shows the reason until the
    // next keystroke, in every sheet; the field then shows what the sheet
    // model put back or kept.
    void refusalsAreShownInTheSheet()
    {
        struct Row {
            int menuId, item, field;
            const char* text;
            const char* shown;
        };
        const Row rows[] = {
            {menu::kCorrection2Way, 1, 10, "-3", "650"}, {menu::kCorrection3Way, 1, 11, "-3", "2000"},
            {menu::kCorrection3Way, 3, 11, "0", "0"},    {menu::kImpedanceIncrease3Way, 2, 11, "-1", "0.25"},
            {menu::kAttenuator3Way, 1, 11, "0", "10"},   {menu::kNotch3Way, 1, 53, "0", "0"},
        };
        for (const Row& row : rows) {
            Fixture f;
            f.start();
            if (row.menuId != menu::kCorrection2Way) f.trigger(menu::kChannel, 2);
            f.trigger(row.menuId, row.item);
            SheetDialog* sheet = f.window.currentSheet();
            sheet->field(row.field)->setText(QString::fromLatin1(row.text));
            sheet->pressOk();
            QVERIFY(sheet->isVisible());
            QCOMPARE(f.prompts.beeps, 1);
            QCOMPARE(sheet->field(row.field)->text(), QString::fromLatin1(row.shown));
            QCOMPARE(sheet->refusalShown(), QStringLiteral("Enter a number greater than 0"));
            for (const int other : {10, 11, 12, 51, 52, 53, 54})
                if (sheet->field(other)) QCOMPARE(sheet->isMarkedRefused(sheet->field(other)), other == row.field);
            QTest::keyClick(sheet->field(row.field), Qt::Key_5);
            QVERIFY(sheet->refusalShown().isEmpty());
            QVERIFY(!sheet->isMarkedRefused(sheet->field(row.field)));
            sheet->pressCancel();
        }
    }

    // File dialogs start in the document's folder, else where the last one
    // ended; their name filters are ours; Save As adds the extension.
    void fileDialogsStartInTheDocumentsFolder()
    {
        Fixture f;
        f.start();
        f.prompts.pathToSave = path("typed-without-extension");
        f.trigger(menu::kFile, 6);
        QVERIFY(QFileInfo::exists(path("typed-without-extension.xvrdoc")));
        f.prompts.pathToSave = path("plain");
        f.trigger(menu::kFile, 7);
        QVERIFY(QFileInfo::exists(path("plain.xvrdocsta")));
        QCOMPARE(f.prompts.dialogFolders, (QStringList{QString(), dir_.path()}));

        QtPrompts prompts;
        QStringList seen;
        const auto inspect = [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen << dialog->directory().absolutePath() << dialog->nameFilters();
            dialog->reject();
        };
        QTimer::singleShot(0, inspect);
        QVERIFY(prompts.openPath(&f.window, dir_.path()).isEmpty());
        QSettings().setValue("LastFolder", QDir::tempPath());
        QTimer::singleShot(0, inspect);
        prompts.savePath(&f.window, QStringLiteral("Save"), QStringLiteral("a"), QString(),
                         Prompts::FileKind::Stationery);
        QCOMPARE(seen, (QStringList{dir_.path(), "Larkspan documents (*.xvrdoc)", "Larkspan stationery (*.xvrdocsta)",
                                    QDir::tempPath(), "Larkspan stationery (*.xvrdocsta)"}));
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
