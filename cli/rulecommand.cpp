// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"
#include "cli/outputtable.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/categoryrepository.h"
#include "storage/importrulerepository.h"
#include "storage/money.h"

#include <QCommandLineParser>
#include <QHash>

namespace {

const char *const kMatchWords[] = {"contains", "is", "starts-with"};

std::optional<RuleMatch> matchFromWord(const QString &word) {
    if (word == QLatin1String("contains"))
        return RuleMatch::Contains;
    if (word == QLatin1String("is"))
        return RuleMatch::Is;
    if (word == QLatin1String("starts-with"))
        return RuleMatch::StartsWith;
    return std::nullopt;
}

QString wordOf(RuleMatch match) {
    return QString::fromLatin1(kMatchWords[int(match)]);
}

} // namespace

int Commands::rule(CommandContext &context, const QStringList &args) {
    const QString action = args.value(1);
    const bool listing = action == QLatin1String("list");
    const bool adding = action == QLatin1String("add");
    const bool removing = action == QLatin1String("remove");
    QCommandLineParser parser;
    const QCommandLineOption match(QStringLiteral("match"),
                                   QStringLiteral("How the payee is compared: contains (the "
                                                  "default), is, starts-with; case is ignored."),
                                   QStringLiteral("how"), QStringLiteral("contains"));
    const QCommandLineOption text(QStringLiteral("text"),
                                  QStringLiteral("The payee text the bank writes."),
                                  QStringLiteral("text"));
    const QCommandLineOption minAmount(QStringLiteral("min"),
                                       QStringLiteral("Smallest amount matched (signed)."),
                                       QStringLiteral("amount"));
    const QCommandLineOption maxAmount(QStringLiteral("max"),
                                       QStringLiteral("Largest amount matched (signed)."),
                                       QStringLiteral("amount"));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("Only rows imported into this account."),
                                     QStringLiteral("account"));
    const QCommandLineOption payee(QStringLiteral("payee"), QStringLiteral("Payee to show."),
                                   QStringLiteral("payee"));
    const QCommandLineOption category(QStringLiteral("category"),
                                      QStringLiteral("Category to set (its exact name)."),
                                      QStringLiteral("name"));
    const QCommandLineOption memo(QStringLiteral("memo"), QStringLiteral("Memo to set."),
                                  QStringLiteral("memo"));
    if (adding)
        parser.addOptions({match, text, minAmount, maxAmount, account, payee, category, memo});
    if (removing)
        parser.addPositionalArgument(QStringLiteral("id"), QStringLiteral("Rule id."));
    const CommandContext::Parsed parsed = context.parse(
        parser, args.mid(1),
        QStringLiteral("Import rules: list, add --text T [--match contains|is|starts-with] [--min "
                       "A] [--max A] [--account A] [--payee P] [--category NAME] [--memo M], "
                       "remove ID."),
        listing);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!listing && !adding && !removing)
        return context.usageError(QStringLiteral("use: rule list | rule add ... | rule remove ID"));
    if (parser.positionalArguments().size() != (removing ? 1 : 0))
        return context.usageError(removing
                                      ? QStringLiteral("rule remove needs one id")
                                      : QStringLiteral("rule %1 takes no arguments").arg(action));

    ImportRule rule;
    if (adding) {
        if (parser.value(text).trimmed().isEmpty())
            return context.usageError(QStringLiteral("rule add needs --text"));
        const std::optional<RuleMatch> how = matchFromWord(parser.value(match));
        if (!how)
            return context.usageError(QStringLiteral("--match takes contains, is or starts-with"));
        if (!parser.isSet(payee) && !parser.isSet(category) && !parser.isSet(memo))
            return context.usageError(
                QStringLiteral("rule add needs --payee, --category or --memo"));
        rule.match = *how;
        rule.text = parser.value(text).trimmed();
        rule.setPayee = parser.value(payee);
        rule.setMemo = parser.value(memo);
    }
    if (!context.openState())
        return CommandContext::Failure;
    ImportRuleRepository *rules = context.state()->importRuleRepository();

    if (listing) {
        const QHash<QString, Account> accounts = context.accountsById();
        QHash<QString, QString> categoryNames;
        for (const Category &c : context.state()->categoryRepository()->findAll())
            categoryNames.insert(c.id, c.name);
        OutputTable table({{QStringLiteral("Id"), QStringLiteral("id")},
                           {QStringLiteral("Match"), QStringLiteral("match")},
                           {QStringLiteral("Text"), QStringLiteral("text")},
                           {QStringLiteral("Min"), QStringLiteral("min_amount")},
                           {QStringLiteral("Max"), QStringLiteral("max_amount")},
                           {QStringLiteral("Account"), QStringLiteral("account")},
                           {QStringLiteral("Payee"), QStringLiteral("payee")},
                           {QStringLiteral("Category"), QStringLiteral("category")},
                           {QStringLiteral("Memo"), QStringLiteral("memo")}});
        for (const ImportRule &r : rules->findAll()) {
            const Account a = accounts.value(r.accountId);
            const Currency currency = r.accountId.isEmpty() ? Currency::USD : a.currency;
            const auto amount = [currency](const std::optional<qint64> &value) {
                return value ? OutputTable::Cell::money(*value, currency)
                             : OutputTable::Cell::plain(QString());
            };
            table.addRow({OutputTable::Cell::plain(r.id), OutputTable::Cell::plain(wordOf(r.match)),
                          OutputTable::Cell::plain(r.text), amount(r.minAmount),
                          amount(r.maxAmount), OutputTable::Cell::plain(a.name),
                          OutputTable::Cell::plain(r.setPayee),
                          OutputTable::Cell::plain(categoryNames.value(r.setCategoryId)),
                          OutputTable::Cell::plain(r.setMemo)});
        }
        context.print(table.render(parsed.format));
        return CommandContext::Success;
    }

    if (removing) {
        const QString id = parser.positionalArguments().first();
        const LedgerWriter::Result removed = context.state()->ledger()->deleteImportRule(id);
        if (removed == LedgerWriter::Result::NotFound)
            return context.failure(QStringLiteral("Unknown rule \"%1\"").arg(id));
        if (removed != LedgerWriter::Result::Ok)
            return context.failure(QStringLiteral("The rule could not be removed"));
        context.printLine(QStringLiteral("Removed rule %1").arg(id));
        return CommandContext::Success;
    }

    Currency currency = Currency::USD;
    if (parser.isSet(account)) {
        const std::optional<Account> target = context.requireAccount(parser.value(account));
        if (!target)
            return CommandContext::Failure;
        rule.accountId = target->id;
        currency = target->currency;
    }
    for (const auto &[option, field] :
         {std::pair{&minAmount, &rule.minAmount}, std::pair{&maxAmount, &rule.maxAmount}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<qint64> value = tryParseAmount(parser.value(*option), currency);
        if (!value)
            return context.usageError(
                QStringLiteral("--%1 needs an amount").arg(option->names().constFirst()));
        *field = *value;
    }
    if (rule.minAmount && rule.maxAmount && *rule.minAmount > *rule.maxAmount)
        return context.usageError(QStringLiteral("--min is larger than --max"));
    if (parser.isSet(category)) {
        const std::optional<Category> named = context.requireCategory(parser.value(category));
        if (!named)
            return CommandContext::Failure;
        rule.setCategoryId = named->id;
    }
    if (!context.state()->ledger()->addImportRule(rule))
        return context.failure(QStringLiteral("The rule could not be stored"));
    context.printLine(rule.id);
    return CommandContext::Success;
}
