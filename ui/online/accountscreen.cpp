// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountscreen.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "ui/common/styles.h"
#include "ui/online/accountdevicespage.h"
#include "ui/online/accountgrouppage.h"
#include "ui/online/accountprivacypage.h"
#include "ui/online/accountprofilepage.h"
#include "ui/online/accountsecuritypage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kStatusMs = 4000;

const char kNavigationStyle[]
    = "QListWidget {  background: %1; border: none; padding: 12px 8px;}QListWidget::item {  "
      "padding: 8px 12px; border-radius: 6px;}QListWidget::item:hover { background: %2; }"
      "QListWidget::item:selected { background: %3; color: %4; }";

} // namespace

AccountScreen::AccountScreen(TindAccount::Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client) {
    setAccessibleName(tr("Tindral Account"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_navigation = new QListWidget(this);
    m_navigation->setAccessibleName(tr("Account sections"));
    m_navigation->setFixedWidth(180);
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->addItems(
        {tr("Profile"), tr("Group"), tr("Devices"), tr("Security"), tr("Data & Privacy")});
    layout->addWidget(m_navigation);

    m_pages = new QStackedWidget(this);
    m_pages->setAccessibleName(tr("Account section"));
    m_profile = new AccountProfilePage(m_client);
    m_pages->addWidget(m_profile);
    m_group = new AccountGroupPage(m_client);
    m_pages->addWidget(m_group);
    m_devices = new AccountDevicesPage(m_client);
    m_pages->addWidget(m_devices);
    m_security = new AccountSecurityPage(m_client);
    m_pages->addWidget(m_security);
    m_privacy = new AccountPrivacyPage(m_client);
    m_pages->addWidget(m_privacy);
    const QList<AccountPage *> sections{m_profile, m_group, m_devices, m_security, m_privacy};
    for (AccountPage *page : sections)
        connect(page, &AccountPage::reported, this, &AccountScreen::report);
    connect(m_group, &AccountGroupPage::groupShown, this, &AccountScreen::updateOwnerState);
    connect(m_privacy, &AccountPrivacyPage::logoutRequested, this, &AccountScreen::logoutRequested);
    layout->addWidget(m_pages, 1);
    outer->addLayout(layout, 1);

    m_status = new QLabel(this);
    m_status->setAccessibleName(tr("Result"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    outer->addWidget(m_status);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(kStatusMs);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);

    connect(m_navigation, &QListWidget::currentRowChanged, m_pages,
            &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(ProfilePage);
    connect(m_client->account(), &TindAccount::AccountClient::groupChanged, this,
            [this] { updateOwnerState(); });
    connect(m_client, &TindAccount::Client::claimsUpdated, this, [this] { updateOwnerState(); });
    changeEvent(nullptr);
}

AccountScreen::~AccountScreen() = default;

void AccountScreen::changeEvent(QEvent *event) {
    if (event)
        QWidget::changeEvent(event);
    if (m_recolouring || (event && event->type() != QEvent::PaletteChange))
        return;
    m_recolouring = true;
    const Styles::Navigation colours = Styles::navigation();
    m_navigation->setStyleSheet(QString::fromLatin1(kNavigationStyle)
                                    .arg(Styles::hex(colours.background),
                                         Styles::hex(colours.hover), Styles::hex(colours.selected),
                                         Styles::hex(colours.selectedText)));
    m_recolouring = false;
}

QString AccountScreen::relativeTime(const QDateTime &time, const QDateTime &now) {
    if (!time.isValid())
        return tr("Unknown");
    const qint64 s = time.secsTo(now);
    if (s < 60)
        return tr("Active now");
    if (s < 3600)
        return tr("%1m ago").arg(s / 60);
    if (s <= 86399)
        return tr("%1h ago").arg(s / 3600);
    if (s <= 604799)
        return tr("%1d ago").arg(s / 86400);
    return QLocale(QLocale::English).toString(time.toLocalTime().date(), "MMM d, yyyy");
}

void AccountScreen::report(const QString &text, bool success) {
    m_status->setStyleSheet(
        Styles::textColourStyle(success ? Styles::positiveColour() : Styles::negativeColour())
        + QStringLiteral(" padding: 4px;"));
    m_status->setText(text);
    m_statusTimer->start();
}

void AccountScreen::updateOwnerState() {
    m_privacy->updateOwnerState();
}

void AccountScreen::reload() {
    updateOwnerState();
    m_profile->reload();
    loadGroup();
    loadDevices();
    loadSessions();
}

void AccountScreen::loadGroup() {
    m_group->loadGroup();
}

void AccountScreen::loadDevices() {
    m_devices->loadDevices();
}

void AccountScreen::loadSessions() {
    m_security->loadSessions();
}

QPushButton *AccountScreen::deleteAccountButton() const {
    return m_privacy->deleteAccountButton();
}

QLabel *AccountScreen::ownerNotice() const {
    return m_privacy->ownerNotice();
}
