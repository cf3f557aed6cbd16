// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/recurring/recurringmodel.h"

#include "app/thememanager.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "ui/common/styles.h"
#include "ui/presentation/regionalformat.h"

#include <QColor>
#include <QLocale>

namespace {

// The stored frequency is a key for the database; the column shows the name the form offers.
QString frequencyName(Frequency frequency) {
    switch (frequency) {
    case Frequency::Daily:
        return RecurringModel::tr("Daily");
    case Frequency::Weekly:
        return RecurringModel::tr("Weekly");
    case Frequency::Biweekly:
        return RecurringModel::tr("Bi-weekly");
    case Frequency::Monthly:
        return RecurringModel::tr("Monthly");
    case Frequency::Quarterly:
        return RecurringModel::tr("Quarterly");
    case Frequency::SemiAnnual:
        return RecurringModel::tr("Semi-annual");
    case Frequency::Annual:
        return RecurringModel::tr("Annual");
    }
    return frequencyToString(frequency);
}

} // namespace

RecurringModel::RecurringModel(AccountRepository *accounts, QObject *parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts) {}

void RecurringModel::setRules(const QList<RecurringTransaction> &rules) {
    beginResetModel();
    m_rules = rules;
    m_accountNames.clear();
    m_accountCurrencies.clear();
    endResetModel();
}

const RecurringTransaction *RecurringModel::ruleAt(int row) const {
    if (row < 0 || row >= m_rules.size())
        return nullptr;
    return &m_rules.at(row);
}

bool RecurringModel::isDue(const RecurringTransaction &rule, const QDate &today) {
    return rule.isActive && rule.nextDueDate.isValid() && rule.nextDueDate <= today;
}

int RecurringModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rules.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString RecurringModel::accountName(const QString &accountId) const {
    if (accountId.isEmpty())
        return QString();
    auto found = m_accountNames.constFind(accountId);
    if (found == m_accountNames.constEnd()) {
        const std::optional<Account> account = m_accounts->findById(accountId);
        const bool live = account && !account->deletedAt;
        found = m_accountNames.insert(accountId, live ? account->name : QString());
        m_accountCurrencies.insert(accountId, account ? account->currency : Currency::USD);
    }
    return *found;
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const {
    const RecurringTransaction *rule = index.isValid() ? ruleAt(index.row()) : nullptr;
    if (!rule)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case AccountColumn:
            return accountName(rule->accountId);
        case PayeeColumn:
            return rule->payee;
        case AmountColumn:
            accountName(rule->accountId); // reads the account's currency with its name
            return formatMoney(rule->amount,
                               m_accountCurrencies.value(rule->accountId, Currency::USD));
        case FrequencyColumn:
            return frequencyName(rule->frequency);
        case NextDueColumn:
            return RegionalFormat::formatDate(rule->nextDueDate);
        case AutoColumn:
            return rule->autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return rule->isActive ? tr("Active") : tr("Inactive");
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && rule->amount < 0)
            return Styles::negativeColour();
        if (index.column() == NextDueColumn && isDue(*rule))
            return Styles::dueColour();
        if (index.column() == StatusColumn && !rule->isActive)
            return QColor(Styles::mutedColour());
        return {};
    default:
        return {};
    }
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    default:
        return {};
    }
}
