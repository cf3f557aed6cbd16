// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QFont>
#include <QWidget>

class QLineEdit;

// The payee cell of a two-line row: the payee and, under it, the memo, whose own column is
// hidden then. The view sees one editor; Tab walks between the two fields before it leaves
// the cell.
class PayeeMemoEditor : public QWidget {
    Q_OBJECT

public:
    // Takes payee (with its completion) as the upper field.
    PayeeMemoEditor(QLineEdit *payee, QWidget *parent = nullptr);

    QLineEdit *payeeEdit() const { return m_payee; }
    QLineEdit *memoEdit() const { return m_memo; }
    // The field Tab (forward) or Shift+Tab reaches from field inside this editor; null when
    // it leaves the cell.
    QLineEdit *partner(const QWidget *field, bool forward) const;

    // The editor that widget is, or is a field of; null for any other widget.
    static PayeeMemoEditor *of(QWidget *widget);
    // The memo's font under the payee, in the editor and in the painted row alike.
    static QFont memoFont(QFont font);

private:
    QLineEdit *m_payee; // Owned (Qt child).
    QLineEdit *m_memo;  // Owned (Qt child).
};
