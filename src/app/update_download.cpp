#include "app/update_download.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "rules/update_rules.h"
#include "update/update_address.h"

namespace larkspan {

UpdateDownload::UpdateDownload(QObject* parent) : QObject(parent) {}

UpdateDownload::~UpdateDownload()
{
    stop();
}

bool UpdateDownload::start(QNetworkAccessManager& manager, const QUrl& url, const QString& folder, qint64 cap,
                           int timeoutMillis)
{
    stop();
    if (!acceptedAddress(url) || !QDir().mkpath(folder)) return false;
    file_ = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral(".larkspan-download-XXXXXX")));
    if (!file_->open()) {
        file_.reset();
        return false;
    }
    folder_ = folder;
    cap_ = cap;
    written_ = 0;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMillis);
    reply_ = guardedGet(manager, request, cap_, QStringLiteral("the archive is larger than %1 bytes").arg(cap_), this,
                        [this](const QString& reason) { fail(reason); });
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateDownload::writeSome);
    connect(reply_, &QNetworkReply::finished, this, &UpdateDownload::done);
    return true;
}

void UpdateDownload::writeSome()
{
    if (!reply_) return;
    const QByteArray chunk = reply_->read(cap_ + 1 - written_);
    written_ += chunk.size();
    if (written_ > cap_) return fail(QStringLiteral("the archive is larger than %1 bytes").arg(cap_));
    if (file_->write(chunk) != chunk.size()) fail(QStringLiteral("could not write: ") + file_->errorString());
}

void UpdateDownload::done()
{
    if (!reply_) return;
    writeSome();
    if (!reply_) return;
    if (reply_->error() != QNetworkReply::NoError) return fail(reply_->errorString());
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) return fail(QStringLiteral("the server answered with status %1").arg(status));
    if (!file_->flush()) return fail(QStringLiteral("could not write: ") + file_->errorString());

    const QDir dir(folder_);
    const std::string suggested = downloadFileName(reply_->rawHeader("Content-Disposition").toStdString());
    const std::string name = unusedFileName(
        suggested, [&dir](const std::string& n) { return QFileInfo::exists(dir.filePath(QString::fromStdString(n))); });
    const QString target = dir.filePath(QString::fromStdString(name));
    // rename() never replaces an existing file.
    if (name.empty() || !file_->rename(target)) return fail(QStringLiteral("could not store the archive"));
    file_->setAutoRemove(false);
    stop();
    emit finished(true, target);
}

void UpdateDownload::fail(const QString& reason)
{
    if (!reply_) return;
    stop();
    emit finished(false, reason);
}

void UpdateDownload::stop()
{
    file_.reset();  // removes the temporary file unless it became the archive
    releaseReply(reply_, this);
}

}  // namespace larkspan
