#include "update/version_request.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "rules/update_rules.h"
#include "update/update_address.h"

namespace larkspan {

VersionRequest::VersionRequest(QObject* parent) : QObject(parent)
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("no full answer within %1 ms").arg(deadline_.interval())); });
}

VersionRequest::~VersionRequest()
{
    cancel();
}

void VersionRequest::start(QNetworkAccessManager& manager, const QUrl& url, int timeoutMillis)
{
    cancel();
    answer_.clear();
    if (!acceptedAddress(url)) {
        const QString reason = url.isEmpty() ? QStringLiteral("no update address is set")
                                             : QStringLiteral("the address %1 is not https").arg(url.toString());
        const int started = starts_;
        QMetaObject::invokeMethod(
            this,
            [this, reason, started] {
                if (started == starts_) emit finished(false, {}, reason);
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    reply_ = guardedGet(manager, request, kVersionTextCap,
                        QStringLiteral("the answer is longer than %1 bytes").arg(kVersionTextCap), this,
                        [this](const QString& reason) { fail(reason); });
    connect(reply_, &QNetworkReply::readyRead, this, &VersionRequest::readSome);
    connect(reply_, &QNetworkReply::finished, this, &VersionRequest::done);
    deadline_.start(timeoutMillis);
}

void VersionRequest::cancel()
{
    ++starts_;
    deadline_.stop();
    releaseReply(reply_, this);
}

void VersionRequest::readSome()
{
    if (!reply_) return;
    answer_ += reply_->read(kVersionTextCap + 1 - answer_.size());
    if (answer_.size() > kVersionTextCap)
        fail(QStringLiteral("the answer is longer than %1 bytes").arg(kVersionTextCap));
}

void VersionRequest::done()
{
    if (!reply_) return;
    readSome();
    if (!reply_) return;
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply_->error() != QNetworkReply::NoError) return fail(reply_->errorString());
    if (status < 200 || status > 299) return fail(QStringLiteral("the server answered with status %1").arg(status));
    cancel();
    emit finished(true, answer_, {});
}

void VersionRequest::fail(const QString& reason)
{
    if (!reply_) return;
    cancel();
    emit finished(false, {}, reason);
}

}  // namespace larkspan
