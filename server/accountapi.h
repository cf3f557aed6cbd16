// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"
#include "server/identity.h"
#include "server/ratelimiter.h"

#include <QString>

#include <functional>

class StoreSession;
class SyncStore;
struct KnownUser;

// The account service: the caller's profile, their family group with its invitations, and
// their devices. The stored membership is the authority (GroupPolicy decides); every change
// runs in one transaction, so a refused or failed request leaves everything as it was.
class AccountApi {
public:
    static const QString BasePath;
    static constexpr int MaxDevices = 100;
    // Invitation codes are short enough to type, so guessing them is held to a pace that
    // cannot cover the code space: this many tries per user in each window.
    static constexpr int JoinAttempts = 10;
    static constexpr qint64 JoinWindowSeconds = 15 * 60;

    explicit AccountApi(SyncStore *store);

    // path is what follows BasePath.
    HttpResponse handle(const Identity &who, const HttpRequest &request, const QString &path);

private:
    HttpResponse profile(const Identity &who);
    HttpResponse deleteProfile(const Identity &who);
    HttpResponse group(const Identity &who);
    HttpResponse invite(const Identity &who, const HttpRequest &request);
    HttpResponse join(const Identity &who, const QString &code);
    HttpResponse leave(const Identity &who);
    HttpResponse removeMember(const Identity &who, const QString &userId);
    HttpResponse revokeInvitation(const Identity &who, const QString &invitationId);
    HttpResponse devices(const Identity &who);
    HttpResponse removeDevice(const Identity &who, const QString &deviceId);
    HttpResponse registerDevice(const Identity &who, const HttpRequest &request);

    // Runs work in one transaction, which sets the answer; returning false rolls it back and
    // answers 503. A writer first takes its turn among the account writers.
    using Work = std::function<bool(StoreSession &session, HttpResponse &response)>;
    HttpResponse transact(bool writing, const Work &work);

    // The user leaves their group: their shares end both ways and an owner hands the group on
    // to the member who joined first, or dissolves it when alone.
    static bool depart(StoreSession &session, KnownUser user);

    SyncStore *m_store;
    RateLimiter m_joinLimiter;
};
