// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// Who a request is made by, as its verified access token says.
struct Identity {
    QString userId;
    QString groupId;
    QString role;
    // The sign-in the token belongs to: ending it makes the token worthless before it expires.
    QString sessionId;
};
