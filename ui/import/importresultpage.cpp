// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/import/importresultpage.h"

#include "ui/common/styles.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ImportResultPage::ImportResultPage(QWidget *parent)
    : QWidget(parent) {
    auto *resultLayout = new QVBoxLayout(this);
    resultLayout->setContentsMargins(16, 16, 16, 16);
    m_resultLabel = new QLabel(this);
    QFont summaryFont = font();
    summaryFont.setPointSize(14);
    summaryFont.setWeight(QFont::Normal);
    m_resultLabel->setFont(summaryFont);
    m_resultLabel->setWordWrap(true);
    m_resultLabel->setTextFormat(Qt::PlainText);
    m_resultLabel->setAlignment(Qt::AlignCenter);
    m_resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resultLabel->setAccessibleName(tr("Import result"));
    // The rows that failed, for finding them in the file: kept apart from the summary so
    // that a hundred of them scroll instead of stretching the window.
    m_failedRows = new QPlainTextEdit(this);
    m_failedRows->setReadOnly(true);
    m_failedRows->setAccessibleName(tr("Rows not imported"));
    m_failedRows->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_failedRows->hide();
    m_done = new QPushButton(tr("Done"), this);
    m_done->setAccessibleName(tr("Done"));
    m_done->setStyleSheet(Styles::primaryButton());
    resultLayout->addStretch(1);
    resultLayout->addWidget(m_resultLabel);
    resultLayout->addWidget(m_failedRows, 2);
    resultLayout->addSpacing(16);
    resultLayout->addWidget(m_done, 0, Qt::AlignHCenter);
    resultLayout->addStretch(1);
}

void ImportResultPage::setResult(const QString &text, const QString &failedRows) {
    m_failedRows->setPlainText(failedRows);
    m_failedRows->setVisible(!failedRows.isEmpty());
    m_resultLabel->setText(text);
}
