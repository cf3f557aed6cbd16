// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/accountitemdelegate.h"

#include "ui/common/styles.h"
#include "ui/presentation/accountlistmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Margins around the row's content and the gaps inside it.
constexpr int kMarginLeft = 6;
constexpr int kMarginTop = 8;
constexpr int kMarginRight = 8;
constexpr int kMarginBottom = 8;
constexpr int kGap = 8;
constexpr int kLineGap = 3;
constexpr int kGlyphBox = 24;
constexpr int kGlyphPixels = 22;
// Room the balance keeps beyond its text, so that it never touches the name.
constexpr int kBalanceSlack = 4;

const QStyle *styleOf(const QStyleOptionViewItem &option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// The size a line of text takes, leading included, as a label lays it out.
QSize lineSize(const QFont &font, const QString &text) {
    return QFontMetrics(font).boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, text).size();
}

} // namespace

AccountItemDelegate::Fonts AccountItemDelegate::fonts() {
    const QFont base = QApplication::font();
    Fonts fonts;
    fonts.glyph = QFont(QStringLiteral("Material Icons"));
    fonts.glyph.setPixelSize(kGlyphPixels);
    fonts.name = base;
    fonts.name.setWeight(QFont::Medium);
    fonts.balance = QFont(QStringLiteral("monospace"));
    fonts.balance.setStyleHint(QFont::Monospace);
    fonts.balance.setPointSizeF(base.pointSizeF());
    fonts.subtitle = base;
    fonts.subtitle.setPointSizeF(std::max(7.0, base.pointSizeF() - 2));
    return fonts;
}

AccountItemDelegate::Layout AccountItemDelegate::layout(const Fonts &fonts, int width,
                                                        const QModelIndex &index) {
    const QString balanceText = index.data(AccountListModel::BalanceTextRole).toString();
    const QSize balanceSize = lineSize(fonts.balance, balanceText);
    const int balanceWidth
        = std::max(QFontMetrics(fonts.balance).horizontalAdvance(balanceText) + kBalanceSlack,
                   balanceSize.width());
    const int firstLine = std::max(QFontMetrics(fonts.name).height(), balanceSize.height());
    const int subtitleHeight
        = lineSize(fonts.subtitle, index.data(AccountListModel::SubtitleRole).toString()).height();
    const int column = firstLine + kLineGap + subtitleHeight;
    const int inner = std::max(kGlyphBox, column);

    Layout layout;
    layout.height = kMarginTop + inner + kMarginBottom;
    layout.glyph = QRect(kMarginLeft, kMarginTop + (inner - kGlyphBox) / 2, kGlyphBox, kGlyphBox);
    const int left = layout.glyph.right() + 1 + kGap;
    const int right = width - kMarginRight;
    layout.balance = QRect(right - balanceWidth, kMarginTop, balanceWidth, firstLine);
    layout.name
        = QRect(left, kMarginTop, std::max(0, layout.balance.left() - kGap - left), firstLine);
    layout.subtitle
        = QRect(left, kMarginTop + firstLine + kLineGap, std::max(0, right - left), subtitleHeight);
    return layout;
}

QStyleOptionViewItem AccountItemDelegate::backgroundOption(const QStyleOptionViewItem &option,
                                                           const QModelIndex &index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    background.features
        &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    return background;
}

QRect AccountItemDelegate::contentRect(const QStyleOptionViewItem &option, const QModelIndex &index,
                                       const QRect &rectangle) const {
    QStyleOptionViewItem probe = backgroundOption(option, index);
    probe.rect = rectangle;
    // As for a widget laid over the row: the whole row is its to fill.
    probe.showDecorationSelected = true;
    return styleOf(option)->subElementRect(QStyle::SE_ItemViewItemText, &probe, option.widget);
}

QSize AccountItemDelegate::sizeHint(const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const {
    const QRect probe(0, 0, 1000, 1000);
    const int padding = probe.height() - contentRect(option, index, probe).height();
    // As wide as the list shows, so that a long name is elided rather than scrolled to.
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const int width = view ? view->viewport()->width() : option.rect.width();
    return QSize(width, layout(fonts(), width, index).height + padding);
}

void AccountItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const {
    const QStyleOptionViewItem background = backgroundOption(option, index);
    styleOf(option)->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const Fonts font = fonts();
    const QRect content = contentRect(option, index, option.rect);
    const Layout parts = layout(font, content.width(), index);

    painter->save();
    painter->translate(content.topLeft());
    painter->setFont(font.glyph);
    painter->setPen(Styles::Sidebar::icon());
    painter->drawText(parts.glyph, Qt::AlignCenter,
                      index.data(AccountListModel::GlyphRole).toString());

    painter->setFont(font.balance);
    painter->setPen(index.data(AccountListModel::NegativeRole).toBool()
                        ? Styles::Sidebar::negative()
                        : Styles::Sidebar::positive());
    painter->drawText(parts.balance, Qt::AlignRight | Qt::AlignVCenter,
                      index.data(AccountListModel::BalanceTextRole).toString());

    painter->setFont(font.name);
    painter->setPen(Styles::Sidebar::brightText());
    painter->drawText(parts.name, Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(font.name).elidedText(index.data().toString(), Qt::ElideRight,
                                                         parts.name.width()));

    painter->setFont(font.subtitle);
    painter->setPen(Styles::Sidebar::text());
    painter->drawText(parts.subtitle, Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(AccountListModel::SubtitleRole).toString());
    painter->restore();
}
