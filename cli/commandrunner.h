// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "cli/outputtable.h"
#include "storage/account.h"

#include <QCommandLineParser>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class AppState;

// The command-line companion: parses a sub-command and runs it on the same database the
// program uses. Exit status: 0 success, 2 usage error, 1 any other failure (one line on
// standard error).
class CommandRunner {
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    explicit CommandRunner(const QStringList &arguments);
    ~CommandRunner();

    int run();

private:
    struct Parsed {
        bool ok = false;
        int exitCode = Success; // when !ok: what run() returns (help is a success)
        OutputTable::Format format = OutputTable::Format::Text;
    };

    // Parses args (the sub-command's own, the name first) into parser; handles --help and
    // --format.
    Parsed parse(QCommandLineParser &parser, const QStringList &args, const QString &usage,
                 bool listing);

    int commandAccounts(const QStringList &args);
    int commandAccountAdd(const QStringList &args);
    int commandRegister(const QStringList &args);
    int commandAdd(const QStringList &args);
    int commandSearch(const QStringList &args);
    int commandImport(const QStringList &args);
    int commandReport(const QStringList &args);
    int commandBackup(const QStringList &args);
    int commandRecurring(const QStringList &args);
    int commandSample(const QStringList &args);
    int commandLogin(const QStringList &args);
    int commandStatus(const QStringList &args);
    int commandSync(const QStringList &args);
    int commandLogout(const QStringList &args);

    // Offline commands never touch the credential store; online ones use the program's.
    bool openState(bool online = false);
    // Runs the browser sign-in; prints the login URL. Returns Success or Failure.
    int signIn(bool openBrowser, int timeoutSeconds);
    // Waits until the stored session is usable or known to be gone.
    bool waitForSession();
    std::optional<Account> resolveAccount(const QString &nameOrId);
    QHash<QString, Account> accountsById();
    // Rows waiting to be pushed, per table, under the names status prints.
    QList<std::pair<QString, qint64>> pendingCounts();

    int usageError(const QString &message);
    int failure(const QString &message);
    void print(const QByteArray &text);
    void printLine(const QString &line);

    QStringList m_arguments;
    QString m_commandName; // as typed, for help texts: "account add"
    std::unique_ptr<AppState> m_state;
    bool m_tokensPersist = true; // false when no credential store answered
};
