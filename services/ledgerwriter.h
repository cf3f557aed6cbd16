// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"
#include "storage/transaction.h"

#include <QDate>
#include <QObject>
#include <QString>

class AccountRepository;
class Database;
class TransactionRepository;

// Writes that create more than one row the way the screens do it (a new account with its
// opening balance, a transfer with both legs), inside one database transaction so that a
// failure leaves nothing half-written.
class LedgerWriter : public QObject {
    Q_OBJECT

public:
    enum class Result { Ok, TransferAccountNotFound, Failed };

    LedgerWriter(Database *database, AccountRepository *accounts,
                 TransactionRepository *transactions, QObject *parent = nullptr);

    // Stores the account with starting balance 0; a non-zero opening amount becomes an
    // "Opening Balance" transaction dated asOf, cleared and reconciled.
    bool createAccount(Account account, qint64 openingBalance, const QDate &asOf);

    // Stores a new transaction for transaction.accountId. A payee "[Transfer] NAME" makes it a
    // transfer to the account named exactly NAME: this leg's payee becomes "Transfer to NAME"
    // and the other account gets "Transfer from <this account>" with the opposite amount.
    Result addTransaction(Transaction transaction);

private:
    bool begin();
    bool finish(bool ok);

    Database *m_database;                  // Not owned.
    AccountRepository *m_accounts;         // Not owned.
    TransactionRepository *m_transactions; // Not owned.
};
