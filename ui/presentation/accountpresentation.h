// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>

// How accounts are named in the sidebar, without the widgets.
namespace AccountPresentation {

QString typeName(AccountType type);
// The "Material Icons" glyph of the type.
QChar typeGlyph(AccountType type);
// The institution, else the type name; then "  ·  *1234" when the last four digits are known.
QString subtitle(const Account &account);
// The account's balance from balances (keyed by id), else its starting balance.
qint64 balanceOf(const Account &account, const QHash<QString, qint64> &balances);
// "Total: …" summed per currency (amounts of different currencies are never added), the
// currencies in the order their first account appears; "No accounts" when there is none.
QString totalText(const QList<Account> &accounts, const QHash<QString, qint64> &balances);

} // namespace AccountPresentation
