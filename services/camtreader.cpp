// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/camtreader.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// The closing balance as booked; an interim one only where no closing one is given.
const QString kClosingBooked = QStringLiteral("CLBD");
const QString kInterimBooked = QStringLiteral("ITBD");

QString signedAmount(const QString &amount, const QString &sign) {
    const QString text = amount.trimmed();
    if (sign == QLatin1String("DBIT") && !text.isEmpty() && !text.startsWith(QLatin1Char('-')))
        return QLatin1Char('-') + text;
    return text;
}

// A booking date as yyyy-MM-dd, or a date and time of which only the day counts.
QDate camtDate(const QString &text) {
    return QDate::fromString(text.trimmed().left(10), Qt::ISODate);
}

} // namespace

bool CamtReader::read(const QString &filePath, const EntryHandler &onEntry) {
    *this = CamtReader();
    m_onEntry = onEntry;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QXmlStreamReader xml(&file);
    bool sawDocument = false;
    while (!m_stopped && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return fail(QStringLiteral("the file declares a document type or entities of its "
                                       "own, which a bank statement never does"));
        case QXmlStreamReader::EntityReference:
            return fail(QStringLiteral("the file refers to an entity it does not define"));
        case QXmlStreamReader::StartElement: {
            const QString name = xml.name().toString();
            if (m_path.isEmpty()) {
                if (name != QLatin1String("Document")
                    || !xml.namespaceUri().contains(QLatin1String("camt.053")))
                    return fail(QStringLiteral("the file is not a CAMT.053 bank statement"));
                sawDocument = true;
            }
            if (name == QLatin1String("Stmt") || name == QLatin1String("Rpt")) {
                m_statement = BankStatement();
            } else if (name == QLatin1String("Ntry")) {
                m_entry = Entry();
            } else if (name == QLatin1String("Bal")) {
                m_balance = Balance();
            } else if (takeLeaf(xml, name)) {
                if (xml.hasError())
                    break;
                continue;
            }
            m_path.append(name);
            break;
        }
        case QXmlStreamReader::EndElement: {
            if (m_path.isEmpty())
                break;
            const QString name = m_path.takeLast();
            if (name == QLatin1String("Ntry")) {
                if (!finishEntry())
                    return false;
            } else if (name == QLatin1String("Bal")) {
                const bool closing = m_balance.type == kClosingBooked;
                if (closing
                    || (m_balance.type == kInterimBooked && m_statement.ledgerBalance.isEmpty())) {
                    m_statement.ledgerBalance = signedAmount(m_balance.amount, m_balance.sign);
                    m_statement.balanceDate = m_balance.date;
                }
            } else if (name == QLatin1String("Stmt") || name == QLatin1String("Rpt")) {
                m_statements.append(m_statement);
            }
            break;
        }
        default:
            break;
        }
    }
    if (m_stopped) {
        if (within("Stmt"))
            m_statements.append(m_statement);
        return true;
    }
    if (xml.hasError()) {
        return fail(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
    }
    if (!sawDocument)
        return fail(QStringLiteral("the file is not a CAMT.053 bank statement"));
    return true;
}

// Reads the elements whose text counts, with their children (a status is a bare code up to
// version 05 and a <Cd> inside from version 06 on; a party's name moved under <Pty> in 08).
// True when the element was consumed.
bool CamtReader::takeLeaf(QXmlStreamReader &xml, const QString &name) {
    const auto text
        = [&xml] { return xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed(); };
    const QString up = parent();
    if (within("Ntry")) {
        const bool details = within("NtryDtls");
        if (!details && up == QLatin1String("Ntry")) {
            if (name == QLatin1String("Amt"))
                m_entry.entry.amount = text();
            else if (name == QLatin1String("CdtDbtInd"))
                m_entry.sign = text();
            else if (name == QLatin1String("Sts"))
                m_entry.status = text();
            else if (name == QLatin1String("AcctSvcrRef"))
                m_entry.entryReference = text();
            else if (name == QLatin1String("NtryRef")) {
                if (m_entry.entryReference.isEmpty())
                    m_entry.entryReference = text();
                else
                    text();
            } else if (name == QLatin1String("AddtlNtryInf"))
                m_entry.additionalInfo = text();
            else
                return false;
            return true;
        }
        if (!details && up == QLatin1String("BookgDt")
            && (name == QLatin1String("Dt") || name == QLatin1String("DtTm"))) {
            m_entry.entry.date = camtDate(text());
            return true;
        }
        if (details && name == QLatin1String("Nm") && within("RltdPties")) {
            QString *party = within("Cdtr")   ? &m_entry.creditor
                             : within("Dbtr") ? &m_entry.debtor
                                              : nullptr;
            const QString value = text();
            if (party && party->isEmpty())
                *party = value;
            return true;
        }
        if (details && name == QLatin1String("Ustrd") && up == QLatin1String("RmtInf")) {
            m_entry.remittance.append(text());
            return true;
        }
        if (details && up == QLatin1String("Refs")) {
            if (name == QLatin1String("AcctSvcrRef") && m_entry.detailReference.isEmpty())
                m_entry.detailReference = text();
            else if (name == QLatin1String("EndToEndId") && m_entry.endToEndId.isEmpty())
                m_entry.endToEndId = text();
            else
                return false;
            return true;
        }
        return false;
    }
    if (within("Bal")) {
        if (name == QLatin1String("Cd") && within("Tp"))
            m_balance.type = text();
        else if (name == QLatin1String("Amt") && up == QLatin1String("Bal"))
            m_balance.amount = text();
        else if (name == QLatin1String("CdtDbtInd") && up == QLatin1String("Bal"))
            m_balance.sign = text();
        else if ((name == QLatin1String("Dt") || name == QLatin1String("DtTm"))
                 && up == QLatin1String("Dt"))
            m_balance.date = camtDate(text());
        else
            return false;
        return true;
    }
    if (within("Acct") && !within("Svcr") && !within("Ownr")) {
        if (name == QLatin1String("IBAN")
            || (name == QLatin1String("Id") && up == QLatin1String("Othr"))) {
            if (m_statement.accountNumber.isEmpty())
                m_statement.accountNumber = text();
            else
                text();
            return true;
        }
        if (name == QLatin1String("Ccy") && up == QLatin1String("Acct")) {
            m_statement.currency = text();
            return true;
        }
    }
    return false;
}

bool CamtReader::finishEntry() {
    Entry &e = m_entry;
    // Up to version 05 the status is a bare code, from 06 on a code inside; both read BOOK.
    if (!e.status.isEmpty() && e.status != QLatin1String("BOOK"))
        return true;
    BankEntry entry = e.entry;
    entry.amount = signedAmount(entry.amount, e.sign);
    const bool out = e.sign == QLatin1String("DBIT");
    entry.payee = out ? e.creditor : e.debtor;
    if (entry.payee.isEmpty())
        entry.payee = out ? e.debtor : e.creditor;
    entry.memo = e.remittance.join(QLatin1Char(' '));
    if (entry.payee.isEmpty())
        entry.payee = e.additionalInfo;
    else if (entry.memo.isEmpty())
        entry.memo = e.additionalInfo;
    entry.reference = e.entryReference;
    if (entry.reference.isEmpty())
        entry.reference = e.detailReference;
    if (entry.reference.isEmpty() && e.endToEndId != QLatin1String("NOTPROVIDED"))
        entry.reference = e.endToEndId;
    ++m_statement.entries;
    if (m_onEntry && !m_onEntry(entry))
        m_stopped = true;
    return true;
}

bool CamtReader::fail(const QString &error) {
    m_error = error;
    return false;
}

bool CamtReader::looksLikeCamt(const QByteArray &head) {
    return head.contains("camt.053") && head.contains("<") && !head.contains("<OFX>");
}
