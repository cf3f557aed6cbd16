// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/emptystatepage.h"

#include "ui/common/styles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

EmptyStatePage::EmptyStatePage(QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(tr("Getting started"));
    auto *layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    auto *glyph = new QLabel(QString(QChar(0xE850)), this);
    QFont glyphFont(QStringLiteral("Material Icons"));
    glyphFont.setPixelSize(96);
    glyph->setFont(glyphFont);
    glyph->setAlignment(Qt::AlignCenter);
    glyph->setStyleSheet(Styles::textColourStyle(Styles::glyphColour()));
    glyph->setAccessibleName(tr("Account"));
    layout->addWidget(glyph);
    layout->addSpacing(8);

    const double base = QApplication::font().pointSizeF();
    auto *title = new QLabel(tr("Welcome to Tindral Quillon"), this);
    QFont titleFont = QApplication::font();
    titleFont.setPointSizeF(base + 8);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *subtitle = new QLabel(tr("Create your first account to get started."), this);
    QFont subtitleFont = QApplication::font();
    subtitleFont.setPointSizeF(base + 1);
    subtitleFont.setWeight(QFont::Medium);
    subtitle->setFont(subtitleFont);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto *create = new QPushButton(tr("Create Account"), this);
    create->setStyleSheet(Styles::primaryButton());
    create->setMinimumHeight(40);
    create->setMinimumWidth(180);
    create->setCursor(Qt::PointingHandCursor);
    connect(create, &QPushButton::clicked, this, &EmptyStatePage::createAccountRequested);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    auto *hint = new QLabel(
        tr("You can also import transactions from a CSV file via File › Import."), this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    QFont hintFont = QApplication::font();
    hintFont.setPointSizeF(std::max(7.0, base - 2));
    hint->setFont(hintFont);
    // A centred row gives a wrapped label only its narrow size hint: fix its box instead.
    hint->setFixedWidth(480);
    hint->setFixedHeight(hint->heightForWidth(480));
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(hint, 0, Qt::AlignHCenter);
}
