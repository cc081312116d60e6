// One request for the version text: at most a few kilobytes, a limited time,
// redirects only to https. It reports once, whatever the server does.
#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "rules/update_rules.h"

class QNetworkAccessManager;

namespace larkspan {

class VersionRequest : public QObject {
    Q_OBJECT

public:
    explicit VersionRequest(QObject* parent = nullptr);
    ~VersionRequest() override;

    // Starts the request; an address that is not accepted fails at once (the
    // report still comes from the event loop). Whatever the server does, the
    // report comes within `timeoutMillis`.
    void start(QNetworkAccessManager& manager, const QUrl& url, int timeoutMillis = kVersionTimeoutMillis);
    // Stops a running request without a report.
    void cancel();
    bool running() const { return reply_ != nullptr; }

signals:
    // `answer` is the body when `ok`; otherwise `reason` says what failed.
    void finished(bool ok, const QByteArray& answer, const QString& reason);

private:
    void readSome();
    void done();
    void fail(const QString& reason);

    QPointer<QNetworkReply> reply_;
    QByteArray answer_;
    QTimer deadline_;
    int starts_ = 0;  // a failure reported later belongs only to the latest start
};

}  // namespace larkspan
