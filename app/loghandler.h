// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The quiet message handler used unless QUILLON_VERBOSE is set: debug and info are dropped,
// warnings print as "WARN: <text>", critical and fatal messages as the bare text.
namespace LogHandler {

// The line the handler writes to standard error for a message; empty when it is dropped.
QByteArray formatLine(QtMsgType type, const QString &message);

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

// Installs the quiet handler unless QUILLON_VERBOSE is set to a non-empty value.
// Returns true when it was installed.
bool installUnlessVerbose();

} // namespace LogHandler
