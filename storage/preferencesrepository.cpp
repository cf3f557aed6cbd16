// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/preferencesrepository.h"

PreferencesRepository::PreferencesRepository(Database *database, QObject *parent)
    : Repository(database, QStringLiteral("preferences"), parent) {}

std::optional<QString> PreferencesRepository::value(const QString &key) const {
    return readFirst<QString>(QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key},
                              [](RowReader &row) { return row.text(); });
}

QString PreferencesRepository::value(const QString &key, const QString &defaultValue) const {
    return value(key).value_or(defaultValue);
}

bool PreferencesRepository::boolValue(const QString &key, bool defaultValue) const {
    const std::optional<QString> text = value(key);
    if (!text)
        return defaultValue;
    return *text == QLatin1String("1") || *text == QLatin1String("true");
}

bool PreferencesRepository::setValue(const QString &key, const QString &value) {
    return change(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) ON "
                                 "CONFLICT(key) DO UPDATE SET value = excluded.value"),
                  {key, value}, nullptr, key);
}

bool PreferencesRepository::setBool(const QString &key, bool flag) {
    return setValue(key, flag ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PreferencesRepository::setInt(const QString &key, int number) {
    return setValue(key, QString::number(number));
}

bool PreferencesRepository::remove(const QString &key) {
    return write(QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key}, nullptr);
}

void PreferencesRepository::announceChange(const QString &key) {
    Q_EMIT changed(key);
}
