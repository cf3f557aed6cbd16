// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commandcontext.h"

#include "account/client.h"
#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "services/undostack.h"
#include "services/undostepstore.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSqlQuery>

#include <cstdio>

CommandContext::CommandContext(const QString &commandName)
    : m_commandName(commandName) {}

CommandContext::~CommandContext() = default;

CommandContext::Parsed CommandContext::parse(QCommandLineParser &parser, const QStringList &args,
                                             const QString &usage, bool listing) {
    Parsed result;
    parser.setApplicationDescription(usage);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("Output format: text, csv or json."),
                                    QStringLiteral("format"), QStringLiteral("text"));
    if (listing)
        parser.addOption(format);

    // The parser expects a program name first; the sub-command name plays that part.
    if (!parser.parse(args)) {
        result.exitCode = usageError(parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        // The usage line names the executable; show the sub-command the way people type it.
        QString text = parser.helpText();
        const int usageEnd = text.indexOf(QLatin1String(" [options]"));
        if (text.startsWith(QLatin1String("Usage: ")) && usageEnd > 0)
            text.replace(7, usageEnd - 7, QStringLiteral("quillon-cli ") + m_commandName);
        print(text.toUtf8());
        result.exitCode = Success;
        return result;
    }
    if (listing && !OutputTable::parseFormat(parser.value(format), &result.format)) {
        result.exitCode = usageError(QStringLiteral("unknown format \"%1\" (use text, csv or json)")
                                         .arg(parser.value(format)));
        return result;
    }
    result.ok = true;
    return result;
}

bool CommandContext::readDate(const QCommandLineParser &parser, const QCommandLineOption &option,
                              QDate *target) {
    if (!parser.isSet(option))
        return true;
    *target = QDate::fromString(parser.value(option), QStringLiteral("yyyy-MM-dd"));
    if (target->isValid())
        return true;
    usageError(
        QStringLiteral("cannot read the date \"%1\" (use yyyy-MM-dd)").arg(parser.value(option)));
    return false;
}

bool CommandContext::openState(bool online) {
    if (m_state)
        return true;
    m_state = std::make_unique<AppState>();
    if (online) {
        auto store = TindAccount::Client::createPlatformTokenStore(
            AppState::clientConfigFromEnvironment().appId);
        m_tokensPersist = !dynamic_cast<TindAccount::MemoryTokenStore *>(store.get());
        m_state->setTokenStore(std::move(store));
    } else {
        m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    }
    if (!m_state->initialize()) {
        const QString reason = m_state->database() ? m_state->database()->lastError() : QString();
        failure(
            reason.isEmpty()
                ? QStringLiteral("Cannot open the database in %1").arg(Database::dataDirectory())
                : reason);
        return false;
    }
    return true;
}

void CommandContext::useSmallPageCache() {
    if (!m_state || !m_state->database())
        return;
    QSqlQuery query(m_state->database()->connection());
    query.exec(QStringLiteral("PRAGMA cache_size=-2000"));
}

void CommandContext::keepLastChange() {
    if (!m_state || !m_state->undoStack() || !m_state->undoStack()->canUndo())
        return;
    UndoStepStore store(m_state->database(), m_state->undoStack());
    if (!store.save())
        std::fprintf(stderr, "quillon-cli: warning: the change was made, but \"undo\" will not "
                             "be able to take it back\n");
}

std::optional<Account> CommandContext::resolveAccount(const QString &nameOrId) {
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    for (const Account &account : accounts) {
        if (account.id == nameOrId)
            return account;
    }
    for (const Account &account : accounts) {
        if (account.name == nameOrId)
            return account;
    }
    return std::nullopt;
}

std::optional<Account> CommandContext::requireAccount(const QString &nameOrId) {
    if (!openState())
        return std::nullopt;
    std::optional<Account> account = resolveAccount(nameOrId);
    if (!account)
        failure(QStringLiteral("Unknown account \"%1\"").arg(nameOrId));
    return account;
}

std::optional<Category> CommandContext::requireCategory(const QString &name) {
    std::optional<Category> category = m_state->categoryRepository()->findByName(name);
    if (!category)
        failure(QStringLiteral("Unknown category \"%1\"").arg(name));
    return category;
}

QHash<QString, Account> CommandContext::accountsById() {
    QHash<QString, Account> accounts;
    for (const Account &account : m_state->accountRepository()->findAll())
        accounts.insert(account.id, account);
    return accounts;
}

QList<std::pair<QString, qint64>> CommandContext::pendingCounts() {
    return {
        {QStringLiteral("pending_accounts"), m_state->accountRepository()->findPending().size()},
        {QStringLiteral("pending_categories"), m_state->categoryRepository()->findPending().size()},
        {QStringLiteral("pending_transactions"),
         m_state->transactionRepository()->findPending().size()},
        {QStringLiteral("pending_recurring_transactions"),
         m_state->recurringRepository()->findPending().size()},
        {QStringLiteral("pending_reconciliations"),
         m_state->reconciliationRepository()->findPending().size()}};
}

int CommandContext::usageError(const QString &message) {
    std::fprintf(stderr, "quillon-cli: %s\n", message.toLocal8Bit().constData());
    return UsageError;
}

int CommandContext::failure(const QString &message) {
    std::fprintf(stderr, "quillon-cli: %s\n", message.toLocal8Bit().constData());
    return Failure;
}

void CommandContext::print(const QByteArray &text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

bool CommandContext::printTable(const OutputTable &table, OutputTable::Format format,
                                const OutputTable::RowSource &source) {
    return table.stream(format, source, [this](const QByteArray &text) { print(text); });
}

void CommandContext::printLine(const QString &line) {
    print(line.toUtf8() + '\n');
}

int CommandContext::amountError(const QString &text) {
    return usageError(QStringLiteral("cannot read the amount \"%1\" (a number such as 1,234.56, "
                                     "at most 1,000,000,000,000.00)")
                          .arg(text));
}

QString CommandContext::clearedText(const Transaction &t) {
    if (t.reconciled)
        return QStringLiteral("R");
    if (t.cleared)
        return QStringLiteral("C");
    return QString();
}
