// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testrecords.h"
#include "ui/recurring/recurringformdialog.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Mode = RecurringFormDialog::Mode;

class tst_RecurringFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newModeDefaults();
    void fillsFromRuleAndBuildsResult();
    void editStartDate_data();
    void editStartDate();
    void nextDueEditableOnItsOwn();
    void memorizeStartsAfterTheRow();
    void refusals_data();
    void refusals();
    void brokenDatesFallBack();

private:
    RecurringTransaction storedRule() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
};

void tst_RecurringFormDialog::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonRecurringFormTest");
    QLocale::setDefault(QLocale::c());
}

void tst_RecurringFormDialog::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Checking")));
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("b", "Savings")));
    Category home = TestRecords::category("home", "Home");
    Category rent = TestRecords::category("rent", "Rent");
    rent.parentId = "home";
    QVERIFY(m_state->categoryRepository()->insert(home));
    QVERIFY(m_state->categoryRepository()->insert(rent));
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t0", "a", QDate(2026, 1, 5), -500, "Landlord Ltd")));
}

void tst_RecurringFormDialog::cleanup() {
    m_state.reset();
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

// A monthly rent from January 2025, confirmed far ahead of its start.
RecurringTransaction tst_RecurringFormDialog::storedRule() const {
    RecurringTransaction rule = TestRecords::rule("r1", "b", QDate(2026, 6, 1));
    rule.categoryId = "rent";
    rule.memo = "flat";
    rule.amount = -120050;
    rule.endDate = QDate(2027, 12, 31);
    rule.autoPost = true;
    rule.version = 4;
    return rule;
}

void tst_RecurringFormDialog::newModeDefaults() {
    RecurringFormDialog dialog(m_state.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Recurring Transaction"));
    QVERIFY(dialog.paymentButton()->isChecked());
    QCOMPARE(dialog.frequencyCombo()->currentData().toString(), QStringLiteral("monthly"));
    QCOMPARE(dialog.startDateEdit()->date(), QDate::currentDate());
    QCOMPARE(dialog.nextDueEdit()->date(), QDate::currentDate());
    QVERIFY(dialog.activeBox()->isChecked());
    QVERIFY(dialog.accountCombo()->isEnabled());
    QCOMPARE(dialog.categoryCombo()->itemText(0), QStringLiteral("(none)"));
    QVERIFY(dialog.categoryCombo()->findText("Home > Rent") > 0);
    QVERIFY(!dialog.endDateEdit()->isEnabled());
    dialog.hasEndDateBox()->setChecked(true);
    QVERIFY(dialog.endDateEdit()->isEnabled());

    // Payees of every account are offered, matching anywhere in the name.
    dialog.payeeCompleter()->setCompletionPrefix("lord");
    QCOMPARE(dialog.payeeCompleter()->currentCompletion(), QStringLiteral("Landlord Ltd"));

    // A start date moved before saving takes the next due date with it.
    dialog.startDateEdit()->setDate(QDate(2026, 9, 15));
    dialog.payeeEdit()->setText("  Gym  ");
    dialog.amountSpin()->setValue(29.99);
    const RecurringTransaction rule = dialog.recurring();
    QVERIFY(rule.id.isEmpty());
    QCOMPARE(rule.accountId, QStringLiteral("a"));
    QCOMPARE(rule.payee, QStringLiteral("Gym"));
    QCOMPARE(rule.amount, -2999);
    QVERIFY(rule.categoryId.isEmpty());
    QCOMPARE(rule.startDate, QDate(2026, 9, 15));
    QCOMPARE(rule.nextDueDate, QDate(2026, 9, 15));
}

void tst_RecurringFormDialog::fillsFromRuleAndBuildsResult() {
    const RecurringTransaction original = storedRule();
    RecurringFormDialog dialog(m_state.get(), original, Mode::Edit);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
    QCOMPARE(dialog.accountCombo()->currentData().toString(), QStringLiteral("b"));
    // Shown, not editable: postings stay in the account they were made in.
    QVERIFY(!dialog.accountCombo()->isEnabled());
    QVERIFY(dialog.paymentButton()->isChecked());
    QCOMPARE(dialog.amountSpin()->value(), 1200.50);
    QCOMPARE(dialog.categoryCombo()->currentText(), QStringLiteral("Home > Rent"));
    QVERIFY(dialog.hasEndDateBox()->isChecked());
    QCOMPARE(dialog.endDateEdit()->date(), QDate(2027, 12, 31));
    QVERIFY(dialog.autoPostBox()->isChecked());
    QCOMPARE(dialog.nextDueEdit()->date(), QDate(2026, 6, 1));

    dialog.depositButton()->setChecked(true);
    dialog.memoEdit()->setText(" new flat ");
    const RecurringTransaction rule = dialog.recurring();
    QCOMPARE(rule.id, original.id);
    QCOMPARE(rule.amount, 120050);
    QCOMPARE(rule.memo, QStringLiteral("new flat"));
    // Untouched dates keep the schedule where confirming took it, far after the start.
    QCOMPARE(rule.startDate, QDate(2025, 1, 1));
    QCOMPARE(rule.nextDueDate, QDate(2026, 6, 1));
}

void tst_RecurringFormDialog::editStartDate_data() {
    QTest::addColumn<QDate>("lastPosted");
    QTest::addColumn<QDate>("newStart");
    QTest::addColumn<QDate>("expectedNextDue");
    QTest::newRow("nothing posted") << QDate() << QDate(2024, 3, 10) << QDate(2024, 3, 10);
    QTest::newRow("start later than history")
        << QDate(2026, 5, 1) << QDate(2026, 8, 10) << QDate(2026, 8, 10);
    // Moving the start back never posts the months already posted a second time.
    QTest::newRow("start back before history")
        << QDate(2026, 5, 1) << QDate(2025, 1, 10) << QDate(2026, 5, 10);
}

void tst_RecurringFormDialog::editStartDate() {
    QFETCH(QDate, lastPosted);
    QFETCH(QDate, newStart);
    QFETCH(QDate, expectedNextDue);
    const RecurringTransaction original = storedRule();
    QVERIFY(m_state->recurringRepository()->insert(original));
    if (lastPosted.isValid()) {
        Transaction posted = TestRecords::transaction("p1", "b", lastPosted, -120050, "Rent");
        posted.recurringId = original.id;
        QVERIFY(m_state->transactionRepository()->insert(posted));
    }
    RecurringFormDialog dialog(m_state.get(), original, Mode::Edit);
    dialog.startDateEdit()->setDate(newStart);
    QCOMPARE(dialog.nextDueEdit()->date(), expectedNextDue);
    const RecurringTransaction rule = dialog.recurring();
    QCOMPARE(rule.startDate, newStart);
    QCOMPARE(rule.nextDueDate, expectedNextDue);

    // Putting the start back restores the stored schedule.
    dialog.startDateEdit()->setDate(original.startDate);
    QCOMPARE(dialog.recurring().nextDueDate, original.nextDueDate);
}

void tst_RecurringFormDialog::nextDueEditableOnItsOwn() {
    const RecurringTransaction original = storedRule();
    RecurringFormDialog dialog(m_state.get(), original, Mode::Edit);
    dialog.nextDueEdit()->setDate(QDate(2026, 7, 15));
    // Once set by hand it no longer follows the start date.
    dialog.frequencyCombo()->setCurrentIndex(dialog.frequencyCombo()->findData("weekly"));
    const RecurringTransaction rule = dialog.recurring();
    QCOMPARE(rule.startDate, original.startDate);
    QCOMPARE(rule.nextDueDate, QDate(2026, 7, 15));
    QCOMPARE(rule.frequency, Frequency::Weekly);
}

void tst_RecurringFormDialog::memorizeStartsAfterTheRow() {
    RecurringTransaction seed;
    seed.accountId = "b";
    seed.payee = "Power Co";
    seed.amount = 4200;
    seed.startDate = QDate(2026, 1, 31);
    seed.nextDueDate = QDate(2026, 2, 28);
    seed.id = "should-not-survive";
    RecurringFormDialog dialog(m_state.get(), seed, Mode::Memorize);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Memorize Transaction"));
    QVERIFY(dialog.depositButton()->isChecked());
    QVERIFY(dialog.accountCombo()->isEnabled());
    QCOMPARE(dialog.nextDueEdit()->date(), QDate(2026, 2, 28));
    dialog.frequencyCombo()->setCurrentIndex(dialog.frequencyCombo()->findData("weekly"));
    QCOMPARE(dialog.nextDueEdit()->date(), QDate(2026, 2, 7));

    const RecurringTransaction rule = dialog.recurring();
    QVERIFY(rule.id != seed.id);
    QCOMPARE(rule.startDate, QDate(2026, 1, 31));
    QCOMPARE(rule.nextDueDate, QDate(2026, 2, 7));
    QCOMPARE(rule.amount, 4200);

    // A next due date on the row's own date would post the row a second time.
    dialog.nextDueEdit()->setDate(QDate(2026, 1, 31));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.problemText().contains("memorized"));
}

void tst_RecurringFormDialog::refusals_data() {
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QDate>("endDate");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("complete") << "Rent" << QDate() << true << true;
    QTest::newRow("no payee") << "   " << QDate() << true << false;
    QTest::newRow("ends before next due") << "Rent" << QDate(2026, 5, 1) << true << false;
    // A finished rule keeps its end date when only its details are edited.
    QTest::newRow("finished rule") << "Rent" << QDate(2026, 5, 1) << false << true;
}

void tst_RecurringFormDialog::refusals() {
    QFETCH(QString, payee);
    QFETCH(QDate, endDate);
    QFETCH(bool, active);
    QFETCH(bool, accepted);
    RecurringFormDialog dialog(m_state.get(), storedRule(), Mode::Edit);
    dialog.payeeEdit()->setText(payee);
    dialog.hasEndDateBox()->setChecked(endDate.isValid());
    if (endDate.isValid())
        dialog.endDateEdit()->setDate(endDate);
    dialog.activeBox()->setChecked(active);
    dialog.accept();
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.problemText().isEmpty(), accepted);
}

void tst_RecurringFormDialog::brokenDatesFallBack() {
    RecurringTransaction original = storedRule();
    original.startDate = QDate(1999, 12, 31);
    original.nextDueDate = QDate(1990, 5, 1);
    RecurringFormDialog dialog(m_state.get(), original, Mode::Edit);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("rejecting invalid startDate 1999-12-31"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("rejecting invalid nextDueDate 1990-05-01"));
    const RecurringTransaction rule = dialog.recurring();
    QCOMPARE(rule.startDate, QDate::currentDate());
    QCOMPARE(rule.nextDueDate, QDate::currentDate());
}

QTEST_MAIN(tst_RecurringFormDialog)
#include "tst_recurringformdialog.moc"
