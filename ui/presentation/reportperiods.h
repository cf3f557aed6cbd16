// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

// The named periods of the reports screen, worked out from a given "today" so that the
// answer for any day can be checked.
namespace ReportPeriods {

// Combo order of the period filter.
enum Preset {
    ThisMonth,
    LastMonth,
    ThisQuarter,
    LastQuarter,
    ThisYear,
    LastYear,
    Last30Days,
    Last90Days,
    Last12Months,
    AllTime,
    Custom,
    PresetCount
};

// Combo order of the year-over-year comparison; P1 is the earlier period.
enum Comparison {
    ThisYearVsLastYear,
    LastYearVsYearBefore,
    ThisQuarterVsLastQuarter,
    CustomComparison,
    ComparisonCount
};

struct Range {
    QDate from;
    QDate to;
    bool operator==(const Range &other) const { return from == other.from && to == other.to; }
};

struct ComparisonRanges {
    Range first;
    Range second;
};

QString presetName(Preset preset);
QString comparisonName(Comparison comparison);

// Both ends inclusive. Custom has no range of its own: an invalid one.
Range range(Preset preset, const QDate &today);
ComparisonRanges comparison(Comparison comparison, const QDate &today);

} // namespace ReportPeriods
