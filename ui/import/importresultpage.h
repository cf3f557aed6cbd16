// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What became of an import: the summary, the rows that could not be imported and the button
// that leaves the page.
class ImportResultPage : public QWidget {
    Q_OBJECT

public:
    explicit ImportResultPage(QWidget *parent = nullptr);

    // The summary, and the failed rows (empty: none) in a list of their own.
    void setResult(const QString &text, const QString &failedRows = QString());

    QLabel *resultLabel() const { return m_resultLabel; }
    QPlainTextEdit *failedRowsView() const { return m_failedRows; }
    QPushButton *doneButton() const { return m_done; }

private:
    // All owned (Qt children).
    QLabel *m_resultLabel = nullptr;
    QPlainTextEdit *m_failedRows = nullptr;
    QPushButton *m_done = nullptr;
};
