// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class AccountRepository;
class BudgetRepository;
class CategoryRepository;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// The tables this device shares with the sync server, described once: how each is named
// on the wire and in the database, which repository keeps it, and what a pulled record of it
// may refer to. The engine pushes and the page applier merges every kind through this one
// description, so no kind has code of its own.
class SyncTables {
public:
    // In push and pull order: a record comes after the rows it refers to.
    enum class Kind { Account, Category, Recurring, Transaction, Reconciliation, Budget };

    // Makes the change object of a row read earlier.
    using PendingChange = std::function<QJsonObject()>;

    // What merging a pulled record needs to know of the local row.
    struct RowState {
        int version = 0;
        bool pending = false; // changed here and not pushed yet
        bool deleted = false;
        QString accountId; // empty for kinds that belong to no account
        // The row is synced and already holds exactly the pulled record (typically the echo
        // of this device's own push): storing it again would change nothing.
        bool holdsRecord = false;
    };

    struct Table {
        Kind kind = Kind::Account;
        QString entityType; // "entity_type" of its changes
        QString name;       // the database table
        QString pullKey;    // its array in a pulled page
        QString oldPullKey; // read instead when a page has no pullKey array

        // Rules of the merge. Log lines name the kind as logName does.
        QString logName;
        // A pulled record waits (is held) until the account in "account_id" has arrived.
        bool waitsForAccount = false;
        // A pulled record waits until the category in "category_id" has arrived: it cannot
        // be stored without one.
        bool waitsForCategory = false;
        // Servers older than this kind refuse a whole push that carries it. Its rows are
        // pushed only to a server whose pulled pages have shown its array.
        bool newerServersOnly = false;
        // A category the record refers to through this member; until it arrives the record
        // is stored without it, and put back when it does.
        QString categoryKey;
        QString categoryRole; // how log lines call that category
        // The referred category may come later in the same page (a parent after its child).
        bool categoryMayFollowInPage = false;
        // A date that must be sane (valid, year 2000 or later), else the record is skipped.
        QString dateKey;
        QString dateName; // how log lines call that date
        bool hasPayee = false;
        // A pulled deletion is applied through the repository, so that it is pushed back;
        // otherwise it is only recorded.
        bool echoesDeletion = false;

        // The repository, with the record type out of the way.
        // The rows waiting to be pushed, in order, each read now and turned into its change
        // object only when its batch is sent.
        std::function<QList<PendingChange>()> pendingChanges;
        // The change object the row would push now; none when the row is gone.
        std::function<std::optional<QJsonObject>(const QString &id)> change;
        std::function<bool(const QString &id, const QString &serverId)> markSynced;
        // The row with this id; record, when given, is the pulled record to compare it with.
        std::function<std::optional<RowState>(const QString &id, const QJsonObject *record)>
            rowState;
        // Stores a pulled record whose "client_id" is the local id: updates the row when it
        // exists, else inserts it.
        std::function<bool(const QJsonObject &record, bool exists)> store;
        // Where the repository reads and writes many rows at once (the kind a first sync
        // brings by the hundred thousand), unset otherwise.
        // The rows of pulled records by their "client_id", each compared with its record as
        // rowState does; ids without a row are left out. None when they could not be read.
        std::function<std::optional<QHash<QString, RowState>>(const QList<QJsonObject> &records)>
            rowStates;
        // Inserts new rows for pulled records whose "client_id" is the local id, with one
        // statement; false when that failed, and then nothing of them was stored.
        std::function<bool(const QList<QJsonObject> &records)> insertMany;
        std::function<bool(const QString &id)> softDelete; // set when echoesDeletion

        // The records of this kind a pulled page carries.
        QJsonArray pulled(const QJsonObject &page) const;
    };

    // Budgets are kept through a repository of the tables' own, on the categories' database.
    SyncTables(AccountRepository *accounts, TransactionRepository *transactions,
               CategoryRepository *categories, RecurringRepository *recurring,
               ReconciliationRepository *reconciliations);

    const QList<Table> &all() const { return m_tables; }
    const Table &table(Kind kind) const { return m_tables.at(int(kind)); }
    // Null for an entity type this device does not know.
    const Table *byEntityType(const QString &entityType) const;

private:
    std::shared_ptr<BudgetRepository> m_budgets;
    QList<Table> m_tables;
};
