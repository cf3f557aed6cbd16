// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"
#include "ui/register/registermodel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

RegisterRow row(const QString &id, const QDate &date, qint64 amount, qint64 balance,
                const QString &payee = QStringLiteral("Payee")) {
    RegisterRow r;
    r.transaction.id = id;
    r.transaction.date = date;
    r.transaction.amount = amount;
    r.transaction.payee = payee;
    r.runningBalance = balance;
    return r;
}

// Oldest first, as the repository gives them: an opening balance, a payment, a zero deposit.
QList<RegisterRow> chronological() {
    RegisterRow opening = row(QString(), QDate(2025, 1, 1), 10000, 10000, "Opening Balance");
    opening.transaction.cleared = opening.transaction.reconciled = true;
    return {opening, row("t-1", QDate(2025, 1, 2), -2550, 7450, "Grocer"),
            row("t-2", QDate(2025, 1, 3), 0, 7450, "Refund")};
}

} // namespace

class tst_RegisterModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void columnsAndOrder_data();
    void columnsAndOrder();
    void newEntryRowShowsPlaceholders();
    void openingBalanceIsReadOnly();
    void reloadKeepsTypedRow_data();
    void reloadKeepsTypedRow();
    void reloadDropsEditOfDeletedRow();
    void twoLineHeader();
    void savedRowInPlace_data();
    void savedRowInPlace();
    void rowsReadWhenShown_data();
    void rowsReadWhenShown();
    void rowGoneSinceOpening();
};

void tst_RegisterModel::columnsAndOrder_data() {
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<int>("newEntryRow");
    QTest::addColumn<int>("grocerRow");
    QTest::newRow("oldest first") << false << 3 << 1;
    QTest::newRow("newest first") << true << 0 << 2;
}

void tst_RegisterModel::columnsAndOrder() {
    QFETCH(bool, newestFirst);
    QFETCH(int, newEntryRow);
    QFETCH(int, grocerRow);
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<RegisterRow> rows = chronological();
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    model.setRows(rows, newestFirst);

    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(model.newEntryRow(), newEntryRow);
    QVERIFY(model.data(model.index(newEntryRow, 0), RegisterModel::IsNewEntryRole).toBool());
    auto text = [&](int r, int c) { return model.data(model.index(r, c)).toString(); };
    QCOMPARE(text(grocerRow, RegisterModel::DateColumn), QStringLiteral("1/2/2025"));
    QCOMPARE(text(grocerRow, RegisterModel::PayeeColumn), QStringLiteral("Grocer"));
    QCOMPARE(text(grocerRow, RegisterModel::PaymentColumn), QStringLiteral("25.50"));
    QCOMPARE(text(grocerRow, RegisterModel::DepositColumn), QString());
    QCOMPARE(text(grocerRow, RegisterModel::BalanceColumn), QStringLiteral("74.50"));
    // Zero is a deposit.
    const int refundRow = newestFirst ? 1 : 2;
    QCOMPARE(text(refundRow, RegisterModel::DepositColumn), formatAmount(0, Currency::USD));
    QCOMPARE(text(refundRow, RegisterModel::PaymentColumn), QString());
    QCOMPARE(model.endingBalance(0), 7450);
    QVERIFY(!(model.flags(model.index(grocerRow, 2)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(newEntryRow, 2)) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(newEntryRow, RegisterModel::BalanceColumn))
              & Qt::ItemIsEditable));
}

void tst_RegisterModel::newEntryRowShowsPlaceholders() {
    RegisterModel model;
    model.setRows({}, false);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.endingBalance(2500), 2500);
    const QModelIndex payee = model.index(0, RegisterModel::PayeeColumn);
    QCOMPARE(model.data(payee).toString(), QStringLiteral("Payee"));
    QCOMPARE(model.data(payee, Qt::EditRole).toString(), QString());
    QCOMPARE(model.data(payee, Qt::ForegroundRole).value<QColor>(), QColor("#6E8A7E"));
    // The date starts as today.
    QCOMPARE(model.data(model.index(0, 0), Qt::EditRole).toString(),
             RegisterModel::dateText(QDate::currentDate()));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(payee, "Grocer"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.data(payee).toString(), QStringLiteral("Grocer"));
    QVERIFY(!model.setData(payee, "x", Qt::DisplayRole));
}

void tst_RegisterModel::openingBalanceIsReadOnly() {
    RegisterModel model;
    model.setRows(chronological(), false);
    QVERIFY(model.isReadOnlyRow(0));
    QVERIFY(!model.isReadOnlyRow(1));
    QCOMPARE(model.data(model.index(0, RegisterModel::ClrColumn)).toString(), QStringLiteral("R"));
    model.setEditingRow(0);
    QVERIFY(!(model.flags(model.index(0, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable));
    QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).toString().isEmpty());
}

void tst_RegisterModel::reloadKeepsTypedRow_data() {
    QTest::addColumn<bool>("editExisting");
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("new entry") << false << false;
    QTest::newRow("new entry, newest first") << false << true;
    QTest::newRow("existing row") << true << false;
    QTest::newRow("existing row, newest first") << true << true;
}

void tst_RegisterModel::reloadKeepsTypedRow() {
    QFETCH(bool, editExisting);
    QFETCH(bool, newestFirst);
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows(chronological(), false);
    if (editExisting) {
        model.loadEntry(1);
        model.setEditingRow(1);
    }
    model.setBufferField(RegisterModel::PayeeColumn, "Half typed");

    // Another row arrives (a sync) and the order flips: the typed text stays with its row.
    QList<RegisterRow> rows = chronological();
    rows.append(row("t-3", QDate(2025, 1, 4), -100, 7350));
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    model.setRows(rows, newestFirst);

    const int expectedRow = editExisting ? model.rowOfId("t-1") : model.newEntryRow();
    QCOMPARE(model.editingRow(), editExisting ? expectedRow : -1);
    QCOMPARE(model.data(model.index(expectedRow, RegisterModel::PayeeColumn)).toString(),
             QStringLiteral("Half typed"));
    QCOMPARE(model.buffer().payee, QStringLiteral("Half typed"));
}

void tst_RegisterModel::reloadDropsEditOfDeletedRow() {
    RegisterModel model;
    model.setRows(chronological(), false);
    model.loadEntry(1);
    model.setEditingRow(1);
    model.setBufferField(RegisterModel::PayeeColumn, "Gone");
    QList<RegisterRow> rows = chronological();
    rows.removeAt(1);
    model.setRows(rows, false);
    QCOMPARE(model.editingRow(), -1);
    QCOMPARE(model.buffer().payee, QString());
}

void tst_RegisterModel::twoLineHeader() {
    RegisterModel model;
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee"));
    model.setTwoLine(true);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
    QVERIFY(!model.headerData(2, Qt::Vertical).isValid());
}

void tst_RegisterModel::savedRowInPlace_data() {
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

// A saved row goes back without a reload: the balances after it follow a changed amount, the
// ones before it do not, and whatever would move a row is left to a reload.
void tst_RegisterModel::savedRowInPlace() {
    QFETCH(bool, newestFirst);
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<RegisterRow> rows = chronological();
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    model.setRows(rows, newestFirst);
    const auto balances = [&] {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r) {
            if (!model.isNewEntryRow(r))
                texts << model.data(model.index(r, RegisterModel::BalanceColumn)).toString();
        }
        if (newestFirst)
            std::reverse(texts.begin(), texts.end());
        return texts.join(' ');
    };

    RegisterRow grocer = row("t-1", QDate(2025, 1, 2), -3000, 0, "Grocer");
    QVERIFY(model.updateRow(grocer));
    QCOMPARE(balances(), QStringLiteral("100.00 70.00 70.00"));
    QCOMPARE(model.endingBalance(10000), 7000);

    QVERIFY(!model.updateRow(row("t-1", QDate(2025, 1, 9), -3000, 0)));
    QVERIFY(!model.updateRow(row("gone", QDate(2025, 1, 2), -3000, 0)));
    QVERIFY(!model.appendRow(row("t-3", QDate(2025, 1, 2), -100, 0)));

    QVERIFY(model.appendRow(row("t-3", QDate(2025, 1, 3), 500, 0, "Later")));
    QCOMPARE(balances(), QStringLiteral("100.00 70.00 70.00 75.00"));
    QCOMPARE(model.rowCount(), 5);
    const int laterRow = newestFirst ? 1 : 3;
    QCOMPARE(model.data(model.index(laterRow, RegisterModel::PayeeColumn)).toString(),
             QStringLiteral("Later"));
    QVERIFY(model.isNewEntryRow(newestFirst ? 0 : 4));
}

QTEST_MAIN(tst_RegisterModel)
#include "tst_registermodel.moc"

namespace {

using namespace TestRecords;

// An account with a starting balance and more rows than one read brings in, on dates that
// repeat (so the order within a day counts), with payees and categories that differ.
struct LargeRegister {
    TestDatabase db;
    AccountRepository accounts{db.database()};
    TransactionRepository transactions{db.database()};
    static constexpr int kRows = 300;

    bool fill() {
        Account a = account("a1");
        a.startingBalance = 50000;
        if (!accounts.insert(a) || !accounts.insert(account("a2", "Savings")))
            return false;
        TransactionScope scope(db.database());
        for (int i = 0; i < kRows; ++i) {
            Transaction t = transaction(
                QStringLiteral("t-%1").arg(i, 3, 10, QLatin1Char('0')), "a1",
                QDate(2024, 1, 1).addDays(i / 3), (i % 5 == 0 ? 1 : -1) * (100 + i * 7),
                QStringLiteral("Payee %1").arg(i % 11), QStringLiteral("memo %1").arg(i), i);
            t.cleared = i % 4 == 0;
            t.checkNumber = i % 9 == 0 ? QString::number(1000 + i) : QString();
            if (!transactions.insert(t))
                return false;
            // Rows of another account in between, so the account's rows are not neighbours.
            if (!transactions.insert(transaction(QStringLiteral("o-%1").arg(i), "a2",
                                                 QDate(2024, 1, 1).addDays(i), 1)))
                return false;
        }
        return scope.commit();
    }
};

QStringList shown(const RegisterModel &model, int row) {
    QStringList cells;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        const QModelIndex at = model.index(row, column);
        cells << at.data().toString() << at.data(Qt::ToolTipRole).toString();
    }
    cells << model.index(row, 0).data(RegisterModel::TransactionIdRole).toString()
          << model.index(row, 0).data(RegisterModel::RunningBalanceRole).toString()
          << QString::number(model.isReadOnlyRow(row));
    return cells;
}

} // namespace

// A register opened from its order and balances shows, row for row, what the fully read
// rows show, whichever row is asked for first; a row not read yet is still found by its id,
// and a saved row carries its change down the balances of rows not read yet.
void tst_RegisterModel::rowsReadWhenShown_data() {
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

void tst_RegisterModel::rowsReadWhenShown() {
    QFETCH(bool, newestFirst);
    LargeRegister f;
    QVERIFY(f.db.isValid());
    QVERIFY(f.fill());

    QList<RegisterRow> all = f.transactions.registerRows("a1");
    QCOMPARE(all.size(), LargeRegister::kRows + 1);
    if (newestFirst)
        std::reverse(all.begin(), all.end());
    RegisterModel full;
    full.setRows(all, newestFirst);
    RegisterModel lazy;
    QAbstractItemModelTester tester(&lazy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    lazy.setRows(f.transactions.registerEntries("a1"), &f.transactions, newestFirst);
    QCOMPARE(lazy.rowCount(), full.rowCount());
    QCOMPARE(lazy.endingBalance(0), full.endingBalance(0));

    // A row far from any read yet is found by its id.
    QCOMPARE(lazy.rowOfId("t-150"), full.rowOfId("t-150"));
    // Every row, in an order that jumps about (a stride prime to the row count).
    const int count = lazy.rowCount();
    for (int step = 0, row = count - 1; step < count; ++step, row = (row + 97) % count)
        QCOMPARE(shown(lazy, row), shown(full, row));

    // A saved row in place, with the balances after it carried, on a fresh open where the
    // rows after it have not been read.
    RegisterModel saved;
    saved.setRows(f.transactions.registerEntries("a1"), &f.transactions, newestFirst);
    std::optional<RegisterRow> edited = f.transactions.registerRow("t-010");
    QVERIFY(edited);
    // Only a row that was read (shown) is saved in place: its old amount is what changed.
    QVERIFY(!saved.updateRow(*edited));
    QVERIFY(saved.rowAt(saved.rowOfId("t-010")));
    edited->transaction.amount -= 1000;
    QVERIFY(saved.updateRow(*edited));
    QCOMPARE(saved.endingBalance(0), full.endingBalance(0) - 1000);
    const int last = newestFirst ? 1 : saved.rowCount() - 2;
    QCOMPARE(saved.data(saved.index(last, 0), RegisterModel::RunningBalanceRole).toLongLong(),
             full.data(full.index(last, 0), RegisterModel::RunningBalanceRole).toLongLong() - 1000);
}

// A row deleted, or moved to another account, after the register was opened but before it
// was shown leaves a blank, read-only row and asks, once, for the rows to be read again.
void tst_RegisterModel::rowGoneSinceOpening() {
    LargeRegister f;
    QVERIFY(f.db.isValid());
    QVERIFY(f.fill());
    RegisterModel model;
    QSignalSpy outdated(&model, &RegisterModel::rowsOutdated);
    model.setRows(f.transactions.registerEntries("a1"), &f.transactions, false);
    const int row = model.rowOfId("t-299");
    QVERIFY(f.transactions.softDelete("t-299"));
    QSqlQuery move(f.db.connection());
    QVERIFY(move.exec("UPDATE transactions SET account_id = 'a2' WHERE id = 't-298'"));
    QCOMPARE(model.data(model.index(row, RegisterModel::PayeeColumn)).toString(), QString());
    QVERIFY(model.isReadOnlyRow(row));
    QVERIFY(model.isReadOnlyRow(row - 1));
    QVERIFY(!model.isReadOnlyRow(row - 2));
    QVERIFY(model.data(model.index(row, 0), Qt::ToolTipRole).toString().isEmpty());
    QVERIFY(outdated.wait());
    QCOMPARE(outdated.count(), 1);
}
