// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: the account count and the recurring entries due on the
// left; a progress text and busy bar (hidden until used) and the sync state on the right.
class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setAccountCount(int count);
    void setRecurringDue(int count);
    void setSyncText(const QString &text);

    void showProgress(const QString &text);
    void hideProgress();
    // Hides the progress and shows text for milliseconds.
    void finishProgress(const QString &text, int milliseconds);

    QString accountCountText() const;
    QString recurringDueText() const;
    bool isRecurringDueShown() const;
    QString syncText() const;

public Q_SLOTS:
    // Picks the label colours for the palette in force; run on every theme change.
    void recolor();

private:
    QLabel *m_accountCount; // Owned (Qt child).
    QLabel *m_recurringDue; // Owned (Qt child).
    QLabel *m_progressText; // Owned (Qt child).
    QProgressBar *m_busy;   // Owned (Qt child).
    QLabel *m_sync;         // Owned (Qt child).
    int m_dueCount = 0;
};
