-- Migration 006: A covering index for the reports over live transactions

-- Every report reads a date range of live transactions and only these columns, so a range
-- of any length is read from the index alone, in one pass, without looking each row up in
-- the table (deleted_at is listed so that the queries that name it can stay in the index).
CREATE INDEX IF NOT EXISTS idx_transactions_live_date_report
    ON transactions(date, amount, category_id, account_id, payee, deleted_at)
    WHERE deleted_at IS NULL;
