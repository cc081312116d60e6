#include "app/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace larkspan {

namespace {

constexpr int kTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {}

bool SingleInstance::handOverOrListen(const QStringList& files)
{
    // Connect before listening: listening would take the name from a live
    // server.
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(kTimeoutMs)) {
        socket.write(files.join(QLatin1Char('\n')).toUtf8() + "\n\n");
        socket.waitForBytesWritten(kTimeoutMs);
        socket.disconnectFromServer();
        return true;
    }

    server_ = new QLocalServer(this);
    if (!server_->listen(name_)) {
        // A stale socket of a program that died: remove it and try once more.
        QLocalServer::removeServer(name_);
        server_->listen(name_);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            const auto consume = [this, client, buffer] {
                buffer->append(client->readAll());
                // The message ends with an empty line.
                if (!buffer->endsWith("\n\n")) return;
                QStringList received;
                for (const QByteArray& line : buffer->split('\n'))
                    if (!line.isEmpty()) received << QString::fromUtf8(line);
                buffer->clear();
                if (!received.isEmpty()) emit filesReceived(received);
            };
            connect(client, &QLocalSocket::readyRead, this, consume);
            // What arrived before the connection was taken up.
            if (client->bytesAvailable() > 0) consume();
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return false;
}

}  // namespace larkspan
