#include "app/help_documents.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "model/resource_folder.h"

#ifndef LARKSPAN_WEB_URL
#define LARKSPAN_WEB_URL ""
#endif
#ifndef LARKSPAN_MAIL_ADDRESS
#define LARKSPAN_MAIL_ADDRESS ""
#endif

namespace larkspan {

void openResourceDocument(QWidget* parent, const QString& name)
{
    const QDir folder(QString::fromStdString(resourceFolder("Images")));
    const QFileInfo file(folder.filePath(name));
    if (file.isFile() && file.isReadable()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Larkspan"),
                    QStringLiteral("The document \"%1\" cannot be opened.").arg(name), QMessageBox::Ok, parent);
    box.setInformativeText(
        QStringLiteral("It is missing or unreadable in %1. Reinstalling Larkspan puts it back.").arg(folder.path()));
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

QString makerWebUrl()
{
    return QStringLiteral(LARKSPAN_WEB_URL);
}

QString makerMailAddress()
{
    return QStringLiteral(LARKSPAN_MAIL_ADDRESS);
}

}  // namespace larkspan
