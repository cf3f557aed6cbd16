// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QCoreApplication>
#include <QString>

class QTableWidget;
class QWidget;

// Writes a report table to a CSV file the person chooses, with money as plain numbers.
class ReportExport {
    Q_DECLARE_TR_FUNCTIONS(ReportExport)

public:
    // Asks where to save, suggesting fileName in the documents folder, and writes the table
    // there; says so when the table has no rows or the file cannot be written.
    static void saveTable(QWidget *parent, const QTableWidget *table, const QString &fileName);
};
