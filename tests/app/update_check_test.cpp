// The update check against a local server: the version request and its
// failures, window 11 in each case, the download into Downloads and the
// hand-over to the installer. The result timers are run by the test, in
// order, so that "at 1.0 s" and "at 0.6 s" mean "before or after the answer"
// as each case needs.
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <deque>

#include "app/update_check.h"
#include "app/update_window.h"
#include "model/document_file.h"
#include "support/local_http_server.h"
#include "update/version_request.h"
#include "window_fixture.h"

namespace larkspan {

namespace {

constexpr const char* kVersionAt = "/versions/Larkspan_version.txt";
constexpr const char* kArchiveAt = "/downloads/apps/Larkspan.zip";

// The program's window with the update check's timers and opener recorded.
struct Rig {
    struct Pending {
        int millis;
        std::function<void()> action;
    };
    test::WindowFixture f;
    UpdateChecker& checker = *f.window.updates();
    std::deque<Pending> timers;
    QStringList opened;

    // The launch check stays off unless a test turns it on.
    Rig()
    {
        f.shell.prefs.UpdateForCheck = 0;
        checker.schedule = [this](int millis, std::function<void()> action) {
            timers.push_back({millis, std::move(action)});
        };
        checker.openUrl = [this](const QUrl& url) { opened << url.toLocalFile(); };
    }
    // Runs the oldest timer, which must have been set for `millis`.
    bool runTimer(int millis)
    {
        if (timers.empty() || timers.front().millis != millis) return false;
        const auto action = std::move(timers.front().action);
        timers.pop_front();
        action();
        return true;
    }
    UpdateWindow* window() const { return checker.window(); }
    QString status() const { return window()->line(606)->text(); }
    QString detail() const { return window()->line(607)->text(); }
};

QString downloads()
{
    return QDir::home().filePath(QStringLiteral("Downloads"));
}

// Every file under the home folder, by path relative to it.
QStringList filesUnderHome()
{
    QStringList files;
    QDirIterator it(QDir::homePath(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir::home().relativeFilePath(it.next());
    files.sort();
    return files;
}

}  // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    void setBase(const QString& base) { qputenv("LARKSPAN_UPDATE_URL", base.toUtf8()); }

    // A menu check, with the window up once the answer came and the check timer ran.
    static void menuCheck(Rig& rig)
    {
        QSignalSpy answered(&rig.checker, &UpdateChecker::versionAnswered);
        rig.f.trigger(menu::kApplication, menu::kCheckForUpdates);
        QVERIFY(!rig.f.enabled(menu::kApplication, menu::kCheckForUpdates));  // modal while it runs
        QVERIFY(answered.count() == 1 || answered.wait(5000));
        QVERIFY(rig.runTimer(1000));
        QVERIFY(rig.window() && rig.window()->isVisible());
    }

    void download(const QByteArray& kind, const QByteArray& headers, bool heldAtResult, const QString& shown,
                  const QStringList& stored)
    {
        const QByteArray archive = QByteArray(20000, 'z');
        test::LocalHttpServer server;
        server.answer(kVersionAt, "2.0.0");
        const bool overCap = kind == "cap" || kind == "stream";
        server.answer(kArchiveAt, archive, headers, overCap ? "200 OK" : kind, kind != "stream");
        if (heldAtResult) server.hold(kArchiveAt, archive.left(1000));
        setBase(server.base());
        QDir().mkpath(downloads());
        for (const char* old : {"Larkspan.zip", "Larkspan.pkg", "notes.txt"}) {
            QFile f(QDir(downloads()).filePath(QString::fromLatin1(old)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }

        Rig rig;
        rig.checker.downloadCap = overCap ? 10000 : 30000;
        rig.f.start();
        menuCheck(rig);
        QSignalSpy ended(&rig.checker, &UpdateChecker::downloadEnded);
        rig.window()->button(602)->click();
        // The old archive and package went to the trash before the download.
        QCOMPARE(QDir(downloads()).entryList(QDir::Files), QStringList{"notes.txt"});
        QCOMPARE(QDir(home_.filePath(".local/share/Trash/files")).entryList(QDir::Files),
                 QStringList({"Larkspan.pkg", "Larkspan.zip"}));
        QVERIFY(rig.runTimer(100));
        if (heldAtResult)
            QTRY_COMPARE(server.waiting(), std::size_t{1});
        else
            QVERIFY(ended.wait(5000));
        QVERIFY(rig.runTimer(600));
        QCOMPARE(rig.status(), shown);
        QCOMPARE(rig.window()->checkUpdateBtn(), 604);
        QCOMPARE(rig.window()->button(605) != nullptr, shown == QLatin1String("Download is Successful."));
        if (heldAtResult) {
            server.release();
            QVERIFY(ended.wait(5000));
        }
        QCOMPARE(QDir(downloads()).entryList(QDir::Files | QDir::Hidden), stored);
        for (const QString& f : filesUnderHome())
            QVERIFY2(f.startsWith("Downloads/") || f.startsWith(".local/share/Trash/") || f.startsWith(".config/"),
                     qPrintable(f));
        if (stored.size() > 1 && stored.first() != "notes (2).txt") {
            QFile f(QDir(downloads()).filePath(stored.first()));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), archive);
        }
        QTest::keyClick(rig.window(), Qt::Key_Enter);
        QVERIFY(!rig.window());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral(".config")).toUtf8());
        qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setOrganizationName(QStringLiteral("LarkspanTest"));
        QCoreApplication::setApplicationName(QStringLiteral("UpdateCheckTest"));
    }

    void init()
    {
        QDir(home_.path()).removeRecursively();
        QDir().mkpath(home_.path());
        QSettings().clear();
        qunsetenv("LARKSPAN_UPDATE_URL");
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    }

    void menuCheckShowsTheResultAndStoresTheSwitch()
    {
        const QString failed = QStringLiteral("Please confirm the network connection.");
        // address: server, settings, refused or none; route: how the version
        // text is answered ("status|body"); the detail line names the case.
        const struct {
            const char* name;
            const char* address;
            QByteArray route;
            const char* bundle;
            QString detail;
        } rows[] = {
            {"newer", "server", "200 OK|1.0.1\n", "1.0.0", "Newer Version : 1.0.1"},
            {"same", "server", "200 OK|1.0.0\n", "1.0.0", "Current Version : 1.0.0"},
            {"older", "server", "200 OK|0.9.9", "1.0.0", "Current Version : 1.0.0"},
            {"no digits", "server", "200 OK|<b>soon</b>", "1.0.0", "Current Version : 1.0.0"},
            {"binary", "server", QByteArray("200 OK|\x00\xff\x89PNG\r\n", 13), "1.0.0", "Current Version : 1.0.0"},
            {"2.0 against 1.9.9", "server", "200 OK|2.0", "1.9.9", "Current Version : 1.9.9"},
            {"exactly 4 KiB", "server", "200 OK|2" + QByteArray(4095, '0'), "1.0.0",
             "Newer Version : 2" + QString(254, QLatin1Char('0'))},
            {"5 KiB announced", "server", "200 OK|2" + QByteArray(5119, '0'), "1.0.0", failed},
            {"5 KiB unannounced", "server", "stream|2" + QByteArray(5119, '0'), "1.0.0", failed},
            {"not found", "server", "404 Not Found|9.9", "1.0.0", failed},
            {"redirect to http", "server", "redirect|", "1.0.0", failed},
            {"from the settings", "settings", "200 OK|1.1", "1.0", "Newer Version : 1.1"},
            {"connection refused", "refused", "", "1.0.0", failed},
            {"no address", "none", "", "1.0.0", failed},
        };
        for (const auto& r : rows) {
            init();
            QCoreApplication::setApplicationVersion(QString::fromLatin1(r.bundle));
            test::LocalHttpServer server;
            const QByteArray kind = r.route.left(r.route.indexOf('|'));
            const QByteArray body = r.route.mid(r.route.indexOf('|') + 1);
            if (kind == "redirect")
                server.answer(kVersionAt, {}, "Location: http://127.0.0.1:1/elsewhere\r\n", "302 Found");
            else
                server.answer(kVersionAt, body, {}, kind == "stream" ? "200 OK" : kind, kind != "stream");
            const QString address = QString::fromLatin1(r.address);
            QTcpServer closed;
            closed.listen(QHostAddress::LocalHost, 0);
            if (address == "server") setBase(server.base());
            if (address == "settings") QSettings().setValue(QStringLiteral("UpdateBaseUrl"), server.base());
            if (address == "refused") setBase(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
            closed.close();

            Rig rig;
            rig.f.start();
            menuCheck(rig);
            const bool newer = r.detail.startsWith("Newer");
            const bool current = r.detail.startsWith("Current");
            QCOMPARE(rig.status(), newer     ? "Newer Version is Available."
                                   : current ? "This Version is Currently."
                                             : "Network Connection Failed.");
            QVERIFY2(rig.detail() == r.detail, r.name);
            QCOMPARE(rig.window()->line(606)->palette().color(QPalette::WindowText),
                     newer ? QColor(0, 153, 0) : QColor(Qt::black));
            QCOMPARE(rig.window()->checkUpdateBtn(), newer ? 602 : 601);
            QVERIFY(rig.window()->button(newer ? 602 : 601)->isDefault());

            QCheckBox* box = rig.window()->checkBox();
            box->click();
            QCOMPARE(rig.f.shell.prefs.UpdateForCheck, 1);
            box->click();
            QCOMPARE(rig.f.shell.prefs.UpdateForCheck, 0);

            // Return acts on the default button; OK closes and the menus come back.
            if (newer) continue;
            QTest::keyClick(rig.window(), Qt::Key_Return);
            QVERIFY(!rig.window());
            QVERIFY(rig.f.enabled(menu::kApplication, menu::kCheckForUpdates));
            QVERIFY(rig.f.menuEnabled(menu::kFile));
        }
    }

    void automaticCheckRunsOncePerRunAndShowsOnlyNewsThatCameInTime()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "1.0.1");
        setBase(server.base());
        const auto started = [](std::int32_t UpdateForCheck) {
            auto rig = std::make_unique<Rig>();
            rig->f.shell.prefs.UpdateForCheck = UpdateForCheck;
            rig->f.start();
            return rig;
        };
        QVERIFY(started(0)->timers.empty());

        auto inTime = started(1);
        QSignalSpy answered(&inTime->checker, &UpdateChecker::versionAnswered);
        QVERIFY(answered.wait(5000));
        QVERIFY(inTime->runTimer(1000));
        QCOMPARE(inTime->status(), QStringLiteral("Newer Version is Available."));
        QVERIFY(!inTime->f.menuEnabled(menu::kFile));  // modal while the window is up
        // A document opened later does not check again.
        QTemporaryDir dir;
        const QString doc = dir.filePath(QStringLiteral("d.xvrdoc"));
        Design design;
        QVERIFY(!WriteFile(design, doc.toStdString()));
        inTime->f.window.openFromDesktop(doc);
        QVERIFY(inTime->timers.empty());
        QCOMPARE(server.requests(), 1);

        server.hold(kVersionAt);
        auto late = started(1);
        QSignalSpy lateAnswer(&late->checker, &UpdateChecker::versionAnswered);
        QTRY_COMPARE(server.requests(), 2);
        QVERIFY(late->runTimer(1000));  // no answer yet
        server.release();
        QVERIFY(lateAnswer.wait(5000));
        QCOMPARE(late->checker.flags().UpdateOkFlag, std::uint8_t{1});
        QVERIFY(!late->window());
        QVERIFY(late->f.menuEnabled(menu::kFile));

        server.answer(kVersionAt, "1.0.0");
        auto same = started(1);
        QSignalSpy sameAnswer(&same->checker, &UpdateChecker::versionAnswered);
        QVERIFY(sameAnswer.wait(5000));
        QVERIFY(same->runTimer(1000));
        QVERIFY(!same->window());  // nothing new: silent

        // A document opened at launch, before the start-up timer, is the
        // first design shown: the check follows it, and only once.
        Rig atLaunch;
        atLaunch.f.shell.prefs.UpdateForCheck = 1;
        atLaunch.f.window.startUp();
        atLaunch.f.window.openFromDesktop(doc);
        atLaunch.f.window.startUpTimerFired();
        QCOMPARE(atLaunch.timers.size(), std::size_t{1});
    }

    // Downloads and the trash in the test's home folder; the answer's kind is
    // its status, or "cap" (longer than the cap, announced) or "stream" (the
    // same, unannounced).
    void downloadIntoDownloads()
    {
        const QString ok = QStringLiteral("Download is Successful.");
        const QString failed = QStringLiteral("Download is Failed.");
        const QByteArray named = "Content-Disposition: attachment; filename=\"L-2.zip\"\r\n";
        const QByteArray climbing = "Content-Disposition: attachment; filename=\"../../notes.txt\"\r\n";
        const struct {
            const char* name;
            QByteArray kind;
            QByteArray headers;
            bool heldAtResult;
            QString shown;
            QStringList stored;  // the files of Downloads at the end
        } rows[] = {
            {"finishes", "200 OK", "", false, ok, {"Larkspan.zip", "notes.txt"}},
            {"suggested name", "200 OK", named, false, ok, {"L-2.zip", "notes.txt"}},
            {"name with ../", "200 OK", climbing, false, ok, {"notes (2).txt", "notes.txt"}},
            {"fails", "500 Server Error", "", false, failed, {"notes.txt"}},
            {"over the cap, announced", "cap", "", false, failed, {"notes.txt"}},
            {"over the cap, streamed", "stream", "", false, failed, {"notes.txt"}},
            {"still running at 0.6 s", "200 OK", "", true, ok, {"Larkspan.zip", "notes.txt"}},
        };
        for (const auto& r : rows) {
            init();
            download(r.kind, r.headers, r.heldAtResult, r.shown, r.stored);
            if (QTest::currentTestFailed()) qWarning("in the case \"%s\"", r.name);
        }
    }

    void launchOpensArchiveThenPackageAndQuitsAskingAboutChanges()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "2.0.0");
        server.answer(kArchiveAt, "PK");
        setBase(server.base());
        Rig rig;
        rig.f.start();
        menuCheck(rig);
        QSignalSpy ended(&rig.checker, &UpdateChecker::downloadEnded);
        rig.window()->button(602)->click();
        QVERIFY(rig.runTimer(100) && ended.wait(5000) && rig.runTimer(600));
        QVERIFY(rig.opened.isEmpty());                              // nothing opens without the user's click
        QFile package(QDir(downloads()).filePath("Larkspan.pkg"));  // as the archive utility leaves it
        QVERIFY(package.open(QIODevice::WriteOnly));
        package.close();

        rig.f.trigger(menu::kChannel, 2);  // a changed design
        rig.f.prompts.answer = Prompts::SaveChanges::DontSave;
        QSignalSpy quit(&rig.f.window, &MainWindow::quitRequested);
        rig.window()->button(605)->click();
        QCOMPARE(rig.opened, QStringList{QDir(downloads()).filePath("Larkspan.zip")});
        QVERIFY(rig.runTimer(2000));
        QCOMPARE(rig.opened.size(), 2);
        QCOMPARE(rig.opened.last(), QDir(downloads()).filePath("Larkspan.pkg"));
        QVERIFY(quit.isEmpty());
        QVERIFY(rig.runTimer(900));
        QCOMPARE(rig.f.prompts.questions, 1);
        QCOMPARE(quit.count(), 1);
    }

    // A server that sends a first part and then nothing more.
    void versionRequestGivesUpOnASlowDrip()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "2.0.0");
        server.hold(kVersionAt, "2.");
        QNetworkAccessManager manager;
        VersionRequest request;
        QSignalSpy finished(&request, &VersionRequest::finished);
        request.start(manager, QUrl(server.base() + kVersionAt), 300);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QVERIFY(!request.running());
    }

    void commandLineToolChecksSynchronously()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "1.0.1\n");
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        const quint16 refusing = closed.serverPort();
        closed.close();
        const struct {
            QString base;
            int exitCode;
            QByteArray out;
        } rows[] = {
            {server.base(), 0,
             "{\"server\": \"1.0.1\", \"this\": \"" LARKSPAN_PROJECT_VERSION "\", \"updateOffered\": "},
            {QStringLiteral("http://127.0.0.1:%1").arg(refusing), 1, ""},
            {QStringLiteral("http://example.com"), 1, ""},
        };
        for (const auto& r : rows) {
            QProcess cli;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LARKSPAN_UPDATE_URL"), r.base);
            cli.setProcessEnvironment(env);
            cli.start(QStringLiteral(LARKSPAN_CLI), {QStringLiteral("check-update"), QStringLiteral("--json")});
            QTRY_VERIFY_WITH_TIMEOUT(cli.state() == QProcess::NotRunning, 20000);
            QCOMPARE(cli.exitCode(), r.exitCode);
            QVERIFY2(cli.readAllStandardOutput().startsWith(r.out), qPrintable(r.base));
            if (r.exitCode != 0) QVERIFY(!cli.readAllStandardError().isEmpty());
        }
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::UpdateCheckTest)
#include "update_check_test.moc"
