// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingsscreen.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/preferencekeys.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/styles.h"
#include "ui/presentation/regionalformat.h"
#include "ui/settings/backupflow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kThemeKey = PreferenceKeys::theme();
const QString kWeekStartKey = PreferenceKeys::weekStartDay();
const QString kTwoLineKey = PreferenceKeys::registerTwoLine();
const QString kNewestFirstKey = PreferenceKeys::registerNewestFirst();
// The same setting the program reads at start-up to pick its translation.
const QString kLanguageKey = PreferenceKeys::language();
const QString kDateFormatKey = PreferenceKeys::dateFormat();

// Only a full http(s) address can have the service paths appended to it.
bool isServerAddress(const QString &text) {
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment();
}

const char kPageListStyle[]
    = "QListWidget {  background: %1;  border: none;  padding: 12px 8px;}QListWidget::item {  "
      "color: %2;  padding: 8px 12px;  border-radius: 6px;}QListWidget::item:hover {  "
      "background: %3;}QListWidget::item:selected {  background: %4;  color: %5;}";

int smallPointSize() {
    return qMax(7, QApplication::font().pointSize() - 2);
}

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

QString syncStateColour(SyncEngine::SyncState state) {
    switch (state) {
    case SyncEngine::Idle:
        return Styles::positiveColour().name().toUpper();
    case SyncEngine::Syncing:
        return Styles::hex(Styles::accentColour());
    case SyncEngine::Error:
        return Styles::negativeColour().name().toUpper();
    default:
        return Styles::warningColour().name().toUpper();
    }
}

void selectData(QComboBox *combo, const QVariant &value) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(combo->findData(value));
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
    m_pages->addWidget(buildGeneralPage());
    m_pages->addWidget(buildRegisterPage());
    // The sync page has grown past the window's height; it scrolls rather than stretching
    // the window beyond the size it opens at.
    auto *dataScroll = new QScrollArea(m_pages);
    dataScroll->setWidgetResizable(true);
    dataScroll->setFrameShape(QFrame::NoFrame);
    dataScroll->setWidget(buildDataPage());
    m_pages->addWidget(dataScroll);
    m_pages->addWidget(buildAboutPage());
    layout->addWidget(m_pages, 1);

    connect(m_pageList, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    m_pageList->setCurrentRow(GeneralPage);
    // The window opens ready for the keyboard: the arrows choose a page, Tab enters it.
    m_pageList->setFocus();

    if (ThemeManager *theme = m_state->themeManager()) {
        connect(theme, &ThemeManager::themeChanged, this, [this] {
            applyColours();
            showSyncStatus(false);
        });
    }
    SyncEngine *sync = m_state->syncEngine();
    connect(sync, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState state) {
        // The button follows every run, also one the engine starts by itself right after
        // the run the button asked for.
        const bool syncing = state == SyncEngine::Syncing;
        m_syncNow->setEnabled(!syncing);
        m_syncNow->setText(syncing ? tr("Syncing...") : tr("Sync Now"));
        m_forceFullSync->setEnabled(!syncing);
        if (isVisible())
            showSyncStatus(false);
    });
    connect(m_state->accountClient()->auth(), &TindAccount::AuthClient::stateChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(m_state, &AppState::dataChanged, this, [this](const DataChange &change) {
        if (isVisible() && change.touches(DataChange::Accounts))
            rebuildDeletedAccounts();
    });
    applyColours();
}

SettingsScreen::~SettingsScreen() {
    // The server field loses focus while the window is torn down, after this object is no
    // longer a SettingsScreen: its last editingFinished must not reach the save slot.
    if (m_serverEdit)
        m_serverEdit->disconnect(this);
}

QWidget *SettingsScreen::newPage(const QString &title, QVBoxLayout **layout) {
    auto *page = new QWidget(m_pages);
    page->setAccessibleName(title);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(24, 24, 24, 24);
    pageLayout->setSpacing(8);
    auto *heading = new QLabel(title, page);
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + 4);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    pageLayout->addWidget(heading);
    pageLayout->addSpacing(12);
    *layout = pageLayout;
    return page;
}

void SettingsScreen::addSectionHeader(QVBoxLayout *layout, const QString &title,
                                      const QString &description) {
    auto *heading = new QLabel(title);
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + 1);
    font.setWeight(QFont::Medium);
    heading->setFont(font);
    layout->addWidget(heading);
    if (!description.isEmpty()) {
        auto *text = new QLabel(description);
        text->setWordWrap(true);
        QFont small = QApplication::font();
        small.setPointSize(smallPointSize());
        text->setFont(small);
        text->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
        layout->addWidget(text);
    }
    layout->addSpacing(8);
}

void SettingsScreen::addDivider(QVBoxLayout *layout) {
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    m_dividers << line;
    layout->addWidget(line);
}

QLabel *SettingsScreen::hintLabel(const QString &text) {
    auto *hint = new QLabel(text);
    hint->setWordWrap(true);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    hint->setFont(small);
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    hint->setContentsMargins(24, 0, 0, 0);
    return hint;
}

QWidget *SettingsScreen::buildGeneralPage() {
    QVBoxLayout *layout = nullptr;
    QWidget *page = newPage(tr("General"), &layout);
    PreferencesRepository *preferences = m_state->preferencesRepository();

    addSectionHeader(layout, tr("Appearance"), tr("Control how Tindral Quillon looks."));
    auto *appearance = new QFormLayout;
    m_themeCombo = new QComboBox(page);
    m_themeCombo->setAccessibleName(tr("Theme"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    selectData(m_themeCombo, preferences->value(kThemeKey, QStringLiteral("system")));
    appearance->addRow(tr("Theme"), m_themeCombo);
    layout->addLayout(appearance);
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);

    layout->addSpacing(16);
    addDivider(layout);
    layout->addSpacing(12);
    addSectionHeader(layout, tr("Regional"), tr("Date and calendar preferences."));
    auto *regional = new QFormLayout;
    m_weekStartCombo = new QComboBox(page);
    m_weekStartCombo->setAccessibleName(tr("Week starts on"));
    m_weekStartCombo->addItem(tr("Sunday"), 7);
    m_weekStartCombo->addItem(tr("Monday"), 1);
    m_weekStartCombo->addItem(tr("Saturday"), 6);
    bool stored = false;
    const int day = preferences->value(kWeekStartKey, QString()).toInt(&stored);
    selectData(m_weekStartCombo,
               stored && day >= 1 && day <= 7 ? day : int(QLocale().firstDayOfWeek()));
    regional->addRow(tr("Week starts on"), m_weekStartCombo);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this,
            &SettingsScreen::onWeekStartChanged);

    m_dateFormatCombo = new QComboBox(page);
    m_dateFormatCombo->setAccessibleName(tr("Date format"));
    // The language's item is long; it must not widen the window.
    m_dateFormatCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_dateFormatCombo->setMinimumContentsLength(12);
    // Each format shown by the last day of the year, which no format can leave ambiguous.
    const QDate sample(QDate::currentDate().year(), 12, 31);
    m_dateFormatCombo->addItem(
        tr("As the language writes it (%1)")
            .arg(sample.toString(RegionalFormat::defaultDateFormat(RegionalFormat::language()))),
        QString());
    for (const QString &format : RegionalFormat::dateFormats())
        m_dateFormatCombo->addItem(sample.toString(format), format);
    selectData(m_dateFormatCombo, preferences->value(kDateFormatKey, QString()));
    regional->addRow(tr("Date format"), m_dateFormatCombo);
    connect(m_dateFormatCombo, &QComboBox::currentIndexChanged, this,
            &SettingsScreen::onDateFormatChanged);

    m_languageCombo = new QComboBox(page);
    m_languageCombo->setAccessibleName(tr("Language"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    selectData(m_languageCombo,
               QSettings().value(kLanguageKey, QStringLiteral("system")).toString());
    regional->addRow(tr("Language"), m_languageCombo);
    layout->addLayout(regional);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this,
            &SettingsScreen::onLanguageChanged);
    layout->addStretch(1);
    return page;
}

QWidget *SettingsScreen::buildRegisterPage() {
    QVBoxLayout *layout = nullptr;
    QWidget *page = newPage(tr("Register"), &layout);
    PreferencesRepository *preferences = m_state->preferencesRepository();

    addSectionHeader(layout, tr("Display"), tr("How transactions appear in the register."));
    m_twoLineCheck = new QCheckBox(tr("Two-line rows"), page);
    m_twoLineCheck->setAccessibleName(tr("Two-line rows"));
    m_twoLineCheck->setChecked(preferences->boolValue(kTwoLineKey, false));
    layout->addWidget(m_twoLineCheck);
    layout->addWidget(hintLabel(tr("Show memo on a second line below the payee.")));
    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);

    layout->addSpacing(16);
    addDivider(layout);
    layout->addSpacing(12);
    addSectionHeader(layout, tr("Sorting"),
                     tr("Control the order of transactions in the register."));
    m_newestFirstCheck = new QCheckBox(tr("Show newest transactions first"), page);
    m_newestFirstCheck->setAccessibleName(tr("Show newest transactions first"));
    m_newestFirstCheck->setChecked(preferences->boolValue(kNewestFirstKey, false));
    layout->addWidget(m_newestFirstCheck);
    layout->addWidget(
        hintLabel(tr("When enabled, the most recent transactions appear at the top.")));
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    layout->addStretch(1);
    return page;
}

QWidget *SettingsScreen::buildDataPage() {
    QVBoxLayout *layout = nullptr;
    QWidget *page = newPage(tr("Data & Sync"), &layout);

    addSectionHeader(layout, tr("Sync"), tr("Keep your quillon in sync across all your devices."));
    auto *sync = new QVBoxLayout;
    sync->setContentsMargins(12, 0, 0, 0);
    sync->setSpacing(8);
    m_accountStatus = new QLabel(page);
    m_accountStatus->setAccessibleName(tr("Account status"));
    m_accountStatus->setWordWrap(true);
    m_accountStatus->setTextFormat(Qt::RichText);
    sync->addWidget(m_accountStatus);
    m_lastSynced = new QLabel(page);
    m_lastSynced->setTextFormat(Qt::PlainText);
    m_lastSynced->setAccessibleName(tr("Last synced"));
    m_lastSynced->setTextFormat(Qt::PlainText);
    m_lastSynced->setWordWrap(true);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    m_lastSynced->setFont(small);
    m_lastSynced->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    sync->addWidget(m_lastSynced);
    m_syncButtons = new QWidget(page);
    auto *buttons = new QHBoxLayout(m_syncButtons);
    buttons->setContentsMargins(0, 8, 0, 0);
    buttons->setSpacing(8);
    m_syncNow = new QPushButton(tr("Sync Now"), m_syncButtons);
    m_syncNow->setAccessibleName(tr("Sync Now"));
    m_syncNow->setStyleSheet(Styles::primaryButton());
    m_forceFullSync = new QPushButton(tr("Force Full Sync"), m_syncButtons);
    m_forceFullSync->setAccessibleName(tr("Force Full Sync"));
    buttons->addWidget(m_syncNow);
    buttons->addWidget(m_forceFullSync);
    buttons->addStretch(1);
    sync->addWidget(m_syncButtons);
    addServerAddress(sync, page);
    layout->addLayout(sync);
    connect(m_syncNow, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_forceFullSync, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);

    layout->addSpacing(16);
    addDivider(layout);
    layout->addSpacing(12);
    addSectionHeader(layout, tr("Backup & Restore"),
                     tr("Save or restore your data to a portable backup file."));
    auto *backup = new QHBoxLayout;
    m_exportBackup = new QPushButton(tr("Export Backup"), page);
    m_exportBackup->setAccessibleName(tr("Export Backup"));
    m_importBackup = new QPushButton(tr("Import Backup"), page);
    m_importBackup->setAccessibleName(tr("Import Backup"));
    backup->addWidget(m_exportBackup);
    backup->addWidget(m_importBackup);
    backup->addStretch(1);
    layout->addLayout(backup);
    connect(m_exportBackup, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importBackup, &QPushButton::clicked, this, &SettingsScreen::importBackup);

    m_deletedSection = new QWidget(page);
    auto *deleted = new QVBoxLayout(m_deletedSection);
    deleted->setContentsMargins(0, 0, 0, 0);
    deleted->setSpacing(8);
    deleted->addSpacing(16);
    addDivider(deleted);
    deleted->addSpacing(12);
    addSectionHeader(deleted, tr("Deleted Accounts"),
                     tr("Accounts you've deleted can be restored here."));
    m_deletedList = new QListWidget(m_deletedSection);
    m_deletedList->setAccessibleName(tr("Deleted accounts"));
    m_deletedList->setMaximumHeight(120);
    deleted->addWidget(m_deletedList);
    m_restore = new QPushButton(tr("Restore Selected"), m_deletedSection);
    m_restore->setAccessibleName(tr("Restore Selected"));
    m_restore->setEnabled(false);
    deleted->addWidget(m_restore, 0, Qt::AlignRight);
    layout->addWidget(m_deletedSection);
    connect(m_deletedList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *current) { m_restore->setEnabled(current != nullptr); });
    connect(m_restore, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
    layout->addStretch(1);
    return page;
}

QWidget *SettingsScreen::buildAboutPage() {
    QVBoxLayout *layout = nullptr;
    QWidget *page = newPage(tr("About"), &layout);
    auto *name = new QLabel(tr("Tindral Quillon"), page);
    QFont nameFont = QApplication::font();
    nameFont.setPointSize(nameFont.pointSize() + 8);
    name->setFont(nameFont);
    layout->addWidget(name);
    auto *version = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), page);
    version->setTextFormat(Qt::PlainText);
    layout->addWidget(version);
    layout->addSpacing(8);
    auto *description = new QLabel(
        tr("A digital quillon register for tracking household finances: accounts, transfers, "
           "recurring entries, reconciliation, reports and backups, kept in one file on this "
           "computer and synchronised between your devices when you sign in."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);
    auto *links = new QLabel(tr("<a href=\"https://tindral.example/quillon\">Website</a> · "
                                "<a href=\"https://tindral.example/quillon/help\">Help</a> · "
                                "<a href=\"https://tindral.example/privacy\">Privacy</a>"),
                             page);
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setAccessibleName(tr("Links"));
    layout->addWidget(links);
    layout->addSpacing(8);
    auto *notice = new QLabel(tr("This application uses the Qt framework under the GNU LGPL "
                                 "version 3."),
                              page);
    notice->setWordWrap(true);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    notice->setFont(small);
    notice->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(notice);
    layout->addStretch(1);
    return page;
}

void SettingsScreen::applyColours() {
    const Styles::Navigation colours = Styles::navigation();
    m_pageList->setStyleSheet(QString::fromLatin1(kPageListStyle)
                                  .arg(Styles::hex(colours.background), Styles::hex(colours.text),
                                       Styles::hex(colours.hover), Styles::hex(colours.selected),
                                       Styles::hex(colours.selectedText)));
    m_serverError->setStyleSheet(Styles::textColourStyle(Styles::negativeColour()));
    const QString line = Styles::hex(colours.divider);
    for (QFrame *divider : std::as_const(m_dividers))
        divider->setStyleSheet(
            QStringLiteral("color: %1; background: %1; border: none;").arg(line));
}

void SettingsScreen::addServerAddress(QVBoxLayout *layout, QWidget *page) {
    layout->addSpacing(8);
    auto *label = new QLabel(tr("Server address"), page);
    layout->addWidget(label);
    m_serverEdit = new QLineEdit(page);
    m_serverEdit->setAccessibleName(tr("Server address"));
    m_serverEdit->setPlaceholderText(QStringLiteral("https://quillon.example.org"));
    label->setBuddy(m_serverEdit);
    m_serverError = new QLabel(page);
    m_serverError->setWordWrap(true);
    m_serverError->setTextFormat(Qt::PlainText);
    m_serverError->setAccessibleName(tr("Server address error"));
    m_serverError->hide();
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(m_serverEdit, 1);
    row->addWidget(m_serverError, 1);
    layout->addLayout(row);

    // The environment wins over the stored address, so editing here would change nothing.
    const QByteArray fromEnvironment = qgetenv("QUILLON_SERVER");
    if (!fromEnvironment.isEmpty()) {
        m_serverEdit->setText(QString::fromUtf8(fromEnvironment).trimmed());
        m_serverEdit->setReadOnly(true);
        m_serverNote = hintLabel(
            tr("Set by the QUILLON_SERVER environment variable; change it there to use another "
               "server."));
    } else {
        m_serverEdit->setText(
            m_state->preferencesRepository()->value(AppState::ServerAddressKey, QString()));
        // The account and sync clients are built once at start-up with their addresses.
        m_serverNote = hintLabel(tr("Leave empty for the standard service. A change takes effect "
                                    "the next time Tindral Quillon starts."));
        connect(m_serverEdit, &QLineEdit::editingFinished, this,
                &SettingsScreen::saveServerAddress);
        connect(m_serverEdit, &QLineEdit::textEdited, m_serverError, &QLabel::hide);
    }
    m_serverNote->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_serverNote);
}

void SettingsScreen::saveServerAddress() {
    if (m_serverEdit->isReadOnly())
        return;
    const QString text = m_serverEdit->text().trimmed();
    if (!text.isEmpty() && !isServerAddress(text)) {
        m_serverError->setText(tr("Enter an address starting with http:// or https://, such as "
                                  "https://quillon.example.org."));
        m_serverError->show();
        return;
    }
    m_serverError->hide();
    PreferencesRepository *preferences = m_state->preferencesRepository();
    if (text == preferences->value(AppState::ServerAddressKey, QString()))
        return;
    if (text.isEmpty())
        preferences->remove(AppState::ServerAddressKey);
    else
        preferences->setValue(AppState::ServerAddressKey, text);
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

void SettingsScreen::onThemeChanged(int index) {
    const QString value = m_themeCombo->itemData(index).toString();
    if (ThemeManager *theme = m_state->themeManager())
        theme->setTheme(value);
    else
        m_state->preferencesRepository()->setValue(kThemeKey, value);
}

void SettingsScreen::onWeekStartChanged(int index) {
    const int day = m_weekStartCombo->itemData(index).toInt();
    if (day < 1 || day > 7)
        return;
    m_state->preferencesRepository()->setInt(kWeekStartKey, day);
    AppState::setWeekStartDay(Qt::DayOfWeek(day));
}

void SettingsScreen::onDateFormatChanged(int index) {
    const QString format = m_dateFormatCombo->itemData(index).toString();
    if (format.isEmpty())
        m_state->preferencesRepository()->remove(kDateFormatKey);
    else
        m_state->preferencesRepository()->setValue(kDateFormatKey, format);
    RegionalFormat::setDateFormat(format);
    Q_EMIT dateFormatChanged();
}

void SettingsScreen::onLanguageChanged(int index) {
    const QString value = m_languageCombo->itemData(index).toString();
    QSettings settings;
    if (value.isEmpty()
        || value == settings.value(kLanguageKey, QStringLiteral("system")).toString())
        return;
    settings.setValue(kLanguageKey, value);
    MessageBoxes::inform(this, tr("Language Changed"),
                         tr("The new language will take effect the next time you start Tindral "
                            "Quillon."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked) {
    m_state->preferencesRepository()->setBool(kNewestFirstKey, checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked) {
    m_state->preferencesRepository()->setBool(kTwoLineKey, checked);
}

void SettingsScreen::refresh() {
    rebuildDeletedAccounts();
    showSyncStatus(true);
}

void SettingsScreen::rebuildDeletedAccounts() {
    m_deletedList->clear();
    m_restore->setEnabled(false);
    const QList<Account> deleted = m_state->accountRepository()->findDeleted();
    m_deletedSection->setVisible(!deleted.isEmpty());
    for (const Account &account : deleted) {
        auto *item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }
}

void SettingsScreen::restoreSelectedAccount() {
    QListWidgetItem *item = m_deletedList->currentItem();
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty())
        return;
    // Its transactions, rules and reconciliations went with it, so they come back with it.
    if (!m_state->ledger()->restoreAccount(id)) {
        ErrorBox::show(this, tr("Restore Account"), tr("The account could not be restored."),
                       tr("It stays in the list of deleted accounts; nothing was changed."));
        rebuildDeletedAccounts();
        return;
    }
    rebuildDeletedAccounts();
    Q_EMIT deletedAccountRestored();
}

void SettingsScreen::showSyncStatus(bool mayFetchUser) {
    TindAccount::Client *client = m_state->accountClient();
    TindAccount::AuthClient *auth = client->auth();
    if (auth->state() != TindAccount::AuthState::SignedIn) {
        m_accountStatus->setTextFormat(Qt::PlainText);
        m_accountStatus->setText(tr("Not signed in.\nSign in via File › Sign In to enable sync."));
        m_lastSynced->hide();
        m_syncButtons->hide();
        return;
    }

    const TindAccount::User user = auth->currentUser();
    QString who = user.displayName;
    if (who.isEmpty())
        who = user.email;
    if (who.isEmpty())
        who = auth->currentUserId();
    SyncEngine *sync = m_state->syncEngine();
    const SyncEngine::SyncState state = sync->state();
    m_accountStatus->setTextFormat(Qt::RichText);
    m_accountStatus->setText(
        tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
            .arg(who.toHtmlEscaped(), syncStateColour(state),
                 SyncEngine::stateText(state).toHtmlEscaped()));

    const QString stamp = m_state->preferencesRepository()->value(SyncEngine::CursorKey, QString());
    QString synced;
    if (stamp.isEmpty()) {
        synced = tr("Never synced");
    } else {
        const QDateTime when = QDateTime::fromString(stamp, Qt::ISODate);
        synced
            = tr("Last synced: %1")
                  .arg(
                      when.isValid()
                          ? QLocale(QLocale::English).toString(when.toLocalTime(), "MMM d, h:mm ap")
                          : stamp);
    }
    if (state == SyncEngine::Error && !sync->lastError().isEmpty())
        synced += tr("\nError: %1").arg(sync->lastError());
    m_lastSynced->setText(synced);
    m_lastSynced->show();
    m_syncButtons->show();

    // The name is asked for once per refresh: its answer only redraws, so an account without
    // a name (or a server that does not answer) cannot start a loop of requests.
    if (mayFetchUser && !m_fetchingUser && user.displayName.isEmpty() && user.email.isEmpty()) {
        m_fetchingUser = true;
        ++m_userFetches;
        auth->fetchCurrentUser(this, [this](const TindAccount::User &) {
            m_fetchingUser = false;
            showSyncStatus(false);
        });
    }
}

void SettingsScreen::waitForSyncEnd() {
    disconnect(m_syncWait);
    m_syncWait = connect(m_state->syncEngine(), &SyncEngine::stateChanged, this,
                         [this](SyncEngine::SyncState state) {
                             if (state == SyncEngine::Syncing)
                                 return;
                             disconnect(m_syncWait);
                             m_syncNow->setEnabled(true);
                             m_syncNow->setText(tr("Sync Now"));
                             m_forceFullSync->setEnabled(true);
                             refresh();
                         });
}

void SettingsScreen::syncNow() {
    m_syncNow->setEnabled(false);
    m_syncNow->setText(tr("Syncing..."));
    waitForSyncEnd();
    m_state->syncEngine()->syncNow();
}

void SettingsScreen::forceFullSync() {
    if (!MessageBoxes::ask(this, tr("Force Full Sync"),
                           tr("This will re-upload every local row to the server and re-download "
                              "all server data. Use this if data appears out of sync between "
                              "devices.\n\nContinue?")))
        return;

    // One statement per table in one commit: a large database is marked in a moment.
    if (m_state->ledger()->markAllForResync() < 0) {
        ErrorBox::show(this, tr("Force Full Sync"), tr("The data could not be marked for upload."),
                       tr("Nothing was changed; the next sync sends only what changed."));
        return;
    }
    m_state->preferencesRepository()->remove(SyncEngine::CursorKey);

    m_forceFullSync->setEnabled(false);
    syncNow();
}

void SettingsScreen::exportBackup() {
    m_exportBackup->setEnabled(false);
    m_exportBackup->setText(tr("Exporting..."));
    BackupFlow::exportBackup(this, m_state);
    m_exportBackup->setText(tr("Export Backup"));
    m_exportBackup->setEnabled(true);
}

void SettingsScreen::importBackup() {
    m_importBackup->setEnabled(false);
    m_importBackup->setText(tr("Importing..."));
    const bool imported = BackupFlow::importBackup(this, m_state);
    m_importBackup->setText(tr("Import Backup"));
    m_importBackup->setEnabled(true);
    if (imported)
        refresh();
}
