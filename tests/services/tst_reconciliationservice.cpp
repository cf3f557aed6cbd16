// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/reconciliationservice.h"
#include "storage/accountrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace TestRecords;

using Status = ReconciliationService::Status;

namespace {

struct Fixture {
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    ReconciliationRepository reconciliations{db.database()};
    ReconciliationService service{db.database(), &accounts, &transactions, &reconciliations};

    Fixture() { accounts.insert(account("a1", "Checking", 10000)); }
    void add(const QString &id, const QDate &date, qint64 amount, bool reconciled = false) {
        Transaction t = transaction(id, "a1", date, amount);
        t.cleared = t.reconciled = reconciled;
        QVERIFY(transactions.insert(t));
    }
    Transaction stored(const QString &id) const { return *transactions.findById(id); }
    QList<Transaction> read(const QStringList &ids) const {
        QList<Transaction> rows;
        for (const QString &id : ids)
            rows << stored(id);
        return rows;
    }
};

} // namespace

class tst_ReconciliationService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nextStatementDateKeepsMonthEnds_data();
    void nextStatementDateKeepsMonthEnds();
    void openingBalanceAndDefaultDate_data();
    void openingBalanceAndDefaultDate();
    void finishMarksRowsAndRecordsStatement();
    void finishWithNothingTicked();
    void editedRowStopsFinish();
    void deletedRowIsSkipped_data();
    void deletedRowIsSkipped();
    void failedWriteLeavesRowsAsTheyWere();
};

void tst_ReconciliationService::nextStatementDateKeepsMonthEnds_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("next");
    QTest::newRow("mid-month") << QDate(2026, 1, 15) << QDate(2026, 2, 15);
    QTest::newRow("jan 31 to feb 28") << QDate(2026, 1, 31) << QDate(2026, 2, 28);
    QTest::newRow("jan 31 to feb 29 in a leap year") << QDate(2028, 1, 31) << QDate(2028, 2, 29);
    QTest::newRow("feb 28 month end to mar 31") << QDate(2026, 2, 28) << QDate(2026, 3, 31);
    QTest::newRow("feb 29 to mar 31") << QDate(2028, 2, 29) << QDate(2028, 3, 31);
    QTest::newRow("feb 28 of a leap year is no month end")
        << QDate(2028, 2, 28) << QDate(2028, 3, 28);
    QTest::newRow("apr 30 to may 31") << QDate(2026, 4, 30) << QDate(2026, 5, 31);
    QTest::newRow("dec 31 to jan 31") << QDate(2026, 12, 31) << QDate(2027, 1, 31);
    QTest::newRow("mar 30 to apr 30") << QDate(2026, 3, 30) << QDate(2026, 4, 30);
}

void tst_ReconciliationService::nextStatementDateKeepsMonthEnds() {
    QFETCH(QDate, from);
    QFETCH(QDate, next);
    QCOMPARE(ReconciliationService::nextStatementDate(from), next);
}

void tst_ReconciliationService::openingBalanceAndDefaultDate_data() {
    QTest::addColumn<QDate>("lastReconciled"); // invalid: no reconciled transaction
    QTest::addColumn<QDate>("lastStatement");  // invalid: never reconciled
    QTest::addColumn<QDate>("expected");
    QTest::newRow("first reconciliation keeps the field's date") << QDate() << QDate() << QDate();
    QTest::newRow("statement only") << QDate() << QDate(2026, 1, 31) << QDate(2026, 2, 28);
    QTest::newRow("rows before the statement")
        << QDate(2026, 1, 20) << QDate(2026, 1, 31) << QDate(2026, 2, 28);
    QTest::newRow("rows on the statement date")
        << QDate(2026, 1, 31) << QDate(2026, 1, 31) << QDate(2026, 2, 28);
    QTest::newRow("rows after the statement")
        << QDate(2026, 2, 10) << QDate(2026, 1, 31) << QDate(2026, 3, 10);
    QTest::newRow("rows, never reconciled") << QDate(2026, 2, 10) << QDate() << QDate(2026, 3, 10);
}

void tst_ReconciliationService::openingBalanceAndDefaultDate() {
    QFETCH(QDate, lastReconciled);
    QFETCH(QDate, lastStatement);
    QFETCH(QDate, expected);
    Fixture f;
    f.add("open", QDate(2026, 1, 2), 5000);
    if (lastReconciled.isValid()) {
        f.add("r1", lastReconciled.addDays(-3), -2500, true);
        f.add("r2", lastReconciled, 700, true);
    }
    if (lastStatement.isValid())
        QVERIFY(f.reconciliations.insert(reconciliation("s", "a1", lastStatement)));
    Transaction deleted = transaction("gone", "a1", QDate(2027, 6, 1), 99999);
    deleted.reconciled = true;
    QVERIFY(f.transactions.insert(deleted));
    QVERIFY(f.transactions.softDelete("gone"));

    const ReconciliationService::Opening opening = f.service.opening("a1");
    QVERIFY(opening.accountFound);
    QCOMPARE(opening.previousBalance, lastReconciled.isValid() ? 10000 - 2500 + 700 : 10000);
    QCOMPARE(opening.lastReconciledDate, lastReconciled);
    QCOMPARE(opening.defaultStatementDate, expected);
    QVERIFY(!f.service.opening("missing").accountFound);
}

void tst_ReconciliationService::finishMarksRowsAndRecordsStatement() {
    Fixture f;
    f.add("dep", QDate(2026, 3, 1), 20000);
    f.add("wd", QDate(2026, 3, 2), -5000);
    f.add("later", QDate(2026, 3, 3), -100);
    const Transaction before = f.stored("wd");

    const auto result = f.service.finish("a1", QDate(2026, 3, 31), 25000, f.read({"dep", "wd"}));
    QCOMPARE(result.status, Status::Ok);
    for (const QString &id : {QStringLiteral("dep"), QStringLiteral("wd")}) {
        const Transaction t = f.stored(id);
        QVERIFY(t.cleared && t.reconciled);
        QCOMPARE(t.version, before.version);
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
        QVERIFY(t.updatedAt > before.updatedAt);
    }
    QVERIFY(!f.stored("later").reconciled);

    const QList<Reconciliation> history = f.reconciliations.findByAccount("a1");
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.first().id, result.reconciliation.id);
    QCOMPARE(history.first().statementDate, QDate(2026, 3, 31));
    QCOMPARE(history.first().statementBalance, 25000);
    QCOMPARE(history.first().reconciledBalance, 25000);
    QCOMPARE(history.first().syncStatus, SyncStatus::Pending);
    QCOMPARE(history.first().createdAt, history.first().completedAt);

    // The next statement starts where this one ended.
    const auto next = f.service.opening("a1");
    QCOMPARE(next.previousBalance, 25000);
    QCOMPARE(next.defaultStatementDate, QDate(2026, 4, 30));
}

void tst_ReconciliationService::finishWithNothingTicked() {
    Fixture f;
    f.add("x", QDate(2026, 3, 1), 4000);
    const auto result = f.service.finish("a1", QDate(2026, 3, 31), 10000, {});
    QCOMPARE(result.status, Status::Ok);
    QCOMPARE(result.reconciliation.reconciledBalance, 10000);
    QCOMPARE(f.reconciliations.findByAccount("a1").size(), 1);
    QVERIFY(!f.stored("x").reconciled);
}

void tst_ReconciliationService::editedRowStopsFinish() {
    Fixture f;
    f.add("a", QDate(2026, 3, 1), 1000);
    f.add("b", QDate(2026, 3, 2), 2000);
    const QList<Transaction> seen = f.read({"a", "b"});
    // Edited elsewhere after the screen read it: the register's save bumps the version.
    Transaction edited = f.stored("b");
    edited.amount = 2500;
    edited.version += 1;
    QVERIFY(f.transactions.update(edited));

    const auto result = f.service.finish("a1", QDate(2026, 3, 31), 13000, seen);
    QCOMPARE(result.status, Status::RowsChanged);
    QCOMPARE(result.changedIds, QStringList{"b"});
    QVERIFY(!f.stored("a").reconciled);
    QVERIFY(!f.stored("b").reconciled);
    QCOMPARE(f.stored("b").amount, 2500);
    QVERIFY(f.reconciliations.findByAccount("a1").isEmpty());
}

void tst_ReconciliationService::deletedRowIsSkipped_data() {
    QTest::addColumn<qint64>("statementBalance");
    QTest::addColumn<Status>("status");
    // What the screen showed included the deleted row's 20.00.
    QTest::newRow("balance no longer adds up") << qint64(13000) << Status::Unbalanced;
    QTest::newRow("balance of the rows left") << qint64(11000) << Status::Ok;
}

void tst_ReconciliationService::deletedRowIsSkipped() {
    QFETCH(qint64, statementBalance);
    QFETCH(Status, status);
    Fixture f;
    f.add("a", QDate(2026, 3, 1), 1000);
    f.add("b", QDate(2026, 3, 2), 2000);
    const QList<Transaction> seen = f.read({"a", "b"});
    QVERIFY(f.transactions.softDelete("b"));

    const auto result = f.service.finish("a1", QDate(2026, 3, 31), statementBalance, seen);
    QCOMPARE(result.status, status);
    QCOMPARE(result.skippedIds, QStringList{"b"});
    QCOMPARE(f.stored("a").reconciled, status == Status::Ok);
    QVERIFY(!f.stored("b").reconciled);
    QCOMPARE(f.reconciliations.findByAccount("a1").size(), status == Status::Ok ? 1 : 0);
}

void tst_ReconciliationService::failedWriteLeavesRowsAsTheyWere() {
    Fixture f;
    f.add("a", QDate(2026, 3, 1), 1000);
    QSqlQuery trigger(f.db.connection());
    QVERIFY2(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                          "BEGIN SELECT RAISE(ABORT, 'disk full'); END"),
             qPrintable(trigger.lastError().text()));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("ReconciliationRepository::insert failed"));

    const auto result = f.service.finish("a1", QDate(2026, 3, 31), 11000, f.read({"a"}));
    QCOMPARE(result.status, Status::Failed);
    const Transaction a = f.stored("a");
    QVERIFY(!a.reconciled && !a.cleared);
    QVERIFY(f.reconciliations.findByAccount("a1").isEmpty());
    QCOMPARE(f.service.finish("gone", QDate(2026, 3, 31), 0, {}).status, Status::AccountNotFound);
}

QTEST_GUILESS_MAIN(tst_ReconciliationService)
#include "tst_reconciliationservice.moc"
