// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/registerdelegate.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "ui/registermodel.h"
#include "ui/smartdateedit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace {

const char *const kEditorPart = "registerEditorPart";

// The categories as the combo lists them: "Parent > Child" where the parent is known.
QList<QPair<QString, QString>> categoryItems(AppState *state) {
    const QList<Category> categories = state->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &c : categories)
        names.insert(c.id, c.name);
    QList<QPair<QString, QString>> items;
    for (const Category &c : categories) {
        const QString parent = names.value(c.parentId);
        items.append(
            {parent.isEmpty() ? c.name : QStringLiteral("%1 > %2").arg(parent, c.name), c.id});
    }
    return items;
}

QCompleter *containsCompleter(QAbstractItemModel *model, QObject *parent) {
    auto *completer = new QCompleter(model, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    return completer;
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState *state, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_state(state) {}

QStringList RegisterDelegate::payeeCompletions() const {
    QStringList list = m_state->transactionRepository()->payees();
    list.removeAll(QString());
    for (const Account &account : m_state->accountRepository()->findAll()) {
        if (account.id == m_accountId)
            continue;
        const QString transfer = QStringLiteral("[Transfer] %1").arg(account.name);
        if (!list.contains(transfer))
            list.append(transfer);
    }
    return list;
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const {
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn: {
        auto *date = new SmartDateEdit(parent);
        date->setDate(QDate::currentDate());
        QAction *calendar
            = date->addAction(date->style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                              QLineEdit::TrailingPosition);
        calendar->setToolTip(tr("Open calendar (F4)"));
        connect(calendar, &QAction::triggered, date, &SmartDateEdit::openCalendarPopup);
        editor = date;
        break;
    }
    case RegisterModel::PayeeColumn: {
        auto *line = new QLineEdit(parent);
        QCompleter *completer = containsCompleter(nullptr, line);
        completer->setModel(new QStringListModel(payeeCompletions(), completer));
        line->setCompleter(completer);
        auto *model = const_cast<QAbstractItemModel *>(index.model());
        connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
                [this, model](const QString &text) { autofillPayee(model, text); });
        editor = line;
        break;
    }
    case RegisterModel::CategoryColumn: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItem(QString(), QString());
        for (const auto &item : categoryItems(m_state))
            combo->addItem(item.first, item.second);
        QCompleter *completer = containsCompleter(combo->model(), combo);
        combo->setCompleter(completer);
        // Keys typed into the combo reach its line edit, not the combo.
        combo->lineEdit()->setProperty(kEditorPart, true);
        combo->lineEdit()->installEventFilter(const_cast<RegisterDelegate *>(this));
        editor = combo;
        break;
    }
    default: {
        auto *line = new QLineEdit(parent);
        if (index.column() == RegisterModel::PaymentColumn
            || index.column() == RegisterModel::DepositColumn)
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == RegisterModel::ClrColumn) {
            line->setMaxLength(1);
            line->setAlignment(Qt::AlignCenter);
        }
        editor = line;
        break;
    }
    }
    if (!qobject_cast<QComboBox *>(editor))
        editor->setFocusPolicy(Qt::ClickFocus);
    editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return editor;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate parsed = RegisterModel::parseDateText(value);
        if (parsed.isValid())
            date->setDate(parsed);
        date->selectAll();
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int found = combo->findText(value, Qt::MatchFixedString);
        if (found >= 0 && !value.isEmpty())
            combo->setCurrentIndex(found);
        else
            combo->setEditText(value);
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(value);
        line->selectAll();
    }
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const {
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        model->setData(index, RegisterModel::dateText(date->parsedDate()));
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const QString text = combo->currentText().trimmed();
        const int found = combo->findText(text, Qt::MatchFixedString);
        const QString id = found >= 0 ? combo->itemData(found).toString() : QString();
        if (registerModel)
            registerModel->setCategory(found >= 0 ? combo->itemText(found) : text, id);
        else
            model->setData(index, text);
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        QString text = line->text();
        if (index.column() == RegisterModel::ClrColumn)
            text = text.toUpper();
        const bool payeeChanged = index.column() == RegisterModel::PayeeColumn
                                  && text != index.data(Qt::EditRole).toString();
        model->setData(index, text);
        if (payeeChanged)
            autofillPayee(model, text);
    }
}

void RegisterDelegate::autofillPayee(QAbstractItemModel *model, const QString &payee) const {
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (!registerModel || registerModel->editingRow() >= 0)
        return;
    const std::optional<Transaction> last
        = m_state->transactionRepository()->lastByPayee(payee.trimmed(), m_accountId);
    if (!last)
        return;
    registerModel->setBufferField(RegisterModel::PayeeColumn, payee.trimmed());
    registerModel->setBufferField(RegisterModel::PaymentColumn,
                                  last->amount < 0 ? formatAmount(-last->amount, Currency::USD)
                                                   : QString());
    registerModel->setBufferField(RegisterModel::DepositColumn,
                                  last->amount >= 0 ? formatAmount(last->amount, Currency::USD)
                                                    : QString());
    if (!last->categoryId.isEmpty()) {
        if (const auto category = m_state->categoryRepository()->findById(last->categoryId)) {
            QString text = category->name;
            for (const auto &item : categoryItems(m_state)) {
                if (item.second == category->id)
                    text = item.first;
            }
            registerModel->setCategory(text, category->id);
        }
    }
    if (!last->memo.isEmpty())
        registerModel->setBufferField(RegisterModel::MemoColumn, last->memo);
}

bool RegisterDelegate::eventFilter(QObject *object, QEvent *event) {
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        && m_keyHandler) {
        if (m_keyHandler(qobject_cast<QWidget *>(object), static_cast<QKeyEvent *>(event)))
            return true;
    }
    // Focus leaving for a completion list or another window is no reason to end the field:
    // the text stays in its editor for when the user comes back.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return false;
    }
    // A part of an editor is no editor of the view: leave its focus and other events alone.
    if (object->property(kEditorPart).toBool())
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}
