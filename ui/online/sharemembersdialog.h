// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/groupmember.h"
#include "account/sharemember.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace TindAccount {
class Client;
class SharingBackend;
} // namespace TindAccount

// Shares one item with members of the user's group, and takes such access back.
class ShareMembersDialog : public QDialog {
    Q_OBJECT

public:
    // An empty text falls back to a default where there is one.
    struct Texts {
        QString windowTitle;
        QString heading;
        QString description;
        QString listCaption; // "Shared with"
        QString emptyList;   // "Not shared with anyone yet."
        QString noGroup;
        QString shareButton;        // "Share"
        QString removeButton;       // "Remove Selected"
        QString closeButton;        // "Close"
        QString role;               // empty: the backend's "member"
        QString shareFailedTitle;   // the window title
        QString removeFailedTitle;  // the window title
        QString removeConfirmTitle; // "Remove Share"
        QString removeConfirmText;  // "Remove %1's access to this item?"
    };

    ShareMembersDialog(TindAccount::Client *client, TindAccount::SharingBackend *backend,
                       const QString &itemId, const Texts &texts, QWidget *parent = nullptr);
    ~ShareMembersDialog() override;

    // For tests.
    QComboBox *candidateCombo() const { return m_candidates; }
    QPushButton *shareButton() const { return m_share; }
    QPushButton *removeButton() const { return m_remove; }
    QListWidget *shareList() const { return m_list; }
    QWidget *addRow() const { return m_addRow; }
    QLabel *noGroupLabel() const { return m_noGroup; }

public Q_SLOTS:
    void refreshAll();
    void onAddShare();
    void onRemoveSelected();

Q_SIGNALS:
    void sharingChanged();
    // The member list and the shares are both in; for tests and the look of the dialog.
    void loaded();

private:
    void reloadShares();
    void showShares();
    void fillCandidates();
    QString memberLabel(const QString &userId) const;
    QString text(const QString &value, const QString &fallback) const;

    QPointer<TindAccount::Client> m_client;
    QPointer<TindAccount::SharingBackend> m_backend;
    QString m_itemId;
    Texts m_texts;
    QString m_userId;
    bool m_groupKnown = false;
    bool m_sharesKnown = false;
    // A failed fetch is said as such, never shown as "no group" or "shared with nobody".
    bool m_groupFailed = false;
    bool m_sharesFailed = false;
    QList<TindAccount::GroupMember> m_members;
    QList<TindAccount::ShareMember> m_shares;
    QWidget *m_addRow = nullptr;
    QComboBox *m_candidates = nullptr;
    QPushButton *m_share = nullptr;
    QLabel *m_noGroup = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_remove = nullptr;
};
