// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QDialog>
#include <QList>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SmartAmountField;

// One transaction in a form, for those who would rather not type into the register's cells.
// It writes nothing: the caller stores transaction() and, when splitChanged(), splitLines()
// in the same database transaction.
class TransactionFormDialog : public QDialog {
    Q_OBJECT

public:
    TransactionFormDialog(AppState *state, const QString &accountId, QWidget *parent = nullptr);
    TransactionFormDialog(AppState *state, const Transaction &transaction,
                          QWidget *parent = nullptr);

    bool isEditMode() const { return m_editMode; }
    // The stored transaction with the form's values; its split flag follows splitLines().
    Transaction transaction() const;
    // The split as it stands in the form, each line with the sign of the amount.
    QList<SplitLine> splitLines() const;
    // True when the split was made, changed or removed here and must be written.
    bool splitChanged() const { return m_splitChanged; }

    // The date a new-mode dialog proposes: the last one handed back this run, else today.
    static QDate proposedDate();

    SmartAmountField *amountField() const { return m_amount; }
    QLabel *accountLabel() const { return m_account; }
    QPushButton *splitButton() const { return m_splitButton; }

public Q_SLOTS:
    void onPayeeSelected(const QString &payee);
    // Opens the split editor over the form's amount; true when the user accepted a split.
    bool editSplit();
    void accept() override;

private:
    void build();
    void selectCategory(const QString &categoryId);
    void showSplitState();
    qint64 signedAmount() const;

    AppState *m_state; // Not owned.
    QString m_accountId;
    Transaction m_transaction;
    bool m_editMode = false;
    QList<SplitLine> m_splitLines;
    bool m_splitChanged = false;

    QLabel *m_account = nullptr;          // Owned (Qt child).
    QRadioButton *m_payment = nullptr;    // Owned (Qt child).
    QRadioButton *m_deposit = nullptr;    // Owned (Qt child).
    DateField *m_date = nullptr;          // Owned (Qt child).
    QLineEdit *m_payee = nullptr;         // Owned (Qt child).
    SmartAmountField *m_amount = nullptr; // Owned (Qt child).
    QComboBox *m_category = nullptr;      // Owned (Qt child).
    QPushButton *m_splitButton = nullptr; // Owned (Qt child).
    QLineEdit *m_memo = nullptr;          // Owned (Qt child).
    QLineEdit *m_checkNumber = nullptr;   // Owned (Qt child).
    QCheckBox *m_cleared = nullptr;       // Owned (Qt child).
    QLabel *m_message = nullptr;          // Owned (Qt child).
};
