// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace TestRecords;

namespace {

// Two accounts over January to April 2024, March empty. Income and uncategorised rows,
// two categories named "Maintenance", a category only in April, a lowercase name, and a
// soft-deleted row that must never count.
bool fillFixture(Database *database) {
    AccountRepository accounts(database);
    CategoryRepository categories(database);
    TransactionRepository transactions(database);
    bool ok = accounts.insert(account("A", "Checking", 10000))
              && accounts.insert(account("B", "Savings"));
    Category food = category("food", "Food");
    food.isTaxRelevant = true;
    food.taxCategory = "Sched A";
    Category rent = category("rent", "Rent");
    rent.isTaxRelevant = true;
    rent.taxCategory = "Sched E";
    ok = ok && categories.insert(food) && categories.insert(rent)
         && categories.insert(category("m1", "Maintenance"))
         && categories.insert(category("m2", "Maintenance"))
         && categories.insert(category("travel", "Travel"))
         && categories.insert(category("apple", "apple"));

    struct Row {
        const char *id;
        const char *account;
        QDate date;
        qint64 amount;
        const char *payee;
        const char *category;
    };
    const Row rows[] = {
        {"t1", "A", QDate(2024, 1, 1), -1000, "Grocer", "food"},
        {"t2", "A", QDate(2024, 1, 31), -2500, "Landlord", "rent"},
        {"t3", "A", QDate(2024, 2, 1), -999, "Grocer", "food"},
        {"t4", "A", QDate(2024, 1, 15), -300, "Kiosk", ""},
        {"t5", "B", QDate(2024, 1, 10), 5000, "Employer", ""},
        {"t6", "B", QDate(2024, 1, 20), -400, "Fixit", "m1"},
        {"t7", "B", QDate(2024, 1, 21), -700, "Fixit", "m2"},
        {"t8", "A", QDate(2024, 1, 5), -7777, "Grocer", "food"},
        {"t9", "A", QDate(2024, 4, 2), 1500, "Refund", ""},
        {"t10", "A", QDate(2024, 4, 3), -5000, "Airline", "travel"},
        {"t11", "B", QDate(2024, 2, 9), -50, "Orchard", "apple"},
    };
    for (const Row &row : rows) {
        Transaction t = transaction(row.id, row.account, row.date, row.amount, row.payee);
        t.categoryId = row.category;
        ok = ok && transactions.insert(t);
    }
    return ok && transactions.softDelete("t8");
}

template<typename Row, typename Format> QString describe(const QList<Row> &rows, Format format) {
    QStringList parts;
    for (const Row &row : rows)
        parts << format(row);
    return parts.join(';');
}

const QDate kJan1(2024, 1, 1);
const QDate kJan31(2024, 1, 31);

} // namespace

class tst_ReportService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void categorySpending_data();
    void categorySpending();
    void payeeSummary_data();
    void payeeSummary();
    void taxReport();
    void cashFlowSkipsEmptyMonths();
    void accountSummary();
    void comparePeriods();
    void splitTransactionsCountByLines_data();
    void splitTransactionsCountByLines();
    void sumsBeyond64BitsAreReported_data();
    void sumsBeyond64BitsAreReported();
    void toCsv_data();
    void toCsv();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReportService> m_reports;
};

void tst_ReportService::init() {
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isValid());
    QVERIFY(fillFixture(m_db->database()));
    m_reports = std::make_unique<ReportService>(m_db->database());
}

void tst_ReportService::categorySpending_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("expected");
    // The end date counts, the next day does not; both "Maintenance" rows form one line.
    QTest::addRow("all accounts") << kJan1 << kJan31 << ""
                                  << "Rent:-2500;Maintenance:-1100;Food:-1000;Uncategorized:-300";
    QTest::addRow("one account") << kJan1 << kJan31 << "A"
                                 << "Rent:-2500;Food:-1000;Uncategorized:-300";
    QTest::addRow("start date counts") << QDate(2024, 1, 31) << QDate(2024, 1, 31) << ""
                                       << "Rent:-2500";
    QTest::addRow("income only") << QDate(2024, 1, 10) << QDate(2024, 1, 10) << ""
                                 << "";
    QTest::addRow("nothing in range") << QDate(2024, 3, 1) << QDate(2024, 3, 31) << ""
                                      << "";
}

void tst_ReportService::categorySpending() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, accountId);
    QFETCH(QString, expected);
    const QString actual
        = describe(m_reports->categorySpending(from, to, accountId), [](const auto &row) {
              return QStringLiteral("%1:%2").arg(row.name).arg(row.total);
          });
    QCOMPARE(actual, expected);
}

void tst_ReportService::payeeSummary_data() {
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("expected");
    QTest::addRow("all accounts")
        << ""
        << "Landlord:-2500x1;Fixit:-1100x2;Grocer:-1000x1;Kiosk:-300x1;Employer:5000x1";
    QTest::addRow("one account") << "B"
                                 << "Fixit:-1100x2;Employer:5000x1";
}

void tst_ReportService::payeeSummary() {
    QFETCH(QString, accountId);
    QFETCH(QString, expected);
    const QString actual
        = describe(m_reports->payeeSummary(kJan1, kJan31, accountId), [](const auto &row) {
              return QStringLiteral("%1:%2x%3").arg(row.payee).arg(row.total).arg(row.count);
          });
    QCOMPARE(actual, expected);
}

void tst_ReportService::taxReport() {
    const QString actual
        = describe(m_reports->taxReport(kJan1, QDate(2024, 4, 30)), [](const auto &row) {
              return QStringLiteral("%1/%2:%3").arg(row.categoryName, row.taxCode).arg(row.total);
          });
    QCOMPARE(actual, QStringLiteral("Food/Sched A:-1999;Rent/Sched E:-2500"));
}

void tst_ReportService::cashFlowSkipsEmptyMonths() {
    const auto format = [](const CashFlowMonthRow &row) {
        return QStringLiteral("%1:%2/%3/%4")
            .arg(row.month)
            .arg(row.income)
            .arg(row.expenses)
            .arg(row.net);
    };
    QCOMPARE(describe(m_reports->cashFlow(kJan1, QDate(2024, 4, 30)), format),
             QStringLiteral("2024-01:5000/-4900/100;2024-02:0/-1049/-1049;"
                            "2024-04:1500/-5000/-3500"));
    QCOMPARE(describe(m_reports->cashFlow(QDate(2024, 2, 1), QDate(2024, 4, 30), "B"), format),
             QStringLiteral("2024-02:0/-50/-50"));
}

void tst_ReportService::accountSummary() {
    TestDatabase db;
    AccountRepository accounts(db.database());
    TransactionRepository transactions(db.database());
    Account main = account("main", "Main", 10000);
    main.sortOrder = 1;
    Account alpha = account("alpha", "Alpha");
    alpha.sortOrder = 1;
    Account first = account("first", "Zulu");
    Account closed = account("closed", "Closed");
    QVERIFY(accounts.insert(main) && accounts.insert(alpha) && accounts.insert(first)
            && accounts.insert(closed) && accounts.softDelete("closed"));
    Transaction cleared = transaction("c", "main", QDate(2024, 1, 1), -2500);
    cleared.cleared = true;
    Transaction gone = transaction("g", "main", QDate(2024, 1, 2), -9999);
    gone.cleared = true;
    QVERIFY(transactions.insert(cleared)
            && transactions.insert(transaction("u", "main", QDate(2024, 1, 3), -1000))
            && transactions.insert(gone) && transactions.softDelete("g"));

    ReportService reports(db.database());
    const QString actual = describe(reports.accountSummary(), [](const auto &row) {
        return QStringLiteral("%1(%2):%3/%4/%5")
            .arg(row.name, row.accountType)
            .arg(row.clearedBalance)
            .arg(row.unclearedAmount)
            .arg(row.balance);
    });
    QCOMPARE(actual, QStringLiteral("Zulu(checking):0/0/0;Alpha(checking):0/0/0;"
                                    "Main(checking):7500/-1000/6500"));
}

void tst_ReportService::comparePeriods() {
    const QString actual
        = describe(m_reports->comparePeriods(kJan1, kJan31, QDate(2024, 2, 1), QDate(2024, 4, 30)),
                   [](const auto &row) {
                       return QStringLiteral("%1:%2/%3/%4")
                           .arg(row.categoryName)
                           .arg(row.period1Total)
                           .arg(row.period2Total)
                           .arg(row.difference);
                   });
    // Names in plain code-unit order: lowercase after uppercase.
    QCOMPARE(actual, QStringLiteral("Food:-1000/-999/1;Maintenance:-1100/0/1100;"
                                    "Rent:-2500/0/2500;Travel:0/-5000/-5000;"
                                    "Uncategorized:4700/1500/-3200;apple:0/-50/-50"));
}

void tst_ReportService::splitTransactionsCountByLines_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("expected");
    // Rent's split moves 500 to Food; the uncategorised kiosk row is split away entirely, so
    // "Uncategorized" leaves the spending list; Fixit is marked split without lines here and
    // counts as before; the deleted row's lines never count.
    QTest::addRow("spending") << "spending"
                              << "Rent:-2000;Food:-1500;Maintenance:-1100;apple:-200;Travel:-100";
    QTest::addRow("spending, one account") << "spending B"
                                           << "Maintenance:-1100";
    QTest::addRow("tax") << "tax"
                         << "Food/Sched A:-1500;Rent/Sched E:-2000";
    QTest::addRow("year over year")
        << "compare"
        << "Food:-1500/-499/1001;Maintenance:-1100/0/1100;Rent:-2000/0/2000;"
           "Travel:-100/-5500/-5400;Uncategorized:5000/1500/-3500;apple:-200/-50/150";
}

void tst_ReportService::splitTransactionsCountByLines() {
    QFETCH(QString, report);
    QFETCH(QString, expected);
    TransactionRepository transactions(m_db->database());
    SplitLineRepository splits(m_db->database());
    const auto split = [&](const char *id, QList<QPair<const char *, qint64>> parts,
                           bool withLines = true) {
        std::optional<Transaction> t = transactions.findById(id);
        if (!t)
            return false;
        t->isSplit = true;
        QList<SplitLine> lines;
        for (const auto &part : parts) {
            SplitLine line;
            line.categoryId = part.first;
            line.amount = part.second;
            lines << line;
        }
        return transactions.update(*t) && (!withLines || splits.replaceForTransaction(id, lines));
    };
    QVERIFY(split("t2", {{"rent", -2000}, {"food", -500}}));
    QVERIFY(split("t4", {{"travel", -100}, {"apple", -200}}));
    QVERIFY(split("t3", {{"food", -499}, {"travel", -500}}));
    QVERIFY(split("t6", {}, false));
    QVERIFY(splits.replaceForTransaction("t8", {SplitLine{{}, "t8", "rent", -7777, {}, {}, {}}}));

    QString actual;
    if (report.startsWith("spending")) {
        actual = describe(
            m_reports->categorySpending(kJan1, kJan31, report.mid(9)),
            [](const auto &row) { return QStringLiteral("%1:%2").arg(row.name).arg(row.total); });
    } else if (report == "tax") {
        actual = describe(m_reports->taxReport(kJan1, kJan31), [](const auto &row) {
            return QStringLiteral("%1/%2:%3").arg(row.categoryName, row.taxCode).arg(row.total);
        });
    } else {
        actual = describe(
            m_reports->comparePeriods(kJan1, kJan31, QDate(2024, 2, 1), QDate(2024, 4, 30)),
            [](const auto &row) {
                return QStringLiteral("%1:%2/%3/%4")
                    .arg(row.categoryName)
                    .arg(row.period1Total)
                    .arg(row.period2Total)
                    .arg(row.difference);
            });
    }
    QCOMPARE(actual, expected);
    QVERIFY(m_reports->lastError().isEmpty());
}

void tst_ReportService::toCsv_data() {
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("expected");
    QTest::addRow("headers only") << QStringList{"Name", "Total"} << QList<QStringList>{}
                                  << "\"Name\",\"Total\"\n";
    QTest::addRow("quotes, commas, line breaks")
        << QStringList{"Payee", "Amount"}
        << QList<QStringList>{{"Say \"hi\"", "-1,234.56"}, {"two\nlines", ""}}
        << "\"Payee\",\"Amount\"\n\"Say \"\"hi\"\"\",\"-1,234.56\"\n\"two\nlines\",\"\"\n";
    // Writers that stream rows (the command line's listings) get the same guard as a whole file.
    QTest::addRow("formula-like cells, money untouched")
        << QStringList{"Payee", "Amount"}
        << QList<QStringList>{{"=1+1", "-12.50"}, {"-Refund", "-1250"}, {"@home", "+5"}}
        << "\"Payee\",\"Amount\"\n\"'=1+1\",\"-12.50\"\n\"'-Refund\",\"-1250\"\n"
           "\"'@home\",\"+5\"\n";
}

void tst_ReportService::toCsv() {
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, expected);
    QCOMPARE(ReportService::toCsv(headers, rows), expected);
}

void tst_ReportService::sumsBeyond64BitsAreReported_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("warnings");
    for (const char *report :
         {"categorySpending", "payeeSummary", "taxReport", "cashFlow", "accountSummary"})
        QTest::addRow("%s", report) << QString::fromLatin1(report) << 1;
    QTest::addRow("comparePeriods") << "comparePeriods" << 2;
}

// SQLite's SUM fails on two amounts whose total passes 64 bits; the report must say it
// failed rather than come out empty as if nothing had been spent.
void tst_ReportService::sumsBeyond64BitsAreReported() {
    QFETCH(QString, report);
    QFETCH(int, warnings);
    TransactionRepository transactions(m_db->database());
    const qint64 huge = std::numeric_limits<qint64>::min() / 2 - 1;
    for (const char *id : {"big1", "big2"}) {
        Transaction t = transaction(id, "A", QDate(2024, 1, 9), huge, "Grocer");
        t.categoryId = "food";
        QVERIFY(transactions.insert(t));
    }

    const auto rowCount = [&]() -> qsizetype {
        if (report == "categorySpending")
            return m_reports->categorySpending(kJan1, kJan31).size();
        if (report == "payeeSummary")
            return m_reports->payeeSummary(kJan1, kJan31).size();
        if (report == "taxReport")
            return m_reports->taxReport(kJan1, kJan31).size();
        if (report == "cashFlow")
            return m_reports->cashFlow(kJan1, kJan31).size();
        if (report == "accountSummary")
            return m_reports->accountSummary().size();
        return m_reports->comparePeriods(kJan1, kJan31, kJan1, kJan31).size();
    };
    for (int i = 0; i < warnings; ++i)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^ReportService: .*(failed|does not fit)"));
    QCOMPARE(rowCount(), 0);
    QVERIFY(!m_reports->lastError().isEmpty());

    // Once the rows are gone the same report reads again and clears the error.
    QVERIFY(transactions.softDelete("big1"));
    QVERIFY(rowCount() > 0);
    QVERIFY(m_reports->lastError().isEmpty());
}

QTEST_GUILESS_MAIN(tst_ReportService)
#include "tst_reportservice.moc"
