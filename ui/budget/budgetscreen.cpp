// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/budget/budgetscreen.h"

#include "app/appstate.h"
#include "ui/common/errorbox.h"
#include "ui/common/styles.h"
#include "ui/presentation/amountinput.h"
#include "ui/widgets/smartamountfield.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

BudgetScreen::BudgetScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(new BudgetService(state->database(), state->ledger(), this)) {
    setAccessibleName(tr("Budget"));
    const QDate today = QDate::currentDate();
    m_data.month = QDate(today.year(), today.month(), 1);

    auto *layout = new QVBoxLayout(this);

    auto *navigator = new QHBoxLayout;
    auto *previous = new QToolButton(this);
    previous->setText(tr("< Previous"));
    previous->setAccessibleName(tr("Previous month"));
    previous->setToolTip(tr("Previous month (Alt+Left)"));
    auto *next = new QToolButton(this);
    next->setText(tr("Next >"));
    next->setAccessibleName(tr("Next month"));
    next->setToolTip(tr("Next month (Alt+Right)"));
    m_monthLabel = new QLabel(this);
    m_monthLabel->setAccessibleName(tr("Month"));
    m_monthLabel->setAlignment(Qt::AlignCenter);
    QFont heading = m_monthLabel->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    m_monthLabel->setFont(heading);
    auto *copy = new QPushButton(tr("Co&py Last Month"), this);
    copy->setAccessibleName(tr("Copy last month's budgets"));
    auto *fill = new QPushButton(tr("Fill from &Average"), this);
    fill->setAccessibleName(tr("Fill from the average of the last three months"));
    navigator->addWidget(previous);
    navigator->addWidget(m_monthLabel, 1);
    navigator->addWidget(next);
    navigator->addSpacing(12);
    navigator->addWidget(copy);
    navigator->addWidget(fill);
    layout->addLayout(navigator);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setAccessibleName(tr("Budget by category"));
    m_table->setHorizontalHeaderLabels(
        {tr("Category"), tr("Budget"), tr("Carried In"), tr("Spent"), tr("Remaining"), tr("Used")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(Category, QHeaderView::Stretch);
    for (int column = Budget; column < ColumnCount; ++column)
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_totals = new QLabel(this);
    m_totals->setAccessibleName(tr("Totals"));
    layout->addWidget(m_totals);

    auto *editor = new QHBoxLayout;
    m_editLabel = new QLabel(this);
    m_amount = new SmartAmountField(this);
    m_amount->setRange(0, 99999999.99);
    m_amount->setAccessibleName(tr("Budget amount"));
    m_editLabel->setBuddy(m_amount);
    m_rollover = new QCheckBox(tr("&Roll over what is left"), this);
    m_rollover->setAccessibleName(tr("Roll over what is left into the next month"));
    m_set = new QPushButton(tr("&Set Budget"), this);
    m_set->setAccessibleName(tr("Set budget"));
    m_clear = new QPushButton(tr("C&lear Budget"), this);
    m_clear->setAccessibleName(tr("Clear budget"));
    editor->addWidget(m_editLabel);
    editor->addWidget(m_amount);
    editor->addWidget(m_rollover);
    editor->addStretch(1);
    editor->addWidget(m_set);
    editor->addWidget(m_clear);
    layout->addLayout(editor);

    auto *back = new QAction(this);
    back->setShortcut(QKeySequence(tr("Alt+Left")));
    back->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(back);
    auto *forward = new QAction(this);
    forward->setShortcut(QKeySequence(tr("Alt+Right")));
    forward->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(forward);

    connect(previous, &QToolButton::clicked, this, &BudgetScreen::previousMonth);
    connect(back, &QAction::triggered, this, &BudgetScreen::previousMonth);
    connect(next, &QToolButton::clicked, this, &BudgetScreen::nextMonth);
    connect(forward, &QAction::triggered, this, &BudgetScreen::nextMonth);
    connect(copy, &QPushButton::clicked, this, &BudgetScreen::copyLastMonth);
    connect(fill, &QPushButton::clicked, this, &BudgetScreen::fillFromAverage);
    connect(m_set, &QPushButton::clicked, this, &BudgetScreen::applyBudget);
    connect(m_clear, &QPushButton::clicked, this, &BudgetScreen::clearBudget);
    connect(m_amount, &SmartAmountField::editingFinished, this, [this] {
        if (m_amount->hasFocus())
            applyBudget();
    });
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &BudgetScreen::onCurrentRowChanged);
    connect(state, &AppState::dataChanged, this, &BudgetScreen::onDataChanged);
}

BudgetScreen::~BudgetScreen() {
    // The amount field loses focus while the window is torn down, after this object is no
    // longer a BudgetScreen: its last editingFinished must not reach the apply slot.
    m_amount->disconnect(this);
}

void BudgetScreen::onDataChanged(const DataChange &change) {
    if (!change.touches(DataChange::Budgets | DataChange::Transactions | DataChange::Categories
                        | DataChange::SplitLines | DataChange::Accounts))
        return;
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void BudgetScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

// The bars and the over-budget colour hold palettes of their own, made from the theme that
// was in use when they were filled.
void BudgetScreen::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void BudgetScreen::showMonth(const QDate &day) {
    m_data.month = QDate(day.year(), day.month(), 1);
    refresh();
}

void BudgetScreen::previousMonth() {
    showMonth(m_data.month.addMonths(-1));
}

void BudgetScreen::nextMonth() {
    showMonth(m_data.month.addMonths(1));
}

QString BudgetScreen::selectedCategory() const {
    const int row = m_table->currentRow();
    return row >= 0 && row < m_data.lines.size() ? m_data.lines.at(row).categoryId : QString();
}

void BudgetScreen::refresh() {
    m_stale = false;
    const QString selected = selectedCategory();
    m_data = m_service->month(m_data.month);
    const Currency currency = m_service->currency();
    m_monthLabel->setText(QLocale().toString(m_data.month, QStringLiteral("MMMM yyyy")));

    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(m_data.lines.size());
    int selectRow = m_data.lines.isEmpty() ? -1 : 0;
    const QColor over = Styles::negativeColour(palette());
    for (int row = 0; row < m_data.lines.size(); ++row) {
        const BudgetLine &line = m_data.lines.at(row);
        if (line.categoryId == selected)
            selectRow = row;
        const bool overBudget = line.remaining < 0;
        const auto setCell = [&](int column, const QString &text) {
            auto *item = new QTableWidgetItem(text);
            if (column != Category)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (overBudget)
                item->setForeground(over);
            m_table->setItem(row, column, item);
        };
        setCell(Category, QString(line.depth * 4, QLatin1Char(' ')) + line.name);
        setCell(Budget, AmountInput::toText(line.budget, currency)
                            + (line.ownBudget || line.budget == 0 ? QString() : tr(" (sum)")));
        setCell(Carried, AmountInput::toText(line.carried, currency));
        setCell(Spent, AmountInput::toText(line.spent, currency));
        setCell(Remaining, AmountInput::toText(line.remaining, currency));
        auto *bar = qobject_cast<QProgressBar *>(m_table->cellWidget(row, Used));
        if (!bar) {
            bar = new QProgressBar;
            bar->setRange(0, 100);
            bar->setTextVisible(true);
            m_table->setCellWidget(row, Used, bar);
        }
        const qint64 available = line.budget + line.carried;
        const int percent = available > 0 ? int(std::min<qint64>(999, line.spent * 100 / available))
                                          : (line.spent > 0 ? 100 : 0);
        bar->setValue(std::min(percent, 100));
        bar->setFormat(QStringLiteral("%1%").arg(percent));
        bar->setAccessibleName(tr("%1: %2% of the budget used").arg(line.name).arg(percent));
        QPalette barPalette = palette();
        if (overBudget) {
            barPalette.setColor(QPalette::Highlight, over);
            // The text over the filled part is drawn in the highlighted-text colour, which
            // has to stand out against this red rather than the theme's own highlight.
            barPalette.setColor(QPalette::HighlightedText,
                                over.lightnessF() > 0.6 ? QColor(Qt::black) : QColor(Qt::white));
        }
        bar->setPalette(barPalette);
    }
    m_totals->setText(tr("Budget %1 · Carried in %2 · Spent %3 · Remaining %4")
                          .arg(AmountInput::toText(m_data.totalBudget, currency),
                               AmountInput::toText(m_data.totalCarried, currency),
                               AmountInput::toText(m_data.totalSpent, currency),
                               AmountInput::toText(m_data.totalRemaining, currency)));
    QPalette totalsPalette = palette();
    if (m_data.totalRemaining < 0)
        totalsPalette.setColor(QPalette::WindowText, over);
    m_totals->setPalette(totalsPalette);
    m_amount->setCurrency(currency);
    if (selectRow >= 0)
        m_table->selectRow(selectRow);
    onCurrentRowChanged();
}

void BudgetScreen::onCurrentRowChanged() {
    const int row = m_table->currentRow();
    const bool valid = row >= 0 && row < m_data.lines.size();
    m_amount->setEnabled(valid);
    m_rollover->setEnabled(valid);
    m_set->setEnabled(valid);
    m_clear->setEnabled(valid && m_data.lines.at(row).ownBudget);
    if (!valid) {
        m_editLabel->setText(tr("&Budget:"));
        return;
    }
    const BudgetLine &line = m_data.lines.at(row);
    m_editLabel->setText(tr("&Budget for %1:").arg(line.name));
    m_amount->setAmount(line.ownBudget ? line.budget : 0);
    m_rollover->setChecked(line.rollover);
}

void BudgetScreen::report(LedgerWriter::Result result, const QString &action) {
    if (result != LedgerWriter::Result::Ok)
        ErrorBox::show(this, action, tr("The budgets could not be saved."),
                       tr("The month keeps its previous budgets."));
}

void BudgetScreen::applyBudget() {
    const QString category = selectedCategory();
    if (category.isEmpty())
        return;
    report(m_state->ledger()->setBudget(category, BudgetService::monthKey(m_data.month),
                                        m_amount->amount(), m_rollover->isChecked()),
           tr("Set Budget"));
    refresh();
}

void BudgetScreen::clearBudget() {
    const QString category = selectedCategory();
    if (category.isEmpty())
        return;
    report(m_state->ledger()->clearBudget(category, BudgetService::monthKey(m_data.month)),
           tr("Clear Budget"));
    refresh();
}

void BudgetScreen::copyLastMonth() {
    report(m_service->copyPreviousMonth(m_data.month), tr("Copy Last Month"));
    refresh();
}

void BudgetScreen::fillFromAverage() {
    report(m_service->fillFromAverage(m_data.month), tr("Fill from Average"));
    refresh();
}
