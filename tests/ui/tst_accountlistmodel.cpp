// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testrecords.h"
#include "ui/presentation/accountlistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

// "id name balance [last four]" per account, in sidebar order.
struct Accounts {
    QList<Account> accounts;
    QHash<QString, qint64> balances;
};

Accounts parse(const QStringList &lines) {
    Accounts parsed;
    for (const QString &line : lines) {
        const QStringList parts = line.split(' ');
        Account account = TestRecords::account(parts.at(0), parts.at(1));
        if (parts.size() > 3)
            account.accountNumberLast4 = parts.at(3);
        parsed.accounts << account;
        parsed.balances.insert(account.id, parts.at(2).toLongLong());
    }
    return parsed;
}

const QList<int> kRoles = {Qt::DisplayRole,
                           Qt::AccessibleTextRole,
                           AccountListModel::IdRole,
                           AccountListModel::BalanceTextRole,
                           AccountListModel::NegativeRole,
                           AccountListModel::SubtitleRole,
                           AccountListModel::GlyphRole};

QStringList contents(const QAbstractItemModel &model) {
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int role : kRoles)
            shown << model.index(row, 0).data(role).toString();
    }
    return shown;
}

} // namespace

class tst_AccountListModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mergesRowByRow_data();
    void mergesRowByRow();
    void dragAnnouncesTheOrder();
};

void tst_AccountListModel::mergesRowByRow_data() {
    QTest::addColumn<QStringList>("after");
    // What the views were told, in order.
    QTest::addColumn<QStringList>("notices");
    // Before each row: a 100, b -50, c 0.
    QTest::addRow("nothing new") << QStringList{"a Alpha 100", "b Beta -50", "c Gamma 0"}
                                 << QStringList{};
    QTest::addRow("one balance") << QStringList{"a Alpha 100", "b Beta 75", "c Gamma 0"}
                                 << QStringList{"changed 1-1"};
    QTest::addRow("a rename") << QStringList{"a Alfa 100", "b Beta -50", "c Gamma 0"}
                              << QStringList{"changed 0-0"};
    QTest::addRow("masked number")
        << QStringList{"a Alpha 100", "b Beta -50", "c Gamma 0 4521"} << QStringList{"changed 2-2"};
    QTest::addRow("added last") << QStringList{"a Alpha 100", "b Beta -50", "c Gamma 0", "d D 1"}
                                << QStringList{"inserted 3-3"};
    QTest::addRow("added between") << QStringList{"a Alpha 100", "d D 1", "b Beta -50", "c Gamma 0"}
                                   << QStringList{"inserted 1-1"};
    QTest::addRow("removed") << QStringList{"a Alpha 100", "c Gamma 0"}
                             << QStringList{"removed 1-1"};
    QTest::addRow("all removed") << QStringList{}
                                 << QStringList{"removed 2-2", "removed 1-1", "removed 0-0"};
    QTest::addRow("moved up") << QStringList{"c Gamma 0", "a Alpha 100", "b Beta -50"}
                              << QStringList{"moved 2-2 to 0"};
    QTest::addRow("moved and changed") << QStringList{"b Beta -50", "a Alpha 90", "c Gamma 0"}
                                       << QStringList{"moved 1-1 to 0", "changed 1-1"};
}

// Rows change one by one, never by a reset, and end as a model filled afresh would be.
void tst_AccountListModel::mergesRowByRow() {
    QFETCH(QStringList, after);
    QFETCH(QStringList, notices);
    AccountListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const Accounts before = parse({"a Alpha 100", "b Beta -50", "c Gamma 0"});
    model.setAccounts(before.accounts, before.balances);

    QStringList told;
    const auto range = [](const char *what, int first, int last) {
        return QStringLiteral("%1 %2-%3").arg(QLatin1String(what)).arg(first).arg(last);
    };
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [&](const QModelIndex &from, const QModelIndex &to) {
                told << range("changed", from.row(), to.row());
            });
    connect(
        &model, &QAbstractItemModel::rowsInserted, this,
        [&](const QModelIndex &, int first, int last) { told << range("inserted", first, last); });
    connect(
        &model, &QAbstractItemModel::rowsRemoved, this,
        [&](const QModelIndex &, int first, int last) { told << range("removed", first, last); });
    connect(&model, &QAbstractItemModel::rowsMoved, this,
            [&](const QModelIndex &, int first, int last, const QModelIndex &, int to) {
                told << range("moved", first, last) + QStringLiteral(" to %1").arg(to);
            });
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy reordered(&model, &AccountListModel::reordered);

    const Accounts next = parse(after);
    model.setAccounts(next.accounts, next.balances);
    QCOMPARE(told, notices);
    QCOMPARE(resets.count(), 0);
    // Following the stored order is no news to store again.
    QCOMPARE(reordered.count(), 0);

    AccountListModel fresh;
    fresh.setAccounts(next.accounts, next.balances);
    QCOMPARE(contents(model), contents(fresh));
}

void tst_AccountListModel::dragAnnouncesTheOrder() {
    AccountListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const Accounts accounts = parse({"a Alpha 100", "b Beta -50", "c Gamma 0"});
    model.setAccounts(accounts.accounts, accounts.balances);
    QSignalSpy reordered(&model, &AccountListModel::reordered);

    QVERIFY(model.moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QCOMPARE(model.ids(), (QStringList{"b", "c", "a"}));
    QVERIFY(model.moveRow(QModelIndex(), 2, QModelIndex(), 0));
    QCOMPARE(model.ids(), (QStringList{"a", "b", "c"}));
    // Onto itself or out of range: nothing moves, nothing is announced.
    QVERIFY(!model.moveRow(QModelIndex(), 1, QModelIndex(), 1));
    QVERIFY(!model.moveRow(QModelIndex(), 1, QModelIndex(), 2));
    QVERIFY(!model.moveRow(QModelIndex(), 3, QModelIndex(), 0));
    QCOMPARE(reordered.count(), 2);
    QCOMPARE(reordered.first().first().toStringList(), (QStringList{"b", "c", "a"}));
    QCOMPARE(reordered.last().first().toStringList(), (QStringList{"a", "b", "c"}));
}

QTEST_GUILESS_MAIN(tst_AccountListModel)
#include "tst_accountlistmodel.moc"
