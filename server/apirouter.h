// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/accountapi.h"
#include "server/authapi.h"
#include "server/httpmessage.h"
#include "server/identity.h"
#include "server/jwtsigner.h"
#include "server/sharingapi.h"
#include "server/syncapi.h"

#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

class SyncStore;

// Sends each request to its handler. This is the one door of the API: every path under the
// base path needs a valid access token of this server, and the handlers receive only the
// identity it proves, never the token.
class ApiRouter {
public:
    static const QString BasePath;

    ApiRouter(SyncStore *store, const QByteArray &signingKey,
              const AuthApi::Options &authOptions = AuthApi::Options());

    HttpResponse handle(const HttpRequest &request);

private:
    // path follows the base path of the sync API, or of the account API when account is set.
    HttpResponse api(const HttpRequest &request, const QString &path, bool account = false);
    // The identity of a valid access token whose session is still live; otherwise none, with
    // the reason in why and the status to answer with in status.
    std::optional<Identity> authenticate(const HttpRequest &request, QString *why,
                                         int *status = nullptr) const;
    // Makes sure the store knows each user the server meets; false for a deleted account,
    // whose tokens are refused.
    bool remember(const Identity &who);
    void forget(const QString &userId);

    SyncStore *m_store;
    JwtSigner m_signer;
    SyncApi m_sync;
    SharingApi m_sharing;
    AuthApi m_auth;
    AccountApi m_account;
    std::mutex m_seenLock;
    // user id -> when the store last confirmed the user (a deletion by another server
    // process is noticed once the entry is old)
    QHash<QString, qint64> m_seenUsers;
};
