// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testdatabase.h"

#include "storage/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

TestDatabase::TestDatabase(const QString &connectionName)
    : m_database(std::make_unique<Database>(connectionName)) {
    m_ok = m_dir.isValid() && m_database->open(path()) && m_database->runMigrations();
}

TestDatabase::~TestDatabase() {
    m_dir.setAutoRemove(!QTest::currentTestFailed());
    if (QTest::currentTestFailed())
        qWarning("Test database kept at %s", qPrintable(path()));
}

QSqlDatabase TestDatabase::connection() const {
    return m_database->connection();
}

QString TestDatabase::path() const {
    return m_dir.filePath(QStringLiteral("quillon.db"));
}

QVariant TestDatabase::scalar(const QString &sql) const {
    QSqlQuery query(connection());
    if (!query.exec(sql)) {
        qWarning("SQL failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return QVariant();
    }
    return query.next() ? query.value(0) : QVariant();
}
