// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/budgetservice.h"
#include "services/ledgerwriter.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QTest>

#include <optional>

using namespace TestRecords;

namespace {

Budget budget(const QString &categoryId, const QString &month, qint64 amount, bool rollover) {
    Budget b;
    b.categoryId = categoryId;
    b.month = month;
    b.amount = amount;
    b.rollover = rollover;
    return b;
}

// November 2024 to February 2025. Utilities has two children; a January grocery bill is
// split between them; food rolls over from November through December into January, travel
// overspends a rollover month; February gives Utilities a budget of its own.
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
    BudgetService budgets{db.database(), &ledger};

    bool ok = false;

    Fixture() {
        ok = accounts.insert(account("a1")) && accounts.insert(account("a2", "Savings"));
        Category salary = category("salary", "Salary");
        salary.type = CategoryType::Income;
        Category elec = category("elec", "Electric");
        elec.parentId = "util";
        Category net = category("net", "Internet");
        net.parentId = "util";
        ok = ok && categories.insert(category("food", "Food"))
             && categories.insert(category("util", "Utilities")) && categories.insert(elec)
             && categories.insert(net) && categories.insert(category("travel", "Travel"))
             && categories.insert(salary);
        struct Row {
            const char *id;
            QDate date;
            qint64 amount;
            const char *category;
        };
        const Row rows[] = {
            {"n1", QDate(2024, 11, 3), -6000, "food"},
            {"d1", QDate(2024, 12, 30), -12000, "food"},
            {"d2", QDate(2024, 12, 5), -8000, "travel"},
            {"j1", QDate(2025, 1, 2), -3000, "food"},
            {"j2", QDate(2025, 1, 9), -1500, "elec"},
            {"j3", QDate(2025, 1, 12), -2500, "food"},
            {"j4", QDate(2025, 1, 15), 400000, "salary"},
            {"j5", QDate(2025, 1, 20), 700, "food"},
        };
        for (const Row &row : rows) {
            Transaction t = transaction(row.id, "a1", row.date, row.amount);
            t.categoryId = row.category;
            t.isSplit = QByteArray(row.id) == "j3";
            ok = ok && transactions.insert(t);
        }
        SplitLine toElec{"l1", "j3", "elec", -1000, {}, stamp(), stamp()};
        SplitLine toNet{"l2", "j3", "net", -1500, {}, stamp(), stamp()};
        ok = ok && splitLines.replaceForTransaction("j3", {toElec, toNet});
        // A transfer is neither spent nor budgeted against.
        ok = ok
             && ledger.addTransaction(
                    transaction("x1", "a1", QDate(2025, 1, 3), -9999, "[Transfer] Savings"))
                    == LedgerWriter::Result::Ok;
        const Budget set[] = {
            budget("food", "2024-11", 10000, true),  budget("food", "2024-12", 10000, true),
            budget("food", "2025-01", 10000, false), budget("travel", "2024-12", 5000, true),
            budget("elec", "2025-01", 4000, false),  budget("net", "2025-01", 3000, false),
            budget("util", "2025-02", 5000, false),  budget("elec", "2025-02", 4000, false),
        };
        ok = ok
             && ledger.setBudgets(QList<Budget>(std::begin(set), std::end(set)), QString())
                    == LedgerWriter::Result::Ok;
    }

    BudgetLine line(const QDate &month, const QString &categoryId) {
        for (const BudgetLine &l : budgets.month(month).lines) {
            if (l.categoryId == categoryId)
                return l;
        }
        return BudgetLine();
    }
};

} // namespace

class tst_BudgetService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void linesAndTotals();
    void period_data();
    void period();
    void spentEqualsCategorySpendingReport_data();
    void spentEqualsCategorySpendingReport();
    void copyAndFill();
    void writes_data();
    void writes();
    void clearingAndSettingAgainStampsVersions();
};

void tst_BudgetService::lines_data() {
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QString>("category");
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<qint64>("carried");
    QTest::addColumn<qint64>("spent");

    QTest::newRow("left over in November carries into December")
        << QDate(2024, 12, 1) << "food" << qint64(10000) << qint64(4000) << qint64(12000);
    QTest::newRow("rollover across the year end")
        << QDate(2025, 1, 31) << "food" << qint64(10000) << qint64(2000) << qint64(3000);
    QTest::newRow("a month without rollover carries nothing")
        << QDate(2025, 2, 1) << "food" << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("overspending carries nothing")
        << QDate(2025, 1, 1) << "travel" << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("split lines count in their categories")
        << QDate(2025, 1, 1) << "net" << qint64(3000) << qint64(0) << qint64(1500);
    QTest::newRow("parent sums its children")
        << QDate(2025, 1, 1) << "util" << qint64(7000) << qint64(0) << qint64(4000);
    QTest::newRow("parent's own budget wins over its children")
        << QDate(2025, 2, 1) << "util" << qint64(5000) << qint64(0) << qint64(0);
}

void tst_BudgetService::lines() {
    QFETCH(QDate, month);
    QFETCH(QString, category);
    QFETCH(qint64, budget);
    QFETCH(qint64, carried);
    QFETCH(qint64, spent);
    Fixture f;
    QVERIFY(f.ok);
    const BudgetLine line = f.line(month, category);
    QCOMPARE(line.categoryId, category);
    QCOMPARE(line.budget, budget);
    QCOMPARE(line.carried, carried);
    QCOMPARE(line.spent, spent);
    QCOMPARE(line.remaining, budget + carried - spent);
}

void tst_BudgetService::linesAndTotals() {
    Fixture f;
    QVERIFY(f.ok);
    const BudgetMonth month = f.budgets.month(QDate(2025, 1, 17));
    QVERIFY(month.ok);
    QCOMPARE(month.month, QDate(2025, 1, 1));
    QStringList shape;
    for (const BudgetLine &line : month.lines)
        shape << QString(line.depth, '-') + line.name;
    // Expense categories only, children under their parent, by name.
    QCOMPARE(shape, (QStringList{"Food", "Travel", "Utilities", "-Electric", "-Internet"}));
    // The children are inside their parent's line, not counted again.
    QCOMPARE(month.totalBudget, qint64(10000 + 7000));
    QCOMPARE(month.totalCarried, qint64(2000));
    QCOMPARE(month.totalSpent, qint64(3000 + 4000));
    QCOMPARE(month.totalRemaining, qint64(17000 + 2000 - 7000));
}

void tst_BudgetService::period_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("category");
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<qint64>("carried");
    QTest::addColumn<qint64>("spent");

    QTest::newRow("one month reads as the month")
        << QDate(2025, 1, 1) << QDate(2025, 1, 31) << "food" << qint64(10000) << qint64(2000)
        << qint64(3000);
    // December's leftover is inside January's carry, which the period does not count again.
    QTest::newRow("rollover across the year end counts the carry into the period once")
        << QDate(2024, 12, 1) << QDate(2025, 1, 31) << "food" << qint64(20000) << qint64(4000)
        << qint64(15000);
    QTest::newRow("parts of months count whole")
        << QDate(2024, 12, 20) << QDate(2025, 1, 5) << "food" << qint64(20000) << qint64(4000)
        << qint64(15000);
    QTest::newRow("dates the wrong way round") << QDate(2025, 1, 5) << QDate(2024, 12, 20) << "food"
                                               << qint64(20000) << qint64(4000) << qint64(15000);
    QTest::newRow("overspent rollover month")
        << QDate(2024, 12, 1) << QDate(2025, 1, 31) << "travel" << qint64(5000) << qint64(0)
        << qint64(8000);
    QTest::newRow("parent sums its children, then has its own")
        << QDate(2025, 1, 1) << QDate(2025, 2, 28) << "util" << qint64(7000 + 5000) << qint64(0)
        << qint64(4000);
}

void tst_BudgetService::period() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, category);
    QFETCH(qint64, budget);
    QFETCH(qint64, carried);
    QFETCH(qint64, spent);
    Fixture f;
    QVERIFY(f.ok);
    const BudgetMonth data = f.budgets.period(from, to);
    QVERIFY(data.ok);
    qint64 totalBudget = 0;
    qint64 totalRemaining = 0;
    std::optional<BudgetLine> found;
    for (const BudgetLine &line : data.lines) {
        if (line.categoryId == category)
            found = line;
        totalBudget += line.depth == 0 ? line.budget : 0;
        totalRemaining += line.depth == 0 ? line.remaining : 0;
    }
    QVERIFY(found);
    QCOMPARE(found->budget, budget);
    QCOMPARE(found->carried, carried);
    QCOMPARE(found->spent, spent);
    QCOMPARE(found->remaining, budget + carried - spent);
    QCOMPARE(data.totalBudget, totalBudget);
    QCOMPARE(data.totalRemaining, totalRemaining);
}

void tst_BudgetService::spentEqualsCategorySpendingReport_data() {
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QDate>("lastMonth");
    QTest::newRow("November") << QDate(2024, 11, 1) << QDate(2024, 11, 1);
    QTest::newRow("December") << QDate(2024, 12, 1) << QDate(2024, 12, 1);
    QTest::newRow("January, with a split, a refund and a transfer")
        << QDate(2025, 1, 1) << QDate(2025, 1, 1);
    QTest::newRow("empty February") << QDate(2025, 2, 1) << QDate(2025, 2, 1);
    QTest::newRow("November to February") << QDate(2024, 11, 1) << QDate(2025, 2, 1);
}

void tst_BudgetService::spentEqualsCategorySpendingReport() {
    QFETCH(QDate, month);
    QFETCH(QDate, lastMonth);
    Fixture f;
    QVERIFY(f.ok);
    ReportService reports(f.db.database());
    QMap<QString, qint64> reported;
    for (const CategorySpendingRow &row :
         reports.categorySpending(month, lastMonth.addMonths(1).addDays(-1)))
        reported.insert(row.name, -row.total);
    QMap<QString, qint64> budgeted;
    const BudgetMonth data = f.budgets.period(month, lastMonth);
    for (int i = 0; i < data.lines.size(); ++i) {
        const BudgetLine &line = data.lines.at(i);
        qint64 own = line.spent;
        for (const BudgetLine &child : data.lines)
            own -= child.parentId == line.categoryId ? child.spent : 0;
        if (own != 0)
            budgeted.insert(line.name, own);
    }
    QCOMPARE(budgeted, reported);
}

void tst_BudgetService::copyAndFill() {
    Fixture f;
    QVERIFY(f.ok);
    int count = -1;
    QCOMPARE(f.budgets.copyPreviousMonth(QDate(2025, 2, 10), &count), LedgerWriter::Result::Ok);
    QCOMPARE(count, 3);
    QCOMPARE(f.line(QDate(2025, 2, 1), "food").budget, qint64(10000));
    QCOMPARE(f.line(QDate(2025, 2, 1), "net").budget, qint64(3000));
    // Copying replaces the month's budget of a category the month before had, and keeps the
    // others.
    QCOMPARE(f.line(QDate(2025, 2, 1), "util").budget, qint64(5000));

    QCOMPARE(f.budgets.fillFromAverage(QDate(2025, 2, 1), &count), LedgerWriter::Result::Ok);
    QCOMPARE(count, 4);
    // (6000 + 12000 + 3000) / 3, 8000 / 3 rounded, (1500 + 1000) / 3 rounded, 1500 / 3; the
    // refund is not spending and the split grocery bill counts in its lines.
    QCOMPARE(f.line(QDate(2025, 2, 1), "food").budget, qint64(7000));
    QCOMPARE(f.line(QDate(2025, 2, 1), "travel").budget, qint64(2667));
    QCOMPARE(f.line(QDate(2025, 2, 1), "elec").budget, qint64(833));
    QCOMPARE(f.line(QDate(2025, 2, 1), "net").budget, qint64(500));
    QCOMPARE(f.line(QDate(2025, 2, 1), "util").budget, qint64(5000));
}

void tst_BudgetService::writes_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("month");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<int>("result");

    QTest::newRow("budget") << "food"
                            << "2025-03" << qint64(100) << int(LedgerWriter::Result::Ok);
    QTest::newRow("zero") << "food"
                          << "2025-03" << qint64(0) << int(LedgerWriter::Result::Ok);
    QTest::newRow("income category")
        << "salary"
        << "2025-03" << qint64(100) << int(LedgerWriter::Result::NotFound);
    QTest::newRow("unknown category")
        << "nope"
        << "2025-03" << qint64(100) << int(LedgerWriter::Result::NotFound);
    QTest::newRow("negative amount")
        << "food"
        << "2025-03" << qint64(-1) << int(LedgerWriter::Result::Failed);
    QTest::newRow("month 13") << "food"
                              << "2025-13" << qint64(100) << int(LedgerWriter::Result::Failed);
    QTest::newRow("a day, not a month")
        << "food"
        << "2025-03-01" << qint64(100) << int(LedgerWriter::Result::Failed);
}

void tst_BudgetService::writes() {
    QFETCH(QString, category);
    QFETCH(QString, month);
    QFETCH(qint64, amount);
    QFETCH(int, result);
    Fixture f;
    QVERIFY(f.ok);
    const QVariant before = f.db.scalar("SELECT COUNT(*) FROM budgets");
    QCOMPARE(int(f.ledger.setBudget(category, month, amount, false)), result);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM budgets").toInt(),
             before.toInt() + (result == int(LedgerWriter::Result::Ok) ? 1 : 0));
    // A batch with one bad budget writes none of them.
    QList<Budget> batch{budget("travel", "2025-04", 100, false),
                        budget(category, month, amount, false)};
    QCOMPARE(int(f.ledger.setBudgets(batch, QString())), result);
    QCOMPARE(f.db.scalar("SELECT COUNT(*) FROM budgets WHERE month = '2025-04'").toInt(),
             result == int(LedgerWriter::Result::Ok) ? 1 : 0);
}

void tst_BudgetService::clearingAndSettingAgainStampsVersions() {
    Fixture f;
    QVERIFY(f.ok);
    QCOMPARE(f.ledger.clearBudget("elec", "2025-02"), LedgerWriter::Result::Ok);
    QCOMPARE(f.ledger.clearBudget("elec", "2025-02"), LedgerWriter::Result::NotFound);
    QCOMPARE(f.ledger.clearBudget("util", "2025-02"), LedgerWriter::Result::Ok);
    // Without budgets of its own or below it, the parent has nothing.
    QCOMPARE(f.line(QDate(2025, 2, 1), "util").budget, qint64(0));
    QCOMPARE(f.ledger.setBudget("elec", "2025-02", 4500, true), LedgerWriter::Result::Ok);
    QCOMPARE(f.line(QDate(2025, 2, 1), "util").budget, qint64(4500));
    // The same row comes back, one version on, for sync to carry.
    QCOMPARE(f.db.scalar("SELECT COUNT(*) || ':' || MAX(version) || ':' || MAX(sync_status) || "
                         "':' || IFNULL(MAX(deleted_at), '-') FROM budgets WHERE category_id = "
                         "'elec' AND month = '2025-02'")
                 .toString(),
             QString("1:3:pending:-"));
}

QTEST_GUILESS_MAIN(tst_BudgetService)
#include "tst_budgetservice.moc"
