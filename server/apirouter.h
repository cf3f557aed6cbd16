// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

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
    HttpResponse api(const HttpRequest &request, const QString &path);
    // The identity of a valid access token whose session is still live; otherwise none, with
    // the reason in why and the status to answer with in status.
    std::optional<Identity> authenticate(const HttpRequest &request, QString *why,
                                         int *status = nullptr) const;
    // Keeps the group of each user the server meets, for sharing.
    void remember(const Identity &who);

    SyncStore *m_store;
    JwtSigner m_signer;
    SyncApi m_sync;
    SharingApi m_sharing;
    AuthApi m_auth;
    std::mutex m_seenLock;
    QHash<QString, QString> m_seenGroups; // user id -> group id as last stored
};
