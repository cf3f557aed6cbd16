// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QLineEdit>

// A date typed as M/d/yyyy (or with two-digit years), with one-key shortcuts (t, +, -, m, h,
// y, r, w, k) and a calendar on F4 or Alt+Down. The register's date editor.
class SmartDateEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget *parent = nullptr);

    // The date last set or accepted; typed text counts once parsed.
    QDate date() const { return m_date; }
    // The date of the text shown, or the stored date when the text is no date.
    QDate parsedDate() const;
    void setDate(const QDate &date);

public Q_SLOTS:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The widget itself picked a date (shortcut key or calendar): store it and show it
    // selected.
    virtual void takeDate(const QDate &date);
    void storeDate(const QDate &date) { m_date = date; }
    void showDate();

private:
    QDate m_date;
};
