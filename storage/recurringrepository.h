// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/recurringtransaction.h"
#include "storage/repository.h"

#include <QList>
#include <QString>

#include <optional>

class RecurringRepository : public Repository {
    Q_OBJECT

public:
    explicit RecurringRepository(Database *database, QObject *parent = nullptr);

    // Live rules, earliest next due date first.
    QList<RecurringTransaction> findAll() const;
    // Also soft-deleted rules.
    std::optional<RecurringTransaction> findById(const QString &id) const;
    // Live, active rules due today (local date) or earlier.
    QList<RecurringTransaction> findDue() const;
    // Every pending row, soft-deleted ones included.
    QList<RecurringTransaction> findPending() const;
    // The date of the latest occurrence this rule has posted, invalid when none. Deleted
    // postings count: their ids still block posting that date again.
    QDate lastPostedDate(const QString &ruleId) const;

    // Both warn first when the rule's next due date is broken (invalid or before 2000), and
    // then save anyway: an old date is stored, an invalid one fails on NOT NULL.
    bool insert(const RecurringTransaction &rule);
    // Never changes account_id or created_at.
    bool update(const RecurringTransaction &rule);
    bool softDelete(const QString &id);
    // Takes a rule out of service without rewriting its other columns, so that a rule whose
    // stored next due date cannot be written back (unparsable, empty) can still be stopped.
    bool deactivate(const QString &id);
    // stamp: the deletion time to write, now when not valid.
    int softDeleteByAccount(const QString &accountId, const QDateTime &stamp = {});
    // Undoes softDeleteByAccount for the rows whose stamp lies within [from, to].
    int restoreByAccount(const QString &accountId, const QDateTime &from, const QDateTime &to);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    static bool isBrokenDueDate(const QDate &date);
    static RecurringTransaction readRule(RowReader &row);

Q_SIGNALS:
    void recurringChanged();

protected:
    void announceChange(const QString &accountId) override;

private:
    static QVariantList ownFields(const RecurringTransaction &rule);
    void warnIfBroken(const RecurringTransaction &rule, const char *operation) const;
};
