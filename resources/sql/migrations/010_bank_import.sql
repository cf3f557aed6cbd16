-- Migration 010: Bank references of imported rows, import rules

-- The bank's own id of an imported row (an OFX FITID, a CAMT.053 entry reference). A file
-- imported again, or one whose dates overlap an earlier one, finds its rows by it; two
-- equal purchases on one day stay two rows because their ids differ.
ALTER TABLE transactions ADD COLUMN bank_reference TEXT;

CREATE INDEX IF NOT EXISTS idx_transactions_bank_reference
    ON transactions(account_id, bank_reference)
    WHERE bank_reference IS NOT NULL AND deleted_at IS NULL;

-- An import looks for the other leg of a transfer by amount and a few days around the date
-- among the rows no transfer claims yet.
CREATE INDEX IF NOT EXISTS idx_transactions_unlinked_amount
    ON transactions(amount, date) WHERE transfer_link_id IS NULL AND deleted_at IS NULL;

-- What an import does to the rows it brings in, tried in position order. A rule matches a
-- row's payee as the bank wrote it (match_kind 'contains', 'is' or 'starts_with', without
-- regard to case), optionally only within an amount range (minor units, both ends included)
-- and for one account; it sets whichever of payee, category and memo it names.
CREATE TABLE IF NOT EXISTS import_rules (
    id              TEXT PRIMARY KEY,
    position        INTEGER NOT NULL DEFAULT 0,
    match_kind      TEXT NOT NULL DEFAULT 'contains',
    match_text      TEXT NOT NULL,
    min_amount      INTEGER,
    max_amount      INTEGER,
    account_id      TEXT,
    set_payee       TEXT,
    set_category_id TEXT,
    set_memo        TEXT,
    created_at      TEXT NOT NULL,
    updated_at      TEXT NOT NULL
);
