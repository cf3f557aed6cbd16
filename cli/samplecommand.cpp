// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "services/sampledataservice.h"

#include <QCommandLineParser>

int Commands::sample(CommandContext &context, const QStringList &args) {
    const QString action = args.value(1);
    QCommandLineParser parser;
    const CommandContext::Parsed parsed = context.parse(
        parser, args.mid(1),
        QStringLiteral("Load or clear the sample data: sample load | sample clear."), false);
    if (!parsed.ok)
        return parsed.exitCode;
    if ((action != QLatin1String("load") && action != QLatin1String("clear"))
        || !parser.positionalArguments().isEmpty())
        return context.usageError(QStringLiteral("use: sample load | sample clear"));
    if (!context.openState())
        return CommandContext::Failure;
    SampleDataService samples(context.state()->database());
    if (action == QLatin1String("load")) {
        if (samples.hasSampleData())
            return context.failure(QStringLiteral("Sample data is already loaded"));
        if (!samples.loadSampleData())
            return context.failure(QStringLiteral("Could not load the sample data"));
        context.printLine(QStringLiteral("Sample data loaded"));
    } else {
        QStringList kept;
        if (!samples.clearSampleData(&kept))
            return context.failure(QStringLiteral("Could not clear the sample data"));
        context.printLine(QStringLiteral("Sample data cleared"));
        for (const QString &name : std::as_const(kept))
            context.printLine(
                QStringLiteral("Kept account %1: it holds entries of your own").arg(name));
    }
    return CommandContext::Success;
}
