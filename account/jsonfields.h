// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TindAccount {

// Readers for the account records: a missing or mistyped member gives the empty value.
inline QString jsonString(const QJsonObject &object, const char *key) {
    return object.value(QLatin1String(key)).toString();
}

inline int jsonInt(const QJsonObject &object, const char *key) {
    return object.value(QLatin1String(key)).toInt();
}

inline QDateTime jsonDateTime(const QJsonObject &object, const char *key) {
    return QDateTime::fromString(jsonString(object, key), Qt::ISODate);
}

} // namespace TindAccount
