// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importservice.h"
#include "services/undostack.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <optional>

using namespace TestRecords;

namespace {

QString fixturePath(const QString &name) {
    return QStringLiteral(QUILLON_IMPORT_DATA "/") + name;
}

// The account's live transactions as "date payee amount [memo] {category}", by date and
// payee.
QStringList registerOf(const TestDatabase &db, const QString &accountId) {
    QSqlQuery query(db.connection());
    query.prepare("SELECT t.date, t.payee, t.amount, COALESCE(t.memo, ''), COALESCE(c.name, ''), "
                  "COALESCE(t.check_number, ''), t.cleared FROM transactions t LEFT JOIN "
                  "categories c ON c.id = t.category_id WHERE t.account_id = ? AND t.deleted_at "
                  "IS NULL ORDER BY t.date, t.payee, t.amount");
    query.addBindValue(accountId);
    QStringList rows;
    if (!query.exec())
        return {"query failed"};
    while (query.next()) {
        QString row = QStringLiteral("%1 %2 %3")
                          .arg(query.value(0).toString(), query.value(1).toString(),
                               query.value(2).toString());
        if (!query.value(3).toString().isEmpty())
            row += QStringLiteral(" [%1]").arg(query.value(3).toString());
        if (!query.value(4).toString().isEmpty())
            row += QStringLiteral(" {%1}").arg(query.value(4).toString());
        if (!query.value(5).toString().isEmpty())
            row += QStringLiteral(" #%1").arg(query.value(5).toString());
        if (query.value(6).toInt())
            row += QStringLiteral(" cleared");
        rows << row;
    }
    return rows;
}

} // namespace

class tst_ImportService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void importCsv_data();
    void importCsv();
    void bankFileShapes_data();
    void bankFileShapes();
    void duplicates();
    void categoriesCreatedOnce();
    void importQif();
    void unreadableFileImportsNothing();
    void failedRowIsUndoneAlone();
    void failedRowsNameTheirLines();
    void failedCommitLeavesDatabaseAsItWas();
    void databaseFailureFailsTheImport_data();
    void databaseFailureFailsTheImport();
    void largeFileReadInPieces();
    void manyRowsKeepEachRowsOutcome();
    void connectionSettingsComeBack_data();
    void connectionSettingsComeBack();
    void cancelStoresNothing_data();
    void cancelStoresNothing();

private:
    QString writeFile(const QByteArray &content);
    ImportResult importText(const QByteArray &content, const CsvMapping &mapping = {});

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<ImportService> m_import;
    int m_files = 0;
};

void tst_ImportService::init() {
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isValid());
    AccountRepository accounts(m_db->database());
    QVERIFY(accounts.insert(account("acc")));
    QVERIFY(accounts.insert(account("other", "Other")));
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_import = std::make_unique<ImportService>(m_transactions.get(), m_categories.get());
}

void tst_ImportService::cleanup() {
    m_import.reset();
    m_categories.reset();
    m_transactions.reset();
    m_db.reset();
}

QString tst_ImportService::writeFile(const QByteArray &content) {
    const QString path = m_db->dirPath() + QStringLiteral("/import-%1.txt").arg(++m_files);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

ImportResult tst_ImportService::importText(const QByteArray &content, const CsvMapping &mapping) {
    return m_import->importCsv(writeFile(content), "acc", mapping);
}

void tst_ImportService::importCsv_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<CsvMapping>("mapping");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("failed");
    QTest::addColumn<QStringList>("expected");

    const CsvMapping standard;
    QTest::addRow("header only") << QByteArray("Date,Payee,Amount\n") << standard << 0 << 0
                                 << QStringList{};
    QTest::addRow("amount texts") << QByteArray(
        "Date,Payee,Amount\n01/02/2024,A,\"$1,234.56\"\n01/03/2024,B,-12.5\n"
        "01/04/2024,C,(12.50)\n01/05/2024,D,\n")
                                  << standard << 3 << 1
                                  << QStringList{"2024-01-02 A 123456", "2024-01-03 B -1250",
                                                 "2024-01-05 D 0"};
    // Rows a bank leaves without a payee are kept; amounts beyond a trillion are refused.
    QTest::addRow("blank payee, amounts at and beyond the limit")
        << QByteArray("Date,Payee,Amount\n01/02/2024,,-3\n01/03/2024,\"\",-4\n"
                      "01/04/2024,Max,1000000000000.00\n01/05/2024,Min,-1000000000000\n"
                      "01/06/2024,Over,1000000000000.01\n01/07/2024,Under,-99999999999999999\n"
                      "01/08/2024,Huge,1e300\n")
        << standard << 4 << 3
        << QStringList{"2024-01-02  -300", "2024-01-03  -400", "2024-01-04 Max 100000000000000",
                       "2024-01-05 Min -100000000000000"};
    CsvMapping twoDigitYear;
    twoDigitYear.dateFormat = "MM/dd/yy";
    twoDigitYear.hasHeader = false;
    // Two-digit years fall in the hundred years ending twenty years from now.
    const int ahead = QDate::currentDate().year() + 20;
    QTest::addRow("two-digit year near today")
        << QByteArray("01/15/24,Recent,-1\n02/29/00,Leap,-2\n") << twoDigitYear << 2 << 0
        << QStringList{"2000-02-29 Leap -200", "2024-01-15 Recent -100"};
    QTest::addRow("two-digit year past the window")
        << QStringLiteral("03/01/%1,Old,-1\n")
               .arg((ahead + 1) % 100, 2, 10, QLatin1Char('0'))
               .toUtf8()
        << twoDigitYear << 1 << 0
        << QStringList{QStringLiteral("%1-03-01 Old -100").arg(ahead + 1 - 100)};
    QTest::addRow("unreadable rows counted as failed")
        << QByteArray("Date,Payee,Amount\n13/45/2024,Bad date,-1\n01/02/2024,Short\n"
                      "01/03/2024,Good,-2\n01/04/2024,Decimal comma,\"12,50\"\n")
        << standard << 1 << 3 << QStringList{"2024-01-03 Good -200"};
    CsvMapping reordered;
    reordered.dateColumn = 3;
    reordered.payeeColumn = 0;
    reordered.amountColumn = 1;
    reordered.memoColumn = 2;
    reordered.categoryColumn = 4;
    reordered.dateFormat = "yyyy-MM-dd";
    QTest::addRow("mapped columns, optional ones beyond the row")
        << QByteArray("Payee,Amount,Memo,Date,Category\nShop,-5,note,2024-03-01,Food\n"
                      "Cafe,-3,,2024-03-02\n")
        << reordered << 2 << 0
        << QStringList{"2024-03-01 Shop -500 [note] {Food}", "2024-03-02 Cafe -300"};
    CsvMapping yen;
    yen.currency = Currency::JPY;
    QTest::addRow("an account in whole yen")
        << QByteArray("Date,Payee,Amount\n01/02/2024,Shop,-500\n"
                      "01/03/2024,Pay,\"\xC2\xA5"
                      "1,000\"\n01/04/2024,Cents,-1.50\n")
        << yen << 2 << 1 << QStringList{"2024-01-02 Shop -500", "2024-01-03 Pay 1000"};
}

void tst_ImportService::importCsv() {
    QFETCH(QByteArray, content);
    QFETCH(CsvMapping, mapping);
    QFETCH(int, imported);
    QFETCH(int, failed);
    QFETCH(QStringList, expected);
    const ImportResult result = importText(content, mapping);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.duplicates, 0);
    QCOMPARE(result.failed, failed);
    QCOMPARE(registerOf(*m_db, "acc"), expected);
}

void tst_ImportService::bankFileShapes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("hasHeader");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("windows-1252") << "windows-1252.csv" << true
                                  << QStringList{"2025-12-04 Café Rémy 10025",
                                                 "2025-12-05 Boulangerie Müller -4210"};
    QTest::addRow("utf-8 mark") << "utf-8-bom.csv" << true
                                << QStringList{"2025-12-04 Zoë’s Bakery -350"};
    QTest::addRow("utf-8 mark, no header")
        << "utf-8-bom-noheader.csv" << false
        << QStringList{"2025-12-04 Zoë’s Bakery -350", "2025-12-05 Señor Taco -825"};
    QTest::addRow("utf-16le mark")
        << "utf-16le-bom.csv" << true << QStringList{"2025-12-04 Caffè Nero -420"};
}

void tst_ImportService::bankFileShapes() {
    QFETCH(QString, file);
    QFETCH(bool, hasHeader);
    QFETCH(QStringList, expected);
    CsvMapping mapping;
    mapping.hasHeader = hasHeader;
    const ImportResult result = m_import->importCsv(fixturePath(file), "acc", mapping);
    QCOMPARE(result.imported, expected.size());
    QCOMPARE(registerOf(*m_db, "acc"), expected);
}

void tst_ImportService::duplicates() {
    // CRLF, a quoted comma, a quoted line break, doubled quotes and a trailing blank line.
    CsvMapping mapping;
    mapping.memoColumn = 3;
    const QString crlf = fixturePath("crlf-quoted.csv");
    ImportResult result = m_import->importCsv(crlf, "acc", mapping);
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.duplicates, 0);
    const QStringList expected{"2024-01-15 Acme, Inc. -1250 [line one\nline two]",
                               "2024-01-16 He said \"hi\" 500"};
    QCOMPARE(registerOf(*m_db, "acc"), expected);

    // The second time every row is a duplicate; another account is not affected.
    result = m_import->importCsv(crlf, "acc", mapping);
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 2);
    result = m_import->importCsv(crlf, "other", mapping);
    QCOMPARE(result.imported, 2);

    // Within one file: the repeated line imports once. Payee case, amount and date differ
    // from a duplicate; memo does not.
    result = importText("Date,Payee,Amount,Memo\n02/01/2024,Shop,-1,a\n02/01/2024,Shop,-1,b\n"
                        "02/01/2024,shop,-1,c\n02/01/2024,Shop,-2,d\n02/02/2024,Shop,-1,e\n",
                        mapping);
    QCOMPARE(result.imported, 4);
    QCOMPARE(result.duplicates, 1);
}

void tst_ImportService::categoriesCreatedOnce() {
    QVERIFY(m_categories->insert(category("food", "Food")));
    QVERIFY(m_categories->insert(category("old", "Old")));
    QVERIFY(m_categories->softDelete("old"));
    CsvMapping mapping;
    mapping.categoryColumn = 3;
    const ImportResult result
        = importText("Date,Payee,Amount,Category\n01/01/2024,A,-1,Coffee\n01/02/2024,B,-2,Coffee\n"
                     "01/03/2024,C,-3,Food\n01/04/2024,D,-4,Old\n01/05/2024,E,-5,\n",
                     mapping);
    QCOMPARE(result.imported, 5);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE name = 'Coffee'").toInt(), 1);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE category_id = 'food'").toInt(),
             1);
    // A deleted category of the name is not revived: a live one is created.
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE name = 'Old' AND deleted_at IS "
                          "NULL AND category_type = 'expense' AND parent_id IS NULL AND "
                          "is_tax_relevant = 0 AND is_default = 0 AND version = 1")
                 .toInt(),
             1);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL").toInt(),
             1);
}

void tst_ImportService::importQif() {
    const ImportResult result = m_import->importQif(
        writeFile("!Type:Bank\nD1/15'24\nT-45.00\nPGrocer\n^\nD1/16'24\nT1,000.00\nPEmployer\n"
                  "MJanuary\nN42\nCX\nLSalary\n^\nT-1\nPNo date\n^\nD1/15'24\nT-45.00\nPGrocer\n"
                  "MAgain\n^\nD1/17'24\nT-7\n^\nD1/18'24\nT2,000,000,000,000\nPHuge\n^\n"
                  "D1/19'24\nT1.005\nPExact\n"),
        "acc");
    QCOMPARE(result.imported, 4);
    QCOMPARE(result.duplicates, 1);
    QCOMPARE(result.failed, 2);
    QCOMPARE(result.failedRows.size(), 2);
    QCOMPARE(result.failedRows.at(0).line, 14);
    QCOMPARE(result.failedRows.at(0).reason,
             QStringLiteral("The date is missing or cannot be read"));
    QCOMPARE(result.failedRows.at(1).line, 25);
    QCOMPARE(result.failedRows.at(1).reason, QStringLiteral("The amount cannot be read"));
    // A record without a payee line is kept with an empty payee; halves of a cent round up.
    QCOMPARE(registerOf(*m_db, "acc"),
             (QStringList{"2024-01-15 Grocer -4500",
                          "2024-01-16 Employer 100000 [January] {Salary} #42 cleared",
                          "2024-01-17  -700", "2024-01-19 Exact 101"}));

    const ImportResult fixture
        = m_import->importQif(fixturePath("qif-with-account-block.qif"), "other");
    QCOMPARE(fixture.imported, 1);
    QCOMPARE(registerOf(*m_db, "other"), QStringList{"2018-12-19 COUNTY WASTE -2500"});

    // QIF writes cents; a yen account takes whole yen and refuses a fraction of one.
    QVERIFY(AccountRepository(m_db->database()).insert(account("yen", "Yen")));
    const ImportResult yen = m_import->importQif(
        writeFile("!Type:Bank\nD1/15'24\nT-500.00\nPShop\n^\nD1/16'24\nT-1.50\nPCents\n^\n"), "yen",
        Currency::JPY);
    QCOMPARE(yen.imported, 1);
    QCOMPARE(yen.failed, 1);
    QCOMPARE(registerOf(*m_db, "yen"), QStringList{"2024-01-15 Shop -500"});
}

void tst_ImportService::unreadableFileImportsNothing() {
    const QString missing = m_db->dirPath() + "/missing.csv";
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ImportService: import failed: Cannot read"));
    ImportResult result = m_import->importCsv(missing, "acc", CsvMapping());
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 0);
    QVERIFY(result.error.contains("missing.csv"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ImportService: import failed: Cannot read"));
    result = m_import->importQif(missing, "acc");
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 0);
    QVERIFY(result.error.contains("missing.csv"));
}

// A person finds a failed row by its line in the file: a quoted field spanning lines and a
// blank line count as the text editor counts them.
void tst_ImportService::failedRowsNameTheirLines() {
    const ImportResult result
        = importText("Date,Payee,Amount\n01/01/2024,\"Two\nlines\",-1\n\n01/02/2024,Shop,ten\n"
                     "01/03/2024\n01/04/2024,Shop,-2\n");
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.failed, 2);
    QCOMPARE(result.failedRows.size(), 2);
    QCOMPARE(result.failedRows.at(0).line, 5);
    QCOMPARE(result.failedRows.at(0).reason, QStringLiteral("The amount \"ten\" cannot be read"));
    QCOMPARE(result.failedRows.at(1).line, 6);
}

void tst_ImportService::failedRowIsUndoneAlone() {
    // Every insert fails (no such account): the categories made for those rows go too.
    CsvMapping mapping;
    mapping.categoryColumn = 3;
    const QString path = writeFile("Date,Payee,Amount,Category\n01/01/2024,A,-1,New\n");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ImportService: row refused: .*FOREIGN KEY"));
    const ImportResult result = m_import->importCsv(path, "missing", mapping);
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 0);
    QCOMPARE(result.failed, 1);
    QCOMPARE(result.failedRows.value(0).line, 2);
    QVERIFY2(result.failedRows.value(0).reason.contains("FOREIGN KEY"),
             qPrintable(result.failedRows.value(0).reason));
    QCOMPARE(result.error, QString());
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
}

void tst_ImportService::failedCommitLeavesDatabaseAsItWas() {
    // With foreign keys checked at commit, the rows go in and the commit fails.
    QSqlQuery pragma(m_db->connection());
    QVERIFY2(pragma.exec("PRAGMA defer_foreign_keys = ON"), qPrintable(pragma.lastError().text()));
    CsvMapping mapping;
    mapping.categoryColumn = 3;
    const QString path
        = writeFile("Date,Payee,Amount,Category\n01/01/2024,A,-1,New\n01/02/2024,B,-2,\n");
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression("^ImportService: import failed: The import could not be saved:"));
    const ImportResult result = m_import->importCsv(path, "missing", mapping);
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.duplicates, 0);
    QVERIFY(result.error.contains("FOREIGN KEY"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);

    // The connection is usable afterwards.
    QCOMPARE(importText("Date,Payee,Amount\n01/01/2024,A,-1\n").imported, 1);
}

void tst_ImportService::databaseFailureFailsTheImport_data() {
    QTest::addColumn<bool>("locked");
    QTest::addRow("another writer holds the lock") << true;
    QTest::addRow("read-only connection") << false;
}

void tst_ImportService::databaseFailureFailsTheImport() {
    QFETCH(bool, locked);
    const QString path = writeFile("Date,Payee,Amount\n01/01/2024,A,-1\n01/02/2024,B,-2\n");
    QSqlQuery pragma(m_db->connection());
    std::optional<QSqlDatabase> other;
    if (locked) {
        QVERIFY2(pragma.exec("PRAGMA busy_timeout = 50"), qPrintable(pragma.lastError().text()));
        other = QSqlDatabase::addDatabase("QSQLITE", "other-writer");
        other->setDatabaseName(m_db->connection().databaseName());
        QVERIFY(other->open());
        {
            QSqlQuery begin(*other);
            QVERIFY2(begin.exec("BEGIN IMMEDIATE"), qPrintable(begin.lastError().text()));
        }
    } else {
        QVERIFY2(pragma.exec("PRAGMA query_only = ON"), qPrintable(pragma.lastError().text()));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ImportService: import failed: "));
    if (locked)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("locked|busy"));
    const ImportResult result = m_import->importCsv(path, "acc", CsvMapping());
    QVERIFY2(!result.error.isEmpty(), "a failed import must say so");
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.failed, 0);
    if (other) {
        QSqlQuery(*other).exec("ROLLBACK");
        other->close();
        other.reset();
        QSqlDatabase::removeDatabase("other-writer");
    }
    QVERIFY2(pragma.exec("PRAGMA query_only = OFF"), qPrintable(pragma.lastError().text()));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
}

void tst_ImportService::largeFileReadInPieces() {
    // Far beyond one piece of the reader: quoted line breaks, multi-byte characters and
    // CRLF line ends cross the piece boundaries somewhere.
    QByteArray csv = "\xEF\xBB\xBF"
                     "Date,Payee,Amount,Memo\r\n";
    const int rows = 20000;
    for (int i = 0; i < rows; ++i)
        csv += QStringLiteral("01/%1/2024,Zoë’s %2,-%3,\"line\r\n\"\"two\"\"\"\r\n")
                   .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                   .arg(i)
                   .arg(i + 1)
                   .toUtf8();
    CsvMapping mapping;
    mapping.memoColumn = 3;
    QList<qint64> progress;
    connect(m_import.get(), &ImportService::progressed, this,
            [&progress](qint64 done) { progress.append(done); });
    const ImportResult result = m_import->importCsv(writeFile(csv), "acc", mapping);
    QCOMPARE(result.imported, rows);
    QCOMPARE(result.failed, 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions WHERE payee LIKE 'Zoë’s %' AND "
                          "memo = 'line' || char(10) || '\"two\"'")
                 .toInt(),
             rows);
    QCOMPARE(progress.size(), rows / 1000);
    QCOMPARE(progress.last(), qint64(rows));
}

// Rows are stored many to a statement; every row still ends as it would alone, wherever it
// falls among them.
void tst_ImportService::manyRowsKeepEachRowsOutcome() {
    Transaction otherLeg = transaction("leg", "other", QDate(2024, 1, 16), 121, "From checking");
    QVERIFY(m_transactions->insert(otherLeg));
    QSqlQuery trigger(m_db->connection());
    QVERIFY2(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN "
                          "new.payee = 'Refused' BEGIN SELECT RAISE(ABORT, 'not this one'); END"),
             qPrintable(trigger.lastError().text()));
    QByteArray csv = "Date,Payee,Amount\n";
    QStringList expected;
    const auto row = [&](int i) {
        return QStringLiteral("01/15/2024,P%1,-%2.%3\n")
            .arg(i)
            .arg(i / 100)
            .arg(i % 100, 2, 10, QLatin1Char('0'))
            .toUtf8();
    };
    // Row i is on line i + 1 (the header is line 1).
    const int rows = 700;
    for (int i = 1; i <= rows; ++i) {
        if (i == 100 || i == 110) {
            // Refused twice: the second is no repeat of a row that was stored.
            csv += "01/15/2024,Refused,-1.00\n";
        } else if (i == 400 || i == 450) {
            csv += "01/15/2024,Unreadable,ten\n";
        } else if (i == 200 || i == 300 || i == 690) {
            // Repeats a row still waiting to be stored, one stored by an earlier
            // statement, and one near the file's end.
            csv += row(i == 200 ? 150 : i == 300 ? 20 : 680);
        } else {
            csv += row(i);
            expected << QStringLiteral("2024-01-15 P%1 -%2").arg(i).arg(i);
        }
    }
    expected.sort();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ImportService: row refused: .*not this one"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ImportService: row refused: .*not this one"));
    const ImportResult result = importText(csv);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.imported, rows - 7);
    QCOMPARE(result.duplicates, 3);
    QCOMPARE(result.failed, 4);
    QCOMPARE(result.failedRows.size(), 4);
    QCOMPARE(result.failedRows.at(0).line, 101);
    QVERIFY(result.failedRows.at(0).reason.contains("not this one"));
    QCOMPARE(result.failedRows.at(1).line, 111);
    QCOMPARE(result.failedRows.at(2).line, 401);
    QCOMPARE(result.failedRows.at(3).line, 451);
    // Row 121 (-1.21) is the other leg of the transfer booked the next day.
    QCOMPARE(result.transfers, 1);
    QStringList stored = registerOf(*m_db, "acc");
    stored.sort();
    QCOMPARE(stored, expected);
    QCOMPARE(m_db->scalar("SELECT payee FROM transactions WHERE id = (SELECT transfer_link_id "
                          "FROM transactions WHERE id = 'leg')")
                 .toString(),
             QStringLiteral("P121"));
}

void tst_ImportService::connectionSettingsComeBack_data() {
    QTest::addColumn<int>("cacheSize");
    QTest::addColumn<bool>("recordUndo");
    // Larger than the import's cache, between it and the undo step's, and in pages.
    QTest::newRow("large cache, undo") << -65536 << true;
    QTest::newRow("large cache, no undo") << -65536 << false;
    QTest::newRow("medium cache, undo") << -8000 << true;
    QTest::newRow("cache in pages, undo") << 500 << true;
}

// An import tunes the connection's cache and file mapping for itself; the rest of the
// program finds them as they were.
void tst_ImportService::connectionSettingsComeBack() {
    QFETCH(int, cacheSize);
    QFETCH(bool, recordUndo);
    QSqlQuery pragma(m_db->connection());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA cache_size = %1").arg(cacheSize)));
    QVERIFY(pragma.exec("PRAGMA mmap_size = 1048576"));
    const qint64 mmapSize = m_db->scalar("PRAGMA mmap_size").toLongLong();
    UndoStack undo(m_db->database());
    if (recordUndo)
        m_import->setUndoStack(&undo);
    QCOMPARE(importText("Date,Payee,Amount\n01/01/2024,A,-1\n01/02/2024,B,-2\n").imported, 2);
    QCOMPARE(undo.canUndo(), recordUndo);
    QCOMPARE(m_db->scalar("PRAGMA cache_size").toInt(), cacheSize);
    QCOMPARE(m_db->scalar("PRAGMA mmap_size").toLongLong(), mmapSize);
}

void tst_ImportService::cancelStoresNothing_data() {
    QTest::addColumn<bool>("qif");
    QTest::addColumn<int>("allowedChecks");
    // The file has four rows; the check is asked before each and once before the commit.
    QTest::addRow("csv, part way") << false << 2;
    QTest::addRow("csv, just before the commit") << false << 4;
    QTest::addRow("qif, part way") << true << 2;
    QTest::addRow("qif, just before the commit") << true << 4;
}

void tst_ImportService::cancelStoresNothing() {
    QFETCH(bool, qif);
    QFETCH(int, allowedChecks);
    const int categoriesBefore = m_db->scalar("SELECT COUNT(*) FROM categories").toInt();
    int checks = 0;
    m_import->setCancelCheck([&checks, allowedChecks] { return ++checks > allowedChecks; });
    ImportResult result;
    if (qif) {
        result = m_import->importQif(writeFile("!Type:Bank\nD01/01/2024\nT-1\nPA\nLNew one\n^\n"
                                               "D01/02/2024\nT-2\nPB\n^\nD01/03/2024\nT-3\nPC\n^\n"
                                               "D01/04/2024\nT-4\nPD\n^\n"),
                                     "acc");
    } else {
        CsvMapping mapping;
        mapping.categoryColumn = 3;
        result = importText("Date,Payee,Amount,Category\n01/01/2024,A,-1,New one\n"
                            "01/02/2024,B,-2,\n01/03/2024,C,-3,\n01/04/2024,D,-4,\n",
                            mapping);
    }
    QVERIFY(result.cancelled);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.imported, 0);
    QCOMPARE(checks, allowedChecks + 1);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), categoriesBefore);

    // Without a cancel the same connection imports normally afterwards.
    m_import->setCancelCheck({});
    QCOMPARE(importText("Date,Payee,Amount\n01/01/2024,A,-1\n").imported, 1);
}

QTEST_GUILESS_MAIN(tst_ImportService)
#include "tst_importservice.moc"
