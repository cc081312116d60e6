// The notch parameter sheet in the desktop program, driven headless through
// the menus as a user would.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
        // The high notch from the 2-way Correction menu, or a notch of the
        // 3-way Notch submenu (item 1 high, 2 mid).
        NotchSheetDialog* openHigh2Way()
        {
            trigger(menu::kCorrection2Way, 9);
            return qobject_cast<NotchSheetDialog*>(window.currentSheet());
        }
        NotchSheetDialog* open3Way(int item)
        {
            trigger(menu::kNotch3Way, item);
            return qobject_cast<NotchSheetDialog*>(window.currentSheet());
        }
    };

    static QString fieldText(NotchSheetDialog* s, int id) { return s->field(id)->text(); }

    // Types the free-air tweeter whose notch is worked out by hand below.
    static void typeFreeAirTweeter(NotchSheetDialog* s)
    {
        s->field(51)->setText(QStringLiteral("Dome 25"));
        s->field(52)->setText(QStringLiteral("91"));
        s->field(53)->setText(QStringLiteral("800"));
        s->field(54)->setText(QStringLiteral("0"));
        s->field(56)->setText(QStringLiteral("1.2"));
        s->field(57)->setText(QStringLiteral("2.5"));
        s->field(58)->setText(QStringLiteral("6"));
        s->field(59)->setText(QStringLiteral("0.05"));
        s->field(60)->setText(QStringLiteral("0"));
    }

    static void closeBoxRearType(NotchSheetDialog* s) { QTest::mouseClick(s->rearTypeButton(22), Qt::LeftButton); }

private slots:
    void menuItemsOpenTheSheetOfTheirDriver()
    {
        Fixture two;
        NotchSheetDialog* s = two.openHigh2Way();
        QVERIFY(s);
        QCOMPARE(s->windowNumber(), 9);
        QCOMPARE(s->size(), QSize(300, 540));
        QCOMPARE(s->label(61)->text(), QStringLiteral("High Notch Parameters Enter"));
        QCOMPARE(two.shell.s_Corr, std::string("HighNotch"));
        QCOMPARE(two.d().notchSet.Notch, std::int16_t{1});
        QVERIFY(!two.menuEnabled(menu::kFile));  // modal while the sheet is open
        QVERIFY(!two.menuEnabled(menu::kCorrection2Way));
        s->pressCancel();
        QTRY_VERIFY(!two.window.currentSheet());
        QVERIFY(two.menuEnabled(menu::kCorrection2Way));

        Fixture three(3);
        three.d().RM = 4.5F;
        s = three.open3Way(2);
        QVERIFY(s);
        QCOMPARE(s->label(61)->text(), QStringLiteral("Mid Notch Parameters Enter"));
        QCOMPARE(three.shell.s_Corr, std::string("MidNotch"));
        QCOMPARE(three.d().notchSet.Notch, std::int16_t{2});
        QCOMPARE(fieldText(s, 51), QStringLiteral("Default Mid"));
        QCOMPARE(fieldText(s, 58), QStringLiteral("4.5"));  // the mid driver's own resistance
        s->pressCancel();
        QTRY_VERIFY(!three.window.currentSheet());
        s = three.open3Way(1);
        QVERIFY(s);
        QCOMPARE(s->label(61)->text(), QStringLiteral("High Notch Parameters Enter"));
        QCOMPARE(fieldText(s, 51), QStringLiteral("Default High"));
        s->pressCancel();
    }

    void sheetShowsEveryValueInItsFieldAndFormat()
    {
        Fixture f;
        Design& d = f.d();
        // Distinct values, so that a value shown in the wrong field shows up.
        d.s_SPH = "Ring Radiator";
        d.HigSPL = 95.6F;
        d.HigFS = 61.236F;
        d.HigVAS = 12.3456F;
        d.HigQES = 0.4444F;
        d.HigQMS = 3.0F;
        d.RH = 5.6F;
        d.LH = 0.0625F;
        d.HigVB = 7.0625F;
        d.HigQA = 15;
        d.HigQAPopItem = 4;
        d.HigRemvImpInc = 1;
        NotchSheetDialog* s = f.openHigh2Way();
        QVERIFY(s);
        // SPL in whole dB, Fs in hundredths, the rest in thousandths, each
        // with the leading blank of a number that is not negative; 62.5 and
        // 7062.5 thousandths round to the even neighbour.
        const std::pair<int, const char*> expected[] = {{51, "Ring Radiator"}, {52, "96"},    {53, "61.24"},
                                                        {54, "12.346"},        {56, "0.444"}, {57, "3"},
                                                        {58, "5.6"},           {59, "0.062"}, {60, "7.062"}};
        for (const auto& [id, text] : expected) QCOMPARE(fieldText(s, id), QString::fromLatin1(text));
        QCOMPARE(s->qaPopup()->currentIndex(), 3);
        QCOMPARE(s->qaPopup()->currentText(), QStringLiteral("    15"));
        QVERIFY(s->removeImpIncBox()->isChecked());
        QVERIFY(s->rearTypeButton(21)->isChecked());
        QCOMPARE(s->edtFldID(), 51);
        QVERIFY(s->field(51)->hasFocus() || !s->isActiveWindow());

        // Every label and unit by its number.
        const std::pair<int, const char*> labels[] = {{31, "Model Name :"},
                                                      {32, "SPL @1W1m .."},
                                                      {33, "dB"},
                                                      {34, "Fs .................."},
                                                      {35, "Hz"},
                                                      {36, "Vas ..............."},
                                                      {37, "Liter"},
                                                      {39, "Qes ..............."},
                                                      {40, "Qms .............."},
                                                      {41, "Re ................."},
                                                      {42, "Ohm"},
                                                      {43, "Le ................."},
                                                      {44, "mH"},
                                                      {45, "Box Volume .."},
                                                      {46, "Liter"},
                                                      {47, "Qa ................."}};
        for (const auto& [id, text] : labels) QCOMPARE(s->label(id)->text(), QString::fromLatin1(text));
        QStringList items;
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

    void okValidatesThePositiveEntries_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("closed");  // rear type "Closed": box fields disabled but still read
        QTest::addColumn<bool>("accepted");
        // Rows change one entry of the free-air tweeter, which is valid. The
        // sheet model's tests go through every rule; these show that the
        // fields reach it, disabled ones included.
        QTest::newRow("free air as typed") << "53"
                                           << "800" << false << true;
        QTest::newRow("Fs not a number") << "53"
                                         << "abc" << false << false;
        QTest::newRow("Vas > 0 without a box volume, box disabled") << "54"
                                                                    << "10" << true << false;
    }

    void okValidatesThePositiveEntries()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, closed);
        QFETCH(bool, accepted);
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QVERIFY(s);
        typeFreeAirTweeter(s);
        if (closed) closeBoxRearType(s);
        QCOMPARE(s->field(54)->isEnabled(), !closed);
        s->field(field.toInt())->setText(value);
        const int draws = f.window.view()->drawCount();
        QTest::keyClick(s->field(51), Qt::Key_Return);
        if (!accepted) {
            QCOMPARE(f.prompts.beeps, 1);
            QVERIFY(s->isVisible());
            QCOMPARE(f.d().HigCorrDisp, std::int16_t{0});
            QCOMPARE(f.d().HigFS, 0.0F);  // the driver's set waits for an accepted OK
            QCOMPARE(fieldText(s, field.toInt()), value);
            QVERIFY(!f.window.isWindowModified());
            s->pressCancel();
            return;
        }
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.prompts.beeps, 0);
        QCOMPARE(f.d().HigCorrDisp, std::int16_t{1});
        QVERIFY(f.window.isWindowModified());
        QCOMPARE(f.window.view()->drawCount(), draws + 1);
        QVERIFY(f.enabled(menu::kResponse, 10));  // the corrected view is offered now
        QVERIFY(!f.enabled(menu::kResponse, 11));
        QCOMPARE(f.d().s_SPH, std::string("Dome 25"));
    }

    void okComputesTheNotchAndTheCheckBoxDropsOnlyTheCorrection()
    {
        // The notch model's tests check the numbers; here the notch resistor
        // 18.5·6/12.5 = 8.88 ohm and the correction capacitor Le/Re² =
        // 0.05e-3/36 = 1.3889 µF show that OK and the check box reach it.
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        typeFreeAirTweeter(s);
        QVERIFY(!s->removeImpIncBox()->isChecked());
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QVERIFY(qAbs(f.d().RNTH - 8.88F) < 1e-4F);
        QVERIFY(qAbs(f.d().notchCalc.CEQ - 1.3889e-6F) < 1e-9F);
        // The network design now uses the notch sheet's voice coil.
        QCOMPARE(f.d().RH, 6.0F);
        QCOMPARE(f.d().LH, 0.05F);

        // Ticking the box drops the correction and keeps the notch.
        s = f.openHigh2Way();
        QTest::mouseClick(s->removeImpIncBox(), Qt::LeftButton);
        QVERIFY(s->removeImpIncBox()->isChecked());
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().HigRemvImpInc, std::int16_t{1});
        QCOMPARE(f.d().notchCalc.CEQ, 0.0F);
        QVERIFY(qAbs(f.d().RNTH - 8.88F) < 1e-4F);
        s = f.openHigh2Way();
        QVERIFY(s->removeImpIncBox()->isChecked());  // it opens ticked
        s->pressCancel();
    }

    void rearTypeEnablesVasAndTheBox()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        // 1 when Vas, the box and Qa controls are all enabled, 0 when none is.
        const auto rearEnabled = [&s] {
            const QWidget* rear[] = {s->field(54), s->label(36), s->label(37), s->boxGroup(), s->field(60),
                                     s->qaPopup(), s->label(45), s->label(46), s->label(47)};
            int on = 0;
            for (const QWidget* w : rear) on += w->isEnabled() ? 1 : 0;
            return on == 9 ? 1 : on == 0 ? 0 : -1;
        };
        QCOMPARE(rearEnabled(), 1);
        closeBoxRearType(s);
        QVERIFY(s->rearTypeButton(22)->isChecked());
        QVERIFY(!s->rearTypeButton(21)->isChecked());
        QCOMPARE(rearEnabled(), 0);
        QCOMPARE(f.d().notchSet.NotchGrp, std::int16_t{2});
        QCOMPARE(f.d().notchSet.NotchAorG, std::int16_t{0});
        // The other fields stay open.
        for (const int id : {51, 52, 53, 56, 57, 58, 59}) QVERIFY(s->field(id)->isEnabled());
        QTest::mouseClick(s->rearTypeButton(21), Qt::LeftButton);
        QCOMPARE(rearEnabled(), 1);
        QCOMPARE(f.d().notchSet.NotchAorG, std::int16_t{1});

        // The rear type is kept with the driver and comes back with the sheet.
        closeBoxRearType(s);
        typeFreeAirTweeter(s);
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().HigNotchGrp, std::int16_t{2});
        s = f.openHigh2Way();
        QVERIFY(s->rearTypeButton(22)->isChecked());
        QCOMPARE(rearEnabled(), 0);
        s->pressCancel();
    }

    void qaPopupSetsTheBoxLoss()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QCOMPARE(s->qaPopup()->currentIndex(), 2);  // Qa 10 by default
        typeFreeAirTweeter(s);
        s->qaPopup()->setFocus();
        // Two steps up the list from "    10" to "      5", as the keyboard does.
        QTest::keyClick(s->qaPopup(), Qt::Key_Up);
        QTest::keyClick(s->qaPopup(), Qt::Key_Up);
        QCOMPARE(s->qaPopup()->currentIndex(), 0);
        QCOMPARE(f.d().notchSet.QA, 5.0F);
        QCOMPARE(f.d().notchSet.QAPopItem, std::int16_t{1});
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().HigQA, 5.0F);
        QCOMPARE(f.d().HigQAPopItem, std::int16_t{1});

        s = f.openHigh2Way();
        QCOMPARE(s->qaPopup()->currentText(), QStringLiteral("      5"));
        s->pressCancel();
    }

    void correctedViewAndAbortBackToAmplitude()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        typeFreeAirTweeter(s);
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QVERIFY(f.enabled(menu::kResponse, 10));

        // "High Imp. Correct" shows the high driver's corrected impedance.
        f.d().notchSet.FS = 1;  // stale working values are replaced by the driver's
        f.trigger(menu::kResponse, 10);
        QCOMPARE(f.d().s_Resp, std::string("HigCorrImp"));
        QCOMPARE(f.window.view()->currentView(), std::string("HigCorrImp"));
        QCOMPARE(f.d().notchSet.Notch, std::int16_t{1});
        QCOMPARE(f.d().notchSet.FS, 800.0F);
        QVERIFY(f.checked(menu::kResponse, 10));
        QVERIFY(!f.checked(menu::kResponse, 1));
        // The view's legend names the driver alone and the corrected driver.
        QVERIFY(f.window.view()->control(71));
        QCOMPARE(qobject_cast<QLabel*>(f.window.view()->control(71))->text(), QStringLiteral("After"));
        QCOMPARE(qobject_cast<QLabel*>(f.window.view()->control(72))->text(), QStringLiteral("Before"));

        s = f.openHigh2Way();
        QCOMPARE(fieldText(s, 53), QStringLiteral("800"));
        const int draws = f.window.view()->drawCount();
        QTest::mouseClick(s->button(3), Qt::LeftButton);
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.window.view()->drawCount(), draws + 1);
        QCOMPARE(f.d().s_Resp, std::string("amp"));
        QCOMPARE(f.window.view()->currentView(), std::string("amp"));
        QVERIFY(f.checked(menu::kResponse, 1));
        QVERIFY(!f.enabled(menu::kResponse, 10));      // no notch, no corrected view
        QCOMPARE(f.d().HigCorrDisp, std::int16_t{0});  // the sheet model's tests check the reset driver
        QVERIFY(f.window.isWindowModified());
        QVERIFY(f.menuEnabled(menu::kFile));
    }

    void threeWayMenusFollowTheNotches()
    {
        Fixture f(3);
        QVERIFY(!f.enabled(menu::kResponse, 10));
        QVERIFY(!f.enabled(menu::kResponse, 11));
        NotchSheetDialog* s = f.open3Way(2);
        typeFreeAirTweeter(s);
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().MidCorrDisp, std::int16_t{1});
        QCOMPARE(f.d().RM, 6.0F);
        QVERIFY(qAbs(f.d().RNTM - 8.88F) < 1e-4F);
        QCOMPARE(f.d().RNTH, 0.0F);
        QVERIFY(f.enabled(menu::kResponse, 11));
        QVERIFY(!f.enabled(menu::kResponse, 10));

        // While the mid view is shown only the mid notch can be opened.
        f.trigger(menu::kResponse, 11);
        QCOMPARE(f.d().s_Resp, std::string("MidCorrImp"));
        QCOMPARE(f.d().notchSet.Notch, std::int16_t{2});
        QVERIFY(!f.enabled(menu::kNotch3Way, 1));
        QVERIFY(f.enabled(menu::kNotch3Way, 2));

        // Abort of the mid notch from its own view goes back to amplitude.
        s = f.open3Way(2);
        s->pressAbort();
        QTRY_VERIFY(!f.window.currentSheet());
        QCOMPARE(f.d().s_Resp, std::string("amp"));
        QVERIFY(!f.enabled(menu::kResponse, 11));
        QVERIFY(f.enabled(menu::kNotch3Way, 1));
        QCOMPARE(f.d().LM, 0.25F);

        // A mid notch is not offered in a 2-way design.
        s = f.open3Way(2);
        typeFreeAirTweeter(s);
        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QVERIFY(f.enabled(menu::kResponse, 11));
        f.trigger(menu::kChannel, 1);
        QVERIFY(!f.enabled(menu::kResponse, 11));
        QCOMPARE(f.d().MidCorrDisp, std::int16_t{1});
    }

    void pasteFillsTheFieldsAndClicks()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(
            parameterText("Soft Dome 28", "92.4 850.556 0 0.4 1.25 2.75 0.9 5.8 0.06 0 0 0 15"));
        QTest::mouseClick(s->button(4), Qt::LeftButton);
        QCOMPARE(f.prompts.alerts.size(), std::size_t{0});
        QCOMPARE(f.prompts.beeps, 0);
        QCOMPARE(f.prompts.sounds, std::vector<QString>{QStringLiteral("Click.aif")});
        // The pasted set reaches the fields, the rear type and the popup.
        QCOMPARE(fieldText(s, 51), QStringLiteral("Soft Dome 28"));
        QCOMPARE(fieldText(s, 53), QStringLiteral("850.56"));
        QVERIFY(s->rearTypeButton(22)->isChecked());  // Vas 0
        QVERIFY(!s->field(54)->isEnabled());
        QCOMPARE(s->qaPopup()->currentIndex(), 3);  // Qa 15
        QCOMPARE(f.d().HigFS, 0.0F);                // only the sheet so far

        s->pressOk();
        QTRY_VERIFY(!f.window.currentSheet());
        QVERIFY(qAbs(f.d().HigFS - 850.56F) < 1e-3F);  // the field as shown is what OK reads
        QCOMPARE(f.d().HigEFI, 0.9F);                  // carried with the set though not shown
    }

    void pasteIsSilentWithoutTheSoundPreference()
    {
        Fixture f;
        f.shell.prefs.SoundCheck = 0;
        NotchSheetDialog* s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(parameterText("T", "90 1000 0 0 1 2 0 6 0 0 0 0 10"));
        s->pressPaste();
        QCOMPARE(fieldText(s, 53), QStringLiteral("1000"));
        QVERIFY(f.prompts.sounds.empty());
        s->pressCancel();
    }

    void mismatchedPasteAlertsAndChangesNothing_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::newRow("plain words") << QStringLiteral("Not a parameter text");
        QTest::newRow("empty text") << QString();
        // Longer texts are not taken at all: the text taken before (none) is
        // read again and refused.
        QTest::newRow("good text of 256 bytes")
            << parameterText("T", "90 1000 0 0 1 2 0 6 0 0 0 0 10").leftJustified(256, QLatin1Char(' '));
        QTest::newRow("good text of 10 MB")
            << parameterText("T", "90 1000 0 0 1 2 0 6 0 0 0 0 10") + QString(10 * 1024 * 1024, QLatin1Char('x'));
    }

    void mismatchedPasteAlertsAndChangesNothing()
    {
        QFETCH(QString, clip);
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(clip);
        s->field(53)->setText(QStringLiteral("123"));  // typed, not yet accepted
        QStringList before;
        for (const int id : {51, 52, 53, 54, 56, 57, 58, 59, 60}) before << fieldText(s, id);
        s->pressPaste();
        QCOMPARE(f.prompts.beeps, 1);
        QCOMPARE(f.prompts.alerts, std::vector<QString>{QStringLiteral("ALERT!   Paste Data is Mismatched.|")});
        QVERIFY(f.prompts.sounds.empty());
        QStringList after;
        for (const int id : {51, 52, 53, 54, 56, 57, 58, 59, 60}) after << fieldText(s, id);
        QCOMPARE(after, before);
        QVERIFY(s->rearTypeButton(21)->isChecked());
        QCOMPARE(s->qaPopup()->currentIndex(), 2);
        QVERIFY(s->isVisible());
        s->pressCancel();
    }

    void clipboardWithoutTextReadsTheLastTextAgain()
    {
        Fixture f;
        NotchSheetDialog* s = f.openHigh2Way();
        QGuiApplication::clipboard()->setText(parameterText("First", "90 1000 0 0 1 2 0 6 0 0 0 0 10"));
        s->pressPaste();
        QCOMPARE(fieldText(s, 51), QStringLiteral("First"));
        s->field(51)->setText(QStringLiteral("Edited"));

        // An image only, then a text too long to take: each time the text
        // taken before is read again and fills the sheet once more.
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(picture);
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasText());
        s->pressPaste();
        QCOMPARE(fieldText(s, 51), QStringLiteral("First"));
        s->field(51)->setText(QStringLiteral("Edited"));
        QGuiApplication::clipboard()->setText(QString(300, QLatin1Char('y')));
        s->pressPaste();
        QCOMPARE(fieldText(s, 51), QStringLiteral("First"));
        QCOMPARE(f.prompts.sounds.size(), std::size_t{3});
        QVERIFY(f.prompts.alerts.empty());
        s->pressCancel();
    }
};

}  // namespace larkspan

QTEST_MAIN(larkspan::NotchSheetDialogTest)
#include "notch_sheet_dialog_test.moc"
