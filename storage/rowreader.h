// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"
#include "storage/timestamps.h"

#include <QDate>
#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

// Reads one result row column by column, in the order of the statement's column list, so
// that a record mapping is a sequence of reads that follows that list.
class RowReader {
public:
    explicit RowReader(const QSqlQuery &query)
        : m_query(query) {}

    QString text() { return next().toString(); }
    qint64 money() { return next().toLongLong(); }
    int number() { return next().toInt(); }
    bool flag() { return next().toBool(); }
    QDate date() { return Timestamps::dateFromText(text()); }
    QDateTime timestamp() { return Timestamps::fromText(text()); }

    // Absent when the column is NULL or empty.
    std::optional<QDate> optionalDate() {
        const QString value = text();
        if (value.isEmpty())
            return std::nullopt;
        return Timestamps::dateFromText(value);
    }
    std::optional<QDateTime> optionalTimestamp() {
        const QString value = text();
        if (value.isEmpty())
            return std::nullopt;
        return Timestamps::fromText(value);
    }

    // The trailing columns every synchronised table shares: version, sync_status,
    // server_id, created_at, updated_at, deleted_at.
    template<typename Record> void readBookkeeping(Record &record) {
        record.version = number();
        record.syncStatus = syncStatusFromString(text());
        record.serverId = text();
        record.createdAt = timestamp();
        record.updatedAt = timestamp();
        record.deletedAt = optionalTimestamp();
    }

    int column() const { return m_column; }

private:
    QVariant next() { return m_query.value(m_column++); }

    const QSqlQuery &m_query;
    int m_column = 0;
};
