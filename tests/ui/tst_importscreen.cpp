// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/importrulerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testrecords.h"
#include "ui/common/backgroundjob.h"
#include "ui/common/modalrunner.h"
#include "ui/import/importscreen.h"
#include "ui/window/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

class tst_ImportScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void columnBoxes_data();
    void columnBoxes();
    void previewShowsFirstRows();
    void importBeforeChoosingAFileDoesNothing();
    void resultCountsEachKindOfRow();
    void resultListsFailedRows_data();
    void resultListsFailedRows();
    void qifNeedsNoMapping();
    void cancelLeavesDatabaseUnchanged();
    void failedImportShowsItsReason();
    void mainWindowOpensOrAsksForAnAccount();
    void bankStatementOffersItsAccountAndRules();

private:
    QString write(const QString &name, const QByteArray &content);
    int transactionCount() const;
    QStringList itemTexts(const QComboBox *box) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    QStringList m_boxes; // Titles of the message boxes shown.
    QTranslator m_english;
};

void tst_ImportScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonImportScreenTest");
    QLocale::setDefault(QLocale::c());
    // As the program runs in English: the counted texts take their plural forms from it.
    QVERIFY(m_english.load(QStringLiteral(QUILLON_QM_DIR "/quillon_en.qm")));
    QCoreApplication::installTranslator(&m_english);
}

void tst_ImportScreen::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc", "Checking")));
    m_boxes.clear();
    ModalRunner::setHandler([this](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        return int(QMessageBox::No);
    });
}

void tst_ImportScreen::cleanup() {
    ModalRunner::setHandler({});
    BackgroundJob::setStartHook({});
    m_state.reset();
    if (m_dir)
        m_dir->setAutoRemove(!QTest::currentTestFailed());
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

QString tst_ImportScreen::write(const QString &name, const QByteArray &content) {
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

int tst_ImportScreen::transactionCount() const {
    QSqlQuery query(m_state->database()->connection());
    query.exec("SELECT COUNT(*) FROM transactions");
    return query.next() ? query.value(0).toInt() : -1;
}

QStringList tst_ImportScreen::itemTexts(const QComboBox *box) const {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

void tst_ImportScreen::columnBoxes_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("payeeItems");
    QTest::addColumn<int>("payeeIndex");
    QTest::addColumn<int>("memoIndex");
    // A third column preselects date, payee and amount; the memo keeps its choice.
    QTest::addRow("three columns")
        << QByteArray("Date,Description of the payment here,Amount\n")
        << QStringList{"Col 0: Date", "Col 1: Description of the p", "Col 2: Amount"} << 1 << 3;
    // Two columns: each box keeps its earlier choice when it still exists, else its first.
    QTest::addRow("two columns") << QByteArray("When,Who\n")
                                 << QStringList{"Col 0: When", "Col 1: Who"} << 0 << 0;
}

void tst_ImportScreen::columnBoxes() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, payeeItems);
    QFETCH(int, payeeIndex);
    QFETCH(int, memoIndex);
    ImportScreen screen(m_state.get());
    QCOMPARE(itemTexts(screen.memoColumnBox()), QStringList{"(none)"});
    screen.loadFile(write("four.csv", "a,b,c,d\n1,2,3,4\n"));
    screen.payeeColumnBox()->setCurrentIndex(3);
    screen.memoColumnBox()->setCurrentIndex(3);
    screen.loadFile(write("next.csv", content));
    QCOMPARE(screen.fileLabel()->text(), QStringLiteral("next.csv"));
    QCOMPARE(itemTexts(screen.payeeColumnBox()), payeeItems);
    QCOMPARE(screen.payeeColumnBox()->currentIndex(), payeeIndex);
    QCOMPARE(screen.memoColumnBox()->currentIndex(), memoIndex);
    QCOMPARE(screen.memoColumnBox()->itemData(0).toInt(), -1);
    QCOMPARE(screen.memoColumnBox()->itemText(0), QStringLiteral("(none)"));
}

void tst_ImportScreen::previewShowsFirstRows() {
    ImportScreen screen(m_state.get());
    // Windows-1252, as many banks still write; a short row leaves its last cells empty.
    screen.loadFile(write("bank.csv", "Date,Payee,Amount\n01/02/2024,Caf\xE9,-1\n01/03/2024\n"
                                      "4\n5\n6\n7\n"));
    QTableWidget *table = screen.previewTable();
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Col 2"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("Café"));
    QVERIFY(!table->item(2, 1));
    QCOMPARE(table->item(4, 0)->text(), QStringLiteral("5"));
    QVERIFY(table->maximumHeight() <= 150);
}

void tst_ImportScreen::importBeforeChoosingAFileDoesNothing() {
    ImportScreen screen(m_state.get());
    screen.show();
    bool started = false;
    BackgroundJob::setStartHook([&started](QProgressDialog *) { started = true; });
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    QVERIFY(!started);
    QCOMPARE(screen.pages()->currentIndex(), int(ImportScreen::FormPage));
    QVERIFY(m_boxes.isEmpty());
}

void tst_ImportScreen::resultCountsEachKindOfRow() {
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("old", "acc", QDate(2024, 1, 2), -1000, "Grocer")));
    ImportScreen screen(m_state.get());
    screen.show();
    QCOMPARE(screen.accountBox()->currentData().toString(), QStringLiteral("acc"));
    // One row already in the account, one repeated in the file, an unreadable date, a row
    // too short and two good rows.
    screen.loadFile(write("bank.csv", "Date,Payee,Amount\n01/02/2024,Grocer,-10.00\n"
                                      "01/03/2024,Bakery,-4.50\n01/03/2024,Bakery,-4.50\n"
                                      "13/45/2024,Bad,-1\n01/04/2024,Short\n"
                                      "01/05/2024,Salary,1000\n"));
    QCoreApplication::processEvents(); // The notice of the rows above.
    QSignalSpy changes(m_state.get(), &AppState::dataChanged);
    QSignalSpy completed(&screen, &ImportScreen::importCompleted);
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    QCOMPARE(screen.pages()->currentIndex(), int(ImportScreen::ResultPage));
    QCOMPARE(screen.resultLabel()->text(),
             QStringLiteral("Import complete!\n\n2 transactions imported\n2 duplicates skipped\n"
                            "2 rows could not be read or stored:"));
    QCOMPARE(screen.failedRowsView()->toPlainText(),
             QStringLiteral("Line 5: The date \"13/45/2024\" cannot be read as MM/dd/yyyy\n"
                            "Line 6: It has 2 columns, fewer than the columns chosen"));
    QCOMPARE(transactionCount(), 3);
    // The worker's writes reach the other screens in one notice naming the account.
    QVERIFY(changes.wait(1000));
    QCOMPARE(changes.size(), 1);
    const DataChange change = changes.first().first().value<DataChange>();
    QVERIFY(change.touchesAccount("acc"));

    QTest::mouseClick(screen.doneButton(), Qt::LeftButton);
    QCOMPARE(completed.size(), 1);
    QCOMPARE(screen.pages()->currentIndex(), int(ImportScreen::FormPage));
}

void tst_ImportScreen::resultListsFailedRows_data() {
    QTest::addColumn<int>("good");
    QTest::addColumn<int>("bad");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("lastListed");
    QTest::addRow("one of each")
        << 1 << 1
        << "Import complete!\n\n1 transaction imported\n0 duplicates skipped\n"
           "1 row could not be read or stored:"
        << "Line 3: The amount \"ten\" cannot be read";
    QTest::addRow("none failed") << 2 << 0
                                 << "Import complete!\n\n2 transactions imported\n"
                                    "0 duplicates skipped"
                                 << "";
    // The first hundred are listed; the rest are counted.
    QTest::addRow("more than a hundred")
        << 0 << 103
        << "Import complete!\n\n0 transactions imported\n0 duplicates skipped\n"
           "103 rows could not be read or stored:"
        << "… and 3 more rows";
}

// Counted texts read right in English too, and a failed row can be found in the file.
void tst_ImportScreen::resultListsFailedRows() {
    QFETCH(int, good);
    QFETCH(int, bad);
    QFETCH(QString, summary);
    QFETCH(QString, lastListed);
    QByteArray csv = "Date,Payee,Amount\n";
    for (int i = 0; i < good; ++i)
        csv += QByteArray("01/0") + QByteArray::number(i + 1) + "/2024,Shop,-1.00\n";
    for (int i = 0; i < bad; ++i)
        csv += "01/02/2024,Shop,ten\n";
    ImportScreen screen(m_state.get());
    screen.show();
    screen.loadFile(write("bank.csv", csv));
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    QCOMPARE(screen.resultLabel()->text(), summary);
    const QStringList listed = screen.failedRowsView()->toPlainText().split('\n');
    QCOMPARE(screen.failedRowsView()->isHidden(), bad == 0);
    QCOMPARE(listed.last(), lastListed);
    if (bad > 100)
        QCOMPARE(listed.size(), 101);
}

void tst_ImportScreen::qifNeedsNoMapping() {
    ImportScreen screen(m_state.get());
    screen.show();
    screen.loadFile(write("bank.qif", "!Type:Bank\nD1/15'24\nT-45.00\nPGrocer\nLFood\n^\n"));
    QVERIFY(!screen.dateColumnBox()->isVisible());
    QCOMPARE(screen.previewTable()->rowCount(), 1);
    QCOMPARE(screen.previewTable()->item(0, 0)->text(), QStringLiteral("1/15/2024"));
    QCOMPARE(screen.previewTable()->item(0, 2)->text(), QStringLiteral("-45.00"));
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    QVERIFY(screen.resultLabel()->text().startsWith("Import complete!\n\n1 transaction"));
    QCOMPARE(transactionCount(), 1);

    // A CSV file afterwards shows the mapping again.
    QTest::mouseClick(screen.doneButton(), Qt::LeftButton);
    screen.loadFile(write("bank.csv", "Date,Payee,Amount\n"));
    QVERIFY(screen.dateColumnBox()->isVisible());
}

void tst_ImportScreen::cancelLeavesDatabaseUnchanged() {
    QByteArray content("Date,Payee,Amount,Category\n");
    for (int i = 0; i < 3000; ++i)
        content += "01/02/2024,Payee " + QByteArray::number(i) + ",-1.00,Brand new\n";
    ImportScreen screen(m_state.get());
    screen.show();
    screen.loadFile(write("big.csv", content));
    screen.categoryColumnBox()->setCurrentIndex(4);
    QSqlQuery query(m_state->database()->connection());
    QVERIFY(query.exec("SELECT COUNT(*) FROM categories") && query.next());
    const int categories = query.value(0).toInt();
    query.finish();
    BackgroundJob::setStartHook([](QProgressDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
    });
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    QCOMPARE(screen.resultLabel()->text(),
             QStringLiteral("Import cancelled.\n\nNothing was imported."));
    QCOMPARE(transactionCount(), 0);
    QVERIFY(query.exec("SELECT COUNT(*) FROM categories") && query.next());
    QCOMPARE(query.value(0).toInt(), categories);
}

void tst_ImportScreen::failedImportShowsItsReason() {
    ImportScreen screen(m_state.get());
    screen.show();
    const QString path = write("gone.csv", "Date,Payee,Amount\n01/02/2024,A,-1\n");
    screen.loadFile(path);
    QVERIFY(QFile::remove(path));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ImportService: import failed:"));
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    const QString text = screen.resultLabel()->text();
    QVERIFY2(text.startsWith("Import failed.\n\nCannot read " + path), qPrintable(text));
    QVERIFY(text.endsWith("Nothing was imported."));
    QVERIFY(!text.contains("complete"));
}

void tst_ImportScreen::mainWindowOpensOrAsksForAnAccount() {
    MainWindow window(m_state.get());
    window.action("import")->trigger();
    auto *screen = window.findChild<ImportScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isWindow() && screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Import Transactions"));
    QCOMPARE(screen->size(), QSize(650, 600));
    screen->close();

    // Without an account the window asks for one instead (answered No here).
    QVERIFY(m_state->accountRepository()->softDelete("acc"));
    window.action("import")->trigger();
    QCOMPARE(m_boxes, QStringList{"No Accounts"});
    QVERIFY(!screen->isVisible());
}

// An OFX file: its account number picks or creates the account, the preview shows what the
// rules make of the rows, the result gives the bank's ledger balance beside the account's,
// and a second import adds nothing.
void tst_ImportScreen::bankStatementOffersItsAccountAndRules() {
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("food", "Food")));
    ImportRule rule;
    rule.match = RuleMatch::StartsWith;
    rule.text = "coffee";
    rule.setPayee = "Coffee";
    rule.setCategoryId = "food";
    QVERIFY(m_state->importRuleRepository()->insert(rule));

    ImportScreen screen(m_state.get());
    screen.show();
    const QString path = write("download.ofx", [] {
        QFile fixture(QStringLiteral(QUILLON_IMPORT_DATA "/ofx1-checking-1252.ofx"));
        return fixture.open(QIODevice::ReadOnly) ? fixture.readAll() : QByteArray();
    }());
    screen.loadFile(path);
    QVERIFY(!screen.dateColumnBox()->isVisible());
    QVERIFY(screen.statementLabel()->isVisible());
    QVERIFY2(screen.statementLabel()->text().contains("*4521"),
             qPrintable(screen.statementLabel()->text()));
    QVERIFY(screen.createAccountButton()->isVisible());
    QTest::mouseClick(screen.createAccountButton(), Qt::LeftButton);
    QCOMPARE(screen.accountBox()->currentText(), QStringLiteral("Account *4521"));
    QVERIFY(!screen.createAccountButton()->isVisible());

    QTableWidget *preview = screen.previewTable();
    QCOMPARE(preview->rowCount(), 5);
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("Café Rouge"));
    QCOMPARE(preview->item(3, 1)->text(), QStringLiteral("Coffee"));
    QCOMPARE(preview->item(3, 2)->text(), QStringLiteral("-3.50"));
    QCOMPARE(preview->item(3, 4)->text(), QStringLiteral("Food"));

    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    const QString result = screen.resultLabel()->text();
    QVERIFY2(result.startsWith("Import complete!\n\n5 transactions imported"), qPrintable(result));
    QVERIFY2(result.contains("*4521") && result.contains("$1,331.40")
                 && result.contains("Account balance after import: $2,327.90"),
             qPrintable(result));
    // The preview's result is what was stored.
    QSqlQuery query(m_state->database()->connection());
    QVERIFY(query.exec("SELECT COUNT(*) FROM transactions WHERE payee = 'Coffee' AND "
                       "category_id = 'food'")
            && query.next());
    QCOMPARE(query.value(0).toInt(), 2);

    QTest::mouseClick(screen.doneButton(), Qt::LeftButton);
    screen.loadFile(path);
    QVERIFY(!screen.createAccountButton()->isVisible());
    QTest::mouseClick(screen.importButton(), Qt::LeftButton);
    QVERIFY(screen.resultLabel()->text().startsWith(
        "Import complete!\n\n0 transactions imported\n5 duplicates skipped"));
}

QTEST_MAIN(tst_ImportScreen)
#include "tst_importscreen.moc"
