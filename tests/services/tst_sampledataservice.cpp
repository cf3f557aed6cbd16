// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/categoryservice.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

namespace {

const QStringList kTables{"split_lines",  "reconciliations", "recurring_transactions",
                          "transactions", "accounts",        "sync_queue"};

int sampleRows(const TestDatabase &db) {
    int rows = 0;
    for (const QString &table : kTables) {
        const QString column = table == "sync_queue" ? "entity_id" : "id";
        rows += db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 LIKE 'sample-%'")
                              .arg(table, column))
                    .toInt();
    }
    return rows;
}

int count(const TestDatabase &db, const QString &sql) {
    return db.scalar(sql).toInt();
}

} // namespace

class tst_SampleDataService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadOnceThenClear();
    void loadWithoutCategories();
    void clearTakesPostedOccurrencesAlong();
    void clearKeepsUserRows();
};

void tst_SampleDataService::loadOnceThenClear() {
    TestDatabase db;
    CategoryRepository categories(db.database());
    QVERIFY(CategoryService(&categories).ensureDefaults());
    SampleDataService service(db.database());
    QVERIFY(!service.hasSampleData());
    QVERIFY(service.loadSampleData());
    QVERIFY(service.hasSampleData());

    QCOMPARE(count(db, "SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending'"), 3);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions"), 49);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions WHERE account_id = "
                       "'sample-acct-checking'"),
             33);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions WHERE account_id = "
                       "'sample-acct-savings'"),
             4);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-visa'"),
             12);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM recurring_transactions"), 3);
    const int total = sampleRows(db);
    QCOMPARE(total, 3 + 49 + 3);

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString sixtyAgo = QDate::currentDate().addDays(-60).toString(Qt::ISODate);
    // The first paycheck: reconciled, and filed under the seeded category.
    QCOMPARE(db.scalar(QStringLiteral("SELECT t.cleared || t.reconciled || c.name FROM "
                                      "transactions t JOIN categories c ON c.id = t.category_id "
                                      "WHERE t.payee = 'Brightpath Inc' AND t.date = '%1'")
                           .arg(sixtyAgo))
                 .toString(),
             QStringLiteral("11Salary / Wages"));
    QCOMPARE(db.scalar("SELECT p.name FROM transactions t JOIN categories c ON c.id = "
                       "t.category_id JOIN categories p ON p.id = c.parent_id WHERE t.check_number "
                       "= '1041'")
                 .toString(),
             QStringLiteral("Housing"));
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions WHERE date >= date('now', 'localtime', "
                       "'-8 days') AND (cleared = 1 OR reconciled = 1) AND account_id = "
                       "'sample-acct-checking'"),
             0);

    // Every transfer leg names the other leg and the other account, with the opposite amount.
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions a JOIN transactions b ON "
                       "a.transfer_link_id = b.id AND b.transfer_link_id = a.id AND a.amount = "
                       "-b.amount AND a.transfer_dest_account_id = b.account_id AND a.date = "
                       "b.date AND a.category_id IS NULL"),
             4);
    QCOMPARE(count(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE "
                                      "transfer_link_id IS NOT NULL AND date = '%1'")
                           .arg(today)),
             2);

    // The rules fall due later, so nothing is pending today.
    AccountRepository accounts(db.database());
    TransactionRepository transactions(db.database());
    RecurringRepository recurring(db.database());
    RecurringService recurringService(&recurring, &transactions, &accounts);
    QCOMPARE(recurringService.pendingCount(), 0);

    QVERIFY(!service.loadSampleData());
    QCOMPARE(sampleRows(db), total);

    QVERIFY(service.clearSampleData());
    QCOMPARE(sampleRows(db), 0);
    QVERIFY(!service.hasSampleData());
    QCOMPARE(categories.count(), 56);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH "
                       "'Brightpath'"),
             0);
}

void tst_SampleDataService::loadWithoutCategories() {
    TestDatabase db;
    SampleDataService service(db.database());
    QVERIFY(service.loadSampleData());
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions WHERE category_id IS NOT NULL"), 0);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions"), 49);
}

void tst_SampleDataService::clearTakesPostedOccurrencesAlong() {
    TestDatabase db;
    SampleDataService service(db.database());
    QVERIFY(service.loadSampleData());
    AccountRepository accounts(db.database());
    TransactionRepository transactions(db.database());
    RecurringRepository recurring(db.database());
    RecurringService recurringService(&recurring, &transactions, &accounts);
    for (const RecurringTransaction &rule : recurringService.allRecurring())
        QVERIFY(recurringService.confirm(rule));
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions WHERE id NOT LIKE 'sample-%'"), 4);

    QVERIFY(service.clearSampleData());
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions"), 0);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM accounts"), 0);
}

void tst_SampleDataService::clearKeepsUserRows() {
    TestDatabase db;
    SampleDataService service(db.database());
    QVERIFY(service.loadSampleData());
    TransactionRepository transactions(db.database());
    QVERIFY(transactions.insert(
        TestRecords::transaction("mine", "sample-acct-checking", QDate::currentDate(), -1234)));

    QStringList kept;
    QVERIFY(service.clearSampleData(&kept));
    QCOMPARE(kept.size(), 1);
    // Only the user's row and the account holding it remain.
    QCOMPARE(count(db, "SELECT COUNT(*) FROM transactions"), 1);
    QVERIFY(transactions.findById("mine"));
    QCOMPARE(count(db, "SELECT COUNT(*) FROM accounts"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM accounts WHERE id = 'sample-acct-checking'"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM recurring_transactions"), 0);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM reconciliations"), 0);
}

QTEST_GUILESS_MAIN(tst_SampleDataService)

#include "tst_sampledataservice.moc"
