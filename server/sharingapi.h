// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"
#include "server/identity.h"

class SyncStore;

// Sharing one account with members of the owner's group. The account id of a path is the
// account's client id (what devices call it) or its server id. Only the owner shares and
// unshares; a member may list the members and leave. Accounts the caller cannot see are
// answered as missing, so a path never tells whether someone else's account exists.
class SharingApi {
public:
    explicit SharingApi(SyncStore *store);

    HttpResponse members(const Identity &who, const QString &accountId);
    HttpResponse share(const Identity &who, const QString &accountId, const HttpRequest &request);
    HttpResponse unshare(const Identity &who, const QString &accountId, const QString &memberId);

private:
    SyncStore *m_store;
};
