// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"
#include "cli/progressprinter.h"

#include "app/appstate.h"
#include "services/backupservice.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>

int Commands::backup(CommandContext &context, const QStringList &args) {
    const QString action = args.value(1);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The ZIP backup."));
    const QCommandLineOption mode(QStringLiteral("mode"),
                                  QStringLiteral("import: replace, keep-newer or skip."),
                                  QStringLiteral("mode"));
    if (action == QLatin1String("import"))
        parser.addOption(mode);
    const CommandContext::Parsed parsed
        = context.parse(parser, args.mid(1),
                        QStringLiteral("Backups: backup export FILE | backup import FILE "
                                       "--mode replace|keep-newer|skip."),
                        false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (action != QLatin1String("export") && action != QLatin1String("import"))
        return context.usageError(
            QStringLiteral("use: backup export FILE | backup import FILE --mode M"));
    if (parser.positionalArguments().size() != 1)
        return context.usageError(QStringLiteral("backup %1 needs one file").arg(action));
    const QString file = parser.positionalArguments().first();

    if (action == QLatin1String("export")) {
        if (!context.openState())
            return CommandContext::Failure;
        QString error;
        BackupService *service = context.state()->backupService();
        ProgressPrinter progress(QStringLiteral("Exporting"));
        const QMetaObject::Connection shown
            = QObject::connect(service, &BackupService::progressed,
                               [&progress](qint64 rows) { progress.update(rows); });
        const QByteArray archive = service->exportBackup(&error);
        QObject::disconnect(shown);
        progress.finish();
        if (archive.isEmpty())
            return context.failure(QStringLiteral("Could not build the backup: %1").arg(error));
        // Written to a temporary file and renamed, so a failure never leaves half a backup.
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(archive) != archive.size()
            || !out.commit())
            return context.failure(
                QStringLiteral("Cannot write %1: %2").arg(file, out.errorString()));
        context.printLine(
            QStringLiteral("Backup written to %1 (%2 bytes)").arg(file).arg(archive.size()));
        return CommandContext::Success;
    }

    BackupImportMode importMode;
    const QString modeText = parser.value(mode);
    if (modeText == QLatin1String("replace"))
        importMode = BackupImportMode::Overwrite;
    else if (modeText == QLatin1String("keep-newer"))
        importMode = BackupImportMode::KeepNewer;
    else if (modeText == QLatin1String("skip"))
        importMode = BackupImportMode::SkipExisting;
    else
        return context.usageError(
            QStringLiteral("backup import needs --mode replace, keep-newer or skip"));

    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return context.failure(QStringLiteral("Cannot read %1: %2").arg(file, in.errorString()));
    const QByteArray archive = in.readAll();
    if (!context.openState())
        return CommandContext::Failure;
    BackupService *service = context.state()->backupService();
    ProgressPrinter progress(QStringLiteral("Restoring"));
    const QMetaObject::Connection shown = QObject::connect(
        service, &BackupService::progressed, [&progress](qint64 rows) { progress.update(rows); });
    const BackupImportResult result = service->importBackup(archive, importMode);
    QObject::disconnect(shown);
    progress.finish();

    OutputTable table({{QStringLiteral("Table"), QStringLiteral("table")},
                       {QStringLiteral("Imported"), QStringLiteral("imported")},
                       {QStringLiteral("Skipped"), QStringLiteral("skipped")},
                       {QStringLiteral("Failed"), QStringLiteral("failed")},
                       {QStringLiteral("Unknown columns"), QStringLiteral("unknown_columns")}});
    const std::pair<const char *, BackupImportResult::Counts> counts[]
        = {{"accounts", result.accounts},
           {"categories", result.categories},
           {"transactions", result.transactions},
           {"split_lines", result.splitLines},
           {"recurring_transactions", result.recurring},
           {"reconciliations", result.reconciliations},
           {"import_rules", result.importRules},
           {"budgets", result.budgets}};
    int unknownRows = 0;
    for (const auto &[name, count] : counts) {
        table.addRow({OutputTable::Cell::plain(QString::fromLatin1(name)),
                      OutputTable::Cell::number(count.imported),
                      OutputTable::Cell::number(count.skipped),
                      OutputTable::Cell::number(count.failed),
                      OutputTable::Cell::number(count.unknownColumns)});
        unknownRows += count.unknownColumns;
    }
    if (result.completed)
        context.print(table.render(OutputTable::Format::Text));
    for (const QString &error : result.errors)
        context.printLine(QStringLiteral("error: %1").arg(error));
    if (unknownRows > 0)
        context.printLine(
            QStringLiteral("Skipped %1 row(s) with columns this version does not know (%2): the "
                           "backup comes from a newer version of Tindral Quillon.")
                .arg(unknownRows)
                .arg(result.unknownColumnNames.join(QLatin1String(", "))));
    if (!result.completed)
        return context.failure(QStringLiteral("Nothing was restored"));
    // Rows left out are data the user does not have back: not a success.
    if (!result.errors.isEmpty())
        return context.failure(
            QStringLiteral("The backup had %1 error(s)").arg(result.errors.size()));
    if (unknownRows > 0)
        return context.failure(QStringLiteral("Not every row was restored"));
    return CommandContext::Success;
}
