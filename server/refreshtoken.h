// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// A refresh token as stored: only its hash. A used one stays behind, so that a second use of
// it is recognised as theft and ends the session.
struct RefreshToken {
    QString tokenHash;
    QString sessionId;
    qint64 expiresAt = 0; // seconds since the epoch
    bool used = false;
};
