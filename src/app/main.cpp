// The desktop program: start-up, then the event loop.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "app/preferences_store.h"
#include "app/response_view.h"
#include "app/single_instance.h"

namespace {

bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

QString socketName()
{
    const char* user = std::getenv("USER");
    return QStringLiteral("larkspan-%1").arg(QString::fromLocal8Bit(user ? user : "user"));
}

// Opens one sheet by name over the new design, for the screenshot script.
bool openSheetNamed(larkspan::MainWindow& window, const QString& name)
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

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "larkspan: no display found. Run it under a desktop session, or use larkspan-cli "
                     "for the headless work (build/bin/larkspan-cli values).\n");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Larkspan"));
    QApplication::setOrganizationName(QStringLiteral("Larkspan"));
    QApplication::setApplicationVersion(QStringLiteral(LARKSPAN_VERSION));

    QStringList files;
    for (int i = 1; i < argc; ++i) files << QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();

    larkspan::SingleInstance instance(socketName());
    if (instance.handOverOrListen(files)) return 0;

    larkspan::ShellState shell;
    QSettings store;
    larkspan::LoadPrefs(store, shell.prefs);
    shell.FastOpenFlag = shell.prefs.FastOpenFlag ? 1 : 0;

    larkspan::MainWindow window(shell);
    QObject::connect(&window, &larkspan::MainWindow::quitRequested, &app, [](int status) { QApplication::exit(status); });
    window.startUp();
    QTimer::singleShot(500, &window, [&window] { window.startUpTimerFired(); });
    window.show();

    // Documents handed over at launch open before the timer fires; the last
    // one ends up open.
    for (const QString& f : files) window.openFile(f);
    QObject::connect(&instance, &larkspan::SingleInstance::filesReceived, &window, [&window](const QStringList& list) {
        for (const QString& f : list) window.openFile(f);
        window.raise();
        window.activateWindow();
    });

    // LARKSPAN_STARTUP_TIMING=1 reports the time from launch to the first
    // drawn view on standard error and ends the program there.
    if (qEnvironmentVariableIntValue("LARKSPAN_STARTUP_TIMING") == 1) {
        QObject::connect(window.view(), &larkspan::ResponseView::painted, &app, [&sinceLaunch] {
            std::fprintf(stderr, "larkspan: first view drawn after %lld ms\n",
                         static_cast<long long>(sinceLaunch.elapsed()));
            QApplication::exit(0);
        });
    }

    // LARKSPAN_SCREENSHOT_SHEET=<name> opens that sheet once the new design
    // is shown and prints the sheet's window id on standard output, so that
    // scripts can capture it (frequency-2way, frequency-3way, impedance,
    // spl-2way, spl-3way, attenuator, notch, notch-mid).
    const QString screenshotSheet = qEnvironmentVariable("LARKSPAN_SCREENSHOT_SHEET");
    if (!screenshotSheet.isEmpty()) {
        // A steady text cursor, so that pictures of the same sheet are the same.
        QApplication::setCursorFlashTime(0);
        QTimer::singleShot(800, &window, [&window, screenshotSheet] {
            window.activateWindow();
            if (!openSheetNamed(window, screenshotSheet)) {
                std::fprintf(stderr, "larkspan: no sheet named %s\n", qPrintable(screenshotSheet));
                QApplication::exit(2);
                return;
            }
            QWidget* sheet = window.currentSheet();
            sheet->activateWindow();
            QTimer::singleShot(400, sheet, [sheet] {
                std::printf("larkspan: sheet window 0x%llx\n", static_cast<unsigned long long>(sheet->winId()));
                std::fflush(stdout);
            });
        });
    }

    const int status = QApplication::exec();
    shell.prefs.FastOpenFlag = shell.FastOpenFlag == 1;
    larkspan::SavePrefs(store, shell.prefs);
    return status;
}
