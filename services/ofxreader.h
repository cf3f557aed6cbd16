// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/bankentry.h"
#include "services/bankstatement.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Reads the bank and credit-card statements of an OFX or QFX file: version 1 (SGML, where
// a value's closing tag is left out) and version 2 (XML) alike. The file is read as a
// stream in one pass, so its size does not matter to time or memory beyond the one entry
// at hand. A file that declares entities or a document type of its own is refused rather
// than expanded: a bank never sends one.
//
// libofx reads the same files, but its time grows with the square of the entries (a
// 100,000-entry file took 86 s and 250 MB), which a long account history cannot wait for.
class OfxReader {
public:
    // Called with each entry as soon as it is complete; returning false stops the reading
    // (read then returns true: the file was not at fault).
    using EntryHandler = std::function<bool(const BankEntry &)>;

    // Longest tag name and longest value the reader takes; beyond them the file is refused.
    static constexpr int kMaxTagLength = 256;
    static constexpr int kMaxValueLength = 64 * 1024;
    static constexpr int kMaxDepth = 64;

    // False when the file cannot be read or is not a whole OFX file; errorString() says
    // why. Entries handed out before such an error should not be kept. sniffLimit as for
    // ImportTextReader::open.
    bool read(const QString &filePath, const EntryHandler &onEntry, qint64 sniffLimit = -1);

    // The statements of the file, in file order, once read returned.
    QList<BankStatement> statements() const { return m_statements; }
    QString errorString() const { return m_error; }

    // Whether the start of a file is an OFX file (version 1 header, version 2 processing
    // instruction, or a bare <OFX> element).
    static bool looksLikeOfx(const QByteArray &head);

private:
    bool feed(const QString &text, bool atEnd);
    bool startTag(const QString &name);
    bool endTag(const QString &name);
    bool value(const QString &text);
    bool push(const QString &name);
    bool closeAggregate(const QString &name);
    void leaf(const QString &name, const QString &text);
    bool within(const QString &name) const { return m_open.contains(name); }
    bool fail(const QString &error);

    EntryHandler m_onEntry;
    QString m_buffer;
    QStringList m_open; // the aggregates open now, outermost first
    QString m_pending;  // a start tag whose value (or children) has not come yet
    QString m_lastLeaf; // a value just read, whose closing tag may follow (version 2)
    bool m_sawOfx = false;
    bool m_stopped = false;
    bool m_inEntry = false;
    BankEntry m_entry;
    BankStatement m_statement;
    QList<BankStatement> m_statements;
    QString m_error;
};
