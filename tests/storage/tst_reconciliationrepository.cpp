// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/reconciliationrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QSignalSpy>
#include <QTest>

using namespace TestRecords;

class tst_ReconciliationRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void insertFillsMissingTimestamps();
    void findLatestAndByAccount();
    void updateMovesAccount();
    void softDeleteByAccount();
};

void tst_ReconciliationRepository::insertFillsMissingTimestamps() {
    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    ReconciliationRepository repo(db.database());
    QSignalSpy changed(&repo, &ReconciliationRepository::reconciliationsChanged);

    const QDateTime before = Timestamps::nowUtc();
    QVERIFY(repo.insert(reconciliation("r1", "a1", QDate(2026, 1, 31))));
    const QDateTime after = Timestamps::nowUtc();
    QCOMPARE(changed.count(), 1);
    const auto read = repo.findById("r1");
    QVERIFY(read);
    QVERIFY(read->createdAt >= before && read->createdAt <= after);
    QVERIFY(read->updatedAt >= before && read->updatedAt <= after);
    QCOMPARE(read->completedAt, stamp());
    QCOMPARE(read->statementBalance, 1000);

    // Given timestamps are kept.
    Reconciliation given = reconciliation("r2", "a1", QDate(2026, 2, 28));
    given.createdAt = stamp(1);
    given.updatedAt = stamp(2);
    QVERIFY(repo.insert(given));
    QCOMPARE(repo.findById("r2")->createdAt, stamp(1));
    QCOMPARE(repo.findById("r2")->updatedAt, stamp(2));

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ReconciliationRepository::insert failed: "));
    QVERIFY(!repo.insert(reconciliation("r3", "missing", QDate(2026, 1, 31))));
    QCOMPARE(changed.count(), 2);
}

void tst_ReconciliationRepository::findLatestAndByAccount() {
    TestDatabase db;
    AccountRepository accounts(db.database());
    accounts.insert(account("a1"));
    accounts.insert(account("a2"));
    ReconciliationRepository repo(db.database());
    QVERIFY(!repo.findLatest("a1"));
    QVERIFY(repo.insert(reconciliation("jan", "a1", QDate(2026, 1, 31))));
    QVERIFY(repo.insert(reconciliation("mar", "a1", QDate(2026, 3, 31))));
    QVERIFY(repo.insert(reconciliation("feb", "a1", QDate(2026, 2, 28))));
    QVERIFY(repo.insert(reconciliation("other", "a2", QDate(2026, 4, 30))));
    QCOMPARE(repo.findLatest("a1")->id, QStringLiteral("mar"));
    QStringList ids;
    for (const Reconciliation &r : repo.findByAccount("a1"))
        ids << r.id;
    QCOMPARE(ids, (QStringList{"mar", "feb", "jan"}));
}

void tst_ReconciliationRepository::updateMovesAccount() {
    TestDatabase db;
    AccountRepository accounts(db.database());
    accounts.insert(account("a1"));
    accounts.insert(account("a2"));
    ReconciliationRepository repo(db.database());
    Reconciliation r = reconciliation("r1", "a1", QDate(2026, 1, 31));
    QVERIFY(repo.insert(r));
    r = *repo.findById("r1");
    r.accountId = "a2";
    r.reconciledBalance = 990;
    QVERIFY(repo.update(r));
    QCOMPARE(repo.findById("r1")->accountId, QStringLiteral("a2"));
    QCOMPARE(repo.findById("r1")->reconciledBalance, 990);
    QVERIFY(repo.findByAccount("a1").isEmpty());
}

void tst_ReconciliationRepository::softDeleteByAccount() {
    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    ReconciliationRepository repo(db.database());
    QSignalSpy changed(&repo, &ReconciliationRepository::reconciliationsChanged);
    QCOMPARE(repo.softDeleteByAccount("a1"), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(repo.insert(reconciliation("r1", "a1", QDate(2026, 1, 31))));
    QCOMPARE(repo.softDeleteByAccount("a1"), 1);
    QCOMPARE(changed.count(), 2);
    QVERIFY(!repo.findLatest("a1"));
    QVERIFY(repo.findById("r1")->deletedAt);
    QCOMPARE(repo.findPending().size(), 1);
}

QTEST_GUILESS_MAIN(tst_ReconciliationRepository)
#include "tst_reconciliationrepository.moc"
