// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/lists/payeescreen.h"

#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace TestRecords;

class tst_PayeeScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void renameAndMerge_data();
    void renameAndMerge();
    void followsChangesWhileVisible();

private:
    std::unique_ptr<TestAppState> m_app;
    QStringList m_boxes;
};

void tst_PayeeScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_PayeeScreen::init() {
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    AppState *state = m_app->state();
    QVERIFY(state->accountRepository()->insert(account("a", "Checking")));
    QVERIFY(state->accountRepository()->insert(account("b", "Savings")));
    TransactionRepository *transactions = state->transactionRepository();
    int n = 0;
    for (const QString payee : {"AMZN Mktp", "Amazon", "Amazon", "amazon.com", "Grocer"}) {
        ++n;
        QVERIFY(transactions->insert(
            transaction(QString::number(n), n % 2 ? "a" : "b", QDate(2026, 1, n), -100, payee)));
    }
}

void tst_PayeeScreen::cleanup() {
    ModalRunner::setHandler({});
    m_app.reset();
}

void tst_PayeeScreen::renameAndMerge_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("renameTo");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("payeesAfter");

    const QStringList untouched{"AMZN Mktp", "Amazon", "Grocer", "amazon.com"};
    QTest::addRow("rename to its own name")
        << "rename" << QStringList{"Amazon"} << "  Amazon " << int(QMessageBox::Ok)
        << QStringList{"Rename Complete: Renamed 0 transaction(s)."} << untouched;
    QTest::addRow("rename one") << "rename" << QStringList{"Grocer"} << "Corner Grocer"
                                << int(QMessageBox::Ok)
                                << QStringList{"Rename Complete: Renamed 1 transaction(s)."}
                                << QStringList{"AMZN Mktp", "Amazon", "Corner Grocer",
                                               "amazon.com"};
    QTest::addRow("rename without a name does nothing")
        << "rename" << QStringList{"Grocer"} << "   " << int(QMessageBox::Ok) << QStringList{}
        << untouched;
    QTest::addRow("merge three into a new name")
        << "merge" << QStringList{"AMZN Mktp", "Amazon", "amazon.com"} << "Amazon Online"
        << int(QMessageBox::Yes)
        << QStringList{"Merge Payees: Merge 3 payees into \"Amazon Online\"?",
                       "Merge Complete: Merged 4 transaction(s)."}
        << QStringList{"Amazon Online", "Grocer"};
    QTest::addRow("merge into the first selected")
        << "merge" << QStringList{"AMZN Mktp", "amazon.com"} << "" << int(QMessageBox::Yes)
        << QStringList{"Merge Payees: Merge 2 payees into \"AMZN Mktp\"?",
                       "Merge Complete: Merged 1 transaction(s)."}
        << QStringList{"AMZN Mktp", "Amazon", "Grocer"};
    QTest::addRow("merge into an existing payee")
        << "merge" << QStringList{"AMZN Mktp", "amazon.com"} << "Amazon" << int(QMessageBox::Yes)
        << QStringList{"Merge Payees: Merge 2 payees into \"Amazon\"?",
                       "Merge Complete: Merged 2 transaction(s)."}
        << QStringList{"Amazon", "Grocer"};
    QTest::addRow("merge declined")
        << "merge" << QStringList{"AMZN Mktp", "amazon.com"} << "Amazon" << int(QMessageBox::No)
        << QStringList{"Merge Payees: Merge 2 payees into \"Amazon\"?"} << untouched;
    QTest::addRow("merge needs two")
        << "merge" << QStringList{"Amazon"} << "Amazon" << int(QMessageBox::Ok)
        << QStringList{"Merge: Select 2 or more payees to merge."} << untouched;
}

void tst_PayeeScreen::renameAndMerge() {
    QFETCH(QString, button);
    QFETCH(QStringList, selected);
    QFETCH(QString, renameTo);
    QFETCH(int, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, payeesAfter);
    QStringList shown;
    ModalRunner::setHandler([&shown, answer](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box)
            return int(QDialog::Rejected);
        shown << box->windowTitle() + ": " + box->text();
        return box->icon() == QMessageBox::Question ? answer : int(QMessageBox::Ok);
    });

    PayeeScreen screen(m_app->state());
    screen.refresh();
    screen.show();
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    QVERIFY(changed.isValid());
    // The notice of the fixture's own writes comes first.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QSignalSpy reads(screen.payeeList()->model(), &QAbstractItemModel::modelReset);
    const QStringList listedBefore = m_app->state()->transactionRepository()->payees();
    screen.selectPayees(selected);
    QCOMPARE(screen.selectedPayees(), selected);
    screen.renameField()->setText(renameTo);
    QTest::mouseClick(button == "rename" ? screen.renameButton() : screen.mergeButton(),
                      Qt::LeftButton);

    QCOMPARE(shown, boxes);
    QCOMPARE(m_app->state()->transactionRepository()->payees(), payeesAfter);
    const bool stored = boxes.size() > 0 && boxes.last().contains("Complete");
    // The list is read once, on the rename's change notice, and not at all when nothing
    // changed.
    const int reread = payeesAfter == listedBefore ? 0 : 1;
    QTRY_COMPARE(reads.count(), reread);
    QTest::qWait(20);
    QCOMPARE(reads.count(), reread);
    auto *model = screen.payeeList()->model();
    QStringList listed;
    for (int row = 0; row < model->rowCount(); ++row)
        listed << model->index(row, 0).data().toString();
    QCOMPARE(listed, payeesAfter);
    QCOMPARE(changed.count(), stored ? 1 : 0);
    if (stored)
        QCOMPARE(screen.selectedPayees(),
                 QStringList{renameTo.trimmed().isEmpty() ? selected.first() : renameTo.trimmed()});
}

void tst_PayeeScreen::followsChangesWhileVisible() {
    PayeeScreen screen(m_app->state());
    screen.refresh();
    screen.show();
    TransactionRepository *transactions = m_app->state()->transactionRepository();
    QVERIFY(transactions->insert(transaction("new", "a", QDate(2026, 2, 1), -1, "Bakery")));
    QTRY_COMPARE(screen.payeeList()->model()->index(0, 0).data().toString(),
                 QStringLiteral("AMZN Mktp"));
    QTRY_COMPARE(screen.payeeList()->model()->rowCount(), 5);

    screen.hide();
    QVERIFY(transactions->softDelete("new"));
    QTest::qWait(20);
    QCOMPARE(screen.payeeList()->model()->rowCount(), 5);
    screen.show();
    QCOMPARE(screen.payeeList()->model()->rowCount(), 4);
}

QTEST_MAIN(tst_PayeeScreen)
#include "tst_payeescreen.moc"
