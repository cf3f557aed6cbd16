// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/accountactions.h"

#include "account/client.h"
#include "app/appstate.h"
#include "services/accountsharingservice.h"
#include "services/ledgerwriter.h"
#include "services/syncengine.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/online/sharemembersdialog.h"
#include "ui/presentation/messagetimes.h"
#include "ui/register/registerscreen.h"
#include "ui/window/accountformdialog.h"
#include "ui/window/statusbar.h"

#include <QAction>

AccountActions::AccountActions(AppState *state, RegisterScreen *registerScreen,
                               StatusBar *statusBar, QWidget *owner)
    : QObject(owner)
    , m_state(state)
    , m_register(registerScreen)
    , m_statusBar(statusBar)
    , m_owner(owner) {}

void AccountActions::create() {
    AccountFormDialog dialog(m_owner);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    QString id;
    if (!m_state->ledger()->createAccount(account, account.startingBalance,
                                          dialog.startingBalanceDate(), &id)) {
        ErrorBox::show(m_owner, tr("New Account"), tr("The account could not be created."),
                       tr("Nothing was stored; your other accounts are unchanged."));
        return;
    }
    Q_EMIT created(id);
}

void AccountActions::edit(const QString &accountId) {
    const auto stored = m_state->ledger()->liveAccount(accountId);
    if (!stored)
        return;
    const std::optional<Transaction> opening = m_state->ledger()->openingBalance(stored->id);
    Account shown = *stored;
    if (opening)
        shown.startingBalance = opening->amount;
    AccountFormDialog dialog(shown, m_owner);
    if (opening)
        dialog.setStartingBalanceDate(opening->date);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;

    const Account edited = dialog.account();
    if (edited.name.isEmpty())
        return;
    const LedgerWriter::Result result = m_state->ledger()->updateAccount(
        edited, edited.startingBalance, dialog.startingBalanceDate());
    if (result == LedgerWriter::Result::NotFound) {
        ErrorBox::show(m_owner, tr("Edit Account"), tr("The changes could not be saved."),
                       tr("The account was deleted meanwhile."));
    } else if (result != LedgerWriter::Result::Ok) {
        ErrorBox::show(m_owner, tr("Edit Account"), tr("The changes could not be saved."),
                       tr("The account keeps its previous details and balance."));
    }
    m_register->reload();
}

void AccountActions::remove(const QString &accountId) {
    const auto account = m_state->ledger()->liveAccount(accountId);
    if (!account)
        return;
    // A row being typed in that account has nowhere to go once it is deleted: say so, and
    // drop it before the account goes, so that nothing later saves into it.
    const bool typedThere = m_register->accountId() == accountId && m_register->hasUnsavedEntry();
    QString question = tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and "
                          "reconciliation history for this account will be removed. You can "
                          "restore it from Preferences → Data & Sync.")
                           .arg(account->name);
    if (typedThere)
        question += QStringLiteral("\n\n")
                    + tr("The transaction you are typing in this account will be discarded.");
    if (!MessageBoxes::askWarning(m_owner, tr("Delete Account"), question))
        return;
    if (m_register->accountId() == accountId)
        m_register->discardEntry();

    if (!m_state->ledger()->deleteAccount(accountId)) {
        ErrorBox::show(m_owner, tr("Delete Account"), tr("The account could not be deleted."),
                       tr("Nothing was removed: the account and all its entries are kept."));
        return;
    }
    if (accountId == m_state->currentAccountId()) {
        m_state->setCurrentAccountId(QString());
        Q_EMIT currentRemoved();
    }
}

void AccountActions::share(const QString &accountId) {
    if (!m_state->accountClient()->isAuthenticated()) {
        MessageBoxes::inform(m_owner, tr("Sign In Required"),
                             tr("Sharing requires a Tindral account. Sign in via File › Sign In "
                                "to enable sharing."));
        return;
    }
    const auto account = m_state->ledger()->liveAccount(accountId);
    if (!account)
        return;
    // The server learns of an account at its first sync; until then there is nothing to share.
    if (account->serverId.isEmpty()) {
        m_statusBar->showMessage(tr("Sync this account once before sharing it"),
                                 MessageTimes::LongMs);
        return;
    }
    ShareMembersDialog::Texts texts;
    texts.windowTitle = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account->name);
    texts.description = tr("Share this account with members of your Tindral family group. "
                           "They'll see the same register, balances, and reconciliation history "
                           "on their devices.");
    texts.listCaption = tr("Shared with");
    texts.emptyList = tr("Not shared with anyone yet.");
    texts.noGroup = tr("You're not part of a Tindral group yet. Create or join one under File › "
                       "Tindral Account..., then share this account with its members.");
    texts.shareButton = tr("Share");
    texts.removeButton = tr("Remove Selected");
    texts.closeButton = tr("Close");
    texts.role = QStringLiteral("member");
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    ShareMembersDialog dialog(m_state->accountClient(), m_state->sharingService(), account->id,
                              texts, m_owner);
    connect(&dialog, &ShareMembersDialog::sharingChanged, m_state->syncEngine(),
            &SyncEngine::scheduleSync);
    ModalRunner::exec(&dialog);
}

bool AccountActions::waitsForFirstSync(const std::optional<Account> &account) const {
    return account && account->serverId.isEmpty() && m_state->accountClient()->isAuthenticated();
}

void AccountActions::updateShareAction(QAction *share, const QString &accountId) const {
    const bool unsynced = waitsForFirstSync(
        accountId.isEmpty() ? std::nullopt : m_state->ledger()->liveAccount(accountId));
    share->setEnabled(!unsynced);
    share->setToolTip(unsynced ? tr("This account can be shared after its first sync.")
                               : QString());
}
