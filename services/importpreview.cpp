// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importpreview.h"

#include "services/camtreader.h"
#include "services/csvparser.h"
#include "services/importformat.h"
#include "services/importtextreader.h"
#include "services/ofxreader.h"
#include "services/qifparser.h"

#include <QFile>
#include <QFileInfo>

bool ImportPreview::readCsv(const QString &filePath, int maxRows) {
    m_csvRows.clear();
    m_error.clear();
    ImportTextReader reader;
    if (!reader.open(filePath, kSniffLimit)) {
        m_error = reader.errorString();
        return false;
    }
    CsvParser parser;
    QString text;
    qint64 read = 0;
    bool atEnd = true;
    while (m_csvRows.size() < maxRows) {
        if (read >= kMaxBytes) {
            atEnd = false;
            break;
        }
        if (!reader.read(&text))
            break;
        read += text.size();
        parser.feed(text);
        while (parser.hasRow() && m_csvRows.size() < maxRows)
            m_csvRows.append(parser.takeRow());
        atEnd = m_csvRows.size() < maxRows;
    }
    if (reader.hasError()) {
        m_error = reader.errorString();
        m_csvRows.clear();
        return false;
    }
    // The last row of the file has no line break after it; a row cut off by the byte limit
    // is not shown.
    if (atEnd && m_csvRows.size() < maxRows) {
        parser.finish();
        while (parser.hasRow() && m_csvRows.size() < maxRows)
            m_csvRows.append(parser.takeRow());
    }
    return true;
}

bool ImportPreview::readQif(const QString &filePath, int maxRecords) {
    m_qifRecords.clear();
    m_error.clear();
    ImportTextReader reader;
    if (!reader.open(filePath, kSniffLimit)) {
        m_error = reader.errorString();
        return false;
    }
    QifParser parser;
    QString pending;
    QString text;
    qint64 read = 0;
    bool ended = false;
    while (m_qifRecords.size() < maxRecords && read < kMaxBytes) {
        if (!reader.read(&text)) {
            ended = true;
            break;
        }
        read += text.size();
        pending += text;
        qsizetype start = 0;
        for (qsizetype end = pending.indexOf(QLatin1Char('\n')); end >= 0;
             end = pending.indexOf(QLatin1Char('\n'), start)) {
            parser.feedLine(QStringView(pending).mid(start, end - start));
            start = end + 1;
        }
        pending.remove(0, start);
        while (parser.hasRecord() && m_qifRecords.size() < maxRecords)
            m_qifRecords.append(parser.takeRecord());
    }
    if (reader.hasError()) {
        m_error = reader.errorString();
        m_qifRecords.clear();
        return false;
    }
    if (ended && m_qifRecords.size() < maxRecords) {
        parser.feedLine(pending);
        parser.finish();
        while (parser.hasRecord() && m_qifRecords.size() < maxRecords)
            m_qifRecords.append(parser.takeRecord());
    }
    return true;
}

bool ImportPreview::readBankFile(const QString &filePath, int maxEntries) {
    m_bankEntries.clear();
    m_statements.clear();
    m_error.clear();
    // Stops as soon as the rows are there: the rest of the file is not read.
    const auto collect = [this, maxEntries](const BankEntry &entry) {
        m_bankEntries.append(entry);
        return m_bankEntries.size() < maxEntries;
    };
    bool ok = false;
    if (detectImportFormat(filePath) == ImportFormat::Camt) {
        CamtReader reader;
        ok = maxEntries <= 0 || reader.read(filePath, collect);
        m_error = reader.errorString();
        m_statements = reader.statements();
    } else {
        OfxReader reader;
        ok = maxEntries <= 0 || reader.read(filePath, collect, kSniffLimit);
        m_error = reader.errorString();
        m_statements = reader.statements();
    }
    if (!ok) {
        m_bankEntries.clear();
        return false;
    }
    return true;
}

bool ImportPreview::looksLikeQif(const QString &filePath) {
    if (QFileInfo(filePath).suffix().compare(QLatin1String("qif"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray head = file.read(64);
    // A UTF-8 byte-order mark before the header.
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    head = head.trimmed().toLower();
    return head.startsWith("!type:") || head.startsWith("!account") || head.startsWith("!option");
}
