// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

class StoreSession;
class SyncStore;

// Counts attempts per bucket (an account, an address) in fixed windows. The counters live in
// the database, not in memory: several server processes behind one load balancer share them,
// so a guesser gains nothing by spreading attempts over the processes.
class RateLimiter {
public:
    struct Bucket {
        QString name;
        int limit; // attempts allowed per window
    };

    RateLimiter(SyncStore *store, qint64 windowSeconds);

    // Counts one attempt in each bucket; false when any of them is over its limit now, or the
    // count could not be kept (then refusing is the safe side).
    bool allow(const QList<Bucket> &buckets, qint64 now);
    // The same inside the caller's writing transaction.
    bool allow(StoreSession &session, const QList<Bucket> &buckets, qint64 now) const;
    qint64 windowSeconds() const { return m_window; }

private:
    SyncStore *m_store;
    qint64 m_window;
    std::atomic<int> m_calls{0};
};
