// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/registerentry.h"

#include "storage/money.h"
#include "ui/presentation/amountinput.h"
#include "ui/presentation/categorynames.h"
#include "ui/presentation/dateinput.h"

#include <optional>

namespace {

RegisterEntry::Outcome refused(const QString &why, int milliseconds) {
    RegisterEntry::Outcome outcome;
    outcome.refusal = why;
    outcome.messageMs = milliseconds;
    return outcome;
}

} // namespace

RegisterEntry::RegisterEntry(const QString &accountId, Currency currency,
                             const QList<Account> &accounts, const QList<Category> &categories)
    : m_accountId(accountId)
    , m_currency(currency)
    , m_accounts(accounts)
    , m_categories(categories) {}

RegisterEntry::Outcome RegisterEntry::read(const Text &text, const QDate &today) const {
    const QString payee = text.payee.trimmed();
    if (payee.isEmpty())
        return refused(tr("Payee is required"), ShortMessageMs);
    const QString paymentText = text.payment.trimmed();
    const QString depositText = text.deposit.trimmed();
    if (paymentText.isEmpty() && depositText.isEmpty())
        return refused(tr("Enter a payment or deposit amount"), ShortMessageMs);
    // The payment wins when both are filled.
    const QString amountText = paymentText.isEmpty() ? depositText : paymentText;
    const std::optional<qint64> read = AmountInput::fromText(amountText, m_currency);
    if (!read) {
        const qint64 example
            = 1234 * minorPerMajor(m_currency) + (minorDigits(m_currency) ? 56 : 0);
        return refused(tr("Cannot read the amount \"%1\"; type it like %2")
                           .arg(amountText, AmountInput::toText(example, m_currency)),
                       LongMessageMs);
    }
    // The column says which way the money goes, so "-50" under Payment is a payment of 50.
    const qint64 size = qAbs(*read);

    QString categoryId = text.categoryId;
    const QString categoryText = text.categoryText.trimmed();
    if (categoryId.isEmpty() && !categoryText.isEmpty()) {
        const std::optional<QString> found = CategoryNames::idForText(m_categories, categoryText);
        if (!found) {
            // Saving it uncategorised would lose what was typed without a word.
            return refused(tr("No category \"%1\"; choose one from the list").arg(categoryText),
                           LongMessageMs);
        }
        categoryId = *found;
    }

    std::optional<Account> other;
    const LedgerWriter::Result transfer
        = LedgerWriter::transferTarget(payee, m_accountId, m_accounts, &other);
    if (transfer != LedgerWriter::Result::Ok)
        return writeFailure(transfer);

    const QDate date = DateInput::parse(text.date, QDate(), today);
    const QString clr = text.clr.trimmed().toUpper();
    Outcome outcome;
    EntryFields &fields = outcome.fields;
    fields.accountId = m_accountId;
    fields.date = date.isValid() ? date : today;
    fields.payee = payee;
    fields.checkNumber = text.checkNumber;
    fields.memo = text.memo;
    fields.amount = paymentText.isEmpty() ? size : -size;
    fields.categoryId = categoryId;
    fields.reconciled = clr == QLatin1String("R");
    fields.cleared = fields.reconciled || clr == QLatin1String("C");
    return outcome;
}

RegisterEntry::Outcome RegisterEntry::writeFailure(LedgerWriter::Result result) {
    switch (result) {
    case LedgerWriter::Result::TransferAccountNotFound:
        return refused(tr("Transfer account not found"), ShortMessageMs);
    case LedgerWriter::Result::TransferToSameAccount:
        return refused(tr("A transfer needs another account"), ShortMessageMs);
    case LedgerWriter::Result::NotFound:
        return refused(tr("This transaction no longer exists"), ShortMessageMs);
    case LedgerWriter::Result::NotATransfer:
        return refused(tr("An existing transaction cannot become a transfer; delete it and "
                          "enter the transfer as a new transaction"),
                       LongMessageMs);
    case LedgerWriter::Result::OtherLegReconciled:
        return refused(tr("Not saved: the other side of the transfer is reconciled"),
                       LongMessageMs);
    case LedgerWriter::Result::Ok:
    case LedgerWriter::Result::Failed:
        break;
    }
    return refused(tr("Could not save the transaction"), LongMessageMs);
}

RegisterEntry::Text RegisterEntry::textOf(const RegisterRow &row, Currency currency) {
    const Transaction &t = row.transaction;
    Text text;
    text.date = DateInput::format(t.date);
    text.checkNumber = t.checkNumber;
    text.payee = t.payee;
    text.memo = t.memo;
    text.categoryText = row.categoryName;
    text.categoryId = t.categoryId;
    setAmount(&text, t.amount, currency);
    text.clr = t.reconciled ? QStringLiteral("R") : t.cleared ? QStringLiteral("C") : QString();
    return text;
}

void RegisterEntry::setAmount(Text *text, qint64 amount, Currency currency) {
    text->payment = amount < 0 ? AmountInput::toText(-amount, currency) : QString();
    text->deposit = amount >= 0 ? AmountInput::toText(amount, currency) : QString();
}
