// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/identifiers.h"
#include "storage/money.h"

#include <QCommandLineParser>

int Commands::accounts(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const CommandContext::Parsed parsed = context.parse(
        parser, args, QStringLiteral("List the live accounts in sidebar order."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!parser.positionalArguments().isEmpty())
        return context.usageError(QStringLiteral("accounts takes no arguments"));
    if (!context.openState())
        return CommandContext::Failure;

    OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                       {QStringLiteral("Name"), QStringLiteral("name")},
                       {QStringLiteral("Type"), QStringLiteral("type")},
                       {QStringLiteral("Currency"), QStringLiteral("currency")},
                       {QStringLiteral("Balance"), QStringLiteral("balance")}});
    QStringList unsummable;
    const QHash<QString, qint64> balances
        = context.state()->accountRepository()->balances(&unsummable);
    for (const Account &account : context.state()->accountRepository()->findAll()) {
        if (unsummable.contains(account.id))
            continue;
        table.addRow({OutputTable::Cell::plain(account.id), OutputTable::Cell::plain(account.name),
                      OutputTable::Cell::plain(accountTypeToString(account.type)),
                      OutputTable::Cell::plain(currencyToString(account.currency)),
                      OutputTable::Cell::money(balances.value(account.id, account.startingBalance),
                                               account.currency)});
    }
    context.print(table.render(parsed.format));
    if (!unsummable.isEmpty())
        return context.failure(
            QStringLiteral("The balance of %1 cannot be added up: its amounts exceed the limit")
                .arg(unsummable.join(QStringLiteral(", "))));
    return CommandContext::Success;
}

namespace {

int accountAdd(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Account name."),
                                  QStringLiteral("name"));
    const QCommandLineOption type(
        QStringLiteral("type"),
        QStringLiteral("checking, savings, credit_card, cash, investment or other."),
        QStringLiteral("type"), QStringLiteral("checking"));
    const QCommandLineOption currency(QStringLiteral("currency"),
                                      QStringLiteral("USD, EUR, GBP, CAD, AUD or JPY."),
                                      QStringLiteral("code"), QStringLiteral("USD"));
    const QCommandLineOption opening(QStringLiteral("opening"),
                                     QStringLiteral("Opening balance (e.g. 1,250.00)."),
                                     QStringLiteral("amount"));
    const QCommandLineOption asOf(QStringLiteral("as-of"),
                                  QStringLiteral("Date of the opening balance (yyyy-MM-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption institution(QStringLiteral("institution"),
                                         QStringLiteral("Bank or institution."),
                                         QStringLiteral("text"));
    const QCommandLineOption last4(QStringLiteral("last4"),
                                   QStringLiteral("Last digits of the account number."),
                                   QStringLiteral("digits"));
    parser.addOptions({name, type, currency, opening, asOf, institution, last4});
    const CommandContext::Parsed parsed
        = context.parse(parser, args, QStringLiteral("Create an account."), true);
    if (!parsed.ok)
        return parsed.exitCode;

    const QString accountName = parser.value(name).trimmed();
    if (accountName.isEmpty())
        return context.usageError(QStringLiteral("account add needs --name"));
    const QString typeText = parser.value(type);
    if (accountTypeToString(accountTypeFromString(typeText)) != typeText)
        return context.usageError(QStringLiteral("unknown account type \"%1\"").arg(typeText));
    const QString currencyText = parser.value(currency);
    if (currencyToString(currencyFromString(currencyText)) != currencyText)
        return context.usageError(QStringLiteral("unknown currency \"%1\"").arg(currencyText));
    Account account;
    account.name = accountName;
    account.type = accountTypeFromString(typeText);
    account.currency = currencyFromString(currencyText);
    account.institution = parser.value(institution);
    account.accountNumberLast4 = parser.value(last4);

    qint64 openingAmount = 0;
    if (parser.isSet(opening)) {
        const std::optional<qint64> amount
            = tryParseAmount(parser.value(opening), account.currency);
        if (!amount)
            return context.amountError(parser.value(opening));
        openingAmount = *amount;
    }
    QDate openingDate = QDate::currentDate();
    if (!context.readDate(parser, asOf, &openingDate))
        return CommandContext::UsageError;

    if (!context.openState())
        return CommandContext::Failure;
    // Keep the sidebar order: a new account goes last.
    int sortOrder = 0;
    for (const Account &existing : context.state()->accountRepository()->findAll())
        sortOrder = qMax(sortOrder, existing.sortOrder + 1);
    account.sortOrder = sortOrder;

    // Named here, so the account printed is the one made, even beside another of that name.
    account.id = Identifiers::newId();
    if (!context.state()->ledger()->createAccount(account, openingAmount, openingDate))
        return context.failure(QStringLiteral("Could not create the account"));

    OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                       {QStringLiteral("Name"), QStringLiteral("name")},
                       {QStringLiteral("Balance"), QStringLiteral("balance")}});
    table.addRow({OutputTable::Cell::plain(account.id), OutputTable::Cell::plain(account.name),
                  OutputTable::Cell::money(openingAmount, account.currency)});
    context.print(table.render(parsed.format));
    return CommandContext::Success;
}

} // namespace

int Commands::account(CommandContext &context, const QStringList &args) {
    if (args.value(1) == QLatin1String("add"))
        return accountAdd(context, args.mid(1));
    return context.usageError(QStringLiteral("unknown account command (use: account add)"));
}
