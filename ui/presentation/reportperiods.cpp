// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/reportperiods.h"

#include <QCoreApplication>

namespace ReportPeriods {

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("ReportPeriods", text);
}

QDate quarterStart(const QDate &day) {
    return QDate(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
}

Range wholeYear(int year) {
    return {QDate(year, 1, 1), QDate(year, 12, 31)};
}

Range previousQuarter(const QDate &today) {
    const QDate thisQuarter = quarterStart(today);
    return {thisQuarter.addMonths(-3), thisQuarter.addDays(-1)};
}

} // namespace

QString presetName(Preset preset) {
    switch (preset) {
    case ThisMonth:
        return tr("This Month");
    case LastMonth:
        return tr("Last Month");
    case ThisQuarter:
        return tr("This Quarter");
    case LastQuarter:
        return tr("Last Quarter");
    case ThisYear:
        return tr("This Year");
    case LastYear:
        return tr("Last Year");
    case Last30Days:
        return tr("Last 30 Days");
    case Last90Days:
        return tr("Last 90 Days");
    case Last12Months:
        return tr("Last 12 Months");
    case AllTime:
        return tr("All Time");
    case Custom:
    case PresetCount:
        break;
    }
    return tr("Custom");
}

QString comparisonName(Comparison comparison) {
    switch (comparison) {
    case ThisYearVsLastYear:
        return tr("This Year vs Last Year");
    case LastYearVsYearBefore:
        return tr("Last Year vs Year Before");
    case ThisQuarterVsLastQuarter:
        return tr("This Quarter vs Last Quarter");
    case CustomComparison:
    case ComparisonCount:
        break;
    }
    return tr("Custom");
}

Range range(Preset preset, const QDate &today) {
    const QDate monthStart(today.year(), today.month(), 1);
    switch (preset) {
    case ThisMonth:
        return {monthStart, today};
    case LastMonth:
        return {monthStart.addMonths(-1), monthStart.addDays(-1)};
    case ThisQuarter:
        return {quarterStart(today), today};
    case LastQuarter:
        return previousQuarter(today);
    case ThisYear:
        return {QDate(today.year(), 1, 1), today};
    case LastYear:
        return wholeYear(today.year() - 1);
    case Last30Days:
        return {today.addDays(-30), today};
    case Last90Days:
        return {today.addDays(-90), today};
    case Last12Months:
        return {today.addYears(-1), today};
    case AllTime:
        return {QDate(2000, 1, 1), today};
    case Custom:
    case PresetCount:
        break;
    }
    return {};
}

ComparisonRanges comparison(Comparison comparison, const QDate &today) {
    switch (comparison) {
    case ThisYearVsLastYear:
        return {wholeYear(today.year() - 1), {QDate(today.year(), 1, 1), today}};
    case LastYearVsYearBefore:
        return {wholeYear(today.year() - 2), wholeYear(today.year() - 1)};
    case ThisQuarterVsLastQuarter:
        return {previousQuarter(today), {quarterStart(today), today}};
    case CustomComparison:
    case ComparisonCount:
        break;
    }
    return {};
}

} // namespace ReportPeriods
