// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "cli/outputtable.h"
#include "storage/account.h"
#include "storage/category.h"
#include "storage/transaction.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

class AppState;
class QCommandLineOption;
class QCommandLineParser;

// What every command of the command-line companion shares: parsing with --help and --format,
// the program's state opened on demand, lookups by name, and the way results and errors are
// printed. Exit status: 0 success, 2 usage error, 1 any other failure (one line on standard
// error).
class CommandContext {
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    struct Parsed {
        bool ok = false;
        int exitCode = Success; // when !ok: what the command returns (help is a success)
        OutputTable::Format format = OutputTable::Format::Text;
    };

    // commandName: the command as typed, for help texts ("account add").
    explicit CommandContext(const QString &commandName);
    ~CommandContext();

    // Parses args (the command's own, its name first) into parser; handles --help and, for
    // listings, --format.
    Parsed parse(QCommandLineParser &parser, const QStringList &args, const QString &usage,
                 bool listing);
    // Reads a yyyy-MM-dd option into target when it is set; false (after the usage error is
    // printed) when it cannot be read.
    bool readDate(const QCommandLineParser &parser, const QCommandLineOption &option,
                  QDate *target);

    // Offline commands never touch the credential store; online ones use the program's.
    bool openState(bool online = false);
    AppState *state() const { return m_state.get(); }
    // False when no credential store answered, so a sign-in will not outlive the command.
    bool tokensPersist() const { return m_tokensPersist; }

    // For commands that read a register or a date range through once: SQLite's own small page
    // cache instead of the program's large one, which such a read only fills (slower, and
    // tens of megabytes more) without ever reading a page twice.
    void useSmallPageCache();

    // Keeps the change this run made to the books, if any, for a later "undo" run; says so
    // on standard error when it cannot.
    void keepLastChange();

    std::optional<Account> resolveAccount(const QString &nameOrId);
    // Opens the state when needed and resolves the account, printing the failure when either
    // fails.
    std::optional<Account> requireAccount(const QString &nameOrId);
    // The category of that name, printing the failure when there is none.
    std::optional<Category> requireCategory(const QString &name);
    QHash<QString, Account> accountsById();
    // Rows waiting to be pushed, per table, under the names status prints.
    QList<std::pair<QString, qint64>> pendingCounts();

    int usageError(const QString &message);
    int failure(const QString &message);
    void print(const QByteArray &text);
    // Writes table with the rows source produces, as they come (see OutputTable::stream);
    // false when source failed.
    bool printTable(const OutputTable &table, OutputTable::Format format,
                    const OutputTable::RowSource &source);
    void printLine(const QString &line);

    // Amounts as people type them: an optional sign, an optional currency symbol, digits with
    // optional grouping commas and an optional fraction.
    // A usage error for amount text that cannot be read or lies beyond the limit.
    int amountError(const QString &text);
    // The register's Clr column: "R", "C" or nothing.
    static QString clearedText(const Transaction &transaction);

private:
    QString m_commandName;
    std::unique_ptr<AppState> m_state;
    bool m_tokensPersist = true;
};
