// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reports/reportcells.h"

#include "storage/money.h"

#include <QTableWidgetItem>

namespace {

constexpr int kAmountRole = Qt::UserRole + 1;
constexpr int kCurrencyRole = Qt::UserRole + 2;

} // namespace

namespace ReportCells {

QTableWidgetItem *text(const QString &text) {
    return new QTableWidgetItem(text);
}

QTableWidgetItem *number(const QString &text) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem *money(qint64 amount, Currency currency) {
    QTableWidgetItem *item = number(formatMoney(amount, currency));
    item->setData(kAmountRole, amount);
    item->setData(kCurrencyRole, int(currency));
    return item;
}

QString exportText(const QTableWidgetItem *item) {
    if (!item)
        return QString();
    const QVariant amount = item->data(kAmountRole);
    if (!amount.isValid())
        return item->text();
    return formatPlainNumber(amount.toLongLong(), Currency(item->data(kCurrencyRole).toInt()));
}

} // namespace ReportCells
