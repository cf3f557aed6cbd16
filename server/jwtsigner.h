// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/identity.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// Issues and checks the HS256 tokens of this server with its one signing key. Access and
// refresh tokens differ in their "token_use", so that neither can stand in for the other.
class JwtSigner {
public:
    enum class Use { Access, Refresh };

    static constexpr qint64 AccessLifetimeSeconds = 3600;
    static constexpr qint64 RefreshLifetimeSeconds = 90 * 24 * 3600;

    explicit JwtSigner(QByteArray key);

    QString issue(const Identity &who, Use use, qint64 now, qint64 lifetimeSeconds) const;
    // The identity of a token that is well-formed, signed with this key, of the given use and
    // not expired at now; otherwise none, with the reason in why.
    std::optional<Identity> verify(const QByteArray &token, Use use, qint64 now,
                                   QString *why = nullptr) const;

private:
    QByteArray sign(const QByteArray &signingInput) const;

    QByteArray m_key;
};
