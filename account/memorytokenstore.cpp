// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"

namespace TindAccount {

std::optional<QString> MemoryTokenStore::load(const QString &key) {
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryTokenStore::save(const QString &key, const QString &value) {
    m_values.insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString &key) {
    return m_values.remove(key) > 0;
}

} // namespace TindAccount
