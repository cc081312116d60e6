#include "app/qt_prompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

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

Prompts::FileErrorChoice QtPrompts::stopAlert(QWidget* over, const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Larkspan"), title, QMessageBox::NoButton, over);
    box.setInformativeText(message);
    QPushButton* stop = box.addButton(QStringLiteral("Stop"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    return box.clickedButton() == static_cast<QAbstractButton*>(stop) ? FileErrorChoice::Stop
                                                                      : FileErrorChoice::Continue;
}

Prompts::FileErrorChoice QtPrompts::fileError(QWidget* over, const std::array<std::string, 3>& lines)
{
    return stopAlert(over, QString::fromStdString(lines[0]), QString::fromStdString(lines[1] + "\n" + lines[2]));
}

namespace {

const QString kDocuments = QStringLiteral("Larkspan documents (*.xvrdoc)");
const QString kStationery = QStringLiteral("Larkspan stationery (*.xvrdocsta)");
const QString kLastFolderKey = QStringLiteral("LastFolder");

// Runs a file dialog that starts in `folder`, else in the folder used last,
// and remembers the folder of the file chosen.
QString runFileDialog(QFileDialog& dialog, const QString& folder)
{
    QSettings settings;
    const QString start = folder.isEmpty() ? settings.value(kLastFolderKey).toString() : folder;
    if (!start.isEmpty() && QFileInfo(start).isDir()) dialog.setDirectory(start);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    settings.setValue(kLastFolderKey, QFileInfo(chosen).absolutePath());
    return chosen;
}

}  // namespace

QString QtPrompts::openPath(QWidget* over, const QString& folder)
{
    QFileDialog dialog(over, QStringLiteral("Select Open File."));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Folders, and files whose extension is exactly one of ours.
    dialog.setNameFilters({kDocuments, kStationery});
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::CaseSensitive | QDir::NoDotAndDotDot);
    return runFileDialog(dialog, folder);
}

QString QtPrompts::savePath(QWidget* over, const QString& prompt, const QString& proposedName, const QString& folder,
                            FileKind kind)
{
    QFileDialog dialog(over, prompt);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (kind != FileKind::Other) dialog.setNameFilter(kind == FileKind::Stationery ? kStationery : kDocuments);
    dialog.selectFile(proposedName);
    return runFileDialog(dialog, folder);
}

}  // namespace larkspan
