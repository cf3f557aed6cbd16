// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

class QWidget;

// The one way screens report a failed action: a warning box titled with the action, a fixed
// translated text saying what went wrong, and what was kept. A server's own words, when
// there are any, are shown as plain text under it, never interpreted as rich text.
namespace ErrorBox {

void show(QWidget *parent, const QString &actionTitle, const QString &text, const QString &kept,
          const QString &serverText = QString());

} // namespace ErrorBox
