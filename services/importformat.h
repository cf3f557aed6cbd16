// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

enum class ImportFormat { Csv, Qif, Ofx, Camt };

// What kind of bank file this is, by its content first (a bank's download is often named
// anything), then by its extension; CSV when nothing else fits.
ImportFormat detectImportFormat(const QString &filePath);
