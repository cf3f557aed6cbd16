// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/lists/searchresultsmodel.h"
#include "ui/presentation/regionalformat.h"
#include "ui/presentation/reportperiods.h"
#include "ui/recurring/recurringmodel.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactionformdialog.h"
#include "ui/reports/reportsscreen.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/window/accountformdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// One amount, 500 major units, through every path money takes between a person and the
// database, in a currency with cents and one without.
class tst_Currencies : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void registerTypedAmount_data() { currencyRows(); }
    void registerTypedAmount();
    void formsReadAndShowMinorUnits_data() { currencyRows(); }
    void formsReadAndShowMinorUnits();
    void listingsShowAccountCurrency_data() { currencyRows(); }
    void listingsShowAccountCurrency();
    void reportsKeepCurrenciesApart();
    void germanDatesAndDecimalCommas();

private:
    void currencyRows();
    void addAccount(const QString &id, Currency currency, qint64 startingBalance = 0);
    void key(QWidget *window, int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::unique_ptr<TestAppState> m_app;
    AppState *m_state = nullptr;
};

void tst_Currencies::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonCurrencyTest");
    QLocale::setDefault(QLocale::c());
}

void tst_Currencies::init() {
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    m_state = m_app->state();
}

void tst_Currencies::cleanup() {
    ModalRunner::setHandler({});
    m_state = nullptr;
    m_app.reset();
}

void tst_Currencies::currencyRows() {
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("stored"); // 500 major units in minor units
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("money");
    QTest::addRow("USD") << Currency::USD << qint64(50000) << "500.00"
                         << "$500.00";
    QTest::addRow("EUR") << Currency::EUR << qint64(50000) << "500.00"
                         << QString::fromUtf8("€500.00");
    QTest::addRow("JPY") << Currency::JPY << qint64(500) << "500" << QString::fromUtf8("¥500");
}

void tst_Currencies::addAccount(const QString &id, Currency currency, qint64 startingBalance) {
    Account account = TestRecords::account(id, id, startingBalance);
    account.currency = currency;
    QVERIFY(m_state->accountRepository()->insert(account));
}

void tst_Currencies::key(QWidget *window, int k, Qt::KeyboardModifiers modifiers) {
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, Qt::Key(k), modifiers);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void tst_Currencies::registerTypedAmount() {
    QFETCH(Currency, currency);
    QFETCH(qint64, stored);
    QFETCH(QString, cell);
    QFETCH(QString, money);
    // An opening balance of 1,000 and a payment of 500 leave 500.
    addAccount("a", currency, 2 * stored);

    QWidget window;
    auto *screen = new RegisterScreen(m_state, &window);
    (new QVBoxLayout(&window))->addWidget(screen);
    window.resize(1100, 600);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    screen->loadAccount("a");
    screen->table()->setFocus();

    key(&window, Qt::Key_I, Qt::ControlModifier);
    key(&window, Qt::Key_Tab); // Chk #
    key(&window, Qt::Key_Tab); // Payee
    QTest::keyClicks(QApplication::focusWidget(), "Shop");
    key(&window, Qt::Key_Tab); // Category
    key(&window, Qt::Key_Tab); // Memo
    key(&window, Qt::Key_Tab); // Payment
    QCOMPARE(screen->table()->currentIndex().column(), int(RegisterModel::PaymentColumn));
    QTest::keyClicks(QApplication::focusWidget(), "500");
    key(&window, Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount("a");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().amount, -stored);
    RegisterModel *model = screen->model();
    const int row = model->rowOfId(rows.first().id);
    QCOMPARE(model->index(row, RegisterModel::PaymentColumn).data().toString(), cell);
    QCOMPARE(model->index(row, RegisterModel::BalanceColumn).data().toString(), cell);
    QCOMPARE(screen->balanceText(), money);
}

void tst_Currencies::formsReadAndShowMinorUnits() {
    QFETCH(Currency, currency);
    QFETCH(qint64, stored);
    addAccount("a", currency);
    const QString symbol = QString(currencySymbol(currency)) + QLatin1Char(' ');

    // Typed into the transaction form.
    TransactionFormDialog form(m_state, QStringLiteral("a"));
    auto *amount = form.findChild<SmartAmountField *>();
    QVERIFY(amount);
    QCOMPARE(amount->prefix(), symbol);
    QCOMPARE(amount->decimals(), minorDigits(currency));
    amount->selectAll();
    QTest::keyClicks(amount, "500");
    QCOMPARE(form.transaction().amount, -stored);

    // A new account's opening balance, typed after choosing its currency.
    AccountFormDialog newAccount;
    QComboBox *currencyCombo = nullptr;
    for (QComboBox *combo : newAccount.findChildren<QComboBox *>()) {
        if (combo->findData(currencyToString(currency)) >= 0)
            currencyCombo = combo;
    }
    QVERIFY(currencyCombo);
    currencyCombo->setCurrentIndex(currencyCombo->findData(currencyToString(currency)));
    QCOMPARE(newAccount.balanceSpin()->prefix(), symbol);
    newAccount.balanceSpin()->selectAll();
    QTest::keyClicks(newAccount.balanceSpin(), "500");
    QCOMPARE(newAccount.account().startingBalance, stored);

    // An existing account shows what is stored, in its own units.
    const Account existing = newAccount.account();
    AccountFormDialog edit(existing);
    QCOMPARE(edit.balanceSpin()->amount(), stored);
    QCOMPARE(edit.account().startingBalance, stored);

    // The split editor offers the whole amount on its first line and says what remains.
    Transaction payment = TestRecords::transaction("t", "a", QDate(2026, 3, 1), -stored);
    SplitEditorDialog split(m_state, payment);
    QCOMPARE(split.remaining(), 0);
    QCOMPARE(split.remainingText(), QStringLiteral("Remaining: %1").arg(formatMoney(0, currency)));
    QVERIFY(split.findChild<SmartAmountField *>());
    QCOMPARE(split.findChild<SmartAmountField *>()->amount(), stored);
    QCOMPARE(split.lines().value(0).amount, -stored);
}

void tst_Currencies::listingsShowAccountCurrency() {
    QFETCH(Currency, currency);
    QFETCH(qint64, stored);
    QFETCH(QString, money);
    addAccount("a", currency);

    // Search lists rows of several accounts: each amount in its own account's currency.
    RegisterRow found;
    found.transaction = TestRecords::transaction("t", "a", QDate(2026, 3, 1), -stored);
    RegisterModel rows;
    rows.setRows({found}, false);
    SearchResultsModel results(&rows);
    results.setAccountCurrencies({{QStringLiteral("a"), currency}});
    QCOMPARE(results.index(0, SearchResultsModel::PaymentColumn).data().toString(), money);

    RecurringTransaction rule = TestRecords::rule("r", "a", QDate(2026, 4, 1));
    rule.amount = -stored;
    RecurringModel recurring(m_state->accountRepository());
    recurring.setRules({rule});
    QCOMPARE(recurring.index(0, RecurringModel::AmountColumn).data().toString(),
             QLatin1Char('-') + money);
}

void tst_Currencies::reportsKeepCurrenciesApart() {
    addAccount("dollars", Currency::USD);
    addAccount("yen", Currency::JPY);
    Category food = TestRecords::category("food", "Food");
    QVERIFY(m_state->categoryRepository()->insert(food));
    for (const auto &[id, account, amount] :
         {std::tuple<QString, QString, qint64>{"t1", "dollars", -1250},
          {"t2", "yen", -500},
          {"t3", "yen", -300}}) {
        Transaction t = TestRecords::transaction(id, account, QDate(2024, 2, 10), amount, "Shop");
        t.categoryId = "food";
        QVERIFY(m_state->transactionRepository()->insert(t));
    }

    ReportsScreen screen(m_state);
    screen.setToday(QDate(2024, 3, 15));
    screen.refresh();
    screen.show();
    screen.periodCombo()->setCurrentIndex(ReportPeriods::LastMonth);
    screen.tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();

    QTableWidget *spending = screen.table(ReportsScreen::CategorySpendingTab);
    QCOMPARE(spending->rowCount(), 2);
    QCOMPARE(spending->item(0, 1)->text(), QStringLiteral("-$12.50"));
    QCOMPARE(spending->item(1, 1)->text(), QString::fromUtf8("-¥800"));
    QCOMPARE(spending->item(1, 2)->text(), QStringLiteral("JPY"));

    // The export writes numbers a spreadsheet adds up, the currency beside them.
    const QString path = m_app->filePath("spending.csv");
    ModalRunner::setHandler([path](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(path);
        return int(QDialog::Accepted);
    });
    screen.exportCurrentTab();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"Category\",\"Total\",\"Currency\"\n"
                                        "\"Food\",\"-12.50\",\"USD\"\n"
                                        "\"Food\",\"-800\",\"JPY\"\n"));

    screen.tabs()->setCurrentIndex(ReportsScreen::AccountSummaryTab);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    QTableWidget *summary = screen.table(ReportsScreen::AccountSummaryTab);
    QCOMPARE(summary->rowCount(), 2);
    QStringList balances;
    for (int r = 0; r < summary->rowCount(); ++r)
        balances << summary->item(r, 4)->text();
    QCOMPARE(balances, (QStringList{"-$12.50", QString::fromUtf8("-¥800")}));
}

// A German reader types dates day first with dots and amounts with a decimal comma, in the
// register and in the forms; what is stored does not change with the language.
void tst_Currencies::germanDatesAndDecimalCommas() {
    RegionalFormat::setLanguage(QStringLiteral("de"));
    const auto restore = qScopeGuard([] { RegionalFormat::setLanguage(QStringLiteral("en")); });
    addAccount("a", Currency::EUR);

    QWidget window;
    auto *screen = new RegisterScreen(m_state, &window);
    (new QVBoxLayout(&window))->addWidget(screen);
    window.resize(1100, 600);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    screen->loadAccount("a");
    screen->table()->setFocus();

    key(&window, Qt::Key_Return); // opens the date editor
    QVERIFY(screen->table()->isEditing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "1.12.2026");
    key(&window, Qt::Key_Tab); // Chk #
    key(&window, Qt::Key_Tab); // Payee
    QTest::keyClicks(QApplication::focusWidget(), "Shop");
    key(&window, Qt::Key_Tab); // Category
    key(&window, Qt::Key_Tab); // Memo
    key(&window, Qt::Key_Tab); // Payment
    QCOMPARE(screen->table()->currentIndex().column(), int(RegisterModel::PaymentColumn));
    QTest::keyClicks(QApplication::focusWidget(), "12,50");
    key(&window, Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount("a");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().date, QDate(2026, 12, 1));
    QCOMPARE(rows.first().amount, -1250);
    RegisterModel *model = screen->model();
    const int row = model->rowOfId(rows.first().id);
    QCOMPARE(model->index(row, RegisterModel::DateColumn).data().toString(),
             QStringLiteral("1.12.2026"));

    TransactionFormDialog form(m_state, QStringLiteral("a"));
    auto *amount = form.findChild<SmartAmountField *>();
    QVERIFY(amount);
    amount->selectAll();
    QTest::keyClicks(amount, "7,25");
    QCOMPARE(form.transaction().amount, -725);
}

QTEST_MAIN(tst_Currencies)
#include "tst_currencies.moc"
