// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "storage/fulltextquery.h"
#include "storage/searchfilter.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>

int Commands::search(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("text"),
        QStringLiteral("Words to find: every word must begin a word of the payee, "
                       "memo, check number or category."),
        QStringLiteral("[text]"));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Only this account (name or id)."),
                                     QStringLiteral("account"));
    const QCommandLineOption category(QStringLiteral("category"),
                                      QStringLiteral("Only this category (name)."),
                                      QStringLiteral("name"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("From date (yyyy-MM-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("To date (yyyy-MM-dd)."),
                                QStringLiteral("date"));
    const QCommandLineOption cleared(QStringLiteral("cleared"),
                                     QStringLiteral("Only cleared transactions."));
    parser.addOptions({account, category, from, to, cleared});
    const CommandContext::Parsed parsed = context.parse(
        parser, args, QStringLiteral("Search transactions in every account."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.positionalArguments().size() > 1)
        return context.usageError(
            QStringLiteral("search takes at most one text (quote several words)"));

    SearchFilter filter;
    if (!context.readDate(parser, from, &filter.fromDate)
        || !context.readDate(parser, to, &filter.toDate))
        return CommandContext::UsageError;
    if (parser.isSet(cleared))
        filter.cleared = true;

    if (!context.openState())
        return CommandContext::Failure;
    context.useSmallPageCache();
    if (parser.isSet(account)) {
        const std::optional<Account> found = context.requireAccount(parser.value(account));
        if (!found)
            return CommandContext::Failure;
        filter.accountId = found->id;
    }
    if (parser.isSet(category)) {
        const std::optional<Category> found = context.requireCategory(parser.value(category));
        if (!found)
            return CommandContext::Failure;
        filter.categoryId = found->id;
    }

    const QHash<QString, Account> accounts = context.accountsById();
    OutputTable table({{QStringLiteral("Date"), QStringLiteral("date")},
                       {QStringLiteral("Account"), QStringLiteral("account")},
                       {QStringLiteral("Num"), QStringLiteral("check_number")},
                       {QStringLiteral("Payee"), QStringLiteral("payee")},
                       {QStringLiteral("Category"), QStringLiteral("category")},
                       {QStringLiteral("Memo"), QStringLiteral("memo")},
                       {QStringLiteral("Amount"), QStringLiteral("amount")},
                       {QStringLiteral("Clr"), QStringLiteral("clr")}});
    // Typed words, not index syntax: "AT&T", "O'Brien" or a lone quote find what they say.
    const QString words = parser.positionalArguments().value(0);
    const QString text = FullTextQuery::fromWords(words);
    // Only punctuation: nothing can match, and no filter-only listing either.
    const bool nothingSearchable = text.isEmpty() && !words.trimmed().isEmpty();
    TransactionRepository *transactions = context.state()->transactionRepository();
    const auto rows = [&](const OutputTable::RowSink &sink) {
        if (nothingSearchable)
            return true;
        return transactions->forEachSearchRow(text, filter, [&](const RegisterRow &row) {
            const Transaction &t = row.transaction;
            const Account a = accounts.value(t.accountId);
            sink({OutputTable::Cell::plain(Timestamps::dateToText(t.date)),
                  OutputTable::Cell::plain(a.name), OutputTable::Cell::plain(t.checkNumber),
                  OutputTable::Cell::plain(t.payee), OutputTable::Cell::plain(row.categoryName),
                  OutputTable::Cell::plain(t.memo), OutputTable::Cell::money(t.amount, a.currency),
                  OutputTable::Cell::plain(CommandContext::clearedText(t))});
        });
    };
    if (!context.printTable(table, parsed.format, rows))
        return context.failure(QStringLiteral("Could not search the transactions"));
    return CommandContext::Success;
}
