// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingsgeneralpage.h"

#include "app/appstate.h"
#include "app/preferencekeys.h"
#include "app/thememanager.h"
#include "storage/preferencesrepository.h"
#include "ui/common/messageboxes.h"
#include "ui/presentation/regionalformat.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLocale>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString kThemeKey = PreferenceKeys::theme();
const QString kWeekStartKey = PreferenceKeys::weekStartDay();
// The same setting the program reads at start-up to pick its translation.
const QString kLanguageKey = PreferenceKeys::language();
const QString kDateFormatKey = PreferenceKeys::dateFormat();

void selectData(QComboBox *combo, const QVariant &value) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(combo->findData(value));
}

} // namespace

SettingsGeneralPage::SettingsGeneralPage(AppState *state, QWidget *parent)
    : SettingsPage(tr("General"), parent)
    , m_state(state) {
    QVBoxLayout *layout = pageLayout();
    PreferencesRepository *preferences = m_state->preferencesRepository();

    addSectionHeader(layout, tr("Appearance"), tr("Control how Tindral Quillon looks."));
    auto *appearance = new QFormLayout;
    m_themeCombo = new QComboBox(this);
    m_themeCombo->setAccessibleName(tr("Theme"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    selectData(m_themeCombo, preferences->value(kThemeKey, QStringLiteral("system")));
    appearance->addRow(tr("Theme"), m_themeCombo);
    layout->addLayout(appearance);
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this,
            &SettingsGeneralPage::onThemeChanged);

    layout->addSpacing(16);
    addDivider(layout);
    layout->addSpacing(12);
    addSectionHeader(layout, tr("Regional"), tr("Date and calendar preferences."));
    auto *regional = new QFormLayout;
    m_weekStartCombo = new QComboBox(this);
    m_weekStartCombo->setAccessibleName(tr("Week starts on"));
    m_weekStartCombo->addItem(tr("Sunday"), 7);
    m_weekStartCombo->addItem(tr("Monday"), 1);
    m_weekStartCombo->addItem(tr("Saturday"), 6);
    bool stored = false;
    const int day = preferences->value(kWeekStartKey, QString()).toInt(&stored);
    selectData(m_weekStartCombo,
               stored && day >= 1 && day <= 7 ? day : int(QLocale().firstDayOfWeek()));
    regional->addRow(tr("Week starts on"), m_weekStartCombo);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this,
            &SettingsGeneralPage::onWeekStartChanged);

    m_dateFormatCombo = new QComboBox(this);
    m_dateFormatCombo->setAccessibleName(tr("Date format"));
    // The language's item is long; it must not widen the window.
    m_dateFormatCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_dateFormatCombo->setMinimumContentsLength(12);
    // Each format shown by the last day of the year, which no format can leave ambiguous.
    const QDate sample(QDate::currentDate().year(), 12, 31);
    m_dateFormatCombo->addItem(
        tr("As the language writes it (%1)")
            .arg(sample.toString(RegionalFormat::defaultDateFormat(RegionalFormat::language()))),
        QString());
    for (const QString &format : RegionalFormat::dateFormats())
        m_dateFormatCombo->addItem(sample.toString(format), format);
    selectData(m_dateFormatCombo, preferences->value(kDateFormatKey, QString()));
    regional->addRow(tr("Date format"), m_dateFormatCombo);
    connect(m_dateFormatCombo, &QComboBox::currentIndexChanged, this,
            &SettingsGeneralPage::onDateFormatChanged);

    m_languageCombo = new QComboBox(this);
    m_languageCombo->setAccessibleName(tr("Language"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    selectData(m_languageCombo,
               QSettings().value(kLanguageKey, QStringLiteral("system")).toString());
    regional->addRow(tr("Language"), m_languageCombo);
    layout->addLayout(regional);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this,
            &SettingsGeneralPage::onLanguageChanged);
    layout->addStretch(1);
}

void SettingsGeneralPage::onThemeChanged(int index) {
    const QString value = m_themeCombo->itemData(index).toString();
    if (ThemeManager *theme = m_state->themeManager())
        theme->setTheme(value);
    else
        m_state->preferencesRepository()->setValue(kThemeKey, value);
}

void SettingsGeneralPage::onWeekStartChanged(int index) {
    const int day = m_weekStartCombo->itemData(index).toInt();
    if (day < 1 || day > 7)
        return;
    m_state->preferencesRepository()->setInt(kWeekStartKey, day);
    AppState::setWeekStartDay(Qt::DayOfWeek(day));
}

void SettingsGeneralPage::onDateFormatChanged(int index) {
    const QString format = m_dateFormatCombo->itemData(index).toString();
    if (format.isEmpty())
        m_state->preferencesRepository()->remove(kDateFormatKey);
    else
        m_state->preferencesRepository()->setValue(kDateFormatKey, format);
    RegionalFormat::setDateFormat(format);
    Q_EMIT dateFormatChanged();
}

void SettingsGeneralPage::onLanguageChanged(int index) {
    const QString value = m_languageCombo->itemData(index).toString();
    QSettings settings;
    if (value.isEmpty()
        || value == settings.value(kLanguageKey, QStringLiteral("system")).toString())
        return;
    settings.setValue(kLanguageKey, value);
    MessageBoxes::inform(this, tr("Language Changed"),
                         tr("The new language will take effect the next time you start Tindral "
                            "Quillon."));
}
