// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/import/importscreen.h"

#include "app/appstate.h"
#include "services/csvmapping.h"
#include "services/importformat.h"
#include "services/importpreview.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/undostack.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/importrulerepository.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "ui/common/backgroundjob.h"
#include "ui/common/styles.h"
#include "ui/presentation/regionalformat.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewRows = 5;
constexpr int kPreviewMaxHeight = 150;

QFont scaledFont(const QFont &base, int pointSize, int weight) {
    QFont font = base;
    font.setPointSize(pointSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace

ImportScreen::ImportScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_pages(new QStackedWidget(this)) {
    setAccessibleName(tr("Import Transactions"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    auto *form = new QWidget(m_pages);
    buildForm(form);
    m_pages->addWidget(form);

    m_result = new ImportResultPage(m_pages);
    m_pages->addWidget(m_result);

    connect(m_browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(m_import, &QPushButton::clicked, this, &ImportScreen::runImport);
    connect(m_result->doneButton(), &QPushButton::clicked, this, &ImportScreen::finish);
    connect(m_createAccount, &QPushButton::clicked, this, &ImportScreen::createStatementAccount);
    // The rules of the chosen account and the mapped columns decide what the preview shows.
    connect(m_account, &QComboBox::currentIndexChanged, this, &ImportScreen::showRuleResults);
    connect(m_mapping, &ImportColumnMapping::ruleColumnsChanged, this,
            &ImportScreen::showRuleResults);
    refresh();
}

void ImportScreen::buildForm(QWidget *page) {
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *title = new QLabel(tr("Import Transactions"), page);
    title->setFont(scaledFont(font(), 16, 700));
    layout->addWidget(title);

    auto *top = new QFormLayout;
    m_account = new QComboBox(page);
    m_account->setAccessibleName(tr("Account"));
    top->addRow(tr("&Account:"), m_account);
    auto *fileRow = new QHBoxLayout;
    m_fileLabel = new QLabel(tr("No file selected"), page);
    m_fileLabel->setTextFormat(Qt::PlainText);
    m_fileLabel->setTextFormat(Qt::PlainText);
    m_fileLabel->setAccessibleName(tr("Chosen file"));
    m_browse = new QPushButton(tr("Browse..."), page);
    m_browse->setAccessibleName(tr("Browse for a file"));
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(m_browse);
    top->addRow(tr("File:"), fileRow);
    auto *statementRow = new QHBoxLayout;
    m_statementNote = new QLabel(page);
    m_statementNote->setTextFormat(Qt::PlainText);
    m_statementNote->setWordWrap(true);
    m_statementNote->setAccessibleName(tr("Statement account"));
    m_createAccount = new QPushButton(page);
    m_createAccount->setAccessibleName(tr("Create the statement's account"));
    statementRow->addWidget(m_statementNote, 1);
    statementRow->addWidget(m_createAccount);
    m_statementNote->hide();
    m_createAccount->hide();
    top->addRow(statementRow);
    layout->addLayout(top);
    layout->addSpacing(16);

    m_mapping = new ImportColumnMapping(page);
    layout->addWidget(m_mapping);

    m_qifNote = new QLabel(
        tr("QIF files carry their own dates, payees and amounts: no column mapping is needed."),
        page);
    m_qifNote->setWordWrap(true);
    m_qifNote->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    m_qifNote->hide();
    layout->addWidget(m_qifNote);

    m_preview = new QTableWidget(page);
    m_preview->setAccessibleName(tr("Preview of the file"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setMaximumHeight(kPreviewMaxHeight);
    m_preview->verticalHeader()->hide();
    // One line a row, so that the few rows fit the small table; long texts are elided.
    m_preview->setWordWrap(false);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 8);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_preview);
    m_previewNote = new QLabel(page);
    m_previewNote->setTextFormat(Qt::PlainText);
    m_previewNote->setWordWrap(true);
    m_previewNote->setTextFormat(Qt::PlainText);
    m_previewNote->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    m_previewNote->hide();
    layout->addWidget(m_previewNote);
    layout->addStretch(1);

    m_import = new QPushButton(tr("Import"), page);
    m_import->setAccessibleName(tr("Import"));
    m_import->setStyleSheet(Styles::primaryButton());
    layout->addWidget(m_import, 0, Qt::AlignRight);
}

void ImportScreen::refresh() {
    const QString chosen = m_account->currentData().toString();
    m_account->clear();
    for (const Account &account : m_state->ledger()->accounts())
        m_account->addItem(account.name, account.id);
    int index = m_account->findData(chosen.isEmpty() ? m_state->currentAccountId() : chosen);
    if (index < 0 && !chosen.isEmpty())
        index = m_account->findData(m_state->currentAccountId());
    if (index >= 0)
        m_account->setCurrentIndex(index);
}

void ImportScreen::selectFile() {
    const QString path
        = QFileDialog::getOpenFileName(this, tr("Select File"), QString(),
                                       tr("Bank Files (*.csv *.qif *.ofx *.qfx *.xml);;CSV Files "
                                          "(*.csv);;QIF Files (*.qif);;OFX and QFX Files (*.ofx "
                                          "*.qfx);;CAMT.053 Statements (*.xml);;All Files (*)"));
    if (path.isEmpty())
        return;
    loadFile(path);
}

void ImportScreen::loadFile(const QString &path) {
    m_filePath = path;
    m_fileLabel->setText(path.section(QLatin1Char('/'), -1));
    m_fileLabel->setToolTip(Qt::convertFromPlainText(path, Qt::WhiteSpaceNoWrap));
    const ImportFormat format = detectImportFormat(path);
    m_qif = format == ImportFormat::Qif;
    m_bank = format == ImportFormat::Ofx || format == ImportFormat::Camt;
    m_statement = BankStatement();
    m_statementNote->hide();
    m_createAccount->hide();
    m_qifNote->setText(m_bank ? tr("Bank statements (OFX, QFX, CAMT.053) carry their own dates, "
                                   "payees and amounts: no column mapping is needed.")
                              : tr("QIF files carry their own dates, payees and amounts: no "
                                   "column mapping is needed."));
    showMapping(!m_qif && !m_bank);
    m_previewNote->hide();
    if (m_bank) {
        previewBankFile();
        offerStatementAccount(m_statement);
    } else if (m_qif) {
        previewQif();
    } else {
        previewCsv();
    }
}

void ImportScreen::showMapping(bool visible) {
    m_mapping->setVisible(visible);
    m_qifNote->setVisible(!visible);
}

void ImportScreen::previewCsv() {
    ImportPreview preview;
    if (!preview.readCsv(m_filePath, kPreviewRows)) {
        m_preview->clear();
        m_preview->setRowCount(0);
        m_preview->setColumnCount(0);
        m_previewNote->setText(tr("The file could not be read: %1").arg(preview.errorString()));
        m_previewNote->show();
        return;
    }
    const QList<QStringList> rows = preview.csvRows();
    m_csvPreviewRows = rows;
    if (rows.isEmpty())
        return;
    const QStringList &first = rows.first();
    m_mapping->setFirstRow(first);

    const int columnCount = int(first.size());
    m_preview->clear();
    m_preview->setColumnCount(columnCount);
    m_preview->setRowCount(int(rows.size()));
    QStringList headers;
    for (int column = 0; column < columnCount; ++column)
        headers << tr("Col %1").arg(column);
    m_preview->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &fields = rows.at(row);
        for (int column = 0; column < columnCount && column < fields.size(); ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(fields.at(column)));
    }
    showRuleResults();
}

void ImportScreen::previewQif() {
    ImportPreview preview;
    m_preview->clear();
    m_preview->setRowCount(0);
    if (!preview.readQif(m_filePath, kPreviewRows)) {
        m_preview->setColumnCount(0);
        m_previewNote->setText(tr("The file could not be read: %1").arg(preview.errorString()));
        m_previewNote->show();
        return;
    }
    const QList<QifRecord> records = preview.qifRecords();
    const ImportRuleSet rules = currentRules();
    m_preview->setColumnCount(5);
    m_preview->setHorizontalHeaderLabels(
        {tr("Date"), tr("Payee"), tr("Amount"), tr("Memo"), tr("Category")});
    m_preview->setRowCount(int(records.size()));
    for (int row = 0; row < records.size(); ++row) {
        const QifRecord &record = records.at(row);
        const QString date
            = record.date.isValid() ? RegionalFormat::formatDate(record.date) : tr("(unreadable)");
        const QString amount = record.amountReadable ? formatAmount(record.amount, Currency::USD)
                                                     : tr("(unreadable)");
        Transaction t;
        t.payee = record.payee;
        t.amount = record.amount;
        t.memo = record.memo;
        rules.apply(t);
        const QString category
            = t.categoryId.isEmpty() ? record.category : categoryName(t.categoryId);
        const QString cells[] = {date, t.payee, amount, t.memo, category};
        for (int column = 0; column < 5; ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void ImportScreen::runImport() {
    const QString accountId = m_account->currentData().toString();
    if (m_filePath.isEmpty() || accountId.isEmpty())
        return;

    CsvMapping mapping = m_mapping->mapping();
    mapping.currency = currencyOf(accountId);
    const Currency currency = mapping.currency;
    const QString path = m_filePath;
    const bool qif = m_qif;
    const bool bank = m_bank;

    ImportResult result;
    std::optional<UndoStep> step;
    const BackgroundJob::Outcome outcome = BackgroundJob::run(
        this, m_state, tr("Import Transactions"), tr("Importing transactions..."),
        [&](BackgroundJob::Context &context) {
            TransactionRepository transactions(context.database());
            CategoryRepository categories(context.database());
            ImportService service(&transactions, &categories);
            // The worker's own connection records the import; the step joins the window's
            // history once the job is done.
            UndoStack recorder(context.database());
            service.setUndoStack(&recorder);
            service.setCancelCheck([&context] { return context.isCancelled(); });
            QObject::connect(&service, &ImportService::progressed,
                             [&context](qint64 rows) { context.setProgress(rows); });
            result = bank  ? service.importBankFile(path, accountId)
                     : qif ? service.importQif(path, accountId, currency)
                           : service.importCsv(path, accountId, mapping);
            if (!recorder.undoSteps().isEmpty())
                step = recorder.undoSteps().last();
            return result.error.isEmpty();
        });

    switch (outcome) {
    case BackgroundJob::Outcome::Succeeded: {
        if (step && m_state->undoStack())
            m_state->undoStack()->pushUndo(*step);
        QString summary = tr("Import complete!") + QStringLiteral("\n\n")
                          + tr("%n transaction(s) imported", nullptr, result.imported)
                          + QLatin1Char('\n')
                          + tr("%n duplicate(s) skipped", nullptr, result.duplicates);
        if (result.failed > 0)
            summary += QLatin1Char('\n')
                       + tr("%n row(s) could not be read or stored:", nullptr, result.failed);
        // The failed rows' list follows the summary, so the statement's figures go first.
        const QString statement = statementSummary(result);
        if (result.failed > 0 && !statement.isEmpty())
            summary.insert(summary.lastIndexOf(QLatin1Char('\n')), statement);
        else
            summary += statement;
        showResult(summary, failedRowsText(result));
        break;
    }
    case BackgroundJob::Outcome::Cancelled:
        showResult(tr("Import cancelled.\n\nNothing was imported."));
        break;
    case BackgroundJob::Outcome::Failed: {
        const QString reason = result.error.isEmpty()
                                   ? tr("The database could not be opened for the import.")
                                   : result.error;
        showResult(tr("Import failed.\n\n%1\n\nNothing was imported.").arg(reason));
        break;
    }
    }
}

QString ImportScreen::failedRowsText(const ImportResult &result) {
    QStringList lines;
    for (const ImportResult::FailedRow &row : result.failedRows)
        lines << tr("Line %1: %2").arg(row.line).arg(row.reason);
    const int unlisted = result.failed - int(result.failedRows.size());
    if (unlisted > 0)
        lines << tr("… and %n more row(s)", nullptr, unlisted);
    return lines.join(QLatin1Char('\n'));
}

void ImportScreen::showResult(const QString &text, const QString &failedRows) {
    m_result->setResult(text, failedRows);
    m_pages->setCurrentIndex(ResultPage);
    m_result->doneButton()->setFocus();
}

void ImportScreen::finish() {
    m_pages->setCurrentIndex(FormPage);
    Q_EMIT importCompleted();
}

void ImportScreen::previewBankFile() {
    ImportPreview preview;
    m_preview->clear();
    m_preview->setRowCount(0);
    if (!preview.readBankFile(m_filePath, kPreviewRows)) {
        m_preview->setColumnCount(0);
        m_previewNote->setText(tr("The file could not be read: %1").arg(preview.errorString()));
        m_previewNote->show();
        return;
    }
    if (!preview.statements().isEmpty())
        m_statement = preview.statements().constFirst();
    const Currency currency = currencyOf(m_account->currentData().toString());
    const ImportRuleSet rules = currentRules();
    const QList<BankEntry> entries = preview.bankEntries();
    m_preview->setColumnCount(5);
    m_preview->setHorizontalHeaderLabels(
        {tr("Date"), tr("Payee"), tr("Amount"), tr("Memo"), tr("Category")});
    m_preview->setRowCount(int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        const BankEntry &entry = entries.at(row);
        const std::optional<qint64> amount = tryParseAmount(entry.amount, currency);
        Transaction t;
        t.payee = entry.payee;
        t.amount = amount.value_or(0);
        t.memo = entry.memo;
        rules.apply(t);
        const QString cells[]
            = {entry.date.isValid() ? entry.date.toString(Qt::ISODate) : tr("(unreadable)"),
               t.payee, amount ? formatAmount(*amount, currency) : tr("(unreadable)"), t.memo,
               categoryName(t.categoryId)};
        for (int column = 0; column < 5; ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void ImportScreen::offerStatementAccount(const BankStatement &statement) {
    const QString masked = statement.maskedAccountNumber();
    if (masked.isEmpty())
        return;
    const QString last4 = statement.lastFour();
    for (const Account &account : m_state->ledger()->accounts()) {
        if (account.accountNumberLast4 != last4)
            continue;
        const int index = m_account->findData(account.id);
        if (index >= 0)
            m_account->setCurrentIndex(index);
        m_statementNote->setText(
            tr("The statement is for account %1: %2 is chosen.").arg(masked, account.name));
        m_statementNote->show();
        return;
    }
    m_statementNote->setText(
        tr("The statement is for account %1, which none of your accounts is.").arg(masked));
    m_createAccount->setText(tr("Create Account %1").arg(masked));
    m_statementNote->show();
    m_createAccount->show();
}

void ImportScreen::createStatementAccount() {
    const QString masked = m_statement.maskedAccountNumber();
    if (masked.isEmpty())
        return;
    Account account;
    account.name = tr("Account %1").arg(masked);
    account.accountNumberLast4 = m_statement.lastFour();
    if (!m_statement.currency.isEmpty())
        account.currency = currencyFromString(m_statement.currency);
    if (!m_state->ledger()->createAccount(account, 0, QDate::currentDate())) {
        m_statementNote->setText(tr("The account could not be created."));
        return;
    }
    m_createAccount->hide();
    refresh();
    offerStatementAccount(m_statement);
}

ImportRuleSet ImportScreen::currentRules() const {
    // Exactly as the import will apply them, so that the preview shows what will be stored.
    CategoryRepository *categories = m_state->categoryRepository();
    return ImportRuleSet(m_state->importRuleRepository()->findAll(),
                         m_account->currentData().toString(), [categories](const QString &id) {
                             const std::optional<Category> found = categories->findById(id);
                             return found && !found->deletedAt;
                         });
}

Currency ImportScreen::currencyOf(const QString &accountId) const {
    const std::optional<Account> account = m_state->ledger()->liveAccount(accountId);
    return account ? account->currency : Currency::USD;
}

QString ImportScreen::categoryName(const QString &id) const {
    if (id.isEmpty())
        return QString();
    const std::optional<Category> category = m_state->categoryRepository()->findById(id);
    return category ? category->name : QString();
}

// A CSV file's columns are its own; one more column tells what the rules make of each row.
void ImportScreen::showRuleResults() {
    if (m_filePath.isEmpty())
        return;
    if (m_bank || m_qif) {
        if (m_bank)
            previewBankFile();
        else
            previewQif();
        return;
    }
    const QList<QStringList> &rows = m_csvPreviewRows;
    if (rows.isEmpty())
        return;
    const int columnCount = int(rows.first().size());
    const ImportRuleSet rules = currentRules();
    const CsvMapping mapping = m_mapping->mapping();
    const int payee = mapping.payeeColumn;
    const int amount = mapping.amountColumn;
    if (rules.isEmpty() || payee < 0) {
        m_preview->setColumnCount(columnCount);
        return;
    }
    m_preview->setColumnCount(columnCount + 1);
    m_preview->setHorizontalHeaderItem(columnCount, new QTableWidgetItem(tr("After Rules")));
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &fields = rows.at(row);
        QString text;
        if (!(row == 0 && mapping.hasHeader) && payee < fields.size()) {
            Transaction t;
            t.payee = fields.at(payee);
            t.amount = amount >= 0 && amount < fields.size()
                           ? tryParseAmount(fields.at(amount), Currency::USD).value_or(0)
                           : 0;
            if (rules.apply(t)) {
                QStringList parts{t.payee};
                if (!t.categoryId.isEmpty())
                    parts << categoryName(t.categoryId);
                if (!t.memo.isEmpty())
                    parts << t.memo;
                text = parts.join(QStringLiteral(" · "));
            }
        }
        m_preview->setItem(row, columnCount, new QTableWidgetItem(text));
    }
}

QString ImportScreen::statementSummary(const ImportResult &result) const {
    QString text;
    if (result.transfers > 0)
        text += QLatin1Char('\n')
                + tr("%n linked as transfers to rows in other accounts", nullptr, result.transfers);
    const QString accountId = m_account->currentData().toString();
    const Currency currency = currencyOf(accountId);
    for (const BankStatement &statement : result.statements) {
        if (statement.ledgerBalance.isEmpty())
            continue;
        const std::optional<qint64> ledger = tryParseAmount(statement.ledgerBalance, currency);
        const std::optional<qint64> balance = m_state->accountRepository()->balance(accountId);
        text += QStringLiteral("\n\n")
                + tr("Bank's ledger balance %1 on %2: %3\nAccount balance after import: %4")
                      .arg(statement.maskedAccountNumber(),
                           QLocale().toString(statement.balanceDate, QLocale::ShortFormat),
                           ledger ? formatMoney(*ledger, currency) : statement.ledgerBalance,
                           balance ? formatMoney(*balance, currency) : tr("unknown"));
    }
    return text;
}
