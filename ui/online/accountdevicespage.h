// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/online/accountpage.h"

#include <QList>

namespace TindAccount {
struct Device;
} // namespace TindAccount

// The Devices section of the account window: the machines that synced with the account, each
// of which can be removed.
class AccountDevicesPage : public AccountPage {
    Q_OBJECT

public:
    explicit AccountDevicesPage(TindAccount::Client *client, QWidget *parent = nullptr);

public Q_SLOTS:
    void loadDevices();

private:
    void showDevices(const QList<TindAccount::Device> &devices);

    QVBoxLayout *m_devices = nullptr; // Owned (by the page's layout).
};
