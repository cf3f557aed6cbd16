// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "shell/application.h"
#include "storage/enums.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/presentation/reportperiods.h"
#include "ui/window/mainwindow.h"

#include <QDialogButtonBox>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// One process per language: the language is read once, when the application is constructed.
// Without QUILLON_TEST_LANGUAGE the test runs itself once for each translated language.

namespace {

const char kLanguageVariable[] = "QUILLON_TEST_LANGUAGE";

class TestApplication : public Application {
public:
    using Application::Application;

protected:
    void showDatabaseError(const QString &dataDirectory) override {
        qCritical("Database error in %s", qPrintable(dataDirectory));
    }
};

// The letter after the single "&" of a text, or a null QChar when it has none.
QChar mnemonicOf(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return QChar();
}

// Texts that share a mnemonic, as "a: first | second".
QStringList mnemonicClashes(const QList<QAction *> &actions) {
    QHash<QChar, QStringList> byLetter;
    for (const QAction *action : actions) {
        const QChar letter = mnemonicOf(action->text());
        if (!action->isSeparator() && !letter.isNull())
            byLetter[letter] << action->text();
    }
    QStringList clashes;
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << QStringLiteral("%1: %2").arg(it.key(),
                                                    it.value().join(QStringLiteral(" | ")));
    }
    return clashes;
}

} // namespace

class tst_TranslatedStart : public QObject {
    Q_OBJECT

public:
    tst_TranslatedStart(TestApplication *app, const QString &language)
        : m_app(app)
        , m_language(language) {}

private Q_SLOTS:
    void initTestCase();
    void menuTitlesTranslated();
    void mnemonicsUniqueInEachMenu();
    void qtStandardButtonsFollowLanguage();
    void freeFunctionTextsTranslated();
    void deleteAccountNamesTranslatedPage();

private:
    TestApplication *m_app;
    QString m_language;
    MainWindow *m_window = nullptr;
};

void tst_TranslatedStart::initTestCase() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<MainWindow *>(widget))
            m_window = window;
    }
    QVERIFY2(m_window, "the start shows no main window");
    QVERIFY(m_app->appTranslator());
}

void tst_TranslatedStart::menuTitlesTranslated() {
    static const QHash<QString, QStringList> expected{
        {"es", {"&Archivo", "&Edición", "&Cuenta", "&Ver", "A&yuda"}},
        {"de", {"&Datei", "&Bearbeiten", "&Konto", "&Ansicht", "&Hilfe"}},
        {"fr", {"&Fichier", "É&dition", "&Compte", "&Affichage", "Aid&e"}},
        {"ja", {"ファイル(&F)", "編集(&E)", "口座(&A)", "表示(&V)", "ヘルプ(&H)"}},
    };
    QStringList titles;
    for (const QAction *action : m_window->menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, expected.value(m_language));
}

void tst_TranslatedStart::mnemonicsUniqueInEachMenu() {
    const QList<QAction *> menus = m_window->menuBar()->actions();
    QStringList clashes = mnemonicClashes(menus);
    for (const QAction *menu : menus) {
        QVERIFY(menu->menu());
        const QStringList inMenu = mnemonicClashes(menu->menu()->actions());
        for (const QString &clash : inMenu)
            clashes << menu->text() + QStringLiteral(" › ") + clash;
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
}

void tst_TranslatedStart::qtStandardButtonsFollowLanguage() {
    QVERIFY2(m_app->qtTranslator(), "Qt's own translations did not load");
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const QString cancel = box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    QVERIFY2(cancel != QLatin1String("Cancel"), qPrintable(cancel));
}

// Free functions look their texts up through a wrapper that names the context; when it names
// another context than the one lupdate files the texts under, they stay English.
void tst_TranslatedStart::freeFunctionTextsTranslated() {
    const QList<QPair<QString, QString>> shownAndEnglish{
        {ReportPeriods::presetName(ReportPeriods::ThisMonth), "This Month"},
        {ReportPeriods::comparisonName(ReportPeriods::ThisYearVsLastYear),
         "This Year vs Last Year"},
        {AccountPresentation::typeName(AccountType::Checking), "Checking"},
    };
    for (const auto &[shown, english] : shownAndEnglish)
        QVERIFY2(!shown.isEmpty() && shown != english, qPrintable(english));
}

// The message points the user at a window and page by name; both must read as they are shown.
void tst_TranslatedStart::deleteAccountNamesTranslatedPage() {
    const QString message = QCoreApplication::translate(
        "AccountActions",
        "Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation "
        "history for this account will be removed. You can restore it from "
        "Preferences → Data & Sync.");
    const QString window = QCoreApplication::translate("MainWindow", "Preferences");
    const QString page = QCoreApplication::translate("SettingsScreen", "Data & Sync");
    QVERIFY2(message.contains(window), qPrintable(window + QLatin1Char('\n') + message));
    QVERIFY2(message.contains(page), qPrintable(page + QLatin1Char('\n') + message));
    QCOMPARE(QCoreApplication::translate("SettingsScreen", "Preferences"), window);
}

int main(int argc, char *argv[]) {
    const QString language = qEnvironmentVariable(kLanguageVariable);
    if (language.isEmpty()) {
        QCoreApplication parent(argc, argv);
        int failures = 0;
        for (const char *code : {"es", "de", "fr", "ja"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QLatin1String(kLanguageVariable), QLatin1String(code));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), parent.arguments().mid(1));
            const bool passed = child.waitForFinished(120000)
                                && child.exitStatus() == QProcess::NormalExit
                                && child.exitCode() == 0;
            if (!passed) {
                qWarning("language %s failed", code);
                ++failures;
            }
        }
        return failures;
    }

    // Settings and data of the test stay away from the user's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("QUILLON_DATA_DIR", home.filePath("data").toUtf8());
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("Quillon");
    QSettings().setValue("ui/language", language);
    QSettings().sync();

    TestApplication app(argc, argv);
    tst_TranslatedStart tc(&app, language);
    int result = 1;
    QTimer::singleShot(0, &app, [&] {
        result = QTest::qExec(&tc, QStringList{QCoreApplication::applicationFilePath()});
        QCoreApplication::exit(0);
    });
    const int exitCode = app.run();
    return exitCode != 0 ? exitCode : result;
}

#include "tst_translatedstart.moc"
