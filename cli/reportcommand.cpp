// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "services/budgetservice.h"
#include "services/reportservice.h"
#include "ui/presentation/reportcolumns.h"

#include <QCommandLineParser>

#include <memory>

namespace {

// The reports window's columns; the command line loads no translation, so the titles stay
// the English ones scripts read.
QList<OutputTable::Column> columns(ReportColumns::Report report) {
    QList<OutputTable::Column> result;
    for (const ReportColumns::Column &column : ReportColumns::of(report))
        result.append({column.title, column.key});
    return result;
}

} // namespace

int Commands::report(CommandContext &context, const QStringList &args) {
    const QString kind = args.value(1);
    QCommandLineParser parser;
    const QCommandLineOption from(
        QStringLiteral("from"),
        QStringLiteral("Start of the period (yyyy-MM-dd; default 1 January)."),
        QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("End of the period (yyyy-MM-dd; default today)."),
                                QStringLiteral("date"));
    const QCommandLineOption from2(QStringLiteral("from2"),
                                   QStringLiteral("year-over-year: start of the second period."),
                                   QStringLiteral("date"));
    const QCommandLineOption to2(QStringLiteral("to2"),
                                 QStringLiteral("year-over-year: end of the second period."),
                                 QStringLiteral("date"));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Only this account (name or id)."),
                                     QStringLiteral("account"));
    parser.addOptions({from, to, from2, to2, account});
    const CommandContext::Parsed parsed = context.parse(
        parser, args.mid(1),
        QStringLiteral("Reports: category-spending, payee-summary, tax, cash-flow, year-over-year "
                       "(periods --from/--to and --from2/--to2; default last year and this year), "
                       "account-summary, budget (the whole months of the period, every account). "
                       "Amounts are in "
                       "minor units in CSV and JSON."),
        true);
    if (!parsed.ok)
        return parsed.exitCode;
    static const QStringList kinds = {QStringLiteral("category-spending"),
                                      QStringLiteral("payee-summary"),
                                      QStringLiteral("tax"),
                                      QStringLiteral("cash-flow"),
                                      QStringLiteral("year-over-year"),
                                      QStringLiteral("account-summary"),
                                      QStringLiteral("budget")};
    if (!kinds.contains(kind))
        return context.usageError(
            QStringLiteral("use: report %1").arg(kinds.join(QLatin1Char('|'))));
    if (!parser.positionalArguments().isEmpty())
        return context.usageError(QStringLiteral("report %1 takes no arguments").arg(kind));
    const bool budget = kind == QLatin1String("budget");
    // Budgets are for categories, whichever account the money left from.
    if (budget && parser.isSet(account))
        return context.usageError(QStringLiteral("report budget covers every account"));

    const bool comparison = kind == QLatin1String("year-over-year");
    const QDate today = QDate::currentDate();
    QDate d1 = comparison ? QDate(today.year() - 1, 1, 1) : QDate(today.year(), 1, 1);
    QDate d2 = comparison ? QDate(today.year() - 1, 12, 31) : today;
    QDate d3(today.year(), 1, 1);
    QDate d4 = today;
    if (!context.readDate(parser, from, &d1) || !context.readDate(parser, to, &d2)
        || !context.readDate(parser, from2, &d3) || !context.readDate(parser, to2, &d4))
        return CommandContext::UsageError;

    if (!context.openState())
        return CommandContext::Failure;
    context.useSmallPageCache();
    QString accountId;
    // One account's report is in its currency; a report over every account adds them up as
    // stored and is shown in dollars.
    Currency currency = Currency::USD;
    if (parser.isSet(account)) {
        const std::optional<Account> found = context.requireAccount(parser.value(account));
        if (!found)
            return CommandContext::Failure;
        accountId = found->id;
        currency = found->currency;
    }

    const auto money
        = [currency](qint64 amount) { return OutputTable::Cell::money(amount, currency); };
    using C = OutputTable::Cell;
    ReportService *reports = context.state()->reportService();
    std::unique_ptr<OutputTable> table;
    if (kind == QLatin1String("category-spending")) {
        table.reset(new OutputTable(columns(ReportColumns::Report::CategorySpending)));
        for (const CategorySpendingRow &row : reports->categorySpending(d1, d2, accountId))
            table->addRow({C::plain(row.name), money(row.total)});
    } else if (kind == QLatin1String("payee-summary")) {
        table.reset(new OutputTable(columns(ReportColumns::Report::PayeeSummary)));
        for (const PayeeSummaryRow &row : reports->payeeSummary(d1, d2, accountId))
            table->addRow({C::plain(row.payee), money(row.total), C::number(row.count)});
    } else if (kind == QLatin1String("tax")) {
        table.reset(new OutputTable(columns(ReportColumns::Report::Tax)));
        for (const TaxLineRow &row : reports->taxReport(d1, d2))
            table->addRow({C::plain(row.categoryName), C::plain(row.taxCode), money(row.total)});
    } else if (kind == QLatin1String("cash-flow")) {
        table.reset(new OutputTable(columns(ReportColumns::Report::CashFlow)));
        for (const CashFlowMonthRow &row : reports->cashFlow(d1, d2, accountId))
            table->addRow(
                {C::plain(row.month), money(row.income), money(row.expenses), money(row.net)});
    } else if (comparison) {
        table.reset(new OutputTable(columns(ReportColumns::Report::YearOverYear)));
        for (const PeriodComparisonRow &row : reports->comparePeriods(d1, d2, d3, d4, accountId))
            table->addRow({C::plain(row.categoryName), money(row.period1Total),
                           money(row.period2Total), money(row.difference)});
    } else if (budget) {
        BudgetService budgets(context.state()->database(), context.state()->ledger());
        const BudgetMonth data = budgets.period(d1, d2);
        if (!data.ok)
            return context.failure(QStringLiteral("Could not read the budgets"));
        const Currency budgetCurrency = budgets.currency();
        table.reset(new OutputTable(columns(ReportColumns::Report::Budget)));
        const auto row = [&](const QString &name, qint64 amount, qint64 carried, qint64 spent,
                             qint64 remaining) {
            table->addRow({C::plain(name), C::money(amount, budgetCurrency),
                           C::money(carried, budgetCurrency), C::money(spent, budgetCurrency),
                           C::money(remaining, budgetCurrency)});
        };
        for (const BudgetLine &line : data.lines) {
            if (!line.isBlank())
                row(QString(line.depth * 2, QLatin1Char(' ')) + line.name, line.budget,
                    line.carried, line.spent, line.remaining);
        }
        row(QStringLiteral("Total"), data.totalBudget, data.totalCarried, data.totalSpent,
            data.totalRemaining);
    } else {
        table.reset(new OutputTable(columns(ReportColumns::Report::AccountSummary)));
        for (const AccountSummaryRow &row : reports->accountSummary())
            table->addRow({C::plain(row.name), C::plain(row.accountType),
                           C::money(row.clearedBalance, row.currency),
                           C::money(row.unclearedAmount, row.currency),
                           C::money(row.balance, row.currency)});
    }
    // A sum that failed (beyond 64 bits) must not pass for an empty period.
    if (!reports->lastError().isEmpty())
        return context.failure(reports->lastError());
    context.print(table->render(parsed.format));
    return CommandContext::Success;
}
