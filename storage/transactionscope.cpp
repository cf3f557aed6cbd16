// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/transactionscope.h"

#include "storage/database.h"
#include "storage/storagelog.h"

#include <QSqlError>
#include <QSqlQuery>

TransactionScope::TransactionScope(Database *database)
    : m_database(database) {
    if (!m_database)
        return;
    if (m_database->m_transactionDepth == 0) {
        m_open = exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        // Names only need to differ between the scopes open at one time.
        m_savepoint = QStringLiteral("quillon_%1").arg(m_database->m_transactionDepth);
        m_open = exec(QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    if (m_open) {
        ++m_database->m_transactionDepth;
        m_noticeMark = m_database->m_pendingNotices.size();
    }
}

TransactionScope::~TransactionScope() {
    rollback();
}

bool TransactionScope::commit() {
    if (!m_open)
        return false;
    const bool ok = exec(m_savepoint.isEmpty() ? QStringLiteral("COMMIT")
                                               : QStringLiteral("RELEASE ") + m_savepoint,
                         true);
    if (!ok) {
        const QString error = m_error;
        rollback();
        m_error = error;
        return false;
    }
    close();
    if (m_savepoint.isEmpty())
        m_database->publishNotices();
    return true;
}

void TransactionScope::rollback() {
    if (!m_open)
        return;
    if (m_savepoint.isEmpty()) {
        exec(QStringLiteral("ROLLBACK"));
    } else {
        exec(QStringLiteral("ROLLBACK TO ") + m_savepoint);
        exec(QStringLiteral("RELEASE ") + m_savepoint);
    }
    close();
    // What was written inside this scope never happened; what the enclosing scope wrote
    // before it still stands.
    m_database->dropNoticesFrom(m_noticeMark);
}

void TransactionScope::close() {
    m_open = false;
    --m_database->m_transactionDepth;
}

bool TransactionScope::exec(const QString &sql, bool quiet) {
    // Prepared once: an import opens a savepoint for every row.
    QSqlError error;
    QSqlQuery *query = m_database->preparedStatement(sql, &error);
    const bool ok = query && query->exec();
    if (query) {
        if (!ok)
            error = query->lastError();
        query->finish();
    }
    if (ok)
        return true;
    m_error = error.text();
    if (!quiet)
        qCWarning(lcStorage).noquote() << "TransactionScope:" << sql << "failed:" << m_error;
    return false;
}
