// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

class StoreSession;

// Ends shares so that every device concerned learns of it: the member's devices are sent
// deletions of the rows they can no longer see, the owner's devices the account again (it may
// no longer be shared).
class ShareRevocation {
public:
    static bool revoke(StoreSession &session, const QString &ownerId, const QString &accountId,
                       const QString &memberId);
    // Every share the user gives or receives, as when the user leaves the group.
    static bool revokeAllOf(StoreSession &session, const QString &userId);
};
