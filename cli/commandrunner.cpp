// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commandrunner.h"

#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "app/appstate.h"
#include "services/accountsharingservice.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/sampledataservice.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/enums.h"
#include "storage/money.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>

#include <cstdio>

namespace {

const char kTopLevelHelp[]
    = "Usage: quillon-cli <command> [options]\n"
      "\n"
      "Works on the same database as Tindral Quillon (QUILLON_DATA_DIR, else the per-user\n"
      "data location). Every command takes --help.\n"
      "\n"
      "Commands:\n"
      "  accounts                      list the accounts with their balances\n"
      "  account add --name N ...      create an account (optionally with an opening balance)\n"
      "  register ACCOUNT              show an account's register with running balances\n"
      "  add ACCOUNT --date D --payee P --amount A ...\n"
      "                                add a transaction (payee \"[Transfer] NAME\" transfers)\n"
      "  import csv FILE --account A   import a CSV bank file\n"
      "  import qif FILE --account A   import a QIF file\n"
      "  search [TEXT] ...             search transactions in every account\n"
      "  report KIND ...               category-spending, payee-summary, tax, cash-flow,\n"
      "                                year-over-year or account-summary\n"
      "  backup export FILE            write a ZIP backup\n"
      "  backup import FILE --mode M   merge a ZIP backup (replace, keep-newer, skip)\n"
      "  recurring list                list the recurring transactions\n"
      "  recurring post-due            post every due auto-post recurring transaction\n"
      "  recurring confirm ID          post one occurrence of a recurring transaction\n"
      "  recurring skip ID             skip one occurrence of a recurring transaction\n"
      "  sample load | sample clear    load or remove the sample data\n"
      "  login [--no-browser]          sign in through the browser (prints the login URL)\n"
      "  status                        sign-in state, sync cursor and pending changes\n"
      "  sync [--login]                push local changes and pull the server's\n"
      "  logout                        sign out and forget the stored tokens\n"
      "\n"
      "Listings take --format text|csv|json (amounts in minor units in CSV and JSON).\n"
      "Exit status: 0 success, 1 failure, 2 usage error.\n";

// Amounts as people type them: an optional sign, an optional currency symbol, digits with
// optional grouping commas and an optional fraction.
bool looksLikeAmount(const QString &text) {
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*-?\\s*[$\\x{20AC}\\x{00A3}\\x{00A5}]?\\s*(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d+)?\\s*$"));
    return pattern.match(text).hasMatch();
}

QDate parseIsoDate(const QString &text) {
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

QString clrText(const Transaction &t) {
    if (t.reconciled)
        return QStringLiteral("R");
    if (t.cleared)
        return QStringLiteral("C");
    return QString();
}

} // namespace

CommandRunner::CommandRunner(const QStringList &arguments)
    : m_arguments(arguments) {}

CommandRunner::~CommandRunner() = default;

int CommandRunner::run() {
    const QStringList args = m_arguments.mid(1);
    if (args.isEmpty())
        return usageError(QStringLiteral("missing command (see quillon-cli --help)"));

    const QString command = args.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help")) {
        print(kTopLevelHelp);
        return Success;
    }
    if (command == QLatin1String("--version")) {
        printLine(QStringLiteral("quillon-cli %1").arg(QCoreApplication::applicationVersion()));
        return Success;
    }

    const QString sub = args.size() > 1 ? args.at(1) : QString();
    m_commandName = command;
    static const QStringList twoWord
        = {QStringLiteral("account"), QStringLiteral("import"),    QStringLiteral("report"),
           QStringLiteral("backup"),  QStringLiteral("recurring"), QStringLiteral("sample")};
    if (twoWord.contains(command) && !sub.isEmpty() && !sub.startsWith(QLatin1Char('-')))
        m_commandName += QLatin1Char(' ') + sub;
    if (command == QLatin1String("accounts"))
        return commandAccounts(args);
    if (command == QLatin1String("account")) {
        if (sub == QLatin1String("add"))
            return commandAccountAdd(args.mid(1));
        return usageError(QStringLiteral("unknown account command (use: account add)"));
    }
    if (command == QLatin1String("register"))
        return commandRegister(args);
    if (command == QLatin1String("add"))
        return commandAdd(args);
    if (command == QLatin1String("search"))
        return commandSearch(args);
    if (command == QLatin1String("import"))
        return commandImport(args);
    if (command == QLatin1String("report"))
        return commandReport(args);
    if (command == QLatin1String("backup"))
        return commandBackup(args);
    if (command == QLatin1String("recurring"))
        return commandRecurring(args);
    if (command == QLatin1String("sample"))
        return commandSample(args);
    if (command == QLatin1String("login"))
        return commandLogin(args);
    if (command == QLatin1String("status"))
        return commandStatus(args);
    if (command == QLatin1String("sync"))
        return commandSync(args);
    if (command == QLatin1String("logout"))
        return commandLogout(args);
    return usageError(
        QStringLiteral("unknown command \"%1\" (see quillon-cli --help)").arg(command));
}

CommandRunner::Parsed CommandRunner::parse(QCommandLineParser &parser, const QStringList &args,
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

bool CommandRunner::openState(bool online) {
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
        failure(QStringLiteral("Cannot open the database in %1").arg(Database::dataDirectory()));
        return false;
    }
    return true;
}

std::optional<Account> CommandRunner::resolveAccount(const QString &nameOrId) {
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

QHash<QString, Account> CommandRunner::accountsById() {
    QHash<QString, Account> accounts;
    for (const Account &account : m_state->accountRepository()->findAll())
        accounts.insert(account.id, account);
    return accounts;
}

QList<std::pair<QString, qint64>> CommandRunner::pendingCounts() {
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

int CommandRunner::usageError(const QString &message) {
    std::fprintf(stderr, "quillon-cli: %s\n", message.toLocal8Bit().constData());
    return UsageError;
}

int CommandRunner::failure(const QString &message) {
    std::fprintf(stderr, "quillon-cli: %s\n", message.toLocal8Bit().constData());
    return Failure;
}

void CommandRunner::print(const QByteArray &text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

void CommandRunner::printLine(const QString &line) {
    print(line.toUtf8() + '\n');
}

int CommandRunner::commandAccounts(const QStringList &args) {
    QCommandLineParser parser;
    const Parsed parsed
        = parse(parser, args, QStringLiteral("List the live accounts in sidebar order."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("accounts takes no arguments"));
    if (!openState())
        return Failure;

    OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                       {QStringLiteral("Name"), QStringLiteral("name")},
                       {QStringLiteral("Type"), QStringLiteral("type")},
                       {QStringLiteral("Currency"), QStringLiteral("currency")},
                       {QStringLiteral("Balance"), QStringLiteral("balance")}});
    const QHash<QString, qint64> balances = m_state->accountRepository()->balances();
    for (const Account &account : m_state->accountRepository()->findAll()) {
        table.addRow({OutputTable::Cell::plain(account.id), OutputTable::Cell::plain(account.name),
                      OutputTable::Cell::plain(accountTypeToString(account.type)),
                      OutputTable::Cell::plain(currencyToString(account.currency)),
                      OutputTable::Cell::money(balances.value(account.id, account.startingBalance),
                                               account.currency)});
    }
    print(table.render(parsed.format));
    return Success;
}

int CommandRunner::commandAccountAdd(const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Account name."),
                                  QStringLiteral("name"));
    const QCommandLineOption type(
        QStringLiteral("type"),
        QStringLiteral("checking, savings, credit_card, cash, investment or other."),
        QStringLiteral("type"), QStringLiteral("checking"));
    const QCommandLineOption currency(QStringLiteral("currency"),
                                      QStringLiteral("USD, EUR, GBP, CAD, AUD or JPY."),
                                      QStringLiteral("code"), QStringLiteral("USD"));
    const QCommandLineOption opening(QStringLiteral("opening"),
                                     QStringLiteral("Opening balance (e.g. 1,250.00)."),
                                     QStringLiteral("amount"));
    const QCommandLineOption asOf(QStringLiteral("as-of"),
                                  QStringLiteral("Date of the opening balance (yyyy-MM-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption institution(QStringLiteral("institution"),
                                         QStringLiteral("Bank or institution."),
                                         QStringLiteral("text"));
    const QCommandLineOption last4(QStringLiteral("last4"),
                                   QStringLiteral("Last digits of the account number."),
                                   QStringLiteral("digits"));
    parser.addOptions({name, type, currency, opening, asOf, institution, last4});
    const Parsed parsed = parse(parser, args, QStringLiteral("Create an account."), true);
    if (!parsed.ok)
        return parsed.exitCode;

    const QString accountName = parser.value(name).trimmed();
    if (accountName.isEmpty())
        return usageError(QStringLiteral("account add needs --name"));
    const QString typeText = parser.value(type);
    if (accountTypeToString(accountTypeFromString(typeText)) != typeText)
        return usageError(QStringLiteral("unknown account type \"%1\"").arg(typeText));
    const QString currencyText = parser.value(currency);
    if (currencyToString(currencyFromString(currencyText)) != currencyText)
        return usageError(QStringLiteral("unknown currency \"%1\"").arg(currencyText));
    Account account;
    account.name = accountName;
    account.type = accountTypeFromString(typeText);
    account.currency = currencyFromString(currencyText);
    account.institution = parser.value(institution);
    account.accountNumberLast4 = parser.value(last4);

    qint64 openingAmount = 0;
    if (parser.isSet(opening)) {
        if (!looksLikeAmount(parser.value(opening)))
            return usageError(
                QStringLiteral("cannot read the amount \"%1\"").arg(parser.value(opening)));
        openingAmount = parseAmount(parser.value(opening), account.currency);
    }
    QDate openingDate = QDate::currentDate();
    if (parser.isSet(asOf)) {
        openingDate = parseIsoDate(parser.value(asOf));
        if (!openingDate.isValid())
            return usageError(QStringLiteral("cannot read the date \"%1\" (use yyyy-MM-dd)")
                                  .arg(parser.value(asOf)));
    }

    if (!openState())
        return Failure;
    // Keep the sidebar order: a new account goes last.
    int sortOrder = 0;
    for (const Account &existing : m_state->accountRepository()->findAll())
        sortOrder = qMax(sortOrder, existing.sortOrder + 1);
    account.sortOrder = sortOrder;

    LedgerWriter &writer = *m_state->ledger();
    if (!writer.createAccount(account, openingAmount, openingDate))
        return failure(QStringLiteral("Could not create the account"));

    const std::optional<Account> created = resolveAccount(accountName);
    OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                       {QStringLiteral("Name"), QStringLiteral("name")},
                       {QStringLiteral("Balance"), QStringLiteral("balance")}});
    if (created) {
        table.addRow({OutputTable::Cell::plain(created->id),
                      OutputTable::Cell::plain(created->name),
                      OutputTable::Cell::money(openingAmount, created->currency)});
    }
    print(table.render(parsed.format));
    return Success;
}

int CommandRunner::commandRegister(const QStringList &args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("account"), QStringLiteral("Account name or id."));
    const Parsed parsed
        = parse(parser, args, QStringLiteral("Show an account's register, oldest first."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("register needs one account"));
    if (!openState())
        return Failure;
    const std::optional<Account> account = resolveAccount(parser.positionalArguments().first());
    if (!account)
        return failure(
            QStringLiteral("Unknown account \"%1\"").arg(parser.positionalArguments().first()));

    OutputTable table({{QStringLiteral("Date"), QStringLiteral("date")},
                       {QStringLiteral("Num"), QStringLiteral("check_number")},
                       {QStringLiteral("Payee"), QStringLiteral("payee")},
                       {QStringLiteral("Category"), QStringLiteral("category")},
                       {QStringLiteral("Memo"), QStringLiteral("memo")},
                       {QStringLiteral("Payment"), QStringLiteral("payment")},
                       {QStringLiteral("Deposit"), QStringLiteral("deposit")},
                       {QStringLiteral("Clr"), QStringLiteral("clr")},
                       {QStringLiteral("Balance"), QStringLiteral("balance")}});
    const auto amountCell = [&](qint64 amount) {
        OutputTable::Cell cell = OutputTable::Cell::money(amount, account->currency);
        if (amount == 0)
            cell = OutputTable::Cell{QString(), QJsonValue(qint64(0)), true};
        return cell;
    };
    for (const RegisterRow &row : m_state->transactionRepository()->registerRows(account->id)) {
        const Transaction &t = row.transaction;
        table.addRow({OutputTable::Cell::plain(Timestamps::dateToText(t.date)),
                      OutputTable::Cell::plain(t.checkNumber), OutputTable::Cell::plain(t.payee),
                      OutputTable::Cell::plain(row.categoryName), OutputTable::Cell::plain(t.memo),
                      amountCell(t.amount < 0 ? -t.amount : 0),
                      amountCell(t.amount > 0 ? t.amount : 0), OutputTable::Cell::plain(clrText(t)),
                      OutputTable::Cell::money(row.runningBalance, account->currency)});
    }
    print(table.render(parsed.format));
    return Success;
}

int CommandRunner::commandAdd(const QStringList &args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("account"), QStringLiteral("Account name or id."));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("Date (yyyy-MM-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption payee(
        QStringLiteral("payee"),
        QStringLiteral("Payee; \"[Transfer] NAME\" transfers to the account NAME."),
        QStringLiteral("payee"));
    const QCommandLineOption amount(QStringLiteral("amount"),
                                    QStringLiteral("Signed amount: negative is a payment."),
                                    QStringLiteral("amount"));
    const QCommandLineOption category(QStringLiteral("category"), QStringLiteral("Category name."),
                                      QStringLiteral("name"));
    const QCommandLineOption memo(QStringLiteral("memo"), QStringLiteral("Memo."),
                                  QStringLiteral("text"));
    const QCommandLineOption check(QStringLiteral("check"), QStringLiteral("Check number."),
                                   QStringLiteral("number"));
    const QCommandLineOption cleared(QStringLiteral("cleared"), QStringLiteral("Mark cleared."));
    const QCommandLineOption reconciled(QStringLiteral("reconciled"),
                                        QStringLiteral("Mark cleared and reconciled."));
    parser.addOptions({date, payee, amount, category, memo, check, cleared, reconciled});
    const Parsed parsed = parse(parser, args, QStringLiteral("Add one transaction."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("add needs one account"));
    if (!parser.isSet(date) || !parser.isSet(payee) || !parser.isSet(amount))
        return usageError(QStringLiteral("add needs --date, --payee and --amount"));
    if (parser.isSet(cleared) && parser.isSet(reconciled))
        return usageError(QStringLiteral("use either --cleared or --reconciled"));
    const QDate when = parseIsoDate(parser.value(date));
    if (!when.isValid())
        return usageError(
            QStringLiteral("cannot read the date \"%1\" (use yyyy-MM-dd)").arg(parser.value(date)));
    const QString payeeText = parser.value(payee).trimmed();
    if (payeeText.isEmpty())
        return usageError(QStringLiteral("Payee is required"));
    if (!looksLikeAmount(parser.value(amount)))
        return usageError(
            QStringLiteral("cannot read the amount \"%1\"").arg(parser.value(amount)));

    if (!openState())
        return Failure;
    const std::optional<Account> account = resolveAccount(parser.positionalArguments().first());
    if (!account)
        return failure(
            QStringLiteral("Unknown account \"%1\"").arg(parser.positionalArguments().first()));

    Transaction t;
    t.accountId = account->id;
    t.date = when;
    t.payee = payeeText;
    t.amount = parseAmount(parser.value(amount), account->currency);
    t.memo = parser.value(memo).trimmed();
    t.checkNumber = parser.value(check).trimmed();
    t.reconciled = parser.isSet(reconciled);
    t.cleared = parser.isSet(cleared) || t.reconciled;
    if (parser.isSet(category)) {
        const std::optional<Category> found
            = m_state->categoryRepository()->findByName(parser.value(category));
        if (!found)
            return failure(QStringLiteral("Unknown category \"%1\"").arg(parser.value(category)));
        t.categoryId = found->id;
    }

    LedgerWriter &writer = *m_state->ledger();
    switch (writer.addTransaction(t)) {
    case LedgerWriter::Result::Ok:
        break;
    case LedgerWriter::Result::TransferAccountNotFound:
        return failure(QStringLiteral("Transfer account not found"));
    case LedgerWriter::Result::TransferToSameAccount:
        return failure(QStringLiteral("A transfer needs another account"));
    case LedgerWriter::Result::NotFound:
    case LedgerWriter::Result::Failed:
        return failure(QStringLiteral("Could not save the transaction"));
    }
    printLine(QStringLiteral("Added %1 %2 to %3")
                  .arg(formatMoney(t.amount, account->currency), Timestamps::dateToText(when),
                       account->name));
    return Success;
}

int CommandRunner::commandSearch(const QStringList &args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("text"),
                                 QStringLiteral("Words to find (full-text; word* for prefixes)."),
                                 QStringLiteral("[text]"));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Only this account (name or id)."),
                                     QStringLiteral("account"));
    const QCommandLineOption category(QStringLiteral("category"),
                                      QStringLiteral("Only this category (name)."),
                                      QStringLiteral("name"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("From date (yyyy-MM-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("To date (yyyy-MM-dd)."),
                                QStringLiteral("date"));
    const QCommandLineOption cleared(QStringLiteral("cleared"),
                                     QStringLiteral("Only cleared transactions."));
    parser.addOptions({account, category, from, to, cleared});
    const Parsed parsed
        = parse(parser, args, QStringLiteral("Search transactions in every account."), true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.positionalArguments().size() > 1)
        return usageError(QStringLiteral("search takes at most one text (quote several words)"));

    SearchFilter filter;
    for (const auto &[option, target] :
         {std::pair{&from, &filter.fromDate}, std::pair{&to, &filter.toDate}}) {
        if (parser.isSet(*option)) {
            *target = parseIsoDate(parser.value(*option));
            if (!target->isValid())
                return usageError(QStringLiteral("cannot read the date \"%1\" (use yyyy-MM-dd)")
                                      .arg(parser.value(*option)));
        }
    }
    if (parser.isSet(cleared))
        filter.cleared = true;

    if (!openState())
        return Failure;
    if (parser.isSet(account)) {
        const std::optional<Account> found = resolveAccount(parser.value(account));
        if (!found)
            return failure(QStringLiteral("Unknown account \"%1\"").arg(parser.value(account)));
        filter.accountId = found->id;
    }
    if (parser.isSet(category)) {
        const std::optional<Category> found
            = m_state->categoryRepository()->findByName(parser.value(category));
        if (!found)
            return failure(QStringLiteral("Unknown category \"%1\"").arg(parser.value(category)));
        filter.categoryId = found->id;
    }

    const QHash<QString, Account> accounts = accountsById();
    OutputTable table({{QStringLiteral("Date"), QStringLiteral("date")},
                       {QStringLiteral("Account"), QStringLiteral("account")},
                       {QStringLiteral("Num"), QStringLiteral("check_number")},
                       {QStringLiteral("Payee"), QStringLiteral("payee")},
                       {QStringLiteral("Category"), QStringLiteral("category")},
                       {QStringLiteral("Memo"), QStringLiteral("memo")},
                       {QStringLiteral("Amount"), QStringLiteral("amount")},
                       {QStringLiteral("Clr"), QStringLiteral("clr")}});
    const QString text = parser.positionalArguments().value(0);
    for (const RegisterRow &row : m_state->transactionRepository()->search(text, filter)) {
        const Transaction &t = row.transaction;
        const Account a = accounts.value(t.accountId);
        table.addRow({OutputTable::Cell::plain(Timestamps::dateToText(t.date)),
                      OutputTable::Cell::plain(a.name), OutputTable::Cell::plain(t.checkNumber),
                      OutputTable::Cell::plain(t.payee), OutputTable::Cell::plain(row.categoryName),
                      OutputTable::Cell::plain(t.memo),
                      OutputTable::Cell::money(t.amount, a.currency),
                      OutputTable::Cell::plain(clrText(t))});
    }
    print(table.render(parsed.format));
    return Success;
}

int CommandRunner::commandImport(const QStringList &args) {
    const QString kind = args.value(1);
    const bool csv = kind == QLatin1String("csv");
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
    const Parsed parsed = parse(parser, args.mid(1),
                                QStringLiteral("Import a bank file: import csv FILE --account A "
                                               "[mapping options] | import qif FILE --account A."),
                                false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!csv && kind != QLatin1String("qif"))
        return usageError(
            QStringLiteral("use: import csv FILE --account A | import qif FILE --account A"));
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("import %1 needs one file").arg(kind));
    if (!parser.isSet(account))
        return usageError(QStringLiteral("import %1 needs --account").arg(kind));

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
                return usageError(QStringLiteral("--%1 needs a column number from 0")
                                      .arg(option->names().constFirst()));
        }
        mapping.hasHeader = !parser.isSet(noHeader);
        mapping.dateFormat = parser.value(dateFormat);
    }

    const QString file = parser.positionalArguments().first();
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Cannot read %1: %2").arg(file, probe.errorString()));
    probe.close();

    if (!openState())
        return Failure;
    const std::optional<Account> target = resolveAccount(parser.value(account));
    if (!target)
        return failure(QStringLiteral("Unknown account \"%1\"").arg(parser.value(account)));

    ImportService *service = m_state->importService();
    const ImportResult result = csv ? service->importCsv(file, target->id, mapping)
                                    : service->importQif(file, target->id);
    printLine(
        QStringLiteral("Imported %1, duplicates %2").arg(result.imported).arg(result.duplicates));
    return Success;
}

int CommandRunner::commandReport(const QStringList &args) {
    const QString kind = args.value(1);
    QCommandLineParser parser;
    const QCommandLineOption from(
        QStringLiteral("from"),
        QStringLiteral("Start of the period (yyyy-MM-dd; default 1 January)."),
        QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("End of the period (yyyy-MM-dd; default today)."),
                                QStringLiteral("date"));
    const QCommandLineOption from2(QStringLiteral("from2"),
                                   QStringLiteral("year-over-year: start of the second period."),
                                   QStringLiteral("date"));
    const QCommandLineOption to2(QStringLiteral("to2"),
                                 QStringLiteral("year-over-year: end of the second period."),
                                 QStringLiteral("date"));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Only this account (name or id)."),
                                     QStringLiteral("account"));
    parser.addOptions({from, to, from2, to2, account});
    const Parsed parsed = parse(
        parser, args.mid(1),
        QStringLiteral("Reports: category-spending, payee-summary, tax, cash-flow, year-over-year "
                       "(periods --from/--to and --from2/--to2; default last year and this year), "
                       "account-summary. Amounts are in minor units in CSV and JSON."),
        true);
    if (!parsed.ok)
        return parsed.exitCode;
    static const QStringList kinds = {QStringLiteral("category-spending"),
                                      QStringLiteral("payee-summary"),
                                      QStringLiteral("tax"),
                                      QStringLiteral("cash-flow"),
                                      QStringLiteral("year-over-year"),
                                      QStringLiteral("account-summary")};
    if (!kinds.contains(kind))
        return usageError(QStringLiteral("use: report %1").arg(kinds.join(QLatin1Char('|'))));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("report %1 takes no arguments").arg(kind));

    const bool comparison = kind == QLatin1String("year-over-year");
    const QDate today = QDate::currentDate();
    QDate d1 = comparison ? QDate(today.year() - 1, 1, 1) : QDate(today.year(), 1, 1);
    QDate d2 = comparison ? QDate(today.year() - 1, 12, 31) : today;
    QDate d3(today.year(), 1, 1);
    QDate d4 = today;
    for (const auto &[option, target] : {std::pair{&from, &d1}, std::pair{&to, &d2},
                                         std::pair{&from2, &d3}, std::pair{&to2, &d4}}) {
        if (parser.isSet(*option)) {
            *target = parseIsoDate(parser.value(*option));
            if (!target->isValid())
                return usageError(QStringLiteral("cannot read the date \"%1\" (use yyyy-MM-dd)")
                                      .arg(parser.value(*option)));
        }
    }

    if (!openState())
        return Failure;
    QString accountId;
    if (parser.isSet(account)) {
        const std::optional<Account> found = resolveAccount(parser.value(account));
        if (!found)
            return failure(QStringLiteral("Unknown account \"%1\"").arg(parser.value(account)));
        accountId = found->id;
    }

    // The reports add up several accounts; like the reports screen they show dollars.
    const Currency currency = Currency::USD;
    const auto money
        = [currency](qint64 amount) { return OutputTable::Cell::money(amount, currency); };
    using C = OutputTable::Cell;
    ReportService *reports = m_state->reportService();
    std::unique_ptr<OutputTable> table;
    if (kind == QLatin1String("category-spending")) {
        table.reset(new OutputTable({{QStringLiteral("Category"), QStringLiteral("category")},
                                     {QStringLiteral("Total"), QStringLiteral("total")}}));
        for (const CategorySpendingRow &row : reports->categorySpending(d1, d2, accountId))
            table->addRow({C::plain(row.name), money(row.total)});
    } else if (kind == QLatin1String("payee-summary")) {
        table.reset(new OutputTable({{QStringLiteral("Payee"), QStringLiteral("payee")},
                                     {QStringLiteral("Total"), QStringLiteral("total")},
                                     {QStringLiteral("Count"), QStringLiteral("count")}}));
        for (const PayeeSummaryRow &row : reports->payeeSummary(d1, d2, accountId))
            table->addRow({C::plain(row.payee), money(row.total), C::number(row.count)});
    } else if (kind == QLatin1String("tax")) {
        table.reset(new OutputTable({{QStringLiteral("Category"), QStringLiteral("category")},
                                     {QStringLiteral("Tax Code"), QStringLiteral("tax_code")},
                                     {QStringLiteral("Total"), QStringLiteral("total")}}));
        for (const TaxLineRow &row : reports->taxReport(d1, d2))
            table->addRow({C::plain(row.categoryName), C::plain(row.taxCode), money(row.total)});
    } else if (kind == QLatin1String("cash-flow")) {
        table.reset(new OutputTable({{QStringLiteral("Month"), QStringLiteral("month")},
                                     {QStringLiteral("Income"), QStringLiteral("income")},
                                     {QStringLiteral("Expenses"), QStringLiteral("expenses")},
                                     {QStringLiteral("Net"), QStringLiteral("net")}}));
        for (const CashFlowMonthRow &row : reports->cashFlow(d1, d2, accountId))
            table->addRow(
                {C::plain(row.month), money(row.income), money(row.expenses), money(row.net)});
    } else if (comparison) {
        table.reset(
            new OutputTable({{QStringLiteral("Category"), QStringLiteral("category")},
                             {QStringLiteral("Period 1"), QStringLiteral("period1")},
                             {QStringLiteral("Period 2"), QStringLiteral("period2")},
                             {QStringLiteral("Difference"), QStringLiteral("difference")}}));
        for (const PeriodComparisonRow &row : reports->comparePeriods(d1, d2, d3, d4, accountId))
            table->addRow({C::plain(row.categoryName), money(row.period1Total),
                           money(row.period2Total), money(row.difference)});
    } else {
        table.reset(new OutputTable({{QStringLiteral("Account"), QStringLiteral("account")},
                                     {QStringLiteral("Type"), QStringLiteral("type")},
                                     {QStringLiteral("Cleared"), QStringLiteral("cleared")},
                                     {QStringLiteral("Uncleared"), QStringLiteral("uncleared")},
                                     {QStringLiteral("Total"), QStringLiteral("total")}}));
        for (const AccountSummaryRow &row : reports->accountSummary())
            table->addRow({C::plain(row.name), C::plain(row.accountType), money(row.clearedBalance),
                           money(row.unclearedAmount), money(row.balance)});
    }
    print(table->render(parsed.format));
    return Success;
}

int CommandRunner::commandBackup(const QStringList &args) {
    const QString action = args.value(1);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The ZIP backup."));
    const QCommandLineOption mode(QStringLiteral("mode"),
                                  QStringLiteral("import: replace, keep-newer or skip."),
                                  QStringLiteral("mode"));
    if (action == QLatin1String("import"))
        parser.addOption(mode);
    const Parsed parsed = parse(parser, args.mid(1),
                                QStringLiteral("Backups: backup export FILE | backup import FILE "
                                               "--mode replace|keep-newer|skip."),
                                false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (action != QLatin1String("export") && action != QLatin1String("import"))
        return usageError(QStringLiteral("use: backup export FILE | backup import FILE --mode M"));
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("backup %1 needs one file").arg(action));
    const QString file = parser.positionalArguments().first();

    if (action == QLatin1String("export")) {
        if (!openState())
            return Failure;
        const QByteArray archive = m_state->backupService()->exportBackup();
        if (archive.isEmpty())
            return failure(QStringLiteral("Could not build the backup"));
        // Written to a temporary file and renamed, so a failure never leaves half a backup.
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(archive) != archive.size()
            || !out.commit())
            return failure(QStringLiteral("Cannot write %1: %2").arg(file, out.errorString()));
        printLine(QStringLiteral("Backup written to %1 (%2 bytes)").arg(file).arg(archive.size()));
        return Success;
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
        return usageError(QStringLiteral("backup import needs --mode replace, keep-newer or skip"));

    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Cannot read %1: %2").arg(file, in.errorString()));
    const QByteArray archive = in.readAll();
    if (!openState())
        return Failure;
    const BackupImportResult result = m_state->backupService()->importBackup(archive, importMode);

    OutputTable table({{QStringLiteral("Table"), QStringLiteral("table")},
                       {QStringLiteral("Imported"), QStringLiteral("imported")},
                       {QStringLiteral("Skipped"), QStringLiteral("skipped")}});
    const std::pair<const char *, BackupImportResult::Counts> counts[]
        = {{"accounts", result.accounts},
           {"categories", result.categories},
           {"transactions", result.transactions},
           {"split_lines", result.splitLines},
           {"recurring_transactions", result.recurring},
           {"reconciliations", result.reconciliations}};
    for (const auto &[name, count] : counts) {
        table.addRow({OutputTable::Cell::plain(QString::fromLatin1(name)),
                      OutputTable::Cell::number(count.imported),
                      OutputTable::Cell::number(count.skipped)});
    }
    print(table.render(OutputTable::Format::Text));
    for (const QString &error : result.errors)
        printLine(QStringLiteral("error: %1").arg(error));
    if (!result.errors.isEmpty())
        return failure(QStringLiteral("The backup had %1 error(s)").arg(result.errors.size()));
    return Success;
}

int CommandRunner::commandRecurring(const QStringList &args) {
    const QString action = args.value(1);
    const bool listing = action == QLatin1String("list");
    QCommandLineParser parser;
    if (action == QLatin1String("confirm") || action == QLatin1String("skip"))
        parser.addPositionalArgument(QStringLiteral("id"),
                                     QStringLiteral("Recurring transaction id."));
    const Parsed parsed = parse(
        parser, args.mid(1),
        QStringLiteral("Recurring transactions: list, post-due (post every due auto-post rule, "
                       "catching up), confirm ID, skip ID."),
        listing);
    if (!parsed.ok)
        return parsed.exitCode;
    if (action != QLatin1String("list") && action != QLatin1String("post-due")
        && action != QLatin1String("confirm") && action != QLatin1String("skip"))
        return usageError(QStringLiteral("use: recurring list | post-due | confirm ID | skip ID"));
    const QStringList positional = parser.positionalArguments();
    const bool needsId = action == QLatin1String("confirm") || action == QLatin1String("skip");
    if (positional.size() != (needsId ? 1 : 0))
        return usageError(needsId ? QStringLiteral("recurring %1 needs one id").arg(action)
                                  : QStringLiteral("recurring %1 takes no arguments").arg(action));
    if (!openState())
        return Failure;
    RecurringService *service = m_state->recurringService();

    if (listing) {
        const QHash<QString, Account> accounts = accountsById();
        OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                           {QStringLiteral("Account"), QStringLiteral("account")},
                           {QStringLiteral("Payee"), QStringLiteral("payee")},
                           {QStringLiteral("Amount"), QStringLiteral("amount")},
                           {QStringLiteral("Frequency"), QStringLiteral("frequency")},
                           {QStringLiteral("Next due"), QStringLiteral("next_due_date")},
                           {QStringLiteral("Auto"), QStringLiteral("auto_post")},
                           {QStringLiteral("Active"), QStringLiteral("is_active")}});
        for (const RecurringTransaction &rule : service->allRecurring()) {
            const Account a = accounts.value(rule.accountId);
            table.addRow({OutputTable::Cell::plain(rule.id), OutputTable::Cell::plain(a.name),
                          OutputTable::Cell::plain(rule.payee),
                          OutputTable::Cell::money(rule.amount, a.currency),
                          OutputTable::Cell::plain(frequencyToString(rule.frequency)),
                          OutputTable::Cell::plain(Timestamps::dateToText(rule.nextDueDate)),
                          OutputTable::Cell::flag(rule.autoPost),
                          OutputTable::Cell::flag(rule.isActive)});
        }
        print(table.render(parsed.format));
        return Success;
    }
    if (action == QLatin1String("post-due")) {
        const int posted = service->autoPostDue();
        printLine(QStringLiteral("Posted %1 transaction(s)").arg(posted));
        return Success;
    }

    const std::optional<RecurringTransaction> rule
        = m_state->recurringRepository()->findById(positional.first());
    if (!rule || rule->deletedAt)
        return failure(
            QStringLiteral("Unknown recurring transaction \"%1\"").arg(positional.first()));
    const QDate due = rule->nextDueDate;
    if (action == QLatin1String("confirm")) {
        if (!service->confirm(*rule))
            return failure(QStringLiteral("Could not post the occurrence due %1")
                               .arg(Timestamps::dateToText(due)));
        printLine(QStringLiteral("Posted %1 due %2").arg(rule->payee, Timestamps::dateToText(due)));
    } else {
        if (!service->skip(*rule))
            return failure(QStringLiteral("Could not skip the occurrence due %1")
                               .arg(Timestamps::dateToText(due)));
        printLine(
            QStringLiteral("Skipped %1 due %2").arg(rule->payee, Timestamps::dateToText(due)));
    }
    return Success;
}

int CommandRunner::commandSample(const QStringList &args) {
    const QString action = args.value(1);
    QCommandLineParser parser;
    const Parsed parsed = parse(
        parser, args.mid(1),
        QStringLiteral("Load or clear the sample data: sample load | sample clear."), false);
    if (!parsed.ok)
        return parsed.exitCode;
    if ((action != QLatin1String("load") && action != QLatin1String("clear"))
        || !parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("use: sample load | sample clear"));
    if (!openState())
        return Failure;
    SampleDataService samples(m_state->database());
    if (action == QLatin1String("load")) {
        if (samples.hasSampleData())
            return failure(QStringLiteral("Sample data is already loaded"));
        if (!samples.loadSampleData())
            return failure(QStringLiteral("Could not load the sample data"));
        printLine(QStringLiteral("Sample data loaded"));
    } else {
        if (!samples.clearSampleData())
            return failure(QStringLiteral("Could not clear the sample data"));
        printLine(QStringLiteral("Sample data cleared"));
    }
    return Success;
}

bool CommandRunner::waitForSession() {
    TindAccount::AuthClient *auth = m_state->accountClient()->auth();
    if (auth->state() != TindAccount::AuthState::Initial)
        return auth->isAuthenticated();
    // Only a refresh token was usable: the restore is refreshing it now.
    QEventLoop loop;
    QObject::connect(auth, &TindAccount::AuthClient::stateChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return auth->isAuthenticated();
}

int CommandRunner::signIn(bool openBrowser, int timeoutSeconds) {
    TindAccount::Client *client = m_state->accountClient();
    client->setUrlOpener([this, openBrowser](const QUrl &url) {
        printLine(url.toString(QUrl::FullyEncoded));
        if (openBrowser)
            QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
        return true;
    });
    if (!m_tokensPersist)
        std::fprintf(stderr, "quillon-cli: no credential store is available: the sign-in will not "
                             "persist after this command\n");

    QEventLoop loop;
    QString error;
    bool finished = false;
    TindAccount::AuthClient *auth = client->auth();
    QObject::connect(auth, &TindAccount::AuthClient::loginSucceeded, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(auth, &TindAccount::AuthClient::loginFailed, &loop,
                     [&](const QString &message) {
                         finished = true;
                         error = message;
                         loop.quit();
                     });
    QTimer::singleShot(qMax(1, timeoutSeconds) * 1000, &loop, &QEventLoop::quit);
    auth->login();
    if (!finished)
        loop.exec();

    if (!finished)
        return failure(
            QStringLiteral("Timed out waiting for the sign-in after %1 s").arg(timeoutSeconds));
    if (!error.isEmpty())
        return failure(error);
    TindAccount::TokenManager *tokens = client->tokens();
    if (tokens->accessToken().isEmpty() || tokens->currentRefreshToken().isEmpty())
        return failure(QStringLiteral("No tokens received"));
    printLine(QStringLiteral("Signed in"));
    return Success;
}

int CommandRunner::commandLogin(const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption noBrowser(QStringLiteral("no-browser"),
                                       QStringLiteral("Only print the login URL."));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Seconds to wait for the sign-in (300)."),
                                     QStringLiteral("seconds"), QStringLiteral("300"));
    parser.addOptions({noBrowser, timeout});
    const Parsed parsed = parse(parser, args,
                                QStringLiteral("Sign in through the browser. The login URL is "
                                               "printed; open it anywhere on this machine."),
                                false);
    if (!parsed.ok)
        return parsed.exitCode;
    bool ok = false;
    const int seconds = parser.value(timeout).toInt(&ok);
    if (!ok || seconds <= 0)
        return usageError(QStringLiteral("--timeout needs a number of seconds"));
    if (!openState(true))
        return Failure;
    return signIn(!parser.isSet(noBrowser), seconds);
}

int CommandRunner::commandStatus(const QStringList &args) {
    QCommandLineParser parser;
    const Parsed parsed = parse(parser, args,
                                QStringLiteral("Show the sign-in state, the sync cursor and the "
                                               "changes waiting to be pushed."),
                                true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!openState(true))
        return Failure;
    const bool signedIn = waitForSession();
    TindAccount::TokenManager *tokens = m_state->accountClient()->tokens();
    const QString userId
        = signedIn ? TindAccount::TokenManager::tokenSubject(tokens->accessToken()) : QString();
    const QString cursor
        = m_state->preferencesRepository()->value(SyncEngine::CursorKey, QString());

    OutputTable table({{QStringLiteral("Item"), QStringLiteral("item")},
                       {QStringLiteral("Value"), QStringLiteral("value")}});
    table.addRow(
        {OutputTable::Cell::plain(QStringLiteral("signed_in")), OutputTable::Cell::flag(signedIn)});
    table.addRow(
        {OutputTable::Cell::plain(QStringLiteral("user_id")), OutputTable::Cell::plain(userId)});
    table.addRow({OutputTable::Cell::plain(QStringLiteral("sync_cursor")),
                  OutputTable::Cell::plain(cursor)});
    for (const auto &[name, count] : pendingCounts())
        table.addRow({OutputTable::Cell::plain(name), OutputTable::Cell::number(count)});
    print(table.render(parsed.format));
    return Success;
}

int CommandRunner::commandSync(const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption login(QStringLiteral("login"),
                                   QStringLiteral("Sign in first (for machines without a "
                                                  "credential store)."));
    const QCommandLineOption noBrowser(QStringLiteral("no-browser"),
                                       QStringLiteral("With --login: only print the login URL."));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("With --login: seconds to wait (300)."),
                                     QStringLiteral("seconds"), QStringLiteral("300"));
    parser.addOptions({login, noBrowser, timeout});
    const Parsed parsed = parse(parser, args,
                                QStringLiteral("Push every pending change and pull every change "
                                               "of the server, as the program does."),
                                false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!openState(true))
        return Failure;
    if (parser.isSet(login)) {
        bool ok = false;
        const int seconds = parser.value(timeout).toInt(&ok);
        if (!ok || seconds <= 0)
            return usageError(QStringLiteral("--timeout needs a number of seconds"));
        const int result = signIn(!parser.isSet(noBrowser), seconds);
        if (result != Success)
            return result;
    } else if (!waitForSession()) {
        return failure(QStringLiteral("Not signed in"));
    }

    SyncEngine *engine = m_state->syncEngine();
    // One run at a time, driven from here: the program's timers would only start extra runs.
    engine->stopAutoSync();

    int runs = 0;
    SyncEngine::RunSummary total;
    for (;;) {
        QEventLoop loop;
        QString error;
        bool done = false;
        const auto c1 = QObject::connect(engine, &SyncEngine::syncCompleted, &loop, [&] {
            done = true;
            loop.quit();
        });
        const auto c2
            = QObject::connect(engine, &SyncEngine::syncFailed, &loop, [&](const QString &message) {
                  done = true;
                  error = message;
                  loop.quit();
              });
        engine->syncNow();
        if (!done)
            loop.exec();
        QObject::disconnect(c1);
        QObject::disconnect(c2);
        ++runs;
        if (!error.isEmpty())
            return failure(error);
        const SyncEngine::RunSummary run = engine->lastRunSummary();
        total.pushed += run.pushed;
        total.rejected += run.rejected;
        total.pulled += run.pulled;
        total.skipped += run.skipped;
        // The engine stops after its page limit; the program's next run goes on from the
        // cursor, and so do we.
        if (!run.morePages)
            break;
    }
    qint64 pendingAfter = 0;
    for (const auto &pending : pendingCounts())
        pendingAfter += pending.second;
    printLine(QStringLiteral("Pushed %1, rejected %2, pulled %3, skipped %4 (%5 run(s); %6 "
                             "change(s) still pending)")
                  .arg(total.pushed)
                  .arg(total.rejected)
                  .arg(total.pulled)
                  .arg(total.skipped)
                  .arg(runs)
                  .arg(pendingAfter));
    return Success;
}

int CommandRunner::commandLogout(const QStringList &args) {
    QCommandLineParser parser;
    const Parsed parsed
        = parse(parser, args, QStringLiteral("Sign out and forget the stored tokens."), false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!openState(true))
        return Failure;
    TindAccount::AuthClient *auth = m_state->accountClient()->auth();
    QEventLoop loop;
    bool done = false;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    auth->logout([&](bool) {
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
    // The tokens are gone whether or not the server heard about it.
    m_state->accountClient()->tokens()->clearTokens();
    printLine(QStringLiteral("Signed out"));
    return Success;
}
