// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace TindAccount {

// The loopback listener the browser is redirected to after sign-in. The first request that
// reaches it ends the attempt, whatever its path.
class WebAuthHandler : public QObject {
    Q_OBJECT

public:
    static constexpr quint16 PreferredPort = 19876;

    explicit WebAuthHandler(QObject *parent = nullptr);
    ~WebAuthHandler() override;

    // Listens on 127.0.0.1 and returns the redirect URI, or an empty string.
    QString start();
    QString redirectUri() const;
    quint16 port() const { return m_port; }
    // A request without this state is answered with a refusal page instead of the success
    // page, so that the browser does not claim a sign-in that the program rejects.
    void setExpectedState(const QString &state) { m_expectedState = state; }

Q_SIGNALS:
    void callbackReceived(const QUrl &url);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);

    QTcpServer *m_server; // Owned (Qt child).
    quint16 m_port = 0;
    bool m_answered = false;
    QString m_expectedState;
};

} // namespace TindAccount
