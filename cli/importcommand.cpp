// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"
#include "cli/progressprinter.h"

#include "app/appstate.h"
#include "services/importservice.h"
#include "storage/money.h"

#include <QCommandLineParser>
#include <QFile>

int Commands::import(CommandContext &context, const QStringList &args) {
    const QString kind = args.value(1);
    const bool csv = kind == QLatin1String("csv");
    // OFX, QFX and CAMT.053 are told apart by their content; the word only says "a bank
    // statement file".
    const bool bank = kind == QLatin1String("ofx") || kind == QLatin1String("qfx")
                      || kind == QLatin1String("camt");
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The file to import."));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Account to import into (name or id)."),
                                     QStringLiteral("account"));
    const QCommandLineOption dateColumn(QStringLiteral("date-column"),
                                        QStringLiteral("Column of the date (from 0)."),
                                        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption payeeColumn(QStringLiteral("payee-column"),
                                         QStringLiteral("Column of the payee."),
                                         QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption amountColumn(QStringLiteral("amount-column"),
                                          QStringLiteral("Column of the signed amount."),
                                          QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption memoColumn(QStringLiteral("memo-column"),
                                        QStringLiteral("Column of the memo."), QStringLiteral("n"));
    const QCommandLineOption categoryColumn(QStringLiteral("category-column"),
                                            QStringLiteral("Column of the category name."),
                                            QStringLiteral("n"));
    const QCommandLineOption noHeader(QStringLiteral("no-header"),
                                      QStringLiteral("The first line is data, not a header."));
    const QCommandLineOption dateFormat(QStringLiteral("date-format"),
                                        QStringLiteral("Date format of the file (Qt notation)."),
                                        QStringLiteral("format"), QStringLiteral("MM/dd/yyyy"));
    parser.addOption(account);
    if (csv)
        parser.addOptions({dateColumn, payeeColumn, amountColumn, memoColumn, categoryColumn,
                           noHeader, dateFormat});
    const CommandContext::Parsed parsed
        = context.parse(parser, args.mid(1),
                        QStringLiteral("Import a bank file: import csv FILE --account A "
                                       "[mapping options] | import qif|ofx|qfx|camt FILE "
                                       "--account A."),
                        false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!csv && !bank && kind != QLatin1String("qif"))
        return context.usageError(QStringLiteral(
            "use: import csv FILE --account A | import qif|ofx|qfx|camt FILE --account A"));
    if (parser.positionalArguments().size() != 1)
        return context.usageError(QStringLiteral("import %1 needs one file").arg(kind));
    if (!parser.isSet(account))
        return context.usageError(QStringLiteral("import %1 needs --account").arg(kind));

    CsvMapping mapping;
    if (csv) {
        const auto column = [&](const QCommandLineOption &option, int *target) {
            if (!parser.isSet(option) && option.defaultValues().isEmpty())
                return true;
            bool ok = false;
            const int value = parser.value(option).toInt(&ok);
            if (!ok || value < 0)
                return false;
            *target = value;
            return true;
        };
        for (const auto &[option, target] : {std::pair{&dateColumn, &mapping.dateColumn},
                                             std::pair{&payeeColumn, &mapping.payeeColumn},
                                             std::pair{&amountColumn, &mapping.amountColumn},
                                             std::pair{&memoColumn, &mapping.memoColumn},
                                             std::pair{&categoryColumn, &mapping.categoryColumn}}) {
            if (!column(*option, target))
                return context.usageError(QStringLiteral("--%1 needs a column number from 0")
                                              .arg(option->names().constFirst()));
        }
        mapping.hasHeader = !parser.isSet(noHeader);
        mapping.dateFormat = parser.value(dateFormat);
    }

    const QString file = parser.positionalArguments().first();
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly))
        return context.failure(QStringLiteral("Cannot read %1: %2").arg(file, probe.errorString()));
    probe.close();

    const std::optional<Account> target = context.requireAccount(parser.value(account));
    if (!target)
        return CommandContext::Failure;

    ImportService *service = context.state()->importService();
    ProgressPrinter progress(QStringLiteral("Importing"));
    const QMetaObject::Connection shown = QObject::connect(
        service, &ImportService::progressed, [&progress](qint64 rows) { progress.update(rows); });
    mapping.currency = target->currency;
    const ImportResult result = csv    ? service->importCsv(file, target->id, mapping)
                                : bank ? service->importBankFile(file, target->id)
                                       : service->importQif(file, target->id, target->currency);
    QObject::disconnect(shown);
    progress.finish();
    if (!result.error.isEmpty())
        return context.failure(QStringLiteral("Import failed: %1").arg(result.error));
    QString line = QStringLiteral("Imported %1, duplicates %2, failed %3")
                       .arg(result.imported)
                       .arg(result.duplicates)
                       .arg(result.failed);
    if (result.transfers > 0)
        line += QStringLiteral(", linked as transfers %1").arg(result.transfers);
    context.printLine(line);
    for (const BankStatement &statement : result.statements) {
        if (statement.ledgerBalance.isEmpty())
            continue;
        const std::optional<qint64> balance
            = tryParseAmount(statement.ledgerBalance, target->currency);
        context.printLine(
            QStringLiteral("Statement %1: ledger balance %2 on %3")
                .arg(statement.maskedAccountNumber(),
                     balance ? formatMoney(*balance, target->currency) : statement.ledgerBalance,
                     statement.balanceDate.toString(Qt::ISODate)));
    }
    return CommandContext::Success;
}
