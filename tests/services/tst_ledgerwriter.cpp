// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/importrulerepository.h"
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
    void accountOrderIsStored();
    void deletingACategoryUncategorisesItsTransactions();
    void failedCategoryDeleteChangesNothing();
    void accountEditWritesDetailsAndBalanceTogether_data();
    void accountEditWritesDetailsAndBalanceTogether();
    void formTransactionAndSplitAreOneWrite_data();
    void formTransactionAndSplitAreOneWrite();
    void formRecordsAreStampedHere();
    void importRulesAreWrittenHere();
    void resyncMarksEveryTableOrNothing_data();
    void resyncMarksEveryTableOrNothing();
};

namespace {

void run(Fixture &f, const QString &sql) {
    QSqlQuery query(f.db.connection());
    QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
}

void refuse(Fixture &f, const char *operation, const char *table) {
    QSqlQuery query(f.db.connection());
    QVERIFY2(query.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON %2 BEGIN "
                                       "SELECT RAISE(ABORT, 'refused'); END")
                            .arg(QLatin1String(operation), QLatin1String(table))),
             qPrintable(query.lastError().text()));
}

} // namespace

void tst_LedgerWriter::importRulesAreWrittenHere() {
    Fixture f;
    // The rules window reads through its own repository and must still hear of each change.
    ImportRuleRepository window(f.db.database());
    QSignalSpy changed(&window, &ImportRuleRepository::rulesChanged);
    const auto texts = [&window] {
        QStringList out;
        for (const ImportRule &rule : window.findAll())
            out << rule.text;
        return out;
    };
    ImportRule first;
    first.text = "Coffee";
    first.id = "copied-from-another-rule";
    QVERIFY(f.ledger.addImportRule(first));
    QVERIFY(first.id != QLatin1String("copied-from-another-rule"));
    ImportRule second;
    second.text = "Rent";
    QVERIFY(f.ledger.addImportRule(second));
    QCOMPARE(texts(), QStringList({"Coffee", "Rent"}));

    QVERIFY(f.ledger.reorderImportRules({second.id, first.id}));
    QCOMPARE(texts(), QStringList({"Rent", "Coffee"}));
    ImportRule edited = *window.findById(first.id);
    edited.setPayee = "Corner Cafe";
    QCOMPARE(f.ledger.saveImportRule(edited), LedgerWriter::Result::Ok);
    QCOMPARE(window.findById(first.id)->setPayee, QStringLiteral("Corner Cafe"));
    QCOMPARE(window.findById(first.id)->position, 1);

    QCOMPARE(f.ledger.deleteImportRule(first.id), LedgerWriter::Result::Ok);
    QCOMPARE(f.ledger.deleteImportRule(first.id), LedgerWriter::Result::NotFound);
    QCOMPARE(f.ledger.saveImportRule(edited), LedgerWriter::Result::NotFound);
    QCOMPARE(texts(), QStringList({"Rent"}));
    QCOMPARE(changed.count(), 5);
}

void tst_LedgerWriter::accountEditWritesDetailsAndBalanceTogether_data() {
    QTest::addColumn<bool>("withOpening");
    QTest::addColumn<qint64>("balance");
    QTest::addColumn<QString>("refusedTable");
    QTest::addColumn<qint64>("expectedBalance");
    QTest::addRow("opening row changed") << true << qint64(-2500) << "" << qint64(-2500);
    QTest::addRow("opening row removed by 0") << true << qint64(0) << "" << qint64(0);
    QTest::addRow("no opening row: the account's own") << false << qint64(700) << "" << qint64(700);
    QTest::addRow("account refused: opening kept")
        << true << qint64(-2500) << "accounts" << qint64(10000);
    QTest::addRow("opening refused: details kept")
        << true << qint64(-2500) << "transactions" << qint64(10000);
}

void tst_LedgerWriter::accountEditWritesDetailsAndBalanceTogether() {
    QFETCH(bool, withOpening);
    QFETCH(qint64, balance);
    QFETCH(QString, refusedTable);
    QFETCH(qint64, expectedBalance);
    Fixture f;
    Account fresh;
    fresh.name = "Wallet";
    QString id;
    QVERIFY(f.ledger.createAccount(fresh, withOpening ? 10000 : 0, QDate(2026, 1, 1), &id));
    if (!withOpening)
        run(f,
            QStringLiteral("UPDATE accounts SET starting_balance = 10000 WHERE id = '%1'").arg(id));
    if (!refusedTable.isEmpty()) {
        refuse(f, "UPDATE", qPrintable(refusedTable));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed"));
    }

    Account edited = *f.accounts.findById(id);
    edited.name = "Purse";
    const LedgerWriter::Result result = f.ledger.updateAccount(edited, balance, QDate(2026, 2, 1));
    const Account stored = *f.accounts.findById(id);
    const std::optional<Transaction> opening = f.ledger.openingBalance(id);
    const qint64 shown = opening ? opening->amount : stored.startingBalance;
    QCOMPARE(shown, expectedBalance);
    if (!refusedTable.isEmpty()) {
        QCOMPARE(result, LedgerWriter::Result::Failed);
        QCOMPARE(stored.name, QStringLiteral("Wallet"));
        QCOMPARE(stored.version, 1);
        return;
    }
    QCOMPARE(result, LedgerWriter::Result::Ok);
    QCOMPARE(stored.name, QStringLiteral("Purse"));
    QCOMPARE(stored.version, 2);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    if (withOpening && balance != 0) {
        QCOMPARE(opening->date, QDate(2026, 2, 1));
        QCOMPARE(opening->version, 2);
        QCOMPARE(stored.startingBalance, 0);
    }
}

void tst_LedgerWriter::formTransactionAndSplitAreOneWrite_data() {
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<bool>("refuseLines");
    QTest::addRow("new") << true << false;
    QTest::addRow("edit") << false << false;
    QTest::addRow("new, lines refused") << true << true;
    QTest::addRow("edit, lines refused") << false << true;
}

void tst_LedgerWriter::formTransactionAndSplitAreOneWrite() {
    QFETCH(bool, isNew);
    QFETCH(bool, refuseLines);
    Fixture f;
    QVERIFY(f.categories.insert(category("food", "Food")));
    QVERIFY(f.categories.insert(category("home", "Home")));
    Transaction t = transaction("t1", "a1", QDate(2026, 3, 1), -3000, "Grocer");
    if (!isNew)
        QVERIFY(f.transactions.insert(t));
    if (refuseLines) {
        refuse(f, "INSERT", "split_lines");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed"));
    }
    t.amount = -5000;
    // The lines come as typed, unsigned; they follow the amount's sign.
    SplitLine food;
    food.categoryId = "food";
    food.amount = 2000;
    SplitLine home;
    home.categoryId = "home";
    home.amount = 3000;
    const QList<SplitLine> lines{food, home};
    const LedgerWriter::Result result = f.ledger.saveTransaction(t, isNew, &lines);
    const std::optional<Transaction> stored = f.transactions.findById("t1");
    const int lineCount = f.db.scalar("SELECT COUNT(*) FROM split_lines").toInt();
    if (refuseLines) {
        QCOMPARE(result, LedgerWriter::Result::Failed);
        QCOMPARE(lineCount, 0);
        if (isNew)
            QVERIFY(!stored);
        else
            QCOMPARE(stored->amount, -3000);
        return;
    }
    QCOMPARE(result, LedgerWriter::Result::Ok);
    QVERIFY(stored->isSplit);
    QCOMPARE(stored->amount, -5000);
    QCOMPARE(stored->version, isNew ? 1 : 2);
    QCOMPARE(lineCount, 2);
    QCOMPARE(f.db.scalar("SELECT SUM(amount) FROM split_lines").toLongLong(), -5000);

    // Removing the split is a write of its own, stamped like any edit.
    QCOMPARE(f.ledger.saveSplit("t1", {}), LedgerWriter::Result::Ok);
    QVERIFY(!f.stored("t1").isSplit);
    QCOMPARE(f.stored("t1").version, isNew ? 2 : 3);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM split_lines").toInt(), 0);
}

void tst_LedgerWriter::formRecordsAreStampedHere() {
    Fixture f;
    // Forms hand back fields only: no id, version, status or times.
    RecurringTransaction rule;
    rule.accountId = "a1";
    rule.payee = "Rent";
    rule.amount = -1000;
    rule.startDate = rule.nextDueDate = QDate(2026, 4, 1);
    rule.version = 9;
    rule.serverId = "copied-from-a-seed";
    QString ruleId;
    QVERIFY(f.ledger.addRecurring(rule, &ruleId));
    RecurringTransaction stored = *f.recurring.findById(ruleId);
    QCOMPARE(stored.version, 1);
    QVERIFY(stored.serverId.isEmpty());
    QVERIFY(stored.createdAt.isValid());
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);

    run(f, QStringLiteral("UPDATE recurring_transactions SET sync_status = 'synced', "
                          "server_id = 'srv-1' WHERE id = '%1'")
               .arg(ruleId));
    RecurringTransaction edited = stored;
    edited.serverId.clear();
    edited.payee = "Rent (new flat)";
    QCOMPARE(f.ledger.updateRecurring(edited), LedgerWriter::Result::Ok);
    stored = *f.recurring.findById(ruleId);
    QCOMPARE(stored.version, 2);
    QCOMPARE(stored.serverId, QStringLiteral("srv-1"));
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QCOMPARE(f.ledger.deleteRecurring(ruleId), LedgerWriter::Result::Ok);
    QCOMPARE(f.ledger.updateRecurring(edited), LedgerWriter::Result::NotFound);

    Category category;
    category.name = "Pets";
    QString categoryId;
    QVERIFY(f.ledger.addCategory(category, &categoryId));
    QCOMPARE(f.categories.findById(categoryId)->version, 1);
    QCOMPARE(f.ledger.renameCategory(categoryId, "Animals"), LedgerWriter::Result::Ok);
    QCOMPARE(f.categories.findById(categoryId)->name, QStringLiteral("Animals"));
    QCOMPARE(f.categories.findById(categoryId)->version, 2);
    QCOMPARE(f.ledger.renameCategory("nowhere", "x"), LedgerWriter::Result::NotFound);
}

void tst_LedgerWriter::resyncMarksEveryTableOrNothing_data() {
    QTest::addColumn<bool>("refuseLast");
    QTest::addRow("all marked") << false;
    QTest::addRow("last table refused") << true;
}

void tst_LedgerWriter::resyncMarksEveryTableOrNothing() {
    QFETCH(bool, refuseLast);
    Fixture f;
    QVERIFY(f.transactions.insert(transaction("t1", "a1", QDate(2026, 3, 1), -100)));
    QVERIFY(f.reconciliations.insert(reconciliation("r1", "a1", QDate(2026, 3, 31))));
    for (const char *table : {"accounts", "transactions", "reconciliations"})
        run(f, QStringLiteral("UPDATE %1 SET sync_status = 'synced'").arg(QLatin1String(table)));
    if (refuseLast) {
        refuse(f, "UPDATE", "reconciliations");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed"));
    }
    const int marked = f.ledger.markAllForResync();
    const int pending
        = f.db.scalar("SELECT (SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending') + "
                      "(SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending') + "
                      "(SELECT COUNT(*) FROM reconciliations WHERE sync_status = 'pending')")
              .toInt();
    if (refuseLast) {
        QCOMPARE(marked, -1);
        QCOMPARE(pending, 0);
    } else {
        QCOMPARE(pending, 4);
        QVERIFY(marked >= 4);
    }
}

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
    QVERIFY(!f.ledger.liveAccount("a1"));
    QVERIFY(!f.ledger.liveTransaction("t0"));
    QVERIFY(f.ledger.liveTransaction("other"));
    QCOMPARE(f.ledger.accounts().size(), 1);

    QVERIFY(f.ledger.restoreAccount("a1"));
    QVERIFY(!f.accounts.findById("a1")->deletedAt.has_value());
    QVERIFY(f.ledger.liveAccount("a1"));
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM transactions WHERE account_id = 'a1' AND "
                         "deleted_at IS NULL")
                 .toInt(),
             3);
    QCOMPARE(f.deletedAt("recurring_transactions", "r1"), QString());
    QCOMPARE(f.deletedAt("reconciliations", "c1"), QString());
    QCOMPARE(f.deletedAt("transactions", "old"), QStringLiteral("2025-01-01T00:00:00Z"));
    QVERIFY(!f.ledger.restoreAccount("a1"));
}

void tst_LedgerWriter::accountOrderIsStored() {
    Fixture f;
    QVERIFY(f.accounts.insert(account("a3", "Cash")));
    QSignalSpy changed(&f.accounts, &AccountRepository::accountsChanged);
    QVERIFY(f.ledger.setAccountOrder({"a3", "a1", "a2"}));
    QStringList order;
    for (const Account &account : f.ledger.accounts())
        order << account.id;
    QCOMPARE(order, (QStringList{"a3", "a1", "a2"}));
    QTRY_VERIFY(changed.count() > 0);
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
