// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"
#include "cli/progressprinter.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/money.h"
#include "storage/reservedpayees.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>

#include <unistd.h>

int Commands::registerListing(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("account"), QStringLiteral("Account name or id."));
    const CommandContext::Parsed parsed = context.parse(
        parser, args, QStringLiteral("Show an account's register, oldest first."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.positionalArguments().size() != 1)
        return context.usageError(QStringLiteral("register needs one account"));
    const std::optional<Account> account
        = context.requireAccount(parser.positionalArguments().first());
    if (!account)
        return CommandContext::Failure;
    context.useSmallPageCache();

    OutputTable table({{QStringLiteral("Date"), QStringLiteral("date")},
                       {QStringLiteral("Num"), QStringLiteral("check_number")},
                       {QStringLiteral("Payee"), QStringLiteral("payee")},
                       {QStringLiteral("Category"), QStringLiteral("category")},
                       {QStringLiteral("Memo"), QStringLiteral("memo")},
                       {QStringLiteral("Payment"), QStringLiteral("payment")},
                       {QStringLiteral("Deposit"), QStringLiteral("deposit")},
                       {QStringLiteral("Clr"), QStringLiteral("clr")},
                       {QStringLiteral("Balance"), QStringLiteral("balance")}});
    const auto amountCell = [&](qint64 amount) {
        OutputTable::Cell cell = OutputTable::Cell::money(amount, account->currency);
        if (amount == 0)
            cell = OutputTable::Cell{QString(), QJsonValue(qint64(0)), true};
        return cell;
    };
    // Written as it is read: a register of a million rows is never held whole.
    TransactionRepository *transactions = context.state()->transactionRepository();
    // Progress only while the rows go somewhere else than the terminal it is drawn on.
    ProgressPrinter progress(QStringLiteral("Listing"), stderr,
                             isatty(fileno(stderr)) == 1 && isatty(fileno(stdout)) == 0);
    qint64 done = 0;
    const auto rows = [&](const OutputTable::RowSink &sink) {
        return transactions->forEachRegisterRow(account->id, [&](const RegisterRow &row) {
            progress.update(++done);
            const Transaction &t = row.transaction;
            sink({OutputTable::Cell::plain(Timestamps::dateToText(t.date)),
                  OutputTable::Cell::plain(t.checkNumber), OutputTable::Cell::plain(t.payee),
                  OutputTable::Cell::plain(row.categoryName), OutputTable::Cell::plain(t.memo),
                  amountCell(t.amount < 0 ? -t.amount : 0), amountCell(t.amount > 0 ? t.amount : 0),
                  OutputTable::Cell::plain(CommandContext::clearedText(t)),
                  OutputTable::Cell::money(row.runningBalance, account->currency)});
        });
    };
    const bool printed = context.printTable(table, parsed.format, rows);
    progress.finish();
    if (!printed)
        return context.failure(QStringLiteral("Could not read the register"));
    return CommandContext::Success;
}

int Commands::add(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("account"), QStringLiteral("Account name or id."));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("Date (yyyy-MM-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption payee(
        QStringLiteral("payee"),
        QStringLiteral("Payee; \"%1NAME\" transfers to the account NAME.")
            .arg(ReservedPayees::transferPrefix()),
        QStringLiteral("payee"));
    const QCommandLineOption amount(QStringLiteral("amount"),
                                    QStringLiteral("Signed amount: negative is a payment."),
                                    QStringLiteral("amount"));
    const QCommandLineOption category(QStringLiteral("category"), QStringLiteral("Category name."),
                                      QStringLiteral("name"));
    const QCommandLineOption memo(QStringLiteral("memo"), QStringLiteral("Memo."),
                                  QStringLiteral("text"));
    const QCommandLineOption check(QStringLiteral("check"), QStringLiteral("Check number."),
                                   QStringLiteral("number"));
    const QCommandLineOption cleared(QStringLiteral("cleared"), QStringLiteral("Mark cleared."));
    const QCommandLineOption reconciled(QStringLiteral("reconciled"),
                                        QStringLiteral("Mark cleared and reconciled."));
    parser.addOptions({date, payee, amount, category, memo, check, cleared, reconciled});
    const CommandContext::Parsed parsed
        = context.parse(parser, args, QStringLiteral("Add one transaction."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.positionalArguments().size() != 1)
        return context.usageError(QStringLiteral("add needs one account"));
    if (!parser.isSet(date) || !parser.isSet(payee) || !parser.isSet(amount))
        return context.usageError(QStringLiteral("add needs --date, --payee and --amount"));
    if (parser.isSet(cleared) && parser.isSet(reconciled))
        return context.usageError(QStringLiteral("use either --cleared or --reconciled"));
    QDate when;
    if (!context.readDate(parser, date, &when))
        return CommandContext::UsageError;
    const QString payeeText = parser.value(payee).trimmed();
    if (payeeText.isEmpty())
        return context.usageError(QStringLiteral("Payee is required"));

    const std::optional<Account> account
        = context.requireAccount(parser.positionalArguments().first());
    if (!account)
        return CommandContext::Failure;

    Transaction t;
    t.accountId = account->id;
    t.date = when;
    t.payee = payeeText;
    const std::optional<qint64> parsedAmount
        = tryParseAmount(parser.value(amount), account->currency);
    if (!parsedAmount)
        return context.amountError(parser.value(amount));
    t.amount = *parsedAmount;
    t.memo = parser.value(memo).trimmed();
    t.checkNumber = parser.value(check).trimmed();
    t.reconciled = parser.isSet(reconciled);
    t.cleared = parser.isSet(cleared) || t.reconciled;
    if (parser.isSet(category)) {
        const std::optional<Category> found = context.requireCategory(parser.value(category));
        if (!found)
            return CommandContext::Failure;
        t.categoryId = found->id;
    }

    switch (context.state()->ledger()->addTransaction(t)) {
    case LedgerWriter::Result::Ok:
        break;
    case LedgerWriter::Result::TransferAccountNotFound:
        return context.failure(QStringLiteral("Transfer account not found"));
    case LedgerWriter::Result::TransferToSameAccount:
        return context.failure(QStringLiteral("A transfer needs another account"));
    case LedgerWriter::Result::NotFound:
    case LedgerWriter::Result::NotATransfer:
    case LedgerWriter::Result::OtherLegReconciled:
    case LedgerWriter::Result::Failed:
        return context.failure(QStringLiteral("Could not save the transaction"));
    }
    context.printLine(QStringLiteral("Added %1 %2 to %3")
                          .arg(formatMoney(t.amount, account->currency),
                               Timestamps::dateToText(when), account->name));
    return CommandContext::Success;
}
