// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace TestRecords;

class tst_AccountRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip();
    void findAllOrdersBySortOrderThenBinaryName();
    void softDeleteAndRestore();
    void markAllPendingForResync();
    void markSyncedUnknownIdChangesNothing();
    void updateSortOrder();
    void failedInsertIsLogged();
    void balances();
    void balancesThatCannotBeSummed();
};

void tst_AccountRepository::roundTrip() {
    TestDatabase db;
    QVERIFY(db.isValid());
    AccountRepository repo(db.database());
    Account a = account("a1", "Visa", -2550);
    a.type = AccountType::CreditCard;
    a.currency = Currency::JPY;
    a.institution = "Bank";
    a.accountNumberLast4 = "0042";
    a.sortOrder = 3;
    a.isShared = true;
    a.version = 4;
    a.syncStatus = SyncStatus::Conflict;
    a.serverId = "srv-1";
    a.updatedAt = stamp(60);
    QVERIFY(repo.insert(a));

    const auto read = repo.findById("a1");
    QVERIFY(read);
    QCOMPARE(read->name, a.name);
    QCOMPARE(read->type, a.type);
    QCOMPARE(read->currency, a.currency);
    QCOMPARE(read->institution, a.institution);
    QCOMPARE(read->accountNumberLast4, a.accountNumberLast4);
    QCOMPARE(read->startingBalance, a.startingBalance);
    QCOMPARE(read->sortOrder, 3);
    QVERIFY(read->isShared);
    QCOMPARE(read->version, 4);
    QCOMPARE(read->syncStatus, SyncStatus::Conflict);
    QCOMPARE(read->serverId, a.serverId);
    QCOMPARE(read->createdAt, a.createdAt);
    QCOMPARE(read->updatedAt, a.updatedAt);
    QVERIFY(!read->deletedAt);
    QCOMPARE(db.scalar("SELECT account_type || currency FROM accounts").toString(),
             QStringLiteral("credit_cardJPY"));

    a.name = "Visa Gold";
    a.version = 5;
    QVERIFY(repo.update(a));
    QCOMPARE(repo.findById("a1")->name, QStringLiteral("Visa Gold"));
    QCOMPARE(repo.findById("a1")->version, 5);
    QVERIFY(!repo.findById("missing"));
}

void tst_AccountRepository::findAllOrdersBySortOrderThenBinaryName() {
    TestDatabase db;
    AccountRepository repo(db.database());
    const QList<QPair<QString, int>> rows
        = {{"savings", 0}, {"Zeta", 0}, {"alpha", 1}, {"Beta", 1}};
    for (const auto &[name, order] : rows) {
        Account a = account(name, name);
        a.sortOrder = order;
        QVERIFY(repo.insert(a));
    }
    QStringList names;
    for (const Account &a : repo.findAll())
        names << a.name;
    // Upper case sorts before lower case within one sort order.
    QCOMPARE(names, (QStringList{"Zeta", "savings", "Beta", "alpha"}));
}

void tst_AccountRepository::softDeleteAndRestore() {
    TestDatabase db;
    AccountRepository repo(db.database());
    QVERIFY(repo.insert(account("a1")));
    QVERIFY(repo.markSynced("a1", "srv"));
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);

    QVERIFY(repo.softDelete("a1"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(repo.findAll().isEmpty());
    QCOMPARE(repo.findDeleted().size(), 1);
    QCOMPARE(repo.findPending().size(), 1);
    const auto deleted = repo.findById("a1");
    QVERIFY(deleted && deleted->deletedAt);
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QCOMPARE(deleted->version, 1);
    // One reading of the clock for both columns.
    QCOMPARE(db.scalar("SELECT deleted_at = updated_at FROM accounts").toInt(), 1);
    QVERIFY(deleted->updatedAt > stamp());

    QVERIFY(repo.markSynced("a1", "srv"));
    QVERIFY(repo.restore("a1"));
    QCOMPARE(changed.count(), 2);
    const auto restored = repo.findById("a1");
    QVERIFY(!restored->deletedAt);
    QCOMPARE(restored->syncStatus, SyncStatus::Pending);
    QCOMPARE(repo.findAll().size(), 1);
    QVERIFY(repo.findDeleted().isEmpty());
}

void tst_AccountRepository::markAllPendingForResync() {
    TestDatabase db;
    AccountRepository repo(db.database());
    QVERIFY(repo.insert(account("a1")));
    QVERIFY(repo.insert(account("a2")));
    QVERIFY(repo.insert(account("gone")));
    QVERIFY(repo.softDelete("gone"));
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);

    QCOMPARE(repo.markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 0);

    for (const char *id : {"a1", "a2", "gone"})
        QVERIFY(repo.markSynced(id, QStringLiteral("srv-%1").arg(id)));
    QVERIFY(repo.findPending().isEmpty());
    QCOMPARE(changed.count(), 0);

    QCOMPARE(repo.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repo.findById("gone")->syncStatus, SyncStatus::Synced);
    QCOMPARE(repo.findById("a1")->serverId, QStringLiteral("srv-a1"));
}

void tst_AccountRepository::markSyncedUnknownIdChangesNothing() {
    TestDatabase db;
    AccountRepository repo(db.database());
    QVERIFY(repo.insert(account("a1")));
    QVERIFY(repo.markSynced("nope", "srv"));
    QCOMPARE(repo.findById("a1")->syncStatus, SyncStatus::Pending);
}

void tst_AccountRepository::updateSortOrder() {
    TestDatabase db;
    AccountRepository repo(db.database());
    QVERIFY(repo.insert(account("a1", "One")));
    QVERIFY(repo.insert(account("a2", "Two")));
    QVERIFY(repo.markSynced("a1", "s1"));
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);

    QVERIFY(repo.updateSortOrder({}));
    QCOMPARE(changed.count(), 1);

    QVERIFY(repo.updateSortOrder({{"a1", 2}, {"a2", 1}}));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(repo.findAll().first().id, QStringLiteral("a2"));
    const auto a1 = repo.findById("a1");
    QCOMPARE(a1->sortOrder, 2);
    QCOMPARE(a1->syncStatus, SyncStatus::Synced);
    QCOMPARE(a1->version, 1);
    QVERIFY(a1->updatedAt > stamp());
}

void tst_AccountRepository::failedInsertIsLogged() {
    TestDatabase db;
    AccountRepository repo(db.database());
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);
    QVERIFY(repo.insert(account("a1")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^AccountRepository::insert failed: .*UNIQUE"));
    QVERIFY(!repo.insert(account("a1")));
    QCOMPARE(changed.count(), 1);
}

void tst_AccountRepository::balances() {
    TestDatabase db;
    AccountRepository accounts(db.database());
    TransactionRepository transactions(db.database());
    QVERIFY(accounts.insert(account("a1", "One", 1000)));
    QVERIFY(accounts.insert(account("a2", "Two", -50)));
    QVERIFY(accounts.insert(account("gone", "Gone", 5)));
    QVERIFY(accounts.softDelete("gone"));
    QVERIFY(transactions.insert(transaction("t1", "a1", QDate(2026, 1, 1), -300)));
    QVERIFY(transactions.insert(transaction("t2", "a1", QDate(2026, 1, 2), 25)));
    QVERIFY(transactions.insert(transaction("t3", "a1", QDate(2026, 1, 3), -7000)));
    QVERIFY(transactions.softDelete("t3"));

    const QHash<QString, qint64> expected{{"a1", 725}, {"a2", -50}};
    QCOMPARE(accounts.balances(), expected);
    // One account alone reads the same; a deleted or unknown one has none.
    QCOMPARE(accounts.balance("a1"), std::optional<qint64>(725));
    QCOMPARE(accounts.balance("gone"), std::optional<qint64>());
    QCOMPARE(accounts.balance("nope"), std::optional<qint64>());

    // The kept totals follow every kind of write: an edit of the amount, a move to another
    // account, a restore, and a delete made outside the repositories.
    Transaction t2 = *transactions.findById("t2");
    t2.amount = 40;
    QVERIFY(transactions.update(t2));
    QSqlQuery q(db.connection());
    QVERIFY2(q.exec("UPDATE transactions SET account_id = 'a2' WHERE id = 't2'"),
             qPrintable(q.lastError().text()));
    QVERIFY2(q.exec("UPDATE transactions SET deleted_at = NULL WHERE id = 't3'"),
             qPrintable(q.lastError().text()));
    QVERIFY2(q.exec("DELETE FROM transactions WHERE id = 't1'"), qPrintable(q.lastError().text()));
    const QHash<QString, qint64> after{{"a1", 1000 - 7000}, {"a2", -50 + 40}};
    QCOMPARE(accounts.balances(), after);
    QCOMPARE(db.scalar("SELECT SUM(amount) FROM transactions WHERE deleted_at IS NULL "
                       "AND account_id = 'a1'")
                 .toLongLong(),
             qint64(-7000));
}

// Two large amounts overflow SQLite's SUM, which stops the whole aggregate: the other
// accounts keep their balances and the one that cannot be summed is named, never shown as 0.
void tst_AccountRepository::balancesThatCannotBeSummed() {
    TestDatabase db;
    AccountRepository accounts(db.database());
    TransactionRepository transactions(db.database());
    const qint64 huge = std::numeric_limits<qint64>::max() / 2 + 1;
    QVERIFY(accounts.insert(account("a-first", "First", 10)));
    QVERIFY(accounts.insert(account("a-sum", "Sum", 0)));
    QVERIFY(accounts.insert(account("a-start", "Start", huge)));
    QVERIFY(accounts.insert(account("a-zz", "Last", -5)));
    QVERIFY(transactions.insert(transaction("t1", "a-sum", QDate(2026, 1, 1), huge)));
    QVERIFY(transactions.insert(transaction("t2", "a-sum", QDate(2026, 1, 2), huge)));
    QVERIFY(transactions.insert(transaction("t3", "a-start", QDate(2026, 1, 3), huge)));
    QVERIFY(transactions.insert(transaction("t4", "a-zz", QDate(2026, 1, 3), 7)));

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^AccountRepository::balances failed: .*overflow"));
    QStringList unsummable;
    const QHash<QString, qint64> expected{{"a-first", 10}, {"a-zz", 2}};
    QCOMPARE(accounts.balances(&unsummable), expected);
    unsummable.sort();
    QCOMPARE(unsummable, (QStringList{"a-start", "a-sum"}));

    // Without the overflowing transaction only the starting balance is out of reach.
    QVERIFY(transactions.softDelete("t2"));
    QCOMPARE(accounts.balances(&unsummable).value("a-sum"), huge);
    QCOMPARE(unsummable, QStringList{"a-start"});
    QCOMPARE(accounts.balance("a-sum"), std::optional<qint64>(huge));
    QCOMPARE(accounts.balance("a-start"), std::optional<qint64>());
}

QTEST_GUILESS_MAIN(tst_AccountRepository)
#include "tst_accountrepository.moc"
