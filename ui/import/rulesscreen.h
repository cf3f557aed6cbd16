// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/importrule.h"

#include <QList>
#include <QWidget>

class AppState;
class QPushButton;
class QTableWidget;

// The import rules in the order they are tried, to add, edit, reorder and delete.
class RulesScreen : public QWidget {
    Q_OBJECT

public:
    explicit RulesScreen(AppState *state, QWidget *parent = nullptr);

    void refresh();
    // Opens the form for a new rule that matches this payee as it stands in the register.
    void addRuleForPayee(const QString &payee);

    QTableWidget *table() const { return m_table; }
    QList<ImportRule> rules() const { return m_rules; }

public Q_SLOTS:
    void addRule();
    void editRule();
    void moveUp() { move(-1); }
    void moveDown() { move(1); }
    void deleteRule();

private:
    void move(int step);
    void editAndStore(const ImportRule &rule);
    void select(int row);

    AppState *m_state; // Not owned.
    QList<ImportRule> m_rules;
    // All owned (Qt children).
    QTableWidget *m_table = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_delete = nullptr;
};
