// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ofxreader.h"

#include "services/importtextreader.h"

namespace {

const QString kStatement = QStringLiteral("STMTRS");
const QString kCardStatement = QStringLiteral("CCSTMTRS");
const QString kEntry = QStringLiteral("STMTTRN");

bool isStatement(const QString &name) {
    return name == kStatement || name == kCardStatement;
}

bool isTagName(QStringView name) {
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('_')
            && c != QLatin1Char('-') && c != QLatin1Char(':'))
            return false;
    }
    return true;
}

// The five predefined entities and character references; anything else stays as written,
// since version 1 files carry a bare "&" now and then ("AT&T").
QString decodeEntities(const QString &text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const qsizetype semicolon = c == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        if (semicolon < 0 || semicolon - i > 10) {
            out += c;
            continue;
        }
        const QStringView name = QStringView(text).mid(i + 1, semicolon - i - 1);
        QString replacement;
        if (name == QLatin1String("amp"))
            replacement = QStringLiteral("&");
        else if (name == QLatin1String("lt"))
            replacement = QStringLiteral("<");
        else if (name == QLatin1String("gt"))
            replacement = QStringLiteral(">");
        else if (name == QLatin1String("quot"))
            replacement = QStringLiteral("\"");
        else if (name == QLatin1String("apos"))
            replacement = QStringLiteral("'");
        else if (name == QLatin1String("nbsp"))
            replacement = QStringLiteral(" ");
        else if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t ucs4 = code;
                replacement = QString::fromUcs4(&ucs4, 1);
            }
        }
        if (replacement.isNull()) {
            out += c;
            continue;
        }
        out += replacement;
        i = semicolon;
    }
    return out;
}

// yyyyMMdd, maybe followed by a time and a zone that do not change the day the bank booked.
QDate ofxDate(const QString &text) {
    if (text.size() < 8)
        return QDate();
    for (int i = 0; i < 8; ++i) {
        if (!text.at(i).isDigit())
            return QDate();
    }
    return QDate(text.left(4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt());
}

// Some banks write a decimal comma; amounts in OFX carry no thousands separators.
QString ofxAmount(QString text) {
    text.remove(QLatin1Char(' '));
    if (text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    if (text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

} // namespace

bool OfxReader::read(const QString &filePath, const EntryHandler &onEntry, qint64 sniffLimit) {
    *this = OfxReader();
    m_onEntry = onEntry;
    ImportTextReader reader;
    if (!reader.open(filePath, sniffLimit))
        return fail(reader.errorString());
    QString text;
    while (reader.read(&text)) {
        if (!feed(text, false))
            return false;
        if (m_stopped)
            break;
    }
    if (reader.hasError())
        return fail(reader.errorString());
    if (!m_stopped && !feed(QString(), true))
        return false;
    if (m_stopped) {
        // The statement read so far still names the account.
        if (within(kStatement) || within(kCardStatement))
            m_statements.append(m_statement);
        return true;
    }
    if (!m_sawOfx)
        return fail(QStringLiteral("the file holds no OFX statement"));
    if (!m_open.isEmpty() || m_inEntry)
        return fail(QStringLiteral("the file ends in the middle of its statement; it may have "
                                   "been cut off"));
    return true;
}

bool OfxReader::feed(const QString &text, bool atEnd) {
    m_buffer += text;
    qsizetype pos = 0;
    const auto keepRest = [&](qsizetype from) {
        m_buffer.remove(0, from);
        return true;
    };
    while (!m_stopped) {
        const qsizetype lt = m_buffer.indexOf(QLatin1Char('<'), pos);
        if (lt < 0) {
            if (m_buffer.size() - pos > kMaxValueLength)
                return fail(QStringLiteral("a value is longer than a bank statement has"));
            if (atEnd) {
                if (!value(m_buffer.mid(pos)))
                    return false;
                m_buffer.clear();
                return true;
            }
            return keepRest(pos);
        }
        if (lt > pos && !value(m_buffer.mid(pos, lt - pos)))
            return false;
        const qsizetype available = m_buffer.size() - lt;
        if (available < 4 && !atEnd)
            return keepRest(lt);

        const QStringView rest = QStringView(m_buffer).mid(lt);
        QString close;
        if (rest.startsWith(QLatin1String("<!--")))
            close = QStringLiteral("-->");
        else if (rest.startsWith(QLatin1String("<?")))
            close = QStringLiteral("?>");
        else if (rest.startsWith(QLatin1String("<!")))
            return fail(QStringLiteral("the file declares a document type or entities of its "
                                       "own, which a bank file never does"));
        else
            close = QStringLiteral(">");

        const qsizetype end = m_buffer.indexOf(close, lt + 1);
        if (end < 0) {
            const qsizetype limit = close.size() == 1 ? kMaxTagLength + 2 : kMaxValueLength;
            if (available > limit)
                return fail(QStringLiteral("a tag is longer than a bank statement has"));
            if (atEnd)
                return fail(QStringLiteral("the file ends inside a tag; it may have been cut off"));
            return keepRest(lt);
        }
        pos = end + close.size();
        if (close.size() > 1)
            continue; // a comment or a processing instruction (the version 2 header)

        QStringView inner = QStringView(m_buffer).mid(lt + 1, end - lt - 1);
        if (inner.size() > kMaxTagLength)
            return fail(QStringLiteral("a tag is longer than a bank statement has"));
        if (inner.endsWith(QLatin1Char('/')))
            continue; // an empty element says nothing
        const bool closing = inner.startsWith(QLatin1Char('/'));
        if (closing)
            inner = inner.mid(1);
        inner = inner.trimmed();
        // Attributes are not part of OFX; a name is what comes before any.
        const qsizetype space = inner.indexOf(QLatin1Char(' '));
        if (space > 0)
            inner = inner.left(space);
        if (!isTagName(inner))
            return fail(QStringLiteral("the file is not an OFX file: a tag cannot be read"));
        const QString name = inner.toString().toUpper();
        if (!(closing ? endTag(name) : startTag(name)))
            return false;
    }
    return true;
}

bool OfxReader::startTag(const QString &name) {
    m_lastLeaf.clear();
    if (!m_pending.isEmpty() && !push(m_pending))
        return false;
    m_pending = name;
    if (name == QLatin1String("OFX"))
        m_sawOfx = true;
    return true;
}

bool OfxReader::endTag(const QString &name) {
    if (m_pending == name) {
        leaf(name, QString());
        m_pending.clear();
        return true;
    }
    if (!m_pending.isEmpty()) {
        // An empty value whose closing tag version 1 leaves out.
        leaf(m_pending, QString());
        m_pending.clear();
    }
    if (m_lastLeaf == name) {
        m_lastLeaf.clear();
        return true;
    }
    m_lastLeaf.clear();
    const qsizetype index = m_open.lastIndexOf(name);
    if (index < 0)
        return true; // a stray closing tag closes nothing
    // Anything opened inside and never closed was an empty value, not an aggregate.
    while (m_open.size() > index + 1)
        m_open.removeLast();
    if (!closeAggregate(name))
        return false;
    m_open.removeLast();
    return true;
}

bool OfxReader::value(const QString &text) {
    if (text.size() > kMaxValueLength)
        return fail(QStringLiteral("a value is longer than a bank statement has"));
    if (m_pending.isEmpty())
        return true; // white space between aggregates, or the version 1 header
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    leaf(m_pending, decodeEntities(trimmed));
    m_lastLeaf = m_pending;
    m_pending.clear();
    return true;
}

bool OfxReader::push(const QString &name) {
    if (m_open.size() >= kMaxDepth)
        return fail(QStringLiteral("the file nests its elements deeper than a bank statement"));
    m_open.append(name);
    if (isStatement(name)) {
        m_statement = BankStatement();
    } else if (name == kEntry) {
        m_entry = BankEntry();
        m_inEntry = true;
    }
    return true;
}

bool OfxReader::closeAggregate(const QString &name) {
    if (name == kEntry && m_inEntry) {
        m_inEntry = false;
        ++m_statement.entries;
        if (m_onEntry && !m_onEntry(m_entry))
            m_stopped = true;
    } else if (isStatement(name)) {
        m_statements.append(m_statement);
    }
    return true;
}

void OfxReader::leaf(const QString &name, const QString &text) {
    if (m_inEntry) {
        if (name == QLatin1String("DTPOSTED"))
            m_entry.date = ofxDate(text);
        else if (name == QLatin1String("TRNAMT"))
            m_entry.amount = ofxAmount(text);
        else if (name == QLatin1String("FITID"))
            m_entry.reference = text;
        else if (name == QLatin1String("NAME")) {
            // A payee aggregate's name stands in only where the entry has no name of its own.
            if (!within(QStringLiteral("PAYEE")) || m_entry.payee.isEmpty())
                m_entry.payee = text;
        } else if (name == QLatin1String("MEMO"))
            m_entry.memo = text;
        else if (name == QLatin1String("CHECKNUM"))
            m_entry.checkNumber = text;
        return;
    }
    if (!within(kStatement) && !within(kCardStatement))
        return;
    if (name == QLatin1String("CURDEF"))
        m_statement.currency = text;
    else if (name == QLatin1String("ACCTID")
             && (within(QStringLiteral("BANKACCTFROM")) || within(QStringLiteral("CCACCTFROM"))))
        m_statement.accountNumber = text;
    else if (within(QStringLiteral("LEDGERBAL"))) {
        if (name == QLatin1String("BALAMT"))
            m_statement.ledgerBalance = ofxAmount(text);
        else if (name == QLatin1String("DTASOF"))
            m_statement.balanceDate = ofxDate(text);
    }
}

bool OfxReader::fail(const QString &error) {
    m_error = error;
    return false;
}

bool OfxReader::looksLikeOfx(const QByteArray &head) {
    QByteArray text = head;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    text = text.trimmed().toUpper();
    return text.startsWith("OFXHEADER") || text.contains("<?OFX") || text.startsWith("<OFX>")
           || (text.startsWith("<?XML") && text.contains("<OFX>"));
}
