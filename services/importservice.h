// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/csvmapping.h"
#include "services/importresult.h"
#include "storage/transaction.h"

#include <QObject>
#include <QString>

#include <functional>

class CategoryRepository;
class TransactionRepository;
class UndoStack;

// Reads bank exports (CSV with a column mapping, QIF, OFX/QFX or CAMT.053) into one account.
// The import rules set payees, categories and memos as rows come in, and a row whose other
// leg of a transfer already stands in another account is linked to it. The file is read
// and stored row by row, so its size does not matter to memory. Rows that cannot be read
// or are refused count as failed, rows the account already has as duplicates; missing
// categories are created by name. One import is one database transaction: a failure of the
// database itself (locked, read-only, full) undoes the whole import and is reported as the
// result's error.
class ImportService : public QObject {
    Q_OBJECT

public:
    ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                  QObject *parent = nullptr);

    ImportResult importCsv(const QString &filePath, const QString &accountId,
                           const CsvMapping &mapping);
    // QIF amounts are written with cents; an account in whole yen takes them only when they
    // hold no fraction of a yen.
    ImportResult importQif(const QString &filePath, const QString &accountId,
                           Currency currency = Currency::USD);
    // An OFX, QFX or CAMT.053 statement, told apart by content. Rows carry the bank's id of
    // the entry, so a file imported again, or one overlapping an earlier one, adds only what
    // is new. A file that cannot be read whole stores nothing. A file with statements of
    // several accounts gives only the statement whose account number ends in the account's
    // last four digits, and is refused whole when that picks out none or more than one.
    ImportResult importBankFile(const QString &filePath, const QString &accountId);

    // Asked between rows; when it answers true the import stops, stores nothing and reports
    // itself cancelled. It may be asked from the thread the import runs on only, so a
    // caller on another thread answers from an atomic flag.
    void setCancelCheck(std::function<bool()> check) { m_cancelCheck = std::move(check); }
    // Where a finished import is recorded as one step for undo; none by default.
    void setUndoStack(UndoStack *undo) { m_undo = undo; }

Q_SIGNALS:
    // Rows of the file handled so far, now and then during an import.
    void progressed(qint64 rows);

private:
    class Writer;

    static QList<int> statementsOf(const QList<BankStatement> &statements, const QString &last4,
                                   QString *error);

    TransactionRepository *m_transactions; // Not owned.
    CategoryRepository *m_categories;      // Not owned.
    std::function<bool()> m_cancelCheck;
    UndoStack *m_undo = nullptr; // Not owned; may be null.
};
