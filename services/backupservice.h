// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/backupimportmode.h"
#include "services/backupimportresult.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class Database;

// Writes the six record tables into a ZIP archive (one JSON entry per row, every column by
// name, soft-deleted rows included, and "manifest.json") and merges such an archive back.
// A restore is one database transaction: a row that fails on its own values is refused
// alone, while any other write failure (a lock, a full disk) or a failure to commit leaves
// the database as it was. Restored rows are written with plain SQL; their sync bookkeeping
// is reset so that the next sync uploads them.
class BackupService : public QObject {
    Q_OBJECT

public:
    // The largest row file export writes and restore reads. A row file is usually a few
    // hundred bytes; this leaves room for texts of several MiB (even with every character
    // escaped) while a hostile archive cannot make a restore inflate more than this per entry.
    static constexpr qint64 kMaxEntrySize = 16 * 1024 * 1024;
    // The most a restore inflates in all, checked before it takes the write lock (about eight
    // million rows of the usual size); export refuses to write more.
    static constexpr qint64 kMaxTotalSize = qint64(4) * 1024 * 1024 * 1024;

    explicit BackupService(Database *database, QObject *parent = nullptr);

    // Empty when a table cannot be read, a row is too large to restore, or the ZIP writer
    // failed; error then says why.
    // Empty as well when the cancel check stopped it.
    QByteArray exportBackup(QString *error = nullptr);
    BackupImportResult importBackup(const QByteArray &archive, BackupImportMode mode);

    // Asked between rows; when it answers true an export stops and returns nothing, and a
    // restore stops and restores nothing. Asked on the thread the work runs on only.
    void setCancelCheck(std::function<bool()> check) { m_cancelCheck = std::move(check); }

Q_SIGNALS:
    // Rows written (export) or handled (restore) so far, now and then during the work.
    void progressed(qint64 rows);

private:
    enum class RowOutcome { Written, Skipped, Failed, UnknownColumns, Fatal };
    enum class ColumnKind { Text, Integer, Amount, Flag, Date };

    struct TableColumns {
        QHash<QString, ColumnKind> kinds;
        // The column that references a row of the same table (a category's parent).
        QString selfReference;
        bool hasSync = false;
    };

    struct Row {
        QString path;
        QJsonObject object;
    };

    // detail: the refused column, the unknown columns, or the driver's text of a failure.
    RowOutcome upsertRow(const QString &table, const TableColumns &columns, QJsonObject row,
                         BackupImportMode mode, QString *detail) const;
    TableColumns columnsOf(const QString &table) const;
    static bool checkedValue(const QJsonValue &value, ColumnKind kind, QVariant *variant);
    static QList<Row> orderedByReference(const QList<Row> &rows, const QString &column);

    bool cancelRequested() const { return m_cancelCheck && m_cancelCheck(); }
    // Counts one row and now and then tells how far the work got.
    void countRow(qint64 *rows);

    Database *m_database; // Not owned.
    std::function<bool()> m_cancelCheck;
};
