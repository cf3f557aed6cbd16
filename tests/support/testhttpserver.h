// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for network tests: every request is recorded and
// answered by the handler the test installs. Runs on the test's own event loop.
class TestHttpServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QString path; // decoded path, without the query
        QUrlQuery query;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;

        QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
        QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    };

    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        QList<QPair<QByteArray, QByteArray>> headers;
        int delayMs = 0; // answer later, to keep a request in flight

        static Response json(int status, const QJsonObject &object);
        static Response text(int status, const QByteArray &body,
                             const QByteArray &contentType = "text/plain; charset=utf-8");
    };

    using Handler = std::function<Response(const Request &)>;

    explicit TestHttpServer(QObject *parent = nullptr);
    ~TestHttpServer() override;

    // Listens on 127.0.0.1; port 0 picks a free one.
    bool listen(quint16 port = 0);
    void close();
    quint16 port() const;
    QUrl url(const QString &path = QString()) const;

    void setHandler(Handler handler) { m_handler = std::move(handler); }

    const QList<Request> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    // Waits (running the event loop) until at least count requests arrived.
    bool waitForRequests(int count, int timeoutMs = 5000);

Q_SIGNALS:
    void requestReceived();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const Response &response);

    QTcpServer *m_server; // Owned (Qt child).
    Handler m_handler;
    QList<Request> m_requests;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
