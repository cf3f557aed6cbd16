// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/savepoint.h"

#include "services/servicelog.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Savepoint names only need to differ between scopes that are open at the same time.
int nextSerial() {
    static int serial = 0;
    return ++serial;
}

} // namespace

Savepoint::Savepoint(const QSqlDatabase &connection)
    : m_connection(connection)
    , m_name(QStringLiteral("quillon_%1").arg(nextSerial())) {
    m_open = exec(QStringLiteral("SAVEPOINT %1").arg(m_name));
}

Savepoint::~Savepoint() {
    rollback();
}

bool Savepoint::commit() {
    if (!m_open)
        return false;
    if (!exec(QStringLiteral("RELEASE %1").arg(m_name))) {
        rollback();
        return false;
    }
    m_open = false;
    return true;
}

void Savepoint::rollback() {
    if (!m_open)
        return;
    m_open = false;
    exec(QStringLiteral("ROLLBACK TO %1").arg(m_name));
    exec(QStringLiteral("RELEASE %1").arg(m_name));
}

bool Savepoint::exec(const QString &sql) {
    QSqlQuery query(m_connection);
    if (query.exec(sql))
        return true;
    qCWarning(lcServices).noquote() << "Savepoint:" << sql << "failed:" << query.lastError().text();
    return false;
}
