// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>

class AppState;
class QPoint;
class RegisterSaveFlow;
class RegisterScreen;

// What is done to a whole row of the register rather than typed into it: the context menu,
// the transaction form, the split editor, memorizing, clearing and deleting.
class RegisterRowActions : public QObject {
    Q_OBJECT

public:
    RegisterRowActions(AppState *state, RegisterSaveFlow *saveFlow, RegisterScreen *screen);

    void showContextMenu(const QPoint &position);
    // Opens an empty transaction form and saves what it hands back as a new row.
    void newTransactionDialog();
    // Opens the transaction form over a stored row and saves what it hands back.
    bool editTransactionDialog(int row);
    // Opens the split editor for a stored row and stores its lines; true when saved.
    bool splitRow(int row);
    // Opens the recurring form prefilled from the current row.
    void memorizeCurrentRow();
    void toggleCleared(int row);
    // Asks, then deletes the stored row (both legs of a transfer).
    void deleteRow(int row);

Q_SIGNALS:
    // "Create Rule from This Payee..." on a row.
    void createRuleRequested(const QString &payee);

private:
    AppState *m_state;            // Not owned.
    RegisterSaveFlow *m_saveFlow; // Not owned.
    RegisterScreen *m_screen;     // Not owned (the parent screen).
};
