// One running program per user: a second launch hands its files to the
// running one over a local socket and exits.
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace larkspan {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // Tries the running program first: true when it took the files (this
    // process should exit). Otherwise starts listening and returns false.
    bool handOverOrListen(const QStringList& files);

signals:
    void filesReceived(const QStringList& files);

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace larkspan
