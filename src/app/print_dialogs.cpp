// The real sheets of printing and snapshots.
#include <QBoxLayout>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "app/print_shell.h"

namespace larkspan {

namespace {

// The page setup dialog with a scale field added above its buttons: Qt's
// own dialog has none, and the user's scale belongs to the page setup.
bool runPageSetup(QWidget* window, QPrinter& printer, double& scale)
{
    QPageSetupDialog dialog(&printer, window);
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

bool runPrint(QWidget* window, QPrinter& printer)
{
    QPrintDialog dialog(&printer, window);
    dialog.setWindowFlag(Qt::Sheet);
    dialog.setWindowModality(Qt::WindowModal);
    // One page: no range to choose.
    dialog.setMinMax(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

QString askPngPath(QWidget* window, const QString& prompt, const QString& proposedName)
{
    QFileDialog dialog(window, prompt);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setNameFilter(QStringLiteral("PNG pictures (*.png)"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool askStop(QWidget* window, const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Larkspan"), title, QMessageBox::NoButton, window);
    box.setInformativeText(message);
    QPushButton* stop = box.addButton(QStringLiteral("Stop"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == static_cast<QAbstractButton*>(stop);
}

}  // namespace

PrintPrompts dialogPrompts(QWidget* window)
{
    PrintPrompts p;
    p.pageSetup = [window](QPrinter& printer, double& scale) { return runPageSetup(window, printer, scale); };
    p.print = [window](QPrinter& printer) { return runPrint(window, printer); };
    p.savePng = [window](const QString& prompt, const QString& name) { return askPngPath(window, prompt, name); };
    p.stopAlert = [window](const QString& title, const QString& message) { return askStop(window, title, message); };
    return p;
}

}  // namespace larkspan
