// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/import/importcolumnmapping.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kColumnLabelLength = 20;

// The current item's column, or -1 for "(none)".
int columnOf(const QComboBox *box) {
    const QVariant data = box->currentData();
    return data.isValid() ? data.toInt() : -1;
}

} // namespace

ImportColumnMapping::ImportColumnMapping(QWidget *parent)
    : QWidget(parent) {
    auto *mappingLayout = new QVBoxLayout(this);
    mappingLayout->setContentsMargins(0, 0, 0, 0);
    auto *mappingTitle = new QLabel(tr("CSV Column Mapping:"), this);
    QFont bold = mappingTitle->font();
    bold.setWeight(QFont::Bold);
    mappingTitle->setFont(bold);
    mappingLayout->addWidget(mappingTitle);
    auto *columns = new QFormLayout;
    const auto columnBox = [this, columns](const QString &label, const QString &name) {
        auto *box = new QComboBox(this);
        box->setAccessibleName(name);
        columns->addRow(label, box);
        return box;
    };
    m_dateColumn = columnBox(tr("Date column:"), tr("Date column"));
    m_payeeColumn = columnBox(tr("Payee column:"), tr("Payee column"));
    m_amountColumn = columnBox(tr("Amount column:"), tr("Amount column"));
    m_memoColumn = columnBox(tr("Memo column:"), tr("Memo column"));
    m_categoryColumn = columnBox(tr("Category column:"), tr("Category column"));
    m_memoColumn->addItem(tr("(none)"), -1);
    m_categoryColumn->addItem(tr("(none)"), -1);
    m_dateFormat = new QComboBox(this);
    m_dateFormat->setAccessibleName(tr("Date format"));
    m_dateFormat->addItems({QStringLiteral("MM/dd/yyyy"), QStringLiteral("dd/MM/yyyy"),
                            QStringLiteral("yyyy-MM-dd"), QStringLiteral("MM/dd/yy"),
                            QStringLiteral("M/d/yyyy")});
    columns->addRow(tr("Date format:"), m_dateFormat);
    mappingLayout->addLayout(columns);
    m_header = new QCheckBox(tr("First row is header"), this);
    m_header->setAccessibleName(tr("First row is header"));
    m_header->setChecked(true);
    mappingLayout->addWidget(m_header);

    for (QComboBox *box : {m_payeeColumn, m_amountColumn, m_memoColumn, m_categoryColumn})
        connect(box, &QComboBox::currentIndexChanged, this,
                &ImportColumnMapping::ruleColumnsChanged);
    connect(m_header, &QCheckBox::toggled, this, &ImportColumnMapping::ruleColumnsChanged);
}

void ImportColumnMapping::setFirstRow(const QStringList &firstRow) {
    const int columnCount = int(firstRow.size());
    const auto label = [&firstRow](int column) {
        if (column >= firstRow.size())
            return tr("Column %1").arg(column);
        return tr("Col %1: %2").arg(column).arg(firstRow.at(column).left(kColumnLabelLength));
    };
    for (QComboBox *box :
         {m_dateColumn, m_payeeColumn, m_amountColumn, m_memoColumn, m_categoryColumn}) {
        const bool hasNone = box == m_memoColumn || box == m_categoryColumn;
        const int previous = box->currentIndex();
        box->clear();
        if (hasNone)
            box->addItem(tr("(none)"), -1);
        for (int column = 0; column < columnCount; ++column)
            box->addItem(label(column), column);
        box->setCurrentIndex(previous >= 0 && previous < box->count() ? previous : 0);
    }
    if (columnCount > 2) {
        m_dateColumn->setCurrentIndex(0);
        m_payeeColumn->setCurrentIndex(1);
        m_amountColumn->setCurrentIndex(2);
    }
}

CsvMapping ImportColumnMapping::mapping() const {
    CsvMapping mapping;
    mapping.dateColumn = columnOf(m_dateColumn);
    mapping.payeeColumn = columnOf(m_payeeColumn);
    mapping.amountColumn = columnOf(m_amountColumn);
    mapping.memoColumn = columnOf(m_memoColumn);
    mapping.categoryColumn = columnOf(m_categoryColumn);
    mapping.hasHeader = m_header->isChecked();
    mapping.dateFormat = m_dateFormat->currentText();
    return mapping;
}
