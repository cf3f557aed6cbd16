// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/webauthhandler.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace TindAccount {

namespace {

constexpr char BufferProperty[] = "tindAuthRequest";
// A request line longer than this is answered with what arrived rather than waited for.
constexpr int MaxRequestLine = 64 * 1024;

const QByteArray &replyBytes() {
    static const QByteArray reply
        = "HTTP/1.1 200 OK\r\n"
          "Content-Type: text/html\r\n"
          "Connection: close\r\n"
          "\r\n"
          "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
          "<h2>Authentication complete!</h2>"
          "<p>You can close this tab and return to the application.</p></body></html>";
    return reply;
}

const QByteArray &refusalBytes() {
    static const QByteArray reply
        = "HTTP/1.1 400 Bad Request\r\n"
          "Content-Type: text/html\r\n"
          "Connection: close\r\n"
          "\r\n"
          "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
          "<h2>Sign-in refused</h2>"
          "<p>This page did not come from the sign-in the application started. "
          "Start the sign-in again from the application.</p></body></html>";
    return reply;
}

QString stateOf(const QUrl &url) {
    const QUrlQuery fragment(url.fragment(QUrl::FullyEncoded));
    const QUrlQuery &params
        = fragment.hasQueryItem(QStringLiteral("state")) ? fragment : QUrlQuery(url);
    return params.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::onNewConnection);
}

WebAuthHandler::~WebAuthHandler() {
    if (m_server->isListening())
        m_server->close();
}

QString WebAuthHandler::start() {
    if (m_server->isListening())
        return redirectUri();
    if (!m_server->listen(QHostAddress::LocalHost, PreferredPort)
        && !m_server->listen(QHostAddress::LocalHost, 0))
        return QString();
    m_port = m_server->serverPort();
    return redirectUri();
}

QString WebAuthHandler::redirectUri() const {
    return QStringLiteral("http://localhost:%1/callback").arg(m_port);
}

void WebAuthHandler::onNewConnection() {
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        // The socket outlives this handler until its reply is out: the handler is deleted as
        // soon as the redirect has been consumed.
        socket->setParent(nullptr);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void WebAuthHandler::onReadyRead(QTcpSocket *socket) {
    QByteArray buffer = socket->property(BufferProperty).toByteArray() + socket->readAll();
    // The target sits in the request line; a segment that ends inside it would cut the tokens.
    if (!buffer.contains('\n') && buffer.size() < MaxRequestLine) {
        socket->setProperty(BufferProperty, buffer);
        return;
    }
    socket->setProperty(BufferProperty, QVariant());
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);

    if (m_answered) {
        socket->disconnectFromHost();
        return;
    }
    m_answered = true;

    const QString text = QString::fromUtf8(buffer);
    const QString requestLine = text.left(text.indexOf(QLatin1Char('\n'))).trimmed();
    QString target;
    const int first = requestLine.indexOf(QLatin1Char(' '));
    if (first >= 0) {
        const int second = requestLine.indexOf(QLatin1Char(' '), first + 1);
        target = requestLine.mid(first + 1, second < 0 ? -1 : second - first - 1);
    }
    const QUrl url(QStringLiteral("http://localhost:%1%2").arg(m_port).arg(target));

    const bool refused = !m_expectedState.isEmpty() && stateOf(url) != m_expectedState;
    socket->write(refused ? refusalBytes() : replyBytes());
    socket->flush();
    socket->disconnectFromHost();
    Q_EMIT callbackReceived(url);
    if (m_server->isListening())
        m_server->close();
}

} // namespace TindAccount
