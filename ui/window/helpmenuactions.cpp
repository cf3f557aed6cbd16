// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/helpmenuactions.h"

#include "app/appstate.h"
#include "app/appupdateconfig.h"
#include "services/ledgerwriter.h"
#include "services/sampledataservice.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/presentation/messagetimes.h"
#include "ui/window/statusbar.h"

#include "ui/common/modalrunner.h"
#include "ui/presentation/shortcuttext.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>

HelpMenuActions::HelpMenuActions(AppState *state, StatusBar *statusBar, QWidget *owner)
    : QObject(owner)
    , m_state(state)
    , m_statusBar(statusBar)
    , m_owner(owner)
    , m_sampleData(new SampleDataService(state->database(), this)) {}

void HelpMenuActions::showAbout() {
    QMessageBox box(m_owner);
    box.setWindowTitle(tr("About Tindral Quillon"));
    box.setIconPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                          .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    box.setTextFormat(Qt::RichText);
    box.setText(tr("<h3>Tindral Quillon</h3><p>Version %1</p>"
                   "<p>A digital quillon register for tracking household finances.</p>"
                   "<p><small>This application uses the Qt framework under the GNU LGPL version 3. "
                   "The source code of Qt is available at "
                   "<a href=\"https://download.qt.io/\">download.qt.io</a>.</small></p>")
                    .arg(QApplication::applicationVersion().toHtmlEscaped()));
    ModalRunner::exec(&box);
}

void HelpMenuActions::showKeyboardShortcuts(const QList<QPair<QString, QString>> &generalRows) {
    const auto table = [](const QString &heading, const QList<QPair<QString, QString>> &rows) {
        QString html = QStringLiteral("<h4>%1</h4><table cellspacing=\"6\">").arg(heading);
        for (const auto &[key, meaning] : rows)
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key, meaning);
        return html + QStringLiteral("</table>");
    };
    QString html;
    html += table(tr("Register"), {{ShortcutText::of("Ctrl+Enter"), tr("Save transaction")},
                                   {ShortcutText::of("Ctrl+I"), tr("Insert new transaction")},
                                   {ShortcutText::of("Ctrl+D"), tr("Delete current transaction")},
                                   {tr("Tab / Shift+Tab"), tr("Next / previous field")},
                                   {tr("' (apostrophe)"), tr("Copy value from field above")}});
    html += table(tr("Date Field"), {{tr("t"), tr("Today")},
                                     {tr("+ / -"), tr("Next / previous day")},
                                     {tr("m / h"), tr("First / last day of month")},
                                     {tr("y / r"), tr("First / last day of year")},
                                     {tr("w / k"), tr("First / last day of week")}});
    html += table(tr("General"), generalRows);
    html += table(tr("Accounts"), {{tr("Alt+1 &ndash; Alt+9"), tr("Switch to account 1&ndash;9")},
                                   {tr("Alt+0"), tr("Switch to account 10")}});
    QMessageBox box(QMessageBox::Information, tr("Keyboard Shortcuts"), html, QMessageBox::Ok,
                    m_owner);
    box.setTextFormat(Qt::RichText);
    ModalRunner::exec(&box);
}

TindUpdate::StatusFunctions HelpMenuActions::updateStatus() {
    QPointer<StatusBar> bar(m_statusBar);
    TindUpdate::StatusFunctions status;
    status.show = [bar](const QString &text, int milliseconds) {
        if (!bar)
            return;
        if (milliseconds > 0)
            bar->finishProgress(text, milliseconds);
        else
            bar->showProgress(text);
    };
    status.clear = [bar] {
        if (bar)
            bar->hideProgress();
    };
    return status;
}

void HelpMenuActions::showWhatsNew() {
    TindUpdate::showWhatsNew(AppUpdateConfig::create(), tr("Tindral Quillon"), m_owner,
                             updateStatus());
}

void HelpMenuActions::checkForUpdates() {
    TindUpdate::checkForUpdatesInteractive(AppUpdateConfig::create(), tr("Tindral Quillon"),
                                           m_owner, updateStatus());
}

void HelpMenuActions::loadSampleData() {
    if (m_sampleData->hasSampleData()) {
        MessageBoxes::inform(m_owner, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    if (!m_sampleData->loadSampleData()) {
        ErrorBox::show(m_owner, tr("Load Sample Data"), tr("The sample data could not be loaded."),
                       tr("Nothing was added; your own accounts are unchanged."));
        return;
    }
    m_statusBar->showMessage(tr("Sample data loaded"), MessageTimes::ShortMs);
}

void HelpMenuActions::clearSampleData() {
    if (!m_sampleData->hasSampleData()) {
        MessageBoxes::inform(m_owner, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    if (!m_sampleData->clearSampleData()) {
        ErrorBox::show(m_owner, tr("Clear Sample Data"),
                       tr("The sample data could not be removed."),
                       tr("Nothing was removed. A sample account that holds entries of your own "
                          "stays until you move or delete them."));
        return;
    }
    const QString current = m_state->currentAccountId();
    if (!current.isEmpty() && !m_state->ledger()->liveAccount(current))
        m_state->setCurrentAccountId(QString());
    Q_EMIT sampleDataCleared();
    m_statusBar->showMessage(tr("Sample data cleared"), MessageTimes::ShortMs);
}
