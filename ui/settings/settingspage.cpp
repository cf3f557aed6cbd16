// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingspage.h"

#include "ui/common/styles.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

SettingsPage::SettingsPage(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this)) {
    setAccessibleName(title);
    m_layout->setContentsMargins(24, 24, 24, 24);
    m_layout->setSpacing(8);
    auto *heading = new QLabel(title, this);
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + 4);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    m_layout->addWidget(heading);
    m_layout->addSpacing(12);
}

int SettingsPage::smallPointSize() {
    return qMax(7, QApplication::font().pointSize() - 2);
}

void SettingsPage::addSectionHeader(QVBoxLayout *layout, const QString &title,
                                    const QString &description) {
    auto *heading = new QLabel(title);
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + 1);
    font.setWeight(QFont::Medium);
    heading->setFont(font);
    layout->addWidget(heading);
    if (!description.isEmpty()) {
        auto *text = new QLabel(description);
        text->setWordWrap(true);
        QFont small = QApplication::font();
        small.setPointSize(smallPointSize());
        text->setFont(small);
        text->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
        layout->addWidget(text);
    }
    layout->addSpacing(8);
}

void SettingsPage::addDivider(QVBoxLayout *layout) {
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    m_dividers << line;
    layout->addWidget(line);
}

QLabel *SettingsPage::hintLabel(const QString &text) {
    auto *hint = new QLabel(text);
    hint->setWordWrap(true);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    hint->setFont(small);
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    hint->setContentsMargins(24, 0, 0, 0);
    return hint;
}

void SettingsPage::applyColours() {
    const QString line = Styles::hex(Styles::navigation().divider);
    for (QFrame *divider : std::as_const(m_dividers))
        divider->setStyleSheet(
            QStringLiteral("color: %1; background: %1; border: none;").arg(line));
}
