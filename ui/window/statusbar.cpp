// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/statusbar.h"

#include "ui/common/styles.h"

#include <QLabel>
#include <QProgressBar>
#include <QSizeGrip>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_accountCount(new QLabel(this))
    , m_recurringDue(new QLabel(this))
    , m_progressText(new QLabel(this))
    , m_busy(new QProgressBar(this))
    , m_sync(new QLabel(tr("Offline"), this)) {
    setStyleSheet(QStringLiteral("QStatusBar {  padding: 2px 4px;}"
                                 "QStatusBar::item { border: none; }"));
    setAccessibleName(tr("Status bar"));
    // The labels are named by their texts; the descriptions say what the texts are.
    m_accountCount->setAccessibleDescription(tr("Number of accounts"));
    m_recurringDue->setAccessibleDescription(tr("Recurring transactions due"));
    m_progressText->setAccessibleDescription(tr("Progress"));
    m_busy->setAccessibleName(tr("Busy"));
    m_sync->setAccessibleDescription(tr("Sync status"));

    // Sync errors and progress carry server and file text.
    for (QLabel *label : {m_accountCount, m_recurringDue, m_progressText, m_sync})
        label->setTextFormat(Qt::PlainText);
    m_busy->setRange(0, 0);
    m_busy->setMaximumWidth(100);
    m_busy->setMaximumHeight(14);
    m_busy->setTextVisible(false);
    m_progressText->hide();
    m_busy->hide();
    m_recurringDue->hide();

    if (auto *grip = findChild<QSizeGrip *>())
        grip->setAccessibleName(tr("Resize window"));
    addWidget(m_accountCount);
    addWidget(m_recurringDue);
    addPermanentWidget(m_progressText);
    addPermanentWidget(m_busy);
    addPermanentWidget(m_sync);
    setAccountCount(0);
    recolor();
}

void StatusBar::setAccountCount(int count) {
    m_accountCount->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count) {
    m_dueCount = count;
    if (count <= 0) {
        m_recurringDue->hide();
        return;
    }
    m_recurringDue->setText(tr("  •  %n recurring due", nullptr, count));
    recolor();
    m_recurringDue->show();
}

void StatusBar::setSyncText(const QString &text) {
    m_sync->setText(text);
}

void StatusBar::showProgress(const QString &text) {
    m_progressText->setText(text);
    m_progressText->show();
    m_busy->show();
}

void StatusBar::hideProgress() {
    m_progressText->hide();
    m_busy->hide();
}

void StatusBar::finishProgress(const QString &text, int milliseconds) {
    hideProgress();
    showMessage(text, milliseconds);
}

QString StatusBar::accountCountText() const {
    return m_accountCount->text();
}

QString StatusBar::recurringDueText() const {
    return m_recurringDue->text();
}

bool StatusBar::isRecurringDueShown() const {
    return !m_recurringDue->isHidden();
}

QString StatusBar::syncText() const {
    return m_sync->text();
}

void StatusBar::recolor() {
    const QString plain = Styles::textColourStyle(Styles::statusTextColour());
    m_sync->setStyleSheet(plain);
    m_accountCount->setStyleSheet(plain);
    m_recurringDue->setStyleSheet(Styles::textColourStyle(Styles::warningColour())
                                  + QStringLiteral(" font-weight: bold;"));
}
