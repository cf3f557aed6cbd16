// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// The server's own id of a stored record: UUID text, laid out as version 7 (the time in
// milliseconds first, then random bits). Ids made one after another sort together, so the
// record's key (and each device's index of server ids) grows at its end instead of at a
// random place in a tree of a million entries; a first push of a whole register writes a
// few pages where random ids would rewrite most of the index.
class RecordId {
public:
    static QString create();
};
