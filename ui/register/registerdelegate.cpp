// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registerdelegate.h"

#include "ui/common/styles.h"
#include "ui/register/payeememoeditor.h"
#include "ui/register/registercompletions.h"
#include "ui/register/registermodel.h"
#include "ui/widgets/categorychoices.h"
#include "ui/widgets/smartdateedit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStandardItemModel>
#include <QStringListModel>

namespace {

const char *const kEditorPart = "registerEditorPart";
// On a completion list: the field it completes.
const char *const kCompletionsOf = "registerCompletionsOf";
// The text a category editor showed when it opened.
const char *const kShownCategory = "registerShownCategory";
constexpr int kFirstLineHeight = 36;
constexpr int kTwoLineHeight = 52;

} // namespace

RegisterDelegate::RegisterDelegate(RegisterCompletions *completions, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_completions(completions) {}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const {
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn: {
        // The field brings its own calendar button.
        editor = new SmartDateEdit(parent);
        break;
    }
    case RegisterModel::PayeeColumn: {
        auto *line = new QLineEdit(parent);
        QCompleter *completer = CategoryChoices::containsCompleter(m_completions->payees(), line);
        line->setCompleter(completer);
        watchCompletions(completer, line);
        auto *model = const_cast<QAbstractItemModel *>(index.model());
        connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
                [this, model, line](const QString &text) {
                    autofillPayee(model, text);
                    // The memo under the payee shows what the autofill brought.
                    auto *registerModel = qobject_cast<RegisterModel *>(model);
                    if (PayeeMemoEditor *pair = PayeeMemoEditor::of(line); pair && registerModel)
                        pair->memoEdit()->setText(registerModel->buffer().memo);
                });
        if (!m_twoLine) {
            editor = line;
            break;
        }
        // With the Memo column hidden, its text is typed under the payee.
        auto *pair = new PayeeMemoEditor(line, parent);
        for (QLineEdit *field : {pair->payeeEdit(), pair->memoEdit()}) {
            field->setProperty(kEditorPart, true);
            field->installEventFilter(const_cast<RegisterDelegate *>(this));
        }
        editor = pair;
        break;
    }
    case RegisterModel::CategoryColumn: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setModel(m_completions->categories());
        QCompleter *completer = CategoryChoices::containsCompleter(combo->model(), combo);
        combo->setCompleter(completer);
        watchCompletions(completer, combo->lineEdit());
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
    if (editor->accessibleName().isEmpty())
        editor->setAccessibleName(
            index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return editor;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *pair = qobject_cast<PayeeMemoEditor *>(editor)) {
        pair->payeeEdit()->setText(value);
        pair->payeeEdit()->selectAll();
        pair->memoEdit()->setText(
            index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString());
        return;
    }
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate parsed = RegisterModel::parseDateText(value);
        if (parsed.isValid())
            date->setDate(parsed);
        date->selectAll();
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        // The row names its category by id: its bare name may be shared by categories under
        // other parents, and the items read "Parent > Child".
        const QString id = index.data(RegisterModel::CategoryIdRole).toString();
        int found = id.isEmpty() ? -1 : combo->findData(id);
        if (found < 0 && !value.isEmpty())
            found = combo->findText(value, Qt::MatchFixedString);
        if (found >= 0)
            combo->setCurrentIndex(found);
        else
            combo->setEditText(value);
        combo->setProperty(kShownCategory, combo->currentText());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(value);
        line->selectAll();
    }
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const {
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (auto *pair = qobject_cast<PayeeMemoEditor *>(editor)) {
        const QString payee = pair->payeeEdit()->text();
        const bool payeeChanged = payee != index.data(Qt::EditRole).toString();
        model->setData(index.siblingAtColumn(RegisterModel::MemoColumn), pair->memoEdit()->text());
        model->setData(index, payee);
        if (payeeChanged)
            autofillPayee(model, payee);
        return;
    }
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        model->setData(index, RegisterModel::dateText(date->parsedDate()));
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        // Passing through the cell is no edit: the category stays the row's, by id.
        if (combo->currentText() == combo->property(kShownCategory).toString())
            return;
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

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const {
    if (!m_twoLine) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const bool selected = opt.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    const QRect firstLine(cell.left(), cell.top(), cell.width(),
                          qMin(kFirstLineHeight, cell.height()));
    const QColor background
        = option.palette.color(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base);

    painter->save();
    painter->fillRect(cell, background);
    // The panel (selection, focus, the new-entry row's tint) marks the cell's own first line;
    // the payee's panel also covers the memo under it.
    QStyleOptionViewItem panel = opt;
    panel.text.clear();
    panel.icon = QIcon();
    if (index.column() != RegisterModel::PayeeColumn)
        panel.rect = firstLine;
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    QColor textColour = option.palette.color(QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (selected)
        textColour = option.palette.color(QPalette::HighlightedText);
    else if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
        textColour = foreground.value<QColor>();
    const QString text = index.data(Qt::DisplayRole).toString();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    switch (index.column()) {
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn:
        alignment = Qt::AlignRight | Qt::AlignVCenter;
        break;
    case RegisterModel::ClrColumn:
        alignment = Qt::AlignCenter;
        break;
    default:
        break;
    }
    const QRect textRect = firstLine.adjusted(4, 0, -4, 0);
    painter->setFont(opt.font);
    painter->setPen(textColour);
    painter->drawText(textRect, int(alignment),
                      opt.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));

    // The memo runs under the payee and on under the category, as one line.
    const int column = index.column();
    if (column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn) {
        const QString memo
            = index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::DisplayRole).toString();
        if (!memo.isEmpty()) {
            int left = cell.left() + 4;
            if (column == RegisterModel::CategoryColumn) {
                if (const auto *view = qobject_cast<const QAbstractItemView *>(widget))
                    left
                        = view->visualRect(index.siblingAtColumn(RegisterModel::PayeeColumn)).left()
                          + 4;
            }
            const QRect memoRect(QPoint(left, cell.top() + kFirstLineHeight),
                                 QPoint(cell.right() - 4, cell.bottom()));
            const QFont font = PayeeMemoEditor::memoFont(opt.font);
            painter->setFont(font);
            painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                     : QColor(Styles::mutedColour()));
            painter->drawText(
                memoRect, Qt::AlignLeft | Qt::AlignVCenter,
                QFontMetrics(font).elidedText(memo, Qt::ElideRight, memoRect.width()));
        }
    }
    painter->restore();
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLine)
        size.setHeight(kTwoLineHeight);
    return size;
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const {
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    if (m_twoLine && index.column() != RegisterModel::PayeeColumn) {
        QRect rect = editor->geometry();
        rect.setHeight(qMin(rect.height(), kFirstLineHeight));
        editor->setGeometry(rect);
    }
}

void RegisterDelegate::autofillPayee(QAbstractItemModel *model, const QString &payee) const {
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (!registerModel || registerModel->editingRow() >= 0)
        return;
    const std::optional<Transaction> last = m_completions->lastByPayee(payee.trimmed());
    if (!last)
        return;
    registerModel->setBufferField(RegisterModel::PayeeColumn, payee.trimmed());
    registerModel->setBufferField(RegisterModel::PaymentColumn,
                                  last->amount < 0 ? registerModel->amountText(-last->amount)
                                                   : QString());
    registerModel->setBufferField(RegisterModel::DepositColumn,
                                  last->amount >= 0 ? registerModel->amountText(last->amount)
                                                    : QString());
    // A category deleted since is not brought back.
    if (const QString text = m_completions->categoryText(last->categoryId); !text.isEmpty())
        registerModel->setCategory(text, last->categoryId);
    if (!last->memo.isEmpty())
        registerModel->setBufferField(RegisterModel::MemoColumn, last->memo);
}

QString RegisterDelegate::unknownCategoryText(QWidget *editor, const QList<Category> &categories) {
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo && editor)
        combo = qobject_cast<QComboBox *>(editor->parentWidget());
    if (!combo || !combo->property(kShownCategory).isValid())
        return QString();
    const QString text = combo->currentText().trimmed();
    if (text.isEmpty() || combo->currentText() == combo->property(kShownCategory).toString()
        || CategoryChoices::idForText(categories, text))
        return QString();
    return text;
}

void RegisterDelegate::watchCompletions(QCompleter *completer, QLineEdit *line) const {
    // While the list shows, keys go to it and the completer hands on only what it does not
    // use itself, past the field's filters: Enter and Tab must be seen here first.
    QAbstractItemView *popup = completer->popup();
    popup->setProperty(kCompletionsOf, QVariant::fromValue<QObject *>(line));
    popup->installEventFilter(const_cast<RegisterDelegate *>(this));
}

bool RegisterDelegate::eventFilter(QObject *object, QEvent *event) {
    if (const QVariant owner = object->property(kCompletionsOf); owner.isValid()) {
        // The list outlives its field while the editor is torn down (the field is deleted
        // first and the list then sends its own last events), so the field is looked at only
        // for a key, which a list being destroyed never receives.
        if (event->type() != QEvent::KeyPress || !m_keyHandler)
            return false;
        auto *line = qobject_cast<QWidget *>(owner.value<QObject *>());
        return line && m_keyHandler(line, static_cast<QKeyEvent *>(event));
    }
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
