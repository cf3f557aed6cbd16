// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QWidget>

class QFrame;
class QLabel;
class QVBoxLayout;

// A page of the Preferences window: its title over sections parted by thin lines.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    SettingsPage(const QString &title, QWidget *parent);

    // Colours what the style sheet cannot follow by itself, for the palette of the moment.
    virtual void applyColours();

protected:
    QVBoxLayout *pageLayout() const { return m_layout; }
    void addSectionHeader(QVBoxLayout *layout, const QString &title, const QString &description);
    void addDivider(QVBoxLayout *layout);
    // A small muted line under a control, explaining it.
    static QLabel *hintLabel(const QString &text);
    // The size of the page's fine print.
    static int smallPointSize();

private:
    QVBoxLayout *m_layout; // Owned (Qt child).
    QList<QFrame *> m_dividers;
};
