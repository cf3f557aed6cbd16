// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reports/reportexport.h"

#include "services/reportservice.h"
#include "ui/common/errorbox.h"
#include "ui/common/modalrunner.h"
#include "ui/reports/reportcells.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>

void ReportExport::saveTable(QWidget *parent, const QTableWidget *table, const QString &fileName) {
    if (table->rowCount() == 0) {
        QMessageBox box(QMessageBox::Information, tr("Export CSV"),
                        tr("There is nothing to export: this report has no rows for the "
                           "chosen account and period."),
                        QMessageBox::Ok, parent);
        box.setAccessibleName(tr("Export CSV"));
        ModalRunner::exec(&box);
        return;
    }

    const QString suggested
        = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
              .filePath(fileName);
    QFileDialog dialog(parent, tr("Export CSV"), suggested, tr("CSV Files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(suggested);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty())
        return;

    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->horizontalHeaderItem(c)->text();
    QList<QStringList> rows;
    rows.reserve(table->rowCount());
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << ReportCells::exportText(table->item(r, c));
        rows << cells;
    }
    const QByteArray bytes = ReportService::toCsv(headers, rows).toUtf8();

    // All or nothing: the file appears only once every byte is on disk.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Text)
                         && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        ErrorBox::show(parent, tr("Export CSV"),
                       tr("The report could not be saved to %1: %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()),
                       tr("No file was written; a file already there is unchanged."));
    }
}
