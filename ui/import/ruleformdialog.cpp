// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/import/ruleformdialog.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/account.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "ui/common/styles.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

Currency currencyOf(AppState *state, const QString &accountId) {
    if (accountId.isEmpty())
        return Currency::USD;
    const std::optional<Account> account = state->ledger()->liveAccount(accountId);
    return account ? account->currency : Currency::USD;
}

} // namespace

RuleFormDialog::RuleFormDialog(AppState *state, const ImportRule &rule, QWidget *parent)
    : QDialog(parent)
    , m_rule(rule)
    , m_state(state) {
    setWindowTitle(rule.createdAt.isValid() ? tr("Edit Rule") : tr("New Rule"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const auto line
        = [this, form](const QString &label, const QString &name, const QString &value) {
              auto *edit = new QLineEdit(value, this);
              edit->setAccessibleName(name);
              form->addRow(label, edit);
              return edit;
          };

    m_match = new QComboBox(this);
    m_match->setAccessibleName(tr("How the payee is compared"));
    m_match->addItem(tr("Payee contains"), int(RuleMatch::Contains));
    m_match->addItem(tr("Payee is"), int(RuleMatch::Is));
    m_match->addItem(tr("Payee starts with"), int(RuleMatch::StartsWith));
    m_match->setCurrentIndex(m_match->findData(int(rule.match)));
    form->addRow(tr("&Match:"), m_match);
    m_text = line(tr("&Text:"), tr("Payee text"), rule.text);

    m_account = new QComboBox(this);
    m_account->setAccessibleName(tr("Account"));
    m_account->addItem(tr("(any account)"), QString());
    for (const Account &account : state->ledger()->accounts())
        m_account->addItem(account.name, account.id);
    m_account->setCurrentIndex(qMax(0, m_account->findData(rule.accountId)));
    form->addRow(tr("&Account:"), m_account);

    const Currency currency = currencyOf(state, rule.accountId);
    const auto amountText = [currency](const std::optional<qint64> &amount) {
        return amount ? formatAmount(*amount, currency) : QString();
    };
    m_minimum = line(tr("Amount &from:"), tr("Smallest amount"), amountText(rule.minAmount));
    m_maximum = line(tr("Amount t&o:"), tr("Largest amount"), amountText(rule.maxAmount));
    m_minimum->setPlaceholderText(tr("any"));
    m_maximum->setPlaceholderText(tr("any"));

    m_payee = line(tr("Show &payee as:"), tr("Payee to show"), rule.setPayee);
    m_category = new QComboBox(this);
    m_category->setAccessibleName(tr("Category to set"));
    m_category->addItem(tr("(leave as it is)"), QString());
    for (const Category &category : state->categoryRepository()->findAll())
        m_category->addItem(category.name, category.id);
    m_category->setCurrentIndex(qMax(0, m_category->findData(rule.setCategoryId)));
    form->addRow(tr("Set &category:"), m_category);
    m_memo = line(tr("Set m&emo:"), tr("Memo to set"), rule.setMemo);
    layout->addLayout(form);

    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    m_problem->hide();
    layout->addWidget(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RuleFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RuleFormDialog::reject);
    layout->addWidget(buttons);
    m_text->setFocus();
}

ImportRule RuleFormDialog::rule() const {
    ImportRule rule = m_rule;
    rule.match = RuleMatch(m_match->currentData().toInt());
    rule.text = m_text->text().trimmed();
    rule.accountId = m_account->currentData().toString();
    const Currency currency = currencyOf(m_state, rule.accountId);
    const auto amount = [currency](const QLineEdit *edit) -> std::optional<qint64> {
        if (edit->text().trimmed().isEmpty())
            return std::nullopt;
        return tryParseAmount(edit->text(), currency);
    };
    rule.minAmount = amount(m_minimum);
    rule.maxAmount = amount(m_maximum);
    rule.setPayee = m_payee->text().trimmed();
    rule.setCategoryId = m_category->currentData().toString();
    rule.setMemo = m_memo->text().trimmed();
    return rule;
}

QString RuleFormDialog::problemText() const {
    const ImportRule r = rule();
    if (r.text.isEmpty())
        return tr("Enter the payee text the rule looks for.");
    const Currency currency = currencyOf(m_state, r.accountId);
    for (const QLineEdit *edit : {m_minimum, m_maximum}) {
        if (!edit->text().trimmed().isEmpty() && !tryParseAmount(edit->text(), currency))
            return tr("\"%1\" is not an amount.").arg(edit->text());
    }
    if (r.minAmount && r.maxAmount && *r.minAmount > *r.maxAmount)
        return tr("The smallest amount is larger than the largest.");
    if (r.setPayee.isEmpty() && r.setCategoryId.isEmpty() && r.setMemo.isEmpty())
        return tr("Choose what the rule sets: a payee, a category or a memo.");
    return QString();
}

void RuleFormDialog::accept() {
    const QString problem = problemText();
    if (!problem.isEmpty()) {
        m_problem->setText(problem);
        m_problem->show();
        return;
    }
    QDialog::accept();
}
