// The installer archive's download into the Downloads folder: written to a
// temporary file there and given its name only when complete, never larger
// than a cap, never under a name that leaves the folder or replaces a file.
#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryFile>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;

namespace larkspan {

class UpdateDownload : public QObject {
    Q_OBJECT

public:
    explicit UpdateDownload(QObject* parent = nullptr);
    ~UpdateDownload() override;

    // Starts the download into `folder`; false when it cannot be started.
    bool start(QNetworkAccessManager& manager, const QUrl& url, const QString& folder, qint64 cap, int timeoutMillis);
    bool running() const { return reply_ != nullptr; }

signals:
    // `result` is the stored file's path when `ok`, else the reason.
    void finished(bool ok, const QString& result);

private:
    void writeSome();
    void done();
    void fail(const QString& reason);
    void stop();

    QPointer<QNetworkReply> reply_;
    std::unique_ptr<QTemporaryFile> file_;
    QString folder_;
    qint64 cap_ = 0;
    qint64 written_ = 0;
};

}  // namespace larkspan
