// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/synccursor.h"

#include <QDateTime>
#include <QRegularExpression>

#include <chrono>

qint64 SyncCursor::nowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

QString SyncCursor::text(qint64 micros) {
    const qint64 seconds = micros / 1000000;
    const qint64 fraction = micros % 1000000;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
               .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
           + QStringLiteral(".%1Z").arg(fraction, 6, 10, QLatin1Char('0'));
}

std::optional<qint64> SyncCursor::parse(const QString &text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2})\\.(\\d{6})Z$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString stamp = match.captured(1);
    const QDateTime seconds(QDate::fromString(stamp.left(10), Qt::ISODate),
                            QTime::fromString(stamp.mid(11), Qt::ISODate), Qt::UTC);
    if (!seconds.isValid())
        return std::nullopt;
    return seconds.toSecsSinceEpoch() * 1000000 + match.captured(2).toLongLong();
}
