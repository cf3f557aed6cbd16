// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QSqlDatabase>
#include <QString>

// All-or-nothing scope for work that spans several statements. A savepoint rather than
// BEGIN, so that scopes nest: inside an enclosing transaction it only marks a point to roll
// back to. Rolls back on destruction unless committed.
class Savepoint {
public:
    explicit Savepoint(const QSqlDatabase &connection);
    ~Savepoint();

    Savepoint(const Savepoint &) = delete;
    Savepoint &operator=(const Savepoint &) = delete;

    // False when the savepoint could not be opened; nothing should be written then.
    bool isOpen() const { return m_open; }
    bool commit();
    void rollback();

private:
    bool exec(const QString &sql);

    QSqlDatabase m_connection;
    QString m_name;
    bool m_open = false;
};
