// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class tst_ApiClient;

namespace TindAccount {

class TokenManager;

// ok: HTTP 200-299. status: the HTTP status, 401 when the token could not be refreshed, 0 when
// no HTTP answer came or nothing was sent. body: the answer as a JSON object, else empty.
using ResponseCallback = std::function<void(bool ok, int status, const QJsonObject &body)>;

// JSON over HTTP against one base URL, with the app's headers, the bearer token, and one
// refresh-and-retry when the server answers 401. A request that moves no data for the
// transfer timeout fails as if no answer came (status 0), so a stalled server cannot keep a
// caller waiting for ever.
class ApiClient : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultTransferTimeoutMs = 30000;

    explicit ApiClient(TokenManager *tokens, QObject *parent = nullptr);
    ~ApiClient() override;

    void setBaseUrl(const QUrl &baseUrl) { m_baseUrl = baseUrl; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setClientInfo(const QString &appId, const QString &appVersion, const QString &platform);
    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }
    int transferTimeout() const { return m_transferTimeoutMs; }

    // Whether an authenticated request could carry a token: one is held, or can be refreshed.
    bool hasCredentials() const;
    // The user the held access token names ("sub"); empty when no token is held.
    QString tokenSubject() const;

    void get(const QString &path, ResponseCallback callback, const QUrlQuery &query = {});
    void getUnauthenticated(const QString &path, ResponseCallback callback,
                            const QUrlQuery &query = {});
    void post(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void postUnauthenticated(const QString &path, const QJsonObject &body,
                             ResponseCallback callback);
    void patch(const QString &path, const QJsonObject &body, ResponseCallback callback);
    void deleteRequest(const QString &path, ResponseCallback callback);

    // Sends with exactly this token and never refreshes or retries: for requests that must not
    // bring a session back, such as signing out.
    void postWithToken(const QString &path, const QJsonObject &body, const QString &accessToken,
                       ResponseCallback callback);

Q_SIGNALS:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    friend class ::tst_ApiClient; // reaches sendRequest with methods the wrappers never use

    QUrl requestUrl(const QString &path, const QUrlQuery &query) const;
    void sendRequest(const QByteArray &method, const QString &path, const QJsonObject &body,
                     ResponseCallback callback, const QUrlQuery &query, bool authenticated);
    void executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                        const QString &accessToken, ResponseCallback callback, bool allowRetry);
    void handleReply(QNetworkReply *reply, const QByteArray &method, const QUrl &url,
                     const QByteArray &body, ResponseCallback callback, bool allowRetry);

    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
    QNetworkAccessManager *m_network; // Owned (Qt child).
    QPointer<TokenManager> m_tokens;  // Not owned.
};

} // namespace TindAccount
