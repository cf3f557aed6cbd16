// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"
#include "server/identity.h"
#include "server/jwtsigner.h"
#include "server/loginpage.h"
#include "server/ratelimiter.h"

#include <QJsonObject>
#include <QMultiHash>
#include <QString>

#include <functional>
#include <optional>

class SyncStore;

// The authentication realm: the browser sign-in page with its one-time codes (PKCE), the
// token and refresh operations, sign-out, and the signed-in user's profile, password and
// sessions. Paths live under /api/v1/realms/{realm}; the sign-in page also at
// /{realm}/account/login, where the program opens it.
class AuthApi {
public:
    struct Options {
        QString realm = QStringLiteral("tindral");
        bool allowSignup = false;
        // Redirect URIs an administrator allowed per client id, besides loopback ones.
        QMultiHash<QString, QString> registeredRedirects;
        // Sign-in attempts per account and window; an address may make ten times as many,
        // refreshes are allowed five times as often.
        int attemptLimit = 10;
        qint64 windowSeconds = 15 * 60;
        // Take the client's address from X-Forwarded-For (only behind a proxy that sets it).
        bool trustForwardedFor = false;
    };
    using Authenticator = std::function<std::optional<Identity>(const HttpRequest &request,
                                                                QString *why, int *status)>;

    static constexpr qint64 CodeLifetimeSeconds = 120;

    AuthApi(SyncStore *store, const QByteArray &signingKey, Options options,
            Authenticator authenticate);

    // Whether the path is one of the realm's; handle() answers those.
    bool owns(const QString &path) const;
    HttpResponse handle(const HttpRequest &request);

    // Whether the program may be sent to redirectUri after signing in.
    bool redirectAllowed(const QString &clientId, const QString &redirectUri) const;

private:
    HttpResponse loginPage(const HttpRequest &request);
    HttpResponse signIn(const HttpRequest &request, const LoginPage::Fields &fields,
                        const QUrlQuery &form);
    HttpResponse signUp(const HttpRequest &request, const LoginPage::Fields &fields,
                        const QUrlQuery &form);
    HttpResponse sendCode(const QString &userId, const LoginPage::Fields &fields);
    HttpResponse exchangeCode(const HttpRequest &request);
    HttpResponse refresh(const HttpRequest &request);
    HttpResponse logout(const Identity &who);
    HttpResponse me(const Identity &who);
    HttpResponse updateMe(const Identity &who, const HttpRequest &request);
    HttpResponse changePassword(const Identity &who, const HttpRequest &request);
    HttpResponse sessions(const Identity &who);
    HttpResponse revokeSession(const Identity &who, const QString &sessionId);

    QString clientAddress(const HttpRequest &request) const;
    // Counts a sign-in attempt for the account (canonical email, may be empty) and address.
    bool allowSignIn(const QString &email, const QString &address);
    static HttpResponse tooMany(HttpResponse response, qint64 retryAfter);

    SyncStore *m_store;
    JwtSigner m_signer;
    Options m_options;
    Authenticator m_authenticate;
    RateLimiter m_limiter;
    QString m_apiPrefix;  // /api/v1/realms/{realm}
    QString m_pagePrefix; // /{realm}
};
