// A small HTTP server on a loopback port, for tests of the network code. Each
// path answers as the test sets it: a body with its headers, an answer held
// back until released (optionally after a first part), or nothing at all.
#pragma once

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <vector>

namespace larkspan::test {

class LocalHttpServer : public QObject {
public:
    struct Route {
        QByteArray head;  // status line and headers, with the blank line
        QByteArray body;
        QByteArray heldPart;  // with `held`, sent at once; the rest on release
        bool held = false;
    };

    LocalHttpServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { readRequest(s); });
            }
        });
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

    // `body` with its length announced, or (without) ended by closing.
    void answer(const QByteArray& path, const QByteArray& body, const QByteArray& headers = {},
                const QByteArray& status = "200 OK", bool announceLength = true)
    {
        QByteArray head = "HTTP/1.1 " + status + "\r\nConnection: close\r\n" + headers;
        if (announceLength) head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        routes_[path] = {head + "\r\n", body, {}, false};
    }
    // The answer of `path` waits for release(); `first` of its body goes at once.
    void hold(const QByteArray& path, const QByteArray& first = {})
    {
        Route& r = routes_[path];
        r.held = true;
        r.heldPart = first;
    }
    void release()
    {
        for (auto& [socket, route] : waiting_) {
            if (!socket) continue;
            if (route.heldPart.isEmpty()) socket->write(route.head);
            socket->write(route.body.mid(route.heldPart.size()));
            socket->disconnectFromHost();
        }
        waiting_.clear();
    }
    int requests() const { return requests_; }
    std::size_t waiting() const { return waiting_.size(); }

private:
    void readRequest(QTcpSocket* s)
    {
        QByteArray& request = partial_[s];
        request += s->readAll();
        if (!request.contains("\r\n\r\n")) return;
        ++requests_;
        const auto it = routes_.find(request.split(' ').value(1));
        if (it == routes_.end()) {
            s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        } else if (it->second.held) {
            if (!it->second.heldPart.isEmpty()) s->write(it->second.head + it->second.heldPart);
            waiting_.push_back({s, it->second});
            return;
        } else {
            s->write(it->second.head + it->second.body);
        }
        s->disconnectFromHost();
    }

    QTcpServer server_;
    std::map<QByteArray, Route> routes_;
    std::map<QTcpSocket*, QByteArray> partial_;
    std::vector<std::pair<QPointer<QTcpSocket>, Route>> waiting_;
    int requests_ = 0;
};

}  // namespace larkspan::test
