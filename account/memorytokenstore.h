// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/tokenstore.h"

#include <QHash>

namespace TindAccount {

// Keeps the tokens for the life of the process only: the fallback where the system offers no
// credential store, and a store for tests.
class MemoryTokenStore : public TokenStore {
public:
    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    QHash<QString, QString> m_values;
};

} // namespace TindAccount
