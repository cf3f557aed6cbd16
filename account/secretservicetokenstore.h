// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/tokenstore.h"

namespace TindAccount {

// The tokens in the desktop's Secret Service (GNOME Keyring, KWallet), one secret per key with
// the attributes "service" and "key". The calls are synchronous and may wait for the daemon.
class SecretServiceTokenStore : public TokenStore {
public:
    explicit SecretServiceTokenStore(const QString &service);

    // True when a Secret Service answers on the session bus.
    bool isAvailable() const;

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    QString m_service;
    bool m_saveFailureReported = false;
};

} // namespace TindAccount
