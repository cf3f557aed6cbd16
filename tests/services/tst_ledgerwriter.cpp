// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace TestRecords;

namespace {

struct Fixture {
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    RecurringRepository recurring{db.database()};
    ReconciliationRepository reconciliations{db.database()};
    CategoryRepository categories{db.database()};
    LedgerWriter ledger{db.database(), &accounts,        &transactions,
                        &recurring,    &reconciliations, &categories};

    Fixture() {
        accounts.insert(account("a1", "Checking"));
        accounts.insert(account("a2", "Savings"));
    }
    Transaction stored(const QString &id) const { return *transactions.findById(id); }
    QString deletedAt(const QString &table, const QString &id) const {
        return db.scalar(QStringLiteral("SELECT deleted_at FROM %1 WHERE id = '%2'").arg(table, id))
            .toString();
    }
    // Two legs of a transfer of 25.00 from Checking to Savings, linked in one of the two
    // shapes stored data holds: each naming the other's id, or both carrying one link id.
    void insertTransfer(bool sharedLink) {
        Transaction out = transaction("out", "a1", QDate(2026, 3, 1), -2500, "Transfer to Savings");
        Transaction in = transaction("in", "a2", QDate(2026, 3, 1), 2500, "Transfer from Checking");
        out.transferLinkId = sharedLink ? QStringLiteral("link-1") : QStringLiteral("in");
        in.transferLinkId = sharedLink ? QStringLiteral("link-1") : QStringLiteral("out");
        out.transferDestAccountId = "a2";
        in.transferDestAccountId = "a1";
        QVERIFY(transactions.insert(out));
        QVERIFY(transactions.insert(in));
    }
};

} // namespace

class tst_LedgerWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addTransferWritesLinkedLegs();
    void transferToOwnAccountIsRefused();
    void editingALegUpdatesTheOther_data();
    void editingALegUpdatesTheOther();
    void deletingALegDeletesBoth_data();
    void deletingALegDeletesBoth();
    void deletingAPlainRowLeavesOthersAlone();
    void editKeepsTheServerId();
    void deletedOtherLegIsLeftAlone_data();
    void deletedOtherLegIsLeftAlone();
    void plainRowNeverBecomesHalfATransfer();
    void reconciledOtherLeg_data();
    void reconciledOtherLeg();
    void nothingIsAddedToADeletedAccount();
    void cascadeDeleteWritesOneStampAndRestoreUndoesIt();
    void restoreTakesOlderStampsWithinAFewSeconds();
    void deletingACategoryUncategorisesItsTransactions();
    void failedCategoryDeleteChangesNothing();
};

void tst_LedgerWriter::addTransferWritesLinkedLegs() {
    Fixture f;
    Transaction t = transaction(QString(), "a1", QDate(2026, 3, 1), -4000, "[Transfer] Savings");
    t.id = "t1";
    t.cleared = t.reconciled = true;
    QCOMPARE(f.ledger.addTransaction(t), LedgerWriter::Result::Ok);
    const Transaction out = f.stored("t1");
    QCOMPARE(out.payee, QStringLiteral("Transfer to Savings"));
    QVERIFY(out.cleared && out.reconciled);
    const std::optional<Transaction> in = f.ledger.otherLeg(out);
    QVERIFY(in);
    QCOMPARE(in->accountId, QStringLiteral("a2"));
    QCOMPARE(in->amount, 4000);
    QCOMPARE(in->payee, QStringLiteral("Transfer from Checking"));
    QVERIFY(!in->cleared && !in->reconciled);
    QCOMPARE(f.ledger.otherLeg(*in)->id, QStringLiteral("t1"));
}

void tst_LedgerWriter::transferToOwnAccountIsRefused() {
    Fixture f;
    Transaction t = transaction("t1", "a1", QDate(2026, 3, 1), -4000, "[Transfer] Checking");
    QCOMPARE(f.ledger.addTransaction(t), LedgerWriter::Result::TransferToSameAccount);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);

    t.payee = "Grocer";
    QCOMPARE(f.ledger.addTransaction(t), LedgerWriter::Result::Ok);
    t.payee = "[Transfer] Checking";
    QCOMPARE(f.ledger.updateTransaction(t), LedgerWriter::Result::TransferToSameAccount);
    QCOMPARE(f.stored("t1").payee, QStringLiteral("Grocer"));
}

void tst_LedgerWriter::editingALegUpdatesTheOther_data() {
    QTest::addColumn<bool>("sharedLink");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("other");
    QTest::addRow("ids linked, edit out") << false << "out"
                                          << "in";
    QTest::addRow("ids linked, edit in") << false << "in"
                                         << "out";
    QTest::addRow("shared link id, edit out") << true << "out"
                                              << "in";
    QTest::addRow("shared link id, edit in") << true << "in"
                                             << "out";
}

void tst_LedgerWriter::editingALegUpdatesTheOther() {
    QFETCH(bool, sharedLink);
    QFETCH(QString, edited);
    QFETCH(QString, other);
    Fixture f;
    f.insertTransfer(sharedLink);

    Transaction t = f.stored(edited);
    t.amount = -9900;
    t.date = QDate(2026, 4, 15);
    t.memo = "moved";
    QCOMPARE(f.ledger.updateTransaction(t), LedgerWriter::Result::Ok);

    const Transaction saved = f.stored(edited);
    QCOMPARE(saved.amount, -9900);
    QCOMPARE(saved.version, 2);
    const Transaction leg = f.stored(other);
    QCOMPARE(leg.amount, 9900);
    QCOMPARE(leg.date, QDate(2026, 4, 15));
    QCOMPARE(leg.memo, QString());
    QCOMPARE(leg.version, 2);
    QCOMPARE(leg.syncStatus, SyncStatus::Pending);
}

void tst_LedgerWriter::deletingALegDeletesBoth_data() {
    editingALegUpdatesTheOther_data();
}

void tst_LedgerWriter::deletingALegDeletesBoth() {
    QFETCH(bool, sharedLink);
    QFETCH(QString, edited);
    QFETCH(QString, other);
    Fixture f;
    f.insertTransfer(sharedLink);
    QCOMPARE(f.ledger.deleteTransaction(edited), LedgerWriter::Result::Ok);
    QVERIFY(f.stored(edited).deletedAt.has_value());
    QVERIFY(f.stored(other).deletedAt.has_value());
    QCOMPARE(f.ledger.deleteTransaction(edited), LedgerWriter::Result::NotFound);
}

void tst_LedgerWriter::deletingAPlainRowLeavesOthersAlone() {
    Fixture f;
    f.insertTransfer(true);
    QVERIFY(f.transactions.insert(transaction("plain", "a1", QDate(2026, 3, 2), -100)));
    QCOMPARE(f.ledger.deleteTransaction("plain"), LedgerWriter::Result::Ok);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 2);
    QCOMPARE(f.ledger.deleteTransaction("missing"), LedgerWriter::Result::NotFound);
}

// The register's rows carry no server id: an edit saved from one must not lose it, or the
// row would go out as a new record, a duplicate on every device.
void tst_LedgerWriter::editKeepsTheServerId() {
    Fixture f;
    QVERIFY(f.transactions.insert(transaction("p", "a1", QDate(2026, 3, 2), -100)));
    QVERIFY(f.transactions.markSynced("p", "srv-9"));
    Transaction edited = f.stored("p");
    edited.serverId.clear();
    edited.memo = "edited";
    QCOMPARE(f.ledger.updateTransaction(edited), LedgerWriter::Result::Ok);
    const Transaction saved = f.stored("p");
    QCOMPARE(saved.serverId, QStringLiteral("srv-9"));
    QCOMPARE(saved.memo, QStringLiteral("edited"));
    QCOMPARE(saved.version, 2);
    QCOMPARE(saved.syncStatus, SyncStatus::Pending);
}

void tst_LedgerWriter::deletedOtherLegIsLeftAlone_data() {
    QTest::addColumn<bool>("sharedLink");
    QTest::addRow("ids linked") << false;
    QTest::addRow("shared link id") << true;
}

// The other account was deleted and took its leg along: the surviving leg is edited and
// deleted on its own, and the deleted leg keeps its stamp so that a restore finds it.
void tst_LedgerWriter::deletedOtherLegIsLeftAlone() {
    QFETCH(bool, sharedLink);
    Fixture f;
    f.insertTransfer(sharedLink);
    QVERIFY(f.ledger.deleteAccount("a2"));
    const Transaction before = f.stored("in");
    QVERIFY(before.deletedAt.has_value());
    QVERIFY(!f.ledger.otherLeg(f.stored("out")));

    Transaction out = f.stored("out");
    out.amount = -7700;
    QCOMPARE(f.ledger.updateTransaction(out), LedgerWriter::Result::Ok);
    QCOMPARE(f.ledger.deleteTransaction("out"), LedgerWriter::Result::Ok);
    const Transaction after = f.stored("in");
    QCOMPARE(after.amount, before.amount);
    QCOMPARE(after.version, before.version);
    QCOMPARE(after.deletedAt, before.deletedAt);
    QCOMPARE(after.updatedAt, before.updatedAt);

    QVERIFY(f.ledger.restoreAccount("a2"));
    QVERIFY(!f.stored("in").deletedAt.has_value());
}

// A payee alone moves no money into another account: a plain row stays plain.
void tst_LedgerWriter::plainRowNeverBecomesHalfATransfer() {
    Fixture f;
    QVERIFY(f.transactions.insert(transaction("p", "a1", QDate(2026, 3, 2), -100, "Grocer")));
    Transaction edited = f.stored("p");
    edited.payee = "[Transfer] Savings";
    QCOMPARE(f.ledger.updateTransaction(edited), LedgerWriter::Result::NotATransfer);
    QCOMPARE(f.stored("p").payee, QStringLiteral("Grocer"));
    QCOMPARE(f.stored("p").version, 1);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM transactions WHERE account_id = 'a2'").toInt(), 0);
}

void tst_LedgerWriter::reconciledOtherLeg_data() {
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("rewrite");
    QTest::addColumn<int>("result");
    QTest::addColumn<qint64>("savedAmount");
    QTest::addColumn<int>("legVersion");
    QTest::addRow("amount change refused")
        << qint64(-9900) << false << int(LedgerWriter::Result::OtherLegReconciled) << qint64(-2500)
        << 1;
    QTest::addRow("amount change confirmed")
        << qint64(-9900) << true << int(LedgerWriter::Result::Ok) << qint64(-9900) << 2;
    QTest::addRow("memo alone leaves the leg")
        << qint64(-2500) << false << int(LedgerWriter::Result::Ok) << qint64(-2500) << 1;
}

void tst_LedgerWriter::reconciledOtherLeg() {
    QFETCH(qint64, amount);
    QFETCH(bool, rewrite);
    QFETCH(int, result);
    QFETCH(qint64, savedAmount);
    QFETCH(int, legVersion);
    Fixture f;
    f.insertTransfer(false);
    Transaction in = f.stored("in");
    in.cleared = in.reconciled = true;
    QVERIFY(f.transactions.update(in));

    Transaction out = f.stored("out");
    out.amount = amount;
    out.memo = "note";
    QCOMPARE(int(f.ledger.updateTransaction(out, rewrite)), result);
    QCOMPARE(f.stored("out").amount, savedAmount);
    QCOMPARE(f.stored("in").amount, -savedAmount);
    QCOMPARE(f.stored("in").version, legVersion);
    QVERIFY(f.stored("in").reconciled);
}

void tst_LedgerWriter::nothingIsAddedToADeletedAccount() {
    Fixture f;
    QVERIFY(f.ledger.deleteAccount("a2"));
    QCOMPARE(f.ledger.addTransaction(transaction("", "a2", QDate(2026, 3, 2), -100)),
             LedgerWriter::Result::NotFound);
    QCOMPARE(f.ledger.addTransaction(
                 transaction("", "a1", QDate(2026, 3, 2), -100, "[Transfer] Savings")),
             LedgerWriter::Result::TransferAccountNotFound);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
}

void tst_LedgerWriter::cascadeDeleteWritesOneStampAndRestoreUndoesIt() {
    Fixture f;
    for (int i = 0; i < 3; ++i)
        QVERIFY(f.transactions.insert(
            transaction(QStringLiteral("t%1").arg(i), "a1", QDate(2026, 3, 1 + i), -100 * i)));
    QVERIFY(f.transactions.insert(transaction("other", "a2", QDate(2026, 3, 1), 500)));
    QVERIFY(f.recurring.insert(rule("r1", "a1", QDate(2026, 5, 1))));
    QVERIFY(f.reconciliations.insert(reconciliation("c1", "a1", QDate(2026, 2, 28))));
    // Deleted by the user long before the account: stays deleted after the restore.
    QVERIFY(f.transactions.insert(transaction("old", "a1", QDate(2026, 1, 1), -1)));
    QVERIFY(f.transactions.softDelete("old"));
    QVERIFY(f.db.connection()
                .exec("UPDATE transactions SET deleted_at = '2025-01-01T00:00:00Z' "
                      "WHERE id = 'old'")
                .lastError()
                .text()
                .isEmpty());

    QVERIFY(f.ledger.deleteAccount("a1"));
    const QString stamp = f.deletedAt("accounts", "a1");
    QVERIFY(!stamp.isEmpty());
    for (const char *id : {"t0", "t1", "t2"})
        QCOMPARE(f.deletedAt("transactions", QLatin1String(id)), stamp);
    QCOMPARE(f.deletedAt("recurring_transactions", "r1"), stamp);
    QCOMPARE(f.deletedAt("reconciliations", "c1"), stamp);
    QCOMPARE(f.deletedAt("transactions", "other"), QString());
    QVERIFY(!f.ledger.deleteAccount("a1"));

    QVERIFY(f.ledger.restoreAccount("a1"));
    QVERIFY(!f.accounts.findById("a1")->deletedAt.has_value());
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM transactions WHERE account_id = 'a1' AND "
                         "deleted_at IS NULL")
                 .toInt(),
             3);
    QCOMPARE(f.deletedAt("recurring_transactions", "r1"), QString());
    QCOMPARE(f.deletedAt("reconciliations", "c1"), QString());
    QCOMPARE(f.deletedAt("transactions", "old"), QStringLiteral("2025-01-01T00:00:00Z"));
    QVERIFY(!f.ledger.restoreAccount("a1"));
}

void tst_LedgerWriter::restoreTakesOlderStampsWithinAFewSeconds() {
    Fixture f;
    // Deleted one table at a time, each with its own clock reading.
    QVERIFY(f.transactions.insert(transaction("near", "a1", QDate(2026, 3, 1), -100)));
    QVERIFY(f.transactions.insert(transaction("far", "a1", QDate(2026, 3, 2), -200)));
    QVERIFY(f.recurring.insert(rule("r1", "a1", QDate(2026, 5, 1))));
    QSqlQuery query(f.db.connection());
    for (const char *sql :
         {"UPDATE transactions SET deleted_at = '2026-03-10T12:00:02Z' WHERE id = 'near'",
          "UPDATE transactions SET deleted_at = '2026-03-10T11:58:00Z' WHERE id = 'far'",
          "UPDATE recurring_transactions SET deleted_at = '2026-03-10T12:00:03Z'",
          "UPDATE accounts SET deleted_at = '2026-03-10T12:00:04Z' WHERE id = 'a1'"})
        QVERIFY2(query.exec(QLatin1String(sql)), qPrintable(query.lastError().text()));

    QVERIFY(f.ledger.restoreAccount("a1"));
    QCOMPARE(f.deletedAt("transactions", "near"), QString());
    QCOMPARE(f.deletedAt("recurring_transactions", "r1"), QString());
    QCOMPARE(f.deletedAt("transactions", "far"), QStringLiteral("2026-03-10T11:58:00Z"));
}

namespace {

void insertFiledRows(Fixture &f) {
    QVERIFY(f.categories.insert(category("food", "Food")));
    Category snacks = category("snacks", "Snacks");
    snacks.parentId = "food";
    QVERIFY(f.categories.insert(snacks));
    QVERIFY(f.categories.insert(category("fuel", "Fuel")));
    const auto filed = [&f](const QString &id, const QString &categoryId) {
        Transaction t = transaction(id, "a1", QDate(2026, 3, 1), -100);
        t.categoryId = categoryId;
        QVERIFY(f.transactions.insert(t));
    };
    filed("lunch", "food");
    filed("dinner", "food");
    filed("gone", "food");
    filed("chips", "snacks");
    filed("petrol", "fuel");
    QVERIFY(f.transactions.softDelete("gone"));
}

} // namespace

void tst_LedgerWriter::deletingACategoryUncategorisesItsTransactions() {
    Fixture f;
    insertFiledRows(f);
    QCOMPARE(f.transactions.countByCategory("food"), 2);
    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(changed.isValid());

    QCOMPARE(f.ledger.deleteCategory("food"), LedgerWriter::Result::Ok);
    QVERIFY(!f.deletedAt("categories", "food").isEmpty());
    QCOMPARE(changed.count(), 1);
    for (const QString id : {"lunch", "dinner"}) {
        const Transaction t = f.stored(id);
        QVERIFY(t.categoryId.isEmpty());
        QCOMPARE(t.version, 2);
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
    }
    QCOMPARE(f.transactions.countByCategory("food"), 0);
    // Only the deleted category's live rows change; its sub-category stays, with its rows.
    QCOMPARE(f.stored("gone").categoryId, QStringLiteral("food"));
    QCOMPARE(f.stored("chips").categoryId, QStringLiteral("snacks"));
    QCOMPARE(f.stored("petrol").categoryId, QStringLiteral("fuel"));
    QVERIFY(f.deletedAt("categories", "snacks").isEmpty());

    QCOMPARE(f.ledger.deleteCategory("food"), LedgerWriter::Result::NotFound);
    QCOMPARE(f.ledger.deleteCategory("nowhere"), LedgerWriter::Result::NotFound);
}

void tst_LedgerWriter::failedCategoryDeleteChangesNothing() {
    Fixture f;
    insertFiledRows(f);
    QSqlQuery query(f.db.connection());
    QVERIFY2(query.exec("CREATE TRIGGER refuse BEFORE UPDATE ON categories BEGIN "
                        "SELECT RAISE(ABORT, 'refused'); END"),
             qPrintable(query.lastError().text()));
    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("softDelete failed"));

    QCOMPARE(f.ledger.deleteCategory("food"), LedgerWriter::Result::Failed);
    QCOMPARE(f.stored("lunch").categoryId, QStringLiteral("food"));
    QCOMPARE(f.stored("lunch").version, 1);
    QVERIFY(f.deletedAt("categories", "food").isEmpty());
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(tst_LedgerWriter)
#include "tst_ledgerwriter.moc"
