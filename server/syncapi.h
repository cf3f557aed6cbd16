// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"
#include "server/identity.h"

class SyncStore;

// The push and pull of the sync API, for a request whose token has been verified.
//
// Merge rule of a push: a change whose version is lower than the stored one is refused with
// "conflict" and the stored record stays (the device receives it with its next pull). A
// higher version replaces it. An equal version replaces it too: both were made on top of the
// same earlier version, and the server's sequence orders them, so the one that arrives last
// is stored and every device takes it on its next pull (a device takes an equal version over
// a row it has pushed). Pushing exactly the stored record again changes nothing, so a device
// that lost an answer may push again without creating a second change.
class SyncApi {
public:
    static constexpr int MaxChangesPerPush = 500;
    static constexpr int DefaultPullLimit = 200;
    static constexpr int MaxPullLimit = 1000;

    explicit SyncApi(SyncStore *store);

    HttpResponse push(const Identity &who, const HttpRequest &request);
    HttpResponse pull(const Identity &who, const HttpRequest &request);

private:
    SyncStore *m_store;
};
