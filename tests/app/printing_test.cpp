// Page Setup, Print, Snapshot and the sounds, driven headless through the
// menus with recording sheets in place of the dialogs.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <regex>

#include "app/printing.h"
#include "app/response_view.h"
#include "app/sound_player.h"
#include "model/resource_folder.h"
#include "support/pdf_tools.h"
#include "window_fixture.h"

namespace larkspan {

namespace {

constexpr int kPageSetupItem = 9;
constexpr int kPrintItem = 10;
constexpr int kSchemaItem = 8;

// The window with recording print sheets: every print goes into `printTo`
// ("native": neither a printer nor a file), and the page setup sheet picks
// `chosenOrientation` and `chosenScale`.
struct PrintFixture : test::WindowFixture {
    QString printTo;
    std::optional<QPageLayout::Orientation> chosenOrientation;
    double chosenScale = 100;
    std::vector<QPageLayout::Orientation> printedOrientations;
    bool menusModalInSheet = true;

    explicit PrintFixture(const QString& pdfPath) : printTo(pdfPath)
    {
        prompts.onPageSetup = [this](QPrinter& printer, double& scale) {
            menusModalInSheet = menusModalInSheet && !menuEnabled(menu::kFile);
            if (chosenOrientation) printer.setPageOrientation(*chosenOrientation);
            scale = chosenScale;
            return true;
        };
        prompts.onPrint = [this](QPrinter& printer) {
            menusModalInSheet = menusModalInSheet && !menuEnabled(menu::kFile);
            printedOrientations.push_back(printer.pageLayout().orientation());
            if (printTo == QLatin1String("native")) {
                printer.setOutputFileName(QString());
                printer.setPrinterName(QString());
            } else {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(printTo);
            }
            return true;
        };
        start();
    }
    // Snapshot Response..., the file-save sheet answering `answer`.
    void snapshot(const QString& answer)
    {
        prompts.pathToSave = answer;
        trigger(menu::kResponse, 13);
    }
};

// A sink that takes the whole sound at the first look and counts the frames.
class CountingSink : public SoundSink {
public:
    bool start(const DecodedSound& sound) override
    {
        frames = static_cast<long>(sound.samples.size()) / sound.channels;
        return true;
    }
    bool finished() override { return ++looks > 1; }
    void stop() override { ++stops; }
    long frames = 0;
    int looks = 0;
    int stops = 0;
};

// A sink that accepts the sound and never plays it out.
class StallingSink : public SoundSink {
public:
    bool start(const DecodedSound&) override { return true; }
    bool finished() override { return false; }
    void stop() override { stopped = true; }
    bool stopped = false;
};

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void printsOnePageOfTheViewIntoAPdf()
    {
        struct Row {
            const char* name;
            int viewItem;
            int dateCheck;
            const char* title;
            const char* pageSize;  // pdfinfo's "W x H", points
            const char* mustShow;  // a text of the printed form
        };
        const Row rows[] = {
            {"graph with the date", 1, 1, "untitled_Amplitude", "595 x 842", "Amplitude"},
            // The printed value sheet: the component values are drawn on
            // the page, not placed as the window's controls.
            {"schematic without the date", kSchemaItem, 0, "untitled_Schematics", "842 x 595", "LL1:"},
        };
        for (const Row& row : rows) {
            PrintFixture f(path(QStringLiteral("page.pdf")));
            f.shell.prefs.PrintDateCheck = row.dateCheck;
            f.trigger(menu::kResponse, row.viewItem);
            f.trigger(menu::kFile, kPrintItem);
            QVERIFY2(f.prompts.stopAlerts.isEmpty(), row.name);
            QVERIFY(f.menusModalInSheet);
            QVERIFY(f.menuEnabled(menu::kFile));  // the design-open state again
            const std::string info = test::pdfinfo(f.printTo.toStdString());
            QVERIFY2(!info.empty(), "pdfinfo (poppler-utils) is needed to read the page");
            QVERIFY2(std::regex_search(info, std::regex("Pages: +1\\n")), info.c_str());
            QVERIFY2(std::regex_search(info, std::regex(std::string("Title: +") + row.title + "\n")), info.c_str());
            QVERIFY2(info.find(std::string("Page size:       ") + row.pageSize) != std::string::npos, info.c_str());
            const std::string text = test::pdftext(f.printTo.toStdString());
            QVERIFY2(text.find(row.mustShow) != std::string::npos, text.c_str());
            const bool dated =
                std::regex_search(text, std::regex(R"(Larkspan +[A-Z][a-z]{2}/\d\d/20\d\d \d\d:\d\d:\d\d)"));
            QCOMPARE(dated, row.dateCheck == 1);
            QFile::remove(f.printTo);
        }
    }

    void orientationAndScaleFromPageSetupLastUntilTheViewOrDesignChanges()
    {
        PrintFixture f(path(QStringLiteral("o.pdf")));
        f.trigger(menu::kResponse, kSchemaItem);
        f.trigger(menu::kFile, kPrintItem);  // the rule: landscape
        f.chosenOrientation = QPageLayout::Portrait;
        f.chosenScale = 50;
        f.trigger(menu::kFile, kPageSetupItem);
        QCOMPARE(f.shell.GPrintScale, 50.0);
        QVERIFY(f.menuEnabled(menu::kFile));
        f.trigger(menu::kFile, kPrintItem);  // the user's portrait
        f.trigger(menu::kResponse, 1);
        f.trigger(menu::kResponse, kSchemaItem);
        f.trigger(menu::kFile, kPrintItem);  // a new view: the rule again
        const std::vector<QPageLayout::Orientation> expected{QPageLayout::Landscape, QPageLayout::Portrait,
                                                             QPageLayout::Landscape};
        QCOMPARE(f.printedOrientations, expected);
        QVERIFY(f.menusModalInSheet);
        f.trigger(menu::kFile, 3);  // Close, then New
        f.trigger(menu::kFile, 1);
        QCOMPARE(f.shell.GPrintScale, 100.0);
        QCOMPARE(f.shell.PMOrientFlag, std::uint8_t{0});
    }

    void printErrorsShowTheirAlertAndRestoreTheMenus()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed here");
        struct Row {
            const char* printTo;
            const char* alert;
        };
        const Row rows[] = {
            {"native", "Error code -30872|No default printer specified"},
            {"/nonexistent-folder/x.pdf", "Error code -30870|Printing error"},
        };
        for (const Row& row : rows) {
            PrintFixture f(QString::fromLatin1(row.printTo));
            const Design before = f.d();
            f.trigger(menu::kFile, kPrintItem);
            QCOMPARE(f.prompts.stopAlerts, QStringList{QString::fromLatin1(row.alert)});
            QCOMPARE(f.prompts.beeps, 1);
            QVERIFY(f.menuEnabled(menu::kFile));
            QVERIFY(f.d().FX == before.FX && f.d().DirtyFlag == before.DirtyFlag);
        }
    }

    void snapshotNamesNumbersAndFailures()
    {
        PrintFixture f(path(QStringLiteral("unused.pdf")));
        f.trigger(menu::kResponse, 4);  // group delay
        f.snapshot({});
        f.snapshot({});  // two Cancels: the same number
        const QString saved = path(QStringLiteral("shot.png"));
        f.snapshot(saved);
        f.shell.prefs.SoundCheck = 0;
        // A folder that cannot be written: below a file.
        const QStringList before = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        f.snapshot(saved + QStringLiteral("/shot.png"));
        const QString prompt = QStringLiteral("Save This PNG File As...|Larkspan_");
        const QStringList expected{prompt + "1_Group-Delay.png", prompt + "1_Group-Delay.png",
                                   prompt + "1_Group-Delay.png", prompt + "2_Group-Delay.png"};
        QCOMPARE(f.prompts.saveDialogs, expected);
        QCOMPARE(f.prompts.sounds, std::vector<QString>(3, QStringLiteral("Shutter.aif")));
        QVERIFY(f.menuEnabled(menu::kFile));
        QVERIFY(!QImage(saved).isNull());
        QCOMPARE(f.prompts.stopAlerts.size(), 1);
        QVERIFY(f.prompts.stopAlerts[0].startsWith(QStringLiteral("SaveImageFile failed|")));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), before);
    }

    // Run once as it is and once with QT_SCALE_FACTOR=2 and
    // LARKSPAN_EXPECT_DPR=2 by ctest.
    void snapshotPixelsFollowTheScreen()
    {
        const int dpr =
            qEnvironmentVariableIsSet("LARKSPAN_EXPECT_DPR") ? qEnvironmentVariableIntValue("LARKSPAN_EXPECT_DPR") : 1;
        PrintFixture f(path(QStringLiteral("unused.pdf")));
        const QString saved = path(QStringLiteral("dpr.png"));
        // At the view's own size the whole content; in a resized window the
        // drawing at the window's scale, without the bands beside it.
        struct Row {
            int view;
            QSize content, picture;
        };
        for (const Row& row : {Row{1, {540, 390}, {540, 390}}, Row{1, {1080, 780}, {1080, 780}},
                               Row{1, {1280, 700}, {970, 700}}, Row{8, {810, 566}, {810, 566}}}) {
            f.trigger(menu::kResponse, row.view);
            f.window.resize(row.content + QSize(0, f.window.view()->y()));
            QTRY_COMPARE(f.window.view()->size(), row.content);
            f.snapshot(saved);
            QCOMPARE(QImage(saved).size(), row.picture * dpr);
        }
    }

    void soundsPlayToTheirEndOrGiveUp()
    {
        const QString images = QString::fromStdString(resourceFolder("Images"));
        CountingSink counting;
        QCOMPARE(playSoundFile(images + "/Shutter.aif", counting), PlayResult::Played);
        QCOMPARE(counting.frames, 13230L);  // 0.3 s at 44.1 kHz, as synthesized
        QCOMPARE(counting.stops, 1);
        QCOMPARE(playSoundFile(images + "/Click.aif", counting), PlayResult::Played);
        QCOMPARE(counting.frames, 882L);  // 20 ms

        QCOMPARE(playSoundFile(path(QStringLiteral("missing.aif")), counting), PlayResult::NotFound);
        QFile broken(path(QStringLiteral("broken.aif")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(
            "FORM\0\0\0\x20"
            "AIFFCOMM garbage",
            24);
        broken.close();
        QCOMPARE(playSoundFile(broken.fileName(), counting), PlayResult::Unreadable);

        StallingSink stalling;
        QCOMPARE(playSoundFile(images + "/Click.aif", stalling, std::chrono::milliseconds(50)), PlayResult::TimedOut);
        QVERIFY(stalling.stopped);
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::PrintingTest)
#include "printing_test.moc"
