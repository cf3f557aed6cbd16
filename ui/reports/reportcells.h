// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QString>

class QTableWidgetItem;

// The cells of the report tables. Money cells keep their amount and currency beside the text,
// so that the export writes numbers rather than what the screen shows.
namespace ReportCells {

QTableWidgetItem *text(const QString &text);
// Right-aligned, so that the figures of a column line up.
QTableWidgetItem *number(const QString &text);
QTableWidgetItem *money(qint64 amount, Currency currency);

// What the export writes for a cell: a plain number for money, else the text shown.
QString exportText(const QTableWidgetItem *item);

} // namespace ReportCells
