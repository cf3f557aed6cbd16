// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/recurring/recurringformdialog.h"

#include "app/appstate.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/styles.h"
#include "ui/common/uilog.h"
#include "ui/presentation/regionalformat.h"
#include "ui/widgets/categorychoices.h"
#include "ui/widgets/dateedits.h"
#include "ui/widgets/smartamountfield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QDate kEarliestDate(2000, 1, 1);

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState *state, QWidget *parent)
    : QDialog(parent)
    , m_state(state) {
    setWindowTitle(tr("New Recurring Transaction"));
    build();
    updateNextDue();
}

RecurringFormDialog::RecurringFormDialog(AppState *state, const RecurringTransaction &rule,
                                         Mode mode, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_mode(mode)
    , m_original(rule)
    , m_editMode(mode == Mode::Edit)
    , m_createdFromSeed(mode == Mode::Memorize) {
    switch (mode) {
    case Mode::New:
        setWindowTitle(tr("New Recurring Transaction"));
        break;
    case Mode::Edit:
        setWindowTitle(tr("Edit Recurring Transaction"));
        m_postedThrough = state->recurringRepository()->lastPostedDate(rule.id);
        break;
    case Mode::Memorize:
        setWindowTitle(tr("Memorize Transaction"));
        // The row itself is the occurrence on its date: the rule starts with the one after.
        m_postedThrough = rule.startDate;
        break;
    }
    build();
    if (mode == Mode::New) {
        updateNextDue();
        return;
    }
    fill(rule);
}

void RecurringFormDialog::build() {
    setMinimumWidth(480);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addLayout(form);

    m_account = new QComboBox(this);
    m_account->setAccessibleName(tr("Account"));
    for (const Account &account : m_state->accountRepository()->findAll())
        m_account->addItem(account.name, account.id);
    // The rule's postings stay in the account they were made in: moving a rule would leave
    // its history behind in another register.
    m_account->setEnabled(!m_editMode);
    form->addRow(tr("Account:"), m_account);

    auto *typeRow = new QHBoxLayout;
    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_payment->setAccessibleName(tr("Payment"));
    m_deposit->setAccessibleName(tr("Deposit"));
    auto *types = new QButtonGroup(this);
    types->addButton(m_payment);
    types->addButton(m_deposit);
    m_payment->setChecked(true);
    typeRow->addWidget(m_payment);
    typeRow->addWidget(m_deposit);
    typeRow->addStretch(1);
    form->addRow(tr("Type:"), typeRow);

    m_payee = new QLineEdit(this);
    m_payee->setAccessibleName(tr("Payee"));
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    m_completer = CategoryChoices::containsCompleter(new QStringListModel(this), this);
    m_completer->setMaxVisibleItems(10);
    m_payee->setCompleter(m_completer);
    form->addRow(tr("Payee:"), m_payee);

    m_amount = new SmartAmountField(this);
    m_amount->setAccessibleName(tr("Amount"));
    m_amount->setRange(0, 99999999.99);
    form->addRow(tr("Amount:"), m_amount);

    m_category = new QComboBox(this);
    m_category->setAccessibleName(tr("Category"));
    m_category->addItem(tr("(none)"), QString());
    CategoryChoices::addTo(m_category, m_state->categoryRepository());
    form->addRow(tr("Category:"), m_category);

    m_memo = new QLineEdit(this);
    m_memo->setAccessibleName(tr("Memo"));
    m_memo->setPlaceholderText(tr("Optional"));
    form->addRow(tr("Memo:"), m_memo);

    m_frequency = new QComboBox(this);
    m_frequency->setAccessibleName(tr("Frequency"));
    const std::pair<QString, Frequency> frequencies[] = {
        {tr("Daily"), Frequency::Daily},         {tr("Weekly"), Frequency::Weekly},
        {tr("Bi-weekly"), Frequency::Biweekly},  {tr("Monthly"), Frequency::Monthly},
        {tr("Quarterly"), Frequency::Quarterly}, {tr("Semi-annual"), Frequency::SemiAnnual},
        {tr("Annual"), Frequency::Annual},
    };
    for (const auto &[text, frequency] : frequencies)
        m_frequency->addItem(text, frequencyToString(frequency));
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToString(Frequency::Monthly)));
    form->addRow(tr("Frequency:"), m_frequency);

    m_startDate = DateEdits::make(QDate::currentDate(), this);
    m_startDate->setAccessibleName(tr("Start date"));
    form->addRow(tr("Start Date:"), m_startDate);

    m_nextDue = DateEdits::make(QDate::currentDate(), this);
    m_nextDue->setAccessibleName(tr("Next due date"));
    m_nextDue->setToolTip(tr("The next occurrence to confirm or post"));
    form->addRow(tr("Next Due:"), m_nextDue);

    auto *endRow = new QHBoxLayout;
    m_hasEndDate = new QCheckBox(tr("Has end date"), this);
    m_hasEndDate->setAccessibleName(tr("Has end date"));
    m_endDate = DateEdits::make(QDate::currentDate().addYears(1), this);
    m_endDate->setAccessibleName(tr("End date"));
    m_endDate->setEnabled(false);
    connect(m_hasEndDate, &QCheckBox::toggled, m_endDate, &QWidget::setEnabled);
    endRow->addWidget(m_hasEndDate);
    endRow->addWidget(m_endDate, 1);
    form->addRow(tr("End Date:"), endRow);

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPost->setAccessibleName(tr("Auto-post when due"));
    form->addRow(QString(), m_autoPost);
    m_active = new QCheckBox(tr("Active"), this);
    m_active->setAccessibleName(tr("Active"));
    m_active->setChecked(true);
    form->addRow(QString(), m_active);

    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setAccessibleName(tr("Form problem"));
    m_problem->setStyleSheet(Styles::textColourStyle(Styles::negativeColour()));
    m_problem->hide();
    layout->addWidget(m_problem);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RecurringFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    reloadPayees();
    connect(m_account, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::reloadPayees);
    const auto showCurrency = [this] {
        m_amount->setCurrency(
            m_state->accountRepository()->currencyOf(m_account->currentData().toString()));
    };
    showCurrency();
    connect(m_account, &QComboBox::currentIndexChanged, this, showCurrency);
    connect(m_startDate, &QDateEdit::dateChanged, this, &RecurringFormDialog::updateNextDue);
    connect(m_frequency, &QComboBox::currentIndexChanged, this,
            &RecurringFormDialog::updateNextDue);
    connect(m_nextDue, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingNextDue)
            m_nextDueSetByUser = true;
    });
}

void RecurringFormDialog::fill(const RecurringTransaction &rule) {
    const int account = m_account->findData(rule.accountId);
    if (account >= 0)
        m_account->setCurrentIndex(account);
    (rule.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_payee->setText(rule.payee);
    m_amount->setAmount(std::llabs(rule.amount));
    m_memo->setText(rule.memo);
    if (!rule.categoryId.isEmpty()) {
        const int category = m_category->findData(rule.categoryId);
        if (category >= 0)
            m_category->setCurrentIndex(category);
    }
    const int frequency = m_frequency->findData(frequencyToString(rule.frequency));
    if (frequency >= 0)
        m_frequency->setCurrentIndex(frequency);
    if (rule.startDate.isValid())
        m_startDate->setDate(rule.startDate);
    if (rule.endDate && rule.endDate->isValid()) {
        m_hasEndDate->setChecked(true);
        m_endDate->setDate(*rule.endDate);
    }
    m_autoPost->setChecked(rule.autoPost);
    m_active->setChecked(rule.isActive);
    if (m_editMode && rule.nextDueDate.isValid()) {
        const QScopedValueRollback<bool> guard(m_settingNextDue, true);
        m_nextDue->setDate(rule.nextDueDate);
    } else {
        updateNextDue();
    }
}

void RecurringFormDialog::reloadPayees() {
    auto *model = static_cast<QStringListModel *>(m_completer->model());
    model->setStringList(m_state->transactionRepository()->payees());
}

Frequency RecurringFormDialog::selectedFrequency() const {
    return frequencyFromString(m_frequency->currentData().toString());
}

void RecurringFormDialog::updateNextDue() {
    if (m_nextDueSetByUser)
        return;
    QDate next;
    if (m_editMode && m_startDate->date() == m_original.startDate
        && m_original.nextDueDate.isValid()) {
        // The schedule as stored, wherever confirming and skipping have taken it.
        next = m_original.nextDueDate;
    } else {
        // A moved start date restarts the schedule there, but never before an occurrence
        // that was already posted: those would be posted a second time.
        next = RecurringService::firstOccurrenceAfter(m_startDate->date(), selectedFrequency(),
                                                      m_postedThrough);
    }
    const QScopedValueRollback<bool> guard(m_settingNextDue, true);
    m_nextDue->setDate(next);
}

QDate RecurringFormDialog::startDateValue() const {
    if (m_editMode && m_startDate->date() == m_original.startDate)
        return m_original.startDate;
    return m_startDate->date();
}

QDate RecurringFormDialog::nextDueValue() const {
    if (m_editMode && m_nextDue->date() == m_original.nextDueDate)
        return m_original.nextDueDate;
    return m_nextDue->date();
}

RecurringTransaction RecurringFormDialog::recurring() const {
    RecurringTransaction rule = m_original;
    if (!m_editMode) {
        // A seed is a template, never a stored rule: the ledger gives the new one its id.
        rule.id.clear();
        rule.serverId.clear();
        rule.accountId = m_account->currentData().toString();
    }
    rule.payee = m_payee->text().trimmed();
    const qint64 amount = m_amount->amount();
    rule.amount = m_payment->isChecked() ? -amount : amount;
    rule.categoryId = m_category->currentData().toString();
    rule.memo = m_memo->text().trimmed();
    rule.frequency = selectedFrequency();

    qCInfo(lcUi).noquote() << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
                           << "isCreateFromSeed=" << m_createdFromSeed
                           << "widget.date=" << m_startDate->date().toString(Qt::ISODate)
                           << "m_original.startDate=" << m_original.startDate.toString(Qt::ISODate)
                           << "m_original.nextDueDate="
                           << m_original.nextDueDate.toString(Qt::ISODate);

    if (m_hasEndDate->isChecked())
        rule.endDate = m_endDate->date();
    else
        rule.endDate.reset();

    rule.startDate = startDateValue();
    rule.nextDueDate = nextDueValue();
    if (!rule.startDate.isValid() || rule.startDate < kEarliestDate) {
        qCWarning(lcUi).noquote() << "RecurringFormDialog: rejecting invalid startDate"
                                  << rule.startDate.toString(Qt::ISODate)
                                  << "— falling back to today";
        rule.startDate = QDate::currentDate();
    }
    if (!rule.nextDueDate.isValid() || rule.nextDueDate < kEarliestDate) {
        qCWarning(lcUi).noquote() << "RecurringFormDialog: rejecting invalid nextDueDate"
                                  << rule.nextDueDate.toString(Qt::ISODate)
                                  << "— falling back to startDate"
                                  << rule.startDate.toString(Qt::ISODate);
        rule.nextDueDate = rule.startDate;
    }

    rule.autoPost = m_autoPost->isChecked();
    rule.isActive = m_active->isChecked();
    return rule;
}

QString RecurringFormDialog::validate() const {
    const RecurringTransaction rule = recurring();
    if (rule.accountId.isEmpty())
        return tr("Choose an account; create one first if there is none.");
    if (rule.payee.isEmpty())
        return tr("Payee is required.");
    if (!rule.transferDestAccountId.isEmpty() && rule.transferDestAccountId == rule.accountId)
        return tr("A transfer cannot go to the account it comes from.");
    const bool nextDueMoved = !m_editMode || rule.nextDueDate != m_original.nextDueDate;
    if (nextDueMoved && m_postedThrough.isValid() && rule.nextDueDate <= m_postedThrough) {
        const QString date = RegionalFormat::formatDate(m_postedThrough);
        return m_mode == Mode::Memorize
                   ? tr("The next due date must be after %1, the date of the memorized "
                        "transaction.")
                         .arg(date)
                   : tr("The next due date must be after %1: the occurrences up to then were "
                        "posted already.")
                         .arg(date);
    }
    // Confirming posts the next due date whatever the end date says; a finished rule that
    // stays inactive may keep it.
    if (rule.isActive && rule.endDate && *rule.endDate < rule.nextDueDate)
        return tr("The end date is before the next due date, so nothing would ever be posted.");
    return QString();
}

QString RecurringFormDialog::problemText() const {
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void RecurringFormDialog::accept() {
    const QString problem = validate();
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    QDialog::accept();
}
