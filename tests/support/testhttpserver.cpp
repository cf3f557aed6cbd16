// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testhttpserver.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

TestHttpServer::Response TestHttpServer::Response::json(int status, const QJsonObject &object) {
    Response r;
    r.status = status;
    r.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return r;
}

TestHttpServer::Response TestHttpServer::Response::text(int status, const QByteArray &body,
                                                        const QByteArray &contentType) {
    Response r;
    r.status = status;
    r.body = body;
    r.contentType = contentType;
    return r;
}

TestHttpServer::TestHttpServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this)) {
    m_handler = [](const Request &) { return Response::json(404, {{"error", "not found"}}); };
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
}

TestHttpServer::~TestHttpServer() = default;

bool TestHttpServer::listen(quint16 port) {
    return m_server->listen(QHostAddress::LocalHost, port);
}

void TestHttpServer::close() {
    m_server->close();
}

quint16 TestHttpServer::port() const {
    return m_server->serverPort();
}

QUrl TestHttpServer::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

bool TestHttpServer::waitForRequests(int count, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (m_requests.size() < count && !deadline.hasExpired())
        QTest::qWait(5);
    return m_requests.size() >= count;
}

void TestHttpServer::onNewConnection() {
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void TestHttpServer::onReadyRead(QTcpSocket *socket) {
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();

    for (;;) {
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        if (lines.isEmpty())
            return;
        const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
        if (requestLine.size() < 2) {
            socket->disconnectFromHost();
            return;
        }
        Request request;
        request.method = requestLine.at(0);
        const QUrl target = QUrl::fromEncoded(requestLine.at(1));
        request.path = target.path();
        request.query = QUrlQuery(target);
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int colon = line.indexOf(':');
            if (colon > 0)
                request.headers.insert(line.left(colon).trimmed().toLower(),
                                       line.mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length", "0").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);

        m_requests.append(request);
        const Response response = m_handler(request);
        Q_EMIT requestReceived();
        if (response.delayMs > 0) {
            QPointer<QTcpSocket> guard(socket);
            QTimer::singleShot(response.delayMs, this, [this, guard, response] {
                if (guard)
                    respond(guard, response);
            });
        } else {
            respond(socket, response);
        }
    }
}

void TestHttpServer::respond(QTcpSocket *socket, const Response &response) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    out += "Content-Type: " + response.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto &header : response.headers)
        out += header.first + ": " + header.second + "\r\n";
    out += "Connection: keep-alive\r\n\r\n";
    out += response.body;
    socket->write(out);
}
