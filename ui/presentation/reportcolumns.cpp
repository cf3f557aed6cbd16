// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/reportcolumns.h"

Qt::Alignment ReportColumns::Column::alignment() const {
    return (kind == Kind::Text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

QList<ReportColumns::Column> ReportColumns::of(Report report) {
    const auto text = [](const QString &title, const char *key) {
        return Column{title, QString::fromLatin1(key), Kind::Text};
    };
    const auto money = [](const QString &title, const char *key) {
        return Column{title, QString::fromLatin1(key), Kind::Money};
    };
    switch (report) {
    case Report::CategorySpending:
        return {text(tr("Category"), "category"), money(tr("Total"), "total")};
    case Report::PayeeSummary:
        return {text(tr("Payee"), "payee"), money(tr("Total"), "total"),
                Column{tr("Count"), QStringLiteral("count"), Kind::Count}};
    case Report::Tax:
        return {text(tr("Category"), "category"), text(tr("Tax Code"), "tax_code"),
                money(tr("Total"), "total")};
    case Report::CashFlow:
        return {text(tr("Month"), "month"), money(tr("Income"), "income"),
                money(tr("Expenses"), "expenses"), money(tr("Net"), "net")};
    case Report::YearOverYear:
        return {text(tr("Category"), "category"), money(tr("Period 1"), "period1"),
                money(tr("Period 2"), "period2"), money(tr("Difference"), "difference")};
    case Report::AccountSummary:
        return {text(tr("Account"), "account"), text(tr("Type"), "type"),
                money(tr("Cleared"), "cleared"), money(tr("Uncleared"), "uncleared"),
                money(tr("Total"), "total")};
    case Report::Budget:
        return {text(tr("Category"), "category"), money(tr("Budget"), "budget"),
                money(tr("Carried In"), "carried"), money(tr("Spent"), "spent"),
                money(tr("Remaining"), "remaining")};
    }
    return {};
}

QStringList ReportColumns::titles(Report report) {
    QStringList titles;
    for (const Column &column : of(report))
        titles << column.title;
    return titles;
}
