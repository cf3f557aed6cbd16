// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// Dates as people type them into date fields and as bank files write them. The first byte
// picks the CSV date format and the day "today" is; the rest is the text.

#include "services/importparsing.h"
#include "storage/dateparsing.h"
#include "tests/fuzz/fuzzsupport.h"
#include "ui/presentation/dateinput.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    // The formats the import screen offers, and a few a person could type into it.
    static const QStringList formats{QStringLiteral("MM/dd/yyyy"), QStringLiteral("dd/MM/yyyy"),
                                     QStringLiteral("yyyy-MM-dd"), QStringLiteral("M/d/yy"),
                                     QStringLiteral("dd.MM.yy"),   QStringLiteral("d MMM yyyy"),
                                     QStringLiteral("yyMMdd"),     QStringLiteral("yy")};
    const QString format = formats.at(data[0] % formats.size());
    // Around the turn of a century the two-digit years change sides.
    const QDate today = QDate(1999, 12, 31).addDays(qint64(data[0]) * 97 - 12000);
    const QString text = Fuzz::text(data + 1, size - 1);

    const QDate date = DateParsing::fromString(text, format, today);
    if (date.isValid() && format.contains(QLatin1String("yyyy")) == false
        && format.contains(QLatin1String("yy"))
        && (date.year() < today.year() - 80 || date.year() > today.year() + 20))
        Fuzz::fail("a two-digit year outside the hundred years around today", text);

    const QDate fallback(2026, 2, 3);
    const QDate typed = DateInput::parse(text, fallback, today);
    if (!typed.isValid())
        Fuzz::fail("a date field reads an invalid date", text);
    if (typed != fallback && DateInput::parse(DateInput::format(typed), fallback, today) != typed)
        Fuzz::fail("a shown date does not read back", text);
    if (const std::optional<QDate> moved = DateInput::shortcut(text, typed, today)) {
        if (!moved->isValid())
            Fuzz::fail("a shortcut gives an invalid date", text);
    }
    DateInput::shortcut(text, QDate(), today);

    parseQifDate(text);
    return 0;
}
