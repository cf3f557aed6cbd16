// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

namespace TindAccount {

// One person an item is shared with, as the sharing backend reports it.
struct ShareMember {
    QString id; // the share id
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt; // as the server sent it
};

} // namespace TindAccount
