// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/bankentry.h"
#include "services/bankstatement.h"
#include "services/qifrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The first rows of a bank file as the import will read them (the same decoding, the same
// parsers), read without going through the rest of the file, so that a file of any size
// previews at once.
class ImportPreview {
public:
    // The encoding is chosen on the first part of the file only.
    static constexpr qint64 kSniffLimit = 1024 * 1024;
    // A preview stops reading here even when the rows asked for are not complete yet (one
    // enormous quoted field).
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

    // False when the file cannot be read; errorString() says why.
    bool readCsv(const QString &filePath, int maxRows);
    bool readQif(const QString &filePath, int maxRecords);
    // An OFX, QFX or CAMT.053 statement: its first entries and what it says of its account.
    bool readBankFile(const QString &filePath, int maxEntries);

    QList<QStringList> csvRows() const { return m_csvRows; }
    QList<QifRecord> qifRecords() const { return m_qifRecords; }
    QList<BankEntry> bankEntries() const { return m_bankEntries; }
    QList<BankStatement> statements() const { return m_statements; }
    QString errorString() const { return m_error; }

    // A QIF file by its name (".qif") or by its first line ("!Type:...", "!Account").
    static bool looksLikeQif(const QString &filePath);

private:
    QList<QStringList> m_csvRows;
    QList<QifRecord> m_qifRecords;
    QList<BankEntry> m_bankEntries;
    QList<BankStatement> m_statements;
    QString m_error;
};
