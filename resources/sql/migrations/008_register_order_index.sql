-- Migration 008: The register's order index carries each row's amount

-- Opening a register computes every running balance but shows only the rows in view. With
-- the amount in the index the balances of an account come from the index alone, in order,
-- instead of one table lookup per row scattered over the whole file; the rows themselves
-- are read a screenful at a time. The index replaces the narrower one of migration 003,
-- whose every use it serves as well. deleted_at is listed (it is NULL throughout) so that a
-- query naming it can still read the index alone.
CREATE INDEX IF NOT EXISTS idx_transactions_live_account_order
    ON transactions(account_id, date, created_at, amount, deleted_at) WHERE deleted_at IS NULL;
DROP INDEX IF EXISTS idx_transactions_live_account_date;

-- The open rows' index gets the same columns and the reconciled flag: it stays the one chosen
-- for the open rows (it holds only them), and their total is read from it alone.
DROP INDEX IF EXISTS idx_transactions_live_unreconciled;
CREATE INDEX IF NOT EXISTS idx_transactions_live_unreconciled
    ON transactions(account_id, date, created_at, amount, deleted_at, reconciled)
    WHERE deleted_at IS NULL AND reconciled = 0;
