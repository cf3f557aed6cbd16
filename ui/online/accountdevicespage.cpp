// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountdevicespage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "account/device.h"
#include "ui/common/messageboxes.h"
#include "ui/online/accountscreen.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AccountDevicesPage::AccountDevicesPage(TindAccount::Client *client, QWidget *parent)
    : AccountPage(client, parent) {
    QVBoxLayout *devices = content();
    devices->addWidget(heading(tr("Registered Devices")));
    devices->addWidget(muted(tr("Devices that have synced with your account.")));
    m_devices = new QVBoxLayout;
    devices->addLayout(m_devices);
}

void AccountDevicesPage::loadDevices() {
    client()->account()->getDevices(
        this, [this](const QList<TindAccount::Device> &devices) { showDevices(devices); });
}

void AccountDevicesPage::showDevices(const QList<TindAccount::Device> &devices) {
    QVBoxLayout *body = freshBody(m_devices);
    if (devices.isEmpty()) {
        body->addWidget(muted(tr("No devices registered.")));
        return;
    }
    for (const TindAccount::Device &device : devices) {
        const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
        auto *text = new QWidget;
        auto *lines = new QVBoxLayout(text);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(2);
        auto *title = plainLabel(name);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        lines->addWidget(title);
        QString detail = device.platform;
        if (!device.appVersion.isEmpty())
            detail += tr("  ·  v%1").arg(device.appVersion);
        lines->addWidget(muted(detail));
        lines->addWidget(muted(AccountScreen::relativeTime(device.lastSyncAt)));
        auto *remove = new QPushButton(tr("Remove"));
        remove->setAccessibleName(tr("Remove %1").arg(name));
        const QString id = device.id;
        connect(remove, &QPushButton::clicked, this, [this, remove, id, name] {
            if (!MessageBoxes::ask(this, tr("Remove Device"), tr("Remove %1?").arg(name)))
                return;
            remove->setEnabled(false);
            client()->account()->removeDevice(this, id, [this](bool ok) {
                report(ok ? tr("Device removed.") : tr("Failed to remove device."), ok);
                loadDevices();
            });
        });
        row(body, text, remove);
    }
}
