// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class AppState;
class ReconciliationScreen;
class SecondaryWindows;
class QWidget;

// The open reconciliation windows, one per account and deleted on close, so that two windows
// can never both finish the same statement. Their Add and Edit open the transaction form over
// them and write through the ledger; the windows follow its change notice.
class ReconciliationWindows : public QObject {
    Q_OBJECT

public:
    ReconciliationWindows(AppState *state, const SecondaryWindows *windows, QWidget *owner);

    // The open window of this account, or null.
    ReconciliationScreen *window(const QString &accountId) const;
    // Brings up the account's window, made when none is open.
    void show(const QString &accountId);

Q_SIGNALS:
    // A statement was finished and its window closed.
    void completed();

private:
    // For a new transaction in accountId, or for the stored transaction transactionId.
    void openTransactionForm(QWidget *over, const QString &accountId, const QString &transactionId);

    AppState *m_state;                 // Not owned.
    const SecondaryWindows *m_windows; // Not owned.
    QWidget *m_owner;                  // Not owned; the windows' Qt parent.
    QHash<QString, QPointer<ReconciliationScreen>> m_open;
};
