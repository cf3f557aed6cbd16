// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QStyledItemDelegate>

#include <functional>

struct Category;
class QCompleter;
class QKeyEvent;
class QLineEdit;
class RegisterCompletions;

// Creates the register's in-place editors and writes them back into the model's edit buffer.
// Keys typed into an editor go to the screen first (through keyHandler), so that Enter, Tab,
// Escape and the register's shortcuts act the same inside a field as on the table.
class RegisterDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using KeyHandler = std::function<bool(QWidget *editor, QKeyEvent *event)>;

    // The editors complete from and fill in from completions.
    explicit RegisterDelegate(RegisterCompletions *completions, QObject *parent = nullptr);

    // Memo under the payee, rows 52 px high.
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    bool twoLine() const { return m_twoLine; }
    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // Fills amount, category and memo of the new-entry row from the payee's last transaction
    // in this account. Leaves a row being edited alone.
    void autofillPayee(QAbstractItemModel *model, const QString &payee) const;

    // The text typed into a category editor (or a part of one) when it names no category and
    // is not what the editor opened with; empty otherwise.
    static QString unknownCategoryText(QWidget *editor, const QList<Category> &categories);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void watchCompletions(QCompleter *completer, QLineEdit *line) const;

    RegisterCompletions *m_completions; // Not owned.
    KeyHandler m_keyHandler;
    bool m_twoLine = false;
};
