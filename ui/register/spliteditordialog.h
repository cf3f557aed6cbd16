// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QDialog>
#include <QList>

class AppState;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

// Divides one transaction's amount among categories. It writes nothing: the caller stores
// lines() together with the transaction's split flag.
class SplitEditorDialog : public QDialog {
    Q_OBJECT

public:
    SplitEditorDialog(AppState *state, const Transaction &transaction, QWidget *parent = nullptr);

    // The lines as entered, with the sign of the transaction's amount.
    QList<SplitLine> lines() const;
    // Shows these lines instead of the stored ones (a split not yet saved).
    void setLines(const QList<SplitLine> &lines);
    // Total minus the lines, in cents (positive: still to divide).
    qint64 remaining() const;
    QString remainingText() const;
    QTableWidget *table() const { return m_table; }

public Q_SLOTS:
    void addRow();
    void removeSelectedRow();
    void updateRemaining();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addLine(const QString &categoryId, qint64 cents, const QString &memo);

    AppState *m_state; // Not owned.
    Transaction m_transaction;
    Currency m_currency = Currency::USD; // The transaction's account's.
    QTableWidget *m_table;               // Owned (Qt child).
    QLabel *m_remaining;                 // Owned (Qt child).
    QDialogButtonBox *m_buttons;         // Owned (Qt child).
};
