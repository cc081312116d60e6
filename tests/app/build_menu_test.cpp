// The Build menu driven as a user would, headless: its place and states, the
// standard-value marks, the as-built overlay, the Parts List window and the
// two exports.
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/parts_list_window.h"
#include "app/response_view.h"
#include "window_fixture.h"

namespace larkspan {

class BuildMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("LarkspanBuildMenuTest"));
        QSettings().clear();
    }

    void buildMenuFollowsTheDesignAndItsPreferences()
    {
        test::WindowFixture f;
        f.start();
        QStringList titles;
        for (QAction* a : f.window.menuBar()->actions())
            if (a->isVisible()) titles << a->text();
        QCOMPARE(titles.indexOf(QStringLiteral("Build")), titles.indexOf(QStringLiteral("Correction")) + 1);
        QVERIFY(f.menuEnabled(menu::kBuild));
        QVERIFY(f.checked(menu::kStandardValues, 3));  // E12 until chosen otherwise

        f.trigger(menu::kStandardValues, 4);
        f.trigger(menu::kStandardValues, 7);
        QVERIFY(f.checked(menu::kStandardValues, 4) && !f.checked(menu::kStandardValues, 3));
        QVERIFY(f.checked(menu::kStandardValues, 7));
        QVERIFY(f.window.view()->control(75) == nullptr);
        f.trigger(menu::kBuild, 3);
        QVERIFY(f.checked(menu::kBuild, 3));
        auto* legend = qobject_cast<QLabel*>(f.window.view()->control(75));
        QVERIFY(legend && legend->text() == QStringLiteral("as built"));
        QCOMPARE(QSettings().value(QStringLiteral("BuildSeries")).toString(), QStringLiteral("E24"));
        QVERIFY(QSettings().value(QStringLiteral("ShowAsBuilt")).toBool());

        f.trigger(menu::kBuild, 5);
        PartsListWindow* list = f.window.build().partsListWindow();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->windowTitle(), QStringLiteral("Parts List"));
        QCOMPARE(list->table()->item(0, 0)->text(), QStringLiteral("LL1"));

        f.window.documents().close();
        QVERIFY(!f.menuEnabled(menu::kBuild));
    }

    void exportsWriteTheFileOrSayWhyNot()
    {
        QTemporaryDir dir;
        test::WindowFixture f;
        f.start();
        f.prompts.pathToSave = dir.filePath(QStringLiteral("parts.csv"));
        f.trigger(menu::kBuild, 6);
        QFile csv(f.prompts.pathToSave);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readLine().startsWith("name,kind,ideal,chosen"));

        f.prompts.pathToSave = dir.filePath(QStringLiteral("net.cir"));
        f.trigger(menu::kBuild, 7);
        QFile deck(f.prompts.pathToSave);
        QVERIFY(deck.open(QIODevice::ReadOnly));
        QVERIFY(deck.readAll().contains(".ac dec 100 10 100k\n"));

        f.d().RE = std::nanf("");
        f.trigger(menu::kBuild, 6);
        f.trigger(menu::kBuild, 7);
        QCOMPARE(
            f.prompts.alerts,
            (std::vector<QString>{QStringLiteral("The parts list is empty.|LL1 is not a finite positive value"),
                                  QStringLiteral("The netlist is not written.|LL1 is not a finite positive value")}));
        QCOMPARE(f.prompts.saveDialogs.size(), 2);
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::BuildMenuTest)
#include "build_menu_test.moc"
