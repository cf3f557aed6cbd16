// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/sharingbackend.h"

#include <QPointer>

namespace TindAccount {
class ApiClient;
}

// Shares one account with members of the user's group, lists and revokes the shares, on the
// sync server. Keeps nothing between calls; the account's shared flag comes back with the
// next pull.
class AccountSharingService : public TindAccount::SharingBackend {
    Q_OBJECT

public:
    explicit AccountSharingService(TindAccount::ApiClient *api, QObject *parent = nullptr);

    // An empty list also when the listing failed.
    void listMembers(const QString &accountId, MembersCallback callback) override;
    // userIdOrEmail with an at sign is sent as both "email" and "user_id".
    void shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                   ShareCallback callback) override;
    void removeShare(const QString &accountId, const QString &userId,
                     RemoveCallback callback) override;

    static QJsonObject shareRequestBody(const QString &userIdOrEmail, const QString &role);

private:
    QPointer<TindAccount::ApiClient> m_api; // Not owned.
};
