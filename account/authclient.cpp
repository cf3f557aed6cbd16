// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/authclient.h"

#include "account/accountlog.h"
#include "account/apiclient.h"
#include "account/pathsegment.h"
#include "account/tokenmanager.h"
#include "account/webauthhandler.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QUrlQuery>

namespace TindAccount {

namespace {

// 32 bytes from the system's secure source, URL-safe: enough that a state or a verifier can
// neither be guessed nor collide.
QString randomToken() {
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString codeChallenge(const QString &verifier) {
    return QString::fromLatin1(
        QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// Compares without stopping at the first difference, so that the time taken tells a local
// prober nothing about how much of a guessed state was right.
bool sameSecret(const QString &a, const QString &b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size())
        return false;
    unsigned char diff = 0;
    for (int i = 0; i < x.size(); ++i)
        diff |= static_cast<unsigned char>(x[i] ^ y[i]);
    return diff == 0;
}

} // namespace

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
    // Each attempt has its own state and verifier: two sign-ins may be open at once, and the
    // redirect of one must not complete the other.
    LoginAttempt attempt{randomToken(), randomToken(), redirectUri};
    handler->setExpectedState(attempt.state);
    connect(handler, &WebAuthHandler::callbackReceived, this,
            [this, handler, attempt](const QUrl &url) {
                handleCallback(url, attempt);
                handler->deleteLater();
            });

    // State and challenge are base64url: nothing in them needs escaping.
    const QUrl loginUrl(QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5"
                                       "&code_challenge=%6&code_challenge_method=S256")
                            .arg(m_authBaseUrl, m_realmSlug, m_clientId,
                                 QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)),
                                 attempt.state, codeChallenge(attempt.verifier)));
    const bool opened = m_urlOpener && m_urlOpener(loginUrl);
    Q_EMIT loginAddressReady(loginUrl, opened);
}

void AuthClient::handleCallback(const QUrl &url, const LoginAttempt &attempt) {
    // Browsers keep the fragment to themselves, but a page script may hand it on; the query
    // is what a server's redirect normally carries.
    const QUrlQuery fragment(url.fragment(QUrl::FullyEncoded));
    const QUrlQuery query(url);
    const QUrlQuery &params = fragment.hasQueryItem(QStringLiteral("state")) ? fragment : query;
    const auto value = [&params](const char *name) {
        return params.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
    };

    // Any local program can reach the loopback listener; only a redirect that carries the
    // state this attempt sent comes from the sign-in the user started.
    if (!sameSecret(value("state"), attempt.state)) {
        qCWarning(lcTindAccount).noquote() << "AuthClient: refused a sign-in redirect with a "
                                              "state that does not match";
        Q_EMIT loginFailed(QStringLiteral("State mismatch"));
        return;
    }

    const QString code = value("code");
    if (!code.isEmpty()) {
        exchangeCode(code, attempt);
        return;
    }
    // A server that still answers with the tokens themselves.
    const QString access = value("access_token");
    const QString refresh = value("refresh_token");
    if (access.isEmpty() || refresh.isEmpty()) {
        Q_EMIT loginFailed(QStringLiteral("No tokens received"));
        return;
    }
    completeLogin(access, refresh);
}

void AuthClient::exchangeCode(const QString &code, const LoginAttempt &attempt) {
    if (!m_authApi) {
        Q_EMIT loginFailed(QStringLiteral("No tokens received"));
        return;
    }
    QPointer<AuthClient> self(this);
    m_authApi->postUnauthenticated(
        QStringLiteral("/auth/token"),
        QJsonObject{{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                    {QStringLiteral("code"), code},
                    {QStringLiteral("code_verifier"), attempt.verifier},
                    {QStringLiteral("redirect_uri"), attempt.redirectUri},
                    {QStringLiteral("client_id"), m_clientId}},
        [self](bool ok, int status, const QJsonObject &body) {
            if (!self)
                return;
            const QString access = body.value(QLatin1String("access_token")).toString();
            const QString refresh = body.value(QLatin1String("refresh_token")).toString();
            if (!ok || access.isEmpty() || refresh.isEmpty()) {
                qCWarning(lcTindAccount).noquote()
                    << "AuthClient: the sign-in code was not exchanged; status" << status;
                Q_EMIT self->loginFailed(QStringLiteral("Code exchange failed"));
                return;
            }
            self->completeLogin(access, refresh);
        });
}

void AuthClient::completeLogin(const QString &access, const QString &refresh) {
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
