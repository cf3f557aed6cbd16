// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"
#include "storage/database.h"

#include <QString>
#include <QWidget>

class AppState;
class QLabel;
class QPushButton;
class QTimer;
class RegisterCompletions;
class RegisterDelegate;
class RegisterKeyboard;
class RegisterModel;
class RegisterRowActions;
class RegisterSaveFlow;
class RegisterTableView;

// The register page of the selected account: its transactions with running balances, typed
// in place from the keyboard, row by row.
class RegisterScreen : public QWidget {
    Q_OBJECT

public:
    explicit RegisterScreen(AppState *state, QWidget *parent = nullptr);
    ~RegisterScreen() override;

    QString accountId() const { return m_accountId; }
    // Shows the account and puts the cursor on the new-entry row.
    void loadAccount(const QString &accountId);
    // Reads the account's rows again, keeping the current cell and whatever is being typed.
    // While an editor is open the reload waits until it closes.
    void reload();

    // Whether it is fine to leave the row being typed: asks Save / Discard / Cancel when it
    // holds unsaved text. False means stay.
    bool confirmLeaveEntry();
    // Whether the row being typed holds unsaved text (an open field counts).
    bool hasUnsavedEntry();

    QString headingText() const;
    QString balanceText() const;
    QString messageText() const;
    RegisterModel *model() const { return m_model; }
    RegisterTableView *table() const { return m_table; }

    // Loads the row into the edit buffer unless it is there already. False when the row
    // cannot be edited or the user kept the row being typed.
    bool startEditingRow(int row);
    // Tab and Shift+Tab: the next (previous) field of the row, without saving or wrapping.
    void tabToField(bool next);
    void showStatusMessage(const QString &text, int milliseconds);
    // Opens the split editor for a stored row and stores its lines; true when saved.
    bool splitRow(int row);
    // Opens the transaction form over a stored row and saves what it hands back.
    bool editTransactionDialog(int row);
    // Makes the row of this transaction current and brings it into view; false when the
    // loaded account has no such row.
    bool showTransaction(const QString &transactionId);
    void focusNewEntryRow();
    // Closes the open editor, then runs a reload that waited for it.
    void finishEditor(bool commit);
    // Puts a row just saved from this screen into the model in place, which a register of a
    // hundred thousand rows does far faster than reading them all again. False when it has to
    // be read again instead.
    // before: the database's write mark taken before the save (see RegisterModel::notePatched).
    bool applySaved(const QString &id, bool isNew, const Database::WriteMark &before);

public Q_SLOTS:
    // Saves the row being typed; false when it was refused (the text stays) or failed.
    bool commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void beginNewEntry();
    void discardEntry();
    void newTransactionDialog();
    // Opens the recurring form prefilled from the current row.
    void memorizeCurrentRow();
    void onContextMenu(const QPoint &position);

Q_SIGNALS:
    void newTransactionRequested(const QString &accountId);
    void editTransactionRequested(const QString &transactionId);
    void reconcileRequested();
    // "Create Rule from This Payee..." on a row.
    void createRuleRequested(const QString &payee);

private:
    void showEndingBalance(const Account &account);
    // The account was deleted (here, by a sync or another program): show nothing of it and
    // keep nothing typed for it.
    void leaveAccount();
    void colourEndingBalance();

    AppState *m_state; // Not owned.
    QString m_accountId;
    QLabel *m_heading;                  // Owned (Qt child).
    QLabel *m_balance;                  // Owned (Qt child).
    QLabel *m_subtitle;                 // Owned (Qt child).
    QPushButton *m_reconcile;           // Owned (Qt child).
    RegisterTableView *m_table;         // Owned (Qt child).
    RegisterModel *m_model;             // Owned (Qt child).
    RegisterCompletions *m_completions; // Owned (Qt child).
    RegisterDelegate *m_delegate;       // Owned (Qt child).
    QLabel *m_message;                  // Owned (Qt child).
    QTimer *m_messageTimer;             // Owned (Qt child).
    RegisterSaveFlow *m_saveFlow;       // Owned (Qt child).
    RegisterRowActions *m_rowActions;   // Owned (Qt child).
    RegisterKeyboard *m_keyboard;       // Owned (Qt child).
    bool m_reloadPending = false;
    qint64 m_endingBalance = 0;
};
