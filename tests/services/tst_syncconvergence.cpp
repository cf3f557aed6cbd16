// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/services/syncdevice.h"
#include "tests/support/testrecords.h"
#include "tests/support/testsyncserver.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace TestRecords;

namespace {

const QStringList kTables{"accounts", "categories", "recurring_transactions", "transactions",
                          "reconciliations"};

// Every live row of a table as text, sync bookkeeping aside, in id order.
QStringList liveRows(const SyncDevice &device, const QString &table) {
    QSqlQuery query(device.db.connection());
    if (!query.exec(
            QStringLiteral("SELECT * FROM %1 WHERE deleted_at IS NULL ORDER BY id").arg(table))) {
        qWarning("%s", qPrintable(query.lastError().text()));
        return {};
    }
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i) {
            if (record.fieldName(i) != QLatin1String("sync_status"))
                fields << record.fieldName(i) + '=' + query.value(i).toString();
        }
        rows << fields.join(QLatin1String(", "));
    }
    return rows;
}

QStringList deletedIds(const SyncDevice &device, const QString &table) {
    QSqlQuery query(device.db.connection());
    query.exec(
        QStringLiteral("SELECT id FROM %1 WHERE deleted_at IS NOT NULL ORDER BY id").arg(table));
    QStringList ids;
    while (query.next())
        ids << query.value(0).toString();
    return ids;
}

} // namespace

class tst_SyncConvergence : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoDevicesConverge();

private:
    void compareDevices(const SyncDevice &a, const SyncDevice &b);
};

void tst_SyncConvergence::compareDevices(const SyncDevice &a, const SyncDevice &b) {
    for (const QString &table : kTables) {
        const QStringList rowsA = liveRows(a, table);
        QVERIFY2(!rowsA.isEmpty(), qPrintable(table));
        QCOMPARE(liveRows(b, table), rowsA);
        QCOMPARE(deletedIds(b, table), deletedIds(a, table));
    }
    // What the reports read: a pulled row must count exactly as it does where it was made.
    const auto summary = [](const SyncDevice &device) {
        QSqlQuery query(device.db.connection());
        QStringList rows;
        if (!query.exec(QStringLiteral("SELECT month, category_id, out_total, out_count, in_total, "
                                       "in_count FROM report_category_months WHERE out_count > 0 "
                                       "OR in_count > 0 ORDER BY month, category_id")))
            qWarning("%s", qPrintable(query.lastError().text()));
        while (query.next())
            rows << QStringList{query.value(0).toString(), query.value(1).toString(),
                                query.value(2).toString(), query.value(3).toString(),
                                query.value(4).toString(), query.value(5).toString()}
                        .join(QLatin1Char(' '));
        return rows;
    };
    QVERIFY(!summary(a).isEmpty());
    QCOMPARE(summary(b), summary(a));
}

void tst_SyncConvergence::twoDevicesConverge() {
    TestSyncServer server;
    QVERIFY(server.listen());
    SyncDevice a(QStringLiteral("device-a"), server.url());
    SyncDevice b(QStringLiteral("device-b"), server.url());
    QVERIFY(a.db.isValid() && b.db.isValid());

    QVERIFY(a.accounts.insert(account("acc-check", "Checking", 150000)));
    Account savings = account("acc-save", "Savings", 0);
    savings.type = AccountType::Savings;
    savings.currency = Currency::EUR;
    QVERIFY(a.accounts.insert(savings));

    QVERIFY(a.categories.insert(category("cat-home", "Home")));
    Category rent = category("cat-rent", "Rent");
    rent.parentId = "cat-home";
    rent.isTaxRelevant = true;
    QVERIFY(a.categories.insert(rent));

    Transaction paid = transaction("tx-rent", "acc-check", QDate(2026, 1, 3), -95000, "Landlord");
    paid.categoryId = "cat-rent";
    paid.cleared = true;
    paid.checkNumber = "1001";
    QVERIFY(a.transactions.insert(paid));
    Transaction out = transaction("tx-out", "acc-check", QDate(2026, 1, 4), -20000, "Transfer");
    out.transferLinkId = "tx-in";
    out.transferDestAccountId = "acc-save";
    Transaction in = transaction("tx-in", "acc-save", QDate(2026, 1, 4), 20000, "Transfer");
    in.transferLinkId = "tx-out";
    in.transferDestAccountId = "acc-check";
    QVERIFY(a.transactions.insert(out));
    QVERIFY(a.transactions.insert(in));
    Transaction grocer = transaction("tx-grocer", "acc-check", QDate(2026, 1, 5), -4599, "Grocer");
    QVERIFY(a.transactions.insert(grocer));

    RecurringTransaction monthly = rule("rule-rent", "acc-check", QDate(2026, 2, 3));
    monthly.categoryId = "cat-rent";
    monthly.endDate = QDate(2027, 1, 3);
    monthly.autoPost = true;
    QVERIFY(a.recurring.insert(monthly));
    QVERIFY(a.reconciliations.insert(reconciliation("recon-1", "acc-check", QDate(2025, 12, 31))));

    QVERIFY(a.sync());
    QVERIFY(b.sync());
    compareDevices(a, b);
    QCOMPARE(b.scalar("SELECT count(*) FROM transactions WHERE sync_status != 'synced'").toInt(),
             0);

    // B edits and deletes; then B and A sync.
    Transaction edited = *b.transactions.findById("tx-rent");
    edited.payee = "New landlord";
    edited.amount = -97500;
    edited.version += 1;
    edited.syncStatus = SyncStatus::Pending;
    QVERIFY(b.transactions.update(edited));
    QVERIFY(b.transactions.softDelete("tx-grocer"));
    Account renamed = *b.accounts.findById("acc-save");
    renamed.name = "Rainy day";
    renamed.version += 1;
    renamed.syncStatus = SyncStatus::Pending;
    QVERIFY(b.accounts.update(renamed));
    QVERIFY(b.categories.softDelete("cat-home"));
    RecurringTransaction paused = *b.recurring.findById("rule-rent");
    paused.isActive = false;
    paused.version += 1;
    paused.syncStatus = SyncStatus::Pending;
    QVERIFY(b.recurring.update(paused));

    QVERIFY(b.sync());
    QVERIFY(a.sync());
    QCOMPARE(a.transactions.findById("tx-rent")->payee, QStringLiteral("New landlord"));
    QVERIFY(a.transactions.findById("tx-grocer")->deletedAt);
    compareDevices(a, b);

    // The deletions A took over go back once as its echo; the devices stay equal after it.
    QVERIFY(a.sync());
    QVERIFY(b.sync());
    compareDevices(a, b);
    QCOMPARE(a.scalar("SELECT count(*) FROM transactions WHERE sync_status = 'pending'").toInt(),
             0);
    QCOMPARE(b.scalar("SELECT count(*) FROM transactions WHERE sync_status = 'pending'").toInt(),
             0);
}

QTEST_GUILESS_MAIN(tst_SyncConvergence)
#include "tst_syncconvergence.moc"
