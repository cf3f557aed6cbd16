// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class Database;

// A real SQLite file in a temporary directory with the migrations applied. The directory is
// kept when the running test failed, so the file can be inspected.
class TestDatabase {
public:
    // connectionName: empty for Qt's default connection; a name of its own for a second
    // database in the same test.
    explicit TestDatabase(const QString &connectionName = QString());
    ~TestDatabase();

    bool isValid() const { return m_ok; }
    Database *database() const { return m_database.get(); }
    QSqlDatabase connection() const;
    QString path() const;
    QString dirPath() const { return m_dir.path(); }

    // Runs one statement; returns the first column of the first row (or an invalid QVariant).
    QVariant scalar(const QString &sql) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_database;
    bool m_ok = false;
};
