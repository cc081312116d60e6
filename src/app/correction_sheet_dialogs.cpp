#include "app/correction_sheet_dialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/sheet_layout.h"

namespace larkspan {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
std::string text(const QLineEdit* e)
{
    return e->text().toStdString();
}

// A read-only result field.
QLineEdit* makeResult(QLineEdit* field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

}  // namespace

// ---- impedance increase correction --------------------------------------------

ImpedanceCorrectionDialog::ImpedanceCorrectionDialog(QWidget* parent, Design& d, CorrectedDriver driver,
                                                     Prompts& prompts)
    : SheetDialog(parent, 6, QSize(300, 357), prompts), model_(d, driver)
{
    makeSheetTitle(addLabel(0, QRect(10, 12, 280, 22), qs(model_.title()), {}, 15));
    addGroupBox(this, QRect(15, 42, 270, 100), QStringLiteral(" Enter Parameters"));
    addLabel(0, QRect(25, 68, 140, 22), QStringLiteral("D.C.Resistance (Re)"),
             QStringLiteral("Driver Voice Coile D.C. Resistance\\@LB"));
    addField(10, QRect(165, 68, 70, 22));
    addLabel(0, QRect(240, 68, 40, 22), QStringLiteral("Ohm"));
    addLabel(0, QRect(25, 102, 140, 22), QStringLiteral("Inductance (Le)"),
             QStringLiteral("Driver Voice Coile Inductance\\@LB"));
    addField(11, QRect(165, 102, 70, 22));
    addLabel(0, QRect(240, 102, 40, 22), QStringLiteral("mH"));

    addGroupBox(this, QRect(15, 152, 270, 100), QStringLiteral(" Solution"));
    addLabel(0, QRect(25, 178, 140, 22), QStringLiteral("Req"), QStringLiteral("Correction Resistor\\@LB"));
    makeResult(addField(51, QRect(165, 178, 70, 22)));
    addLabel(0, QRect(240, 178, 40, 22), QStringLiteral("Ohm"));
    addLabel(0, QRect(25, 212, 140, 22), QStringLiteral("Ceq"), QStringLiteral("Correction Capacitor\\@LB"));
    makeResult(addField(52, QRect(165, 212, 70, 22)));
    addLabel(0, QRect(240, 212, 40, 22), QStringLiteral("uF"));

    addLabel(0, QRect(15, 266, 90, 22), QStringLiteral("Model Name:"), QStringLiteral("Driver Model Name\\@LB"));
    addField(12, QRect(105, 266, 180, 22));

    addButton(3, QRect(15, 314, 80, 28), QStringLiteral("Calc."));
    addButton(2, QRect(115, 314, 80, 28), QStringLiteral("Cancel"));
    addButton(1, QRect(205, 314, 80, 28), QStringLiteral("OK"));
    connect(button(3), &QPushButton::clicked, this, &ImpedanceCorrectionDialog::pressCalc);
    display();
    focusField(12);
}

void ImpedanceCorrectionDialog::readFields()
{
    model_.field10 = text(field(10));
    model_.field11 = text(field(11));
    model_.field12 = text(field(12));
}

SheetOutcome ImpedanceCorrectionDialog::okAction()
{
    readFields();
    return model_.ok();
}

void ImpedanceCorrectionDialog::pressCalc()
{
    readFields();
    apply(model_.calc());
}

void ImpedanceCorrectionDialog::display()
{
    showNumber(10, model_.field10);
    showNumber(11, model_.field11);
    field(12)->setText(qs(model_.field12));
    showNumber(51, model_.result51());
    showNumber(52, model_.result52());
}

// ---- SPL entry ------------------------------------------------------------------

SplDialog::SplDialog(QWidget* parent, Design& d, Prompts& prompts)
    : SheetDialog(parent, 8, QSize(300, d.channel == 3 ? 225 : 195), prompts), model_(d), threeWay_(d.channel == 3)
{
    const int extra = threeWay_ ? 30 : 0;
    addGroupBox(this, QRect(15, 12, 270, 110 + extra), QStringLiteral(" Enter SPL @1W1m "));
    int y = 44;
    const auto row = [&](int field, const char* label, const char* help) {
        addLabel(0, QRect(30, y, 130, 22), QString::fromUtf8(label), QString::fromUtf8(help) + QStringLiteral("\\@LB"));
        addField(field, QRect(160, y, 70, 22));
        addLabel(0, QRect(236, y, 30, 22), QStringLiteral("dB"));
        y += 30;
    };
    row(10, "High Range SPL", "High Range Sound Pressure Level @1W1m");
    if (threeWay_) row(11, "Mid Range SPL", "Mid Range Sound Pressure Level @1W1m");
    row(12, "Low Range SPL", "Low Range Sound Pressure Level @1W1m");
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);  // an etched rule, not a heavy black bar
    line->setGeometry(15, 135 + extra, 270, 2);
    addButton(2, QRect(115, 150 + extra, 80, 28), QStringLiteral("Cancel"));
    addButton(1, QRect(205, 150 + extra, 80, 28), QStringLiteral("OK"));
    display();
    focusField(10);
}

SheetOutcome SplDialog::okAction()
{
    model_.field10 = text(field(10));
    if (threeWay_) model_.field11 = text(field(11));
    model_.field12 = text(field(12));
    return model_.ok();
}

void SplDialog::display()
{
    showNumber(10, model_.field10);
    if (threeWay_) showNumber(11, model_.field11);
    showNumber(12, model_.field12);
}

// ---- attenuator -----------------------------------------------------------------

AttenuatorDialog::AttenuatorDialog(QWidget* parent, Design& d, AttenuatedDriver driver, Prompts& prompts)
    : SheetDialog(parent, 7, QSize(300, 325), prompts), model_(d, driver)
{
    makeSheetTitle(addLabel(42, QRect(10, 12, 280, 22), qs(model_.title()), {}, 15));
    addGroupBox(this, QRect(15, 42, 270, 100), QStringLiteral(" Enter Parameters"));
    addLabel(23, QRect(25, 68, 140, 22), QStringLiteral("Attenuation Value"));
    addField(10, QRect(165, 68, 70, 22));
    addLabel(27, QRect(240, 68, 40, 22), QStringLiteral("dB"));
    addLabel(24, QRect(25, 102, 140, 22), QStringLiteral("Input Power"));
    addField(11, QRect(165, 102, 70, 22));
    addLabel(28, QRect(240, 102, 40, 22), QStringLiteral("Watt"));

    addGroupBox(this, QRect(15, 152, 270, 100), QStringLiteral(" Solution"));
    addLabel(25, QRect(25, 178, 140, 22), QStringLiteral("Series Resistor (Rs)"));
    makeResult(addField(51, QRect(165, 178, 70, 22)));
    addLabel(29, QRect(240, 178, 40, 22), QStringLiteral("Ohm"));
    addLabel(26, QRect(25, 212, 140, 22), QStringLiteral("Parallel Resistor (Rp)"));
    makeResult(addField(52, QRect(165, 212, 70, 22)));
    addLabel(30, QRect(240, 212, 40, 22), QStringLiteral("Ohm"));

    addButton(3, QRect(15, 282, 80, 28), QStringLiteral("Calc."));
    addButton(2, QRect(115, 282, 80, 28), QStringLiteral("Cancel"));
    addButton(1, QRect(205, 282, 80, 28), QStringLiteral("OK"));
    connect(button(3), &QPushButton::clicked, this, &AttenuatorDialog::pressCalc);
    display();
    focusField(10);
}

void AttenuatorDialog::readFields()
{
    model_.field10 = text(field(10));
    model_.field11 = text(field(11));
}

SheetOutcome AttenuatorDialog::okAction()
{
    readFields();
    return model_.ok();
}

void AttenuatorDialog::pressCalc()
{
    readFields();
    apply(model_.calc());
}

void AttenuatorDialog::display()
{
    showNumber(10, model_.field10);
    showNumber(11, model_.field11);
    showNumber(51, model_.result51());
    showNumber(52, model_.result52());
}

}  // namespace larkspan
