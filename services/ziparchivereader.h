// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads the entries of a ZIP archive held in memory, by position, in the order of the
// central directory. Qt's QZipReader finds entries only by name (one linear search per
// lookup, and only the first of two equal names), trusts the entry count of the end
// record (which QZipWriter cuts to 16 bits above 65,535 entries) and inflates an entry to
// whatever size it turns out to have. This reader walks the central directory by its size,
// reads a ZIP64 end record where there is one, and inflates an entry only up to its
// declared size.
class ZipArchiveReader {
public:
    struct Entry {
        QString path;
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        qint64 compressedSize = 0;
        qint64 uncompressedSize = 0; // as declared by the central directory
        qint64 localHeaderOffset = 0;
    };

    enum class ReadStatus { Ok, TooLarge, Unreadable };

    explicit ZipArchiveReader(const QByteArray &archive);

    // False when the archive's end record or central directory cannot be read.
    bool isValid() const { return m_valid; }
    const QList<Entry> &entries() const { return m_entries; }
    // Position of the first entry with exactly this path, or -1.
    int indexOf(const QString &path) const;

    // The data of entry index, when its declared size is at most sizeLimit and it
    // decompresses to exactly that size with a matching checksum.
    ReadStatus read(int index, qint64 sizeLimit, QByteArray *data) const;

private:
    bool parse();

    QByteArray m_archive;
    QList<Entry> m_entries;
    bool m_valid = false;
};
