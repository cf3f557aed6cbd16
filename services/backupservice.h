// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/backupimportmode.h"
#include "services/backupimportresult.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QSqlQuery>
#include <QString>

class Database;

// Writes the six record tables into a ZIP archive (one JSON entry per row, every column by
// name, soft-deleted rows included, and "manifest.json") and merges such an archive back.
// A restore is one database transaction: a row that fails is skipped alone, and a failure
// to commit leaves the database as it was. Restored rows are written with plain SQL and
// announce nothing; their sync bookkeeping is reset so that the next sync uploads them.
class BackupService : public QObject {
    Q_OBJECT

public:
    // The largest entry a restore reads; a row file is a few hundred bytes.
    static constexpr qint64 kMaxEntrySize = 1024 * 1024;

    explicit BackupService(Database *database, QObject *parent = nullptr);

    // Empty only when the ZIP writer failed.
    QByteArray exportBackup() const;
    BackupImportResult importBackup(const QByteArray &archive, BackupImportMode mode);

private:
    enum class RowOutcome { Written, Skipped, Failed };

    struct TableColumns {
        QSet<QString> names;
        bool hasSync = false;
    };

    RowOutcome upsertRow(const QString &table, const TableColumns &columns, QJsonObject row,
                         BackupImportMode mode) const;
    TableColumns columnsOf(const QString &table) const;

    Database *m_database; // Not owned.
};
