// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importruleset.h"

ImportRuleSet::ImportRuleSet(const QList<ImportRule> &rules, const QString &accountId,
                             const std::function<bool(const QString &)> &categoryExists) {
    for (ImportRule rule : rules) {
        if (!rule.accountId.isEmpty() && rule.accountId != accountId)
            continue;
        if (categoryExists && !rule.setCategoryId.isEmpty() && !categoryExists(rule.setCategoryId))
            rule.setCategoryId.clear();
        if (rule.setPayee.isEmpty() && rule.setCategoryId.isEmpty() && rule.setMemo.isEmpty())
            continue;
        const QString folded = rule.text.trimmed().toCaseFolded();
        m_rules.append({rule, folded, QStringMatcher(folded, Qt::CaseSensitive)});
    }
}

bool ImportRuleSet::apply(Transaction &t) const {
    if (m_rules.isEmpty())
        return false;
    const QString payee = t.payee.trimmed().toCaseFolded();
    bool payeeSet = false;
    bool categorySet = false;
    bool memoSet = false;
    bool matched = false;
    for (const Prepared &prepared : m_rules) {
        const ImportRule &rule = prepared.rule;
        if ((rule.minAmount && t.amount < *rule.minAmount)
            || (rule.maxAmount && t.amount > *rule.maxAmount))
            continue;
        bool hit = false;
        switch (rule.match) {
        case RuleMatch::Contains:
            hit = prepared.matcher.indexIn(payee) >= 0;
            break;
        case RuleMatch::Is:
            hit = payee == prepared.folded;
            break;
        case RuleMatch::StartsWith:
            hit = payee.startsWith(prepared.folded);
            break;
        }
        if (!hit)
            continue;
        matched = true;
        if (!payeeSet && !rule.setPayee.isEmpty()) {
            t.payee = rule.setPayee;
            payeeSet = true;
        }
        if (!categorySet && !rule.setCategoryId.isEmpty()) {
            t.categoryId = rule.setCategoryId;
            categorySet = true;
        }
        if (!memoSet && !rule.setMemo.isEmpty()) {
            t.memo = rule.setMemo;
            memoSet = true;
        }
        if (payeeSet && categorySet && memoSet)
            break;
    }
    return matched;
}
