// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/passwordhasher.h"

#include <QRegularExpression>

#include <sodium.h>

namespace {

// libsodium's interactive limits: about 64 MiB and a fraction of a second per hash, which is
// what a home server with a few threads can spend on every sign-in.
constexpr unsigned long long kOpsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t kMemLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;

bool ready() {
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

} // namespace

QString PasswordHasher::hash(const QString &password) {
    if (!ready())
        return QString();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, bytes.constData(), std::size_t(bytes.size()), kOpsLimit,
                              kMemLimit, crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        return QString();
    return QString::fromLatin1(out);
}

bool PasswordHasher::verify(const QString &storedHash, const QString &password) {
    if (!ready())
        return false;
    const QByteArray stored = storedHash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    if (stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    std::size_t(bytes.size()))
           == 0;
}

void PasswordHasher::verifyNothing(const QString &password) {
    // Made once per process with the settings of real hashes, so that it costs the same.
    static const QString dummy = hash(QStringLiteral("no such user"));
    verify(dummy, password);
}

QString PasswordHasher::passwordProblem(const QString &password) {
    if (password.size() < MinimumPasswordLength)
        return QStringLiteral("The password must have at least %1 characters.")
            .arg(MinimumPasswordLength);
    if (password.toUtf8().size() > MaximumPasswordBytes)
        return QStringLiteral("The password is too long.");
    return QString();
}

QString PasswordHasher::canonicalEmail(const QString &email) {
    const QString trimmed = email.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > MaximumEmailLength)
        return QString();
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z0-9.!#$%&'*+/=?^_`{|}~-]+@[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?"
                       "(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)+$"));
    if (!plain.match(trimmed).hasMatch())
        return QString();
    return trimmed.toLower();
}
