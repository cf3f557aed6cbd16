// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class SmartAmountField;
class QLineEdit;

// The form of a new or an existing account. Returns the fields a person edited; the ledger
// writer builds and stamps the record.
class AccountFormDialog : public QDialog {
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget *parent = nullptr);
    AccountFormDialog(const Account &account, QWidget *parent = nullptr);

    // The account it was opened with, carrying the form's fields (no id in new mode).
    Account account() const;
    // The "As of" date: the date of the opening balance.
    QDate startingBalanceDate() const;
    // Shows another date under "As of" (an existing opening balance's own date).
    void setStartingBalanceDate(const QDate &date);
    bool isEditMode() const { return m_editMode; }

    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *typeCombo() const { return m_type; }
    QComboBox *currencyCombo() const { return m_currency; }
    SmartAmountField *balanceSpin() const { return m_balance; }
    QLineEdit *institutionEdit() const { return m_institution; }
    QLineEdit *lastFourEdit() const { return m_lastFour; }

private:
    void build();

    Account m_account;
    bool m_editMode = false;
    QLineEdit *m_name = nullptr;           // Owned (Qt child).
    QComboBox *m_type = nullptr;           // Owned (Qt child).
    QComboBox *m_currency = nullptr;       // Owned (Qt child).
    SmartAmountField *m_balance = nullptr; // Owned (Qt child).
    QDateEdit *m_asOf = nullptr;           // Owned (Qt child).
    QLineEdit *m_institution = nullptr;    // Owned (Qt child).
    QLineEdit *m_lastFour = nullptr;       // Owned (Qt child).
};
