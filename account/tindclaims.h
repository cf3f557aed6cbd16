// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QMetaType>
#include <QString>

namespace TindAccount {

// The group claims the access token carries under "custom" / "tind".
struct TindClaims {
    QString groupId;
    QString role;

    bool isEmpty() const { return groupId.isEmpty() && role.isEmpty(); }
    static TindClaims fromAccessToken(const QString &token);
};

} // namespace TindAccount

Q_DECLARE_METATYPE(TindAccount::TindClaims)
