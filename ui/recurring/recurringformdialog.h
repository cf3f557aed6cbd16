// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/recurringtransaction.h"

#include <QDate>
#include <QDialog>

class AppState;
class QCheckBox;
class QComboBox;
class QCompleter;
class QDateEdit;
class QDoubleSpinBox;
class SmartAmountField;
class QLabel;
class QLineEdit;
class QRadioButton;

// The form of one recurring rule: a new one, an existing one, or one memorized from a
// register row. It writes nothing: the caller stores recurring().
class RecurringFormDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { New, Edit, Memorize };

    // A new rule.
    explicit RecurringFormDialog(AppState *state, QWidget *parent = nullptr);
    // Edit: the stored rule. Memorize: the seed built from a register row, whose start date
    // is the row's date.
    RecurringFormDialog(AppState *state, const RecurringTransaction &rule, Mode mode,
                        QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    // The rule as entered; a new id and creation time unless editing.
    RecurringTransaction recurring() const;
    // Why OK was refused, empty when it was not.
    QString problemText() const;

    QComboBox *accountCombo() const { return m_account; }
    QRadioButton *paymentButton() const { return m_payment; }
    QRadioButton *depositButton() const { return m_deposit; }
    QLineEdit *payeeEdit() const { return m_payee; }
    QCompleter *payeeCompleter() const { return m_completer; }
    SmartAmountField *amountSpin() const { return m_amount; }
    QComboBox *categoryCombo() const { return m_category; }
    QLineEdit *memoEdit() const { return m_memo; }
    QComboBox *frequencyCombo() const { return m_frequency; }
    QDateEdit *startDateEdit() const { return m_startDate; }
    QDateEdit *nextDueEdit() const { return m_nextDue; }
    QCheckBox *hasEndDateBox() const { return m_hasEndDate; }
    QDateEdit *endDateEdit() const { return m_endDate; }
    QCheckBox *autoPostBox() const { return m_autoPost; }
    QCheckBox *activeBox() const { return m_active; }

public Q_SLOTS:
    // Refuses, with the reason under the form, a rule that would post what it must not.
    void accept() override;

private:
    void build();
    void fill(const RecurringTransaction &rule);
    void reloadPayees();
    Frequency selectedFrequency() const;
    // Follows the start date and frequency with the next due date until the user sets it.
    void updateNextDue();
    QDate startDateValue() const;
    QDate nextDueValue() const;
    QString validate() const;

    AppState *m_state; // Not owned.
    Mode m_mode = Mode::New;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_createdFromSeed = false;
    // Occurrences on or before this date were posted already (edit) or are the memorized
    // row itself; the next due date must lie after it. Invalid when there is none.
    QDate m_postedThrough;
    bool m_nextDueSetByUser = false;
    bool m_settingNextDue = false;

    QComboBox *m_account = nullptr;       // Owned (Qt child).
    QRadioButton *m_payment = nullptr;    // Owned (Qt child).
    QRadioButton *m_deposit = nullptr;    // Owned (Qt child).
    QLineEdit *m_payee = nullptr;         // Owned (Qt child).
    QCompleter *m_completer = nullptr;    // Owned (Qt child).
    SmartAmountField *m_amount = nullptr; // Owned (Qt child).
    QComboBox *m_category = nullptr;      // Owned (Qt child).
    QLineEdit *m_memo = nullptr;          // Owned (Qt child).
    QComboBox *m_frequency = nullptr;     // Owned (Qt child).
    QDateEdit *m_startDate = nullptr;     // Owned (Qt child).
    QDateEdit *m_nextDue = nullptr;       // Owned (Qt child).
    QCheckBox *m_hasEndDate = nullptr;    // Owned (Qt child).
    QDateEdit *m_endDate = nullptr;       // Owned (Qt child).
    QCheckBox *m_autoPost = nullptr;      // Owned (Qt child).
    QCheckBox *m_active = nullptr;        // Owned (Qt child).
    QLabel *m_problem = nullptr;          // Owned (Qt child).
};
