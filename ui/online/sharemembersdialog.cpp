// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "account/group.h"
#include "account/profile.h"
#include "account/sharingbackend.h"
#include "ui/common/messageboxes.h"
#include "ui/common/styles.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr int kShareIdRole = Qt::UserRole;
constexpr int kUserIdRole = Qt::UserRole + 1;

QString pairLabel(const QString &name, const QString &email) {
    if (!name.isEmpty() && !email.isEmpty())
        return QStringLiteral("%1 (%2)").arg(name, email);
    return name.isEmpty() ? email : name;
}

} // namespace

ShareMembersDialog::ShareMembersDialog(TindAccount::Client *client,
                                       TindAccount::SharingBackend *backend, const QString &itemId,
                                       const Texts &texts, QWidget *parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_itemId(itemId)
    , m_texts(texts) {
    setWindowTitle(texts.windowTitle);
    setAccessibleName(texts.windowTitle);
    setMinimumSize(520, 520);
    resize(560, 560);
    auto *layout = new QVBoxLayout(this);

    if (!texts.heading.isEmpty()) {
        auto *heading = new QLabel(texts.heading, this);
        heading->setTextFormat(Qt::PlainText);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
    }
    if (!texts.description.isEmpty()) {
        auto *description = new QLabel(texts.description, this);
        description->setTextFormat(Qt::PlainText);
        description->setWordWrap(true);
        layout->addWidget(description);
    }

    m_addRow = new QWidget(this);
    auto *add = new QHBoxLayout(m_addRow);
    add->setContentsMargins(0, 0, 0, 0);
    m_candidates = new QComboBox(m_addRow);
    m_candidates->setAccessibleName(tr("Group member"));
    m_candidates->setMinimumWidth(280);
    m_share = new QPushButton(text(texts.shareButton, tr("Share")), m_addRow);
    m_share->setAccessibleName(m_share->text());
    m_share->setEnabled(false);
    add->addWidget(m_candidates, 1);
    add->addWidget(m_share);
    layout->addWidget(m_addRow);

    m_noGroup = new QLabel(texts.noGroup, this);
    m_noGroup->setTextFormat(Qt::PlainText);
    m_noGroup->setWordWrap(true);
    m_noGroup->hide();
    layout->addWidget(m_noGroup);

    layout->addWidget(new QLabel(text(texts.listCaption, tr("Shared with")), this));
    m_list = new QListWidget(this);
    m_list->setAccessibleName(text(texts.listCaption, tr("Shared with")));
    m_list->setMinimumHeight(160);
    layout->addWidget(m_list, 1);

    auto *buttons = new QHBoxLayout;
    m_remove = new QPushButton(text(texts.removeButton, tr("Remove Selected")), this);
    m_remove->setAccessibleName(m_remove->text());
    m_remove->setEnabled(false);
    auto *close = new QPushButton(text(texts.closeButton, tr("Close")), this);
    close->setAccessibleName(close->text());
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_share, &QPushButton::clicked, this, &ShareMembersDialog::onAddShare);
    connect(m_remove, &QPushButton::clicked, this, &ShareMembersDialog::onRemoveSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *current) {
        m_remove->setEnabled(current && (current->flags() & Qt::ItemIsSelectable)
                             && !current->data(kUserIdRole).toString().isEmpty());
    });

    refreshAll();
}

ShareMembersDialog::~ShareMembersDialog() = default;

QString ShareMembersDialog::text(const QString &value, const QString &fallback) const {
    return value.isEmpty() ? fallback : value;
}

void ShareMembersDialog::refreshAll() {
    m_groupKnown = false;
    m_groupFailed = false;
    if (!m_client) {
        m_groupKnown = true;
        fillCandidates();
        return;
    }
    const auto groupFailed = [this] {
        m_members.clear();
        m_groupFailed = true;
        m_groupKnown = true;
        if (m_sharesKnown)
            showShares();
        fillCandidates();
    };
    m_client->account()->fetchProfile(
        this, [this, groupFailed](bool ok, const TindAccount::Profile &profile) {
            if (!m_client)
                return;
            // Without knowing who the user is, the user would be offered as someone to share with.
            if (!ok || profile.id.isEmpty()) {
                groupFailed();
                return;
            }
            m_userId = profile.id;
            m_client->account()->fetchGroup(this, [this, groupFailed](
                                                      bool ok, const TindAccount::Group &group) {
                if (!ok) {
                    groupFailed();
                    return;
                }
                m_members = group.id.isEmpty() ? QList<TindAccount::GroupMember>() : group.members;
                m_groupKnown = true;
                if (m_sharesKnown)
                    showShares();
                fillCandidates();
            });
        });
    reloadShares();
}

void ShareMembersDialog::reloadShares() {
    m_sharesKnown = false;
    m_list->clear();
    auto *loading = new QListWidgetItem(tr("Loading..."), m_list);
    loading->setFlags(Qt::NoItemFlags);
    m_remove->setEnabled(false);
    if (!m_backend)
        return;
    m_backend->listMembers(this, m_itemId,
                           [this](bool ok, const QList<TindAccount::ShareMember> &members) {
                               m_sharesFailed = !ok;
                               m_shares.clear();
                               for (const TindAccount::ShareMember &share : members) {
                                   if (share.role != QLatin1String("owner"))
                                       m_shares.append(share);
                               }
                               m_sharesKnown = true;
                               showShares();
                               fillCandidates();
                           });
}

void ShareMembersDialog::showShares() {
    // Shares may arrive before the group; the group's names are filled in once it is here.
    m_list->clear();
    m_remove->setEnabled(false);
    for (const TindAccount::ShareMember &share : std::as_const(m_shares)) {
        QString name = share.displayName;
        QString email = share.email;
        for (const TindAccount::GroupMember &member : std::as_const(m_members)) {
            if (member.accountId != share.userId)
                continue;
            if (name.isEmpty())
                name = member.displayName;
            if (email.isEmpty())
                email = member.email;
        }
        QString label = pairLabel(name, email);
        if (label.isEmpty())
            label = share.userId;
        auto *item = new QListWidgetItem(label, m_list);
        item->setData(kShareIdRole, share.id);
        item->setData(kUserIdRole, share.userId);
    }
    if (m_list->count() == 0) {
        auto *empty = new QListWidgetItem(
            m_sharesFailed ? tr("The list of people this is shared with could not be loaded. "
                                "Close this window and open it again to retry.")
                           : text(m_texts.emptyList, tr("Not shared with anyone yet.")),
            m_list);
        empty->setFlags(Qt::NoItemFlags);
        empty->setForeground(QColor(Styles::mutedColour()));
    }
}

QString ShareMembersDialog::memberLabel(const QString &userId) const {
    for (const TindAccount::GroupMember &member : m_members) {
        if (member.accountId == userId)
            return member.displayName.isEmpty() ? member.email
                                                : pairLabel(member.displayName, member.email);
    }
    return userId;
}

void ShareMembersDialog::fillCandidates() {
    if (!m_groupKnown)
        return;
    m_candidates->clear();
    if (m_members.isEmpty()) {
        m_addRow->hide();
        m_noGroup->setText(m_groupFailed
                               ? tr("The group members could not be loaded, so nobody can be "
                                    "added now. Close this window and open it again to retry.")
                               : m_texts.noGroup);
        m_noGroup->show();
        m_share->setEnabled(false);
    } else {
        m_addRow->show();
        m_noGroup->hide();
        for (const TindAccount::GroupMember &member : std::as_const(m_members)) {
            if (member.accountId == m_userId)
                continue;
            bool shared = false;
            for (const TindAccount::ShareMember &share : std::as_const(m_shares))
                shared = shared || share.userId == member.accountId;
            if (shared)
                continue;
            m_candidates->addItem(memberLabel(member.accountId), member.accountId);
        }
        if (m_candidates->count() == 0) {
            m_candidates->addItem(tr("All group members already added"));
            if (auto *model = qobject_cast<QStandardItemModel *>(m_candidates->model()))
                model->item(0)->setEnabled(false);
            m_share->setEnabled(false);
        } else {
            m_share->setEnabled(true);
        }
    }
    if (m_sharesKnown)
        Q_EMIT loaded();
}

void ShareMembersDialog::onAddShare() {
    const QString userId = m_candidates->currentData().toString();
    if (userId.isEmpty() || !m_backend)
        return;
    const QString label = m_candidates->currentText();
    const QString buttonText = m_share->text();
    m_share->setEnabled(false);
    m_share->setText(tr("Sharing..."));
    m_backend->shareWith(
        this, m_itemId, userId, m_texts.role,
        [this, buttonText, label](bool ok, const QString &error) {
            m_share->setText(buttonText);
            m_share->setEnabled(true);
            if (ok) {
                Q_EMIT sharingChanged();
                reloadShares();
                return;
            }
            MessageBoxes::warn(this, text(m_texts.shareFailedTitle, windowTitle()),
                               error.isEmpty() ? tr("Could not share with %1.").arg(label) : error);
        });
}

void ShareMembersDialog::onRemoveSelected() {
    QListWidgetItem *item = m_list->currentItem();
    if (!item || !m_backend)
        return;
    // The server names a share by the user who holds it.
    const QString userId = item->data(kUserIdRole).toString();
    if (userId.isEmpty())
        return;
    if (!MessageBoxes::ask(this, text(m_texts.removeConfirmTitle, tr("Remove Share")),
                           text(m_texts.removeConfirmText, tr("Remove %1's access to this item?"))
                               .arg(item->text())))
        return;
    m_remove->setEnabled(false);
    m_backend->removeShare(this, m_itemId, userId, [this](bool ok) {
        if (ok) {
            Q_EMIT sharingChanged();
            reloadShares();
            return;
        }
        MessageBoxes::warn(this, text(m_texts.removeFailedTitle, windowTitle()),
                           tr("Could not remove share."));
        reloadShares();
    });
}
