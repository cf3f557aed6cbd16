// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/csvmapping.h"
#include "services/importresult.h"
#include "storage/transaction.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class CategoryRepository;
class QSqlQuery;
class TransactionRepository;

// Reads bank exports (CSV with a column mapping, or QIF) into one account. Rows that
// cannot be read are skipped, rows the account already has are counted as duplicates,
// missing categories are created by name. One import is one database transaction: a row
// whose writes fail is undone alone, and a failure to commit leaves the database as it was
// and reports nothing imported.
class ImportService : public QObject {
    Q_OBJECT

public:
    ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                  QObject *parent = nullptr);

    ImportResult importCsv(const QString &filePath, const QString &accountId,
                           const CsvMapping &mapping);
    ImportResult importQif(const QString &filePath, const QString &accountId);

private:
    struct Candidate {
        Transaction transaction;
        QString categoryName;
    };

    ImportResult importCandidates(const QList<Candidate> &candidates);
    bool isDuplicate(QSqlQuery &query, const Transaction &transaction) const;
    // The id of the live category of this name, created when there is none; empty for an
    // empty name, or when creating failed.
    std::optional<QString> resolveCategory(const QString &name);

    TransactionRepository *m_transactions; // Not owned.
    CategoryRepository *m_categories;      // Not owned.
};
