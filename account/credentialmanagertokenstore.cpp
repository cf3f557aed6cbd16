// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/credentialmanagertokenstore.h"

#ifdef Q_OS_WIN

#include <QByteArray>

#include <qt_windows.h>
#include <wincred.h>

namespace TindAccount {

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString &service)
    : m_service(service) {}

std::optional<QString> CredentialManagerTokenStore::load(const QString &key) {
    const std::wstring target = targetName(m_service, key).toStdWString();
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QString value
        = QString::fromUtf8(reinterpret_cast<const char *>(credential->CredentialBlob),
                            int(credential->CredentialBlobSize));
    CredFree(credential);
    return value;
}

bool CredentialManagerTokenStore::save(const QString &key, const QString &value) {
    // Both buffers must outlive CredWriteW.
    std::wstring target = targetName(m_service, key).toStdWString();
    QByteArray blob = value.toUtf8();

    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.CredentialBlobSize = DWORD(blob.size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    credential.Flags = 0;
    return CredWriteW(&credential, 0);
}

bool CredentialManagerTokenStore::remove(const QString &key) {
    const std::wstring target = targetName(m_service, key).toStdWString();
    return CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0);
}

} // namespace TindAccount

#endif // Q_OS_WIN
