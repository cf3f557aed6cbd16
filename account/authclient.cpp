// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/authclient.h"

#include "account/accountlog.h"
#include "account/apiclient.h"
#include "account/pathsegment.h"
#include "account/tokenmanager.h"
#include "account/webauthhandler.h"

#include <QJsonArray>
#include <QUrlQuery>

namespace TindAccount {

AuthClient::AuthClient(const QString &authBaseUrl, const QString &realmSlug,
                       const QString &clientId, ApiClient *authApi, TokenManager *tokens,
                       QObject *parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realmSlug(realmSlug)
    , m_clientId(clientId)
    , m_authApi(authApi)
    , m_tokens(tokens) {
    setupRefreshCallback();
}

AuthClient::~AuthClient() = default;

void AuthClient::setupRefreshCallback() {
    if (!m_tokens)
        return;
    QPointer<AuthClient> self(this);
    m_tokens->setRefreshCallback([self](const QString &refreshToken,
                                        TokenManager::SuccessFunction onSuccess,
                                        TokenManager::FailureFunction onFailure) {
        if (!self) {
            onFailure();
            return;
        }
        self->exchangeRefreshToken(
            refreshToken, [self, refreshToken, onSuccess, onFailure](
                              bool ok, int status, const QString &access, const QString &refresh) {
                if (ok) {
                    onSuccess(access, refresh);
                    return;
                }
                if (self && (status == 400 || status == 401))
                    self->m_refusedRefreshToken = refreshToken;
                onFailure();
            });
    });
}

void AuthClient::exchangeRefreshToken(const QString &refreshToken, ExchangeCallback done) {
    if (!m_authApi) {
        done(false, 0, QString(), QString());
        return;
    }
    m_authApi->postUnauthenticated(
        QStringLiteral("/auth/token/refresh"),
        QJsonObject{{QStringLiteral("refresh_token"), refreshToken}},
        [done](bool ok, int status, const QJsonObject &body) {
            const QString access = body.value(QLatin1String("access_token")).toString();
            // A success without an access token would store an unusable session.
            if (ok && !access.isEmpty())
                done(true, status, access, body.value(QLatin1String("refresh_token")).toString());
            else
                done(false, status, QString(), QString());
        });
}

void AuthClient::setState(AuthState state) {
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

QString AuthClient::currentUserId() const {
    const QString token = m_tokens ? m_tokens->accessToken() : QString();
    return token.isEmpty() ? QString() : TokenManager::tokenSubject(token);
}

void AuthClient::initialize() {
    if (!m_tokens) {
        setState(AuthState::SignedOut);
        return;
    }
    m_tokens->loadTokens();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::SignedIn);
    } else if (!m_tokens->currentRefreshToken().isEmpty()) {
        // A failure here leaves the stored tokens alone: the server may only be unreachable.
        QPointer<AuthClient> self(this);
        m_tokens->refresh([self](bool ok) {
            if (self)
                self->setState(ok ? AuthState::SignedIn : AuthState::SignedOut);
        });
    } else {
        setState(AuthState::SignedOut);
    }
}

void AuthClient::login() {
    auto *handler = new WebAuthHandler(this);
    const QString redirectUri = handler->start();
    if (redirectUri.isEmpty()) {
        Q_EMIT loginFailed(QStringLiteral("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    connect(handler, &WebAuthHandler::callbackReceived, this, [this, handler](const QUrl &url) {
        handleCallback(url);
        handler->deleteLater();
    });

    const QString loginUrl = QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4")
                                 .arg(m_authBaseUrl, m_realmSlug, m_clientId,
                                      QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)));
    const bool opened = m_urlOpener && m_urlOpener(QUrl(loginUrl));
    Q_EMIT loginAddressReady(QUrl(loginUrl), opened);
}

void AuthClient::handleCallback(const QUrl &url) {
    const QUrlQuery fragment(url.fragment(QUrl::FullyEncoded));
    QString access = fragment.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    QString refresh = fragment.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    if (access.isEmpty()) {
        const QUrlQuery query(url);
        access = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        refresh = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    }
    if (access.isEmpty() || refresh.isEmpty()) {
        Q_EMIT loginFailed(QStringLiteral("No tokens received"));
        return;
    }
    if (m_tokens)
        m_tokens->setTokens(access, refresh);
    setState(AuthState::SignedIn);
    Q_EMIT loginSucceeded();
}

void AuthClient::logout(BoolCallback serverAnswered) {
    // The session ends here at once. The server is told with a token that is still good; when
    // the access token is (nearly) expired, the refresh token buys one for this request only,
    // and is neither stored nor allowed to bring the session back.
    const QString access = m_tokens ? m_tokens->accessToken() : QString();
    const QString refresh = m_tokens ? m_tokens->currentRefreshToken() : QString();
    if (m_tokens)
        m_tokens->clearTokens();
    m_currentUser = User();
    setState(AuthState::SignedOut);
    Q_EMIT logoutCompleted();

    QPointer<ApiClient> api = m_authApi;
    const auto tellServer = [api, serverAnswered](const QString &token) {
        if (!api || token.isEmpty()) {
            if (serverAnswered)
                serverAnswered(false);
            return;
        }
        api->postWithToken(QStringLiteral("/auth/logout"), {}, token,
                           [serverAnswered](bool ok, int, const QJsonObject &) {
                               if (serverAnswered)
                                   serverAnswered(ok);
                           });
    };
    if (!access.isEmpty() || refresh.isEmpty()) {
        tellServer(access);
        return;
    }
    exchangeRefreshToken(
        refresh, [tellServer](bool ok, int, const QString &fresh, const QString &) {
            if (!ok)
                qCWarning(lcTindAccount).noquote()
                    << "AuthClient: no valid token to end the session on the server with";
            tellServer(ok ? fresh : QString());
        });
}

void AuthClient::refreshToken(BoolCallback done) {
    if (!m_tokens) {
        if (done)
            done(false);
        return;
    }
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self, done](bool ok) {
        if (self && !ok && self->m_tokens) {
            const QString held = self->m_tokens->currentRefreshToken();
            if (held.isEmpty() || held == self->m_refusedRefreshToken) {
                self->m_tokens->clearTokens();
                self->m_currentUser = User();
                self->setState(AuthState::SignedOut);
            } else {
                qCWarning(lcTindAccount).noquote()
                    << "AuthClient: token refresh failed without a refusal; keeping the stored "
                       "sign-in";
            }
        }
        if (done)
            done(ok);
    });
}

void AuthClient::fetchCurrentUser(UserCallback callback) {
    if (!m_authApi) {
        if (callback)
            callback(m_currentUser);
        return;
    }
    QPointer<AuthClient> self(this);
    m_authApi->get(QStringLiteral("/users/me"),
                   [self, callback](bool ok, int, const QJsonObject &body) {
                       if (!self)
                           return;
                       if (ok)
                           self->m_currentUser = User::fromJson(body);
                       if (callback)
                           callback(self->m_currentUser);
                   });
}

void AuthClient::updateProfile(const QString &displayName, UserCallback callback) {
    if (!m_authApi) {
        if (callback)
            callback(m_currentUser);
        return;
    }
    QPointer<AuthClient> self(this);
    m_authApi->patch(QStringLiteral("/users/me"),
                     QJsonObject{{QStringLiteral("display_name"), displayName}},
                     [self, callback](bool ok, int, const QJsonObject &body) {
                         if (!self)
                             return;
                         if (ok)
                             self->m_currentUser = User::fromJson(body);
                         if (callback)
                             callback(self->m_currentUser);
                     });
}

void AuthClient::changePassword(const QString &currentPassword, const QString &newPassword,
                                BoolCallback callback) {
    if (!m_authApi) {
        if (callback)
            callback(false);
        return;
    }
    m_authApi->post(QStringLiteral("/users/me/password"),
                    QJsonObject{{QStringLiteral("current_password"), currentPassword},
                                {QStringLiteral("new_password"), newPassword}},
                    [callback](bool ok, int, const QJsonObject &) {
                        if (callback)
                            callback(ok);
                    });
}

void AuthClient::listSessions(SessionsCallback callback) {
    if (!m_authApi) {
        if (callback)
            callback({});
        return;
    }
    m_authApi->get(QStringLiteral("/users/me/sessions"),
                   [callback](bool ok, int, const QJsonObject &body) {
                       QList<Session> sessions;
                       if (ok) {
                           const QJsonArray array = body.value(QLatin1String("sessions")).toArray();
                           for (const QJsonValue &value : array)
                               sessions.append(Session::fromJson(value.toObject()));
                       }
                       if (callback)
                           callback(sessions);
                   });
}

void AuthClient::revokeSession(const QString &sessionId, BoolCallback callback) {
    if (!m_authApi || !isSafePathSegment(sessionId)) {
        if (callback)
            callback(false);
        return;
    }
    m_authApi->deleteRequest(QStringLiteral("/users/me/sessions/%1").arg(sessionId),
                             [callback](bool ok, int, const QJsonObject &) {
                                 if (callback)
                                     callback(ok);
                             });
}

} // namespace TindAccount
