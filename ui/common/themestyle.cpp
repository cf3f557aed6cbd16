// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/themestyle.h"

#include "app/thememanager.h"

#include <QPainter>
#include <QStyleOption>

void ThemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool box = element == PE_IndicatorCheckBox || element == PE_IndicatorItemViewItemCheck;
    const bool radio = element == PE_IndicatorRadioButton;
    if (!(box || radio) || !ThemeManager::isDark(option->palette))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, radio);
    painter->setPen(QPen(option->palette.color(QPalette::PlaceholderText), 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF frame = QRectF(option->rect).adjusted(0.5, 0.5, -1.5, -1.5);
    if (radio)
        painter->drawEllipse(frame);
    else
        painter->drawRect(frame);
    painter->restore();
}
