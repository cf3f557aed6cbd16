// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/recordid.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QUuid>

#include <array>
#include <atomic>

namespace {

// The last time and counter handed out, so that ids of one process keep their order within a
// millisecond too: the 12 bits after the version count up, and a full count borrows the next
// millisecond.
std::atomic<quint64> lastStamp{0};

quint64 nextStamp() {
    const quint64 now = quint64(QDateTime::currentMSecsSinceEpoch()) << 12;
    quint64 last = lastStamp.load();
    quint64 next = 0;
    do {
        next = qMax(now, last + 1);
    } while (!lastStamp.compare_exchange_weak(last, next));
    return next;
}

} // namespace

QString RecordId::create() {
    const quint64 stamp = nextStamp();
    const quint64 millis = stamp >> 12;
    const quint64 counter = stamp & 0xfff;
    std::array<quint32, 2> random{};
    QRandomGenerator::global()->fillRange(random.data(), random.size());

    QByteArray bytes(16, Qt::Uninitialized);
    for (int i = 0; i < 6; ++i)
        bytes[i] = char((millis >> (8 * (5 - i))) & 0xff);
    bytes[6] = char(0x70 | (counter >> 8));
    bytes[7] = char(counter & 0xff);
    const quint64 tail = (quint64(random[0]) << 32) | random[1];
    bytes[8] = char(0x80 | ((tail >> 56) & 0x3f));
    for (int i = 9; i < 16; ++i)
        bytes[i] = char((tail >> (8 * (15 - i))) & 0xff);
    return QUuid::fromRfc4122(bytes).toString(QUuid::WithoutBraces);
}
