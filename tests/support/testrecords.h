// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"
#include "storage/category.h"
#include "storage/reconciliation.h"
#include "storage/recurringtransaction.h"
#include "storage/timestamps.h"
#include "storage/transaction.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// Small, valid records for repository tests; tests change the fields they are about.
namespace TestRecords {

// A fixed, whole-second creation time; offsets order rows created "later".
inline QDateTime stamp(int secondsLater = 0) {
    return QDateTime(QDate(2026, 1, 2), QTime(10, 0), Qt::UTC).addSecs(secondsLater);
}

inline Account account(const QString &id, const QString &name = QStringLiteral("Checking"),
                       qint64 startingBalance = 0) {
    Account a;
    a.id = id;
    a.name = name;
    a.startingBalance = startingBalance;
    a.createdAt = a.updatedAt = stamp();
    return a;
}

inline Category category(const QString &id, const QString &name) {
    Category c;
    c.id = id;
    c.name = name;
    c.createdAt = c.updatedAt = stamp();
    return c;
}

inline Transaction transaction(const QString &id, const QString &accountId, const QDate &date,
                               qint64 amount, const QString &payee = QStringLiteral("Payee"),
                               const QString &memo = QString(), int createdOffset = 0) {
    Transaction t;
    t.id = id;
    t.accountId = accountId;
    t.date = date;
    t.amount = amount;
    t.payee = payee;
    t.memo = memo;
    t.createdAt = t.updatedAt = stamp(createdOffset);
    return t;
}

inline RecurringTransaction rule(const QString &id, const QString &accountId,
                                 const QDate &nextDue) {
    RecurringTransaction r;
    r.id = id;
    r.accountId = accountId;
    r.payee = QStringLiteral("Rent");
    r.amount = -120000;
    r.startDate = QDate(2025, 1, 1);
    r.nextDueDate = nextDue;
    r.createdAt = r.updatedAt = stamp();
    return r;
}

inline Reconciliation reconciliation(const QString &id, const QString &accountId,
                                     const QDate &statementDate) {
    Reconciliation r;
    r.id = id;
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = r.reconciledBalance = 1000;
    r.completedAt = stamp();
    return r;
}

} // namespace TestRecords
