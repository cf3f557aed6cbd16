// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/ledgerwriter.h"
#include "storage/recurringtransaction.h"
#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class Database;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;
class UndoStack;

// What a person typed for one transaction, and nothing else: the register row or the form
// hands these over, and the writer builds the record from them and the stored row.
struct EntryFields {
    QString id;        // empty: a new transaction
    QString accountId; // the account of a new transaction; an edit keeps the stored one
    QDate date;
    QString payee;
    QString checkNumber;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    bool cleared = false;
    bool reconciled = false;

    static EntryFields from(const Transaction &transaction);
};

// The one way the screens change a transaction: a row typed or edited in the register or the
// form, its split lines, its cleared mark, a recurring rule memorized from it. Records are
// built and stamped (through LedgerWriter) here, each change in one database transaction.
class EntryWriter : public QObject {
    Q_OBJECT

public:
    using Result = LedgerWriter::Result;

    EntryWriter(Database *database, LedgerWriter *ledger, AccountRepository *accounts,
                TransactionRepository *transactions, SplitLineRepository *splitLines,
                RecurringRepository *recurring, QObject *parent = nullptr);

    // Saves a new (empty id) or edited transaction. lines, when given, replace its split
    // lines (an empty list removes the split); without them an edit keeps the stored ones.
    // savedId, when given, receives the id written. See LedgerWriter for the transfer rules
    // and rewriteReconciledLeg.
    Result save(const EntryFields &fields, const QList<SplitLine> *lines = nullptr,
                bool rewriteReconciledLeg = false, QString *savedId = nullptr);

    // Marks a stored transaction cleared or not; unclearing also drops its reconciled mark.
    Result setCleared(const QString &id, bool cleared);

    // Replaces the split lines of a stored transaction and marks it split.
    Result split(const QString &id, const QList<SplitLine> &lines);

    // Stores a new recurring rule taken from a transaction; NotFound when its account is
    // not live.
    Result memorize(RecurringTransaction rule);

    // Where the changes made through this writer are recorded for undo; none by default.
    void setUndoStack(UndoStack *undo) { m_undo = undo; }

private:
    Database *m_database;                  // Not owned.
    LedgerWriter *m_ledger;                // Not owned.
    AccountRepository *m_accounts;         // Not owned.
    TransactionRepository *m_transactions; // Not owned.
    SplitLineRepository *m_splitLines;     // Not owned.
    RecurringRepository *m_recurring;      // Not owned.
    UndoStack *m_undo = nullptr;           // Not owned; may be null.
};
