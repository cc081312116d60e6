// The notch parameter sheet in the desktop program, driven headless through
// the menus as a user would. The sheet model's own tests go through its rules;
// these show that every widget reaches the model and the model the window.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/main_window.h"
#include "app/menu_ids.h"
#include "app/notch_sheet_dialog.h"
#include "app/response_view.h"
#include "window_fixture.h"

namespace larkspan {

namespace {

// A parameter text as the enclosure program copies it: fifteen fields, each
// followed by two blanks, in the order marker, model, SPL, Fs, Vas, Qts, Qes,
// Qms, efficiency value, Re, Le, Vb, Fc, Qtc, Qa.
QString parameterText(const char* model, const char* numbers)
{
    QString text = QStringLiteral("DUMMY%  ") + QString::fromLatin1(model) + QStringLiteral("  ");
    for (const QString& n : QString::fromLatin1(numbers).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        text += n + QStringLiteral("  ");
    return text;
}

const int kFieldIds[] = {51, 52, 53, 54, 56, 57, 58, 59, 60};

}  // namespace

class NotchSheetDialogTest : public QObject {
    Q_OBJECT

private:
    // The window started, as a 2-way or 3-way design.
    struct Fixture : test::WindowFixture {
        explicit Fixture(int channel = 2)
        {
            start();
            if (channel == 3) trigger(menu::kChannel, 2);
        }
        NotchSheetDialog* open(int menuId, int item)
        {
            trigger(menuId, item);
            return qobject_cast<NotchSheetDialog*>(window.currentSheet());
        }
        NotchSheetDialog* openHigh2Way() { return open(menu::kCorrection2Way, 9); }
    };

    static QStringList fieldTexts(NotchSheetDialog* s)
    {
        QStringList texts;
        for (const int id : kFieldIds) texts << s->field(id)->text();
        return texts;
    }

    // Types the free-air tweeter whose notch is worked out by hand below.
    static void typeFreeAirTweeter(NotchSheetDialog* s)
    {
        const char* texts[] = {"Dome 25", "91", "800", "0", "1.2", "2.5", "6", "0.05", "0"};
        for (int i = 0; i < 9; ++i) s->field(kFieldIds[i])->setText(QString::fromLatin1(texts[i]));
    }

    static void clickRearType(NotchSheetDialog* s, int id) { QTest::mouseClick(s->rearTypeButton(id), Qt::LeftButton); }

    // 1 when Vas, the box and Qa controls are all enabled, 0 when none is.
    static int rearEnabled(NotchSheetDialog* s)
    {
        const QWidget* rear[] = {s->field(54), s->label(36), s->label(37), s->boxGroup(), s->field(60),
                                 s->qaPopup(), s->label(45), s->label(46), s->label(47)};
        int on = 0;
        for (const QWidget* w : rear) on += w->isEnabled() ? 1 : 0;
        return on == 9 ? 1 : on == 0 ? 0 : -1;
    }

private slots:
    // Each menu item opens the sheet of its driver, with that driver's own
    // voice-coil resistance, modal until it closes.
    void menuItemsOpenTheSheetOfTheirDriver()
    {
        struct Row {
            int channel, menuId, item;
            const char* title;
            const char* corr;
            int notch;
            const char* model;
            const char* re;
        };
        const Row rows[] = {
            {2, menu::kCorrection2Way, 9, "High Notch Parameters Enter", "HighNotch", 1, "Default High", "5.5"},
            {3, menu::kNotch3Way, 2, "Mid Notch Parameters Enter", "MidNotch", 2, "Default Mid", "4.5"},
            {3, menu::kNotch3Way, 1, "High Notch Parameters Enter", "HighNotch", 1, "Default High", "5.5"},
        };
        for (const Row& row : rows) {
            Fixture f(row.channel);
            f.d().RM = 4.5F, f.d().RH = 5.5F;
            NotchSheetDialog* s = f.open(row.menuId, row.item);
            QVERIFY(s);
            QCOMPARE(s->windowNumber(), 9);
            QVERIFY(s->width() <= 540 && s->height() <= 390);  // no larger than the graph window
            QCOMPARE(s->label(61)->text(), QString::fromLatin1(row.title));
            QCOMPARE(f.shell.s_Corr, std::string(row.corr));
            QCOMPARE(f.d().notchSet.Notch, std::int16_t(row.notch));
            QCOMPARE(s->field(51)->text(), QString::fromLatin1(row.model));
            QCOMPARE(s->field(58)->text(), QString::fromLatin1(row.re));
            QVERIFY(!f.menuEnabled(menu::kFile));
            s->pressCancel();
            QTRY_VERIFY(!f.window.currentSheet());
            QVERIFY(f.menuEnabled(menu::kFile));
        }
    }

    void sheetShowsEveryValueInItsFieldAndFormat()
    {
        Fixture f;
        Design& d = f.d();
        // Distinct values, so that a value shown in the wrong field shows up;
        // 62.5 and 7062.5 thousandths round to the even neighbour.
        d.s_SPH = "Ring Radiator", d.HigSPL = 95.6F, d.HigFS = 61.236F, d.HigVAS = 12.3456F, d.HigQES = 0.4444F;
        d.HigQMS = 3.0F, d.RH = 5.6F, d.LH = 0.0625F, d.HigVB = 7.0625F, d.HigQA = 15, d.HigQAPopItem = 4;
        d.HigRemvImpInc = 1;
        NotchSheetDialog* s = f.openHigh2Way();
        QVERIFY(s);
        QCOMPARE(fieldTexts(s),
                 QStringList({"Ring Radiator", "96", "61.24", "12.346", "0.444", "3", "5.6", "0.062", "7.062"}));
        QCOMPARE(s->qaPopup()->currentText(), QStringLiteral("    15"));
        QVERIFY(s->removeImpIncBox()->isChecked());
        QVERIFY(s->rearTypeButton(21)->isChecked());
        QCOMPARE(s->edtFldID(), 51);

        QStringList labels, items;
        for (const int id : {31, 32, 33, 34, 35, 36, 37, 39, 40, 41, 42, 43, 44, 45, 46, 47})
            labels << s->label(id)->text();
        QCOMPARE(labels, QStringList({"Model Name :", "SPL @1W1m ..", "dB", "Fs ..................", "Hz",
                                      "Vas ...............", "Liter", "Qes ...............", "Qms ..............",
                                      "Re .................", "Ohm", "Le .................", "mH", "Box Volume ..",
                                      "Liter", "Qa ................."}));
        for (int i = 0; i < s->qaPopup()->count(); ++i) items << s->qaPopup()->itemText(i);
        QCOMPARE(items, QStringList({"      5", "      7", "    10", "    15", "    20"}));
        QCOMPARE(s->removeImpIncBox()->text(), QStringLiteral(" Remove Imp. Increase Correction"));
        QCOMPARE(s->button(4)->text(), QStringLiteral("Paste Parameters"));
        QCOMPARE(s->button(3)->toolTip(), QStringLiteral("Abort this Correction"));
        QCOMPARE(s->field(53)->toolTip(), QStringLiteral("Free Air Resonance"));  // no placement code shown
        QCOMPARE(s->qaPopup()->toolTip(), QStringLiteral("Box Loss Factor Q"));
        s->pressCancel();
    }

    void controlsStayInsideTheSheetAndDoNotOverlap()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QVERIFY(s);
        QList<QWidget*> controls;
        for (QWidget* w : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QGroupBox*>(w) && !w->isWindow()) controls << w;
        QCOMPARE(controls.size(), 34);  // title, 2 radio buttons, 16 labels, 9 fields, popup, check box, 4 buttons
        for (QWidget* a : controls) {
            QVERIFY2(s->rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : controls)
                if (a != b)
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(QStringLiteral("%1 %2").arg(a->objectName(), b->objectName())));
        }
        // No text is cut: labels, buttons, radio buttons and the check box
        // are as wide as their texts need.
        for (QLabel* l : s->findChildren<QLabel*>())
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
        for (QAbstractButton* b : s->findChildren<QAbstractButton*>())
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
        s->pressCancel();
    }

    // A refused entry, in an enabled or a disabled field, beeps and keeps
    // the sheet, the typed text and the design.
    void refusedEntriesKeepTheSheetAndTheDesign()
    {
        struct Row {
            int field;
            const char* text;
            bool closed;  // rear type "Closed": box fields disabled but still read
        };
        for (const Row& row : {Row{53, "abc", false}, Row{54, "10", true}}) {
            Fixture f;
            NotchSheetDialog* s = f.openHigh2Way();
            typeFreeAirTweeter(s);
            if (row.closed) clickRearType(s, 22);
            QCOMPARE(s->field(54)->isEnabled(), !row.closed);
            s->field(row.field)->setText(QString::fromLatin1(row.text));
            QTest::keyClick(s->field(51), Qt::Key_Return);
            QCOMPARE(f.prompts.beeps, 1);
            QVERIFY(s->isVisible());
            QCOMPARE(s->field(row.field)->text(), QString::fromLatin1(row.text));
            QCOMPARE(f.d().HigCorrDisp + f.d().HigFS, 0.0F);  // the driver's set waits for an accepted OK
            QVERIFY(!f.window.isWindowModified());
            s->pressCancel();
        }
    }

    // The rear type, the Qa popup, the fields and the check box reach the
    // model; OK computes the notch (the model's tests check the numbers: here
    // 18.5·6/12.5 = 8.88 ohm and Le/Re² = 0.05e-3/36 = 1.3889 µF), redraws
    // and offers the corrected view; the sheet reopens as it was left.
    void widgetsReachTheModelAndOkTheDesign()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QCOMPARE(rearEnabled(s), 1);
        clickRearType(s, 22);
        QVERIFY(s->rearTypeButton(22)->isChecked() && !s->rearTypeButton(21)->isChecked());
        QCOMPARE(rearEnabled(s), 0);
        QCOMPARE(f.d().notchSet.NotchGrp * 10 + f.d().notchSet.NotchAorG, 20);
        for (const int id : {51, 52, 53, 56, 57, 58, 59}) QVERIFY(s->field(id)->isEnabled());
        clickRearType(s, 21);
        QCOMPARE(rearEnabled(s), 1);
        QCOMPARE(f.d().notchSet.NotchAorG, std::int16_t{1});
        typeFreeAirTweeter(s);
        QCOMPARE(s->qaPopup()->currentIndex(), 2);  // Qa 10 by default
        s->qaPopup()->setFocus();
        QTest::keyClick(s->qaPopup(), Qt::Key_Up);  // two steps up, to "      5", as the keyboard does
        QTest::keyClick(s->qaPopup(), Qt::Key_Up);
        QCOMPARE(f.d().notchSet.QA, 5.0F);
        QCOMPARE(f.d().notchSet.QAPopItem, std::int16_t{1});
        const int draws = f.window.view()->drawCount();
        QTest::keyClick(s->field(51), Qt::Key_Return);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.prompts.beeps, 0);
        QCOMPARE(f.window.view()->drawCount(), draws + 1);
        QVERIFY(f.window.isWindowModified());
        QVERIFY(f.enabled(menu::kResponse, 10) && !f.enabled(menu::kResponse, 11));
        const Design& d = f.d();
        QCOMPARE(d.s_SPH, std::string("Dome 25"));
        QCOMPARE(d.HigCorrDisp, std::int16_t{1});
        QVERIFY(qAbs(d.RNTH - 8.88F) < 1e-4F);
        QVERIFY(qAbs(d.notchCalc.CEQ - 1.3889e-6F) < 1e-9F);
        QCOMPARE(d.RH, 6.0F);  // the network now uses the notch sheet's voice coil
        QCOMPARE(d.LH, 0.05F);
        QCOMPARE(d.HigQA, 5.0F);
        QCOMPARE(d.HigQAPopItem, std::int16_t{1});

        // Ticking the box drops the correction and keeps the notch; the rear
        // type is kept with the driver.
        s = f.openHigh2Way();
        QCOMPARE(s->qaPopup()->currentText(), QStringLiteral("      5"));
        QTest::mouseClick(s->removeImpIncBox(), Qt::LeftButton);
        clickRearType(s, 22);
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(d.HigRemvImpInc, std::int16_t{1});
        QCOMPARE(d.notchCalc.CEQ, 0.0F);
        QCOMPARE(d.HigNotchGrp, std::int16_t{2});
        QVERIFY(d.RNTH > 0);
        s = f.openHigh2Way();
        QVERIFY(s->removeImpIncBox()->isChecked() && s->rearTypeButton(22)->isChecked());
        QCOMPARE(rearEnabled(s), 0);
        s->pressCancel();
    }

    // Each notch offers its corrected-impedance view, which names the driver
    // alone and corrected; while a corrected view is shown only its own notch
    // can be opened, and its Abort goes back to the amplitude view. A mid
    // notch is not offered in a 2-way design.
    void correctedViewsFollowTheNotches()
    {
        Fixture f(3);
        QVERIFY(!f.enabled(menu::kResponse, 10) && !f.enabled(menu::kResponse, 11));
        for (const int item : {1, 2}) {
            NotchSheetDialog* s = f.open(menu::kNotch3Way, item);
            typeFreeAirTweeter(s);
            s->pressOk();
            QTRY_VERIFY(!f.window.currentSheet());
        }
        QVERIFY(qAbs(f.d().RNTH - 8.88F) < 1e-4F && qAbs(f.d().RNTM - 8.88F) < 1e-4F);
        QCOMPARE(f.d().RM, 6.0F);

        f.d().notchSet.FS = 1;  // stale working values are replaced by the driver's
        f.trigger(menu::kResponse, 10);
        QCOMPARE(f.window.view()->currentView(), std::string("HigCorrImp"));
        QCOMPARE(f.d().notchSet.Notch, std::int16_t{1});
        QCOMPARE(f.d().notchSet.FS, 800.0F);
        QVERIFY(f.checked(menu::kResponse, 10) && !f.checked(menu::kResponse, 1));
        QCOMPARE(qobject_cast<QLabel*>(f.window.view()->control(71))->text(), QStringLiteral("After"));
        QCOMPARE(qobject_cast<QLabel*>(f.window.view()->control(72))->text(), QStringLiteral("Before"));
        NotchSheetDialog* s = f.open(menu::kNotch3Way, 1);
        QCOMPARE(s->field(53)->text(), QStringLiteral("800"));
        s->pressCancel();
        QTRY_VERIFY(!f.window.currentSheet());

        f.trigger(menu::kResponse, 11);
        QCOMPARE(f.d().s_Resp, std::string("MidCorrImp"));
        QCOMPARE(f.d().notchSet.Notch, std::int16_t{2});
        QVERIFY(!f.enabled(menu::kNotch3Way, 1) && f.enabled(menu::kNotch3Way, 2));
        s = f.open(menu::kNotch3Way, 2);
        f.window.setWindowModified(false);
        const int draws = f.window.view()->drawCount();
        QTest::mouseClick(s->button(3), Qt::LeftButton);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.window.view()->drawCount(), draws + 1);
        QCOMPARE(f.window.view()->currentView(), std::string("amp"));
        QVERIFY(f.checked(menu::kResponse, 1));
        QVERIFY(!f.enabled(menu::kResponse, 11) && f.enabled(menu::kResponse, 10));
        QCOMPARE(f.d().MidCorrDisp, std::int16_t{0});
        QCOMPARE(f.d().LM, 0.25F);
        QVERIFY(f.window.isWindowModified());
        QVERIFY(f.menuEnabled(menu::kFile));

        s = f.open(menu::kNotch3Way, 2);
        typeFreeAirTweeter(s);
        s->pressOk();
        QTRY_VERIFY(f.enabled(menu::kResponse, 11));
        f.trigger(menu::kChannel, 1);
        QVERIFY(!f.enabled(menu::kResponse, 11));
        QCOMPARE(f.d().MidCorrDisp, std::int16_t{1});
    }

    // A paste fills the fields, the rear type and the popup, and clicks when
    // the sound preference is on; OK reads the fields as shown.
    void pasteFillsTheFieldsAndClicks()
    {
        Fixture f;
        f.shell.prefs.SoundCheck = 0;
        NotchSheetDialog* s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(parameterText("T", "90 1000 0 0 1 2 0 6 0 0 0 0 10"));
        s->pressPaste();
        QCOMPARE(s->field(53)->text(), QStringLiteral("1000"));
        QVERIFY(f.prompts.sounds.empty());
        s->pressCancel();
        QTRY_VERIFY(!f.window.currentSheet());

        f.shell.prefs.SoundCheck = 1;
        s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(
            parameterText("Soft Dome 28", "92.4 850.556 0 0.4 1.25 2.75 0.9 5.8 0.06 0 0 0 15"));
        QTest::mouseClick(s->button(4), Qt::LeftButton);
        QVERIFY(f.prompts.alerts.empty() && f.prompts.beeps == 0);
        QCOMPARE(f.prompts.sounds, std::vector<QString>{QStringLiteral("Click.aif")});
        QCOMPARE(s->field(51)->text(), QStringLiteral("Soft Dome 28"));
        QCOMPARE(s->field(53)->text(), QStringLiteral("850.56"));
        QVERIFY(s->rearTypeButton(22)->isChecked());  // Vas 0
        QVERIFY(!s->field(54)->isEnabled());
        QCOMPARE(s->qaPopup()->currentIndex(), 3);  // Qa 15
        QCOMPARE(f.d().HigFS, 0.0F);                // only the sheet so far
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QVERIFY(qAbs(f.d().HigFS - 850.56F) < 1e-3F);
        QCOMPARE(f.d().HigEFI, 0.9F);  // carried with the set though not shown
    }

    // A text that is not a parameter text, or one too long to be taken (the
    // text taken before, none, is read again), alerts and changes nothing.
    void mismatchedPasteAlertsAndChangesNothing()
    {
        const QString good = parameterText("T", "90 1000 0 0 1 2 0 6 0 0 0 0 10");
        for (const QString& clip :
             {QStringLiteral("Not a parameter text"), QString(), good.leftJustified(256, QLatin1Char(' ')),
              good + QString(10 * 1024 * 1024, QLatin1Char('x'))}) {
            Fixture f;
            NotchSheetDialog* s = f.openHigh2Way();
            QGuiApplication::clipboard()->setText(clip);
            s->field(53)->setText(QStringLiteral("123"));  // typed, not yet accepted
            const QStringList before = fieldTexts(s);
            s->pressPaste();
            QCOMPARE(f.prompts.beeps, 1);
            QCOMPARE(f.prompts.alerts, std::vector<QString>{QStringLiteral("ALERT!   Paste Data is Mismatched.|")});
            QVERIFY(f.prompts.sounds.empty());
            QCOMPARE(fieldTexts(s), before);
            QVERIFY(s->rearTypeButton(21)->isChecked());
            QCOMPARE(s->qaPopup()->currentIndex(), 2);
            QVERIFY(s->isVisible());
            s->pressCancel();
        }
    }

    // An image only, then a text too long to take: each time the text taken
    // before is read again and fills the sheet once more.
    void clipboardWithoutTextReadsTheLastTextAgain()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(parameterText("First", "90 1000 0 0 1 2 0 6 0 0 0 0 10"));
        s->pressPaste();
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (const bool image : {true, false}) {
            s->field(51)->setText(QStringLiteral("Edited"));
            if (image)
                QGuiApplication::clipboard()->setImage(picture);
            else
                QGuiApplication::clipboard()->setText(QString(300, QLatin1Char('y')));
            QCOMPARE(QGuiApplication::clipboard()->mimeData()->hasText(), !image);
            s->pressPaste();
            QCOMPARE(s->field(51)->text(), QStringLiteral("First"));
        }
        QCOMPARE(f.prompts.sounds.size(), std::size_t{3});
        QVERIFY(f.prompts.alerts.empty());
        s->pressCancel();
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::NotchSheetDialogTest)
#include "notch_sheet_dialog_test.moc"
