// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/budgetservice.h"
#include "services/entrywriter.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/undostack.h"
#include "services/undostepstore.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/bookrows.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <functional>

using namespace TestRecords;

namespace {

using Snapshot = BookRows::Rows;

struct Fixture {
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    RecurringRepository recurring{db.database()};
    ReconciliationRepository reconciliations{db.database()};
    CategoryRepository categories{db.database()};
    SplitLineRepository splitLines{db.database()};
    LedgerWriter ledger{db.database(), &accounts,        &transactions,
                        &recurring,    &reconciliations, &categories};
    EntryWriter entries{db.database(), &ledger, &accounts, &transactions, &splitLines, &recurring};
    RecurringService schedule{&recurring, &transactions, &accounts};
    UndoStack undo{db.database()};

    Fixture() {
        accounts.insert(account("a1", "Checking"));
        accounts.insert(account("a2", "Savings"));
        categories.insert(category("food", "Food"));
        Transaction lunch = transaction("t1", "a1", QDate(2026, 3, 2), -1250, "Cafe");
        lunch.categoryId = "food";
        transactions.insert(lunch);
        transactions.insert(transaction("t2", "a1", QDate(2026, 3, 3), -4000, "Grocer"));
        transactions.insert(transaction("t3", "a1", QDate(2026, 3, 4), -900, "Cafe Nord"));
        Transaction out = transaction("out", "a1", QDate(2026, 3, 1), -2500, "Transfer to Savings");
        Transaction in = transaction("in", "a2", QDate(2026, 3, 1), 2500, "Transfer from Checking");
        out.transferLinkId = "in";
        in.transferLinkId = "out";
        out.transferDestAccountId = "a2";
        in.transferDestAccountId = "a1";
        transactions.insert(out);
        transactions.insert(in);
        recurring.insert(rule("r1", "a1", QDate(2026, 4, 1)));
        RecurringTransaction saving = rule("r2", "a1", QDate(2026, 4, 15));
        saving.transferDestAccountId = "a2";
        recurring.insert(saving);
        reconciliations.insert(reconciliation("rc1", "a1", QDate(2026, 2, 28)));
        categories.insert(category("fuel", "Fuel"));
        ledger.setBudget("food", "2026-02", 8000, false);
        ledger.setBudget("fuel", "2026-02", 6000, true);
        ledger.setUndoStack(&undo);
        entries.setUndoStack(&undo);
        schedule.setUndoStack(&undo);
    }

    Snapshot live() const { return BookRows::live(db.connection()); }
    QMap<QString, qint64> versions() const { return BookRows::versions(db.connection()); }

    EntryFields fieldsOf(const QString &id) const {
        return EntryFields::from(*transactions.findById(id));
    }
};

using Change = std::function<bool(Fixture &)>;

// Undo and redo may only move versions forward, and a row they changed must move, or sync
// would never carry the change.
void checkVersionsMoveUp(const QMap<QString, qint64> &earlier, const QMap<QString, qint64> &later,
                         const Snapshot &earlierRows, const Snapshot &laterRows) {
    for (auto it = earlier.cbegin(); it != earlier.cend(); ++it) {
        QVERIFY2(later.value(it.key()) >= it.value(), qPrintable(it.key()));
        if (earlierRows.value(it.key()) != laterRows.value(it.key()))
            QVERIFY2(later.value(it.key()) > it.value(), qPrintable(it.key()));
    }
}

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_UndoStack : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoRestoreTheRows_data();
    void undoAndRedoRestoreTheRows();
    void changedSinceIsRefused_data();
    void changedSinceIsRefused();
    void nestedWritesAreOneStepAndFailuresNone();
    void confirmAgainAfterUndo();
    void keptStepUndoneInALaterSession();
};

void tst_UndoStack::undoAndRedoRestoreTheRows_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("label");
    auto save = [](EntryFields fields) {
        return [fields](Fixture &f) { return f.entries.save(fields) == EntryWriter::Result::Ok; };
    };
    EntryFields added;
    added.accountId = "a1";
    added.date = QDate(2026, 3, 9);
    added.payee = "Bakery";
    added.amount = -350;
    QTest::newRow("register save, new row") << Change(save(added)) << "New Transaction";
    EntryFields transfer = added;
    transfer.payee = "[Transfer] Savings";
    QTest::newRow("new transfer, both legs") << Change(save(transfer)) << "New Transaction";
    QTest::newRow("register save, edited row") << Change([](Fixture &f) {
        EntryFields fields = f.fieldsOf("t1");
        fields.amount = -1999;
        fields.memo = "tip";
        fields.categoryId.clear();
        return f.entries.save(fields) == EntryWriter::Result::Ok;
    }) << "Edit Transaction";
    QTest::newRow("edited transfer leg moves the other") << Change([](Fixture &f) {
        EntryFields fields = f.fieldsOf("out");
        fields.amount = -3000;
        fields.date = QDate(2026, 3, 5);
        return f.entries.save(fields) == EntryWriter::Result::Ok;
    }) << "Edit Transaction";
    QTest::newRow("delete") << Change([](Fixture &f) {
        return f.ledger.deleteTransaction("t2") == LedgerWriter::Result::Ok;
    }) << "Delete Transaction";
    QTest::newRow("delete transfer, both legs") << Change([](Fixture &f) {
        return f.ledger.deleteTransaction("in") == LedgerWriter::Result::Ok;
    }) << "Delete Transaction";
    QTest::newRow("mark cleared") << Change([](Fixture &f) {
        return f.entries.setCleared("t1", true) == EntryWriter::Result::Ok;
    }) << "Mark Cleared";
    QTest::newRow("split, then its lines") << Change([](Fixture &f) {
        SplitLine a;
        a.categoryId = "food";
        a.amount = -1000;
        SplitLine b = a;
        b.amount = -250;
        return f.entries.split("t1", {a, b}) == EntryWriter::Result::Ok;
    }) << "Split Transaction";
    QTest::newRow("memorize") << Change([](Fixture &f) {
        RecurringTransaction r = rule(QString(), "a1", QDate(2026, 5, 1));
        return f.entries.memorize(r) == EntryWriter::Result::Ok;
    }) << "Memorize Transaction";
    QTest::newRow("recurring edit") << Change([](Fixture &f) {
        RecurringTransaction r = *f.recurring.findById("r1");
        r.amount = -130000;
        return f.ledger.updateRecurring(r) == LedgerWriter::Result::Ok;
    }) << "Edit Recurring Transaction";
    QTest::newRow("recurring delete") << Change([](Fixture &f) {
        return f.ledger.deleteRecurring("r1") == LedgerWriter::Result::Ok;
    }) << "Delete Recurring Transaction";
    QTest::newRow("recurring skip")
        << Change([](Fixture &f) { return f.schedule.skip(*f.recurring.findById("r1")); })
        << "Skip Recurring Transaction";
    QTest::newRow("recurring confirm")
        << Change([](Fixture &f) { return f.schedule.confirm(*f.recurring.findById("r1")); })
        << "Confirm Recurring Transaction";
    QTest::newRow("recurring confirm, transfer legs")
        << Change([](Fixture &f) { return f.schedule.confirm(*f.recurring.findById("r2")); })
        << "Confirm Recurring Transaction";
    QTest::newRow("confirm all due, one step")
        << Change([](Fixture &f) { return f.schedule.confirmAllDue() == 2; })
        << "Confirm Due Recurring Transactions";
    QTest::newRow("reconciliation finish") << Change([](Fixture &f) {
        ReconciliationService service(f.db.database(), &f.accounts, &f.transactions,
                                      &f.reconciliations);
        service.setUndoStack(&f.undo);
        const auto result
            = service.finish("a1", QDate(2026, 3, 31), -1250, {*f.transactions.findById("t1")});
        return result.status == ReconciliationService::Status::Ok;
    }) << "Finish Reconciliation";
    QTest::newRow("category delete uncategorises") << Change([](Fixture &f) {
        return f.ledger.deleteCategory("food") == LedgerWriter::Result::Ok;
    }) << "Delete Category";
    QTest::newRow("payee rename") << Change([](Fixture &f) {
        return f.ledger.renamePayees({"Grocer"}, "Green Grocer") == 1;
    }) << "Rename Payee";
    QTest::newRow("payee merge") << Change([](Fixture &f) {
        return f.ledger.renamePayees({"Cafe", "Cafe Nord"}, "Cafe North") == 2;
    }) << "Merge Payees";
    QTest::newRow("import, as one step") << Change([](Fixture &f) {
        const QString path = f.db.dirPath() + "/bank.csv";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("Date,Payee,Amount,Category\n2026-03-10,Bakery,-3.50,Treats\n"
                   "2026-03-11,Employer,2500.00,\n2026-03-12,Cafe,-4.20,Food\n");
        file.close();
        ImportService import(&f.transactions, &f.categories);
        import.setUndoStack(&f.undo);
        CsvMapping mapping;
        mapping.dateColumn = 0;
        mapping.payeeColumn = 1;
        mapping.amountColumn = 2;
        mapping.categoryColumn = 3;
        mapping.hasHeader = true;
        mapping.dateFormat = "yyyy-MM-dd";
        const ImportResult result = import.importCsv(path, "a1", mapping);
        return result.error.isEmpty() && result.imported == 3;
    }) << "Import of 3 Transaction(s)";
    QTest::newRow("account create with opening balance") << Change([](Fixture &f) {
        return f.ledger.createAccount(account(QString(), "Cash"), 5000, QDate(2026, 1, 1));
    }) << "New Account";
    QTest::newRow("account edit") << Change([](Fixture &f) {
        Account edited = *f.accounts.findById("a2");
        edited.name = "Rainy Day";
        return f.ledger.updateAccount(edited, 777, QDate(2026, 1, 1)) == LedgerWriter::Result::Ok;
    }) << "Edit Account";
    QTest::newRow("account delete with all it holds")
        << Change([](Fixture &f) { return f.ledger.deleteAccount("a1"); }) << "Delete Account";
    QTest::newRow("budget set") << Change([](Fixture &f) {
        return f.ledger.setBudget("food", "2026-03", 20000, true) == LedgerWriter::Result::Ok;
    }) << "Set Budget";
    QTest::newRow("budget changed") << Change([](Fixture &f) {
        return f.ledger.setBudget("food", "2026-02", 9000, false) == LedgerWriter::Result::Ok;
    }) << "Set Budget";
    QTest::newRow("budget cleared") << Change([](Fixture &f) {
        return f.ledger.clearBudget("food", "2026-02") == LedgerWriter::Result::Ok;
    }) << "Clear Budget";
    QTest::newRow("budgets copied from last month, one step") << Change([](Fixture &f) {
        BudgetService budgets(f.db.database(), &f.ledger);
        int copied = 0;
        return budgets.copyPreviousMonth(QDate(2026, 3, 5), &copied) == LedgerWriter::Result::Ok
               && copied == 2;
    }) << "Copy Budgets from Last Month";
}

void tst_UndoStack::undoAndRedoRestoreTheRows() {
    QFETCH(Change, change);
    QFETCH(QString, label);
    Fixture f;
    const Snapshot before = f.live();
    const auto versionsBefore = f.versions();
    QVERIFY(change(f));
    const Snapshot after = f.live();
    const auto versionsAfter = f.versions();
    QVERIFY(after != before);
    QCOMPARE(f.undo.undoLabel(), label);

    QString error;
    QVERIFY2(f.undo.undo(&error), qPrintable(error));
    const Snapshot undone = f.live();
    QCOMPARE(undone, before);
    checkVersionsMoveUp(versionsAfter, f.versions(), after, undone);
    QVERIFY(!f.undo.canUndo());
    QCOMPARE(f.undo.redoLabel(), label);

    const auto versionsUndone = f.versions();
    QVERIFY2(f.undo.redo(&error), qPrintable(error));
    QCOMPARE(f.live(), after);
    checkVersionsMoveUp(versionsUndone, f.versions(), undone, after);
    Q_UNUSED(versionsBefore);

    // The rows undo and redo wrote are the ones the next undo checks against.
    QVERIFY2(f.undo.undo(&error), qPrintable(error));
    QCOMPARE(f.live(), before);
}

void tst_UndoStack::changedSinceIsRefused_data() {
    QTest::addColumn<bool>("afterUndo");
    QTest::newRow("undo") << false;
    QTest::newRow("redo") << true;
}

void tst_UndoStack::changedSinceIsRefused() {
    QFETCH(bool, afterUndo);
    Fixture f;
    QCOMPARE(f.ledger.deleteTransaction("out"), LedgerWriter::Result::Ok);
    QString error;
    if (afterUndo)
        QVERIFY(f.undo.undo(&error));

    // Another program writes one of the two legs through its own connection.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(f.db.path());
        QVERIFY(other.open());
        QSqlQuery query(other);
        QVERIFY(query.exec("UPDATE transactions SET memo = 'theirs', version = version + 1 "
                           "WHERE id = 'in'"));
    }
    QSqlDatabase::removeDatabase("other");

    const Snapshot held = f.live();
    QVERIFY(!(afterUndo ? f.undo.redo(&error) : f.undo.undo(&error)));
    QVERIFY(error.contains("Delete Transaction"));
    QCOMPARE(f.live(), held);
    QCOMPARE(f.undo.canUndo(), !afterUndo);
    QCOMPARE(f.undo.canRedo(), afterUndo);
}

void tst_UndoStack::nestedWritesAreOneStepAndFailuresNone() {
    Fixture f;
    // A save that updates through the ledger and writes split lines is one step.
    EntryFields fields = f.fieldsOf("t2");
    SplitLine line;
    line.categoryId = "food";
    line.amount = -4000;
    const QList<SplitLine> lines{line};
    QCOMPARE(f.entries.save(fields, &lines), EntryWriter::Result::Ok);
    QCOMPARE(f.undo.undoSteps().size(), 1);
    // Refused writes leave the history alone.
    EntryFields orphan;
    orphan.accountId = "no-such-account";
    orphan.payee = "Nobody";
    QCOMPARE(f.entries.save(orphan), EntryWriter::Result::NotFound);
    QCOMPARE(f.ledger.deleteTransaction("gone"), LedgerWriter::Result::NotFound);
    QCOMPARE(f.undo.undoSteps().size(), 1);
    QVERIFY(f.undo.undo());
    QCOMPARE(f.splitLines.findByTransaction("t2").size(), 0);
}

// An occurrence's id is fixed by its rule and date, so the posting an undo took back is the
// row a new confirm must bring back.
void tst_UndoStack::confirmAgainAfterUndo() {
    Fixture f;
    QVERIFY(f.schedule.confirm(*f.recurring.findById("r2")));
    const Snapshot confirmed = f.live();
    const auto versionsConfirmed = f.versions();
    QVERIFY(f.undo.undo());
    QVERIFY(f.schedule.confirm(*f.recurring.findById("r2")));
    QCOMPARE(f.live(), confirmed);
    checkVersionsMoveUp(versionsConfirmed, f.versions(), confirmed, f.live());
    QCOMPARE(f.undo.undoSteps().size(), 1);
    QVERIFY(!f.undo.canRedo());
}

// The command line keeps its last step in the database for a later run to take back.
void tst_UndoStack::keptStepUndoneInALaterSession() {
    Fixture f;
    const Snapshot before = f.live();
    QCOMPARE(f.ledger.deleteTransaction("out"), LedgerWriter::Result::Ok);
    QVERIFY(UndoStepStore(f.db.database(), &f.undo).save());
    const Snapshot deleted = f.live();

    UndoStack later(f.db.database());
    UndoStepStore store(f.db.database(), &later);
    QString error;
    const std::optional<UndoStep> step = store.restore(&error);
    QVERIFY2(step, qPrintable(error));
    QCOMPARE(later.undoLabel(), QStringLiteral("Delete Transaction"));
    QCOMPARE(f.live(), deleted);
    QVERIFY2(later.undo(&error), qPrintable(error));
    QCOMPARE(f.live(), before);
    QVERIFY(store.clear());
    QVERIFY(!UndoStepStore(f.db.database(), &later).restore(&error));
    QVERIFY(error.isEmpty());

    // A step this build cannot read is refused with a reason, never half applied.
    QVERIFY(f.ledger.renamePayees({"Grocer"}, "Green Grocer") == 1);
    QVERIFY(UndoStepStore(f.db.database(), &f.undo).save());
    QSqlQuery query(f.db.connection());
    QVERIFY(query.exec("UPDATE cli_last_change SET step = substr(step, 1, length(step) - 3)"));
    const Snapshot renamed = f.live();
    UndoStack third(f.db.database());
    QVERIFY(!UndoStepStore(f.db.database(), &third).restore(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!third.canUndo());
    QCOMPARE(f.live(), renamed);
}

QTEST_GUILESS_MAIN(tst_UndoStack)
#include "tst_undostack.moc"
