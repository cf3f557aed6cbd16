// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/importrulerepository.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/import/ruleformdialog.h"
#include "ui/import/rulesscreen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_RulesScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void formRefusesWhatCannotWork_data();
    void formRefusesWhatCannotWork();
    void addEditReorderDelete();

private:
    QStringList storedTexts() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
};

void tst_RulesScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_RulesScreen::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc", "Checking")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("food", "Food")));
}

void tst_RulesScreen::cleanup() {
    ModalRunner::setHandler({});
    m_state.reset();
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

QStringList tst_RulesScreen::storedTexts() const {
    QStringList texts;
    for (const ImportRule &rule : m_state->importRuleRepository()->findAll())
        texts << rule.text;
    return texts;
}

void tst_RulesScreen::formRefusesWhatCannotWork_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("problem"); // a word of it; empty: accepted
    QTest::newRow("no text") << ""
                             << ""
                             << ""
                             << "Shop"
                             << "payee text";
    QTest::newRow("amount unreadable") << "shop"
                                       << "ten"
                                       << ""
                                       << "Shop"
                                       << "not an amount";
    QTest::newRow("range upside down") << "shop"
                                       << "-5"
                                       << "-10"
                                       << "Shop"
                                       << "larger";
    QTest::newRow("sets nothing") << "shop"
                                  << ""
                                  << ""
                                  << ""
                                  << "what the rule sets";
    QTest::newRow("good, with a range") << "shop"
                                        << "-100.00"
                                        << "-0.01"
                                        << "Shop"
                                        << "";
}

void tst_RulesScreen::formRefusesWhatCannotWork() {
    QFETCH(QString, text);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QString, payee);
    QFETCH(QString, problem);
    RuleFormDialog dialog(m_state.get(), ImportRule());
    dialog.textEdit()->setText(text);
    dialog.minimumEdit()->setText(minimum);
    dialog.maximumEdit()->setText(maximum);
    dialog.payeeEdit()->setText(payee);
    if (problem.isEmpty()) {
        QCOMPARE(dialog.problemText(), QString());
        const ImportRule rule = dialog.rule();
        QCOMPARE(rule.minAmount, std::optional<qint64>(-10000));
        QCOMPARE(rule.maxAmount, std::optional<qint64>(-1));
    } else {
        QVERIFY2(dialog.problemText().contains(problem), qPrintable(dialog.problemText()));
    }
}

// The window stores what its form returns, in the order shown, and moves and deletes rows.
void tst_RulesScreen::addEditReorderDelete() {
    RulesScreen screen(m_state.get());
    screen.show();
    QString nextText;
    int deleteAnswer = QMessageBox::No;
    QString asked;
    ModalRunner::setHandler([&](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            asked = box->text();
            return deleteAnswer;
        }
        auto *form = qobject_cast<RuleFormDialog *>(dialog);
        if (!form)
            return int(QDialog::Rejected);
        form->textEdit()->setText(nextText);
        form->categoryCombo()->setCurrentIndex(form->categoryCombo()->findText("Food"));
        return form->problemText().isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    nextText = "first";
    screen.addRule();
    nextText = "second";
    screen.addRuleForPayee("SECOND PAYEE");
    QCOMPARE(storedTexts(), (QStringList{"first", "second"}));
    QCOMPARE(screen.table()->rowCount(), 2);
    QCOMPARE(screen.table()->item(1, 3)->text(), QStringLiteral("SECOND PAYEE"));
    QCOMPARE(screen.table()->item(1, 4)->text(), QStringLiteral("Food"));

    screen.table()->selectRow(0);
    screen.moveDown();
    QCOMPARE(storedTexts(), (QStringList{"second", "first"}));
    QCOMPARE(screen.table()->currentRow(), 1);
    screen.moveDown(); // already last
    QCOMPARE(storedTexts(), (QStringList{"second", "first"}));

    nextText = "edited";
    screen.editRule();
    QCOMPARE(storedTexts(), (QStringList{"second", "edited"}));

    // Delete asks first, and No keeps the rule.
    screen.table()->selectRow(0);
    screen.deleteRule();
    QVERIFY2(asked.contains("second"), qPrintable(asked));
    QCOMPARE(storedTexts(), (QStringList{"second", "edited"}));
    deleteAnswer = QMessageBox::Yes;
    screen.deleteRule();
    QCOMPARE(storedTexts(), QStringList{"edited"});
    QCOMPARE(screen.table()->rowCount(), 1);
}

QTEST_MAIN(tst_RulesScreen)
#include "tst_rulesscreen.moc"
