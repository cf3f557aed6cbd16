-- Migration 008: The register's order index carries each row's amount

-- Opening a register computes every running balance but shows only the rows in view. With
-- the amount in the index the balances of an account come from the index alone, in order,
-- instead of one table lookup per row scattered over the whole file; the rows themselves
-- are read a screenful at a time. The index replaces the narrower one of migration 003,
-- whose every use it serves as well.
CREATE INDEX IF NOT EXISTS idx_transactions_live_account_order
    ON transactions(account_id, date, created_at, amount) WHERE deleted_at IS NULL;
DROP INDEX IF EXISTS idx_transactions_live_account_date;
