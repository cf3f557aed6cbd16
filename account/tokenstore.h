// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

#include <optional>

namespace TindAccount {

// Persistent home of the two tokens. Failures are reported, never thrown; the token manager
// carries on with the tokens in memory.
class TokenStore {
public:
    static inline const QString AccessTokenKey = QStringLiteral("tindral_access_token");
    static inline const QString RefreshTokenKey = QStringLiteral("tindral_refresh_token");

    virtual ~TokenStore() = default;

    virtual std::optional<QString> load(const QString &key) = 0;
    virtual bool save(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;
    // Removes both token keys, each attempted even when the other is missing.
    virtual void clear() {
        remove(AccessTokenKey);
        remove(RefreshTokenKey);
    }

    // "Tindral/<service>/<key>": the name each stored token goes by in the system's store.
    static QString targetName(const QString &service, const QString &key) {
        return QStringLiteral("Tindral/%1/%2").arg(service, key);
    }
};

} // namespace TindAccount
