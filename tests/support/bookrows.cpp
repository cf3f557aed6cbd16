// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/bookrows.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const char *const kTables[]
    = {"accounts",        "categories", "transactions", "split_lines", "recurring_transactions",
       "reconciliations", "budgets"};

bool isMovedOn(const QString &column) {
    return column == QLatin1String("version") || column == QLatin1String("updated_at")
           || column == QLatin1String("sync_status") || column == QLatin1String("server_id");
}

} // namespace

BookRows::Rows BookRows::live(const QSqlDatabase &connection) {
    Rows rows;
    QSqlQuery query(connection);
    for (const char *table : kTables) {
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table))))
            qFatal("%s", qPrintable(query.lastError().text()));
        while (query.next()) {
            const QSqlRecord record = query.record();
            if (record.indexOf(QStringLiteral("deleted_at")) >= 0
                && !record.value(QStringLiteral("deleted_at")).isNull())
                continue;
            QVariantMap row;
            for (int i = 0; i < record.count(); ++i) {
                if (!isMovedOn(record.fieldName(i)))
                    row.insert(record.fieldName(i), record.value(i));
            }
            rows.insert(QLatin1String(table) + QLatin1Char('/')
                            + record.value(QStringLiteral("id")).toString(),
                        row);
        }
    }
    return rows;
}

QMap<QString, qint64> BookRows::versions(const QSqlDatabase &connection) {
    QMap<QString, qint64> result;
    QSqlQuery query(connection);
    for (const char *table : kTables) {
        // Split lines have no version: they go and come with their transaction's.
        if (QLatin1String(table) == QLatin1String("split_lines"))
            continue;
        if (!query.exec(QStringLiteral("SELECT id, version FROM %1").arg(QLatin1String(table))))
            qFatal("%s", qPrintable(query.lastError().text()));
        while (query.next())
            result.insert(QLatin1String(table) + QLatin1Char('/') + query.value(0).toString(),
                          query.value(1).toLongLong());
    }
    return result;
}
