// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The columns of each report, one description for the reports window and the command line,
// so that both title and align them alike.
class ReportColumns {
    Q_DECLARE_TR_FUNCTIONS(ReportColumns)

public:
    enum class Report {
        CategorySpending,
        PayeeSummary,
        Tax,
        CashFlow,
        YearOverYear,
        AccountSummary,
        Budget
    };
    enum class Kind { Text, Money, Count };

    struct Column {
        QString title; // translated where a translation is loaded
        QString key;   // the member name of the command line's JSON
        Kind kind = Kind::Text;

        // Text reads from the left; money and counts line up on the right.
        Qt::Alignment alignment() const;
    };

    static QList<Column> of(Report report);
    static QStringList titles(Report report);
};
