// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// What a user signs in with. The email is kept in its one canonical form (see
// PasswordHasher::canonicalEmail), so that lookups match however it was typed.
struct Credential {
    QString userId;
    QString email;
    QString passwordHash; // Argon2id, in libsodium's self-describing text form
    bool disabled = false;
    QString createdAt; // ISO 8601 UTC
};
