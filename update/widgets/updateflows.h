// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/updateconfig.h"

#include <functional>

class QWidget;

namespace TindUpdate {

// Where the flows report what they are doing: the caller's status bar, usually.
struct StatusFunctions {
    std::function<void(const QString &text, int milliseconds)> show; // 0: until cleared
    std::function<void()> clear;
};

// The update check from a menu: progress and result in the status, the update dialog
// (non-modal) when a newer release exists. parent is held weakly.
void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appName, QWidget *parent,
                                const StatusFunctions &status);

// The release notes of the running version; when it has none, those of a newer release
// with its download, else a note in the status.
void showWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent,
                  const StatusFunctions &status);
// The same without a status bar.
void showWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent);

} // namespace TindUpdate
