// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

class Database;

// All-or-nothing scope for work that spans several statements. The outermost scope on a
// connection begins an IMMEDIATE transaction: it takes the write lock up front, so a second
// process waits for it under the busy timeout instead of failing when its read turns into a
// write. A scope opened while another is open becomes a savepoint, so writes nest. Change
// notices of the writes inside are held back until the outermost scope commits and dropped
// when it rolls back. Rolls back on destruction unless committed.
class TransactionScope {
public:
    explicit TransactionScope(Database *database);
    ~TransactionScope();

    TransactionScope(const TransactionScope &) = delete;
    TransactionScope &operator=(const TransactionScope &) = delete;

    // False when the scope could not be opened; nothing should be written then.
    bool isOpen() const { return m_open; }
    // False when nothing was open or the commit failed; the work is rolled back then, and
    // the caller logs errorText(). A scope that cannot open logs itself.
    bool commit();
    void rollback();
    // The driver's text of the last failed step.
    QString errorText() const { return m_error; }

private:
    bool exec(const QString &sql, bool quiet = false);
    void close();

    Database *m_database; // Not owned.
    QString m_savepoint;  // Empty for the outermost scope.
    QString m_error;
    int m_noticeMark = 0;
    bool m_open = false;
};
