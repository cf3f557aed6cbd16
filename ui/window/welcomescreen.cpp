// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/welcomescreen.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "ui/common/styles.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QFont sizedFont(double delta) {
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    return font;
}

} // namespace

WelcomeScreen::WelcomeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_signIn(new QPushButton(this))
    , m_continue(new QPushButton(tr("Continue Without an Account"), this)) {
    setAccessibleName(tr("Welcome"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);

    auto *page = new QWidget(scroll);
    auto *pageLayout = new QHBoxLayout(page);
    auto *content = new QWidget(page);
    content->setMaximumWidth(720);
    pageLayout->addWidget(content, 0, Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidget(page);

    auto *column = new QVBoxLayout(content);
    column->setSpacing(12);
    column->setContentsMargins(24, 32, 24, 24);

    auto *icon = new QLabel(content);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                        .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    icon->setAccessibleName(tr("Tindral Quillon"));
    column->addWidget(icon);

    auto *name = new QLabel(tr("Tindral Quillon"), content);
    name->setFont(sizedFont(8));
    name->setAlignment(Qt::AlignCenter);
    column->addWidget(name);

    auto *tagline = new QLabel(tr("Your finances, everywhere."), content);
    tagline->setFont(sizedFont(1));
    tagline->setAlignment(Qt::AlignCenter);
    m_mutedLabels << tagline;
    column->addWidget(tagline);
    column->addSpacing(12);

    struct Card {
        ushort glyph;
        const char *title;
        const char *text;
    };
    const Card cards[] = {
        {0xE627, QT_TR_NOOP("Multi-Device Sync"),
         QT_TR_NOOP("Keep your quillon in sync between your phone, tablet, and computer.")},
        {0xE7FB, QT_TR_NOOP("Family Sharing"),
         QT_TR_NOOP("Share accounts with family members. Everyone sees the same register in "
                    "real time.")},
        {0xE897, QT_TR_NOOP("Secure & Private"),
         QT_TR_NOOP("Your data is encrypted in transit and at rest. We never sell your data or "
                    "show ads.")},
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(0);
    QFont badgeFont(QStringLiteral("Material Icons"));
    badgeFont.setPixelSize(24);
    for (int i = 0; i < 3; ++i) {
        auto *card = new QWidget(content);
        auto *cardLayout = new QHBoxLayout(card);
        cardLayout->setContentsMargins(0, 8, 0, 8);
        cardLayout->setSpacing(12);
        auto *badge = new QLabel(QString(QChar(cards[i].glyph)), card);
        badge->setFixedSize(40, 40);
        badge->setAlignment(Qt::AlignCenter);
        badge->setFont(badgeFont);
        badge->setStyleSheet(
            QStringLiteral("background: %1; color: %2; border-radius: 8px;")
                .arg(Styles::hex(Styles::accentColour()), Styles::hex(Styles::onAccentColour())));
        badge->setAccessibleName(tr(cards[i].title));
        cardLayout->addWidget(badge, 0, Qt::AlignTop);
        auto *texts = new QVBoxLayout;
        auto *title = new QLabel(tr(cards[i].title), card);
        QFont titleFont = QApplication::font();
        titleFont.setWeight(QFont::DemiBold);
        title->setFont(titleFont);
        auto *description = new QLabel(tr(cards[i].text), card);
        description->setWordWrap(true);
        description->setFont(sizedFont(-2));
        m_mutedLabels << description;
        texts->addWidget(title);
        texts->addWidget(description);
        cardLayout->addLayout(texts, 1);
        grid->addWidget(card, i / 2, i % 2);
    }
    column->addLayout(grid);
    column->addSpacing(16);

    m_signIn->setFlat(true);
    m_signIn->setCursor(Qt::PointingHandCursor);
    m_continue->setCursor(Qt::PointingHandCursor);
    column->addWidget(m_signIn, 0, Qt::AlignHCenter);
    column->addWidget(m_continue, 0, Qt::AlignHCenter);
    column->addStretch(1);
    connect(m_continue, &QPushButton::clicked, this, &WelcomeScreen::dismissRequested);

    recolor();
    updateAuthButton();
}

void WelcomeScreen::updateAuthButton() {
    disconnect(m_signInConnection);
    TindAccount::Client *client = m_state ? m_state->accountClient() : nullptr;
    if (client && client->isAuthenticated()) {
        m_signIn->setText(tr("Sign Out"));
        TindAccount::AuthClient *auth = client->auth();
        m_signInConnection
            = connect(m_signIn, &QPushButton::clicked, auth, [auth] { auth->logout(); });
    } else {
        m_signIn->setText(tr("Already have an account? Sign In"));
        m_signInConnection
            = connect(m_signIn, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
    }
}

void WelcomeScreen::changeEvent(QEvent *event) {
    if (event->type() == QEvent::PaletteChange)
        recolor();
    QWidget::changeEvent(event);
}

void WelcomeScreen::recolor() {
    const QString style = Styles::textColourStyle(Styles::descriptionColour());
    for (QLabel *label : std::as_const(m_mutedLabels))
        label->setStyleSheet(style);
}
