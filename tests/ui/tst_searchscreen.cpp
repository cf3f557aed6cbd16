// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/lists/searchresultsmodel.h"
#include "ui/lists/searchscreen.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/window/mainwindow.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace TestRecords;

namespace {

void settle() {
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class tst_SearchScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void typingBurstRunsOneSearch();
    void filters_data();
    void filters();
    void dateEditsSearchOnlyWhileRangeIsOn();
    void changesWhileVisibleSearchOnce();
    void openingAResultShowsItInTheRegister_data();
    void openingAResultShowsItInTheRegister();

private:
    void addTransaction(const QString &id, const QString &accountId, const QDate &date,
                        const QString &payee, const QString &categoryId = QString(),
                        bool cleared = false);
    SearchScreen *openScreen();
    QStringList resultIds() const;

    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<SearchScreen> m_screen;
};

void tst_SearchScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonSearchTest");
    QLocale::setDefault(QLocale::c());
}

void tst_SearchScreen::init() {
    QSettings().clear();
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    AppState *state = m_app->state();
    QVERIFY(state->accountRepository()->insert(account("a", "Checking")));
    QVERIFY(state->accountRepository()->insert(account("b", "Savings")));
    QVERIFY(state->categoryRepository()->insert(category("dining", "Dining Out")));
    addTransaction("c1", "a", QDate(2026, 1, 10), "Stellar Coffee", "dining", true);
    addTransaction("c2", "b", QDate(2026, 2, 10), "Stellar Coffee", "dining");
    addTransaction("c3", "a", QDate(2026, 3, 10), "Coffee Corner", QString(), true);
    addTransaction("g1", "a", QDate(2026, 3, 12), "Grocer");
    ModalRunner::setHandler([](QDialog *) { return int(QMessageBox::Yes); });
}

void tst_SearchScreen::cleanup() {
    ModalRunner::setHandler({});
    m_screen.reset();
    m_app.reset();
}

void tst_SearchScreen::addTransaction(const QString &id, const QString &accountId,
                                      const QDate &date, const QString &payee,
                                      const QString &categoryId, bool cleared) {
    Transaction t = transaction(id, accountId, date, -500, payee);
    t.categoryId = categoryId;
    t.cleared = cleared;
    QVERIFY(m_app->state()->transactionRepository()->insert(t));
}

SearchScreen *tst_SearchScreen::openScreen() {
    settle();
    m_screen = std::make_unique<SearchScreen>(m_app->state());
    new QAbstractItemModelTester(m_screen->results(), m_screen.get());
    m_screen->resize(800, 550);
    m_screen->refresh();
    m_screen->show();
    settle();
    return m_screen.get();
}

QStringList tst_SearchScreen::resultIds() const {
    QStringList ids;
    for (int row = 0; row < m_screen->results()->rowCount(); ++row)
        ids << m_screen->results()->transactionIdAt(row);
    return ids;
}

void tst_SearchScreen::typingBurstRunsOneSearch() {
    SearchScreen *screen = openScreen();
    const int before = screen->searchCount();
    QTest::keyClicks(screen->searchField(), "coff");
    QCOMPARE(screen->searchCount(), before);
    QTRY_COMPARE(screen->searchCount(), before + 1);
    QTest::qWait(400);
    QCOMPARE(screen->searchCount(), before + 1);
    QCOMPARE(resultIds(), (QStringList{"c3", "c2", "c1"}));

    // Each row names its account; the register's balance, which a search cannot give, is not
    // among the columns.
    SearchResultsModel *results = screen->results();
    QCOMPARE(results->index(1, SearchResultsModel::AccountColumn).data().toString(),
             QStringLiteral("Savings"));
    QCOMPARE(results->index(1, SearchResultsModel::PayeeColumn).data().toString(),
             QStringLiteral("Stellar Coffee"));
    QCOMPARE(results->index(1, SearchResultsModel::CategoryColumn).data().toString(),
             QStringLiteral("Dining Out"));
    QCOMPARE(results->index(1, SearchResultsModel::PaymentColumn).data().toString(),
             QStringLiteral("$5.00"));
    for (int column = 0; column < results->columnCount(); ++column)
        QVERIFY(results->headerData(column, Qt::Horizontal).toString() != "Balance");
}

void tst_SearchScreen::filters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<bool>("dateRange");
    QTest::addColumn<bool>("clearedOnly");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("nothing: newest of every account")
        << ""
        << ""
        << "" << false << false << QStringList{"g1", "c3", "c2", "c1"};
    QTest::addRow("account") << ""
                             << "b"
                             << "" << false << false << QStringList{"c2"};
    QTest::addRow("category") << ""
                              << ""
                              << "dining" << false << false << QStringList{"c2", "c1"};
    QTest::addRow("date range") << ""
                                << ""
                                << "" << true << false << QStringList{"c3", "c2"};
    QTest::addRow("cleared only") << ""
                                  << ""
                                  << "" << false << true << QStringList{"c3", "c1"};
    QTest::addRow("text, account and cleared") << "stellar"
                                               << "a"
                                               << "" << false << true << QStringList{"c1"};
    QTest::addRow("text, category and dates") << "coffee"
                                              << ""
                                              << "dining" << true << false << QStringList{"c2"};
    QTest::addRow("awkward text") << "\""
                                  << ""
                                  << "" << false << false << QStringList{};
}

void tst_SearchScreen::filters() {
    QFETCH(QString, text);
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(bool, dateRange);
    QFETCH(bool, clearedOnly);
    QFETCH(QStringList, expected);
    SearchScreen *screen = openScreen();
    screen->fromDate()->setDate(QDate(2026, 2, 1));
    screen->toDate()->setDate(QDate(2026, 3, 10));
    screen->searchField()->setText(text);
    screen->accountFilter()->setCurrentIndex(screen->accountFilter()->findData(accountId));
    screen->categoryFilter()->setCurrentIndex(screen->categoryFilter()->findData(categoryId));
    screen->dateRangeBox()->setChecked(dateRange);
    screen->clearedOnlyBox()->setChecked(clearedOnly);
    screen->performSearch();
    QCOMPARE(resultIds(), expected);
}

void tst_SearchScreen::dateEditsSearchOnlyWhileRangeIsOn() {
    SearchScreen *screen = openScreen();
    QVERIFY(!screen->fromDate()->isEnabled());
    int searches = screen->searchCount();
    screen->fromDate()->setDate(QDate(2026, 3, 1));
    screen->toDate()->setDate(QDate(2026, 3, 31));
    QCOMPARE(screen->searchCount(), searches);
    QCOMPARE(resultIds().size(), 4);

    QTest::mouseClick(screen->dateRangeBox(), Qt::LeftButton, {},
                      QPoint(4, screen->dateRangeBox()->height() / 2));
    QVERIFY(screen->fromDate()->isEnabled() && screen->toDate()->isEnabled());
    QCOMPARE(screen->searchCount(), ++searches);
    QCOMPARE(resultIds(), (QStringList{"g1", "c3"}));
    screen->fromDate()->setDate(QDate(2026, 3, 11));
    QCOMPARE(screen->searchCount(), ++searches);
    QCOMPARE(resultIds(), (QStringList{"g1"}));

    screen->dateRangeBox()->setChecked(false);
    QVERIFY(!screen->fromDate()->isEnabled());
    QCOMPARE(resultIds().size(), 4);
}

void tst_SearchScreen::changesWhileVisibleSearchOnce() {
    SearchScreen *screen = openScreen();
    screen->searchField()->setText("coffee");
    screen->performSearch();
    const int searches = screen->searchCount();
    addTransaction("c4", "b", QDate(2026, 4, 1), "Coffee Cart");
    addTransaction("c5", "b", QDate(2026, 4, 2), "Coffee Cart");
    settle();
    QCOMPARE(screen->searchCount(), searches + 1);
    QCOMPARE(resultIds().mid(0, 2), (QStringList{"c5", "c4"}));

    // Hidden, it waits to be shown again.
    screen->hide();
    QVERIFY(m_app->state()->transactionRepository()->softDelete("c5"));
    settle();
    QCOMPARE(screen->searchCount(), searches + 1);
    screen->show();
    settle();
    QCOMPARE(resultIds().first(), QStringLiteral("c4"));
}

void tst_SearchScreen::openingAResultShowsItInTheRegister_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::addRow("enter") << false;
    QTest::addRow("double-click") << true;
}

void tst_SearchScreen::openingAResultShowsItInTheRegister() {
    QFETCH(bool, doubleClick);
    settle();
    MainWindow window(m_app->state());
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.selectAccount("a");
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto *screen = window.findChild<SearchScreen *>();
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Search Transactions"));
    QApplication::setActiveWindow(screen);
    QTRY_COMPARE(QApplication::focusWidget(), screen->searchField());

    QTest::keyClicks(screen->searchField(), "stellar");
    QTRY_COMPARE(screen->results()->rowCount(), 2);
    QTableView *view = screen->resultsView();
    QCOMPARE(screen->results()->transactionIdAt(0), QStringLiteral("c2"));
    if (doubleClick) {
        const QRect cell = view->visualRect(screen->results()->index(0, 3));
        // A double-click reaches a widget as a press, a release and then the double-click.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    } else {
        QTest::keyClick(screen->searchField(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Return);
    }
    settle();
    RegisterScreen *registerScreen = window.findChild<RegisterScreen *>();
    QCOMPARE(registerScreen->accountId(), QStringLiteral("b"));
    QCOMPARE(m_app->state()->currentAccountId(), QStringLiteral("b"));
    QCOMPARE(registerScreen->table()->currentIndex().data(RegisterModel::TransactionIdRole),
             QVariant(QStringLiteral("c2")));
}

QTEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
