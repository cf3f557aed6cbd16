// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/money.h"
#include "ui/registermodel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
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
