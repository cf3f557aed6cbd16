// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QVariantList>

// One row's values as undo keeps them, packed into a single buffer. An import's step holds an
// image of every row it wrote; as a list of variants each costs well over a kilobyte, packed
// a fifth of that. Values come back with the type and null-ness they went in with, so a row
// read back from the database compares equal to its image exactly when it did before.
class UndoImage {
public:
    UndoImage() = default;
    explicit UndoImage(const QVariantList &values);

    QVariantList values() const;

    // Same values of the same types: images of one row compare by their bytes.
    bool operator==(const UndoImage &other) const { return m_bytes == other.m_bytes; }
    bool operator!=(const UndoImage &other) const { return !(*this == other); }

private:
    QByteArray m_bytes;
};
