// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

// What an import did. Rows skipped because they could not be read are not counted.
struct ImportResult {
    int imported = 0;   // rows inserted
    int duplicates = 0; // rows already in the account
};
