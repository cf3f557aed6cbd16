// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// Amount text as people type it and as bank files carry it. The first byte picks the currency
// (and the decimal key of the amount field); the rest is the text.

#include "services/importparsing.h"
#include "storage/money.h"
#include "tests/fuzz/fuzzsupport.h"
#include "ui/presentation/amountinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const Currency currency = Currency(data[0] % 6);
    const QString text = Fuzz::text(data + 1, size - 1);

    if (const std::optional<qint64> amount = tryParseAmount(text, currency)) {
        if (!isAmountInRange(*amount, currency))
            Fuzz::fail("an amount out of range was read", text);
        // What the program writes it must read back as the same amount.
        for (const QString &shown :
             {formatAmount(*amount, currency), formatMoney(*amount, currency)}) {
            if (tryParseAmount(shown, currency) != amount)
                Fuzz::fail("a formatted amount does not read back",
                           text + QLatin1String(" -> ") + shown);
        }
    }
    parseAmount(text, currency);

    if (const std::optional<qint64> cents = tryParseQifAmount(text)) {
        if (!isAmountInRange(*cents, Currency::USD))
            Fuzz::fail("a QIF amount out of range was read", text);
    }

    const QChar decimal = (data[0] & 0x80) ? QLatin1Char(',') : QLatin1Char('.');
    for (const QChar typed : {QChar(u'.'), QChar(u','), QChar(u'5')}) {
        const int at = AmountInput::decimalJumpPosition(text, typed, decimal);
        if (at < -1 || at > text.size())
            Fuzz::fail("the cursor jumps outside the text", text);
    }
    return 0;
}
