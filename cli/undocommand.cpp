// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "app/appstate.h"
#include "services/undostack.h"
#include "services/undostepstore.h"
#include "storage/transactionscope.h"

#include <QCommandLineParser>

int Commands::undo(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const CommandContext::Parsed parsed = context.parse(
        parser, args,
        QStringLiteral("Take back the last change this command line made to the books."), false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!parser.positionalArguments().isEmpty())
        return context.usageError(QStringLiteral("undo takes no arguments"));
    if (!context.openState())
        return CommandContext::Failure;

    AppState *state = context.state();
    UndoStack *history = state->undoStack();
    UndoStepStore store(state->database(), history);
    QString error;
    const std::optional<UndoStep> step = store.restore(&error);
    if (!step)
        return context.failure(error.isEmpty() ? QStringLiteral("Nothing to undo") : error);
    // The step is forgotten with the undo or not at all: undoing twice must not be possible,
    // and a refused undo stays there to be tried again.
    TransactionScope scope(state->database());
    if (!scope.isOpen())
        return context.failure(QStringLiteral("The database could not be written"));
    if (!history->undo(&error))
        return context.failure(error);
    if (!store.clear() || !scope.commit())
        return context.failure(QStringLiteral("The database could not be written"));
    context.printLine(QStringLiteral("Undone: %1").arg(step->label));
    return CommandContext::Success;
}
