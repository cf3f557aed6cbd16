// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/recurring/recurringformdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// Ctrl+M in the register: a row becomes a recurring rule through the memorize form.
class tst_RegisterMemorize : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void memorizedRuleStartsAfterTheRow();
    void cancelStoresNothing();
    void rowBefore2000Refused();

private:
    void openScreenOn(const QString &transactionId);

    std::unique_ptr<TestAppState> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<QWidget> m_window;
    RegisterScreen *m_screen = nullptr;
    QList<RecurringFormDialog *> m_forms;
    int m_reply = QDialog::Accepted;
};

void tst_RegisterMemorize::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonMemorizeTest");
    QLocale::setDefault(QLocale::c());
}

void tst_RegisterMemorize::init() {
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    m_state = m_app->state();
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Checking")));
    TransactionRepository *transactions = m_state->transactionRepository();
    QVERIFY(transactions->insert(
        TestRecords::transaction("gym", "a", QDate(2026, 1, 31), -2999, "Gym", "monthly fee")));
    QVERIFY(transactions->insert(
        TestRecords::transaction("old", "a", QDate(1999, 12, 31), -500, "Old Shop")));
    m_forms.clear();
    m_reply = QDialog::Accepted;
    ModalRunner::setHandler([this](QDialog *dialog) {
        auto *form = qobject_cast<RecurringFormDialog *>(dialog);
        if (!form)
            return int(QDialog::Rejected);
        m_forms << form;
        if (m_reply != QDialog::Accepted)
            return m_reply;
        form->accept();
        return form->result();
    });
}

void tst_RegisterMemorize::cleanup() {
    ModalRunner::setHandler({});
    m_window.reset();
    m_screen = nullptr;
    m_state = nullptr;
    m_app.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_RegisterMemorize::openScreenOn(const QString &transactionId) {
    m_window = std::make_unique<QWidget>();
    m_screen = new RegisterScreen(m_state, m_window.get());
    auto *layout = new QVBoxLayout(m_window.get());
    layout->addWidget(m_screen);
    m_window->resize(1100, 600);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_screen->loadAccount("a");
    const int row = m_screen->model()->rowOfId(transactionId);
    QVERIFY(row >= 0);
    m_screen->table()->setCurrentIndex(m_screen->model()->index(row, RegisterModel::PayeeColumn));
    m_screen->table()->setFocus();
    QCoreApplication::processEvents();
}

void tst_RegisterMemorize::memorizedRuleStartsAfterTheRow() {
    openScreenOn("gym");
    QTest::keyClick(m_screen->table(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(m_forms.size(), 1);
    QCOMPARE(m_screen->messageText(), QStringLiteral("Transaction memorized as recurring"));

    const QList<RecurringTransaction> rules = m_state->recurringRepository()->findAll();
    QCOMPARE(rules.size(), 1);
    const RecurringTransaction rule = rules.first();
    QCOMPARE(rule.accountId, QStringLiteral("a"));
    QCOMPARE(rule.payee, QStringLiteral("Gym"));
    QCOMPARE(rule.memo, QStringLiteral("monthly fee"));
    QCOMPARE(rule.amount, -2999);
    QCOMPARE(rule.frequency, Frequency::Monthly);
    QCOMPARE(rule.startDate, QDate(2026, 1, 31));
    QCOMPARE(rule.nextDueDate, QDate(2026, 2, 28));

    // Confirming posts the following month, never a copy of the memorized row.
    QVERIFY(m_state->recurringService()->confirm(rule));
    QStringList dates;
    for (const Transaction &t : m_state->transactionRepository()->findByAccount("a")) {
        if (t.payee == "Gym")
            dates << t.date.toString(Qt::ISODate);
    }
    QCOMPARE(dates, (QStringList{"2026-02-28", "2026-01-31"}));
}

void tst_RegisterMemorize::cancelStoresNothing() {
    m_reply = QDialog::Rejected;
    openScreenOn("gym");
    QTest::keyClick(m_screen->table(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(m_forms.size(), 1);
    QVERIFY(m_state->recurringRepository()->findAll().isEmpty());
    QVERIFY(m_screen->messageText().isEmpty());
}

void tst_RegisterMemorize::rowBefore2000Refused() {
    openScreenOn("old");
    QTest::keyClick(m_screen->table(), Qt::Key_M, Qt::ControlModifier);
    QVERIFY(m_forms.isEmpty());
    QCOMPARE(m_screen->messageText(),
             QStringLiteral("Cannot memorize: source transaction has an invalid date"));
    QVERIFY(m_state->recurringRepository()->findAll().isEmpty());
}

QTEST_MAIN(tst_RegisterMemorize)
#include "tst_registermemorize.moc"
