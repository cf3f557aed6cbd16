// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QFile>
#include <QString>
#include <QStringDecoder>

// A bank file's text, decoded piece by piece so that a file of any size is read in constant
// memory. The encoding is decided as for a whole file (see decodeImportText): a byte-order
// mark decides and is dropped; without one the file is UTF-8 when all of it is valid UTF-8,
// else Windows-1252, which takes one look through the file before the text is handed out.
class ImportTextReader {
public:
    // False when the file cannot be opened or read; errorString() says why. With a sniff
    // limit, only that many bytes are looked at to choose between UTF-8 and Windows-1252,
    // for a reader that wants only the start of a file (a preview) and must not read all of
    // it first.
    bool open(const QString &filePath, qint64 sniffLimit = -1);
    // The next piece of text; false at the end of the file or when reading failed.
    bool read(QString *text);
    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool isValidUtf8(qint64 limit);

    QFile m_file;
    QStringDecoder m_decoder;
    bool m_windows1252 = false;
    QString m_error;
};
