// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "services/budgetservice.h"
#include "storage/money.h"

#include <QCommandLineParser>

int Commands::budget(CommandContext &context, const QStringList &args) {
    const QString action = args.value(1);
    const bool showing = action == QLatin1String("show");
    QCommandLineParser parser;
    const QCommandLineOption month(QStringLiteral("month"),
                                   QStringLiteral("The month, yyyy-MM (default: this month)."),
                                   QStringLiteral("month"));
    const QCommandLineOption rollover(QStringLiteral("rollover"),
                                      QStringLiteral("Carry what is left into the next month."));
    parser.addOption(month);
    if (action == QLatin1String("set")) {
        parser.addOption(rollover);
        parser.addPositionalArgument(QStringLiteral("category"), QStringLiteral("Category name."));
        parser.addPositionalArgument(QStringLiteral("amount"),
                                     QStringLiteral("Budget for the month."));
    } else if (action == QLatin1String("clear")) {
        parser.addPositionalArgument(QStringLiteral("category"), QStringLiteral("Category name."));
    }
    const CommandContext::Parsed parsed = context.parse(
        parser, args.mid(1),
        QStringLiteral("Monthly budgets: show, set CATEGORY AMOUNT [--rollover], clear CATEGORY, "
                       "copy (from the month before), fill (from the three months before)."),
        showing);
    if (!parsed.ok)
        return parsed.exitCode;
    const QStringList actions{QStringLiteral("show"), QStringLiteral("set"),
                              QStringLiteral("clear"), QStringLiteral("copy"),
                              QStringLiteral("fill")};
    if (!actions.contains(action))
        return context.usageError(QStringLiteral(
            "use: budget show | set CATEGORY AMOUNT | clear CATEGORY | copy | fill"));
    const QStringList positional = parser.positionalArguments();
    const int wanted = action == QLatin1String("set")     ? 2
                       : action == QLatin1String("clear") ? 1
                                                          : 0;
    if (positional.size() != wanted)
        return context.usageError(
            QStringLiteral("budget %1 takes %2 argument(s)").arg(action).arg(wanted));

    QDate first = QDate::currentDate();
    first = QDate(first.year(), first.month(), 1);
    if (parser.isSet(month)) {
        first = QDate::fromString(parser.value(month) + QLatin1String("-01"), Qt::ISODate);
        if (parser.value(month).size() != 7 || !first.isValid())
            return context.failure(QStringLiteral("cannot read the month \"%1\" (use yyyy-MM)")
                                       .arg(parser.value(month)));
    }
    if (!context.openState())
        return CommandContext::Failure;
    AppState *state = context.state();
    BudgetService service(state->database(), state->ledger());
    const Currency currency = service.currency();
    const QString monthText = BudgetService::monthKey(first);

    if (showing) {
        const BudgetMonth data = service.month(first);
        if (!data.ok)
            return context.failure(
                QStringLiteral("Could not read the budgets of %1").arg(monthText));
        OutputTable table({{QStringLiteral("Category"), QStringLiteral("category")},
                           {QStringLiteral("Budget"), QStringLiteral("budget")},
                           {QStringLiteral("Carried"), QStringLiteral("carried")},
                           {QStringLiteral("Spent"), QStringLiteral("spent")},
                           {QStringLiteral("Remaining"), QStringLiteral("remaining")},
                           {QStringLiteral("Rollover"), QStringLiteral("rollover")}});
        const auto row = [&](const QString &name, qint64 budget, qint64 carried, qint64 spent,
                             qint64 remaining, bool carries) {
            table.addRow(
                {OutputTable::Cell::plain(name), OutputTable::Cell::money(budget, currency),
                 OutputTable::Cell::money(carried, currency),
                 OutputTable::Cell::money(spent, currency),
                 OutputTable::Cell::money(remaining, currency), OutputTable::Cell::flag(carries)});
        };
        for (const BudgetLine &line : data.lines) {
            // The lines a person budgeted or spent in; the rest of the category list is noise.
            if (line.isBlank())
                continue;
            row(QString(line.depth * 2, QLatin1Char(' ')) + line.name, line.budget, line.carried,
                line.spent, line.remaining, line.rollover);
        }
        row(QStringLiteral("Total"), data.totalBudget, data.totalCarried, data.totalSpent,
            data.totalRemaining, false);
        context.print(table.render(parsed.format));
        return CommandContext::Success;
    }

    if (action == QLatin1String("copy") || action == QLatin1String("fill")) {
        int count = 0;
        const bool copying = action == QLatin1String("copy");
        const LedgerWriter::Result result = copying ? service.copyPreviousMonth(first, &count)
                                                    : service.fillFromAverage(first, &count);
        if (result != LedgerWriter::Result::Ok)
            return context.failure(
                QStringLiteral("Could not write the budgets of %1").arg(monthText));
        context.printLine((copying ? QStringLiteral("Copied %1 budget(s) into %2")
                                   : QStringLiteral("Filled %1 budget(s) of %2"))
                              .arg(count)
                              .arg(monthText));
        return CommandContext::Success;
    }

    const std::optional<Category> category = context.requireCategory(positional.first());
    if (!category)
        return CommandContext::Failure;
    if (action == QLatin1String("clear")) {
        if (state->ledger()->clearBudget(category->id, monthText) != LedgerWriter::Result::Ok)
            return context.failure(
                QStringLiteral("%1 has no budget in %2").arg(category->name, monthText));
        context.printLine(
            QStringLiteral("Cleared the budget of %1 in %2").arg(category->name, monthText));
        return CommandContext::Success;
    }
    const std::optional<qint64> amount = tryParseAmount(positional.at(1), currency);
    if (!amount || *amount < 0)
        return context.failure(
            QStringLiteral("cannot read the budget \"%1\" (an amount of 0 or more)")
                .arg(positional.at(1)));
    switch (state->ledger()->setBudget(category->id, monthText, *amount, parser.isSet(rollover))) {
    case LedgerWriter::Result::Ok:
        break;
    case LedgerWriter::Result::NotFound:
        return context.failure(
            QStringLiteral("\"%1\" is not an expense category").arg(category->name));
    default:
        return context.failure(QStringLiteral("Could not save the budget"));
    }
    context.printLine(QStringLiteral("Budget of %1 in %2: %3")
                          .arg(category->name, monthText, formatMoney(*amount, currency)));
    return CommandContext::Success;
}
