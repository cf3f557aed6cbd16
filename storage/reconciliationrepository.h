// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/reconciliation.h"
#include "storage/repository.h"

#include <QList>
#include <QString>

#include <optional>

class ReconciliationRepository : public Repository {
    Q_OBJECT

public:
    explicit ReconciliationRepository(Database *database, QObject *parent = nullptr);

    // Live reconciliations of one account, newest statement first.
    QList<Reconciliation> findByAccount(const QString &accountId) const;
    std::optional<Reconciliation> findById(const QString &id) const;
    // The live reconciliation with the latest statement date.
    std::optional<Reconciliation> findLatest(const QString &accountId) const;
    QList<Reconciliation> findPending() const;

    // A created or updated time that is not valid is stored as the current time.
    bool insert(const Reconciliation &reconciliation);
    // May move the reconciliation to another account.
    bool update(const Reconciliation &reconciliation);
    // Reconciliations are only soft-deleted together with their account.
    // stamp: the deletion time to write, now when not valid.
    int softDeleteByAccount(const QString &accountId, const QDateTime &stamp = {});
    // Undoes softDeleteByAccount for the rows whose stamp lies within [from, to].
    int restoreByAccount(const QString &accountId, const QDateTime &from, const QDateTime &to);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    static Reconciliation readReconciliation(RowReader &row);

Q_SIGNALS:
    void reconciliationsChanged();

protected:
    void announceChange(const QString &accountId) override;

private:
    static QVariantList ownFields(const Reconciliation &reconciliation);
};
