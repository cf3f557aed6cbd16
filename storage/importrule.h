// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// How a rule's text is compared with a row's payee; never regarding case.
enum class RuleMatch { Contains, Is, StartsWith };

QString ruleMatchToString(RuleMatch match);
// Unknown text reads as Contains.
RuleMatch ruleMatchFromString(const QString &text);

// What an import does to the rows it brings in: where the payee as the bank wrote it
// matches (and the amount lies in the range, and the row goes into the account, where the
// rule names them), the rule sets whichever of payee, category and memo it names.
struct ImportRule {
    QString id;
    int position = 0; // rules are tried in ascending position
    RuleMatch match = RuleMatch::Contains;
    QString text;
    std::optional<qint64> minAmount; // minor units, included
    std::optional<qint64> maxAmount; // minor units, included
    QString accountId;               // empty: every account
    QString setPayee;                // empty: leaves the payee
    QString setCategoryId;           // empty: leaves the category
    QString setMemo;                 // empty: leaves the memo
    QDateTime createdAt;
    QDateTime updatedAt;
};
