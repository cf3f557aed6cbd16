// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/apiclient.h"

#include "account/accountlog.h"
#include "account/tokenmanager.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace TindAccount {

namespace {

void deliver(const ResponseCallback &callback, bool ok, int status, const QJsonObject &body) {
    if (callback)
        callback(ok, status, body);
}

} // namespace

ApiClient::ApiClient(TokenManager *tokens, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens) {}

ApiClient::~ApiClient() = default;

void ApiClient::setClientInfo(const QString &appId, const QString &appVersion,
                              const QString &platform) {
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

bool ApiClient::hasCredentials() const {
    return m_tokens && (!m_tokens->accessToken().isEmpty() || m_tokens->needsRefresh());
}

QString ApiClient::tokenSubject() const {
    return m_tokens ? TokenManager::tokenSubject(m_tokens->accessToken()) : QString();
}

void ApiClient::get(const QString &path, ResponseCallback callback, const QUrlQuery &query) {
    sendRequest("GET", path, {}, std::move(callback), query, true);
}

void ApiClient::getUnauthenticated(const QString &path, ResponseCallback callback,
                                   const QUrlQuery &query) {
    sendRequest("GET", path, {}, std::move(callback), query, false);
}

void ApiClient::post(const QString &path, const QJsonObject &body, ResponseCallback callback) {
    sendRequest("POST", path, body, std::move(callback), {}, true);
}

void ApiClient::postUnauthenticated(const QString &path, const QJsonObject &body,
                                    ResponseCallback callback) {
    sendRequest("POST", path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString &path, const QJsonObject &body, ResponseCallback callback) {
    sendRequest("PATCH", path, body, std::move(callback), {}, true);
}

void ApiClient::deleteRequest(const QString &path, ResponseCallback callback) {
    sendRequest("DELETE", path, {}, std::move(callback), {}, true);
}

void ApiClient::postWithToken(const QString &path, const QJsonObject &body,
                              const QString &accessToken, ResponseCallback callback) {
    const QByteArray bytes
        = body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    executeRequest("POST", requestUrl(path, {}), bytes, accessToken, std::move(callback), false);
}

QUrl ApiClient::requestUrl(const QString &path, const QUrlQuery &query) const {
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path(QUrl::FullyDecoded) + path, QUrl::DecodedMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

void ApiClient::sendRequest(const QByteArray &method, const QString &path, const QJsonObject &body,
                            ResponseCallback callback, const QUrlQuery &query, bool authenticated) {
    const QUrl url = requestUrl(path, query);
    const QByteArray bytes
        = body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);

    if (!authenticated || !m_tokens) {
        executeRequest(method, url, bytes, QString(), std::move(callback), false);
        return;
    }

    if (m_tokens->needsRefresh()) {
        qCDebug(lcTindAccount).noquote()
            << "ApiClient: token needs refresh before" << method << url.path();
        QPointer<ApiClient> self(this);
        m_tokens->refresh([self, method, url, bytes, callback](bool ok) {
            if (!self)
                return;
            if (ok) {
                const QString token = self->m_tokens ? self->m_tokens->accessToken() : QString();
                self->executeRequest(method, url, bytes, token, callback, true);
                return;
            }
            qCWarning(lcTindAccount).noquote()
                << "ApiClient: token refresh failed for" << method << url.path();
            Q_EMIT self->authenticationRequired();
            deliver(callback, false, 401, {});
        });
        return;
    }

    executeRequest(method, url, bytes, m_tokens->accessToken(), std::move(callback), true);
}

void ApiClient::executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                               const QString &accessToken, ResponseCallback callback,
                               bool allowRetry) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    request.setTransferTimeout(m_transferTimeoutMs);
    if (!accessToken.isEmpty()) {
        request.setRawHeader("Authorization",
                             QStringLiteral("Bearer %1").arg(accessToken).toUtf8());
        // Redirects keep every header: the token must never follow one to another origin.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::SameOriginRedirectPolicy);
    }

    QNetworkReply *reply = nullptr;
    if (method == "GET")
        reply = m_network->get(request);
    else if (method == "POST")
        reply = m_network->post(request, body);
    else if (method == "PUT")
        reply = m_network->put(request, body);
    else if (method == "PATCH")
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    else if (method == "DELETE")
        reply = m_network->deleteResource(request);

    if (!reply) {
        deliver(callback, false, 0, {});
        return;
    }

    connect(reply, &QNetworkReply::finished, this,
            [this, reply, method, url, body, callback = std::move(callback), allowRetry] {
                handleReply(reply, method, url, body, callback, allowRetry);
            });
}

void ApiClient::handleReply(QNetworkReply *reply, const QByteArray &method, const QUrl &url,
                            const QByteArray &body, ResponseCallback callback, bool allowRetry) {
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A reply aborted by the transfer timeout is closed and has nothing to read.
    const QByteArray bytes = reply->isOpen() ? reply->readAll() : QByteArray();
    QJsonObject object;
    if (!bytes.isEmpty())
        object = QJsonDocument::fromJson(bytes).object();

    if (status == 401 && allowRetry && m_tokens) {
        QPointer<ApiClient> self(this);
        m_tokens->refresh([self, method, url, body, callback](bool ok) {
            if (!self)
                return;
            if (ok) {
                const QString token = self->m_tokens ? self->m_tokens->accessToken() : QString();
                self->executeRequest(method, url, body, token, callback, false);
                return;
            }
            Q_EMIT self->authenticationRequired();
            deliver(callback, false, 401, {});
        });
        return;
    }

    if (status == 0 && reply->error() != QNetworkReply::NoError) {
        Q_EMIT networkError(reply->errorString());
        deliver(callback, false, 0, {});
        return;
    }

    deliver(callback, status >= 200 && status <= 299, status, object);
}

} // namespace TindAccount
