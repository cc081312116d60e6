#include "update/update_address.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>

#include "rules/update_rules.h"

namespace larkspan {

namespace {

QUrl withPath(const QUrl& base, std::string_view path)
{
    if (base.isEmpty()) return {};
    QString text = base.toString(QUrl::StripTrailingSlash);
    while (text.endsWith(QLatin1Char('/'))) text.chop(1);
    return QUrl(text + QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace

QUrl updateBaseUrl()
{
    QString text = qEnvironmentVariable("LARKSPAN_UPDATE_URL");
    if (text.isEmpty()) text = QSettings().value(QStringLiteral("UpdateBaseUrl")).toString();
    if (text.isEmpty()) text = QStringLiteral(LARKSPAN_BUILD_UPDATE_URL);
    return QUrl(text.trimmed(), QUrl::StrictMode);
}

QUrl checkVerURL(const QUrl& base)
{
    return withPath(base, kVersionPath);
}

QUrl downloadURL(const QUrl& base)
{
    return withPath(base, kDownloadPath);
}

bool acceptedAddress(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    return url.scheme() == QLatin1String("http") && QHostAddress(url.host()).isLoopback();
}

bool acceptedRedirect(const QUrl& url)
{
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}

QNetworkReply* guardedGet(QNetworkAccessManager& manager, QNetworkRequest request, qint64 cap, const QString& tooLong,
                          QObject* context, const std::function<void(const QString&)>& fail)
{
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = manager.get(request);
    QObject::connect(reply, &QNetworkReply::redirected, context, [reply, fail](const QUrl& to) {
        if (acceptedRedirect(to))
            emit reply->redirectAllowed();
        else
            fail(QStringLiteral("redirected to %1, which is not https").arg(to.toString()));
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, context, [reply, cap, tooLong, fail] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > cap) fail(tooLong);
    });
    return reply;
}

void releaseReply(QPointer<QNetworkReply>& reply, QObject* owner)
{
    if (!reply) return;
    QNetworkReply* released = reply;
    reply = nullptr;
    released->disconnect(owner);
    if (!released->isFinished()) released->abort();
    released->deleteLater();
}

}  // namespace larkspan
