#pragma once

// A small HTTP server on 127.0.0.1 for tests. It answers every request with
// the status and body set on it (or not at all), records the requests it got,
// and runs on the test's own thread: the client's waiting serves it.

#include <QByteArray>
#include <QHostAddress>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace testsupport {

class LocalHttpServer {
public:
    LocalHttpServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }

    // Every later request gets this reply.
    void Reply(int status, const QByteArray& body)
    {
        status_ = status;
        body_ = body;
        silent_ = false;
    }
    // Requests are read but never answered (a server that hangs).
    void NeverReply() { silent_ = true; }

    // Runs while a request is being served, before the reply is written.
    std::function<void()> OnRequest;

    quint16 Port() const { return server_.serverPort(); }
    QString Address(const QString& pathAndQuery) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(Port()).arg(pathAndQuery);
    }
    // The head (request line and header lines) of each request received.
    const QList<QByteArray>& Requests() const { return requests_; }

    // An address on which nothing listens: a port that was just free.
    static QString RefusedAddress()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1/version").arg(port);
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void serve(QTcpSocket* socket)
    {
        QByteArray& pending = pending_[socket];
        pending += socket->readAll();
        const qsizetype end = pending.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        requests_.append(pending.left(end));
        pending_.remove(socket);
        if (OnRequest)
            OnRequest();
        if (silent_)
            return;
        const QByteArray head = "HTTP/1.0 " + QByteArray::number(status_) + " X\r\nContent-Type: text/html\r\n"
            + "Content-Length: " + QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n";
        socket->write(head + body_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QList<QByteArray> requests_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
};

} // namespace testsupport
