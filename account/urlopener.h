// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QUrl>

#include <functional>

namespace TindAccount {

// Opens a web page for the user. Replaceable so that tests and headless tools never start a
// browser (a command-line tool can print the address instead).
using UrlOpener = std::function<bool(const QUrl &url)>;

// The system browser through Qt's desktop services; false without a GUI application.
bool openInSystemBrowser(const QUrl &url);

} // namespace TindAccount
