// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/entrywriter.h"
#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

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
    SplitLineRepository splitLines{db.database()};
    LedgerWriter ledger{db.database(), &accounts,        &transactions,
                        &recurring,    &reconciliations, &categories};
    EntryWriter writer{db.database(), &ledger, &accounts, &transactions, &splitLines, &recurring};

    Fixture() {
        accounts.insert(account("a1", "Checking"));
        accounts.insert(account("a2", "Savings"));
    }
    Transaction stored(const QString &id) const { return *transactions.findById(id); }
    int count(const QString &sql) const { return db.scalar(sql).toInt(); }
};

SplitLine line(const QString &category, qint64 amount) {
    SplitLine l;
    l.categoryId = category;
    l.amount = amount;
    return l;
}

} // namespace

class tst_EntryWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newThenEditedEntry();
    void linesAndFlagTogether();
    void clearedMarkIsAnEdit();
    void memorizeNeedsALiveAccount();
};

// The fields typed are all a screen hands over; what they do not name comes from the stored
// row, and the stamps from the writer.
void tst_EntryWriter::newThenEditedEntry() {
    Fixture f;
    EntryFields fields;
    fields.accountId = "a1";
    fields.date = QDate(2026, 2, 1);
    fields.payee = "  Grocer ";
    fields.amount = -4510;
    fields.reconciled = true;
    QString id;
    QCOMPARE(f.writer.save(fields, nullptr, false, &id), EntryWriter::Result::Ok);
    QVERIFY(!id.isEmpty());
    Transaction saved = f.stored(id);
    QCOMPARE(saved.payee, QStringLiteral("Grocer"));
    QVERIFY(saved.cleared && saved.reconciled);
    QCOMPARE(saved.version, 1);
    QVERIFY(f.transactions.markSynced(id, "srv-1"));
    const QDateTime created = f.stored(id).createdAt;

    fields.id = id;
    fields.accountId = "a2"; // an edit never moves a row
    fields.memo = "weekly";
    fields.reconciled = false;
    QCOMPARE(f.writer.save(fields), EntryWriter::Result::Ok);
    saved = f.stored(id);
    QCOMPARE(saved.accountId, QStringLiteral("a1"));
    QCOMPARE(saved.memo, QStringLiteral("weekly"));
    QVERIFY(!saved.reconciled && !saved.cleared);
    QCOMPARE(saved.version, 2);
    QCOMPARE(saved.syncStatus, SyncStatus::Pending);
    QCOMPARE(saved.serverId, QStringLiteral("srv-1"));
    QCOMPARE(saved.createdAt, created);

    fields.id = "missing";
    QCOMPARE(f.writer.save(fields), EntryWriter::Result::NotFound);
}

// A split is its lines and the flag saying it has them: both are written, or neither.
void tst_EntryWriter::linesAndFlagTogether() {
    Fixture f;
    QVERIFY(f.categories.insert(category("c1", "Food")));
    QVERIFY(f.categories.insert(category("c2", "Toys")));
    QVERIFY(f.transactions.insert(transaction("t", "a1", QDate(2026, 2, 1), -1000)));
    QCOMPARE(f.writer.split("t", {line("c1", -600), line("c2", -400)}), EntryWriter::Result::Ok);
    QVERIFY(f.stored("t").isSplit);
    QCOMPARE(f.stored("t").version, 2);
    QCOMPARE(f.count("SELECT COUNT(*) FROM split_lines WHERE transaction_id = 't'"), 2);

    // An edit that removes the split removes the lines with the flag.
    EntryFields fields = EntryFields::from(f.stored("t"));
    fields.amount = -1200;
    const QList<SplitLine> none;
    QCOMPARE(f.writer.save(fields, &none), EntryWriter::Result::Ok);
    QVERIFY(!f.stored("t").isSplit);
    QCOMPARE(f.count("SELECT COUNT(*) FROM split_lines"), 0);

    // A refused edit writes no lines either.
    fields.payee = "[Transfer] Savings";
    const QList<SplitLine> lines{line("c1", -1200)};
    QCOMPARE(f.writer.save(fields, &lines), EntryWriter::Result::NotATransfer);
    QCOMPARE(f.count("SELECT COUNT(*) FROM split_lines"), 0);
    QVERIFY(!f.stored("t").isSplit);

    QVERIFY(f.transactions.softDelete("t"));
    QCOMPARE(f.writer.split("t", lines), EntryWriter::Result::NotFound);
    QCOMPARE(f.count("SELECT COUNT(*) FROM split_lines"), 0);
}

// The mark goes out with the next sync like any edit: a new version, pending.
void tst_EntryWriter::clearedMarkIsAnEdit() {
    Fixture f;
    Transaction t = transaction("t", "a1", QDate(2026, 2, 1), -1000);
    t.cleared = t.reconciled = true;
    QVERIFY(f.transactions.insert(t));
    QVERIFY(f.transactions.markSynced("t", "srv-1"));
    QCOMPARE(f.writer.setCleared("t", false), EntryWriter::Result::Ok);
    const Transaction saved = f.stored("t");
    QVERIFY(!saved.cleared && !saved.reconciled);
    QCOMPARE(saved.version, 2);
    QCOMPARE(saved.syncStatus, SyncStatus::Pending);
    QCOMPARE(saved.serverId, QStringLiteral("srv-1"));
}

void tst_EntryWriter::memorizeNeedsALiveAccount() {
    Fixture f;
    RecurringTransaction rule = TestRecords::rule("", "a1", QDate(2026, 3, 1));
    rule.version = 7;
    QCOMPARE(f.writer.memorize(rule), EntryWriter::Result::Ok);
    QCOMPARE(f.count("SELECT version FROM recurring_transactions"), 1);
    QCOMPARE(f.db.scalar("SELECT sync_status FROM recurring_transactions").toString(),
             QStringLiteral("pending"));

    QVERIFY(f.ledger.deleteAccount("a2"));
    rule.accountId = "a2";
    QCOMPARE(f.writer.memorize(rule), EntryWriter::Result::NotFound);
    QCOMPARE(f.count("SELECT COUNT(*) FROM recurring_transactions WHERE deleted_at IS NULL"), 1);
}

QTEST_GUILESS_MAIN(tst_EntryWriter)
#include "tst_entrywriter.moc"
