// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/payeememoeditor.h"

#include <QLineEdit>
#include <QVBoxLayout>

PayeeMemoEditor::PayeeMemoEditor(QLineEdit *payee, QWidget *parent)
    : QWidget(parent)
    , m_payee(payee)
    , m_memo(new QLineEdit(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_payee->setParent(this);
    m_payee->setObjectName(QStringLiteral("payeeEdit"));
    m_payee->setAccessibleName(tr("Payee"));
    m_memo->setObjectName(QStringLiteral("memoEdit"));
    m_memo->setAccessibleName(tr("Memo"));
    m_memo->setFont(memoFont(m_memo->font()));
    m_memo->setPlaceholderText(tr("Memo"));
    for (QLineEdit *field : {m_payee, m_memo}) {
        field->setFocusPolicy(Qt::ClickFocus);
        layout->addWidget(field);
    }
    setFocusProxy(m_payee);
}

QLineEdit *PayeeMemoEditor::partner(const QWidget *field, bool forward) const {
    if (field == m_payee && forward)
        return m_memo;
    if (field == m_memo && !forward)
        return m_payee;
    return nullptr;
}

PayeeMemoEditor *PayeeMemoEditor::of(QWidget *widget) {
    if (auto *editor = qobject_cast<PayeeMemoEditor *>(widget))
        return editor;
    return widget ? qobject_cast<PayeeMemoEditor *>(widget->parentWidget()) : nullptr;
}

QFont PayeeMemoEditor::memoFont(QFont font) {
    font.setItalic(true);
    font.setPointSizeF(qMax(7.0, font.pointSizeF() - 1));
    return font;
}
