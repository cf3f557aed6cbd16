// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/repository.h"

#include "storage/database.h"
#include "storage/storagelog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>

Repository::Repository(Database *database, const QString &table, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_table(table) {
    connect(database, &Database::changed, this,
            [this](const QString &changed, const QString &subject) {
                if (changed == m_table)
                    announceChange(subject);
            });
}

void Repository::noteChange(const QString &subject) const {
    m_database->noteChange(m_table, subject);
}

QSqlQuery *Repository::run(const QString &sql, const QVariantList &values,
                           const char *operation) const {
    // Parsing a statement costs more than running it for the one-row reads and writes that
    // imports and syncs repeat thousands of times, so each text is prepared once and reused.
    QSqlError error;
    QSqlQuery *query = m_database->preparedStatement(sql, &error);
    if (!query) {
        if (operation)
            logFailure(operation, error.text());
        return nullptr;
    }
    for (int i = 0; i < values.size(); ++i)
        query->bindValue(i, values.at(i));
    if (!query->exec()) {
        if (operation)
            logFailure(operation, query->lastError().text());
        query->finish();
        return nullptr;
    }
    return query;
}

bool Repository::write(const QString &sql, const QVariantList &values,
                       const char *operation) const {
    QSqlQuery *query = run(sql, values, operation);
    if (query)
        query->finish();
    return query != nullptr;
}

bool Repository::change(const QString &sql, const QVariantList &values, const char *operation,
                        const QString &subject) {
    const bool ok = write(sql, values, operation);
    if (ok)
        noteChange(subject);
    return ok;
}

int Repository::writeCount(const QString &sql, const QVariantList &values,
                           const char *operation) const {
    QSqlQuery *query = run(sql, values, operation);
    if (!query)
        return 0;
    const int changed = qMax(0, query->numRowsAffected());
    query->finish();
    return changed;
}

void Repository::logFailure(const char *operation, const QString &error) const {
    qCWarning(lcStorage).noquote()
        << QStringLiteral("%1::%2 failed:")
               .arg(QLatin1String(metaObject()->className()), QLatin1String(operation))
        << error;
}

bool Repository::softDeleteRow(const QString &table, const QString &id, const char *operation,
                               const QString &accountId, const QDateTime &stamp) {
    const QString now = stamp.isValid() ? Timestamps::toText(stamp) : nowText();
    return change(QStringLiteral("UPDATE %1 SET deleted_at=?, sync_status='pending', updated_at=? "
                                 "WHERE id=?")
                      .arg(table),
                  {now, now, id}, operation, accountId);
}

int Repository::softDeleteAllOfAccount(const QString &table, const QString &accountId,
                                       const QDateTime &stamp) {
    const QString now = stamp.isValid() ? Timestamps::toText(stamp) : nowText();
    const int changed = writeCount(QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, "
                                                  "sync_status = 'pending' WHERE account_id = ? "
                                                  "AND deleted_at IS NULL")
                                       .arg(table),
                                   {now, now, accountId}, "softDeleteByAccount");
    if (changed > 0)
        noteChange(accountId);
    return changed;
}

int Repository::restoreAllOfAccount(const QString &table, const QString &accountId,
                                    const QDateTime &from, const QDateTime &to) {
    // The stored texts are fixed-width UTC, so they compare as the times they name.
    const int changed
        = writeCount(QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, "
                                    "sync_status = 'pending' WHERE account_id = ? "
                                    "AND deleted_at >= ? AND deleted_at <= ?")
                         .arg(table),
                     {nowText(), accountId, timestamp(from), timestamp(to)}, "restoreByAccount");
    if (changed > 0)
        noteChange(accountId);
    return changed;
}

bool Repository::markSyncedRow(const QString &table, const QString &id, const QString &serverId) {
    return write(
        QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=?").arg(table),
        {serverId, id}, nullptr);
}

int Repository::markAllPendingRows(const QString &table) {
    QSqlQuery *query = run(QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE "
                                          "deleted_at IS NULL AND sync_status != 'pending'")
                               .arg(table),
                           {}, "markAllPendingForResync");
    if (!query)
        return -1;
    const int changed = qMax(0, query->numRowsAffected());
    query->finish();
    if (changed > 0)
        noteChange();
    return changed;
}

QVariant Repository::textOrNull(const QString &text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant Repository::date(const QDate &value) {
    return Timestamps::dateToText(value);
}

QVariant Repository::timestamp(const QDateTime &value) {
    return Timestamps::toText(value);
}

QString Repository::jsonArray(const QStringList &texts) {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

QString Repository::jsonRows(const QList<QVariantList> &rows) {
    QJsonArray array;
    for (const QVariantList &row : rows) {
        QJsonArray values;
        for (const QVariant &value : row) {
            const bool null
                = !value.isValid() || value.isNull()
                  || (value.typeId() == QMetaType::QString && value.toString().isNull());
            values.append(null ? QJsonValue(QJsonValue::Null) : QJsonValue::fromVariant(value));
        }
        array.append(values);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QString Repository::nowText() {
    return Timestamps::toText(Timestamps::nowUtc());
}
