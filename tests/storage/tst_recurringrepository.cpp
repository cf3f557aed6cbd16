// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QSignalSpy>
#include <QTest>

using namespace TestRecords;

class tst_RecurringRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripWithoutEndDate();
    void findDueAndFindAll();
    void saveGuard_data();
    void saveGuard();
    void softDeleteByAccount();
    void lastPostedDateCountsDeletedPostings();
};

void tst_RecurringRepository::roundTripWithoutEndDate() {
    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    RecurringRepository repo(db.database());
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 3, 1));
    r.frequency = Frequency::SemiAnnual;
    r.autoPost = true;
    r.transferDestAccountId = "a2";
    QVERIFY(repo.insert(r));
    QCOMPARE(db.scalar("SELECT end_date IS NULL AND category_id IS NULL AND frequency = "
                       "'semi_annual' FROM recurring_transactions")
                 .toInt(),
             1);
    auto read = repo.findById("r1");
    QVERIFY(read);
    QVERIFY(!read->endDate);
    QCOMPARE(read->frequency, Frequency::SemiAnnual);
    QVERIFY(read->autoPost && read->isActive);
    QCOMPARE(read->transferDestAccountId, QStringLiteral("a2"));
    QCOMPARE(read->startDate, r.startDate);

    r.endDate = QDate(2027, 1, 1);
    r.accountId = "elsewhere";
    QVERIFY(repo.update(r));
    read = repo.findById("r1");
    QCOMPARE(read->endDate, std::optional<QDate>(QDate(2027, 1, 1)));
    QCOMPARE(read->accountId, QStringLiteral("a1"));

    // An empty end date text reads as none, like NULL.
    QVERIFY(db.scalar("UPDATE recurring_transactions SET end_date = '' RETURNING 1").isValid());
    QVERIFY(!repo.findById("r1")->endDate);
}

void tst_RecurringRepository::findDueAndFindAll() {
    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    RecurringRepository repo(db.database());
    const QDate today = QDate::currentDate();
    QVERIFY(repo.insert(rule("tomorrow", "a1", today.addDays(1))));
    QVERIFY(repo.insert(rule("today", "a1", today)));
    QVERIFY(repo.insert(rule("overdue", "a1", today.addDays(-40))));
    RecurringTransaction inactive = rule("inactive", "a1", today.addDays(-1));
    inactive.isActive = false;
    QVERIFY(repo.insert(inactive));
    QVERIFY(repo.insert(rule("deleted", "a1", today.addDays(-2))));
    QSignalSpy changed(&repo, &RecurringRepository::recurringChanged);
    QVERIFY(repo.softDelete("deleted"));
    QCOMPARE(changed.count(), 1);

    QStringList due;
    for (const RecurringTransaction &r : repo.findDue())
        due << r.id;
    due.sort();
    QCOMPARE(due, (QStringList{"overdue", "today"}));

    QStringList all;
    for (const RecurringTransaction &r : repo.findAll())
        all << r.id;
    QCOMPARE(all, (QStringList{"overdue", "inactive", "today", "tomorrow"}));
    QCOMPARE(repo.findPending().size(), 5);
}

void tst_RecurringRepository::saveGuard_data() {
    QTest::addColumn<bool>("update");
    QTest::addColumn<QDate>("nextDue");
    QTest::addColumn<bool>("warns");
    QTest::addColumn<bool>("saved");
    QTest::addRow("insert, valid") << false << QDate(2000, 1, 1) << false << true;
    QTest::addRow("insert, old date stored") << false << QDate(1990, 5, 1) << true << true;
    QTest::addRow("insert, invalid date fails") << false << QDate() << true << false;
    QTest::addRow("update, old date stored") << true << QDate(1999, 12, 31) << true << true;
    QTest::addRow("update, invalid date fails") << true << QDate() << true << false;
}

void tst_RecurringRepository::saveGuard() {
    QFETCH(bool, update);
    QFETCH(QDate, nextDue);
    QFETCH(bool, warns);
    QFETCH(bool, saved);

    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    RecurringRepository repo(db.database());
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 5, 1));
    if (update)
        QVERIFY(repo.insert(r));
    r.nextDueDate = nextDue;
    r.frequency = Frequency::Weekly;
    r.version = 2;

    const QString operation = update ? "update" : "insert";
    if (warns) {
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QStringLiteral("RecurringRepository::%1 saving recurring with broken "
                                      "nextDueDate: id=r1 payee=Rent nextDueDate=%2 "
                                      "startDate=2025-01-01 frequency=1")
                           .arg(operation, nextDue.toString(Qt::ISODate))));
    }
    if (!saved) {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^RecurringRepository::%1 failed: "
                                                               ".*NOT NULL")
                                                    .arg(operation)));
    }
    QSignalSpy changed(&repo, &RecurringRepository::recurringChanged);
    QCOMPARE(update ? repo.update(r) : repo.insert(r), saved);
    QCOMPARE(changed.count(), saved ? 1 : 0);
    const auto stored = repo.findById("r1");
    QCOMPARE(stored.has_value(), saved || update);
    if (saved)
        QCOMPARE(stored->nextDueDate, nextDue);
}

void tst_RecurringRepository::softDeleteByAccount() {
    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    RecurringRepository repo(db.database());
    QSignalSpy changed(&repo, &RecurringRepository::recurringChanged);
    QCOMPARE(repo.softDeleteByAccount("a1"), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(repo.insert(rule("r1", "a1", QDate(2026, 1, 1))));
    QVERIFY(repo.insert(rule("r2", "a1", QDate(2026, 1, 1))));
    QVERIFY(repo.markSynced("r1", "s1"));
    QCOMPARE(repo.softDeleteByAccount("a1"), 2);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(repo.findById("r1")->syncStatus, SyncStatus::Pending);
    QVERIFY(repo.findAll().isEmpty());
    QCOMPARE(repo.softDeleteByAccount("a1"), 0);
    QCOMPARE(changed.count(), 3);
}

QTEST_GUILESS_MAIN(tst_RecurringRepository)
#include "tst_recurringrepository.moc"

void tst_RecurringRepository::lastPostedDateCountsDeletedPostings() {
    TestDatabase db;
    AccountRepository(db.database()).insert(account("a1"));
    RecurringRepository repo(db.database());
    TransactionRepository transactions(db.database());
    QVERIFY(repo.insert(rule("r1", "a1", QDate(2026, 3, 1))));
    QVERIFY(!repo.lastPostedDate("r1").isValid());

    Transaction jan = transaction("t1", "a1", QDate(2026, 1, 1), -100);
    jan.recurringId = "r1";
    Transaction feb = transaction("t2", "a1", QDate(2026, 2, 1), -100);
    feb.recurringId = "r1";
    Transaction unrelated = transaction("t3", "a1", QDate(2026, 5, 1), -100);
    QVERIFY(transactions.insert(jan) && transactions.insert(feb) && transactions.insert(unrelated));
    QCOMPARE(repo.lastPostedDate("r1"), QDate(2026, 2, 1));
    // A posting deleted from the register still holds its occurrence's id.
    QVERIFY(transactions.softDelete("t2"));
    QCOMPARE(repo.lastPostedDate("r1"), QDate(2026, 2, 1));
}
