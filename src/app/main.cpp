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
#include "app/qt_prompts.h"
#include "app/response_view.h"
#include "app/screenshot_mode.h"
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

    // The start-up timer counts from here, before the preferences are read
    // and the window is built.
    QTimer startUpTimer;
    startUpTimer.setSingleShot(true);
    startUpTimer.setTimerType(Qt::PreciseTimer);
    startUpTimer.start(500);

    larkspan::ShellState shell;
    QSettings store;
    larkspan::LoadPrefs(store, shell.prefs);
    shell.FastOpenFlag = shell.prefs.FastOpenFlag ? 1 : 0;

    larkspan::QtPrompts prompts;
    larkspan::MainWindow window(shell, prompts);
    QObject::connect(&window, &larkspan::MainWindow::quitRequested, &app,
                     [](int status) { QApplication::exit(status); });
    window.startUp();
    QObject::connect(&startUpTimer, &QTimer::timeout, &window, &larkspan::MainWindow::startUpTimerFired);
    window.placement().placeNewWindow();
    window.show();

    // Documents handed over at launch open before the timer fires; the last
    // one ends up open.
    for (const QString& f : files) window.openFromDesktop(f);
    QObject::connect(&instance, &larkspan::SingleInstance::filesReceived, &window, [&window](const QStringList& list) {
        for (const QString& f : list) window.openFromDesktop(f);
        window.raise();
        window.activateWindow();
    });

    // LARKSPAN_STARTUP_TIMING=1 reports on standard error the time from launch
    // until the event loop runs with the window shown, and until the first
    // view is drawn (after the 0.5 s start-up timer), and ends the program there.
    if (qEnvironmentVariableIntValue("LARKSPAN_STARTUP_TIMING") == 1) {
        QTimer::singleShot(0, &app, [&sinceLaunch] {
            std::fprintf(stderr, "larkspan: window shown after %lld ms\n",
                         static_cast<long long>(sinceLaunch.elapsed()));
        });
        QObject::connect(window.view(), &larkspan::ResponseView::painted, &app, [&sinceLaunch] {
            std::fprintf(stderr, "larkspan: first view drawn after %lld ms\n",
                         static_cast<long long>(sinceLaunch.elapsed()));
            QApplication::exit(0);
        });
    }

    // LARKSPAN_SCREENSHOT=<what> shows one sheet, view or menu for the
    // screenshot script (see app/screenshot_mode.h).
    larkspan::startScreenshotMode(window, qEnvironmentVariable("LARKSPAN_SCREENSHOT"));

    const int status = QApplication::exec();
    shell.prefs.FastOpenFlag = shell.FastOpenFlag == 1;
    larkspan::SavePrefs(store, shell.prefs);
    return status;
}
