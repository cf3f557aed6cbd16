// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"
#include "storage/budget.h"
#include "storage/category.h"
#include "storage/enums.h"
#include "storage/reconciliation.h"
#include "storage/recurringtransaction.h"
#include "storage/transaction.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

// The JSON the sync server speaks: a change object per pushed row, and the local record of
// each pulled one. Pulled values are read leniently (absent members read as empty, zero or
// false); pushed ones are written in the server's encodings (flags as 0/1, money as integer
// minor units, dates as yyyy-MM-dd).
class SyncWire {
public:
    // The "entity_type" of each kind.
    static const QString AccountEntity;
    static const QString CategoryEntity;
    static const QString RecurringEntity;
    static const QString TransactionEntity;
    static const QString ReconciliationEntity;
    static const QString BudgetEntity;

    // {"entity_type", "entity_id", "action", "version", "payload"}.
    static QJsonObject change(const Account &account);
    static QJsonObject change(const Category &category);
    static QJsonObject change(const RecurringTransaction &rule);
    static QJsonObject change(const Transaction &transaction);
    static QJsonObject change(const Reconciliation &reconciliation);
    static QJsonObject change(const Budget &budget);

    static QJsonObject payload(const Account &account);
    static QJsonObject payload(const Category &category);
    static QJsonObject payload(const RecurringTransaction &rule);
    static QJsonObject payload(const Transaction &transaction);
    static QJsonObject payload(const Reconciliation &reconciliation);
    static QJsonObject payload(const Budget &budget);

    // Whether two records push the same change, without building either.
    static bool sameChange(const Account &a, const Account &b);
    static bool sameChange(const Category &a, const Category &b);
    static bool sameChange(const RecurringTransaction &a, const RecurringTransaction &b);
    static bool sameChange(const Transaction &a, const Transaction &b);
    static bool sameChange(const Reconciliation &a, const Reconciliation &b);
    static bool sameChange(const Budget &a, const Budget &b);

    // The local record of a pulled one: id = "client_id", serverId = "id", synced, with the
    // pulled version. The caller replaces the id when it matched the row another way.
    static Account accountFromPull(const QJsonObject &record);
    static Category categoryFromPull(const QJsonObject &record);
    static RecurringTransaction recurringFromPull(const QJsonObject &record);
    static Transaction transactionFromPull(const QJsonObject &record);
    static Reconciliation reconciliationFromPull(const QJsonObject &record);
    static Budget budgetFromPull(const QJsonObject &record);

    // Value readers of pulled members.
    static QString readText(const QJsonObject &record, const QString &key);
    static qint64 readMoney(const QJsonObject &record, const QString &key);
    static int readInteger(const QJsonObject &record, const QString &key);
    static bool readFlag(const QJsonObject &record, const QString &key);
    static QDate readDate(const QJsonObject &record, const QString &key);
    static QDateTime readTimestamp(const QJsonObject &record, const QString &key);
    static bool isDeleted(const QJsonObject &record);
    // Whether every money member of a pulled record of this entity type is a number within
    // the amount limit of the currency; an absent member counts as zero.
    static bool amountsInRange(const QString &entityType, const QJsonObject &record,
                               Currency currency);

    static QString dateText(const QDate &date);
    static QString timestampText(const QDateTime &timestamp);
};
