// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <limits>
#include <map>
#include <random>

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

// Three accounts over November 2022 to March 2024: categories sharing a name, tax-relevant
// ones, rows without a category, payees differing only in case, zero amounts, month ends,
// split transactions (with lines and without), then edits of every kind, soft deletes,
// restores and hard deletes, all drawn from a fixed seed.
bool fillRandomLedger(Database *database) {
    AccountRepository accounts(database);
    CategoryRepository categories(database);
    TransactionRepository transactions(database);
    SplitLineRepository splits(database);
    bool ok = accounts.insert(account("a1", "One", 150000))
              && accounts.insert(account("a2", "Two", -2500))
              && accounts.insert(account("a3", "Three")) && accounts.insert(account("a4", "Idle"));
    const QStringList categoryIds{"", "c1", "c2", "c3", "c4", "c5"};
    for (int i = 1; i < categoryIds.size(); ++i) {
        Category c = category(categoryIds.at(i), i <= 2 ? QStringLiteral("Shared")
                                                        : QStringLiteral("Category %1").arg(i));
        c.isTaxRelevant = i % 2 == 1;
        c.taxCategory = c.isTaxRelevant ? QStringLiteral("Code %1").arg(i % 3) : QString();
        ok = ok && categories.insert(c);
    }
    const QStringList accountIds{"a1", "a2", "a3"};
    const QStringList payees{"Shop", "shop", "Grocer", "Landlord", "Employer", "Kiosk", ""};

    std::mt19937 random(20240229);
    const auto pick
        = [&](const QStringList &list) { return list.at(int(random() % unsigned(list.size()))); };
    const QDate first(2022, 11, 1);
    const int days = int(first.daysTo(QDate(2024, 3, 31))) + 1;
    const auto date = [&] {
        // Month ends and starts often, where the summaries meet the rows.
        const QDate day = first.addDays(random() % unsigned(days));
        switch (random() % 4) {
        case 0:
            return QDate(day.year(), day.month(), 1);
        case 1:
            return QDate(day.year(), day.month(), day.daysInMonth());
        default:
            return day;
        }
    };
    const auto amount = [&] { return random() % 10 == 0 ? 0 : qint64(random() % 80000) - 50000; };

    QStringList ids;
    for (int i = 0; ok && i < 400; ++i) {
        const QString id = QStringLiteral("t%1").arg(i);
        Transaction t = transaction(id, pick(accountIds), date(), amount(), pick(payees));
        t.categoryId = pick(categoryIds);
        ok = transactions.insert(t);
        ids << id;
    }
    for (int i = 0; ok && i < 30; ++i) {
        std::optional<Transaction> t = transactions.findById(pick(ids));
        if (!t || t->isSplit)
            continue;
        t->isSplit = true;
        QList<SplitLine> lines;
        const int count = int(random() % 4); // none: marked split, lines not held here
        for (int l = 0; l < count; ++l) {
            SplitLine line;
            line.categoryId = pick(categoryIds.mid(1));
            line.amount = amount();
            lines << line;
        }
        ok = transactions.update(*t) && (count == 0 || splits.replaceForTransaction(t->id, lines));
    }
    for (int i = 0; ok && i < 150; ++i) {
        std::optional<Transaction> t = transactions.findById(pick(ids));
        if (!t)
            continue;
        switch (random() % 6) {
        case 0:
            t->amount = amount();
            break;
        case 1:
            t->date = date();
            break;
        case 2:
            t->categoryId = pick(categoryIds);
            break;
        case 3:
            t->payee = pick(payees);
            break;
        case 4: {
            // The repository keeps a row in its account; a sync can move it.
            QSqlQuery move(database->connection());
            move.prepare("UPDATE transactions SET account_id = ? WHERE id = ?");
            move.addBindValue(pick(accountIds));
            move.addBindValue(t->id);
            ok = move.exec();
            continue;
        }
        default:
            t->cleared = !t->cleared;
            break;
        }
        ok = transactions.update(*t);
    }
    QSqlQuery query(database->connection());
    // Transfer legs count in no summary; rows become legs and stop being legs.
    for (int i = 0; ok && i < 40; ++i) {
        query.prepare("UPDATE transactions SET transfer_link_id = ? WHERE id = ?");
        query.addBindValue(i % 4 == 3 ? QVariant() : QVariant(pick(ids)));
        query.addBindValue(pick(ids));
        ok = query.exec();
    }
    for (int i = 0; ok && i < 40; ++i)
        ok = transactions.softDelete(pick(ids));
    for (int i = 0; ok && i < 10; ++i) {
        query.prepare("UPDATE transactions SET deleted_at = NULL WHERE id = ?");
        query.addBindValue(pick(ids));
        ok = query.exec();
    }
    for (int i = 0; ok && i < 15; ++i) {
        const QString id = pick(ids);
        query.prepare("DELETE FROM split_lines WHERE transaction_id = ?");
        query.addBindValue(id);
        ok = query.exec();
        query.prepare("DELETE FROM transactions WHERE id = ?");
        query.addBindValue(id);
        ok = ok && query.exec();
    }
    return ok;
}

// Every per-range report as one text, to compare two ways of reading them.
QString allReports(const ReportService &reports, const QDate &from, const QDate &to,
                   const QString &accountId) {
    QStringList parts;
    for (const CategorySpendingRow &row : reports.categorySpending(from, to, accountId))
        parts << QStringLiteral("spending %1:%2").arg(row.name).arg(row.total);
    for (const PayeeSummaryRow &row : reports.payeeSummary(from, to, accountId))
        parts << QStringLiteral("payee %1:%2x%3").arg(row.payee).arg(row.total).arg(row.count);
    for (const TaxLineRow &row : reports.taxReport(from, to))
        parts << QStringLiteral("tax %1/%2:%3").arg(row.categoryName, row.taxCode).arg(row.total);
    for (const CashFlowMonthRow &row : reports.cashFlow(from, to, accountId))
        parts << QStringLiteral("cash %1:%2/%3/%4")
                     .arg(row.month)
                     .arg(row.income)
                     .arg(row.expenses)
                     .arg(row.net);
    const QMap<QString, qint64> totals = reports.categoryTotals(from, to, accountId);
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        parts << QStringLiteral("net %1:%2").arg(it.key()).arg(it.value());
    for (const AccountSummaryRow &row : reports.accountSummary())
        parts << QStringLiteral("account %1:%2/%3/%4")
                     .arg(row.name)
                     .arg(row.clearedBalance)
                     .arg(row.unclearedAmount)
                     .arg(row.balance);
    if (!reports.lastError().isEmpty())
        parts << QStringLiteral("error ") + reports.lastError();
    return parts.join(QLatin1Char('\n'));
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
    void summariesGiveWhatTheTransactionsGive_data();
    void summariesGiveWhatTheTransactionsGive();
    void transferLegsLeftOut_data();
    void transferLegsLeftOut();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReportService> m_reports;
    // The random ledgers, one per oddity, built once.
    std::map<QString, std::unique_ptr<TestDatabase>> m_ledgers;
    QSet<QString> m_oddLedgers;
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
    QTest::addColumn<bool>("monthsApart");
    // Apart, each month's summary holds one amount and only their sum overflows (cash flow
    // has a row per month, which fits).
    for (bool apart : {false, true}) {
        const char *when = apart ? ", months apart" : "";
        for (const char *report :
             {"categorySpending", "payeeSummary", "taxReport", "cashFlow", "accountSummary"}) {
            if (!apart || QByteArray(report) != "cashFlow")
                QTest::addRow("%s%s", report, when) << QString::fromLatin1(report) << 1 << apart;
        }
        QTest::addRow("comparePeriods%s", when) << "comparePeriods" << 2 << apart;
    }
}

// SQLite's SUM fails on two amounts whose total passes 64 bits; the report must say it
// failed rather than come out empty as if nothing had been spent.
void tst_ReportService::sumsBeyond64BitsAreReported() {
    QFETCH(QString, report);
    QFETCH(int, warnings);
    QFETCH(bool, monthsApart);
    TransactionRepository transactions(m_db->database());
    const qint64 huge = std::numeric_limits<qint64>::min() / 2 - 1;
    for (const char *id : {"big1", "big2"}) {
        const QDate date(2024, monthsApart && id == QByteArray("big2") ? 2 : 1, 9);
        Transaction t = transaction(id, "A", date, huge, "Grocer");
        t.categoryId = "food";
        QVERIFY(transactions.insert(t));
    }

    const QDate to = monthsApart ? QDate(2024, 2, 29) : kJan31;
    const auto rowCount = [&]() -> qsizetype {
        if (report == "categorySpending")
            return m_reports->categorySpending(kJan1, to).size();
        if (report == "payeeSummary")
            return m_reports->payeeSummary(kJan1, to).size();
        if (report == "taxReport")
            return m_reports->taxReport(kJan1, to).size();
        if (report == "cashFlow")
            return m_reports->cashFlow(kJan1, to).size();
        if (report == "accountSummary")
            return m_reports->accountSummary().size();
        return m_reports->comparePeriods(kJan1, to, kJan1, to).size();
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

void tst_ReportService::summariesGiveWhatTheTransactionsGive_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("oddity");
    QTest::addColumn<bool>("readsSummaries");
    const struct {
        const char *name;
        QDate from;
        QDate to;
        bool readsSummaries;
    } ranges[] = {
        {"all time", QDate(2000, 1, 1), QDate(2026, 12, 10), true},
        {"whole months", QDate(2023, 2, 1), QDate(2023, 5, 31), true},
        {"a whole year with months and days either side", QDate(2022, 11, 15), QDate(2024, 2, 10),
         true},
        {"partial months at both ends", QDate(2023, 1, 15), QDate(2023, 6, 10), true},
        {"whole leap February", QDate(2024, 2, 1), QDate(2024, 2, 29), true},
        {"one day past a whole month", QDate(2023, 1, 31), QDate(2023, 3, 1), true},
        {"within a month", QDate(2023, 3, 2), QDate(2023, 3, 30), false},
        {"one day", QDate(2023, 3, 31), QDate(2023, 3, 31), false},
        {"beyond the data", QDate(2030, 1, 1), QDate(2031, 12, 31), false},
        {"ends before it begins", QDate(2023, 5, 1), QDate(2023, 4, 1), false},
    };
    for (const auto &range : ranges) {
        for (const char *oddity : {"", "a date that is no day", "a category with an empty id"}) {
            QTest::addRow("%s%s%s", range.name, *oddity ? ", " : "", oddity)
                << range.from << range.to << QString::fromLatin1(oddity)
                << (range.readsSummaries && !*oddity);
        }
    }
}

// The summaries stand in for the transactions of whole months; for every range, account
// filter and split case the reports must come out exactly as the transactions give them.
void tst_ReportService::summariesGiveWhatTheTransactionsGive() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, oddity);
    QFETCH(bool, readsSummaries);
    std::unique_ptr<TestDatabase> &db = m_ledgers[oddity];
    if (!db) {
        db = std::make_unique<TestDatabase>(QStringLiteral("ledger %1").arg(oddity));
        QSqlQuery fast(db->connection());
        QVERIFY2(fast.exec("PRAGMA synchronous = OFF"), qPrintable(fast.lastError().text()));
        QVERIFY(fillRandomLedger(db->database()));
    }
    QSqlQuery query(db->connection());
    if (oddity == "a date that is no day" && !m_oddLedgers.contains(oddity)) {
        QVERIFY2(
            query.exec("UPDATE transactions SET date = '2023-02-30' WHERE id IN (SELECT id FROM "
                       "transactions WHERE deleted_at IS NULL LIMIT 2)"),
            qPrintable(query.lastError().text()));
    } else if (!oddity.isEmpty() && !m_oddLedgers.contains(oddity)) {
        QVERIFY2(query.exec("INSERT INTO categories (id, name, is_tax_relevant, tax_category, "
                            "created_at, updated_at) VALUES ('', 'Blank', 1, 'Code 9', 'x', 'x')"),
                 qPrintable(query.lastError().text()));
        QVERIFY2(query.exec("UPDATE transactions SET category_id = '' WHERE id IN (SELECT id FROM "
                            "transactions WHERE deleted_at IS NULL LIMIT 2)"),
                 qPrintable(query.lastError().text()));
    }
    m_oddLedgers.insert(oddity);

    ReportService fromSummaries(db->database());
    ReportService fromRows(db->database());
    fromRows.setUseSummaries(false);
    for (const QString &accountId : {QString(), QStringLiteral("a2")}) {
        const QString expected = allReports(fromRows, from, to, accountId);
        QCOMPARE(allReports(fromSummaries, from, to, accountId), expected);
        QVERIFY(fromRows.lastError().isEmpty());
    }

    // The comparison proves something only where the summaries were read: a wrong cell shows.
    QVERIFY2(query.exec("SAVEPOINT wrong_cells"), qPrintable(query.lastError().text()));
    QVERIFY2(query.exec("UPDATE report_payee_months SET total = total + 1"),
             qPrintable(query.lastError().text()));
    QVERIFY2(query.exec("UPDATE report_payee_years SET count = count + 1"),
             qPrintable(query.lastError().text()));
    QVERIFY2(query.exec("UPDATE report_category_months SET out_total = out_total - 1"),
             qPrintable(query.lastError().text()));
    const bool differs = allReports(fromSummaries, from, to, QString())
                         != allReports(fromRows, from, to, QString());
    QVERIFY2(query.exec("ROLLBACK TO wrong_cells"), qPrintable(query.lastError().text()));
    QVERIFY2(query.exec("RELEASE wrong_cells"), qPrintable(query.lastError().text()));
    QCOMPARE(differs, readsSummaries);
}

void tst_ReportService::transferLegsLeftOut_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("whole month, from the summaries") << kJan1 << kJan31;
    QTest::newRow("days within the month, from the rows")
        << QDate(2024, 1, 2) << QDate(2024, 1, 30);
}

// Money moved between one's own accounts is neither spent nor earned: both legs stay out of
// every report but the account balances, whether they were linked when written or later.
void tst_ReportService::transferLegsLeftOut() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const QString before = allReports(*m_reports, from, to, QString());
    const QString beforeA = allReports(*m_reports, from, to, "A");

    TransactionRepository transactions(m_db->database());
    Transaction out = transaction("x1", "A", QDate(2024, 1, 12), -2000, "Grocer");
    out.categoryId = "food";
    out.transferLinkId = "x2";
    out.transferDestAccountId = "B";
    Transaction in = transaction("x2", "B", QDate(2024, 1, 12), 2000, "Employer");
    QVERIFY(transactions.insert(out));
    QVERIFY(transactions.insert(in));
    // The second leg is linked afterwards, as an import links a row that stood alone.
    QSqlQuery link(m_db->connection());
    QVERIFY2(link.exec("UPDATE transactions SET transfer_link_id = 'x1', transfer_dest_account_id "
                       "= 'A' WHERE id = 'x2'"),
             qPrintable(link.lastError().text()));

    const auto withoutBalances = [](const QString &text) {
        QStringList lines = text.split('\n');
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [](const QString &line) { return line.startsWith("account "); }),
                    lines.end());
        return lines.join('\n');
    };
    QCOMPARE(withoutBalances(allReports(*m_reports, from, to, QString())), withoutBalances(before));
    QCOMPARE(withoutBalances(allReports(*m_reports, from, to, "A")), withoutBalances(beforeA));
    // The balances do move.
    QVERIFY(allReports(*m_reports, from, to, QString()) != before);

    // Unlinked again, the row counts again.
    QVERIFY2(link.exec("UPDATE transactions SET transfer_link_id = NULL WHERE id = 'x2'"),
             qPrintable(link.lastError().text()));
    QVERIFY(allReports(*m_reports, from, to, QString()).contains("payee Employer:7000x2"));
}

QTEST_GUILESS_MAIN(tst_ReportService)
#include "tst_reportservice.moc"
