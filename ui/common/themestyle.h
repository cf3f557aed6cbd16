// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QProxyStyle>

// The platform's style with one mend for the dark theme: the style derives the frame of check
// boxes and radio buttons from the window colour, which on a dark window leaves them nearly
// invisible; they get a frame in the palette's muted text colour instead.
class ThemeStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
