// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// Argon2id password hashes through libsodium, and the rules a password and an email address
// must meet before anything is hashed or looked up.
class PasswordHasher {
public:
    static constexpr int MinimumPasswordLength = 8;
    // Argon2 takes any length; the limit keeps a request from making the server hash megabytes.
    static constexpr int MaximumPasswordBytes = 1024;
    static constexpr int MaximumEmailLength = 254;

    // Empty when libsodium could not be started or hashing failed (out of memory).
    static QString hash(const QString &password);
    static bool verify(const QString &storedHash, const QString &password);
    // Spends the time of a verification without a stored hash, so that an unknown address
    // answers as slowly as a wrong password.
    static void verifyNothing(const QString &password);

    // An empty text when the password is acceptable, else why not.
    static QString passwordProblem(const QString &password);
    // The address trimmed and lower-cased, or empty when it is not a plain ASCII address: the
    // address is an identifier here, and look-alike letters from other scripts must not make a
    // second account of one name.
    static QString canonicalEmail(const QString &email);
};
