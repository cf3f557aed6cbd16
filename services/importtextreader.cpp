// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importtextreader.h"

#include "services/importparsing.h"

#include <optional>

namespace {

constexpr qint64 kPieceSize = 256 * 1024;

} // namespace

bool ImportTextReader::open(const QString &filePath, qint64 sniffLimit) {
    m_error.clear();
    m_windows1252 = false;
    m_file.setFileName(filePath);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    // Binary: the decoder must see the bytes as they are (a UTF-16 file has no CRLF byte
    // pairs to translate), and both parsers drop carriage returns themselves.
    const QByteArray head = m_file.peek(4);
    if (const std::optional<QStringConverter::Encoding> marked
        = QStringConverter::encodingForData(head)) {
        // The decoder drops the mark itself.
        m_decoder = QStringDecoder(*marked);
        return true;
    }
    const bool utf8 = isValidUtf8(sniffLimit);
    if (hasError())
        return false;
    if (!m_file.seek(0)) {
        m_error = m_file.errorString();
        return false;
    }
    if (utf8)
        m_decoder = QStringDecoder(QStringConverter::Utf8);
    else
        m_windows1252 = true;
    return true;
}

bool ImportTextReader::isValidUtf8(qint64 limit) {
    QStringDecoder utf8(QStringConverter::Utf8);
    qint64 seen = 0;
    // A character cut in two by the limit is not an error: the decoder waits for the rest.
    while (!m_file.atEnd() && (limit < 0 || seen < limit)) {
        const QByteArray piece
            = m_file.read(limit < 0 ? kPieceSize : qMin(kPieceSize, limit - seen));
        seen += piece.size();
        if (piece.isEmpty()) {
            m_error = m_file.errorString();
            return false;
        }
        const QString text = utf8.decode(piece);
        if (utf8.hasError())
            return false;
    }
    return true;
}

bool ImportTextReader::read(QString *text) {
    text->clear();
    while (text->isEmpty()) {
        if (m_file.atEnd())
            return false;
        const QByteArray piece = m_file.read(kPieceSize);
        if (piece.isEmpty()) {
            m_error = m_file.errorString();
            return false;
        }
        // Windows-1252 has one byte a character, so pieces decode on their own; the
        // decoders carry a character split between pieces over to the next.
        *text = m_windows1252 ? decodeWindows1252(piece) : m_decoder.decode(piece);
    }
    return true;
}
