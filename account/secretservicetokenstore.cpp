// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/secretservicetokenstore.h"

#include "account/accountlog.h"

// GLib's headers use "signals" as a member name, which Qt may define as a keyword.
#ifdef signals
#undef signals
#endif
#include <libsecret/secret.h>

namespace TindAccount {

namespace {

const SecretSchema *tokenSchema() {
    static const SecretSchema schema = {
        "com.tindral.Token",
        SECRET_SCHEMA_NONE,
        {
            {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
            {"key", SECRET_SCHEMA_ATTRIBUTE_STRING},
            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
        },
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
    };
    return &schema;
}

// Logs and frees a libsecret error; true when there was one.
bool takeError(GError *error, const char *operation) {
    if (!error)
        return false;
    qCDebug(lcTindAccount).noquote() << "SecretServiceTokenStore:" << operation
                                     << "failed:" << QString::fromUtf8(error->message);
    g_error_free(error);
    return true;
}

} // namespace

SecretServiceTokenStore::SecretServiceTokenStore(const QString &service)
    : m_service(service) {}

bool SecretServiceTokenStore::isAvailable() const {
    // A lookup is the cheapest call that needs a running service; a missing item is no error.
    GError *error = nullptr;
    const QByteArray service = m_service.toUtf8();
    gchar *value
        = secret_password_lookup_sync(tokenSchema(), nullptr, &error, "service",
                                      service.constData(), "key", "availability-probe", nullptr);
    if (value)
        secret_password_free(value);
    return !takeError(error, "probe");
}

std::optional<QString> SecretServiceTokenStore::load(const QString &key) {
    GError *error = nullptr;
    const QByteArray service = m_service.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    gchar *value
        = secret_password_lookup_sync(tokenSchema(), nullptr, &error, "service",
                                      service.constData(), "key", keyBytes.constData(), nullptr);
    if (takeError(error, "load") || !value) {
        if (value)
            secret_password_free(value);
        return std::nullopt;
    }
    const QString result = QString::fromUtf8(value);
    secret_password_free(value);
    return result;
}

bool SecretServiceTokenStore::save(const QString &key, const QString &value) {
    GError *error = nullptr;
    const QByteArray service = m_service.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray label = targetName(m_service, key).toUtf8();
    const QByteArray secret = value.toUtf8();
    const gboolean stored = secret_password_store_sync(
        tokenSchema(), SECRET_COLLECTION_DEFAULT, label.constData(), secret.constData(), nullptr,
        &error, "service", service.constData(), "key", keyBytes.constData(), nullptr);
    const bool ok = !takeError(error, "save") && stored;
    // A service that answers but cannot store (a locked keyring nobody can unlock) leaves the
    // sign-in in memory only; say so once rather than on every token.
    if (!ok && !m_saveFailureReported) {
        m_saveFailureReported = true;
        qCWarning(lcTindAccount).noquote()
            << "The Secret Service did not store the sign-in: it lasts until the program ends";
    }
    return ok;
}

bool SecretServiceTokenStore::remove(const QString &key) {
    GError *error = nullptr;
    const QByteArray service = m_service.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const gboolean removed
        = secret_password_clear_sync(tokenSchema(), nullptr, &error, "service", service.constData(),
                                     "key", keyBytes.constData(), nullptr);
    return !takeError(error, "remove") && removed;
}

} // namespace TindAccount
