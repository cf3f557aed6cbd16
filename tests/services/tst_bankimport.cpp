// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importruleset.h"
#include "services/importservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/importrulerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace TestRecords;

namespace {

QString fixturePath(const QString &name) {
    return QStringLiteral(QUILLON_IMPORT_DATA "/") + name;
}

ImportRule rule(RuleMatch match, const QString &text, const QString &payee,
                const QString &category = QString(), const QString &memo = QString()) {
    ImportRule r;
    r.match = match;
    r.text = text;
    r.setPayee = payee;
    r.setCategoryId = category;
    r.setMemo = memo;
    return r;
}

} // namespace

class tst_BankImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void reimportAddsNothing_data();
    void reimportAddsNothing();
    void severalAccountsInOneFile_data();
    void severalAccountsInOneFile();
    void unreadableFileStoresNothing_data();
    void unreadableFileStoresNothing();
    void rulesFirstMatchWinsPerField_data();
    void rulesFirstMatchWinsPerField();
    void deletedCategoryGivesWayToLaterRule();
    void rulesApplyToEveryFormat_data();
    void rulesApplyToEveryFormat();
    void transfersRecognised_data();
    void transfersRecognised();
    void transferNeverMatchedTwice();

private:
    QStringList rows(const QString &accountId) const;
    QString writeFile(const QByteArray &content);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<ImportService> m_import;
    int m_files = 0;
};

void tst_BankImport::init() {
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isValid());
    AccountRepository accounts(m_db->database());
    QVERIFY(accounts.insert(account("acc")));
    QVERIFY(accounts.insert(account("savings", "Savings")));
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    QVERIFY(m_categories->insert(category("food", "Food")));
    QVERIFY(m_categories->insert(category("fun", "Fun")));
    m_import = std::make_unique<ImportService>(m_transactions.get(), m_categories.get());
}

void tst_BankImport::cleanup() {
    m_import.reset();
    m_categories.reset();
    m_transactions.reset();
    m_db.reset();
}

// "date payee amount [memo] {category} <reference> ~link-account".
QStringList tst_BankImport::rows(const QString &accountId) const {
    QSqlQuery query(m_db->connection());
    query.prepare("SELECT date, payee, amount, COALESCE(memo, ''), COALESCE(category_id, ''), "
                  "COALESCE(bank_reference, ''), COALESCE(transfer_dest_account_id, '') FROM "
                  "transactions WHERE account_id = ? AND deleted_at IS NULL ORDER BY date, "
                  "amount, payee");
    query.addBindValue(accountId);
    if (!query.exec())
        return {"query failed"};
    QStringList out;
    while (query.next()) {
        QString row = QStringLiteral("%1 %2 %3")
                          .arg(query.value(0).toString(), query.value(1).toString(),
                               query.value(2).toString());
        if (!query.value(3).toString().isEmpty())
            row += QStringLiteral(" [%1]").arg(query.value(3).toString());
        if (!query.value(4).toString().isEmpty())
            row += QStringLiteral(" {%1}").arg(query.value(4).toString());
        if (!query.value(5).toString().isEmpty())
            row += QStringLiteral(" <%1>").arg(query.value(5).toString());
        if (!query.value(6).toString().isEmpty())
            row += QStringLiteral(" ~%1").arg(query.value(6).toString());
        out << row;
    }
    return out;
}

QString tst_BankImport::writeFile(const QByteArray &content) {
    const QString path = m_db->dirPath() + QStringLiteral("/file-%1").arg(++m_files);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void tst_BankImport::reimportAddsNothing_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("newOnSecond");
    QTest::addColumn<int>("duplicatesOnSecond");
    QTest::addColumn<QString>("ledgerBalance");
    QTest::newRow("same OFX again") << "ofx1-checking-1252.ofx"
                                    << "ofx1-checking-1252.ofx" << 5 << 0 << 5 << "1331.40";
    QTest::newRow("overlapping OFX") << "ofx1-checking-1252.ofx"
                                     << "ofx1-checking-overlap.ofx" << 5 << 1 << 2 << "1271.15";
    QTest::newRow("same CAMT again")
        << "camt053-same-account-two-days.xml"
        << "camt053-same-account-two-days.xml" << 2 << 0 << 2 << "990.00";
}

void tst_BankImport::reimportAddsNothing() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, imported);
    QFETCH(int, newOnSecond);
    QFETCH(int, duplicatesOnSecond);
    QFETCH(QString, ledgerBalance);

    const ImportResult one = m_import->importBankFile(fixturePath(first), "acc");
    QVERIFY2(one.error.isEmpty(), qPrintable(one.error));
    QCOMPARE(one.imported, imported);
    const QStringList before = rows("acc");
    QCOMPARE(before.size(), imported);

    const ImportResult two = m_import->importBankFile(fixturePath(second), "acc");
    QVERIFY2(two.error.isEmpty(), qPrintable(two.error));
    QCOMPARE(two.imported, newOnSecond);
    QCOMPARE(two.duplicates, duplicatesOnSecond);
    QCOMPARE(rows("acc").size(), imported + newOnSecond);
    QCOMPARE(two.statements.first().ledgerBalance, ledgerBalance);
}

void tst_BankImport::severalAccountsInOneFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("last4");
    QTest::addColumn<QString>("cardNumber"); // replaces the card's number in the file when set
    QTest::addColumn<int>("imported");
    QTest::addColumn<QString>("ledgerBalance");
    QTest::addColumn<QString>("error"); // a part of it; empty when the import succeeds

    const QString ofx = "ofx2-two-accounts.ofx";
    const QString camt = "camt053-v02-two-statements.xml";
    QTest::newRow("OFX checking picked") << ofx << "4521"
                                         << "" << 1 << "958.00"
                                         << "";
    QTest::newRow("OFX card picked") << ofx << "9876"
                                     << "" << 2 << "-22.50"
                                     << "";
    QTest::newRow("CAMT IBAN picked") << camt << "3000"
                                      << "" << 2 << "1955.50"
                                      << "";
    QTest::newRow("CAMT other account picked") << camt << "3001"
                                               << "" << 1 << "-25.00"
                                               << "";
    QTest::newRow("OFX none matches") << ofx << "1111"
                                      << "" << 0 << ""
                                      << "*4521, *9876";
    QTest::newRow("OFX account without last digits") << ofx << ""
                                                     << "" << 0 << ""
                                                     << "*4521";
    QTest::newRow("OFX both end alike") << ofx << "4521"
                                        << "999999994521" << 0 << ""
                                        << "*4521, *4521";
    QTest::newRow("CAMT days of one account, no last digits") << "camt053-same-account-two-days.xml"
                                                              << ""
                                                              << "" << 2 << "990.00"
                                                              << "";
    QTest::newRow("one statement of another number") << "ofx1-checking-1252.ofx"
                                                     << "9999"
                                                     << "" << 5 << "1331.40"
                                                     << "";
}

// Money of another account must never land in this one: the account's last digits choose
// the statement, and a file they cannot choose from is refused whole.
void tst_BankImport::severalAccountsInOneFile() {
    QFETCH(QString, file);
    QFETCH(QString, last4);
    QFETCH(QString, cardNumber);
    QFETCH(int, imported);
    QFETCH(QString, ledgerBalance);
    QFETCH(QString, error);

    Account picked = account("picked", "Picked");
    picked.accountNumberLast4 = last4;
    QVERIFY(AccountRepository(m_db->database()).insert(picked));
    QString path = fixturePath(file);
    if (!cardNumber.isEmpty()) {
        QFile fixture(path);
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        path = writeFile(fixture.readAll().replace("4111111111119876", cardNumber.toLatin1()));
    }

    const ImportResult result = m_import->importBankFile(path, "picked");
    QCOMPARE(rows("picked").size(), imported);
    QCOMPARE(result.imported, imported);
    if (error.isEmpty()) {
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.statements.first().ledgerBalance, ledgerBalance);
    } else {
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        // Only the last digits: the whole number is not for every screen and log.
        QVERIFY2(!result.error.contains("0001111"), qPrintable(result.error));
    }
}

void tst_BankImport::unreadableFileStoresNothing_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("truncated OFX") << "ofx-truncated.ofx";
    QTest::newRow("OFX with entities") << "ofx-billion-laughs.ofx";
    QTest::newRow("CAMT with external entity") << "camt-external-entity.xml";
    QTest::newRow("truncated CAMT") << "camt-truncated.xml";
}

// The rows read before the fault are not kept either: the file is all or nothing.
void tst_BankImport::unreadableFileStoresNothing() {
    QFETCH(QString, file);
    const ImportResult result = m_import->importBankFile(fixturePath(file), "acc");
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.imported, 0);
    QCOMPARE(rows("acc"), QStringList());
}

void tst_BankImport::rulesFirstMatchWinsPerField_data() {
    QTest::addColumn<QList<ImportRule>>("rules");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("expected"); // payee|category|memo

    const QList<ImportRule> ordered{rule(RuleMatch::Contains, "coffee", "Coffee Cart", "food"),
                                    rule(RuleMatch::Contains, "cart", "Any Cart", "fun", "cart")};
    QTest::newRow("first rule sets payee and category, second only the memo")
        << ordered << "COFFEE CART #12" << qint64(-350) << "Coffee Cart|food|cart";
    QTest::newRow("only the second matches")
        << ordered << "Golf cart rental" << qint64(-350) << "Any Cart|fun|cart";
    QTest::newRow("none matches") << ordered << "Grocer" << qint64(-350) << "Grocer||";
    QTest::newRow("is: whole text, any case")
        << QList<ImportRule>{rule(RuleMatch::Is, "acme payroll", "ACME")} << "ACME Payroll"
        << qint64(250000) << "ACME||";
    QTest::newRow("is: not a part") << QList<ImportRule>{rule(RuleMatch::Is, "acme", "ACME")}
                                    << "ACME Payroll" << qint64(250000) << "ACME Payroll||";
    QTest::newRow("starts with") << QList<ImportRule>{rule(RuleMatch::StartsWith, "pos ", "Card")}
                                 << "POS 4411 BAKERY" << qint64(-100) << "Card||";
    QTest::newRow("starts with: not in the middle")
        << QList<ImportRule>{rule(RuleMatch::StartsWith, "bakery", "Bakery")} << "POS BAKERY"
        << qint64(-100) << "POS BAKERY||";

    ImportRule big = rule(RuleMatch::Contains, "shop", "Big shop");
    big.maxAmount = -10000;
    ImportRule small = rule(RuleMatch::Contains, "shop", "Small shop");
    small.minAmount = -9999;
    small.maxAmount = 0;
    QTest::newRow("amount range: big")
        << QList<ImportRule>{big, small} << "Shop" << qint64(-10000) << "Big shop||";
    QTest::newRow("amount range: small")
        << QList<ImportRule>{big, small} << "Shop" << qint64(-9999) << "Small shop||";
    QTest::newRow("amount range: refund outside both")
        << QList<ImportRule>{big, small} << "Shop" << qint64(500) << "Shop||";

    ImportRule elsewhere = rule(RuleMatch::Contains, "shop", "Elsewhere");
    elsewhere.accountId = "savings";
    QTest::newRow("rule for another account")
        << QList<ImportRule>{elsewhere} << "Shop" << qint64(-1) << "Shop||";
}

void tst_BankImport::rulesFirstMatchWinsPerField() {
    QFETCH(QList<ImportRule>, rules);
    QFETCH(QString, payee);
    QFETCH(qint64, amount);
    QFETCH(QString, expected);
    Transaction t = transaction("t", "acc", QDate(2024, 1, 1), amount, payee);
    ImportRuleSet(rules, "acc").apply(t);
    QCOMPARE(QStringList({t.payee, t.categoryId, t.memo}).join('|'), expected);
}

// A rule whose category was deleted still renames; the category comes from the next rule.
void tst_BankImport::deletedCategoryGivesWayToLaterRule() {
    QVERIFY(m_categories->insert(category("gone", "Gone")));
    QVERIFY(m_categories->softDelete("gone"));
    ImportRuleRepository repository(m_db->database());
    ImportRule first = rule(RuleMatch::Contains, "coffee", "Coffee", "gone");
    ImportRule second = rule(RuleMatch::Contains, "coffee", QString(), "food");
    QVERIFY(repository.insert(first));
    QVERIFY(repository.insert(second));
    const QString path = writeFile("Date,Payee,Amount\n01/20/2024,Coffee Cart,-3.50\n");
    const ImportResult result = m_import->importCsv(path, "acc", CsvMapping());
    QCOMPARE(result.imported, 1);
    QCOMPARE(rows("acc"), QStringList{"2024-01-20 Coffee -350 {food}"});
}

void tst_BankImport::rulesApplyToEveryFormat_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("CSV") << "csv"
                         << QByteArray("Date,Payee,Amount\n01/20/2024,Coffee Cart,-3.50\n");
    QTest::newRow("QIF") << "qif"
                         << QByteArray("!Type:Bank\nD01/20/2024\nT-3.50\nPCoffee Cart\n^\n");
    QTest::newRow("OFX") << "ofx" << QByteArray();
}

// A stored rule renames the payee and sets the category whatever the file's format, and a
// second import of the same file still finds the renamed rows.
void tst_BankImport::rulesApplyToEveryFormat() {
    QFETCH(QString, format);
    QFETCH(QByteArray, content);
    ImportRuleRepository repository(m_db->database());
    ImportRule stored = rule(RuleMatch::StartsWith, "COFFEE", "Morning coffee", "food");
    QVERIFY(repository.insert(stored));

    const QString path
        = content.isEmpty() ? fixturePath("ofx1-checking-1252.ofx") : writeFile(content);
    const auto run = [&] {
        return format == "csv"   ? m_import->importCsv(path, "acc", CsvMapping())
               : format == "qif" ? m_import->importQif(path, "acc")
                                 : m_import->importBankFile(path, "acc");
    };
    const ImportResult first = run();
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    const QStringList coffee = rows("acc").filter("Morning coffee");
    QVERIFY2(!coffee.isEmpty(), qPrintable(rows("acc").join('\n')));
    for (const QString &row : coffee)
        QVERIFY2(row.contains("2024-01-20 Morning coffee -350") && row.contains("{food}"),
                 qPrintable(row));
    QCOMPARE(rows("acc").filter("Coffee Cart"), QStringList());

    const ImportResult second = run();
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.duplicates, first.imported + first.duplicates);
}

void tst_BankImport::transfersRecognised_data() {
    QTest::addColumn<int>("daysApart");
    QTest::addColumn<bool>("alreadyLinked");
    QTest::addColumn<bool>("linked");
    QTest::newRow("same day") << 0 << false << true;
    QTest::newRow("three days before") << -3 << false << true;
    QTest::newRow("three days after") << 3 << false << true;
    QTest::newRow("four days apart") << 4 << false << false;
    QTest::newRow("other leg already linked") << 0 << true << false;
}

void tst_BankImport::transfersRecognised() {
    QFETCH(int, daysApart);
    QFETCH(bool, alreadyLinked);
    QFETCH(bool, linked);
    // The savings deposit of the 200.00 the OFX file's... savings file moves: here the other
    // leg stands in checking, typed in by hand.
    Transaction other
        = transaction("leg", "acc", QDate(2024, 2, 2).addDays(daysApart), -20000, "To savings");
    if (alreadyLinked) {
        other.transferLinkId = "someone";
        other.transferDestAccountId = "acc";
    }
    QVERIFY(m_transactions->insert(other));

    const ImportResult result
        = m_import->importBankFile(fixturePath("ofx2-savings-utf8.ofx"), "savings");
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.transfers, linked ? 1 : 0);
    const QStringList savings = rows("savings");
    QCOMPARE(savings.filter("~acc").size(), linked ? 1 : 0);
    const std::optional<Transaction> leg = m_transactions->findById("leg");
    QVERIFY(leg);
    if (linked) {
        QCOMPARE(leg->transferDestAccountId, QStringLiteral("savings"));
        const std::optional<Transaction> mine = m_transactions->findById(leg->transferLinkId);
        QVERIFY(mine);
        QCOMPARE(mine->transferLinkId, QStringLiteral("leg"));
        QCOMPARE(mine->amount, qint64(20000));
        QCOMPARE(leg->syncStatus, SyncStatus::Pending);
    } else if (!alreadyLinked) {
        QVERIFY(leg->transferLinkId.isEmpty());
    }
}

// Two deposits of the same amount against one withdrawal: only one becomes its other leg,
// and importing again links nothing more.
void tst_BankImport::transferNeverMatchedTwice() {
    QVERIFY(
        m_transactions->insert(transaction("leg", "acc", QDate(2024, 1, 10), -5000, "To savings")));
    const QString path = writeFile("Date,Payee,Amount\n01/10/2024,From checking,50.00\n"
                                   "01/11/2024,From checking again,50.00\n");
    const ImportResult first = m_import->importCsv(path, "savings", CsvMapping());
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.transfers, 1);
    QCOMPARE(rows("savings").filter("~acc"), QStringList{"2024-01-10 From checking 5000 ~acc"});
    const ImportResult second = m_import->importCsv(path, "savings", CsvMapping());
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.transfers, 0);
}

QTEST_GUILESS_MAIN(tst_BankImport)
#include "tst_bankimport.moc"
