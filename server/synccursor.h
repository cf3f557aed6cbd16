// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

#include <optional>

// The server's sequence numbers are microseconds since the epoch, kept strictly increasing
// (a clock that steps back only slows them to one per change). So the cursor a pull hands
// out reads as the time of the last change a device has, which is what the program shows as
// "last synced", and still orders every change exactly.
class SyncCursor {
public:
    static qint64 nowMicros();
    // The next sequence number after last.
    static qint64 next(qint64 last) { return qMax(last + 1, nowMicros()); }
    // "yyyy-MM-ddTHH:mm:ss.uuuuuuZ".
    static QString text(qint64 micros);
    // None for anything text() does not produce.
    static std::optional<qint64> parse(const QString &text);
};
