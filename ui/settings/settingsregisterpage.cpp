// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingsregisterpage.h"

#include "app/appstate.h"
#include "app/preferencekeys.h"
#include "storage/preferencesrepository.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kTwoLineKey = PreferenceKeys::registerTwoLine();
const QString kNewestFirstKey = PreferenceKeys::registerNewestFirst();

} // namespace

SettingsRegisterPage::SettingsRegisterPage(AppState *state, QWidget *parent)
    : SettingsPage(tr("Register"), parent)
    , m_state(state) {
    QVBoxLayout *layout = pageLayout();
    PreferencesRepository *preferences = m_state->preferencesRepository();

    addSectionHeader(layout, tr("Display"), tr("How transactions appear in the register."));
    m_twoLineCheck = new QCheckBox(tr("Two-line rows"), this);
    m_twoLineCheck->setAccessibleName(tr("Two-line rows"));
    m_twoLineCheck->setChecked(preferences->boolValue(kTwoLineKey, false));
    layout->addWidget(m_twoLineCheck);
    layout->addWidget(hintLabel(tr("Show memo on a second line below the payee.")));
    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsRegisterPage::onTwoLineModeChanged);

    layout->addSpacing(16);
    addDivider(layout);
    layout->addSpacing(12);
    addSectionHeader(layout, tr("Sorting"),
                     tr("Control the order of transactions in the register."));
    m_newestFirstCheck = new QCheckBox(tr("Show newest transactions first"), this);
    m_newestFirstCheck->setAccessibleName(tr("Show newest transactions first"));
    m_newestFirstCheck->setChecked(preferences->boolValue(kNewestFirstKey, false));
    layout->addWidget(m_newestFirstCheck);
    layout->addWidget(
        hintLabel(tr("When enabled, the most recent transactions appear at the top.")));
    connect(m_newestFirstCheck, &QCheckBox::toggled, this,
            &SettingsRegisterPage::onRegisterOrderChanged);
    layout->addStretch(1);
}

void SettingsRegisterPage::onRegisterOrderChanged(bool checked) {
    m_state->preferencesRepository()->setBool(kNewestFirstKey, checked);
}

void SettingsRegisterPage::onTwoLineModeChanged(bool checked) {
    m_state->preferencesRepository()->setBool(kTwoLineKey, checked);
}
