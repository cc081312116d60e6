#include "app/frequency_sheet_dialogs.h"

#include <QLabel>
#include <QLineEdit>

#include "app/sheet_layout.h"

namespace larkspan {

namespace {

std::string text(const QLineEdit* e)
{
    return e->text().toStdString();
}

}  // namespace

FrequencySheet2WayDialog::FrequencySheet2WayDialog(QWidget* parent, Design& d, Prompts& prompts)
    : SheetDialog(parent, 4, QSize(300, 170), prompts), model_(d)
{
    makeSheetTitle(addLabel(0, QRect(10, 14, 280, 22), QStringLiteral("Enter Crossover Frequency (FX)")));
    addField(10, QRect(90, 62, 110, 24));
    addLabel(0, QRect(208, 62, 40, 24), QStringLiteral("Hz"));
    addButton(2, QRect(110, 124, 80, 28), QStringLiteral("Cancel"));
    addButton(1, QRect(200, 124, 80, 28), QStringLiteral("OK"));
    display();
    focusField(10);
}

SheetOutcome FrequencySheet2WayDialog::okAction()
{
    model_.field10 = text(field(10));
    return model_.ok();
}

void FrequencySheet2WayDialog::display()
{
    showNumber(10, model_.field10);
    focusField(10);
}

FrequencySheet3WayDialog::FrequencySheet3WayDialog(QWidget* parent, Design& d, Prompts& prompts)
    : SheetDialog(parent, 5, QSize(300, 170), prompts), model_(d)
{
    makeSheetTitle(addLabel(0, QRect(10, 14, 280, 22), QStringLiteral("Enter Crossover Frequency (FXL/FXH)")));
    addLabel(0, QRect(20, 48, 80, 24), QStringLiteral("Low Side"));
    addField(10, QRect(100, 48, 110, 24));
    addLabel(0, QRect(218, 48, 40, 24), QStringLiteral("Hz"));
    addLabel(0, QRect(20, 82, 80, 24), QStringLiteral("High Side"));
    addField(11, QRect(100, 82, 110, 24));
    addLabel(0, QRect(218, 82, 40, 24), QStringLiteral("Hz"));
    addButton(2, QRect(110, 124, 80, 28), QStringLiteral("Cancel"));
    addButton(1, QRect(200, 124, 80, 28), QStringLiteral("OK"));
    display();
}

SheetOutcome FrequencySheet3WayDialog::okAction()
{
    model_.field10 = text(field(10));
    model_.field11 = text(field(11));
    return model_.ok();
}

void FrequencySheet3WayDialog::display()
{
    showNumber(10, model_.field10);
    showNumber(11, model_.field11);
    focusField(10);
}

}  // namespace larkspan
