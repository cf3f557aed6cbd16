// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/entrywriter.h"
#include "storage/account.h"
#include "storage/database.h"
#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QList>
#include <QString>
#include <QWidget>

class AppState;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class RegisterCompletions;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// The register page of the selected account: its transactions with running balances, typed
// in place from the keyboard, row by row.
class RegisterScreen : public QWidget {
    Q_OBJECT

public:
    explicit RegisterScreen(AppState *state, QWidget *parent = nullptr);

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

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // The register's keys, typed on the table or inside an editor (editor may be null).
    bool handleKey(QWidget *editor, QKeyEvent *event);
    void focusNewEntryRow();
    // Closes the open editor, then runs a reload that waited for it.
    void finishEditor(bool commit);
    // The visible field after (before) column, or -1.
    int nextField(int column, bool forward) const;
    void moveToField(int row, int column);
    void toggleCleared(int row);
    void deleteRow(int row);
    // Writes the transaction (new when fields has no id, else edited) and, when lines is
    // set, its split lines, all in one database transaction. Asks before it rewrites a
    // reconciled other leg; shows why on the message line when it fails.
    // before, when given, receives the database's write mark from before the save.
    bool storeTransaction(const EntryFields &fields, const QList<SplitLine> *lines,
                          QString *savedId, Database::WriteMark *before = nullptr);
    // Explains a refused or failed write on the message line.
    void showWriteResult(EntryWriter::Result result);
    // A split row whose amount changed: asks to split it again (filling lines) or to remove
    // the split. False when the user backed out and nothing should be saved.
    bool resplit(const Transaction &transaction, QList<SplitLine> *lines);
    // Puts a row just saved from this screen into the model in place, which a register of a
    // hundred thousand rows does far faster than reading them all again. False when it has to
    // be read again instead.
    // before: the database's write mark taken before the save (see RegisterModel::notePatched).
    bool applySaved(const QString &id, bool isNew, const Database::WriteMark &before);
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
    bool m_reloadPending = false;
    qint64 m_endingBalance = 0;
};
