// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ziparchivereader.h"

#include <QtEndian>

#include <zlib.h>

#include <limits>

namespace {

constexpr quint32 kLocalHeaderSignature = 0x04034b50;
constexpr quint32 kCentralHeaderSignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kZip64EndSignature = 0x06064b50;
constexpr quint32 kZip64LocatorSignature = 0x07064b50;
constexpr int kEndSize = 22;
constexpr int kZip64LocatorSize = 20;
constexpr int kZip64EndSize = 56;
constexpr int kCentralHeaderSize = 46;
constexpr int kLocalHeaderSize = 30;
constexpr quint16 kFlagEncrypted = 0x0001;
constexpr quint16 kFlagUtf8Names = 0x0800;
constexpr quint16 kMethodStored = 0;
constexpr quint16 kMethodDeflated = 8;

// Bounds-checked little-endian reads over the archive.
class Bytes {
public:
    explicit Bytes(const QByteArray &data)
        : m_data(data) {}

    qint64 size() const { return m_data.size(); }
    bool has(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    quint16 u16(qint64 offset) const {
        return qFromLittleEndian<quint16>(m_data.constData() + offset);
    }
    quint32 u32(qint64 offset) const {
        return qFromLittleEndian<quint32>(m_data.constData() + offset);
    }
    quint64 u64(qint64 offset) const {
        return qFromLittleEndian<quint64>(m_data.constData() + offset);
    }
    const char *at(qint64 offset) const { return m_data.constData() + offset; }

private:
    const QByteArray &m_data;
};

bool inflateRaw(const char *input, qint64 inputSize, qint64 outputSize, QByteArray *output) {
    if (inputSize > std::numeric_limits<uInt>::max()
        || outputSize > std::numeric_limits<uInt>::max())
        return false;
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    // One spare byte: output that does not end at the declared size is an error, and the
    // spare byte makes a longer stream show itself instead of stopping at the limit.
    QByteArray buffer(outputSize + 1, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input));
    stream.avail_in = uInt(inputSize);
    stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
    stream.avail_out = uInt(buffer.size());
    const int rc = inflate(&stream, Z_FINISH);
    const bool ok = rc == Z_STREAM_END && qint64(stream.total_out) == outputSize;
    inflateEnd(&stream);
    if (!ok)
        return false;
    buffer.truncate(outputSize);
    *output = buffer;
    return true;
}

} // namespace

ZipArchiveReader::ZipArchiveReader(const QByteArray &archive)
    : m_archive(archive) {
    m_valid = parse();
    if (!m_valid)
        m_entries.clear();
}

bool ZipArchiveReader::parse() {
    const Bytes bytes(m_archive);
    if (bytes.size() < kEndSize)
        return false;
    // The end record sits before a comment of at most 65,535 bytes.
    qint64 end = -1;
    const qint64 lowest = qMax<qint64>(0, bytes.size() - kEndSize - 0xFFFF);
    for (qint64 offset = bytes.size() - kEndSize; offset >= lowest; --offset) {
        if (bytes.u32(offset) == kEndSignature
            && offset + kEndSize + bytes.u16(offset + 20) == bytes.size()) {
            end = offset;
            break;
        }
    }
    if (end < 0)
        return false;

    qint64 directorySize = bytes.u32(end + 12);
    qint64 directoryOffset = bytes.u32(end + 16);
    const qint64 locator = end - kZip64LocatorSize;
    if (locator >= 0 && bytes.u32(locator) == kZip64LocatorSignature) {
        const quint64 zip64End = bytes.u64(locator + 8);
        if (zip64End > quint64(bytes.size()) || !bytes.has(qint64(zip64End), kZip64EndSize)
            || bytes.u32(qint64(zip64End)) != kZip64EndSignature)
            return false;
        const quint64 size64 = bytes.u64(qint64(zip64End) + 40);
        const quint64 offset64 = bytes.u64(qint64(zip64End) + 48);
        if (size64 > quint64(bytes.size()) || offset64 > quint64(bytes.size()))
            return false;
        directorySize = qint64(size64);
        directoryOffset = qint64(offset64);
    }
    if (!bytes.has(directoryOffset, directorySize))
        return false;

    // The entry count of the end record is not trusted: the directory's size decides.
    qint64 offset = directoryOffset;
    const qint64 directoryEnd = directoryOffset + directorySize;
    while (offset < directoryEnd) {
        if (!bytes.has(offset, kCentralHeaderSize) || offset + kCentralHeaderSize > directoryEnd
            || bytes.u32(offset) != kCentralHeaderSignature)
            return false;
        const int nameLength = bytes.u16(offset + 28);
        const int extraLength = bytes.u16(offset + 30);
        const int commentLength = bytes.u16(offset + 32);
        const qint64 next = offset + kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > directoryEnd)
            return false;
        Entry entry;
        entry.flags = bytes.u16(offset + 8);
        entry.method = bytes.u16(offset + 10);
        entry.crc = bytes.u32(offset + 16);
        entry.compressedSize = bytes.u32(offset + 20);
        entry.uncompressedSize = bytes.u32(offset + 24);
        entry.localHeaderOffset = bytes.u32(offset + 42);
        const char *name = bytes.at(offset + kCentralHeaderSize);
        entry.path = entry.flags & kFlagUtf8Names ? QString::fromUtf8(name, nameLength)
                                                  : QString::fromLatin1(name, nameLength);
        m_entries.append(entry);
        offset = next;
    }
    return true;
}

int ZipArchiveReader::indexOf(const QString &path) const {
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).path == path)
            return i;
    }
    return -1;
}

ZipArchiveReader::ReadStatus ZipArchiveReader::read(int index, qint64 sizeLimit,
                                                    QByteArray *data) const {
    data->clear();
    if (index < 0 || index >= m_entries.size())
        return ReadStatus::Unreadable;
    const Entry &entry = m_entries.at(index);
    if (entry.uncompressedSize > sizeLimit)
        return ReadStatus::TooLarge;
    if (entry.flags & kFlagEncrypted)
        return ReadStatus::Unreadable;

    const Bytes bytes(m_archive);
    const qint64 header = entry.localHeaderOffset;
    if (!bytes.has(header, kLocalHeaderSize) || bytes.u32(header) != kLocalHeaderSignature)
        return ReadStatus::Unreadable;
    const qint64 start
        = header + kLocalHeaderSize + bytes.u16(header + 26) + bytes.u16(header + 28);
    if (!bytes.has(start, entry.compressedSize))
        return ReadStatus::Unreadable;

    QByteArray content;
    if (entry.method == kMethodStored) {
        if (entry.compressedSize != entry.uncompressedSize)
            return ReadStatus::Unreadable;
        content = m_archive.mid(start, entry.compressedSize);
    } else if (entry.method == kMethodDeflated) {
        if (!inflateRaw(bytes.at(start), entry.compressedSize, entry.uncompressedSize, &content))
            return ReadStatus::Unreadable;
    } else {
        return ReadStatus::Unreadable;
    }
    const uLong crc
        = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(content.constData()),
                uInt(content.size()));
    if (crc != entry.crc)
        return ReadStatus::Unreadable;
    *data = content;
    return ReadStatus::Ok;
}
