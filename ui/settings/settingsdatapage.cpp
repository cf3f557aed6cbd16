// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingsdatapage.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/preferencesrepository.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/styles.h"
#include "ui/settings/backupflow.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Only a full http(s) address can have the service paths appended to it.
bool isServerAddress(const QString &text) {
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment();
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

} // namespace

SettingsDataPage::SettingsDataPage(AppState *state, QWidget *parent)
    : SettingsPage(tr("Data & Sync"), parent)
    , m_state(state) {
    QVBoxLayout *layout = pageLayout();

    addSectionHeader(layout, tr("Sync"), tr("Keep your quillon in sync across all your devices."));
    auto *sync = new QVBoxLayout;
    sync->setContentsMargins(12, 0, 0, 0);
    sync->setSpacing(8);
    m_accountStatus = new QLabel(this);
    m_accountStatus->setAccessibleName(tr("Account status"));
    m_accountStatus->setWordWrap(true);
    m_accountStatus->setTextFormat(Qt::RichText);
    sync->addWidget(m_accountStatus);
    m_lastSynced = new QLabel(this);
    m_lastSynced->setTextFormat(Qt::PlainText);
    m_lastSynced->setAccessibleName(tr("Last synced"));
    m_lastSynced->setTextFormat(Qt::PlainText);
    m_lastSynced->setWordWrap(true);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    m_lastSynced->setFont(small);
    m_lastSynced->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    sync->addWidget(m_lastSynced);
    m_syncButtons = new QWidget(this);
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
    addServerAddress(sync);
    layout->addLayout(sync);
    connect(m_syncNow, &QPushButton::clicked, this, &SettingsDataPage::syncNow);
    connect(m_forceFullSync, &QPushButton::clicked, this, &SettingsDataPage::forceFullSync);

    layout->addSpacing(16);
    addDivider(layout);
    layout->addSpacing(12);
    addSectionHeader(layout, tr("Backup & Restore"),
                     tr("Save or restore your data to a portable backup file."));
    auto *backup = new QHBoxLayout;
    m_exportBackup = new QPushButton(tr("Export Backup"), this);
    m_exportBackup->setAccessibleName(tr("Export Backup"));
    m_importBackup = new QPushButton(tr("Import Backup"), this);
    m_importBackup->setAccessibleName(tr("Import Backup"));
    backup->addWidget(m_exportBackup);
    backup->addWidget(m_importBackup);
    backup->addStretch(1);
    layout->addLayout(backup);
    connect(m_exportBackup, &QPushButton::clicked, this, &SettingsDataPage::exportBackup);
    connect(m_importBackup, &QPushButton::clicked, this, &SettingsDataPage::importBackup);

    m_deletedSection = new QWidget(this);
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
    connect(m_restore, &QPushButton::clicked, this, &SettingsDataPage::restoreSelectedAccount);
    layout->addStretch(1);
}

SettingsDataPage::~SettingsDataPage() {
    // The server field loses focus while the page is torn down, after this object is no
    // longer a SettingsDataPage: its last editingFinished must not reach the save slot.
    if (m_serverEdit)
        m_serverEdit->disconnect(this);
}

void SettingsDataPage::applyColours() {
    SettingsPage::applyColours();
    m_serverError->setStyleSheet(Styles::textColourStyle(Styles::negativeColour()));
}

void SettingsDataPage::showSyncRunning(bool syncing) {
    m_syncNow->setEnabled(!syncing);
    m_syncNow->setText(syncing ? tr("Syncing...") : tr("Sync Now"));
    m_forceFullSync->setEnabled(!syncing);
}

void SettingsDataPage::addServerAddress(QVBoxLayout *layout) {
    layout->addSpacing(8);
    auto *label = new QLabel(tr("Server address"), this);
    layout->addWidget(label);
    m_serverEdit = new QLineEdit(this);
    m_serverEdit->setAccessibleName(tr("Server address"));
    m_serverEdit->setPlaceholderText(QStringLiteral("https://quillon.example.org"));
    label->setBuddy(m_serverEdit);
    m_serverError = new QLabel(this);
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
                &SettingsDataPage::saveServerAddress);
        connect(m_serverEdit, &QLineEdit::textEdited, m_serverError, &QLabel::hide);
    }
    m_serverNote->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_serverNote);
}

void SettingsDataPage::saveServerAddress() {
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

void SettingsDataPage::refresh() {
    rebuildDeletedAccounts();
    showSyncStatus(true);
}

void SettingsDataPage::rebuildDeletedAccounts() {
    m_deletedList->clear();
    m_restore->setEnabled(false);
    const QList<Account> deleted = m_state->accountRepository()->findDeleted();
    m_deletedSection->setVisible(!deleted.isEmpty());
    for (const Account &account : deleted) {
        auto *item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }
}

void SettingsDataPage::restoreSelectedAccount() {
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

void SettingsDataPage::showSyncStatus(bool mayFetchUser) {
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

void SettingsDataPage::waitForSyncEnd() {
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

void SettingsDataPage::syncNow() {
    m_syncNow->setEnabled(false);
    m_syncNow->setText(tr("Syncing..."));
    waitForSyncEnd();
    m_state->syncEngine()->syncNow();
}

void SettingsDataPage::forceFullSync() {
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

void SettingsDataPage::exportBackup() {
    m_exportBackup->setEnabled(false);
    m_exportBackup->setText(tr("Exporting..."));
    BackupFlow::exportBackup(this, m_state);
    m_exportBackup->setText(tr("Export Backup"));
    m_exportBackup->setEnabled(true);
}

void SettingsDataPage::importBackup() {
    m_importBackup->setEnabled(false);
    m_importBackup->setText(tr("Importing..."));
    const bool imported = BackupFlow::importBackup(this, m_state);
    m_importBackup->setText(tr("Import Backup"));
    m_importBackup->setEnabled(true);
    if (imported)
        refresh();
}
