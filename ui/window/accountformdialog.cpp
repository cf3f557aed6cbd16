// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/accountformdialog.h"

#include "ui/widgets/dateedits.h"
#include "ui/widgets/smartamountfield.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(tr("New Account"));
    build();
}

AccountFormDialog::AccountFormDialog(const Account &account, QWidget *parent)
    : QDialog(parent)
    , m_account(account)
    , m_editMode(true) {
    setWindowTitle(tr("Edit Account"));
    build();
    m_name->setText(account.name);
    m_type->setCurrentIndex(std::max(0, m_type->findData(accountTypeToString(account.type))));
    m_currency->setCurrentIndex(
        std::max(0, m_currency->findData(currencyToString(account.currency))));
    m_balance->setCurrency(account.currency);
    m_balance->setAmount(account.startingBalance);
    m_institution->setText(account.institution);
    m_lastFour->setText(account.accountNumberLast4);
}

void AccountFormDialog::build() {
    setMinimumWidth(400);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Account name"));

    m_type = new QComboBox(this);
    m_type->addItem(tr("Checking"), QStringLiteral("checking"));
    m_type->addItem(tr("Savings"), QStringLiteral("savings"));
    m_type->addItem(tr("Credit Card"), QStringLiteral("credit_card"));
    m_type->addItem(tr("Cash"), QStringLiteral("cash"));
    m_type->addItem(tr("Investment"), QStringLiteral("investment"));
    m_type->addItem(tr("Other"), QStringLiteral("other"));

    m_currency = new QComboBox(this);
    m_currency->addItem(tr("USD ($)"), QStringLiteral("USD"));
    m_currency->addItem(tr("EUR (€)"), QStringLiteral("EUR"));
    m_currency->addItem(tr("GBP (£)"), QStringLiteral("GBP"));
    m_currency->addItem(tr("CAD ($)"), QStringLiteral("CAD"));
    m_currency->addItem(tr("AUD ($)"), QStringLiteral("AUD"));
    m_currency->addItem(tr("JPY (¥)"), QStringLiteral("JPY"));

    m_balance = new SmartAmountField(this);
    m_balance->setRange(-99999999.99, 99999999.99);
    m_balance->setValue(0);
    connect(m_currency, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        m_balance->setCurrency(currencyFromString(m_currency->currentData().toString()));
    });

    m_asOf = DateEdits::make(QDate::currentDate(), this);

    m_institution = new QLineEdit(this);
    m_institution->setPlaceholderText(tr("Bank name (optional)"));
    m_lastFour = new QLineEdit(this);
    m_lastFour->setMaxLength(4);
    m_lastFour->setPlaceholderText(tr("Last 4 digits (optional)"));

    // The labels are buddies, so each field is named by its label for screen readers too.
    const auto add = [form](const QString &label, QWidget *field) {
        form->addRow(label, field);
        QString name = label;
        field->setAccessibleName(name.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    };
    add(tr("&Name:"), m_name);
    add(tr("&Type:"), m_type);
    add(tr("&Currency:"), m_currency);
    add(tr("Starting &Balance:"), m_balance);
    add(tr("&As of:"), m_asOf);
    add(tr("&Institution:"), m_institution);
    add(tr("Account &Number:"), m_lastFour);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_name->setFocus();
}

Account AccountFormDialog::account() const {
    Account result = m_account;
    result.name = m_name->text().trimmed();
    result.type = accountTypeFromString(m_type->currentData().toString());
    result.currency = currencyFromString(m_currency->currentData().toString());
    result.startingBalance = m_balance->amount();
    result.institution = m_institution->text().trimmed();
    result.accountNumberLast4 = m_lastFour->text().trimmed();
    return result;
}

QDate AccountFormDialog::startingBalanceDate() const {
    return m_asOf->date();
}

void AccountFormDialog::setStartingBalanceDate(const QDate &date) {
    m_asOf->setDate(date);
}
