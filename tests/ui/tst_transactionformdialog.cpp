// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactionformdialog.h"
#include "ui/widgets/smartamountfield.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

template<typename T> T *named(QWidget *parent, const QString &name) {
    for (T *child : parent->findChildren<T *>()) {
        if (child->accessibleName() == name)
            return child;
    }
    return nullptr;
}

} // namespace

class tst_TransactionFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newTransactionValues_data();
    void newTransactionValues();
    void newFormProposesLastDate();
    void editModeRoundTrip();
    void payeeSelectionFills();
    void splitFollowsAmount_data();
    void splitFollowsAmount();
    void refusesEmptyPayee();
    void splitEditorByKeyboard();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
};

void tst_TransactionFormDialog::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonTransactionFormTest");
    QLocale::setDefault(QLocale::c());
}

void tst_TransactionFormDialog::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Checking")));
    Category food = TestRecords::category("food", "Food");
    Category dining = TestRecords::category("dining", "Dining");
    dining.parentId = "food";
    QVERIFY(m_state->categoryRepository()->insert(food));
    QVERIFY(m_state->categoryRepository()->insert(dining));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("fun", "Fun")));
}

void tst_TransactionFormDialog::cleanup() {
    ModalRunner::setHandler({});
    m_state.reset();
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_TransactionFormDialog::newTransactionValues_data() {
    QTest::addColumn<bool>("deposit");
    QTest::addColumn<QString>("amountText");
    QTest::addColumn<QString>("category");
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("categoryId");
    QTest::addRow("deposit") << true << "12.34"
                             << "Fun" << qint64(1234) << "fun";
    QTest::addRow("payment") << false << "12.34"
                             << "Food > Dining" << qint64(-1234) << "dining";
    QTest::addRow("half cent rounds away from zero") << false << "0.005"
                                                     << "(none)" << qint64(-1) << "";
    QTest::addRow("unknown category text") << false << "1"
                                           << "Nonsense" << qint64(-100) << "";
}

void tst_TransactionFormDialog::newTransactionValues() {
    QFETCH(bool, deposit);
    QFETCH(QString, amountText);
    QFETCH(QString, category);
    QFETCH(qint64, cents);
    QFETCH(QString, categoryId);
    TransactionFormDialog dialog(m_state.get(), QStringLiteral("a"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Transaction"));
    QVERIFY(named<QRadioButton>(&dialog, "Payment")->isChecked());
    if (deposit)
        named<QRadioButton>(&dialog, "Deposit")->setChecked(true);
    QTest::keyClicks(named<QLineEdit>(&dialog, "Payee"), "  Corner Shop ");
    // Three decimals reach the value only through the spin box's own API.
    dialog.amountField()->setDecimals(3);
    dialog.amountField()->setValue(amountText.toDouble());
    auto *combo = named<QComboBox>(&dialog, "Category");
    combo->setCurrentIndex(combo->findText(category));
    if (combo->currentIndex() < 0)
        combo->setEditText(category);
    QTest::keyClicks(named<QLineEdit>(&dialog, "Memo"), "lunch ");
    named<QCheckBox>(&dialog, "Cleared")->setChecked(true);

    const Transaction t = dialog.transaction();
    QCOMPARE(t.amount, cents);
    QCOMPARE(t.categoryId, categoryId);
    QCOMPARE(t.payee, QStringLiteral("Corner Shop"));
    QCOMPARE(t.memo, QStringLiteral("lunch"));
    QCOMPARE(t.accountId, QStringLiteral("a"));
    QVERIFY(t.cleared);
    QVERIFY(!t.id.isEmpty() && !t.id.startsWith('{'));
    // The id is fixed once, so that split lines made in the form name it.
    QCOMPARE(dialog.transaction().id, t.id);
}

void tst_TransactionFormDialog::newFormProposesLastDate() {
    {
        TransactionFormDialog first(m_state.get(), QStringLiteral("a"));
        QLineEdit *date = named<QLineEdit>(&first, "Date");
        date->selectAll();
        QTest::keyClicks(date, "3/9/2024");
        QTest::keyClicks(named<QLineEdit>(&first, "Payee"), "Shop");
        first.accept();
        QCOMPARE(first.result(), int(QDialog::Accepted));
    }
    TransactionFormDialog second(m_state.get(), QStringLiteral("a"));
    QCOMPARE(named<QLineEdit>(&second, "Date")->text(), QStringLiteral("3/9/2024"));
    QCOMPARE(second.transaction().date, QDate(2024, 3, 9));
}

void tst_TransactionFormDialog::editModeRoundTrip() {
    Transaction stored = TestRecords::transaction("t", "a", QDate(2024, 5, 6), 2550, "Employer");
    stored.categoryId = "fun";
    stored.checkNumber = "101";
    stored.version = 4;
    stored.cleared = true;
    TransactionFormDialog dialog(m_state.get(), stored);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Transaction"));
    QVERIFY(named<QRadioButton>(&dialog, "Deposit")->isChecked());
    QCOMPARE(named<QComboBox>(&dialog, "Category")->currentText(), QStringLiteral("Fun"));
    const Transaction t = dialog.transaction();
    QCOMPARE(t.id, stored.id);
    QCOMPARE(t.amount, stored.amount);
    QCOMPARE(t.date, stored.date);
    QCOMPARE(t.checkNumber, stored.checkNumber);
    QCOMPARE(t.version, 4);
    QCOMPARE(t.createdAt, stored.createdAt);
    QVERIFY(t.cleared);
}

void tst_TransactionFormDialog::payeeSelectionFills() {
    Transaction last = TestRecords::transaction("t", "a", QDate(2024, 5, 6), -4200, "Grocer");
    last.categoryId = "dining";
    last.memo = "weekly";
    QVERIFY(m_state->transactionRepository()->insert(last));
    TransactionFormDialog dialog(m_state.get(), QStringLiteral("a"));
    named<QRadioButton>(&dialog, "Deposit")->setChecked(true);
    dialog.onPayeeSelected("Grocer");
    QVERIFY(named<QRadioButton>(&dialog, "Payment")->isChecked());
    QCOMPARE(dialog.amountField()->value(), 42.0);
    QCOMPARE(named<QLineEdit>(&dialog, "Memo")->text(), QStringLiteral("weekly"));
    QCOMPARE(named<QComboBox>(&dialog, "Category")->currentText(), QStringLiteral("Food > Dining"));
}

void tst_TransactionFormDialog::splitFollowsAmount_data() {
    QTest::addColumn<double>("newAmount");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("split");
    QTest::addColumn<qint64>("lineTotal");
    QTest::addRow("amount kept") << 50.0 << int(QMessageBox::Cancel) << true << true
                                 << qint64(-5000);
    QTest::addRow("split again") << 60.0 << int(QMessageBox::Yes) << true << true << qint64(-6000);
    QTest::addRow("remove split") << 60.0 << int(QMessageBox::No) << true << false << qint64(0);
    QTest::addRow("cancel stays open")
        << 60.0 << int(QMessageBox::Cancel) << false << true << qint64(-5000);
}

// Splitting in the form, then changing the amount: OK asks to divide the new amount again.
void tst_TransactionFormDialog::splitFollowsAmount() {
    QFETCH(double, newAmount);
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    QFETCH(bool, split);
    QFETCH(qint64, lineTotal);
    TransactionFormDialog dialog(m_state.get(), QStringLiteral("a"));
    QTest::keyClicks(named<QLineEdit>(&dialog, "Payee"), "Market");
    dialog.amountField()->setValue(50);

    QStringList asked;
    ModalRunner::setHandler([&](QDialog *modal) {
        if (auto *editor = qobject_cast<SplitEditorDialog *>(modal)) {
            // Whatever the amount, the first line takes 20.00 of Food and the second the rest.
            QTableWidget *table = editor->table();
            auto amount = [&](int row) {
                return qobject_cast<QDoubleSpinBox *>(table->cellWidget(row, 1));
            };
            auto category
                = [&](int row) { return qobject_cast<QComboBox *>(table->cellWidget(row, 0)); };
            const double total
                = amount(0)->value() + amount(1)->value() + editor->remaining() / 100.0;
            amount(0)->setValue(20);
            amount(1)->setValue(total - 20);
            category(0)->setCurrentIndex(category(0)->findData("food"));
            category(1)->setCurrentIndex(category(1)->findData("fun"));
            return int(QDialog::Accepted);
        }
        asked << modal->windowTitle();
        return answer;
    });
    QVERIFY(dialog.editSplit());
    QVERIFY(!named<QComboBox>(&dialog, "Category")->isEnabled());
    dialog.amountField()->setValue(newAmount);
    dialog.accept();

    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(asked.size(), newAmount == 50.0 ? 0 : 1);
    QCOMPARE(dialog.transaction().isSplit, split);
    QVERIFY(dialog.splitChanged());
    qint64 sum = 0;
    for (const SplitLine &line : dialog.splitLines()) {
        QCOMPARE(line.transactionId, dialog.transaction().id);
        sum += line.amount;
    }
    QCOMPARE(sum, lineTotal);
}

void tst_TransactionFormDialog::refusesEmptyPayee() {
    TransactionFormDialog dialog(m_state.get(), QStringLiteral("a"));
    dialog.amountField()->setValue(5);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(named<QLabel>(&dialog, "Form message")->text().contains("Payee"));
}

// Every line of a split can be filled without the mouse, and a line keeps no category until
// one is chosen.
void tst_TransactionFormDialog::splitEditorByKeyboard() {
    const Transaction t = TestRecords::transaction("t", "a", QDate(2024, 5, 6), -5000, "Market");
    SplitEditorDialog editor(m_state.get(), t);
    QPushButton *ok = editor.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), key, modifiers);
    };
    const auto replace = [&](const QString &text) {
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), text);
    };
    QCOMPARE(focused()->accessibleName(), QStringLiteral("Category of line 1"));
    // The whole amount on a line without a category is nowhere yet.
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(focused(), "Food");
    press(Qt::Key_Tab);
    QCOMPARE(focused()->accessibleName(), QStringLiteral("Amount of line 1"));
    replace("20");
    press(Qt::Key_Tab);
    QTest::keyClicks(focused(), "bread");
    press(Qt::Key_Tab);
    QCOMPARE(focused()->accessibleName(), QStringLiteral("Category of line 2"));
    QTest::keyClicks(focused(), "Fun");
    press(Qt::Key_Tab);
    replace("30");
    QVERIFY(ok->isEnabled());
    // A line added and left empty is no line.
    press(Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(focused()->accessibleName(), QStringLiteral("Category of line 3"));
    QVERIFY(ok->isEnabled());
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    QCOMPARE(editor.result(), int(QDialog::Accepted));

    const QList<SplitLine> lines = editor.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).categoryId, QStringLiteral("food"));
    QCOMPARE(lines.at(0).amount, -2000);
    QCOMPARE(lines.at(0).memo, QStringLiteral("bread"));
    QCOMPARE(lines.at(1).categoryId, QStringLiteral("fun"));
    QCOMPARE(lines.at(1).amount, -3000);
}

QTEST_MAIN(tst_TransactionFormDialog)
#include "tst_transactionformdialog.moc"
