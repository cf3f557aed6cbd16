// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/accountsidebar.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "ui/common/styles.h"
#include "ui/presentation/accountlistmodel.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/window/accountitemdelegate.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMinimumWidth = 260;
constexpr int kMaximumWidth = 500;
constexpr int kTotalHeight = 32;
// Alt+1 ... Alt+9 and Alt+0 for the tenth.
constexpr int kShortcutCount = 10;

const char kListStyle[]
    = "QListView {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  "
      "font-size: 10pt;}QListView::item {  color: %2;  padding: 7px 14px;  border: none;}"
      "QListView::item:hover {  background-color: %3;  color: %4;}"
      "QListView::item:selected {  background-color: %5;  color: %4;}"
      "QListView::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  "
      "background: transparent;}";

} // namespace

AccountSidebar::AccountSidebar(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new AccountListModel(this))
    , m_list(new QListView(this))
    , m_total(new QLabel(this)) {
    setAccessibleName(tr("Sidebar"));
    setMinimumWidth(kMinimumWidth);
    setMaximumWidth(kMaximumWidth);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setAccessibleName(tr("Accounts"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new AccountItemDelegate(m_list));
    m_list->setMinimumWidth(kMinimumWidth);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    // Rows are as wide as the list: laid out again whenever the sidebar is resized.
    m_list->setResizeMode(QListView::Adjust);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setStyleSheet(QString::fromLatin1(kListStyle)
                              .arg(Styles::hex(Styles::Sidebar::background()),
                                   Styles::hex(Styles::Sidebar::text()),
                                   Styles::hex(Styles::Sidebar::hoverBackground()),
                                   Styles::hex(Styles::Sidebar::brightText()),
                                   Styles::hex(Styles::Sidebar::selectedBackground()),
                                   Styles::hex(Styles::Sidebar::disabledText())));
    layout->addWidget(m_list, 1);

    m_total->setObjectName(QStringLiteral("accountsTotal"));
    QFont totalFont = QApplication::font();
    totalFont.setWeight(QFont::Medium);
    m_total->setFont(totalFont);
    m_total->setAlignment(Qt::AlignCenter);
    m_total->setFixedHeight(kTotalHeight);
    m_total->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(Styles::hex(Styles::Sidebar::background()), Styles::hex(Styles::Sidebar::text()),
                 Styles::hex(Styles::Sidebar::rule())));
    m_total->setAccessibleDescription(tr("Total of all accounts"));
    layout->addWidget(m_total);

    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        const QString id = index.data(AccountListModel::IdRole).toString();
        if (!id.isEmpty())
            Q_EMIT accountChosen(id);
    });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        const QString id = m_list->indexAt(position).data(AccountListModel::IdRole).toString();
        Q_EMIT contextMenuRequested(id, m_list->viewport()->mapToGlobal(position));
    });
    connect(m_model, &AccountListModel::reordered, this, &AccountSidebar::orderChanged);
}

void AccountSidebar::refresh() {
    AccountRepository *repository = m_state->accountRepository();
    const QList<Account> accounts = repository->findAll();
    const QHash<QString, qint64> balances = repository->balances();
    m_model->setAccounts(accounts, balances);
    m_total->setText(AccountPresentation::totalText(accounts, balances));
    rebuildShortcuts();
}

QStringList AccountSidebar::accountIds() const {
    return m_model->ids();
}

void AccountSidebar::setCurrentAccount(const QString &accountId) {
    const int row = accountId.isEmpty() ? -1 : m_model->rowOf(accountId);
    if (row < 0) {
        m_list->clearSelection();
        return;
    }
    m_list->setCurrentIndex(m_model->index(row));
}

void AccountSidebar::rebuildShortcuts() {
    const QStringList ids = m_model->ids().mid(0, kShortcutCount);
    if (ids == m_shortcutIds)
        return;
    m_shortcutIds = ids;
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    for (int i = 0; i < ids.size(); ++i) {
        const int digit = (i + 1) % 10;
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + digit)), this);
        shortcut->setContext(Qt::WindowShortcut);
        const QString id = ids.at(i);
        connect(shortcut, &QShortcut::activated, this, [this, id] { Q_EMIT accountChosen(id); });
        m_shortcuts << shortcut;
    }
}
