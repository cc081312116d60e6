// The page setup and print sheets of the real prompts.
#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "app/qt_prompts.h"

namespace larkspan {

// The page setup dialog with a scale field added above its buttons: Qt's
// own dialog has none, and the user's scale belongs to the page setup.
bool QtPrompts::pageSetup(QWidget* over, QPrinter& printer, double& scale)
{
    QPageSetupDialog dialog(&printer, over);
    dialog.setWindowFlag(Qt::Sheet);
    dialog.setWindowModality(Qt::WindowModal);
    auto* field = new QSpinBox(&dialog);
    field->setObjectName(QStringLiteral("scale"));
    field->setRange(1, 1000);
    field->setSuffix(QStringLiteral(" %"));
    field->setValue(static_cast<int>(std::lround(scale)));
    if (auto* layout = qobject_cast<QBoxLayout*>(dialog.layout())) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("Scale:"), &dialog));
        row->addWidget(field);
        row->addStretch();
        layout->insertLayout(std::max(0, layout->count() - 1), row);
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    scale = field->value();
    return true;
}

bool QtPrompts::print(QWidget* over, QPrinter& printer)
{
    QPrintDialog dialog(&printer, over);
    dialog.setWindowFlag(Qt::Sheet);
    dialog.setWindowModality(Qt::WindowModal);
    // One page: no range to choose.
    dialog.setMinMax(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace larkspan
