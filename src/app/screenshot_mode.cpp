#include "app/screenshot_mode.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/menu_ids.h"
#include "app/parts_list_window.h"
#include "app/printing.h"
#include "app/update_check.h"

namespace larkspan {

namespace {

// The Response menu's item for a view key, 0 for none.
int responseItemFor(const QString& key)
{
    for (std::size_t i = 1; i < menu::kResponseViews.size(); ++i)
        if (*menu::kResponseViews[i] && key == QLatin1String(menu::kResponseViews[i])) return static_cast<int>(i);
    return 0;
}

bool openSheetNamed(MainWindow& window, const QString& name)
{
    if (name == QLatin1String("frequency-3way") || name == QLatin1String("spl-3way") ||
        name == QLatin1String("notch-mid"))
        window.chooseChannelItem(2);
    if (name.startsWith(QLatin1String("frequency")))
        window.openFrequencySheet();
    else if (name.startsWith(QLatin1String("spl")))
        window.openSplSheet();
    else if (name == QLatin1String("impedance"))
        window.openImpedanceCorrectionSheet("HighInc");
    else if (name == QLatin1String("attenuator"))
        window.openAttenuatorSheet("HighAtt");
    else if (name == QLatin1String("notch"))
        window.openNotchSheet(1);
    else if (name == QLatin1String("notch-mid"))
        window.openNotchSheet(2);
    return window.currentSheet() != nullptr;
}

QMenu* menuTitled(MainWindow& window, const QString& title)
{
    for (QAction* a : window.menuBar()->actions())
        if (a->isVisible() && a->menu() && QString(a->text()).remove(QLatin1Char('&')) == title) return a->menu();
    return nullptr;
}

void report(const QString& line)
{
    std::printf("larkspan: %s\n", qPrintable(line));
    std::fflush(stdout);
}

void fail(const QString& why)
{
    std::fprintf(stderr, "larkspan: %s\n", qPrintable(why));
    QApplication::exit(2);
}

// Prints the window id of `w` once it has had time to paint.
void reportWindowLater(QWidget* w)
{
    QTimer::singleShot(400, w, [w] { report(QStringLiteral("window 0x%1").arg(w->winId(), 0, 16)); });
}

// Prints the screen area, in device pixels as the screen is captured, that
// holds `window` and `over` (a menu or a sheet drawn over it).
void reportArea(const QWidget& window, const QWidget& over)
{
    const qreal dpr = window.devicePixelRatio();
    const QRect logical = window.frameGeometry().united(over.frameGeometry());
    const QRect area(QPoint(qRound(logical.x() * dpr), qRound(logical.y() * dpr)),
                     QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
    report(QStringLiteral("area %1 %2 %3 %4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height()));
}

// Page Setup or Print over the response window. The sheet runs its own event
// loop, so the area is reported from inside it, once the sheet has painted.
void showPrintSheet(MainWindow& window, bool print)
{
    if (!print) window.chooseResponse(8);
    QTimer::singleShot(400, &window, [&window] {
        if (QWidget* sheet = QApplication::activeModalWidget())
            reportArea(window, *sheet);
        else
            fail(QStringLiteral("no sheet is up"));
    });
    if (print)
        window.printing().MyDoPrint();
    else
        window.printing().MyDoPageSetup();
}

// The cases of the window's own behaviour: the schematic chosen from a
// window at the screen's left edge, the window maximized, the window after
// Close, a refused entry, and the page setup and print sheets.
bool showCase(MainWindow& window, const QString& name)
{
    if (name == QLatin1String("left-edge-schematic")) {
        window.move(window.screen()->availableGeometry().left(), window.y());
        window.chooseResponse(8);
    } else if (name == QLatin1String("maximized")) {
        window.chooseChannelItem(2);
        window.showMaximized();
    } else if (name == QLatin1String("empty")) {
        window.documents().close();
    } else if (name == QLatin1String("page-setup") || name == QLatin1String("print")) {
        showPrintSheet(window, name == QLatin1String("print"));
        return true;
    } else if (name == QLatin1String("refusal")) {
        window.openFrequencySheet();
        window.currentSheet()->field(10)->setText(QStringLiteral("-3"));
        window.currentSheet()->pressOk();
        QWidget* sheet = window.currentSheet();
        QTimer::singleShot(400, sheet, [&window, sheet] { reportArea(window, *sheet); });
        return true;
    } else {
        return false;
    }
    reportWindowLater(&window);
    return true;
}

// Window 11 in one of its states, without asking a server.
bool showUpdateWindow(MainWindow& window, const QString& state)
{
    UpdateFlags flags;
    const std::string bundle = QApplication::applicationVersion().toStdString();
    UpdateChecker& updates = *window.updates();
    if (state == QLatin1String("newer")) {
        flags.UpdateOkFlag = 1;
        updates.showWindow(CheckForUpdateWnd(flags, "1.1.0", bundle));
    } else if (state == QLatin1String("current")) {
        updates.showWindow(CheckForUpdateWnd(flags, bundle, bundle));
    } else if (state == QLatin1String("failed")) {
        flags.NetConnectFlag = 1;
        updates.showWindow(CheckForUpdateWnd(flags, "", bundle));
    } else if (state == QLatin1String("downloaded")) {
        updates.showWindow(ShowDownLoadFinished(flags));
    } else {
        return false;
    }
    updates.window()->activateWindow();
    return true;
}

void show(MainWindow& window, const QString& what)
{
    const QStringList parts = what.split(QLatin1Char(':'));
    const QString kind = parts.value(0);
    if (kind == QLatin1String("case")) {
        if (!showCase(window, parts.value(1))) fail(QStringLiteral("no case named ") + parts.value(1));
        return;
    }
    if (kind == QLatin1String("sheet")) {
        if (!openSheetNamed(window, parts.value(1))) return fail(QStringLiteral("no sheet named ") + parts.value(1));
        QWidget* sheet = window.currentSheet();
        sheet->activateWindow();
        return reportWindowLater(sheet);
    }
    if (kind == QLatin1String("update")) {
        if (!showUpdateWindow(window, parts.value(1))) return fail(QStringLiteral("no update state ") + parts.value(1));
        return reportWindowLater(window.updates()->window());
    }
    if (kind == QLatin1String("parts")) {
        // The Parts List window of a new 3-way design, E12 values in pairs.
        window.chooseChannelItem(2);
        window.build().run(menu::Command::Pairs, 0);
        window.build().run(menu::Command::PartsList, 0);
        return reportWindowLater(window.build().partsListWindow());
    }
    if (kind != QLatin1String("view") && kind != QLatin1String("menu"))
        return fail(QStringLiteral("unknown screenshot ") + what);
    if (parts.value(1) == QLatin1String("3")) window.chooseChannelItem(2);
    if (kind == QLatin1String("menu") && parts.size() > 3) window.chooseOrderItem(parts.value(3).toInt());
    if (kind == QLatin1String("view")) {
        const int item = responseItemFor(parts.value(2));
        if (item == 0) return fail(QStringLiteral("no view named ") + parts.value(2));
        window.chooseResponse(item);
        return reportWindowLater(&window);
    }
    QMenu* menu = menuTitled(window, parts.value(2));
    if (!menu) return fail(QStringLiteral("no menu titled ") + parts.value(2));
    window.menuBar()->setActiveAction(menu->menuAction());
    QTimer::singleShot(400, menu, [&window, menu] { reportArea(window, *menu); });
}

}  // namespace

bool startScreenshotMode(MainWindow& window, const QString& what)
{
    if (what.isEmpty()) return false;
    // A steady text cursor, so that pictures of the same window are the same.
    QApplication::setCursorFlashTime(0);
    QTimer::singleShot(800, &window, [&window, what] {
        window.activateWindow();
        show(window, what);
    });
    return true;
}

}  // namespace larkspan
