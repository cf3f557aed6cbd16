// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QFont>
#include <QRect>
#include <QStyledItemDelegate>

// Paints one account of the sidebar from its model row: the type glyph, the name (elided),
// the balance and, under them, the institution or type with the masked account number.
class AccountItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    struct Fonts {
        QFont glyph;
        QFont name;
        QFont balance;
        QFont subtitle;
    };
    // Where each part goes within the row's content rectangle (top left at 0, 0).
    struct Layout {
        QRect glyph;
        QRect name;
        QRect balance;
        QRect subtitle;
        int height = 0;
    };
    static Fonts fonts();
    static Layout layout(const Fonts &fonts, int width, const QModelIndex &index);
    // The option prepared for the view's style: the row's state and rectangle, none of the
    // text or icon the style would draw itself.
    QStyleOptionViewItem backgroundOption(const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const;
    // The part of rectangle inside the item padding of the view's style.
    QRect contentRect(const QStyleOptionViewItem &option, const QModelIndex &index,
                      const QRect &rectangle) const;
};
