// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// A one-time sign-in code handed to the client's loopback redirect, waiting to be exchanged
// for tokens by the program that holds the matching verifier.
struct AuthCode {
    QString codeHash;
    QString userId;
    QString clientId;
    QString redirectUri;
    QString codeChallenge; // S256 of the client's verifier
    qint64 expiresAt = 0;  // seconds since the epoch
};
