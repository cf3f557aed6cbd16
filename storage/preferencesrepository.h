// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/repository.h"

#include <QString>

#include <optional>

// A key/value store of texts over the preferences table. Writes are not logged.
class PreferencesRepository : public Repository {
    Q_OBJECT

public:
    explicit PreferencesRepository(Database *database, QObject *parent = nullptr);

    // Present (possibly empty) when the key has a row.
    std::optional<QString> value(const QString &key) const;
    QString value(const QString &key, const QString &defaultValue) const;
    // True exactly for the stored texts "1" and "true".
    bool boolValue(const QString &key, bool defaultValue) const;

    // Emits changed(key) on success, even when the value is the same.
    bool setValue(const QString &key, const QString &value);
    bool setBool(const QString &key, bool flag);
    bool setInt(const QString &key, int number);
    bool remove(const QString &key);

Q_SIGNALS:
    void changed(const QString &key);

protected:
    void announceChange(const QString &key) override;
};
