-- Migration 007: An index over the open (unreconciled) rows of each account

-- The reconciliation screen lists an account's open rows oldest first. Along the register's
-- index that meant looking up every row of the account in the table to read its reconciled
-- flag; the open rows are usually few, so an index of them alone stays small and is read in
-- order without a sort.
CREATE INDEX IF NOT EXISTS idx_transactions_live_unreconciled
    ON transactions(account_id, date, created_at) WHERE deleted_at IS NULL AND reconciled = 0;
