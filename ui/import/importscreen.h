// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/bankstatement.h"
#include "services/importresult.h"
#include "services/importruleset.h"
#include "ui/import/importcolumnmapping.h"
#include "ui/import/importresultpage.h"

#include <QString>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The window that brings a bank file into one account: the account, the file, for a CSV
// file the meaning of its columns with a preview of its first rows, and the result. A QIF
// file needs no mapping; its first records are previewed instead, and so are an OFX, QFX or
// CAMT.053 statement's, whose account number is offered to pick or create the account. The
// preview shows what the import rules make of each row. The import runs off the
// GUI thread and can be cancelled; it stores all of the file or nothing.
class ImportScreen : public QWidget {
    Q_OBJECT

public:
    enum Page { FormPage = 0, ResultPage = 1 };

    explicit ImportScreen(AppState *state, QWidget *parent = nullptr);

    // Refills the account list, keeping the chosen account when it is still there.
    void refresh();
    // Takes path as the file to import and previews it (what selectFile does after the file
    // dialog).
    void loadFile(const QString &path);

    // For tests and the look of the window.
    QStackedWidget *pages() const { return m_pages; }
    QComboBox *accountBox() const { return m_account; }
    QComboBox *dateColumnBox() const { return m_mapping->dateColumnBox(); }
    QComboBox *payeeColumnBox() const { return m_mapping->payeeColumnBox(); }
    QComboBox *amountColumnBox() const { return m_mapping->amountColumnBox(); }
    QComboBox *memoColumnBox() const { return m_mapping->memoColumnBox(); }
    QComboBox *categoryColumnBox() const { return m_mapping->categoryColumnBox(); }
    QComboBox *dateFormatBox() const { return m_mapping->dateFormatBox(); }
    QCheckBox *headerBox() const { return m_mapping->headerBox(); }
    QTableWidget *previewTable() const { return m_preview; }
    QLabel *fileLabel() const { return m_fileLabel; }
    QLabel *resultLabel() const { return m_result->resultLabel(); }
    QPlainTextEdit *failedRowsView() const { return m_result->failedRowsView(); }
    QPushButton *importButton() const { return m_import; }
    QPushButton *doneButton() const { return m_result->doneButton(); }
    QLabel *statementLabel() const { return m_statementNote; }
    QPushButton *createAccountButton() const { return m_createAccount; }

public Q_SLOTS:
    void selectFile();
    void runImport();

Q_SIGNALS:
    void importCompleted();

private:
    void buildForm(QWidget *page);
    void previewCsv();
    void previewQif();
    void previewBankFile();
    // Chooses the account the statement names, or offers to create it.
    void offerStatementAccount(const BankStatement &statement);
    void createStatementAccount();
    // The import rules as they apply to the chosen account; rows shown with their result.
    ImportRuleSet currentRules() const;
    void showRuleResults();
    QString categoryName(const QString &id) const;
    // Amounts in the file are read in the account's currency; USD for no account.
    Currency currencyOf(const QString &accountId) const;
    // The bank's ledger balance beside the account's after an import of a statement.
    QString statementSummary(const ImportResult &result) const;
    void showMapping(bool visible);
    // The summary, and the failed rows (empty: none) in a list of their own.
    void showResult(const QString &text, const QString &failedRows = QString());
    // "Line N: reason" for each listed failed row, and how many more there were.
    static QString failedRowsText(const ImportResult &result);
    void finish();

    AppState *m_state; // Not owned.
    QString m_filePath;
    bool m_qif = false;
    bool m_bank = false; // OFX, QFX or CAMT.053
    BankStatement m_statement;
    QList<QStringList> m_csvPreviewRows;

    // All owned (Qt children).
    QStackedWidget *m_pages = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_fileLabel = nullptr;
    QPushButton *m_browse = nullptr;
    ImportColumnMapping *m_mapping = nullptr;
    QLabel *m_qifNote = nullptr;
    QTableWidget *m_preview = nullptr;
    QLabel *m_previewNote = nullptr;
    QLabel *m_statementNote = nullptr;
    QPushButton *m_createAccount = nullptr;
    QPushButton *m_import = nullptr;
    ImportResultPage *m_result = nullptr;
};
