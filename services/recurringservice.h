// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"
#include "storage/recurringtransaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class UndoStack;
class AccountRepository;
class RecurringRepository;
class TransactionRepository;
struct Transaction;

// Turns recurring rules into register transactions: confirming and skipping occurrences,
// posting overdue auto-post rules with a bounded catch-up, and taking rules with impossible
// dates out of service. Keeps no state of its own: everything lives in the database.
class RecurringService : public QObject {
    Q_OBJECT

public:
    RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                     AccountRepository *accounts, QObject *parent = nullptr);

    // Posts the occurrence due on the rule's next due date and advances the schedule. Only
    // the id of the argument is used: the rule is read again first. All or nothing: when any
    // write fails (an occurrence posted before, a missing account) nothing changes.
    bool confirm(const RecurringTransaction &rule);
    // Advances the schedule by one step without posting.
    bool skip(const RecurringTransaction &rule);
    // Confirms each due rule once; the number confirmed.
    int confirmAllDue();
    // Posts every due auto-post rule and catches it up to today; the number of transactions
    // posted.
    int autoPostDue();
    int pendingCount() const;
    QList<RecurringTransaction> allRecurring() const;

    // A monthly rule that repeats a register row from its date on, for the memorize form to
    // start from. The row is that date's occurrence already, so the rule is next due a month
    // later.
    static RecurringTransaction seedFrom(const Transaction &row);
    // The occurrence after date. Month steps clamp to the end of the target month.
    static QDate nextOccurrence(const QDate &date, Frequency frequency);
    // The first date of the schedule start, next(start), ... that lies after after (start
    // itself when after is invalid or earlier). Invalid when start is.
    static QDate firstOccurrenceAfter(const QDate &start, Frequency frequency, const QDate &after);
    // Identical on every device for the same rule and date, so that an occurrence is never
    // posted twice. The destination leg of a transfer gets its own id.
    static QString occurrenceId(const QString &ruleId, const QDate &date, bool destinationLeg);
    // Invalid or before 2000-01-01.
    static bool isBrokenDate(const QDate &date);

    // A run posts at most 1 + kCatchUpLimit occurrences of one rule; a rule that needed
    // kCatchUpCapMark or more catch-up postings is deactivated afterwards.
    static constexpr int kCatchUpLimit = 365;
    static constexpr int kCatchUpCapMark = 364;

    // Where changes are recorded for undo; none by default.
    void setUndoStack(UndoStack *undo) { m_undo = undo; }

Q_SIGNALS:
    void pendingCountChanged(int count);

private:
    // confirm without recording or announcing: automatic posting is the program's doing, not
    // a change anyone would take back with Undo.
    bool post(const RecurringTransaction &rule);
    void advance(RecurringTransaction &rule) const;
    void quarantine(const QString &ruleId, const QString &payee, const QDate &nextDue,
                    const char *reason);

    RecurringRepository *m_recurring;      // Not owned.
    TransactionRepository *m_transactions; // Not owned.
    AccountRepository *m_accounts;         // Not owned.
    UndoStack *m_undo = nullptr;           // Not owned; may be null.
};
