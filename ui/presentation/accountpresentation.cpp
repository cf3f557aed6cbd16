// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/accountpresentation.h"

#include "storage/money.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>
#include <vector>

namespace AccountPresentation {

namespace {
// The context is the one lupdate gives a tr() call in this namespace.
QString tr(const char *text) {
    return QCoreApplication::translate("AccountPresentation", text);
}
} // namespace

QString typeName(AccountType type) {
    switch (type) {
    case AccountType::Checking:
        return tr("Checking");
    case AccountType::Savings:
        return tr("Savings");
    case AccountType::CreditCard:
        return tr("Credit Card");
    case AccountType::Cash:
        return tr("Cash");
    case AccountType::Investment:
        return tr("Investment");
    case AccountType::Other:
        break;
    }
    return tr("Other");
}

QChar typeGlyph(AccountType type) {
    switch (type) {
    case AccountType::Checking:
        return QChar(0xE84F);
    case AccountType::Savings:
        return QChar(0xE2EB);
    case AccountType::CreditCard:
        return QChar(0xE870);
    case AccountType::Cash:
        return QChar(0xE57D);
    case AccountType::Investment:
        return QChar(0xE8E5);
    case AccountType::Other:
        break;
    }
    return QChar(0xE850);
}

QString subtitle(const Account &account) {
    QString text = account.institution.isEmpty() ? typeName(account.type) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        text += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    return text;
}

qint64 balanceOf(const Account &account, const QHash<QString, qint64> &balances) {
    return balances.value(account.id, account.startingBalance);
}

QString totalText(const QList<Account> &accounts, const QHash<QString, qint64> &balances) {
    if (accounts.isEmpty())
        return tr("No accounts");
    std::vector<std::pair<Currency, qint64>> sums;
    for (const Account &account : accounts) {
        auto it = sums.begin();
        while (it != sums.end() && it->first != account.currency)
            ++it;
        if (it == sums.end())
            it = sums.insert(sums.end(), {account.currency, 0});
        it->second += balanceOf(account, balances);
    }
    QStringList parts;
    for (const auto &[currency, sum] : sums)
        parts << formatMoney(sum, currency);
    return tr("Total: %1").arg(parts.join(QStringLiteral("  ·  ")));
}

} // namespace AccountPresentation
