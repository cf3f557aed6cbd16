// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/budgetservice.h"

#include "services/servicelog.h"
#include "storage/budgetrepository.h"
#include "storage/database.h"
#include "storage/timestamps.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

QString cellKey(const QString &month, const QString &categoryId) {
    return month + QLatin1Char('|') + categoryId;
}

QDate firstOfMonth(const QDate &day) {
    return QDate(day.year(), day.month(), 1);
}

} // namespace

BudgetService::BudgetService(Database *database, LedgerWriter *writer, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_writer(writer)
    , m_budgets(new BudgetRepository(database, this)) {}

Currency BudgetService::currency() const {
    QSqlQuery query(m_database->connection());
    if (query.exec(QStringLiteral("SELECT currency FROM accounts WHERE deleted_at IS NULL ORDER BY "
                                  "sort_order, name LIMIT 1"))
        && query.next())
        return currencyFromString(query.value(0).toString());
    return Currency::USD;
}

QString BudgetService::monthKey(const QDate &day) {
    return day.toString(QStringLiteral("yyyy-MM"));
}

bool BudgetService::readCategories(QList<CategoryNode> *nodes, QList<int> *roots) const {
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, name, IFNULL(parent_id, '') FROM categories "
                                   "WHERE deleted_at IS NULL AND category_type = 'expense'"))) {
        qCWarning(lcServices).noquote()
            << "BudgetService::readCategories failed:" << query.lastError().text();
        return false;
    }
    while (query.next())
        nodes->append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), {}});
    std::sort(nodes->begin(), nodes->end(), [](const CategoryNode &a, const CategoryNode &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    QHash<QString, int> index;
    for (int i = 0; i < nodes->size(); ++i)
        index.insert(nodes->at(i).id, i);
    // A parent that is gone or not an expense category leaves its children at the top, as
    // the category list shows them; a loop in stored data is cut where it closes.
    for (int i = 0; i < nodes->size(); ++i) {
        int parent = index.value(nodes->at(i).parentId, -1);
        for (int step = parent; step >= 0; step = index.value(nodes->at(step).parentId, -1)) {
            if (step == i) {
                parent = -1;
                break;
            }
        }
        if (parent < 0) {
            (*nodes)[i].parentId.clear();
            roots->append(i);
        } else {
            (*nodes)[parent].children.append(i);
        }
    }
    return true;
}

bool BudgetService::readSpent(const QDate &from, const QDate &to,
                              QHash<QString, qint64> *spent) const {
    // The category spending report's sums for whole months: the summary cells of money out,
    // with each split transaction taken back from its own category and counted per line.
    // Split transactions are found from the split lines, which are few (CROSS JOIN keeps that
    // order): asked for "t.id IN (...)", SQLite walks every transaction without a transfer
    // link instead.
    const QString splitFilter = QStringLiteral(
        "t.is_split = 1 AND t.deleted_at IS NULL AND t.transfer_link_id IS NULL AND t.amount < 0 "
        "AND t.date >= ? AND t.date <= ?");
    const QString sql
        = QStringLiteral("SELECT m, c, SUM(a) FROM ("
                         "SELECT month AS m, category_id AS c, out_total AS a "
                         "FROM report_category_months WHERE month >= ? AND month <= ? "
                         "UNION ALL "
                         "SELECT substr(t.date, 1, 7), IFNULL(t.category_id, ''), -t.amount "
                         "FROM (SELECT DISTINCT transaction_id AS id FROM split_lines) s "
                         "CROSS JOIN transactions t ON t.id = s.id WHERE %1 "
                         "UNION ALL "
                         "SELECT substr(t.date, 1, 7), l.category_id, l.amount FROM split_lines l "
                         "CROSS JOIN transactions t ON t.id = l.transaction_id WHERE %1"
                         ") GROUP BY m, c")
              .arg(splitFilter);
    const QDate last = to.addMonths(1).addDays(-1);
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    if (ok) {
        query.addBindValue(monthKey(from));
        query.addBindValue(monthKey(to));
        for (int i = 0; i < 2; ++i) {
            query.addBindValue(Timestamps::dateToText(from));
            query.addBindValue(Timestamps::dateToText(last));
        }
        ok = query.exec();
    }
    while (ok && query.next())
        spent->insert(cellKey(query.value(0).toString(), query.value(1).toString()),
                      -query.value(2).toLongLong());
    if (!ok)
        qCWarning(lcServices).noquote()
            << "BudgetService::readSpent failed:" << query.lastError().text();
    return ok;
}

BudgetMonth BudgetService::month(const QDate &day) const {
    return period(day, day);
}

BudgetMonth BudgetService::period(const QDate &from, const QDate &to) const {
    BudgetMonth result;
    if (!from.isValid() || !to.isValid())
        return result;
    result.month = firstOfMonth(std::min(from, to));
    result.lastMonth = firstOfMonth(std::max(from, to));
    const QString lastKey = monthKey(result.lastMonth);

    QList<CategoryNode> nodes;
    QList<int> roots;
    if (!readCategories(&nodes, &roots))
        return result;

    // Every budget up to the last month: a rollover chain may reach back years, and budgets
    // are few (a row per category and month).
    QHash<QString, Budget> budgets;
    for (const Budget &budget : m_budgets->findMonths(QStringLiteral("0000-01"), lastKey))
        budgets.insert(cellKey(budget.month, budget.categoryId), budget);

    // How far back the rollover chains into the first month go: each runs back over the
    // months before whose budgets carry on.
    QDate earliest = result.month;
    QHash<QString, QDate> chainStart;
    for (const CategoryNode &node : nodes) {
        QDate start = result.month;
        while (true) {
            const auto before = budgets.constFind(cellKey(monthKey(start.addMonths(-1)), node.id));
            if (before == budgets.constEnd() || !before->rollover)
                break;
            start = start.addMonths(-1);
        }
        chainStart.insert(node.id, start);
        earliest = std::min(earliest, start);
    }

    QHash<QString, qint64> ownSpent;
    if (!readSpent(earliest, result.lastMonth, &ownSpent))
        return result;

    // Spent in a month by a category and everything below it.
    const std::function<qint64(int, const QString &)> spentBelow
        = [&](int i, const QString &month) -> qint64 {
        qint64 total = ownSpent.value(cellKey(month, nodes.at(i).id));
        for (int child : nodes.at(i).children)
            total += spentBelow(child, month);
        return total;
    };

    // What a category with its own budgets carries into the first month.
    const auto carriedIn = [&](int i) -> qint64 {
        qint64 carry = 0;
        for (QDate m = chainStart.value(nodes.at(i).id); m < result.month; m = m.addMonths(1)) {
            const QString key = monthKey(m);
            const qint64 left
                = budgets.value(cellKey(key, nodes.at(i).id)).amount + carry - spentBelow(i, key);
            carry = std::max<qint64>(0, left);
        }
        return carry;
    };

    // The lines of one month, parents before their children. Within a period, money carried
    // from one of its months into the next is part of the budgets already summed, so only
    // the first month's carry counts.
    QList<BudgetLine> lines;
    const std::function<BudgetLine(int, int, const QDate &)> addLine
        = [&](int i, int depth, const QDate &month) -> BudgetLine {
        const CategoryNode &node = nodes.at(i);
        const QString key = monthKey(month);
        const bool first = month == result.month;
        const int at = lines.size();
        lines.append(BudgetLine());
        BudgetLine line;
        line.categoryId = node.id;
        line.name = node.name;
        line.parentId = node.parentId;
        line.depth = depth;
        line.spent = ownSpent.value(cellKey(key, node.id));
        qint64 childBudget = 0;
        qint64 childCarried = 0;
        for (int child : node.children) {
            const BudgetLine childLine = addLine(child, depth + 1, month);
            childBudget += childLine.budget;
            childCarried += childLine.carried;
            line.spent += childLine.spent;
        }
        const auto own = budgets.constFind(cellKey(key, node.id));
        if (own != budgets.constEnd()) {
            line.ownBudget = true;
            line.rollover = own->rollover;
            line.budget = own->amount;
        } else {
            line.budget = childBudget;
        }
        // Carried money belongs to the budget it was left from: a category's own chain, or
        // what its children carry when it sums them.
        if (first)
            line.carried = chainStart.value(node.id) < result.month ? carriedIn(i)
                           : line.ownBudget                         ? 0
                                                                    : childCarried;
        line.remaining = line.budget + line.carried - line.spent;
        lines[at] = line;
        return line;
    };

    // A month without budgets or spending adds nothing: a long period reads only its months
    // that hold something.
    QSet<QString> monthsWithData;
    for (auto it = budgets.cbegin(); it != budgets.cend(); ++it)
        monthsWithData.insert(it->month);
    for (auto it = ownSpent.cbegin(); it != ownSpent.cend(); ++it)
        monthsWithData.insert(it.key().left(7));
    for (QDate month = result.month; month <= result.lastMonth; month = month.addMonths(1)) {
        if (month != result.month && !monthsWithData.contains(monthKey(month)))
            continue;
        lines.clear();
        for (int root : roots)
            addLine(root, 0, month);
        if (month == result.month) {
            result.lines = lines;
            continue;
        }
        // Every month walks the same tree in the same order.
        for (int i = 0; i < lines.size(); ++i) {
            BudgetLine &sum = result.lines[i];
            const BudgetLine &line = lines.at(i);
            sum.ownBudget = sum.ownBudget || line.ownBudget;
            sum.rollover = line.rollover;
            sum.budget += line.budget;
            sum.spent += line.spent;
            sum.remaining = sum.budget + sum.carried - sum.spent;
        }
    }

    for (const BudgetLine &line : std::as_const(result.lines)) {
        if (line.depth != 0)
            continue;
        result.totalBudget += line.budget;
        result.totalCarried += line.carried;
        result.totalSpent += line.spent;
        result.totalRemaining += line.remaining;
    }
    result.ok = true;
    return result;
}

LedgerWriter::Result BudgetService::copyPreviousMonth(const QDate &day, int *count) {
    if (count)
        *count = 0;
    const QDate target = firstOfMonth(day);
    const QString previous = monthKey(target.addMonths(-1));
    QList<CategoryNode> nodes;
    QList<int> roots;
    if (!readCategories(&nodes, &roots))
        return LedgerWriter::Result::Failed;
    QSet<QString> live;
    for (const CategoryNode &node : nodes)
        live.insert(node.id);
    QList<Budget> copies;
    for (Budget budget : m_budgets->findMonths(previous, previous)) {
        if (!live.contains(budget.categoryId))
            continue;
        budget.month = monthKey(target);
        copies.append(budget);
    }
    const LedgerWriter::Result result
        = m_writer->setBudgets(copies, tr("Copy Budgets from Last Month"));
    if (result == LedgerWriter::Result::Ok && count)
        *count = copies.size();
    return result;
}

LedgerWriter::Result BudgetService::fillFromAverage(const QDate &day, int *count) {
    if (count)
        *count = 0;
    const QDate target = firstOfMonth(day);
    QList<CategoryNode> nodes;
    QList<int> roots;
    QHash<QString, qint64> ownSpent;
    if (!readCategories(&nodes, &roots)
        || !readSpent(target.addMonths(-3), target.addMonths(-1), &ownSpent))
        return LedgerWriter::Result::Failed;

    const auto spentOver = [&](const std::function<qint64(const QString &)> &spentIn) {
        qint64 total = 0;
        for (int back = 1; back <= 3; ++back)
            total += spentIn(monthKey(target.addMonths(-back)));
        return total;
    };
    const std::function<qint64(int, const QString &)> spentBelow
        = [&](int i, const QString &month) -> qint64 {
        qint64 total = ownSpent.value(cellKey(month, nodes.at(i).id));
        for (int child : nodes.at(i).children)
            total += spentBelow(child, month);
        return total;
    };

    QList<Budget> budgets;
    for (int i = 0; i < nodes.size(); ++i) {
        const QString id = nodes.at(i).id;
        const qint64 own
            = spentOver([&](const QString &m) { return ownSpent.value(cellKey(m, id)); });
        if (own <= 0)
            continue;
        const qint64 total = nodes.at(i).children.isEmpty()
                                 ? own
                                 : spentOver([&](const QString &m) { return spentBelow(i, m); });
        if (total <= 0)
            continue;
        Budget budget;
        budget.categoryId = id;
        budget.month = monthKey(target);
        budget.amount = (total + 1) / 3; // to the nearest minor unit
        const std::optional<Budget> existing = m_budgets->find(id, budget.month);
        budget.rollover = existing && !existing->deletedAt && existing->rollover;
        budgets.append(budget);
    }
    const LedgerWriter::Result result
        = m_writer->setBudgets(budgets, tr("Fill Budgets from Average"));
    if (result == LedgerWriter::Result::Ok && count)
        *count = budgets.size();
    return result;
}
