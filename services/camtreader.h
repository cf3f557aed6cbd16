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

class QXmlStreamReader;

// Reads the booked entries of an ISO 20022 bank-to-customer statement (CAMT.053, versions
// 02 to 08, where their fields agree), any number of statements a file, as a stream. Only
// booked entries count; pending and informational ones are not in the books yet. A file
// with a document type declaration is refused, so no entity is ever expanded or fetched.
class CamtReader {
public:
    using EntryHandler = std::function<bool(const BankEntry &)>;

    // As OfxReader::read.
    bool read(const QString &filePath, const EntryHandler &onEntry);

    QList<BankStatement> statements() const { return m_statements; }
    QString errorString() const { return m_error; }

    // Whether the start of a file is an XML document of the CAMT.053 kind.
    static bool looksLikeCamt(const QByteArray &head);

private:
    struct Entry {
        BankEntry entry;
        QString sign; // CRDT or DBIT
        QString status;
        QString entryReference;
        QString detailReference;
        QString endToEndId;
        QString creditor;
        QString debtor;
        QString additionalInfo;
        QStringList remittance;
    };
    struct Balance {
        QString type;
        QString amount;
        QString sign;
        QDate date;
    };

    bool takeLeaf(QXmlStreamReader &xml, const QString &name);
    bool finishEntry();
    bool fail(const QString &error);
    bool within(const char *name) const { return m_path.contains(QLatin1String(name)); }
    QString parent() const { return m_path.isEmpty() ? QString() : m_path.last(); }

    EntryHandler m_onEntry;
    QStringList m_path; // local names of the open elements, outermost first
    bool m_stopped = false;
    Entry m_entry;
    Balance m_balance;
    BankStatement m_statement;
    QList<BankStatement> m_statements;
    QString m_error;
};
