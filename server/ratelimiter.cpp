// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/ratelimiter.h"

#include "server/syncstore.h"

namespace {

// Old windows are swept now and then, not on every attempt.
constexpr int kSweepEvery = 64;

} // namespace

RateLimiter::RateLimiter(SyncStore *store, qint64 windowSeconds)
    : m_store(store)
    , m_window(qMax<qint64>(1, windowSeconds)) {}

bool RateLimiter::allow(const QList<Bucket> &buckets, qint64 now) {
    const qint64 windowStart = now - now % m_window;
    const bool sweep = ++m_calls % kSweepEvery == 0;
    bool allowed = true;
    const bool counted = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            if (sweep && !session.forgetAttemptsBefore(windowStart))
                return false;
            allowed = allow(session, buckets, now);
            return session.lastError().isEmpty();
        },
        nullptr);
    return counted && allowed;
}

bool RateLimiter::allow(StoreSession &session, const QList<Bucket> &buckets, qint64 now) const {
    const qint64 windowStart = now - now % m_window;
    bool allowed = true;
    for (const Bucket &bucket : buckets) {
        const int attempts = session.countAttempt(bucket.name, windowStart);
        if (attempts == 0 || attempts > bucket.limit)
            allowed = false;
    }
    return allowed;
}
