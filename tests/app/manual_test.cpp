// The user's manual mentions every item of every menu: the menus as the
// program builds them are the truth, the manual's text is searched for each.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/main_window.h"

namespace larkspan {

class ManualTest : public QObject {
    Q_OBJECT

    // Every item text below `menu`, without mnemonic marks.
    static void collect(const QMenu* menu, QStringList& texts)
    {
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            texts << QString(a->text()).remove(QLatin1Char('&')).trimmed();
            if (a->menu()) collect(a->menu(), texts);
        }
    }

private slots:
    void everyMenuItemIsInTheManual()
    {
        QFile file(QStringLiteral(LARKSPAN_MANUAL));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QString manual = QString::fromUtf8(file.readAll());

        ShellState shell;
        MainWindow window{shell};
        QStringList texts;
        for (const QAction* a : window.menuBar()->actions()) {
            if (!a->menu()) continue;
            texts << QString(a->text()).remove(QLatin1Char('&'));
            collect(a->menu(), texts);
        }
        QVERIFY(texts.size() > 40);
        QStringList missing;
        for (const QString& t : texts)
            if (!manual.contains(t)) missing << t;
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("not in the manual: ") + missing.join(QStringLiteral(", "))));
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::ManualTest)
#include "manual_test.moc"
