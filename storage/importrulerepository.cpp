// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/importrulerepository.h"

#include "storage/identifiers.h"
#include "storage/timestamps.h"
#include "storage/transactionscope.h"

namespace {

const QString kTable = QStringLiteral("import_rules");
const QString kColumns = QStringLiteral(
    "id, position, match_kind, match_text, min_amount, max_amount, account_id, set_payee, "
    "set_category_id, set_memo, created_at, updated_at");

QString select(const char *rest) {
    return QStringLiteral("SELECT %1 FROM import_rules ").arg(kColumns) + QLatin1String(rest);
}

QVariant amountOrNull(const std::optional<qint64> &amount) {
    return amount ? QVariant(*amount) : QVariant();
}

std::optional<qint64> optionalAmount(const QString &text) {
    if (text.isEmpty())
        return std::nullopt;
    return text.toLongLong();
}

} // namespace

QString ruleMatchToString(RuleMatch match) {
    switch (match) {
    case RuleMatch::Is:
        return QStringLiteral("is");
    case RuleMatch::StartsWith:
        return QStringLiteral("starts_with");
    case RuleMatch::Contains:
        break;
    }
    return QStringLiteral("contains");
}

RuleMatch ruleMatchFromString(const QString &text) {
    if (text == QLatin1String("is"))
        return RuleMatch::Is;
    if (text == QLatin1String("starts_with"))
        return RuleMatch::StartsWith;
    return RuleMatch::Contains;
}

ImportRuleRepository::ImportRuleRepository(Database *database, QObject *parent)
    : Repository(database, kTable, parent) {}

QVariantList ImportRuleRepository::ownFields(const ImportRule &r) {
    return {r.position,
            ruleMatchToString(r.match),
            r.text,
            amountOrNull(r.minAmount),
            amountOrNull(r.maxAmount),
            textOrNull(r.accountId),
            textOrNull(r.setPayee),
            textOrNull(r.setCategoryId),
            textOrNull(r.setMemo)};
}

ImportRule ImportRuleRepository::readRule(RowReader &row) {
    ImportRule r;
    r.id = row.text();
    r.position = row.number();
    r.match = ruleMatchFromString(row.text());
    r.text = row.text();
    r.minAmount = optionalAmount(row.text());
    r.maxAmount = optionalAmount(row.text());
    r.accountId = row.text();
    r.setPayee = row.text();
    r.setCategoryId = row.text();
    r.setMemo = row.text();
    r.createdAt = row.timestamp();
    r.updatedAt = row.timestamp();
    return r;
}

QList<ImportRule> ImportRuleRepository::findAll() const {
    return readList<ImportRule>(select("ORDER BY position, created_at, id"), {}, readRule);
}

std::optional<ImportRule> ImportRuleRepository::findById(const QString &id) const {
    return readFirst<ImportRule>(select("WHERE id = ?"), {id}, readRule);
}

bool ImportRuleRepository::insert(ImportRule &rule) {
    if (rule.id.isEmpty())
        rule.id = Identifiers::newId();
    if (!rule.createdAt.isValid())
        rule.createdAt = rule.updatedAt = Timestamps::nowUtc();
    if (rule.position <= 0) {
        const auto last = readFirst<int>(
            QStringLiteral("SELECT COALESCE(MAX(position) + 1, 0) FROM import_rules"), {},
            [](RowReader &row) { return row.number(); });
        rule.position = qMax(rule.position, last.value_or(0));
    }
    return change(QStringLiteral("INSERT INTO import_rules (id, position, match_kind, "
                                 "match_text, min_amount, max_amount, account_id, set_payee, "
                                 "set_category_id, set_memo, created_at, updated_at) VALUES (?, "
                                 "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  QVariantList{rule.id} + ownFields(rule)
                      + QVariantList{timestamp(rule.createdAt), timestamp(rule.updatedAt)},
                  "insert");
}

bool ImportRuleRepository::update(const ImportRule &rule) {
    return change(QStringLiteral("UPDATE import_rules SET position=?, match_kind=?, "
                                 "match_text=?, min_amount=?, max_amount=?, account_id=?, "
                                 "set_payee=?, set_category_id=?, set_memo=?, updated_at=? "
                                 "WHERE id=?"),
                  ownFields(rule) + QVariantList{nowText(), rule.id}, "update");
}

bool ImportRuleRepository::remove(const QString &id) {
    return change(QStringLiteral("DELETE FROM import_rules WHERE id = ?"), {id}, "remove");
}

bool ImportRuleRepository::reorder(const QStringList &ids) {
    TransactionScope scope(database());
    if (!scope.isOpen())
        return false;
    const QString now = nowText();
    for (int i = 0; i < ids.size(); ++i) {
        if (!write(
                QStringLiteral("UPDATE import_rules SET position = ?, updated_at = ? WHERE id = ?"),
                {i, now, ids.at(i)}, "reorder"))
            return false;
    }
    noteChange();
    return scope.commit();
}

void ImportRuleRepository::announceChange(const QString &) {
    Q_EMIT rulesChanged();
}
