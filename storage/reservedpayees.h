// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// Payees that mean something to the program. They are stored in the books as they are and
// typed by people as they are, so they are never translated, and the storage, the write
// service, the register and the command line must agree on them to the letter.
namespace ReservedPayees {

// "[Transfer] NAME" moves the amount to or from the account NAME.
inline QString transferPrefix() {
    return QStringLiteral("[Transfer] ");
}

// The transaction that holds an account's starting balance.
inline QString openingBalance() {
    return QStringLiteral("Opening Balance");
}

} // namespace ReservedPayees
