// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/recurringservice.h"

#include "services/servicelog.h"
#include "services/undorecording.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "storage/timestamps.h"
#include "storage/transaction.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

#include <optional>

RecurringService::RecurringService(RecurringRepository *recurring,
                                   TransactionRepository *transactions, AccountRepository *accounts,
                                   QObject *parent)
    : QObject(parent)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts) {}

RecurringTransaction RecurringService::seedFrom(const Transaction &row) {
    RecurringTransaction seed;
    seed.accountId = row.accountId;
    seed.payee = row.payee;
    seed.memo = row.memo;
    seed.amount = row.amount;
    seed.categoryId = row.categoryId;
    seed.transferDestAccountId = row.transferDestAccountId;
    seed.frequency = Frequency::Monthly;
    seed.startDate = row.date;
    seed.nextDueDate = nextOccurrence(row.date, seed.frequency);
    seed.isActive = true;
    return seed;
}

QDate RecurringService::nextOccurrence(const QDate &date, Frequency frequency) {
    switch (frequency) {
    case Frequency::Daily:
        return date.addDays(1);
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::Biweekly:
        return date.addDays(14);
    case Frequency::Monthly:
        return date.addMonths(1);
    case Frequency::Quarterly:
        return date.addMonths(3);
    case Frequency::SemiAnnual:
        return date.addMonths(6);
    case Frequency::Annual:
        return date.addYears(1);
    }
    return date.addMonths(1);
}

QDate RecurringService::firstOccurrenceAfter(const QDate &start, Frequency frequency,
                                             const QDate &after) {
    if (!start.isValid())
        return {};
    QDate date = start;
    // Stepped one occurrence at a time like the posting itself, so that month-end clamping
    // lands on the same dates the schedule will post.
    while (after.isValid() && date <= after)
        date = nextOccurrence(date, frequency);
    return date;
}

QString RecurringService::occurrenceId(const QString &ruleId, const QDate &date,
                                       bool destinationLeg) {
    QString name = ruleId + QLatin1Char(':') + Timestamps::dateToText(date);
    if (destinationLeg)
        name += QLatin1String(":dest");
    return Identifiers::nameBasedId(Identifiers::recurringNamespace(), name);
}

bool RecurringService::isBrokenDate(const QDate &date) {
    return RecurringRepository::isBrokenDueDate(date);
}

// One step forward; a rule that moves past its end date goes out of service, but one that
// lands exactly on it stays active so that the last occurrence is still posted.
void RecurringService::advance(RecurringTransaction &rule) const {
    rule.nextDueDate = nextOccurrence(rule.nextDueDate, rule.frequency);
    rule.updatedAt = Timestamps::nowUtc();
    rule.syncStatus = SyncStatus::Pending;
    if (rule.endDate && *rule.endDate != rule.nextDueDate && rule.nextDueDate > *rule.endDate)
        rule.isActive = false;
}

bool RecurringService::confirm(const RecurringTransaction &given) {
    UndoRecording undo(m_undo, tr("Confirm Recurring Transaction"));
    if (!post(given))
        return false;
    undo.keep();
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::post(const RecurringTransaction &given) {
    std::optional<RecurringTransaction> rule = m_recurring->findById(given.id);
    if (!rule || rule->deletedAt)
        return false;

    if (isBrokenDate(rule->nextDueDate)) {
        qCWarning(lcServices).noquote()
            << "RecurringService::confirm refusing record with broken date:" << rule->id
            << rule->payee << Timestamps::dateToText(rule->nextDueDate)
            << "— quarantining (deactivating)";
        m_recurring->deactivate(rule->id);
        return false;
    }

    const QDateTime now = Timestamps::nowUtc();
    Transaction posted;
    posted.id = occurrenceId(rule->id, rule->nextDueDate, false);
    posted.accountId = rule->accountId;
    posted.date = rule->nextDueDate;
    posted.payee = rule->payee;
    posted.memo = rule->memo;
    posted.amount = rule->amount;
    posted.categoryId = rule->categoryId;
    posted.recurringId = rule->id;
    posted.createdAt = posted.updatedAt = now;

    // An occurrence's id is fixed by its rule and date: one posted before and deleted since
    // (an undone confirm) comes back; the insert refuses one still live as a duplicate.
    auto store = [this](Transaction &row) {
        const std::optional<Transaction> earlier = m_transactions->findById(row.id);
        if (!earlier || !earlier->deletedAt) {
            row.version = 1;
            row.serverId.clear();
            return m_transactions->insert(row);
        }
        row.version = earlier->version + 1;
        row.serverId = earlier->serverId;
        return m_transactions->revive(row);
    };

    // A transfer with one leg, or a posting whose rule did not advance (and so would be
    // refused as a duplicate forever after), would be worse than no posting at all.
    TransactionScope scope(m_recurring->database());
    if (!scope.isOpen() || !store(posted))
        return false;

    if (!rule->transferDestAccountId.isEmpty()) {
        Transaction other = posted;
        other.id = occurrenceId(rule->id, rule->nextDueDate, true);
        other.accountId = rule->transferDestAccountId;
        other.amount = -rule->amount;
        other.transferLinkId = posted.id;
        other.transferDestAccountId = rule->accountId;
        if (!store(other))
            return false;
        posted.transferLinkId = other.id;
        posted.transferDestAccountId = rule->transferDestAccountId;
        if (!m_transactions->update(posted))
            return false;
    }

    advance(*rule);
    return m_recurring->update(*rule) && scope.commit();
}

bool RecurringService::skip(const RecurringTransaction &given) {
    UndoRecording undo(m_undo, tr("Skip Recurring Transaction"));
    std::optional<RecurringTransaction> rule = m_recurring->findById(given.id);
    if (!rule || rule->deletedAt)
        return false;
    advance(*rule);
    if (!m_recurring->update(*rule))
        return false;
    undo.keep();
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue() {
    UndoRecording undo(m_undo, tr("Confirm Due Recurring Transactions"));
    int confirmed = 0;
    for (const RecurringTransaction &rule : m_recurring->findDue()) {
        if (post(rule))
            ++confirmed;
    }
    if (confirmed > 0) {
        undo.keep();
        Q_EMIT pendingCountChanged(pendingCount());
    }
    return confirmed;
}

void RecurringService::quarantine(const QString &ruleId, const QString &payee, const QDate &nextDue,
                                  const char *reason) {
    qCWarning(lcServices).noquote()
        << "Quarantining recurring" << ruleId << payee << "— auto-deactivating. Reason:" << reason
        << QStringLiteral("nextDueDate=%1").arg(Timestamps::dateToText(nextDue));
    if (m_recurring->findById(ruleId))
        m_recurring->deactivate(ruleId);
}

int RecurringService::autoPostDue() {
    const QDate today = QDate::currentDate();
    int posted = 0;
    // One transaction for the whole run, so that it is announced once; each posting stays
    // all-or-nothing inside it.
    TransactionScope scope(m_recurring->database());
    for (const RecurringTransaction &rule : m_recurring->findDue()) {
        if (!rule.autoPost)
            continue;
        if (isBrokenDate(rule.nextDueDate)) {
            quarantine(rule.id, rule.payee, rule.nextDueDate, "broken next_due_date");
            continue;
        }
        if (!post(rule))
            continue;
        ++posted;

        // Guards against a schedule that stops advancing or has fallen years behind: a single
        // run never posts more than a year of daily occurrences of one rule.
        QDate lastPosted;
        int caughtUp = 0;
        bool hitCap = false;
        while (true) {
            const std::optional<RecurringTransaction> current = m_recurring->findById(rule.id);
            if (!current || !current->isActive || current->deletedAt)
                break;
            const QDate due = current->nextDueDate;
            if (!due.isValid())
                break;
            if (isBrokenDate(due)) {
                quarantine(current->id, current->payee, due,
                           "advanced to broken date during catchup");
                break;
            }
            if (due > today || due == lastPosted)
                break;
            lastPosted = due;
            if (!post(*current))
                break;
            ++posted;
            ++caughtUp;
            if (caughtUp >= kCatchUpCapMark)
                hitCap = true;
            if (caughtUp >= kCatchUpLimit)
                break;
        }
        if (hitCap) {
            if (const auto current = m_recurring->findById(rule.id))
                quarantine(current->id, current->payee, current->nextDueDate,
                           "hit catchup cap in single tick");
        }
    }
    if (scope.isOpen() && !scope.commit())
        return 0;
    if (posted > 0)
        Q_EMIT pendingCountChanged(pendingCount());
    return posted;
}

int RecurringService::pendingCount() const {
    return m_recurring->findDue().size();
}

QList<RecurringTransaction> RecurringService::allRecurring() const {
    return m_recurring->findAll();
}
