// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reconciliation/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/reconciliationrepository.h"
#include "ui/common/styles.h"
#include "ui/presentation/regionalformat.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString completedText(const QDateTime &completedAt) {
    const QDateTime local = completedAt.toLocalTime();
    return RegionalFormat::formatDate(local.date()) + QLatin1Char(' ')
           + local.time().toString(QStringLiteral("HH:mm"));
}

QTableWidgetItem *moneyItem(qint64 amount, Currency currency) {
    auto *item = new QTableWidgetItem(formatMoney(amount, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0) {
        item->setForeground(Styles::negativeColour());
    }
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_title(new QLabel(tr("Reconciliation History"), this))
    , m_table(new QTableWidget(0, 4, this))
    , m_empty(new QLabel(tr("No reconciliations yet. Reconcile your account from the register "
                            "to see the history here."),
                         this)) {
    setAccessibleName(tr("Reconciliation History"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    QFont titleFont = QApplication::font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + 4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    layout->addWidget(m_title);
    m_title->setTextFormat(Qt::PlainText);
    auto *subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(subtitle);
    layout->addSpacing(8);

    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->setAccessibleName(tr("Past reconciliations"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    QHeaderView *columns = m_table->horizontalHeader();
    columns->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(1, QHeaderView::Stretch);
    columns->setSectionResizeMode(2, QHeaderView::Stretch);
    columns->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(Styles::mutedColour()));
    m_empty->setAccessibleName(tr("No reconciliations"));
    layout->addWidget(m_empty, 1);
    m_empty->hide();

    connect(m_state, &AppState::dataChanged, this, &ReconciliationHistoryScreen::onDataChanged);
}

void ReconciliationHistoryScreen::setAccount(const QString &accountId) {
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::reload() {
    m_stale = false;
    const std::optional<Account> account
        = m_accountId.isEmpty() ? std::nullopt
                                : m_state->accountRepository()->findById(m_accountId);
    m_title->setText(account ? tr("Reconciliation History — %1").arg(account->name)
                             : tr("Reconciliation History"));
    const Currency currency = account ? account->currency : Currency::USD;
    const QList<Reconciliation> history
        = account ? m_state->reconciliationRepository()->findByAccount(m_accountId)
                  : QList<Reconciliation>();

    m_table->setRowCount(0);
    m_table->setVisible(!history.isEmpty());
    m_empty->setVisible(history.isEmpty());
    m_table->setRowCount(int(history.size()));
    for (int row = 0; row < history.size(); ++row) {
        const Reconciliation &entry = history.at(row);
        m_table->setItem(row, 0,
                         new QTableWidgetItem(RegionalFormat::formatDate(entry.statementDate)));
        m_table->setItem(row, 1, moneyItem(entry.statementBalance, currency));
        m_table->setItem(row, 2, moneyItem(entry.reconciledBalance, currency));
        m_table->setItem(row, 3, new QTableWidgetItem(completedText(entry.completedAt)));
    }
}

void ReconciliationHistoryScreen::onDataChanged(const DataChange &change) {
    if (!change.touches(DataChange::Reconciliations | DataChange::Accounts))
        return;
    if (isVisible())
        reload();
    else
        m_stale = true;
}

void ReconciliationHistoryScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        reload();
}
