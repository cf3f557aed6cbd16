// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/jwtsigner.h"

#include <QJsonObject>
#include <QString>

#include <optional>

class StoreSession;

// Starts sign-in sessions and hands out their tokens: a short-lived access token that names
// the session, and an opaque refresh token of which only a hash is kept. Everything runs in
// the caller's transaction, so a session never exists without its first tokens.
class SessionTokens {
public:
    static constexpr qint64 AccessLifetimeSeconds = 900;
    static constexpr qint64 RefreshLifetimeSeconds = 90 * 24 * 3600;

    struct Issued {
        QString sessionId;
        QString accessToken;
        QString refreshToken;
        qint64 accessLifetime = AccessLifetimeSeconds;

        // The answer of the token operations.
        QJsonObject toJson() const;
    };

    // A refresh token an administrator hands out (quillon-server token) is an enrolment
    // token: a person may sign in several machines with the one file, so each use starts a
    // session of its own for the machine instead of rotating. It is marked by this prefix,
    // which is part of the secret: no sign-in can make such a token, and it cannot be added
    // to one.
    static const QString EnrolmentPrefix;
    static bool isEnrolment(const QString &refreshToken) {
        return refreshToken.startsWith(EnrolmentPrefix);
    }

    enum class Kind { SignIn, Enrolment };

    static std::optional<Issued> start(StoreSession &session, const JwtSigner &signer,
                                       const QString &userId, const QString &userAgent,
                                       const QString &ipAddress, qint64 now,
                                       qint64 accessLifetime = AccessLifetimeSeconds,
                                       Kind kind = Kind::SignIn);
    // New tokens for a live session whose last refresh token was just used.
    static std::optional<Issued> renew(StoreSession &session, const JwtSigner &signer,
                                       const QString &userId, const QString &sessionId, qint64 now);

    // 32 random bytes, URL-safe.
    static QString randomSecret();
    // What is stored in place of a secret: SHA-256, hexadecimal. The secrets are random and
    // long, so a fast hash suffices; nothing is there to guess.
    static QString hashOf(const QString &secret);
    static QString nowText(qint64 now);

private:
    static std::optional<Issued> issue(StoreSession &session, const JwtSigner &signer,
                                       const QString &userId, const QString &sessionId, qint64 now,
                                       qint64 accessLifetime, Kind kind);
};
