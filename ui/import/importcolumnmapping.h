// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/csvmapping.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;

// What each column of a CSV file means: the date, payee, amount, memo and category column,
// the date format and whether the first row names the columns. The columns are offered by
// the first row of the file, so that a person recognises them.
class ImportColumnMapping : public QWidget {
    Q_OBJECT

public:
    explicit ImportColumnMapping(QWidget *parent = nullptr);

    // Offers the columns of a file whose first row is firstRow, keeping the choices that
    // still exist; with more than two columns, the first three are date, payee and amount.
    void setFirstRow(const QStringList &firstRow);
    // The chosen columns (-1 for "(none)"), header and date format; the currency is left
    // to the caller, as it is the account's.
    CsvMapping mapping() const;

    QComboBox *dateColumnBox() const { return m_dateColumn; }
    QComboBox *payeeColumnBox() const { return m_payeeColumn; }
    QComboBox *amountColumnBox() const { return m_amountColumn; }
    QComboBox *memoColumnBox() const { return m_memoColumn; }
    QComboBox *categoryColumnBox() const { return m_categoryColumn; }
    QComboBox *dateFormatBox() const { return m_dateFormat; }
    QCheckBox *headerBox() const { return m_header; }

Q_SIGNALS:
    // A choice the import rules read changed: the payee, amount, memo or category column, or
    // whether the first row is a header.
    void ruleColumnsChanged();

private:
    // All owned (Qt children).
    QComboBox *m_dateColumn = nullptr;
    QComboBox *m_payeeColumn = nullptr;
    QComboBox *m_amountColumn = nullptr;
    QComboBox *m_memoColumn = nullptr;
    QComboBox *m_categoryColumn = nullptr;
    QComboBox *m_dateFormat = nullptr;
    QCheckBox *m_header = nullptr;
};
