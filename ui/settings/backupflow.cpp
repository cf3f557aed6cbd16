// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/backupflow.h"

#include "app/appstate.h"
#include "services/backupimportmode.h"
#include "services/backupimportresult.h"
#include "services/backupservice.h"
#include "ui/common/backgroundjob.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QSaveFile>

#include <utility>

namespace BackupFlow {

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("BackupFlow", text, disambiguation, n);
}

FileChooser &saveChooser() {
    static FileChooser chooser;
    return chooser;
}

FileChooser &openChooser() {
    static FileChooser chooser;
    return chooser;
}

// The merge mode, or nothing when the user backed out.
std::optional<BackupImportMode> askMode(QWidget *parent) {
    const std::pair<QString, BackupImportMode> modes[] = {
        {tr("Replace all with backup data"), BackupImportMode::Overwrite},
        {tr("Keep newer (compare timestamps)"), BackupImportMode::KeepNewer},
        {tr("Skip existing items"), BackupImportMode::SkipExisting},
    };
    QStringList items;
    for (const auto &mode : modes)
        items << mode.first;
    QInputDialog dialog(parent);
    dialog.setWindowTitle(tr("Import Mode"));
    dialog.setAccessibleName(tr("Import Mode"));
    dialog.setLabelText(tr("How should existing data be handled?"));
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.first());
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    for (const auto &mode : modes) {
        if (mode.first == dialog.textValue())
            return mode.second;
    }
    return std::nullopt;
}

// Replacing overwrites changes made since the backup: the user says so before it happens.
bool confirmReplace(QWidget *parent) {
    return MessageBoxes::askWarning(
        parent, tr("Replace Existing Data"),
        tr("Every record in the backup replaces the record of the same id here, "
           "including changes made since the backup was written. Records that are "
           "not in the backup are kept.\n\nContinue?"));
}

int sum(const BackupImportResult &result, int BackupImportResult::Counts::*count) {
    return result.accounts.*count + result.categories.*count + result.transactions.*count
           + result.splitLines.*count + result.recurring.*count + result.reconciliations.*count
           + result.importRules.*count;
}

} // namespace

void setSaveFileChooser(FileChooser chooser) {
    saveChooser() = std::move(chooser);
}

void setOpenFileChooser(FileChooser chooser) {
    openChooser() = std::move(chooser);
}

bool exportBackup(QWidget *parent, AppState *state) {
    const QString title = tr("Export Backup");
    const QString proposed
        = QStringLiteral("quillon-backup-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate));
    const QString filter = tr("ZIP Files (*.zip)");
    const QString path = saveChooser()
                             ? saveChooser()(parent, title, proposed, filter)
                             : QFileDialog::getSaveFileName(parent, title, proposed, filter);
    if (path.isEmpty())
        return false;
    return exportBackupTo(parent, state, path);
}

bool exportBackupTo(QWidget *parent, AppState *state, const QString &path) {
    QString buildError;
    QString writeError;
    const BackgroundJob::Outcome outcome = BackgroundJob::run(
        parent, state, tr("Export Backup"), tr("Exporting backup..."),
        [&](BackgroundJob::Context &context) {
            BackupService service(context.database());
            service.setCancelCheck([&context] { return context.isCancelled(); });
            QObject::connect(&service, &BackupService::progressed,
                             [&context](qint64 rows) { context.setProgress(rows); });
            const QByteArray archive = service.exportBackup(&buildError);
            if (archive.isEmpty())
                return false;
            // Written beside the target and renamed over it only when complete, so that a
            // failure never leaves half an archive (nor spoils an older backup of that name).
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size()) {
                writeError = file.errorString();
                return false;
            }
            if (context.isCancelled()) {
                file.cancelWriting();
                return false;
            }
            if (!file.commit()) {
                writeError = file.errorString();
                return false;
            }
            return true;
        });

    switch (outcome) {
    case BackgroundJob::Outcome::Succeeded:
        MessageBoxes::inform(parent, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
        return true;
    case BackgroundJob::Outcome::Cancelled:
        return false;
    case BackgroundJob::Outcome::Failed:
        break;
    }
    QString text;
    if (!writeError.isEmpty())
        text = tr("Could not write to:\n%1\n\n%2").arg(path, writeError);
    else if (!buildError.isEmpty())
        text = tr("The backup could not be made: %1").arg(buildError);
    else
        text = tr("The database could not be opened for the backup.");
    ErrorBox::show(parent, tr("Backup Failed"), text, tr("No backup file was written."));
    return false;
}

bool importBackup(QWidget *parent, AppState *state) {
    const QString title = tr("Import Backup");
    const QString filter = tr("ZIP Files (*.zip)");
    const QString path = openChooser()
                             ? openChooser()(parent, title, QString(), filter)
                             : QFileDialog::getOpenFileName(parent, title, QString(), filter);
    if (path.isEmpty())
        return false;
    return importBackupFrom(parent, state, path);
}

bool importBackupFrom(QWidget *parent, AppState *state, const QString &path) {
    const std::optional<BackupImportMode> mode = askMode(parent);
    if (!mode)
        return false;
    if (*mode == BackupImportMode::Overwrite && !confirmReplace(parent))
        return false;
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) {
            MessageBoxes::warn(parent, tr("Import Failed"), tr("Could not read file."));
            return false;
        }
    }

    BackupImportResult result;
    bool readFailed = false;
    const BackgroundJob::Outcome outcome = BackgroundJob::run(
        parent, state, tr("Import Backup"), tr("Restoring backup..."),
        [&](BackgroundJob::Context &context) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                readFailed = true;
                return false;
            }
            const QByteArray archive = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                readFailed = true;
                return false;
            }
            BackupService service(context.database());
            service.setCancelCheck([&context] { return context.isCancelled(); });
            QObject::connect(&service, &BackupService::progressed,
                             [&context](qint64 rows) { context.setProgress(rows); });
            result = service.importBackup(archive, *mode);
            return result.completed;
        });

    switch (outcome) {
    case BackgroundJob::Outcome::Cancelled:
        return false;
    case BackgroundJob::Outcome::Failed: {
        if (readFailed) {
            MessageBoxes::warn(parent, tr("Import Failed"), tr("Could not read file."));
            return false;
        }
        const QString reason = result.errors.isEmpty()
                                   ? tr("The database could not be opened for the restore.")
                                   : result.errors.first();
        ErrorBox::show(parent, tr("Import Failed"), reason, tr("Nothing was restored."));
        return false;
    }
    case BackgroundJob::Outcome::Succeeded:
        break;
    }

    QString text = tr("Imported %1 items, skipped %2.")
                       .arg(sum(result, &BackupImportResult::Counts::imported))
                       .arg(sum(result, &BackupImportResult::Counts::skipped));
    if (!result.errors.isEmpty())
        text += QStringLiteral("\n\n")
                + tr("%n error(s) occurred.", nullptr, int(result.errors.size()));
    const int newer = sum(result, &BackupImportResult::Counts::unknownColumns);
    if (newer > 0)
        text += QStringLiteral("\n\n")
                + tr("%n row(s) were left out: they come from a newer version of Tindral "
                     "Quillon.",
                     nullptr, newer);
    MessageBoxes::inform(parent, tr("Import Complete"), text);
    return true;
}

} // namespace BackupFlow
