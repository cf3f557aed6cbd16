// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// The books as rows, for tests that compare them whole before and after a change: every
// live row of the tables a person's change writes, by "table/id", with every column except
// what undo and sync move on (version, update time, sync bookkeeping).
class BookRows {
public:
    using Rows = QMap<QString, QVariantMap>;

    static Rows live(const QSqlDatabase &connection);
    // The version of every row, deleted ones included, by "table/id".
    static QMap<QString, qint64> versions(const QSqlDatabase &connection);
};
