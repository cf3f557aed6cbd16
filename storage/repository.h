// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/rowreader.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

class Database;

// What every repository shares: it prepares a statement on the one connection, binds the
// values positionally, executes it and, for the writes that report, logs
// "<Class>::<operation> failed:" with the driver's text. Reads that fail look empty.
// No cache: every call goes to the database.
class Repository : public QObject {
    Q_OBJECT

public:
    Database *database() const { return m_database; }

protected:
    // table: the one this repository writes; its change signal follows the database's
    // notices for it, whoever wrote.
    Repository(Database *database, const QString &table, QObject *parent);

    // Emits the concrete repository's change signal. subject is what the signal carries,
    // where it carries anything: the account id for transactions (empty when any account
    // may have changed), the key for preferences.
    virtual void announceChange(const QString &subject) = 0;
    // Tells the database that this repository's table changed; the change signal follows at
    // once, or after the outermost transaction scope committed.
    void noteChange(const QString &subject = QString()) const;

    // Binds values to the statement prepared once for sql and executes it; the statement, or
    // null when it failed (logged with an operation name). Callers finish() it when done, and
    // must not run the same text again while reading its rows.
    QSqlQuery *run(const QString &sql, const QVariantList &values, const char *operation) const;
    // A write of one statement; true when it executed.
    bool write(const QString &sql, const QVariantList &values, const char *operation) const;
    // A write that announces itself with the change signal when it executed.
    bool change(const QString &sql, const QVariantList &values, const char *operation,
                const QString &subject = QString());
    // A write whose result is the number of changed rows (0 on failure).
    int writeCount(const QString &sql, const QVariantList &values, const char *operation) const;
    void logFailure(const char *operation, const QString &error) const;

    // Runs a read and hands every row to visit, in order; false when the statement failed.
    template<typename Visitor>
    bool forEachRow(const QString &sql, const QVariantList &values, Visitor visit) const {
        QSqlQuery *query = run(sql, values, nullptr);
        if (!query)
            return false;
        while (query->next()) {
            RowReader row(*query);
            visit(row);
        }
        // Release the statement (it stays prepared) so no read is left open.
        query->finish();
        return true;
    }

    template<typename Record, typename Mapper>
    QList<Record> readList(const QString &sql, const QVariantList &values, Mapper map) const {
        QList<Record> records;
        forEachRow(sql, values, [&](RowReader &row) { records.append(map(row)); });
        return records;
    }

    template<typename Record, typename Mapper>
    std::optional<Record> readFirst(const QString &sql, const QVariantList &values,
                                    Mapper map) const {
        QSqlQuery *query = run(sql, values, nullptr);
        if (!query)
            return std::nullopt;
        if (!query->next()) {
            query->finish();
            return std::nullopt;
        }
        RowReader row(*query);
        std::optional<Record> record = map(row);
        query->finish();
        return record;
    }

    // The operations whose statements differ between the synchronised tables only by the
    // table's name. Each announces a change it made; softDeleteRow with accountId, the
    // others with the account id they were given, or none.
    // A stamp that is not valid means now; a cascade passes one stamp to every table so that
    // its rows can be told apart from those deleted on their own.
    bool softDeleteRow(const QString &table, const QString &id, const char *operation,
                       const QString &accountId = QString(), const QDateTime &stamp = {});
    int softDeleteAllOfAccount(const QString &table, const QString &accountId,
                               const QDateTime &stamp = {});
    // Brings back the account's rows whose deletion stamp lies within [from, to].
    int restoreAllOfAccount(const QString &table, const QString &accountId, const QDateTime &from,
                            const QDateTime &to);
    bool markSyncedRow(const QString &table, const QString &id, const QString &serverId);
    int markAllPendingRows(const QString &table);

    // Binding conventions.
    static QVariant textOrNull(const QString &text);
    static QVariant flag(bool value) { return value ? 1 : 0; }
    static QVariant date(const QDate &value);
    static QVariant timestamp(const QDateTime &value);
    static QString nowText();
    // Values handed to a statement as one JSON text (read back with json_each), in the
    // binding's terms: an empty value or a null text is null.
    static QString jsonArray(const QStringList &texts);
    static QString jsonRows(const QList<QVariantList> &rows);

    // The bookkeeping values that insert binds after the record's own fields:
    // version, sync_status, server_id, created_at, updated_at.
    template<typename Record> static QVariantList insertBookkeeping(const Record &record) {
        return {record.version, syncStatusToString(record.syncStatus), record.serverId,
                timestamp(record.createdAt), timestamp(record.updatedAt)};
    }
    // What update binds last: version, sync_status, server_id, updated_at, then the id.
    template<typename Record> static QVariantList updateBookkeeping(const Record &record) {
        return {record.version, syncStatusToString(record.syncStatus), record.serverId,
                timestamp(record.updatedAt), record.id};
    }

private:
    Database *m_database; // Not owned.
    QString m_table;
};
