// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "services/recurringservice.h"
#include "storage/recurringrepository.h"
#include "storage/timestamps.h"

#include <QCommandLineParser>

int Commands::recurring(CommandContext &context, const QStringList &args) {
    const QString action = args.value(1);
    const bool listing = action == QLatin1String("list");
    QCommandLineParser parser;
    if (action == QLatin1String("confirm") || action == QLatin1String("skip"))
        parser.addPositionalArgument(QStringLiteral("id"),
                                     QStringLiteral("Recurring transaction id."));
    const CommandContext::Parsed parsed = context.parse(
        parser, args.mid(1),
        QStringLiteral("Recurring transactions: list, post-due (post every due auto-post rule, "
                       "catching up), confirm ID, skip ID."),
        listing);
    if (!parsed.ok)
        return parsed.exitCode;
    if (action != QLatin1String("list") && action != QLatin1String("post-due")
        && action != QLatin1String("confirm") && action != QLatin1String("skip"))
        return context.usageError(
            QStringLiteral("use: recurring list | post-due | confirm ID | skip ID"));
    const QStringList positional = parser.positionalArguments();
    const bool needsId = action == QLatin1String("confirm") || action == QLatin1String("skip");
    if (positional.size() != (needsId ? 1 : 0))
        return context.usageError(
            needsId ? QStringLiteral("recurring %1 needs one id").arg(action)
                    : QStringLiteral("recurring %1 takes no arguments").arg(action));
    if (!context.openState())
        return CommandContext::Failure;
    RecurringService *service = context.state()->recurringService();

    if (listing) {
        const QHash<QString, Account> accounts = context.accountsById();
        OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                           {QStringLiteral("Account"), QStringLiteral("account")},
                           {QStringLiteral("Payee"), QStringLiteral("payee")},
                           {QStringLiteral("Amount"), QStringLiteral("amount")},
                           {QStringLiteral("Frequency"), QStringLiteral("frequency")},
                           {QStringLiteral("Next due"), QStringLiteral("next_due_date")},
                           {QStringLiteral("Auto"), QStringLiteral("auto_post")},
                           {QStringLiteral("Active"), QStringLiteral("is_active")}});
        for (const RecurringTransaction &rule : service->allRecurring()) {
            const Account a = accounts.value(rule.accountId);
            table.addRow({OutputTable::Cell::plain(rule.id), OutputTable::Cell::plain(a.name),
                          OutputTable::Cell::plain(rule.payee),
                          OutputTable::Cell::money(rule.amount, a.currency),
                          OutputTable::Cell::plain(frequencyToString(rule.frequency)),
                          OutputTable::Cell::plain(Timestamps::dateToText(rule.nextDueDate)),
                          OutputTable::Cell::flag(rule.autoPost),
                          OutputTable::Cell::flag(rule.isActive)});
        }
        context.print(table.render(parsed.format));
        return CommandContext::Success;
    }
    if (action == QLatin1String("post-due")) {
        const int posted = service->autoPostDue();
        context.printLine(QStringLiteral("Posted %1 transaction(s)").arg(posted));
        return CommandContext::Success;
    }

    const std::optional<RecurringTransaction> rule
        = context.state()->recurringRepository()->findById(positional.first());
    if (!rule || rule->deletedAt)
        return context.failure(
            QStringLiteral("Unknown recurring transaction \"%1\"").arg(positional.first()));
    const QDate due = rule->nextDueDate;
    if (action == QLatin1String("confirm")) {
        if (!service->confirm(*rule))
            return context.failure(QStringLiteral("Could not post the occurrence due %1")
                                       .arg(Timestamps::dateToText(due)));
        context.printLine(
            QStringLiteral("Posted %1 due %2").arg(rule->payee, Timestamps::dateToText(due)));
    } else {
        if (!service->skip(*rule))
            return context.failure(QStringLiteral("Could not skip the occurrence due %1")
                                       .arg(Timestamps::dateToText(due)));
        context.printLine(
            QStringLiteral("Skipped %1 due %2").arg(rule->payee, Timestamps::dateToText(due)));
    }
    return CommandContext::Success;
}
