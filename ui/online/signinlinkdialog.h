// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QLineEdit;
class QPushButton;

// The sign-in address, for when no browser opened it or the page did not come up: shown with
// a Copy button and what to do with it. Closes itself once the sign-in is through.
class SignInLinkDialog : public QDialog {
    Q_OBJECT

public:
    explicit SignInLinkDialog(QWidget *parent = nullptr);

    // Shows this address; browserOpened chooses the words (a fallback or the only way in).
    void setAddress(const QUrl &url, bool browserOpened);

    QString messageText() const;
    QLineEdit *addressField() const { return m_address; }
    QPushButton *copyButton() const { return m_copy; }

private:
    QLabel *m_message;    // Owned (Qt child).
    QLineEdit *m_address; // Owned (Qt child).
    QPushButton *m_copy;  // Owned (Qt child).
};
