// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/undoimage.h"

#include <QDataStream>
#include <QIODevice>
#include <QString>

#include <cstring>

namespace {

// What follows a value's tag. Text in Latin-1 takes a byte a character; anything else keeps
// its UTF-16 code units as they are, so that no string changes on the way through.
enum class Tag : quint8 {
    Invalid,  // QVariant()
    Null,     // a null of the type that follows
    NullText, // a null string: the database's NULL
    Integer,  // qlonglong, zigzag-coded in 7-bit groups
    Real,     // double, 8 bytes
    Latin1,   // QString, length and one byte a character
    Utf16,    // QString, length and two bytes a character
    Bytes,    // QByteArray, length and bytes
    Streamed, // any other type, as QDataStream writes a QVariant
};

void putNumber(QByteArray &out, quint64 value) {
    do {
        quint8 byte = value & 0x7f;
        value >>= 7;
        if (value)
            byte |= 0x80;
        out.append(char(byte));
    } while (value);
}

template<typename T> void putRaw(QByteArray &out, const T &value) {
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

class Reader {
public:
    explicit Reader(const QByteArray &bytes)
        : m_data(bytes.constData())
        , m_end(bytes.constData() + bytes.size()) {}

    bool atEnd() const { return m_data >= m_end; }
    qsizetype available() const { return m_end - m_data; }

    quint8 byte() { return m_data < m_end ? quint8(*m_data++) : 0; }

    qsizetype length() { return qsizetype(qMin<quint64>(number(), quint64(m_end - m_data))); }

    quint64 number() {
        quint64 value = 0;
        for (int shift = 0; shift < 64 && m_data < m_end; shift += 7) {
            const quint8 next = byte();
            value |= quint64(next & 0x7f) << shift;
            if (!(next & 0x80))
                break;
        }
        return value;
    }

    template<typename T> T raw() {
        T value{};
        if (m_end - m_data >= qsizetype(sizeof value)) {
            std::memcpy(&value, m_data, sizeof value);
            m_data += sizeof value;
        }
        return value;
    }

    const char *take(qsizetype count) {
        const char *start = m_data;
        m_data += qMin(count, qsizetype(m_end - m_data));
        return start;
    }

private:
    const char *m_data;
    const char *m_end;
};

bool isLatin1(const QString &text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}

} // namespace

UndoImage::UndoImage(const QVariantList &values) {
    // The count first, so that reading back sizes the list once.
    putNumber(m_bytes, quint64(values.size()));
    for (const QVariant &value : values) {
        const int type = value.metaType().id();
        if (!value.isValid()) {
            m_bytes.append(char(Tag::Invalid));
        } else if (value.isNull() && type == QMetaType::QString) {
            m_bytes.append(char(Tag::NullText));
        } else if (value.isNull()) {
            m_bytes.append(char(Tag::Null));
            putRaw(m_bytes, qint32(type));
        } else if (type == QMetaType::LongLong) {
            // Most are small (flags, versions, amounts): a byte or three instead of eight.
            const auto number = quint64(value.toLongLong());
            m_bytes.append(char(Tag::Integer));
            putNumber(m_bytes, (number << 1) ^ (0 - (number >> 63)));
        } else if (type == QMetaType::Double) {
            m_bytes.append(char(Tag::Real));
            putRaw(m_bytes, value.toDouble());
        } else if (type == QMetaType::QString) {
            const QString text = value.toString();
            if (isLatin1(text)) {
                m_bytes.append(char(Tag::Latin1));
                putNumber(m_bytes, text.size());
                m_bytes.append(text.toLatin1());
            } else {
                m_bytes.append(char(Tag::Utf16));
                putNumber(m_bytes, text.size());
                m_bytes.append(reinterpret_cast<const char *>(text.utf16()),
                               text.size() * qsizetype(sizeof(char16_t)));
            }
        } else if (type == QMetaType::QByteArray) {
            const QByteArray bytes = value.toByteArray();
            m_bytes.append(char(Tag::Bytes));
            putNumber(m_bytes, bytes.size());
            m_bytes.append(bytes);
        } else {
            QByteArray streamed;
            QDataStream out(&streamed, QIODevice::WriteOnly);
            out << value;
            m_bytes.append(char(Tag::Streamed));
            putNumber(m_bytes, streamed.size());
            m_bytes.append(streamed);
        }
    }
    m_bytes.squeeze();
}

QVariantList UndoImage::values() const {
    QVariantList values;
    Reader in(m_bytes);
    if (in.atEnd())
        return values;
    values.reserve(in.length());
    while (!in.atEnd()) {
        switch (Tag(in.byte())) {
        case Tag::Invalid:
            values << QVariant();
            break;
        case Tag::Null:
            values << QVariant(QMetaType(in.raw<qint32>()));
            break;
        case Tag::NullText:
            values << QVariant(QMetaType::fromType<QString>());
            break;
        case Tag::Integer: {
            const quint64 number = in.number();
            values << QVariant(qlonglong((number >> 1) ^ (0 - (number & 1))));
            break;
        }
        case Tag::Real:
            values << QVariant(in.raw<double>());
            break;
        case Tag::Latin1: {
            const qsizetype size = in.length();
            values << QVariant(QString::fromLatin1(in.take(size), size));
            break;
        }
        case Tag::Utf16: {
            const qsizetype size = qMin(in.length(), in.available() / qsizetype(sizeof(char16_t)));
            const qsizetype bytes = size * qsizetype(sizeof(char16_t));
            QString text(size, Qt::Uninitialized);
            std::memcpy(text.data(), in.take(bytes), size_t(bytes));
            values << QVariant(text);
            break;
        }
        case Tag::Bytes: {
            const qsizetype size = in.length();
            values << QVariant(QByteArray(in.take(size), size));
            break;
        }
        case Tag::Streamed: {
            const qsizetype size = in.length();
            QDataStream stream(QByteArray(in.take(size), size));
            QVariant value;
            stream >> value;
            values << value;
            break;
        }
        default:
            return values;
        }
    }
    return values;
}
