// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingsscreen.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/syncengine.h"
#include "ui/common/styles.h"
#include "ui/settings/settingsaboutpage.h"
#include "ui/settings/settingsdatapage.h"
#include "ui/settings/settingsgeneralpage.h"
#include "ui/settings/settingsregisterpage.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QStackedWidget>

namespace {

const char kPageListStyle[]
    = "QListWidget {  background: %1;  border: none;  padding: 12px 8px;}QListWidget::item {  "
      "color: %2;  padding: 8px 12px;  border-radius: 6px;}QListWidget::item:hover {  "
      "background: %3;}QListWidget::item:selected {  background: %4;  color: %5;}";

QIcon glyphIcon(char16_t code) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Styles::glyphColour());
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(code)));
    return QIcon(pixmap);
}

} // namespace

SettingsScreen::SettingsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state) {
    setAccessibleName(tr("Preferences"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pageList = new QListWidget(this);
    m_pageList->setAccessibleName(tr("Preference pages"));
    m_pageList->setFrameShape(QFrame::NoFrame);
    // First in the tab chain; the arrow keys then walk the pages.
    m_pageList->setFocusPolicy(Qt::StrongFocus);
    m_pageList->setSpacing(2);
    m_pageList->setIconSize(QSize(20, 20));
    const QList<QPair<QString, char16_t>> entries = {{tr("General"), 0xE8B8},
                                                     {tr("Register"), 0xE8EF},
                                                     {tr("Data & Sync"), 0xE627},
                                                     {tr("About"), 0xE88E}};
    int widest = 0;
    for (const auto &[text, glyph] : entries) {
        new QListWidgetItem(glyphIcon(glyph), text, m_pageList);
        widest = qMax(widest, m_pageList->fontMetrics().horizontalAdvance(text));
    }
    // 180 px holds the page names in most languages; a longer one widens the list instead of
    // being cut. The rest is the list's and the item's padding, the icon and its gap.
    constexpr int kAroundText = 2 * 8 + 2 * 12 + 20 + 8 + 2 * 2 + 8;
    m_pageList->setFixedWidth(qMax(180, widest + kAroundText));
    layout->addWidget(m_pageList);

    m_pages = new QStackedWidget(this);
    m_pages->setAccessibleName(tr("Preference page"));
    m_general = new SettingsGeneralPage(m_state, m_pages);
    m_pages->addWidget(m_general);
    m_register = new SettingsRegisterPage(m_state, m_pages);
    m_pages->addWidget(m_register);
    // The sync page has grown past the window's height; it scrolls rather than stretching
    // the window beyond the size it opens at.
    auto *dataScroll = new QScrollArea(m_pages);
    dataScroll->setWidgetResizable(true);
    dataScroll->setFrameShape(QFrame::NoFrame);
    m_data = new SettingsDataPage(m_state, m_pages);
    dataScroll->setWidget(m_data);
    m_pages->addWidget(dataScroll);
    m_about = new SettingsAboutPage(m_pages);
    m_pages->addWidget(m_about);
    layout->addWidget(m_pages, 1);
    connect(m_general, &SettingsGeneralPage::dateFormatChanged, this,
            &SettingsScreen::dateFormatChanged);
    connect(m_data, &SettingsDataPage::deletedAccountRestored, this,
            &SettingsScreen::deletedAccountRestored);

    connect(m_pageList, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    m_pageList->setCurrentRow(GeneralPage);
    // The window opens ready for the keyboard: the arrows choose a page, Tab enters it.
    m_pageList->setFocus();

    if (ThemeManager *theme = m_state->themeManager()) {
        connect(theme, &ThemeManager::themeChanged, this, [this] {
            applyColours();
            m_data->showSyncStatus(false);
        });
    }
    SyncEngine *sync = m_state->syncEngine();
    connect(sync, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState state) {
        // The button follows every run, also one the engine starts by itself right after
        // the run the button asked for.
        m_data->showSyncRunning(state == SyncEngine::Syncing);
        if (isVisible())
            m_data->showSyncStatus(false);
    });
    connect(m_state->accountClient()->auth(), &TindAccount::AuthClient::stateChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(m_state, &AppState::dataChanged, this, [this](const DataChange &change) {
        if (isVisible() && change.touches(DataChange::Accounts))
            m_data->rebuildDeletedAccounts();
    });
    applyColours();
}

SettingsScreen::~SettingsScreen() {
    // The server field loses focus while the window is torn down: its last editingFinished
    // must not reach the save slot.
    m_data->serverAddressEdit()->disconnect(m_data);
}

void SettingsScreen::applyColours() {
    const Styles::Navigation colours = Styles::navigation();
    m_pageList->setStyleSheet(QString::fromLatin1(kPageListStyle)
                                  .arg(Styles::hex(colours.background), Styles::hex(colours.text),
                                       Styles::hex(colours.hover), Styles::hex(colours.selected),
                                       Styles::hex(colours.selectedText)));
    const QList<SettingsPage *> pages{m_general, m_register, m_data, m_about};
    for (SettingsPage *page : pages)
        page->applyColours();
}

void SettingsScreen::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_applyingColours) {
        m_applyingColours = true;
        applyColours();
        m_applyingColours = false;
    }
}

void SettingsScreen::onCategoryChanged(int row) {
    if (row >= 0 && row < m_pages->count())
        m_pages->setCurrentIndex(row);
}

void SettingsScreen::refresh() {
    m_data->refresh();
}

QComboBox *SettingsScreen::themeCombo() const {
    return m_general->themeCombo();
}

QComboBox *SettingsScreen::weekStartCombo() const {
    return m_general->weekStartCombo();
}

QComboBox *SettingsScreen::languageCombo() const {
    return m_general->languageCombo();
}

QComboBox *SettingsScreen::dateFormatCombo() const {
    return m_general->dateFormatCombo();
}

QCheckBox *SettingsScreen::twoLineCheck() const {
    return m_register->twoLineCheck();
}

QCheckBox *SettingsScreen::newestFirstCheck() const {
    return m_register->newestFirstCheck();
}

QLabel *SettingsScreen::accountStatusLabel() const {
    return m_data->accountStatusLabel();
}

QLabel *SettingsScreen::lastSyncedLabel() const {
    return m_data->lastSyncedLabel();
}

QWidget *SettingsScreen::syncButtonRow() const {
    return m_data->syncButtonRow();
}

QPushButton *SettingsScreen::syncNowButton() const {
    return m_data->syncNowButton();
}

QPushButton *SettingsScreen::forceFullSyncButton() const {
    return m_data->forceFullSyncButton();
}

QLineEdit *SettingsScreen::serverAddressEdit() const {
    return m_data->serverAddressEdit();
}

QLabel *SettingsScreen::serverAddressError() const {
    return m_data->serverAddressError();
}

QLabel *SettingsScreen::serverAddressNote() const {
    return m_data->serverAddressNote();
}

QPushButton *SettingsScreen::exportButton() const {
    return m_data->exportButton();
}

QPushButton *SettingsScreen::importButton() const {
    return m_data->importButton();
}

QWidget *SettingsScreen::deletedSection() const {
    return m_data->deletedSection();
}

QListWidget *SettingsScreen::deletedList() const {
    return m_data->deletedList();
}

QPushButton *SettingsScreen::restoreButton() const {
    return m_data->restoreButton();
}

int SettingsScreen::userFetchCount() const {
    return m_data->userFetchCount();
}

void SettingsScreen::onThemeChanged(int index) {
    m_general->onThemeChanged(index);
}

void SettingsScreen::onWeekStartChanged(int index) {
    m_general->onWeekStartChanged(index);
}

void SettingsScreen::onLanguageChanged(int index) {
    m_general->onLanguageChanged(index);
}

void SettingsScreen::onDateFormatChanged(int index) {
    m_general->onDateFormatChanged(index);
}

void SettingsScreen::onRegisterOrderChanged(bool checked) {
    m_register->onRegisterOrderChanged(checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked) {
    m_register->onTwoLineModeChanged(checked);
}

void SettingsScreen::restoreSelectedAccount() {
    m_data->restoreSelectedAccount();
}

void SettingsScreen::saveServerAddress() {
    m_data->saveServerAddress();
}
