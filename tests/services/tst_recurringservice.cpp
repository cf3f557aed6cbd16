// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace TestRecords;

namespace {

// Two accounts, the repositories and the service on one temporary database.
struct Fixture {
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    RecurringRepository recurring{db.database()};
    RecurringService service{&recurring, &transactions, &accounts};

    Fixture() {
        accounts.insert(account("a1", "Checking"));
        accounts.insert(account("a2", "Savings"));
    }
    int count(const QString &where = QStringLiteral("1")) const {
        return db.scalar("SELECT COUNT(*) FROM transactions WHERE " + where).toInt();
    }
    RecurringTransaction reread(const QString &id) const { return *recurring.findById(id); }
};

const QRegularExpression kDuplicateWarning("^TransactionRepository::insert failed:");

} // namespace

class tst_RecurringService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nextOccurrence_data();
    void nextOccurrence();
    void firstOccurrenceAfter_data();
    void firstOccurrenceAfter();
    void confirmFollowsMonthEndsUntilEndDate();
    void confirmTransferPostsLinkedLegs();
    void failedTransferLegLeavesNothing();
    void sameOccurrenceIsPostedOnce();
    void skipAdvancesWithoutPosting();
    void autoPostCatchUp_data();
    void autoPostCatchUp();
    void brokenDatesAreQuarantined_data();
    void brokenDatesAreQuarantined();
};

void tst_RecurringService::nextOccurrence_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<QDate>("expected");
    QTest::addRow("daily") << QDate(2025, 12, 31) << Frequency::Daily << QDate(2026, 1, 1);
    QTest::addRow("weekly") << QDate(2026, 2, 25) << Frequency::Weekly << QDate(2026, 3, 4);
    QTest::addRow("biweekly") << QDate(2026, 1, 1) << Frequency::Biweekly << QDate(2026, 1, 15);
    QTest::addRow("monthly into February")
        << QDate(2025, 1, 31) << Frequency::Monthly << QDate(2025, 2, 28);
    QTest::addRow("monthly into leap February")
        << QDate(2024, 1, 31) << Frequency::Monthly << QDate(2024, 2, 29);
    QTest::addRow("monthly stays on the drifted day")
        << QDate(2025, 2, 28) << Frequency::Monthly << QDate(2025, 3, 28);
    QTest::addRow("quarterly") << QDate(2025, 11, 30) << Frequency::Quarterly << QDate(2026, 2, 28);
    QTest::addRow("semi-annual") << QDate(2025, 8, 31) << Frequency::SemiAnnual
                                 << QDate(2026, 2, 28);
    QTest::addRow("annual from leap day")
        << QDate(2024, 2, 29) << Frequency::Annual << QDate(2025, 2, 28);
}

void tst_RecurringService::nextOccurrence() {
    QFETCH(QDate, from);
    QFETCH(Frequency, frequency);
    QFETCH(QDate, expected);
    QCOMPARE(RecurringService::nextOccurrence(from, frequency), expected);
}

void tst_RecurringService::firstOccurrenceAfter_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<QDate>("after");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("no history") << QDate(2026, 1, 15) << Frequency::Monthly << QDate()
                                << QDate(2026, 1, 15);
    QTest::newRow("history before start")
        << QDate(2026, 1, 15) << Frequency::Monthly << QDate(2025, 12, 1) << QDate(2026, 1, 15);
    QTest::newRow("on the start") << QDate(2026, 1, 15) << Frequency::Monthly << QDate(2026, 1, 15)
                                  << QDate(2026, 2, 15);
    QTest::newRow("past several") << QDate(2026, 1, 15) << Frequency::Weekly << QDate(2026, 2, 1)
                                  << QDate(2026, 2, 5);
    // The same clamped dates the posting walks through, not start + n months.
    QTest::newRow("month end drift")
        << QDate(2026, 1, 31) << Frequency::Monthly << QDate(2026, 3, 1) << QDate(2026, 3, 28);
    QTest::newRow("invalid start") << QDate() << Frequency::Monthly << QDate(2026, 1, 1) << QDate();
}

void tst_RecurringService::firstOccurrenceAfter() {
    QFETCH(QDate, start);
    QFETCH(Frequency, frequency);
    QFETCH(QDate, after);
    QFETCH(QDate, expected);
    QCOMPARE(RecurringService::firstOccurrenceAfter(start, frequency, after), expected);
}

void tst_RecurringService::confirmFollowsMonthEndsUntilEndDate() {
    Fixture f;
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 1, 31));
    r.endDate = QDate(2026, 3, 28);
    QVERIFY(f.recurring.insert(r));
    QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);
    QVERIFY(pending.isValid());

    // The last occurrence, on the end date itself, is still posted.
    const QList<QDate> expected{QDate(2026, 1, 31), QDate(2026, 2, 28), QDate(2026, 3, 28)};
    for (const QDate &date : expected) {
        QVERIFY(f.reread("r1").isActive);
        QVERIFY(f.service.confirm(r));
        const auto posted
            = f.transactions.findById(RecurringService::occurrenceId("r1", date, false));
        QVERIFY2(posted, qPrintable(date.toString(Qt::ISODate)));
        QCOMPARE(posted->date, date);
        QCOMPARE(posted->amount, r.amount);
        QCOMPARE(posted->recurringId, QStringLiteral("r1"));
    }
    const RecurringTransaction after = f.reread("r1");
    QCOMPARE(after.nextDueDate, QDate(2026, 4, 28));
    QVERIFY(!after.isActive);
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(pending.count(), 3);
    QCOMPARE(pending.last().first().toInt(), f.service.pendingCount());
    // The occurrence ids are the same on every device.
    QCOMPARE(RecurringService::occurrenceId("r1", QDate(2026, 1, 31), false),
             QStringLiteral("8df8a154-670a-5b58-a99c-e38f07f90b41"));
    QCOMPARE(RecurringService::occurrenceId("r1", QDate(2026, 1, 31), true),
             QStringLiteral("c7c69b79-cff0-5cea-b447-67df95aae6ab"));
}

void tst_RecurringService::confirmTransferPostsLinkedLegs() {
    Fixture f;
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 1, 31));
    r.amount = -50000;
    r.transferDestAccountId = "a2";
    QVERIFY(f.recurring.insert(r));
    QVERIFY(f.service.confirm(r));

    const auto out
        = f.transactions.findById(RecurringService::occurrenceId("r1", r.nextDueDate, false));
    const auto in
        = f.transactions.findById(RecurringService::occurrenceId("r1", r.nextDueDate, true));
    QVERIFY(out && in);
    QCOMPARE(out->accountId, QStringLiteral("a1"));
    QCOMPARE(in->accountId, QStringLiteral("a2"));
    QCOMPARE(out->amount, -50000);
    QCOMPARE(in->amount, 50000);
    QCOMPARE(out->transferLinkId, in->id);
    QCOMPARE(in->transferLinkId, out->id);
    QCOMPARE(out->transferDestAccountId, QStringLiteral("a2"));
    QCOMPARE(in->transferDestAccountId, QStringLiteral("a1"));
    QCOMPARE(in->date, out->date);
    QCOMPARE(f.count(), 2);
}

void tst_RecurringService::failedTransferLegLeavesNothing() {
    Fixture f;
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 1, 31));
    r.transferDestAccountId = "no-such-account";
    QVERIFY(f.recurring.insert(r));
    QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);

    QTest::ignoreMessage(QtWarningMsg, kDuplicateWarning);
    QVERIFY(!f.service.confirm(r));
    QCOMPARE(f.count(), 0);
    QCOMPARE(f.reread("r1").nextDueDate, r.nextDueDate);
    QCOMPARE(pending.count(), 0);
}

void tst_RecurringService::sameOccurrenceIsPostedOnce() {
    Fixture f;
    const RecurringTransaction r = rule("r1", "a1", QDate(2026, 1, 31));
    QVERIFY(f.recurring.insert(r));
    QVERIFY(f.service.confirm(r));
    // As if the rule's old state had come back, for example from another device.
    QVERIFY(f.recurring.update(r));

    QTest::ignoreMessage(QtWarningMsg, kDuplicateWarning);
    QVERIFY(!f.service.confirm(r));
    QCOMPARE(f.count(), 1);
    QCOMPARE(f.reread("r1").nextDueDate, r.nextDueDate);
}

void tst_RecurringService::skipAdvancesWithoutPosting() {
    Fixture f;
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 1, 31));
    r.endDate = QDate(2026, 2, 1);
    QVERIFY(f.recurring.insert(r));
    QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);
    QVERIFY(f.service.skip(r));
    QCOMPARE(f.count(), 0);
    QCOMPARE(f.reread("r1").nextDueDate, QDate(2026, 2, 28));
    QVERIFY(!f.reread("r1").isActive);
    QCOMPARE(pending.count(), 1);
    QVERIFY(!f.service.skip(rule("missing", "a1", QDate(2026, 1, 1))));
}

void tst_RecurringService::autoPostCatchUp_data() {
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<int>("daysBehind");
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<int>("posted");
    QTest::addColumn<bool>("activeAfter");
    QTest::addRow("weekly, ten weeks behind") << Frequency::Weekly << 70 << true << 11 << true;
    QTest::addRow("daily, past the cap") << Frequency::Daily << 400 << true << 366 << false;
    QTest::addRow("due today") << Frequency::Monthly << 0 << true << 1 << true;
    QTest::addRow("not auto-post") << Frequency::Daily << 5 << false << 0 << true;
}

void tst_RecurringService::autoPostCatchUp() {
    QFETCH(Frequency, frequency);
    QFETCH(int, daysBehind);
    QFETCH(bool, autoPost);
    QFETCH(int, posted);
    QFETCH(bool, activeAfter);
    Fixture f;
    RecurringTransaction r = rule("r1", "a1", QDate::currentDate().addDays(-daysBehind));
    r.frequency = frequency;
    r.autoPost = autoPost;
    QVERIFY(f.recurring.insert(r));
    QVERIFY(f.recurring.insert(rule("later", "a1", QDate::currentDate().addDays(1))));

    if (!activeAfter)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Quarantining recurring r1 .*hit catchup cap"));
    QCOMPARE(f.service.autoPostDue(), posted);
    QCOMPARE(f.count("recurring_id = 'r1'"), posted);
    const RecurringTransaction after = f.reread("r1");
    QCOMPARE(after.isActive, activeAfter);
    if (activeAfter && autoPost)
        QVERIFY(after.nextDueDate > QDate::currentDate());
    QCOMPARE(f.service.pendingCount(), autoPost ? 0 : 1);
    QCOMPARE(f.count("recurring_id = 'later'"), 0);
}

void tst_RecurringService::brokenDatesAreQuarantined_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("viaAutoPost");
    QTest::addRow("before 2000, confirm") << "1999-12-31" << false;
    QTest::addRow("before 2000, auto-post") << "1999-12-31" << true;
    QTest::addRow("empty, confirm") << "" << false;
    QTest::addRow("empty, auto-post") << "" << true;
    QTest::addRow("unparsable, confirm") << "12/31/2025" << false;
}

void tst_RecurringService::brokenDatesAreQuarantined() {
    QFETCH(QString, stored);
    QFETCH(bool, viaAutoPost);
    Fixture f;
    RecurringTransaction r = rule("r1", "a1", QDate(2026, 1, 1));
    r.autoPost = true;
    QVERIFY(f.recurring.insert(r));
    // Broken dates arrive from outside (sync, old files), never through the forms.
    QVERIFY(f.db.scalar(QStringLiteral("UPDATE recurring_transactions SET next_due_date = '%1', "
                                       "sync_status = 'synced' RETURNING 1")
                            .arg(stored))
                .isValid());

    if (viaAutoPost) {
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("^Quarantining recurring r1 .*broken next_due_date"));
        QCOMPARE(f.service.autoPostDue(), 0);
    } else {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^RecurringService::confirm refusing record with "
                                                "broken date: r1 .*quarantining"));
        QVERIFY(!f.service.confirm(r));
    }
    QCOMPARE(f.count(), 0);
    QCOMPARE(f.db.scalar("SELECT is_active || sync_status || next_due_date FROM "
                         "recurring_transactions")
                 .toString(),
             "0pending" + stored);
    QCOMPARE(f.service.pendingCount(), 0);
}

QTEST_GUILESS_MAIN(tst_RecurringService)

#include "tst_recurringservice.moc"
