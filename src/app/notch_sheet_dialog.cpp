#include "app/notch_sheet_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

#include "app/sheet_layout.h"
#include "model/number_text.h"
#include "model/text_encoding.h"

namespace larkspan {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}
std::string text(const QLineEdit* e)
{
    return e->text().toStdString();
}

// The help tags of the fields sit on their left, aligned with their bottom.
QString fieldHelp(const char* text)
{
    return QString::fromUtf8(text) + QStringLiteral("\\@LB");
}

// Rows of the parameter groups: label, field, unit at fixed columns from
// the group's left edge.
constexpr int kLabelLeft = 10;
constexpr int kLabelWidth = 106;
constexpr int kFieldLeft = 118;
constexpr int kFieldWidth = 72;
constexpr int kUnitLeft = 194;
constexpr int kUnitWidth = 50;
constexpr int kRowHeight = 22;
constexpr int kGroupWidth = 250;
// The two columns: the driver on the left, the box and the buttons on the
// right.
constexpr int kLeft = 10;
constexpr int kRight = 270;

}  // namespace

// Departure: the sheet is laid out in two columns, 530 × 354, rather than
// one of 300 × 540, so that it is no larger than the 540 × 390 graph window
// it is a sheet of; the controls, their order and their texts are the same.
NotchSheetDialog::NotchSheetDialog(QWidget* parent, Design& d, int soundCheck, Prompts& prompts)
    : SheetDialog(parent, 9, QSize(530, 354), prompts), model_(d), soundCheck_(soundCheck)
{
    makeSheetTitle(addLabel(61, QRect(10, 8, 510, 24), qs(model_.title()), {}, 15));

    addGroupBox(this, QRect(kLeft, 36, kGroupWidth, 56), QStringLiteral("Speaker Rear Type"));
    rearType_ = new QButtonGroup(this);
    rearType_->setObjectName(QStringLiteral("radio13"));
    const auto radio = [this](int id, int value, const QRect& r, const QString& label) {
        auto* b = new QRadioButton(label, this);
        b->setObjectName(QStringLiteral("radio%1").arg(id));
        b->setGeometry(r);
        rearType_->addButton(b, value);
    };
    radio(21, 1, QRect(kLeft + 25, 60, 100, kRowHeight), QStringLiteral("Opened"));
    radio(22, 2, QRect(kLeft + 140, 60, 100, kRowHeight), QStringLiteral("Closed"));
    connect(rearType_, &QButtonGroup::idClicked, this, [this](int value) {
        model_.chooseRearType(value);
        showRearType();
    });

    addGroupBox(this, QRect(kLeft, 98, kGroupWidth, 246), QStringLiteral("Speaker Parameters"));
    int x = kLeft;
    int y = 122;
    addLabel(31, QRect(x + kLabelLeft, y, 90, kRowHeight), QStringLiteral("Model Name :"));
    addField(51, QRect(x + 104, y, kGroupWidth - 110, kRowHeight), fieldHelp("Driver Model Name"));
    const auto row = [&](int labelId, const char* label, int fieldId, int unitId, const char* unit, const char* help) {
        y += 27;
        addLabel(labelId, QRect(x + kLabelLeft, y, kLabelWidth, kRowHeight), QString::fromUtf8(label));
        addField(fieldId, QRect(x + kFieldLeft, y, kFieldWidth, kRowHeight), fieldHelp(help));
        if (unitId) addLabel(unitId, QRect(x + kUnitLeft, y, kUnitWidth, kRowHeight), QString::fromUtf8(unit));
    };
    row(32, "SPL @1W1m ..", 52, 33, "dB", "Sound Pressure Level (1W1m)");
    row(34, "Fs ..................", 53, 35, "Hz", "Free Air Resonance");
    row(36, "Vas ...............", 54, 37, "Liter", "Acoustic Volume");
    row(39, "Qes ...............", 56, 0, "", "Electorical Q");
    row(40, "Qms ..............", 57, 0, "", "Mechanical Q");
    row(41, "Re .................", 58, 42, "Ohm", "Voice Coile DC Resistance");
    row(43, "Le .................", 59, 44, "mH", "Voice Coile Inductance");

    boxGroup_ = addGroupBox(this, QRect(kRight, 36, kGroupWidth, 86), QStringLiteral("Box Parameters"));
    x = kRight;
    y = 60 - 27;
    row(45, "Box Volume ..", 60, 46, "Liter", "Box Net Volume");
    addLabel(47, QRect(x + kLabelLeft, 90, kLabelWidth, kRowHeight), QStringLiteral("Qa ................."));
    qaPopup_ = new QComboBox(this);
    qaPopup_->setObjectName(QStringLiteral("popup71"));
    qaPopup_->setGeometry(x + kFieldLeft, 88, kFieldWidth, 26);
    for (const char* item : {"      5", "      7", "    10", "    15", "    20"})
        qaPopup_->addItem(QString::fromUtf8(item));
    setHelp(qaPopup_, fieldHelp("Box Loss Factor Q"));
    connect(qaPopup_, &QComboBox::activated, this, [this](int index) { model_.chooseQaItem(index + 1); });

    removeImpInc_ = new QCheckBox(QStringLiteral(" Remove Imp. Increase Correction"), this);
    removeImpInc_->setObjectName(QStringLiteral("check101"));
    removeImpInc_->setGeometry(kRight, 132, kGroupWidth, kRowHeight);
    connect(removeImpInc_, &QCheckBox::clicked, this, [this](bool checked) { model_.setRemoveImpInc(checked); });

    addButton(4, QRect(kRight, 166, 150, 28), QStringLiteral("Paste Parameters"),
              QStringLiteral("Paste from Clipboard Parameters and Receive from Hollowmere."));
    connect(button(4), &QPushButton::clicked, this, &NotchSheetDialog::pressPaste);
    addButton(3, QRect(kRight, 316, 80, 28), QStringLiteral("Abort"), QStringLiteral("Abort this Correction"));
    connect(button(3), &QPushButton::clicked, this, &NotchSheetDialog::pressAbort);
    addButton(2, QRect(kRight + 85, 316, 80, 28), QStringLiteral("Cancel"));
    addButton(1, QRect(kRight + 170, 316, 80, 28), QStringLiteral("OK"));

    // The texts are kept as length-byte strings.
    for (const int id : {51, 52, 53, 54, 56, 57, 58, 59, 60}) field(id)->setMaxLength(255);

    display();
    focusField(51);
}

QRadioButton* NotchSheetDialog::rearTypeButton(int id) const
{
    if (id != 21 && id != 22) return nullptr;
    return qobject_cast<QRadioButton*>(rearType_->button(id - 20));
}

void NotchSheetDialog::readFields()
{
    model_.field51 = text(field(51));
    model_.field52 = text(field(52));
    model_.field53 = text(field(53));
    model_.field54 = text(field(54));
    model_.field56 = text(field(56));
    model_.field57 = text(field(57));
    model_.field58 = text(field(58));
    model_.field59 = text(field(59));
    model_.field60 = text(field(60));
}

SheetOutcome NotchSheetDialog::okAction()
{
    readFields();
    return model_.ok();
}

void NotchSheetDialog::pressAbort()
{
    apply(model_.abort());
}

void NotchSheetDialog::pressPaste()
{
    // What is typed stays in the fields when the text is refused.
    readFields();
    std::optional<std::string> taken;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime && mime->hasText()) {
        const QString clip = mime->text();
        // The paste reads Mac Roman bytes, one per character. Only a text
        // under 256 bytes is taken; a longer one need not be converted whole
        // to be refused.
        taken = utf8ToMacRoman(clip.left(256).toStdString());
    }
    apply(model_.pasteParameters(taken ? std::optional<std::string_view>(*taken) : std::nullopt, soundCheck_));
}

void NotchSheetDialog::showRearType()
{
    const bool opened = model_.rearControlsEnabled();
    for (const int id : {36, 37}) label(id)->setEnabled(opened);
    field(54)->setEnabled(opened);
    boxGroup_->setEnabled(opened);
    for (const int id : {45, 46, 47}) label(id)->setEnabled(opened);
    field(60)->setEnabled(opened);
    qaPopup_->setEnabled(opened);
}

void NotchSheetDialog::display()
{
    field(51)->setText(qs(model_.field51));
    for (const auto& [id, value] : {std::pair{52, &model_.field52},
                                    {53, &model_.field53},
                                    {54, &model_.field54},
                                    {56, &model_.field56},
                                    {57, &model_.field57},
                                    {58, &model_.field58},
                                    {59, &model_.field59},
                                    {60, &model_.field60}})
        showNumber(id, *value);
    if (QAbstractButton* b = rearType_->button(model_.rearType())) b->setChecked(true);
    qaPopup_->setCurrentIndex(model_.qaItem() >= 1 && model_.qaItem() <= 5 ? model_.qaItem() - 1 : -1);
    removeImpInc_->setChecked(model_.removeImpIncChecked());
    showRearType();
}

bool NotchSheetDialog::mustBePositive(int id) const
{
    // Fs, Qes, Qms and Re always; the box volume only for a closed box (Vas
    // above 0).
    if (id == 60) return textToNumber(field(54)->text().toStdString()) > 0;
    return id == 53 || id == 56 || id == 57 || id == 58;
}

}  // namespace larkspan
