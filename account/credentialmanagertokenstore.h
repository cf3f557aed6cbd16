// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/tokenstore.h"

namespace TindAccount {

// The tokens as generic credentials of the Windows Credential Manager, one per key, the value
// stored as UTF-8 bytes.
class CredentialManagerTokenStore : public TokenStore {
public:
    explicit CredentialManagerTokenStore(const QString &service);

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    QString m_service;
};

} // namespace TindAccount
