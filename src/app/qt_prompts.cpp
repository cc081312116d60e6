#include "app/qt_prompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/sound_player.h"

namespace larkspan {

void QtPrompts::beep()
{
    QApplication::beep();
}

void QtPrompts::playSound(const QString& soundFile)
{
    PlayMovieSoundFromSupportFilename(soundFile, QStringLiteral("Images"));
}

void QtPrompts::alert(QWidget* over, const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Larkspan"), title, QMessageBox::Ok, over);
    box.setInformativeText(message);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

Prompts::SaveChanges QtPrompts::askSaveChanges(QWidget* over, const QString& documentName)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Larkspan"),
        QStringLiteral("Do you want to save the changes you made in the document \u201c%1\u201d?").arg(documentName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, over);
    box.setInformativeText(QStringLiteral("Your changes will be lost if you don\u2019t save them."));
    box.setWindowModality(Qt::WindowModal);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChanges::Save;
        case QMessageBox::Discard:
            return SaveChanges::DontSave;
        default:
            return SaveChanges::Cancel;
    }
}

Prompts::FileErrorChoice QtPrompts::fileError(QWidget* over, const std::array<std::string, 3>& lines)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Larkspan"), QString::fromStdString(lines[0]),
                    QMessageBox::NoButton, over);
    box.setInformativeText(QString::fromStdString(lines[1] + "\n" + lines[2]));
    QPushButton* stop = box.addButton(QStringLiteral("Stop"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == static_cast<QAbstractButton*>(stop) ? FileErrorChoice::Stop
                                                                      : FileErrorChoice::Continue;
}

QString QtPrompts::openPath(QWidget* over)
{
    QFileDialog dialog(over, QStringLiteral("Select Open File."));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // Folders, and files whose extension is exactly one of ours.
    dialog.setNameFilter(QStringLiteral("Larkspan designs (*.xvrdoc *.xvrdocsta)"));
    dialog.setOption(QFileDialog::DontResolveSymlinks, false);
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::CaseSensitive | QDir::NoDotAndDotDot);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPrompts::savePath(QWidget* over, const QString& prompt, const QString& proposedName)
{
    QFileDialog dialog(over, prompt);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();  // the name as typed: no extension added
}

}  // namespace larkspan
