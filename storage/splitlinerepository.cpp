// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/splitlinerepository.h"

#include "storage/identifiers.h"
#include "storage/rowreader.h"
#include "storage/timestamps.h"

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : Repository(database, QStringLiteral("split_lines"), parent) {}

QList<SplitLine> SplitLineRepository::findByTransaction(const QString &transactionId) const {
    QList<SplitLine> lines;
    forEachRow(QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, "
                              "updated_at FROM split_lines WHERE transaction_id = ? "
                              "ORDER BY created_at, rowid"),
               {transactionId}, [&](RowReader &row) {
                   SplitLine line;
                   line.id = row.text();
                   line.transactionId = row.text();
                   line.categoryId = row.text();
                   line.amount = row.money();
                   line.memo = row.text();
                   line.createdAt = row.timestamp();
                   line.updatedAt = row.timestamp();
                   lines.append(line);
               });
    return lines;
}

bool SplitLineRepository::replaceForTransaction(const QString &transactionId,
                                                const QList<SplitLine> &lines) {
    if (!change(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"), {transactionId},
                "replaceForTransaction"))
        return false;
    const QString now = Timestamps::toText(Timestamps::nowUtc());
    for (const SplitLine &line : lines) {
        const QString created = line.createdAt.isValid() ? Timestamps::toText(line.createdAt) : now;
        if (!change(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, "
                                   "amount, memo, created_at, updated_at) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    {line.id.isEmpty() ? Identifiers::newId() : line.id, transactionId,
                     line.categoryId, line.amount, line.memo, created, now},
                    "replaceForTransaction"))
            return false;
    }
    return true;
}
