// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/registerscreen.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

RegisterScreen::RegisterScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_heading(new QLabel(this)) {
    setAccessibleName(tr("Register"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    QFont headingFont = QApplication::font();
    headingFont.setPointSizeF(headingFont.pointSizeF() + 4);
    headingFont.setWeight(QFont::DemiBold);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);
    layout->addStretch(1);
}

void RegisterScreen::loadAccount(const QString &accountId) {
    m_accountId = accountId;
    reload();
}

void RegisterScreen::reload() {
    const auto account = m_state->accountRepository()->findById(m_accountId);
    m_heading->setText(account ? account->name : QString());
}

QString RegisterScreen::headingText() const {
    return m_heading->text();
}
