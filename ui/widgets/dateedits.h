// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

class QDate;
class QDateEdit;
class QWidget;

namespace DateEdits {

// A date edit as the register shows dates: the date format chosen in the preferences, a
// calendar that starts the week on the chosen day and names months in the system's language.
QDateEdit *make(const QDate &date, QWidget *parent);

} // namespace DateEdits
