// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"
#include "server/identity.h"

#include <QHash>
#include <QString>

#include <mutex>

class StoreSession;
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
    // The user's live categories as of the sequence number upTo.
    int categoryCount(StoreSession &session, const QString &userId, qint64 upTo);

    SyncStore *m_store;
    // Every change advances the one sequence, so a count stays true for as long as the
    // sequence stands where it was counted: devices polling an idle server ask for it again
    // and again.
    struct Count {
        qint64 upTo = -1;
        int categories = 0;
    };
    std::mutex m_countsLock;
    QHash<QString, Count> m_counts;
};
