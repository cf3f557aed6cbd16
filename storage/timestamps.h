// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Timestamps are UTC, stored as yyyy-MM-ddTHH:mm:ssZ; dates as yyyy-MM-dd.
namespace Timestamps {

// The current UTC time, cut to the second so that it survives a round trip through text.
QDateTime nowUtc();
QString toText(const QDateTime &timestamp);
// An empty or malformed text gives an invalid QDateTime.
QDateTime fromText(const QString &text);

QString dateToText(const QDate &date);
// An empty or malformed text gives an invalid QDate.
QDate dateFromText(const QString &text);

} // namespace Timestamps
