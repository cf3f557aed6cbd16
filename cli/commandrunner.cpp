// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commandrunner.h"

#include "cli/commandcontext.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QLatin1String>
#include <QList>

namespace {

struct HelpLine {
    const char *synopsis;
    const char *description; // '\n' continues it on the next line, under itself
};

struct Command {
    const char *name;
    // The second word names an action ("import csv"): part of the name in help texts.
    bool takesAction;
    int (*run)(CommandContext &context, const QStringList &args);
    QList<HelpLine> help;
};

// In the order the top-level help lists them.
const Command kCommands[] = {
    {"accounts",
     false,
     Commands::accounts,
     {{"accounts", "list the accounts with their balances"}}},
    {"account",
     true,
     Commands::account,
     {{"account add --name N ...", "create an account (optionally with an opening balance)"}}},
    {"register",
     false,
     Commands::registerListing,
     {{"register ACCOUNT", "show an account's register with running balances"}}},
    {"add",
     false,
     Commands::add,
     {{"add ACCOUNT --date D --payee P --amount A ...",
       "add a transaction (payee \"[Transfer] NAME\" transfers)"}}},
    {"import",
     true,
     Commands::import,
     {{"import csv FILE --account A", "import a CSV bank file"},
      {"import qif FILE --account A", "import a QIF file"},
      {"import ofx|qfx|camt FILE --account A", "import an OFX/QFX or CAMT.053 statement"}}},
    {"rule",
     true,
     Commands::rule,
     {{"rule list", "list the import rules in the order they are tried"},
      {"rule add --text T ...", "add an import rule (payee, category, memo)"},
      {"rule remove ID", "remove an import rule"}}},
    {"budget",
     true,
     Commands::budget,
     {{"budget show [--month M]", "a month's budget, spent and remaining per category"},
      {"budget set CATEGORY AMOUNT [--month M] [--rollover]", "budget a category for a month"},
      {"budget clear CATEGORY [--month M]", "remove a category's budget for a month"},
      {"budget copy|fill [--month M]",
       "budget a month as the month before, or at the three months before's average"}}},
    {"search",
     false,
     Commands::search,
     {{"search [TEXT] ...", "search transactions in every account"}}},
    {"report",
     true,
     Commands::report,
     {{"report KIND ...",
       "category-spending, payee-summary, tax, cash-flow,\nyear-over-year, account-summary or "
       "budget"}}},
    {"backup",
     true,
     Commands::backup,
     {{"backup export FILE", "write a ZIP backup"},
      {"backup import FILE --mode M", "merge a ZIP backup (replace, keep-newer, skip)"}}},
    {"recurring",
     true,
     Commands::recurring,
     {{"recurring list", "list the recurring transactions"},
      {"recurring post-due", "post every due auto-post recurring transaction"},
      {"recurring confirm ID", "post one occurrence of a recurring transaction"},
      {"recurring skip ID", "skip one occurrence of a recurring transaction"}}},
    {"undo", false, Commands::undo, {{"undo", "take back the last change this command line made"}}},
    {"sample",
     true,
     Commands::sample,
     {{"sample load | sample clear", "load or remove the sample data"}}},
    {"login",
     false,
     Commands::login,
     {{"login [--no-browser]", "sign in through the browser (prints the login URL)"},
      {"login --token-file FILE", "sign in with tokens a server administrator issued"}}},
    {"status",
     false,
     Commands::status,
     {{"status", "sign-in state, sync cursor and pending changes"}}},
    {"sync",
     false,
     Commands::sync,
     {{"sync [--login]", "push local changes and pull the server's"}}},
    {"logout", false, Commands::logout, {{"logout", "sign out and forget the stored tokens"}}},
};

constexpr int kSynopsisWidth = 30;

} // namespace

CommandRunner::CommandRunner(const QStringList &arguments)
    : m_arguments(arguments) {}

QByteArray CommandRunner::helpText() {
    const QString indent(2 + kSynopsisWidth, QLatin1Char(' '));
    QString text = QStringLiteral(
        "Usage: quillon-cli <command> [options]\n"
        "\n"
        "Works on the same database as Tindral Quillon (QUILLON_DATA_DIR, else the per-user\n"
        "data location). Every command takes --help.\n"
        "\n"
        "Commands:\n");
    for (const Command &command : kCommands) {
        for (const HelpLine &line : command.help) {
            const QString synopsis = QLatin1String(line.synopsis);
            text += QStringLiteral("  ") + synopsis;
            // A synopsis too long for its column gets a line of its own.
            if (synopsis.size() < kSynopsisWidth)
                text += QString(kSynopsisWidth - synopsis.size(), QLatin1Char(' '));
            else
                text += QLatin1Char('\n') + indent;
            text += QString::fromUtf8(line.description)
                        .replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
            text += QLatin1Char('\n');
        }
    }
    text += QStringLiteral("\n"
                           "Listings take --format text|csv|json (amounts in minor units in CSV "
                           "and JSON).\n"
                           "Exit status: 0 success, 1 failure, 2 usage error.\n");
    return text.toUtf8();
}

int CommandRunner::run() {
    const QStringList args = m_arguments.mid(1);
    CommandContext top{QString()};
    if (args.isEmpty())
        return top.usageError(QStringLiteral("missing command (see quillon-cli --help)"));

    const QString name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")
        || name == QLatin1String("help")) {
        top.print(helpText());
        return CommandContext::Success;
    }
    if (name == QLatin1String("--version")) {
        top.printLine(QStringLiteral("quillon-cli %1").arg(QCoreApplication::applicationVersion()));
        return CommandContext::Success;
    }

    for (const Command &command : kCommands) {
        if (name != QLatin1String(command.name))
            continue;
        QString typed = name;
        const QString action = args.value(1);
        if (command.takesAction && !action.isEmpty() && !action.startsWith(QLatin1Char('-')))
            typed += QLatin1Char(' ') + action;
        CommandContext context(typed);
        const int status = command.run(context, args);
        context.keepLastChange();
        return status;
    }
    return top.usageError(
        QStringLiteral("unknown command \"%1\" (see quillon-cli --help)").arg(name));
}
