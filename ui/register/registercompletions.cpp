// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registercompletions.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/reservedpayees.h"
#include "storage/transactionrepository.h"
#include "ui/widgets/categorychoices.h"

#include <QStandardItemModel>
#include <QStringListModel>

RegisterCompletions::RegisterCompletions(AppState *state, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_payees(new QStringListModel(this))
    , m_categories(new QStandardItemModel(this)) {}

void RegisterCompletions::setAccountId(const QString &accountId) {
    if (accountId == m_accountId)
        return;
    m_accountId = accountId;
    m_payeesReadAt = {};
}

QStringListModel *RegisterCompletions::payees() {
    const Database::WriteMark now = m_state->database()->writeMark();
    if (now != m_payeesReadAt) {
        refreshPayees();
        m_payeesReadAt = now;
    }
    return m_payees;
}

QStandardItemModel *RegisterCompletions::categories() {
    const Database::WriteMark now = m_state->database()->writeMark();
    if (now != m_categoriesReadAt) {
        refreshCategories();
        m_categoriesReadAt = now;
    }
    return m_categories;
}

QString RegisterCompletions::categoryText(const QString &id) {
    if (id.isEmpty())
        return QString();
    const QModelIndexList found
        = categories()->match(m_categories->index(0, 0), Qt::UserRole, id, 1, Qt::MatchExactly);
    return found.isEmpty() ? QString() : found.first().data(Qt::DisplayRole).toString();
}

std::optional<Transaction> RegisterCompletions::lastByPayee(const QString &payee) const {
    return m_state->transactionRepository()->lastByPayee(payee, m_accountId);
}

void RegisterCompletions::refreshPayees() {
    QStringList list = m_state->transactionRepository()->payees();
    list.removeAll(QString());
    for (const Account &account : m_state->accountRepository()->findAll()) {
        if (account.id == m_accountId)
            continue;
        const QString transfer = ReservedPayees::transferPrefix() + account.name;
        if (!list.contains(transfer))
            list.append(transfer);
    }
    if (list != m_payees->stringList())
        m_payees->setStringList(list);
}

void RegisterCompletions::refreshCategories() {
    m_categories->clear();
    auto *none = new QStandardItem;
    none->setData(QString(), Qt::UserRole);
    m_categories->appendRow(none);
    for (const CategoryChoices::Choice &choice :
         CategoryChoices::all(m_state->categoryRepository())) {
        auto *item = new QStandardItem(choice.text);
        item->setData(choice.id, Qt::UserRole);
        m_categories->appendRow(item);
    }
}
