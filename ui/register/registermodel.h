// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/database.h"
#include "storage/enums.h"
#include "storage/registerrow.h"
#include "ui/presentation/registerentry.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TransactionRepository;

// One account's register: its rows with running balances, plus the always-present new-entry
// row, and the text of the row being typed. The typed text lives here rather than in the
// editors so that a reload (a save elsewhere, a sync) never loses it.
class RegisterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DateColumn = 0,
        CheckColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClrColumn,
        BalanceColumn,
        ColumnCount
    };
    enum Role {
        TransactionIdRole = Qt::UserRole + 1,
        AmountRole,         // signed cents
        RunningBalanceRole, // signed cents
        IsNewEntryRole,
        IsReadOnlyRole, // the synthetic opening-balance row
        CategoryIdRole, // the category of the row, or of the text being typed for it
    };

    using EditBuffer = RegisterEntry::Text;

    explicit RegisterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Replaces the rows. The typed text survives: when a data row was being edited it stays
    // the edited row (found again by its id); when it is gone the buffer is cleared.
    void setRows(const QList<RegisterRow> &rows, bool newestFirst);
    // The same for a register read as its order and balances alone: each row is read from
    // source when it is first shown or asked for, with the rows around it, so that opening
    // a register of a hundred thousand rows reads a screenful of them. source must outlive
    // the rows (or the next setRows).
    void setRows(const RegisterEntries &entries, const TransactionRepository *source,
                 bool newestFirst);
    // The stored rows, the new-entry row not counted.
    int dataRowCount() const { return int(m_slots.size()); }
    bool newestFirst() const { return m_newestFirst; }

    // A saved row put back without reading the register again. updateRow takes an edited
    // row whose date (and so whose place) is unchanged and carries a changed amount down the
    // balances after it; appendRow takes a new row that sorts after every other. Both return
    // false when the rows must be read again instead.
    bool updateRow(const RegisterRow &row);
    bool appendRow(const RegisterRow &row);
    // After updateRow or appendRow of a row this register saved: the database's write marks
    // taken before the save and after the patch. Unless another program committed in
    // between, the rows are then the database as it stands at after.
    void notePatched(const Database::WriteMark &before, const Database::WriteMark &after);
    // True when the rows are known to be the database at mark: nothing at all was written
    // since this register put its own save in place, so the notice of that save (or any
    // other reason to read again) has nothing new to read.
    bool isCurrentAt(const Database::WriteMark &mark) const { return m_patchedAt == mark; }

    bool twoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine);

    int newEntryRow() const;
    bool isNewEntryRow(int row) const { return row == newEntryRow(); }
    // The data row behind a model row, or -1 for the new-entry row and rows out of range.
    int dataRow(int modelRow) const;
    int modelRow(int dataRow) const;
    const RegisterRow *rowAt(int modelRow) const;
    // The model row holding this transaction id, or -1.
    int rowOfId(const QString &id) const;
    // The synthetic opening-balance row is shown, never stored: it cannot be edited.
    bool isReadOnlyRow(int modelRow) const;

    // -1 when the buffer belongs to the new-entry row.
    int editingRow() const { return m_editingRow; }
    void setEditingRow(int modelRow);
    const EditBuffer &buffer() const { return m_buffer; }
    void setCategory(const QString &text, const QString &id);
    void setBufferField(int column, const QString &text);
    // True when the buffer holds anything typed beyond the date.
    bool hasTypedText() const;
    // True when the buffer holds text not yet saved: a changed field of a loaded row, or
    // anything typed into the new-entry row.
    bool isDirty() const { return m_dirty && (m_editingRow >= 0 || hasTypedText()); }
    // Empties the buffer; the date becomes the last date used, else today.
    void clearEntry();
    void loadEntry(int modelRow);
    QString lastDateUsed() const { return m_lastDateUsed; }
    void setLastDateUsed(const QString &text) { m_lastDateUsed = text; }

    // The balance after the newest row, or startingBalance when there are no rows.
    qint64 endingBalance(qint64 startingBalance) const;

    // The currency of the account shown: its amount cells show and read its decimals.
    Currency currency() const { return m_currency; }
    void setCurrency(Currency currency);
    QString amountText(qint64 amount) const;

    // The form the register shows and reads a date in (see DateInput): a two-digit year is
    // the nearest such year, as in every other date field.
    static QString dateText(const QDate &date);
    static QDate parseDateText(const QString &text);

Q_SIGNALS:
    // A row read when the register was opened is gone from the database (deleted elsewhere,
    // its notice not handled yet): it shows empty and read-only, and the rows should be read
    // again. Queued, once per setRows.
    void rowsOutdated();

private:
    struct Slot {
        qint64 rowId = 0;
        qint64 balance = 0; // the account balance after this row
    };
    using LoadedRows = std::vector<std::unique_ptr<RegisterRow>>;

    QString bufferText(int column) const;
    void emitRowChanged(int modelRow);
    void replaceRows(QList<Slot> order, LoadedRows loaded, const TransactionRepository *source,
                     const QString &sourceAccountId, bool newestFirst);
    // The row at a data position, read (with its neighbours) when it was not yet; never null
    // for a position in range.
    RegisterRow *loadedRow(int dataRow) const;
    void readAround(int dataRow) const;

    // One per stored row, in the order shown.
    QList<Slot> m_slots;
    // The rows read so far, at the same positions; null where not read yet.
    mutable LoadedRows m_loaded;
    const TransactionRepository *m_source = nullptr; // Not owned; null when all rows were given.
    QString m_sourceAccountId;
    mutable bool m_outdatedNoted = false;
    bool m_newestFirst = false;
    bool m_twoLine = false;
    Currency m_currency = Currency::USD;
    int m_editingRow = -1;
    // The database as the rows show it after this register's own patch; invalid (never
    // equal) once the rows were replaced or patched without a note.
    Database::WriteMark m_patchedAt;
    EditBuffer m_buffer;
    QString m_lastDateUsed;
    bool m_dirty = false;
};
