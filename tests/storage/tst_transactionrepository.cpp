// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace TestRecords;

namespace {

struct Fixture {
    TestDatabase db;
    AccountRepository accounts{db.database()};
    CategoryRepository categories{db.database()};
    TransactionRepository transactions{db.database()};

    explicit Fixture(qint64 startingBalance = 0) {
        accounts.insert(account("a1", "Checking", startingBalance));
        accounts.insert(account("a2", "Savings"));
    }
};

QStringList ids(const QList<RegisterRow> &rows) {
    QStringList result;
    for (const RegisterRow &row : rows)
        result << row.transaction.id;
    return result;
}

} // namespace

class tst_TransactionRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripAndUpdate();
    void registerRows_data();
    void registerRows();
    void registerShowsCategoryNames();
    void sameTimeKeepsWrittenOrder();
    void sameDateFollowsCreationNotWriting();
    void registerVisitorMatchesList();
    void repeatedTextsAreShared();
    void unreconciledSummaries();
    void softDeleteVisibility();
    void softDeleteUnknownAndByAccount();
    void search_data();
    void search();
    void searchByDateRangeAndFilters();
    void searchWords_data();
    void searchWords();
    void commonWordKeepsTheNewestFirst();
    void renamePayees_data();
    void renamePayees();
    void payees();
    void lastByPayee();
    void failedInsertIsLogged();
};

void tst_TransactionRepository::roundTripAndUpdate() {
    Fixture f;
    QVERIFY(f.categories.insert(category("food", "Food")));
    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    Transaction t = transaction("t1", "a1", QDate(2026, 2, 3), -1234, "Grocer", "weekly shop");
    t.categoryId = "food";
    t.checkNumber = "1001";
    t.cleared = true;
    t.transferLinkId = "t2";
    t.transferDestAccountId = "a2";
    t.isSplit = true;
    t.recurringId = "r1";
    t.serverId = "srv";
    t.syncStatus = SyncStatus::Synced;
    t.version = 3;
    QVERIFY(f.transactions.insert(t));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("a1"));

    auto read = f.transactions.findById("t1");
    QVERIFY(read);
    QCOMPARE(read->date, t.date);
    QCOMPARE(read->amount, t.amount);
    QCOMPARE(read->categoryId, t.categoryId);
    QCOMPARE(read->checkNumber, t.checkNumber);
    QVERIFY(read->cleared && !read->reconciled && read->isSplit);
    QCOMPARE(read->transferLinkId, t.transferLinkId);
    QCOMPARE(read->transferDestAccountId, t.transferDestAccountId);
    QCOMPARE(read->recurringId, t.recurringId);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->version, 3);
    QCOMPARE(read->createdAt, t.createdAt);

    // update never moves the row or rewrites its creation time.
    t.accountId = "a2";
    t.createdAt = stamp(999);
    t.categoryId.clear();
    t.reconciled = true;
    QVERIFY(f.transactions.update(t));
    read = f.transactions.findById("t1");
    QCOMPARE(read->accountId, QStringLiteral("a1"));
    QCOMPARE(read->createdAt, stamp());
    QVERIFY(read->reconciled);
    QCOMPARE(f.db.scalar("SELECT category_id IS NULL FROM transactions").toInt(), 1);
    QCOMPARE(f.transactions.findUnreconciled("a1").size(), 0);
}

void tst_TransactionRepository::registerRows_data() {
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<bool>("withTransactions");
    QTest::addColumn<QStringList>("expectedIds");
    QTest::addColumn<QList<qint64>>("expectedBalances");
    QTest::addColumn<QDate>("openingDate");

    // t-late is dated 2024-03-01 (-100), t-early 2024-02-01 (+50), t-tie 2024-02-01 but
    // created later (+10).
    QTest::addRow("opening row dated on the earliest transaction")
        << qint64(500) << true << QStringList{"", "t-early", "t-tie", "t-late"}
        << QList<qint64>{500, 550, 560, 460} << QDate(2024, 2, 1);
    QTest::addRow("no transactions: opening row dated today")
        << qint64(500) << false << QStringList{""} << QList<qint64>{500} << QDate::currentDate();
    QTest::addRow("zero starting balance: no opening row")
        << qint64(0) << true << QStringList{"t-early", "t-tie", "t-late"}
        << QList<qint64>{50, 60, -40} << QDate();
    QTest::addRow("negative starting balance")
        << qint64(-20) << true << QStringList{"", "t-early", "t-tie", "t-late"}
        << QList<qint64>{-20, 30, 40, -60} << QDate(2024, 2, 1);
}

void tst_TransactionRepository::registerRows() {
    QFETCH(qint64, startingBalance);
    QFETCH(bool, withTransactions);
    QFETCH(QStringList, expectedIds);
    QFETCH(QList<qint64>, expectedBalances);
    QFETCH(QDate, openingDate);

    Fixture f(startingBalance);
    if (withTransactions) {
        QVERIFY(
            f.transactions.insert(transaction("t-tie", "a1", QDate(2024, 2, 1), 10, "P", "", 5)));
        QVERIFY(f.transactions.insert(transaction("t-late", "a1", QDate(2024, 3, 1), -100)));
        QVERIFY(f.transactions.insert(transaction("t-early", "a1", QDate(2024, 2, 1), 50)));
        // Neither another account's row nor a deleted one counts.
        QVERIFY(f.transactions.insert(transaction("other", "a2", QDate(2020, 1, 1), 7)));
        QVERIFY(f.transactions.insert(transaction("gone", "a1", QDate(2020, 1, 1), 1000)));
        QVERIFY(f.transactions.softDelete("gone"));
    }

    const QList<RegisterRow> rows = f.transactions.registerRows("a1");
    QCOMPARE(ids(rows), expectedIds);
    QList<qint64> balances;
    for (const RegisterRow &row : rows)
        balances << row.runningBalance;
    QCOMPARE(balances, expectedBalances);
    if (openingDate.isValid()) {
        const Transaction &opening = rows.first().transaction;
        QCOMPARE(opening.payee, QStringLiteral("Opening Balance"));
        QCOMPARE(opening.amount, startingBalance);
        QCOMPARE(opening.date, openingDate);
        QVERIFY(opening.cleared && opening.reconciled);
        QVERIFY(opening.accountId.isEmpty());
        QVERIFY(rows.first().categoryName.isEmpty());
    }
}

// Rows written in one go (an import) share their day and time: they stay in the order they were
// written, whatever their amounts, in the rows and in the order and balances alone.
void tst_TransactionRepository::sameTimeKeepsWrittenOrder() {
    Fixture f;
    const QList<std::pair<QString, qint64>> written{
        {"x1", 50}, {"x2", -30}, {"x3", 10}, {"x4", -5}};
    for (const auto &[id, amount] : written)
        QVERIFY(
            f.transactions.insert(transaction(id, "a1", QDate(2025, 5, 5), amount, "P", "", 3)));
    const QList<RegisterRow> rows = f.transactions.registerRows("a1");
    QCOMPARE(ids(rows), (QStringList{"x1", "x2", "x3", "x4"}));
    const RegisterEntries entries = f.transactions.registerEntries("a1");
    QCOMPARE(entries.balances, (QList<qint64>{50, 20, 30, 25}));
    QList<qint64> rowIds;
    for (const RegisterRow &row : rows)
        rowIds << row.rowId;
    QCOMPARE(entries.rowIds, rowIds);
}

// A row pulled or restored later can be older than the rows written before it: the register
// on screen and the command line's listing put it where its creation time says, alike.
void tst_TransactionRepository::sameDateFollowsCreationNotWriting() {
    Fixture f(1000);
    const QDate day(2025, 5, 5);
    QVERIFY(f.transactions.insert(transaction("typed", "a1", day, -300, "P", "", 60)));
    QVERIFY(f.transactions.insert(transaction("pulled", "a1", day, 50, "P", "", 0)));
    QVERIFY(f.transactions.insert(transaction("later", "a1", day, -20, "P", "", 120)));
    QVERIFY(f.transactions.insert(transaction("before", "a1", day.addDays(-1), 7, "P", "", 500)));

    const QList<RegisterRow> rows = f.transactions.registerRows("a1");
    QCOMPARE(ids(rows), (QStringList{"", "before", "pulled", "typed", "later"}));
    const RegisterEntries entries = f.transactions.registerEntries("a1");
    QVERIFY(entries.opening);
    QList<qint64> rowIds;
    QList<qint64> balances;
    for (const RegisterRow &row : rows.mid(1)) {
        rowIds << row.rowId;
        balances << row.runningBalance;
    }
    QCOMPARE(entries.rowIds, rowIds);
    QCOMPARE(entries.balances, balances);
    QCOMPARE(balances, (QList<qint64>{1007, 1057, 757, 737}));
}

void tst_TransactionRepository::registerShowsCategoryNames() {
    Fixture f;
    QVERIFY(f.categories.insert(category("food", "Food")));
    Transaction t = transaction("t1", "a1", QDate(2026, 1, 1), -5);
    t.categoryId = "food";
    QVERIFY(f.transactions.insert(t));
    QVERIFY(f.transactions.insert(transaction("t2", "a1", QDate(2026, 1, 2), -5)));
    // A deleted category still names its transactions.
    QVERIFY(f.categories.softDelete("food"));
    const QList<RegisterRow> rows = f.transactions.registerRows("a1");
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).categoryName, QStringLiteral("Food"));
    QCOMPARE(rows.at(1).categoryName, QString());
}

// The visitor is what the command line streams; the list is what the register holds.
void tst_TransactionRepository::registerVisitorMatchesList() {
    Fixture f(500);
    QVERIFY(f.transactions.insert(transaction("t-tie", "a1", QDate(2024, 2, 1), 10, "P", "", 5)));
    QVERIFY(f.transactions.insert(transaction("t-late", "a1", QDate(2024, 3, 1), -100)));
    QVERIFY(f.transactions.insert(transaction("t-early", "a1", QDate(2024, 2, 1), 50)));
    QList<RegisterRow> visited;
    QVERIFY(f.transactions.forEachRegisterRow(
        "a1", [&visited](const RegisterRow &row) { visited.append(row); }));
    const QList<RegisterRow> rows = f.transactions.registerRows("a1");
    QCOMPARE(ids(visited), ids(rows));
    QCOMPARE(ids(visited), (QStringList{"", "t-early", "t-tie", "t-late"}));
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(visited.at(i).runningBalance, rows.at(i).runningBalance);

    QList<RegisterRow> found;
    QVERIFY(f.transactions.forEachSearchRow(
        QString(), {}, [&found](const RegisterRow &row) { found.append(row); }));
    QCOMPARE(ids(found), ids(f.transactions.search(QString())));
    QVERIFY(!f.transactions.forEachSearchRow("\"", {}, [](const RegisterRow &) {}));
}

// A register of many rows naming the same account, payee and category holds each text once.
void tst_TransactionRepository::repeatedTextsAreShared() {
    Fixture f;
    QVERIFY(f.categories.insert(category("food", "Food")));
    for (int i = 0; i < 3; ++i) {
        Transaction t = transaction(QStringLiteral("t%1").arg(i), "a1", QDate(2026, 1, 1 + i), -5,
                                    "Corner Grocery", "weekly shop");
        t.categoryId = "food";
        QVERIFY(f.transactions.insert(t));
    }
    const QList<RegisterRow> rows = f.transactions.registerRows("a1");
    QCOMPARE(rows.size(), 3);
    const auto sameData = [&rows](auto text) {
        for (const RegisterRow &row : rows) {
            if (text(row).constData() != text(rows.first()).constData())
                return false;
        }
        return !text(rows.first()).isEmpty();
    };
    QVERIFY(sameData([](const RegisterRow &r) { return r.transaction.accountId; }));
    QVERIFY(sameData([](const RegisterRow &r) { return r.transaction.payee; }));
    QVERIFY(sameData([](const RegisterRow &r) { return r.transaction.memo; }));
    QVERIFY(sameData([](const RegisterRow &r) { return r.transaction.categoryId; }));
    QVERIFY(sameData([](const RegisterRow &r) { return r.categoryName; }));
    QCOMPARE(rows.at(2).transaction.payee, QStringLiteral("Corner Grocery"));
}

// The light rows of the reconciliation list carry the same values as the full read, in the
// same order, for the open live rows of the one account only.
void tst_TransactionRepository::unreconciledSummaries() {
    Fixture f;
    Transaction late = transaction("late", "a1", QDate(2026, 3, 1), -700, "Grocer", "weekly");
    late.cleared = true;
    late.version = 4;
    late.updatedAt = stamp(60);
    QVERIFY(f.transactions.insert(late));
    QVERIFY(f.transactions.insert(transaction("early", "a1", QDate(2026, 1, 5), 2500, "Employer")));
    Transaction done = transaction("done", "a1", QDate(2026, 2, 1), -1, "Cafe");
    done.reconciled = true;
    QVERIFY(f.transactions.insert(done));
    QVERIFY(f.transactions.insert(transaction("gone", "a1", QDate(2026, 2, 2), -9, "Cafe")));
    QVERIFY(f.transactions.softDelete("gone"));
    QVERIFY(f.transactions.insert(transaction("other", "a2", QDate(2026, 2, 3), -3, "Cafe")));

    const QList<Transaction> full = f.transactions.findUnreconciled("a1");
    const QList<Transaction> light = f.transactions.findUnreconciledSummaries("a1");
    QCOMPARE(light.size(), 2);
    QCOMPARE(full.size(), light.size());
    for (int i = 0; i < full.size(); ++i) {
        QCOMPARE(light.at(i).id, full.at(i).id);
        QCOMPARE(light.at(i).accountId, full.at(i).accountId);
        QCOMPARE(light.at(i).date, full.at(i).date);
        QCOMPARE(light.at(i).payee, full.at(i).payee);
        QCOMPARE(light.at(i).amount, full.at(i).amount);
        QCOMPARE(light.at(i).cleared, full.at(i).cleared);
        QCOMPARE(light.at(i).reconciled, false);
        QCOMPARE(light.at(i).version, full.at(i).version);
        QCOMPARE(light.at(i).updatedAt, full.at(i).updatedAt);
    }
    QCOMPARE(light.first().id, QStringLiteral("early"));
    QCOMPARE(light.last().version, 4);
    QCOMPARE(light.last().updatedAt, stamp(60));
    QCOMPARE(f.transactions.unreconciledTotal("a1"), std::optional<qint64>(1800));
    QCOMPARE(f.transactions.unreconciledTotal("nobody"), std::optional<qint64>(0));

    // Rows that arrived from elsewhere can add up past 64 bits: no total, never a wrapped one.
    const qint64 huge = std::numeric_limits<qint64>::max() / 2 + 10;
    QVERIFY(f.transactions.insert(transaction("big1", "a2", QDate(2026, 4, 1), huge, "Bank")));
    QVERIFY(f.transactions.insert(transaction("big2", "a2", QDate(2026, 4, 2), huge, "Bank")));
    QCOMPARE(f.transactions.unreconciledTotal("a2"), std::optional<qint64>());
}

void tst_TransactionRepository::softDeleteVisibility() {
    Fixture f;
    QVERIFY(
        f.transactions.insert(transaction("t1", "a1", QDate(2026, 1, 1), -5, "Bakery", "bread")));
    QVERIFY(f.transactions.markSynced("t1", "srv"));
    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(f.transactions.softDelete("t1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("a1"));

    QVERIFY(f.transactions.registerRows("a1").isEmpty());
    QVERIFY(f.transactions.findByAccount("a1").isEmpty());
    QVERIFY(f.transactions.search("bread").isEmpty());
    QVERIFY(f.transactions.search("").isEmpty());
    QVERIFY(f.transactions.payees().isEmpty());
    QVERIFY(!f.transactions.lastByPayee("Bakery", "a1"));
    // The re-read after a save must not bring back a row deleted meanwhile.
    QVERIFY(!f.transactions.registerRow("t1"));
    QCOMPARE(f.transactions.rowIdOf("t1"), qint64(0));

    const auto deleted = f.transactions.findById("t1");
    QVERIFY(deleted && deleted->deletedAt);
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QCOMPARE(f.transactions.findPending().size(), 1);
    QCOMPARE(f.db.scalar("SELECT deleted_at = updated_at FROM transactions").toInt(), 1);
}

void tst_TransactionRepository::softDeleteUnknownAndByAccount() {
    Fixture f;
    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(!f.transactions.softDelete("missing"));
    QCOMPARE(changed.count(), 0);

    QVERIFY(f.transactions.insert(transaction("t1", "a1", QDate(2026, 1, 1), 1)));
    QVERIFY(f.transactions.insert(transaction("t2", "a1", QDate(2026, 1, 2), 2)));
    QVERIFY(f.transactions.insert(transaction("t3", "a2", QDate(2026, 1, 2), 3)));
    changed.clear();
    QCOMPARE(f.transactions.softDeleteByAccount("a1"), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("a1"));
    QCOMPARE(f.transactions.softDeleteByAccount("a1"), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(f.transactions.findByAccount("a2").size(), 1);

    QCOMPARE(f.transactions.markAllPendingForResync(), 0);
    QVERIFY(f.transactions.markSynced("t3", "s"));
    QCOMPARE(f.transactions.markAllPendingForResync(), 1);
    QCOMPARE(changed.last().first().toString(), QString());
}

void tst_TransactionRepository::search_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expectedIds");
    QTest::addRow("word in memo") << "coffee" << QStringList{"t2", "t1"};
    QTest::addRow("prefix") << "coff*" << QStringList{"t2", "t1"};
    QTest::addRow("partial word") << "coff" << QStringList{};
    QTest::addRow("payee word, any case") << "BEANERY" << QStringList{"t2"};
    QTest::addRow("check number") << "1042" << QStringList{"t3"};
    QTest::addRow("all words, any column") << "beanery morning" << QStringList{"t2"};
    QTest::addRow("phrase") << "\"morning coffee\"" << QStringList{"t2"};
    QTest::addRow("phrase out of order") << "\"coffee morning\"" << QStringList{};
    QTest::addRow("or") << "rent OR beanery" << QStringList{"t3", "t2"};
    QTest::addRow("lone double quote") << "\"" << QStringList{};
    QTest::addRow("unbalanced quote") << "\"coffee" << QStringList{};
}

void tst_TransactionRepository::search() {
    QFETCH(QString, text);
    QFETCH(QStringList, expectedIds);
    Fixture f;
    QVERIFY(f.transactions.insert(
        transaction("t1", "a1", QDate(2026, 1, 1), -3, "Cafe", "coffee beans")));
    QVERIFY(f.transactions.insert(
        transaction("t2", "a2", QDate(2026, 1, 5), -4, "The Beanery", "morning coffee")));
    Transaction rent = transaction("t3", "a1", QDate(2026, 1, 9), -900, "Landlord", "rent");
    rent.checkNumber = "1042";
    QVERIFY(f.transactions.insert(rent));

    // A query FTS5 cannot parse is an empty result, not a logged failure.
    QTest::failOnWarning(QRegularExpression(".*"));
    const QList<RegisterRow> rows = f.transactions.search(text);
    QCOMPARE(ids(rows), expectedIds);
    for (const RegisterRow &row : rows)
        QCOMPARE(row.runningBalance, 0);
}

void tst_TransactionRepository::searchWords_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("expectedIds");
    const QStringList all{"brien", "seven", "att", "tea", "coffee"};
    QTest::addRow("ampersand inside a word") << "AT&T" << QStringList{"att"};
    QTest::addRow("hyphen inside a word") << "7-Eleven" << QStringList{"seven"};
    QTest::addRow("apostrophe inside a word") << "o'brien" << QStringList{"brien"};
    QTest::addRow("start of a word") << "coff" << QStringList{"tea", "coffee"};
    QTest::addRow("every word must match") << "stellar  COFF" << QStringList{"coffee"};
    QTest::addRow("check number prefix") << "104" << QStringList{"att"};
    QTest::addRow("lone quote") << "\"" << QStringList{};
    QTest::addRow("lone quote after a word") << "coffee \"" << QStringList{"tea", "coffee"};
    QTest::addRow("quote inside a word") << "cof\"fee" << QStringList{};
    QTest::addRow("query words are words") << "NOT" << QStringList{};
    QTest::addRow("column prefix is text") << "memo:beans" << QStringList{};
    QTest::addRow("star alone") << "*" << QStringList{};
    QTest::addRow("only spaces: filter alone") << "   " << all;
}

void tst_TransactionRepository::searchWords() {
    QFETCH(QString, words);
    QFETCH(QStringList, expectedIds);
    Fixture f;
    QVERIFY(f.transactions.insert(
        transaction("coffee", "a1", QDate(2026, 1, 1), -450, "Stellar Coffee", "beans")));
    QVERIFY(f.transactions.insert(
        transaction("tea", "a2", QDate(2026, 1, 2), -300, "Tea House", "no coffee today")));
    Transaction phone = transaction("att", "a1", QDate(2026, 1, 3), -6000, "AT&T Wireless");
    phone.checkNumber = "1042";
    QVERIFY(f.transactions.insert(phone));
    QVERIFY(f.transactions.insert(
        transaction("seven", "a1", QDate(2026, 1, 4), -199, "7-Eleven", "snacks")));
    QVERIFY(f.transactions.insert(
        transaction("brien", "a2", QDate(2026, 1, 5), -8000, "O'Brien Plumbing", "sink")));

    // Whatever was typed, the index never sees a query it cannot read.
    QTest::failOnWarning(QRegularExpression(".*"));
    QCOMPARE(ids(f.transactions.searchWords(words)), expectedIds);
}

// A word in thousands of rows is searched from the newest rows down rather than through the
// word index; the rows and their order must not depend on which way was taken.
void tst_TransactionRepository::commonWordKeepsTheNewestFirst() {
    Fixture f;
    struct Row {
        QString id;
        QString account;
        QDate date;
        int created;
    };
    QList<Row> expected;
    {
        TransactionScope scope(f.db.database());
        for (int i = 0; i < 6000; ++i) {
            const Row row{QStringLiteral("t%1").arg(i), i % 3 ? "a1" : "a2",
                          QDate(2020, 1, 1).addDays((i * 7919) % 2000), i % 50};
            const bool coffee = i % 6 != 0; // 5000 rows
            QVERIFY(f.transactions.insert(transaction(row.id, row.account, row.date, -1,
                                                      coffee ? "Stellar Coffee" : "Tea House",
                                                      QString(), row.created)));
            if (coffee && i % 97 == 0)
                QVERIFY(f.transactions.softDelete(row.id));
            else if (coffee && row.account == "a1")
                expected << row;
        }
        QVERIFY(scope.commit());
    }
    std::sort(expected.begin(), expected.end(), [](const Row &a, const Row &b) {
        return a.date != b.date ? a.date > b.date : a.created > b.created;
    });
    SearchFilter filter;
    filter.accountId = "a1";
    const QList<RegisterRow> rows = f.transactions.searchWords("coffee", filter);
    QCOMPARE(rows.size(), 200);
    for (int i = 0; i < rows.size(); ++i) {
        const Transaction &t = rows.at(i).transaction;
        // Rows of one date and creation time may come in either order.
        QCOMPARE(t.date, expected.at(i).date);
        QCOMPARE(t.createdAt, stamp(expected.at(i).created));
        QCOMPARE(t.accountId, QStringLiteral("a1"));
        QVERIFY(!t.deletedAt);
    }
    QCOMPARE(f.transactions.searchWords("tea").size(), 200);
}

void tst_TransactionRepository::renamePayees_data() {
    QTest::addColumn<QStringList>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("renamed");
    QTest::addColumn<QStringList>("payeesAfter");
    QTest::addRow("to its own name")
        << QStringList{"Cafe"} << "Cafe" << 0 << QStringList{"Cafe", "Café", "Grocer", "cafe"};
    QTest::addRow("three into a new name") << QStringList{"Cafe", "Café", "cafe"} << "The Cafe" << 4
                                           << QStringList{"Grocer", "The Cafe"};
    QTest::addRow("into a payee among them")
        << QStringList{"Cafe", "Café", "cafe"} << "Cafe" << 2 << QStringList{"Cafe", "Grocer"};
    QTest::addRow("into another existing payee")
        << QStringList{"cafe"} << "Grocer" << 1 << QStringList{"Cafe", "Café", "Grocer"};
}

void tst_TransactionRepository::renamePayees() {
    QFETCH(QStringList, from);
    QFETCH(QString, to);
    QFETCH(int, renamed);
    QFETCH(QStringList, payeesAfter);
    Fixture f;
    QVERIFY(f.transactions.insert(transaction("t1", "a1", QDate(2026, 1, 1), -1, "Cafe")));
    QVERIFY(f.transactions.insert(transaction("t2", "a2", QDate(2026, 1, 2), -2, "Cafe")));
    QVERIFY(f.transactions.insert(transaction("t3", "a1", QDate(2026, 1, 3), -3, "Café")));
    QVERIFY(f.transactions.insert(transaction("t4", "a1", QDate(2026, 1, 4), -4, "cafe")));
    QVERIFY(f.transactions.insert(transaction("t5", "a1", QDate(2026, 1, 5), -5, "Grocer")));
    QVERIFY(f.transactions.insert(transaction("gone", "a1", QDate(2026, 1, 6), -6, "Cafe")));
    QVERIFY(f.transactions.softDelete("gone"));
    const Transaction deletedBefore = *f.transactions.findById("gone");

    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(changed.isValid());
    QCOMPARE(f.transactions.renamePayees(from, to), renamed);
    QCOMPARE(changed.count(), renamed > 0 ? 1 : 0);
    QCOMPARE(f.transactions.payees(), payeesAfter);

    static const QRegularExpression stored("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$");
    int renamedRows = 0;
    for (const QString id : {"t1", "t2", "t3", "t4", "t5"}) {
        const QString updated
            = f.db.scalar(
                      QStringLiteral("SELECT updated_at FROM transactions WHERE id = '%1'").arg(id))
                  .toString();
        QVERIFY2(stored.match(updated).hasMatch(), qPrintable(updated));
        const Transaction t = *f.transactions.findById(id);
        if (t.version == 2) {
            ++renamedRows;
            QCOMPARE(t.payee, to);
            QCOMPARE(t.syncStatus, SyncStatus::Pending);
        } else {
            QCOMPARE(t.version, 1);
        }
    }
    QCOMPARE(renamedRows, renamed);
    // A deleted row keeps its payee: renaming it would bring nothing back but a sync.
    const Transaction deletedAfter = *f.transactions.findById("gone");
    QCOMPARE(deletedAfter.payee, QStringLiteral("Cafe"));
    QCOMPARE(deletedAfter.version, deletedBefore.version);
}

void tst_TransactionRepository::searchByDateRangeAndFilters() {
    Fixture f;
    QVERIFY(f.categories.insert(category("food", "Food")));
    // 250 rows in January (plus one before, one after); the newest 200 come back.
    QDate day(2026, 1, 1);
    for (int i = 0; i < 250; ++i) {
        Transaction t = transaction(QStringLiteral("t%1").arg(i, 3, 10, QChar('0')),
                                    i % 2 ? "a1" : "a2", day.addDays(i % 31), -i, "P", "", i);
        t.cleared = i % 3 == 0;
        if (i % 5 == 0)
            t.categoryId = "food";
        QVERIFY(f.transactions.insert(t));
    }
    QVERIFY(f.transactions.insert(transaction("before", "a1", QDate(2025, 12, 31), 1)));
    QVERIFY(f.transactions.insert(transaction("after", "a1", QDate(2026, 2, 1), 1)));

    SearchFilter range;
    range.fromDate = QDate(2026, 1, 1);
    range.toDate = QDate(2026, 1, 31);
    const QList<RegisterRow> rows = f.transactions.search(QString(), range);
    QCOMPARE(rows.size(), 200);
    for (int i = 1; i < rows.size(); ++i) {
        const Transaction &a = rows.at(i - 1).transaction;
        const Transaction &b = rows.at(i).transaction;
        QVERIFY(a.date > b.date || (a.date == b.date && a.createdAt > b.createdAt));
    }
    QCOMPARE(rows.first().transaction.date, QDate(2026, 1, 31));
    QVERIFY(!ids(rows).contains("before") && !ids(rows).contains("after"));

    SearchFilter narrow = range;
    narrow.accountId = "a1";
    narrow.categoryId = "food";
    narrow.cleared = true;
    const QList<RegisterRow> filtered = f.transactions.search(QString(), narrow);
    // Odd, a multiple of 5 and of 3: 15, 45, ..., 225.
    QCOMPARE(filtered.size(), 8);
    for (const RegisterRow &row : filtered) {
        QCOMPARE(row.transaction.accountId, QStringLiteral("a1"));
        QCOMPARE(row.categoryName, QStringLiteral("Food"));
        QVERIFY(row.transaction.cleared);
    }
    narrow.cleared = false;
    QCOMPARE(f.transactions.search(QString(), narrow).size(), 17);
}

void tst_TransactionRepository::payees() {
    Fixture f;
    int n = 0;
    for (const char *payee : {"bakery", "Zoo", "Bakery", "", "bakery", "Acme"}) {
        ++n;
        QVERIFY(
            f.transactions.insert(transaction(QStringLiteral("t%1").arg(n), n % 2 ? "a1" : "a2",
                                              QDate(2026, 1, 1), 1, QString::fromLatin1(payee))));
    }
    const QStringList expected{"Acme", "Bakery", "Zoo", "bakery"};
    QCOMPARE(f.transactions.payees(), expected);
    QCOMPARE(f.transactions.payees("a1"), expected);
}

void tst_TransactionRepository::lastByPayee() {
    Fixture f;
    QVERIFY(f.transactions.insert(transaction("old", "a1", QDate(2026, 1, 1), -1, "Grocer")));
    QVERIFY(f.transactions.insert(
        transaction("tie-early", "a1", QDate(2026, 1, 5), -2, "Grocer", "", 1)));
    QVERIFY(f.transactions.insert(
        transaction("tie-late", "a1", QDate(2026, 1, 5), -3, "Grocer", "", 2)));
    QVERIFY(
        f.transactions.insert(transaction("other-account", "a2", QDate(2026, 2, 1), -4, "Grocer")));
    QVERIFY(
        f.transactions.insert(transaction("other-case", "a1", QDate(2026, 2, 1), -5, "grocer")));
    QCOMPARE(f.transactions.lastByPayee("Grocer", "a1")->id, QStringLiteral("tie-late"));
    QVERIFY(!f.transactions.lastByPayee("Nobody", "a1"));
}

void tst_TransactionRepository::failedInsertIsLogged() {
    Fixture f;
    QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed: .*FOREIGN KEY"));
    QVERIFY(!f.transactions.insert(transaction("t1", "no-such-account", QDate(2026, 1, 1), 1)));
    Transaction undated = transaction("t2", "a1", QDate(), 1);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^TransactionRepository::insert failed: .*NOT NULL"));
    QVERIFY(!f.transactions.insert(undated));
    Transaction update = transaction("t3", "a1", QDate(2026, 1, 1), 1);
    QVERIFY(f.transactions.insert(update));
    update.categoryId = "missing";
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression("^TransactionRepository::update failed: .*FOREIGN KEY"));
    QVERIFY(!f.transactions.update(update));
    QCOMPARE(changed.count(), 1);
}

QTEST_GUILESS_MAIN(tst_TransactionRepository)
#include "tst_transactionrepository.moc"
