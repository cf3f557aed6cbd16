// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/entrywriter.h"
#include "services/ledgerwriter.h"
#include "storage/account.h"
#include "storage/category.h"
#include "storage/enums.h"
#include "storage/registerrow.h"
#include "ui/presentation/messagetimes.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

// The rules that turn the text typed into one register row into the fields of a transaction,
// or into the reason it cannot be saved yet. The register fills the text and shows what
// comes back; nothing here needs a widget, so each rule is tried on its own.
class RegisterEntry {
    Q_DECLARE_TR_FUNCTIONS(RegisterEntry)

public:
    // The text of the row being typed, one field per column plus what the columns do not show.
    struct Text {
        QString date;
        QString checkNumber;
        QString payee;
        QString memo;
        QString categoryText;
        QString payment;
        QString deposit;
        QString clr;
        QString categoryId; // the category chosen from the list; empty when only typed
    };

    struct Outcome {
        EntryFields fields; // what to save, when nothing was refused
        QString refusal;    // why it cannot be saved, for the message line
        int messageMs = 0;  // how long that stays
        bool accepted() const { return refusal.isEmpty(); }
    };

    static constexpr int ShortMessageMs = MessageTimes::ShortMs;
    static constexpr int LongMessageMs = MessageTimes::LongMs;

    // A row of accountId, whose amounts are in currency; accounts name the other side of a
    // "[Transfer] NAME" payee, categories what is typed in the category column.
    RegisterEntry(const QString &accountId, Currency currency, const QList<Account> &accounts,
                  const QList<Category> &categories);

    // The fields text saves as (without an id: the caller knows which row it edits), or the
    // first reason it cannot be saved. A date that cannot be read saves as today.
    Outcome read(const Text &text, const QDate &today = QDate::currentDate()) const;

    // Why the write service refused or failed to save a row, for the message line.
    static Outcome writeFailure(LedgerWriter::Result result);

    // The text a stored row starts from when it is opened for editing.
    static Text textOf(const RegisterRow &row, Currency currency);
    // Shows a signed amount as a payment (below zero) or a deposit, the other one empty.
    static void setAmount(Text *text, qint64 amount, Currency currency);

private:
    QString m_accountId;
    Currency m_currency;
    QList<Account> m_accounts;
    QList<Category> m_categories;
};
