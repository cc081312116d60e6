// Where the update check asks: one base address, from the environment, the
// settings store or the build, with the version text and the archive below it.
#pragma once

#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

namespace larkspan {

// LARKSPAN_UPDATE_URL from the environment, else the settings key
// "UpdateBaseUrl", else the value the program was built with; empty when none
// is set.
QUrl updateBaseUrl();

QUrl checkVerURL(const QUrl& base);
QUrl downloadURL(const QUrl& base);

// Only https is asked, except plain http to this computer's own loopback
// address.
bool acceptedAddress(const QUrl& url);

// A redirect is followed only to https.
bool acceptedRedirect(const QUrl& url);

// Sends a GET that follows at most five redirects, each only to https. A
// redirect elsewhere, or a length announced over `cap` bytes, calls `fail`
// with the reason (`tooLong` for the length). The connections live as long as
// `context`; the caller owns the reply.
QNetworkReply* guardedGet(QNetworkAccessManager& manager, QNetworkRequest request, qint64 cap, const QString& tooLong,
                          QObject* context, const std::function<void(const QString&)>& fail);

// Lets go of a request's reply: no more signals reach `owner`, a running
// transfer is aborted, and the reply is deleted from the event loop. `reply`
// is empty afterwards.
void releaseReply(QPointer<QNetworkReply>& reply, QObject* owner);

}  // namespace larkspan
