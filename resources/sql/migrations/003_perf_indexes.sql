-- Migration 003: Indexes over live transactions for the register, payees and balances

-- The register of one account, oldest first, and its earliest date.
CREATE INDEX IF NOT EXISTS idx_transactions_live_account_date
    ON transactions(account_id, date, created_at) WHERE deleted_at IS NULL;

-- The payee list (read from the index alone) and the payee autofill.
CREATE INDEX IF NOT EXISTS idx_transactions_live_payee
    ON transactions(payee, account_id, date, created_at) WHERE deleted_at IS NULL;

-- Account balances and the account summary, summed from the index alone (deleted_at is
-- listed so that a join that names it can still read only the index).
CREATE INDEX IF NOT EXISTS idx_transactions_live_account_amount
    ON transactions(account_id, cleared, amount, deleted_at) WHERE deleted_at IS NULL;
