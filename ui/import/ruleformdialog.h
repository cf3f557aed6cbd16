// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/importrule.h"

#include <QDialog>

class AppState;
class QComboBox;
class QLabel;
class QLineEdit;

// The form of one import rule, new or stored. It writes nothing: the caller stores rule().
class RuleFormDialog : public QDialog {
    Q_OBJECT

public:
    RuleFormDialog(AppState *state, const ImportRule &rule, QWidget *parent = nullptr);

    // The rule as entered, keeping the given one's id, position and creation time.
    ImportRule rule() const;
    // Why OK was refused, empty when it was not.
    QString problemText() const;

    QLineEdit *textEdit() const { return m_text; }
    QComboBox *matchCombo() const { return m_match; }
    QComboBox *accountCombo() const { return m_account; }
    QLineEdit *minimumEdit() const { return m_minimum; }
    QLineEdit *maximumEdit() const { return m_maximum; }
    QLineEdit *payeeEdit() const { return m_payee; }
    QComboBox *categoryCombo() const { return m_category; }
    QLineEdit *memoEdit() const { return m_memo; }

public Q_SLOTS:
    void accept() override;

private:
    ImportRule m_rule;
    // All owned (Qt children).
    QLineEdit *m_text = nullptr;
    QComboBox *m_match = nullptr;
    QComboBox *m_account = nullptr;
    QLineEdit *m_minimum = nullptr;
    QLineEdit *m_maximum = nullptr;
    QLineEdit *m_payee = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_memo = nullptr;
    QLabel *m_problem = nullptr;
    AppState *m_state; // Not owned.
};
