// The update check against a local server: the version request and its
// failures, window 11 in each case, the download into Downloads and the
// hand-over to the installer. The result timers are run by the test, in
// order, so that "at 1.0 s" and "at 0.6 s" mean "before or after the answer"
// as each case needs.
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
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

    Rig()
    {
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
    QStringList buttons() const
    {
        QStringList list;
        for (const int c : {601, 602, 603, 604, 605})
            if (window()->button(c)) list << window()->button(c)->text();
        return list;
    }
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

    void menuCheckShowsTheResult_data()
    {
        QTest::addColumn<QString>("address");   // server, settings, refused or none
        QTest::addColumn<QByteArray>("route");  // the version text's answer: status, then body
        QTest::addColumn<QString>("bundle");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("defaultButton");

        const QString newer = QStringLiteral("Newer Version is Available.");
        const QString current = QStringLiteral("This Version is Currently.");
        const QString failed = QStringLiteral("Network Connection Failed.");
        const QString confirm = QStringLiteral("Please confirm the network connection.");
        QTest::newRow("newer") << "server" << QByteArray("200 OK|1.0.1\n") << "1.0.0" << newer
                               << "Newer Version : 1.0.1" << 602;
        QTest::newRow("same") << "server" << QByteArray("200 OK|1.0.0\n") << "1.0.0" << current
                              << "Current Version : 1.0.0" << 601;
        QTest::newRow("older") << "server" << QByteArray("200 OK|0.9.9") << "1.0.0" << current
                               << "Current Version : 1.0.0" << 601;
        QTest::newRow("no digits") << "server" << QByteArray("200 OK|<html>soon</html>") << "1.0.0" << current
                                   << "Current Version : 1.0.0" << 601;
        QTest::newRow("2.0 against 1.9.9")
            << "server" << QByteArray("200 OK|2.0") << "1.9.9" << current << "Current Version : 1.9.9" << 601;
        QTest::newRow("exactly 4 KiB") << "server" << QByteArray("200 OK|2" + QByteArray(4095, '0')) << "1.0.0" << newer
                                       << "Newer Version : 2" + QString(254, QLatin1Char('0')) << 602;
        QTest::newRow("5 KiB announced") << "server" << QByteArray("200 OK|2" + QByteArray(5119, '0')) << "1.0.0"
                                         << failed << confirm << 601;
        QTest::newRow("5 KiB unannounced")
            << "server" << QByteArray("stream|2" + QByteArray(5119, '0')) << "1.0.0" << failed << confirm << 601;
        QTest::newRow("not found") << "server" << QByteArray("404 Not Found|9.9") << "1.0.0" << failed << confirm
                                   << 601;
        QTest::newRow("redirect to http") << "server" << QByteArray("redirect|") << "1.0.0" << failed << confirm << 601;
        QTest::newRow("from the settings")
            << "settings" << QByteArray("200 OK|1.1") << "1.0" << newer << "Newer Version : 1.1" << 602;
        QTest::newRow("connection refused") << "refused" << QByteArray() << "1.0.0" << failed << confirm << 601;
        QTest::newRow("no address") << "none" << QByteArray() << "1.0.0" << failed << confirm << 601;
    }

    void menuCheckShowsTheResult()
    {
        QFETCH(QString, address);
        QFETCH(QByteArray, route);
        QFETCH(QString, bundle);
        QFETCH(QString, status);
        QFETCH(QString, detail);
        QFETCH(int, defaultButton);
        QCoreApplication::setApplicationVersion(bundle);

        test::LocalHttpServer server;
        const QByteArray kind = route.left(route.indexOf('|'));
        const QByteArray body = route.mid(route.indexOf('|') + 1);
        if (kind == "redirect")
            server.answer(kVersionAt, {}, "Location: http://127.0.0.1:1/elsewhere\r\n", "302 Found");
        else if (kind == "stream")
            server.answer(kVersionAt, body, {}, "200 OK", false);
        else
            server.answer(kVersionAt, body, {}, kind);
        if (address == QLatin1String("server")) setBase(server.base());
        if (address == QLatin1String("settings")) QSettings().setValue(QStringLiteral("UpdateBaseUrl"), server.base());
        if (address == QLatin1String("refused")) {
            QTcpServer closed;
            closed.listen(QHostAddress::LocalHost, 0);
            setBase(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
        }

        Rig rig;
        rig.f.start();
        rig.timers.clear();  // the automatic check is not under test here
        menuCheck(rig);
        QCOMPARE(rig.status(), status);
        QCOMPARE(rig.detail(), detail);
        const QColor expectedColour =
            status == QLatin1String("Newer Version is Available.") ? QColor(0, 153, 0) : Qt::black;
        QCOMPARE(rig.window()->line(606)->palette().color(QPalette::WindowText), expectedColour);
        QCOMPARE(rig.window()->checkUpdateBtn(), defaultButton);
        QVERIFY(rig.window()->button(defaultButton)->isDefault());
        QCOMPARE(rig.buttons(), defaultButton == 602 ? QStringList({"Download...", "OK"}) : QStringList({"OK"}));

        // Return acts on the default button; OK closes and the menus come back.
        if (defaultButton == 602) return;
        QTest::keyClick(rig.window(), Qt::Key_Return);
        QVERIFY(!rig.window());
        QVERIFY(rig.f.enabled(menu::kApplication, menu::kCheckForUpdates));
        QVERIFY(rig.f.menuEnabled(menu::kFile));
    }

    void automaticCheckRunsOncePerRunAndStaysSilentWithoutNews()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "1.0.0");
        setBase(server.base());
        {
            Rig rig;
            rig.f.shell.prefs.UpdateForCheck = 0;
            rig.f.start();
            QVERIFY(rig.timers.empty());
        }
        Rig rig;
        QSignalSpy answered(&rig.checker, &UpdateChecker::versionAnswered);
        rig.f.start();
        QVERIFY(answered.wait(5000));
        QVERIFY(rig.runTimer(1000));
        QVERIFY(!rig.window());  // same version: nothing shown
        // A document opened later does not check again.
        QTemporaryDir dir;
        const QString doc = dir.filePath(QStringLiteral("d.xvrdoc"));
        Design design;
        QVERIFY(!WriteFile(design, doc.toStdString()));
        rig.f.window.openFromDesktop(doc);
        QVERIFY(rig.timers.empty());
        QCOMPARE(server.requests(), 1);
    }

    void automaticCheckShowsANewerVersionOnlyWhenItCameInTime()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "1.0.1");
        server.hold(kVersionAt);
        setBase(server.base());
        Rig rig;
        QSignalSpy answered(&rig.checker, &UpdateChecker::versionAnswered);
        rig.f.start();
        QTRY_COMPARE(server.requests(), 1);
        QVERIFY(rig.runTimer(1000));  // no answer yet
        server.release();
        QVERIFY(answered.wait(5000));
        QCOMPARE(rig.checker.flags().UpdateOkFlag, std::uint8_t{1});
        QVERIFY(!rig.window());
        QVERIFY(rig.f.menuEnabled(menu::kFile));

        Rig inTime;
        server.answer(kVersionAt, "1.0.1");
        QSignalSpy answeredInTime(&inTime.checker, &UpdateChecker::versionAnswered);
        inTime.f.start();
        QVERIFY(answeredInTime.wait(5000));
        QVERIFY(inTime.runTimer(1000));
        QCOMPARE(inTime.status(), QStringLiteral("Newer Version is Available."));
        QVERIFY(!inTime.f.menuEnabled(menu::kFile));  // modal while the window is up
    }

    void checkBoxStoresTheSwitchAtOnce()
    {
        Rig rig;
        rig.f.start();
        rig.timers.clear();
        menuCheck(rig);
        QCheckBox* box = rig.window()->checkBox();
        QCOMPARE(box->text(), QStringLiteral(" Check for New Updates on Launch."));
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(rig.f.shell.prefs.UpdateForCheck, 0);
        box->click();
        QCOMPARE(rig.f.shell.prefs.UpdateForCheck, 1);
    }

    void downloadIntoDownloads_data()
    {
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<bool>("heldAtResult");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("stored");  // the files of Downloads at the end

        const QString ok = QStringLiteral("Download is Successful.");
        const QString failed = QStringLiteral("Download is Failed.");
        QTest::newRow("finishes") << QByteArray() << QByteArray("200 OK") << false << ok
                                  << QStringList{"Larkspan.zip", "notes.txt"};
        QTest::newRow("suggested name") << QByteArray("Content-Disposition: attachment; filename=\"L-2.zip\"\r\n")
                                        << QByteArray("200 OK") << false << ok << QStringList{"L-2.zip", "notes.txt"};
        QTest::newRow("name with ../") << QByteArray(
                                              "Content-Disposition: attachment; filename=\"../../notes.txt\"\r\n")
                                       << QByteArray("200 OK") << false << ok
                                       << QStringList{"notes (2).txt", "notes.txt"};
        QTest::newRow("fails") << QByteArray() << QByteArray("500 Server Error") << false << failed
                               << QStringList{"notes.txt"};
        QTest::newRow("over the cap, announced")
            << QByteArray() << QByteArray("cap") << false << failed << QStringList{"notes.txt"};
        QTest::newRow("over the cap, streamed")
            << QByteArray() << QByteArray("stream") << false << failed << QStringList{"notes.txt"};
        QTest::newRow("still running at 0.6 s")
            << QByteArray() << QByteArray("200 OK") << true << ok << QStringList{"Larkspan.zip", "notes.txt"};
    }

    void downloadIntoDownloads()
    {
        QFETCH(QByteArray, headers);
        QFETCH(QByteArray, status);
        QFETCH(bool, heldAtResult);
        QFETCH(QString, shown);
        QFETCH(QStringList, stored);

        const QByteArray archive = QByteArray(20000, 'z');
        test::LocalHttpServer server;
        server.answer(kVersionAt, "2.0.0");
        if (status == "stream")
            server.answer(kArchiveAt, archive, {}, "200 OK", false);
        else
            server.answer(kArchiveAt, archive, headers, status == "cap" ? QByteArray("200 OK") : status);
        if (heldAtResult) server.hold(kArchiveAt, archive.left(1000));
        setBase(server.base());
        QDir().mkpath(downloads());
        for (const char* old : {"Larkspan.zip", "Larkspan.pkg", "notes.txt"}) {
            QFile f(QDir(downloads()).filePath(QString::fromLatin1(old)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }

        Rig rig;
        rig.checker.downloadCap = status == "cap" || status == "stream" ? 10000 : 30000;
        rig.f.start();
        rig.timers.clear();
        menuCheck(rig);
        QSignalSpy ended(&rig.checker, &UpdateChecker::downloadEnded);
        rig.window()->button(602)->click();
        // The old archive and package went to the trash before the download.
        QCOMPARE(QDir(downloads()).entryList(QDir::Files), QStringList{"notes.txt"});
        QCOMPARE(QDir(home_.filePath(".local/share/Trash/files")).entryList(QDir::Files),
                 QStringList({"Larkspan.pkg", "Larkspan.zip"}));
        QVERIFY(rig.runTimer(100));
        if (heldAtResult)
            QTRY_COMPARE(server.requests(), 2);
        else
            QVERIFY(ended.wait(5000));
        QVERIFY(rig.runTimer(600));
        QCOMPARE(rig.status(), shown);
        QCOMPARE(rig.window()->checkUpdateBtn(), 604);
        QCOMPARE(rig.buttons(), shown == QLatin1String("Download is Successful.")
                                    ? QStringList({"OK", "Launch Installer and Quit"})
                                    : QStringList({"OK"}));
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

    void launchOpensArchiveThenPackageAndQuitsAskingAboutChanges()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "2.0.0");
        server.answer(kArchiveAt, "PK");
        setBase(server.base());
        Rig rig;
        rig.f.start();
        rig.timers.clear();
        menuCheck(rig);
        QSignalSpy ended(&rig.checker, &UpdateChecker::downloadEnded);
        rig.window()->button(602)->click();
        QVERIFY(rig.runTimer(100));
        QVERIFY(ended.wait(5000));
        QVERIFY(rig.runTimer(600));
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

    void commandLineToolChecksSynchronously()
    {
        test::LocalHttpServer server;
        server.answer(kVersionAt, "1.0.1\n");
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        const struct {
            QString base;
            int exitCode;
            QByteArray out;
        } rows[] = {
            {server.base(), 0,
             "{\"server\": \"1.0.1\", \"this\": \"" LARKSPAN_PROJECT_VERSION "\", \"updateOffered\": "},
            {QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()), 1, ""},
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
