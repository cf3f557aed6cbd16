// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QStringList>

class CommandContext;

// The commands of the command-line companion, one source file per group. Each takes its own
// arguments, its name first, and returns the exit status; CommandRunner lists them.
namespace Commands {

// accountcommands.cpp
int accounts(CommandContext &context, const QStringList &args);
int account(CommandContext &context, const QStringList &args);
// transactioncommands.cpp
int registerListing(CommandContext &context, const QStringList &args);
int add(CommandContext &context, const QStringList &args);
// searchcommand.cpp
int search(CommandContext &context, const QStringList &args);
// importcommand.cpp
int import(CommandContext &context, const QStringList &args);
// rulecommand.cpp
int rule(CommandContext &context, const QStringList &args);
// reportcommand.cpp
int report(CommandContext &context, const QStringList &args);
// backupcommand.cpp
int backup(CommandContext &context, const QStringList &args);
// recurringcommand.cpp
int recurring(CommandContext &context, const QStringList &args);
// budgetcommand.cpp
int budget(CommandContext &context, const QStringList &args);
// samplecommand.cpp
int sample(CommandContext &context, const QStringList &args);
// undocommand.cpp
int undo(CommandContext &context, const QStringList &args);
// onlinecommands.cpp
int login(CommandContext &context, const QStringList &args);
int status(CommandContext &context, const QStringList &args);
int sync(CommandContext &context, const QStringList &args);
int logout(CommandContext &context, const QStringList &args);

} // namespace Commands
