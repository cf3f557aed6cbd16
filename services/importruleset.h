// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/importrule.h"
#include "storage/transaction.h"

#include <QList>
#include <QString>
#include <QStringMatcher>

#include <functional>

// The import rules as an import applies them: in order, each field (payee, category, memo)
// taken from the first matching rule that sets it. Rules match the payee the bank wrote,
// not one an earlier rule put in its place, so their order decides only between rules
// that set the same field.
class ImportRuleSet {
public:
    ImportRuleSet() = default;
    // rules in the order they are tried; only those for accountId (or for every account)
    // are kept. A rule's category for which categoryExists says no is left out rather than
    // refusing every row the rule matches.
    ImportRuleSet(const QList<ImportRule> &rules, const QString &accountId,
                  const std::function<bool(const QString &)> &categoryExists = {});

    bool isEmpty() const { return m_rules.isEmpty(); }

    // Sets the payee, category and memo of t as the rules say; false when no rule matched.
    bool apply(Transaction &t) const;

private:
    struct Prepared {
        ImportRule rule;
        QString folded; // the rule's text, case-folded once
        // Built once: "contains" is the common rule and is tried against every row.
        QStringMatcher matcher;
    };
    QList<Prepared> m_rules;
};
