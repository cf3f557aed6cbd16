// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ledgerwriter.h"

#include "services/servicelog.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QSqlError>

LedgerWriter::LedgerWriter(Database *database, AccountRepository *accounts,
                           TransactionRepository *transactions, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions) {}

bool LedgerWriter::begin() {
    QSqlDatabase db = m_database->connection();
    if (!db.transaction()) {
        qCWarning(lcServices).noquote() << "LedgerWriter::begin failed:" << db.lastError().text();
        return false;
    }
    return true;
}

bool LedgerWriter::finish(bool ok) {
    QSqlDatabase db = m_database->connection();
    if (ok && db.commit())
        return true;
    if (ok)
        qCWarning(lcServices).noquote() << "LedgerWriter::commit failed:" << db.lastError().text();
    db.rollback();
    return false;
}

bool LedgerWriter::createAccount(Account account, qint64 openingBalance, const QDate &asOf) {
    const QDateTime now = Timestamps::nowUtc();
    if (account.id.isEmpty())
        account.id = Identifiers::newId();
    account.startingBalance = 0;
    account.version = 1;
    account.syncStatus = SyncStatus::Pending;
    account.createdAt = account.updatedAt = now;

    if (!begin())
        return false;
    bool ok = m_accounts->insert(account);
    if (ok && openingBalance != 0) {
        Transaction opening;
        opening.id = Identifiers::newId();
        opening.accountId = account.id;
        opening.date = asOf.isValid() ? asOf : QDate::currentDate();
        opening.payee = QStringLiteral("Opening Balance");
        opening.amount = openingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.createdAt = opening.updatedAt = now;
        ok = m_transactions->insert(opening);
    }
    return finish(ok);
}

LedgerWriter::Result LedgerWriter::addTransaction(Transaction transaction) {
    const QDateTime now = Timestamps::nowUtc();
    if (transaction.id.isEmpty())
        transaction.id = Identifiers::newId();
    transaction.version = 1;
    transaction.syncStatus = SyncStatus::Pending;
    transaction.createdAt = transaction.updatedAt = now;

    const QString transferPrefix = QStringLiteral("[Transfer] ");
    std::optional<Account> other;
    if (transaction.payee.startsWith(transferPrefix)) {
        const QString name = transaction.payee.mid(transferPrefix.size());
        for (const Account &account : m_accounts->findAll()) {
            if (account.name == name) {
                other = account;
                break;
            }
        }
        if (!other)
            return Result::TransferAccountNotFound;
        transaction.payee = QStringLiteral("Transfer to %1").arg(name);
    }

    if (!begin())
        return Result::Failed;
    bool ok = true;
    if (other) {
        const std::optional<Account> self = m_accounts->findById(transaction.accountId);
        Transaction leg;
        leg.id = Identifiers::newId();
        leg.accountId = other->id;
        leg.date = transaction.date;
        leg.payee = QStringLiteral("Transfer from %1").arg(self ? self->name : QString());
        leg.amount = -transaction.amount;
        leg.cleared = transaction.cleared;
        leg.reconciled = transaction.reconciled;
        leg.transferLinkId = transaction.id;
        leg.transferDestAccountId = transaction.accountId;
        leg.createdAt = leg.updatedAt = now;
        ok = m_transactions->insert(leg);
        transaction.transferLinkId = leg.id;
        transaction.transferDestAccountId = other->id;
    }
    ok = ok && m_transactions->insert(transaction);
    return finish(ok) ? Result::Ok : Result::Failed;
}
