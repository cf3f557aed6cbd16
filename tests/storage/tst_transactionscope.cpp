// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QSignalSpy>
#include <QTest>

using namespace TestRecords;

class tst_TransactionScope : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nestedScopesCommitAndRollBackAsOne_data();
    void nestedScopesCommitAndRollBackAsOne();
    void writesOutsideAScopeAnnounceAtOnce();
};

void tst_TransactionScope::nestedScopesCommitAndRollBackAsOne_data() {
    QTest::addColumn<bool>("innerCommits");
    QTest::addColumn<bool>("outerCommits");
    QTest::addColumn<int>("accounts");
    QTest::addColumn<int>("transactions");
    QTest::addRow("both commit") << true << true << 2 << 2;
    QTest::addRow("inner rolls back") << false << true << 1 << 0;
    QTest::addRow("outer rolls back after inner committed") << true << false << 0 << 0;
    QTest::addRow("both roll back") << false << false << 0 << 0;
}

// The outer scope writes one account; the inner one (a write inside a write, as a screen
// calling a service does) another account and two of its transactions.
void tst_TransactionScope::nestedScopesCommitAndRollBackAsOne() {
    QFETCH(bool, innerCommits);
    QFETCH(bool, outerCommits);
    QFETCH(int, accounts);
    QFETCH(int, transactions);

    TestDatabase db;
    AccountRepository accountRepository(db.database());
    TransactionRepository transactionRepository(db.database());
    QSignalSpy accountsChanged(&accountRepository, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&transactionRepository,
                                   &TransactionRepository::transactionsChanged);
    QSignalSpy databaseChanged(db.database(), &Database::changed);
    QVERIFY(accountsChanged.isValid() && transactionsChanged.isValid());

    {
        TransactionScope outer(db.database());
        QVERIFY(outer.isOpen());
        QVERIFY(accountRepository.insert(account("a1", "Outer")));
        {
            TransactionScope inner(db.database());
            QVERIFY(inner.isOpen());
            QCOMPARE(db.database()->transactionDepth(), 2);
            QVERIFY(accountRepository.insert(account("a2", "Inner")));
            QVERIFY(transactionRepository.insert(transaction("t1", "a2", QDate(2026, 1, 1), -1)));
            QVERIFY(transactionRepository.insert(transaction("t2", "a2", QDate(2026, 1, 2), -2)));
            if (innerCommits)
                QVERIFY(inner.commit());
            else
                inner.rollback();
        }
        // Nothing is announced while the outermost scope is open.
        QCOMPARE(databaseChanged.count(), 0);
        if (outerCommits)
            QVERIFY(outer.commit());
    }
    QCOMPARE(db.database()->transactionDepth(), 0);

    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), accounts);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions").toInt(), transactions);
    // One notice per table (and account), after the commit; none for what was rolled back.
    QCOMPARE(accountsChanged.count(), accounts > 0 ? 1 : 0);
    QCOMPARE(transactionsChanged.count(), transactions > 0 ? 1 : 0);
    if (transactions > 0)
        QCOMPARE(transactionsChanged.first().first().toString(), QStringLiteral("a2"));

    // The connection is usable for a new outermost scope afterwards.
    TransactionScope again(db.database());
    QVERIFY(again.isOpen());
    QVERIFY(accountRepository.insert(account("a3", "Later")));
    QVERIFY(again.commit());
}

void tst_TransactionScope::writesOutsideAScopeAnnounceAtOnce() {
    TestDatabase db;
    AccountRepository accountRepository(db.database());
    QSignalSpy accountsChanged(&accountRepository, &AccountRepository::accountsChanged);
    QVERIFY(accountRepository.insert(account("a1")));
    QCOMPARE(accountsChanged.count(), 1);
    QVERIFY(accountRepository.insert(account("a2", "Savings")));
    QCOMPARE(accountsChanged.count(), 2);
}

QTEST_GUILESS_MAIN(tst_TransactionScope)
#include "tst_transactionscope.moc"
