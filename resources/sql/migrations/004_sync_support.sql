-- Migration 004: Sync lookups and the records a pull had to hold back

-- A pulled record is matched by its server id when its client id is unknown here.
CREATE INDEX IF NOT EXISTS idx_accounts_server_id ON accounts(server_id);
CREATE INDEX IF NOT EXISTS idx_categories_server_id ON categories(server_id);
CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_recurring_transactions_server_id ON recurring_transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_reconciliations_server_id ON reconciliations(server_id);

-- Pulled records that refer to a row this device does not have yet (an account or category
-- that comes on a later page). The cursor moves on, so they wait here, as received, until
-- that row arrives.
CREATE TABLE IF NOT EXISTS sync_held_records (
    entity_type   TEXT NOT NULL,
    record_key    TEXT NOT NULL,
    payload       TEXT NOT NULL,
    missing_table TEXT NOT NULL,
    missing_id    TEXT NOT NULL,
    held_at       TEXT NOT NULL,
    PRIMARY KEY (entity_type, record_key)
);

-- Marking a row synced (and every other update that leaves the searchable texts alone) no
-- longer rewrites its full-text entry.
DROP TRIGGER IF EXISTS transactions_au;
CREATE TRIGGER IF NOT EXISTS transactions_au AFTER UPDATE OF payee, memo, check_number ON transactions FOR EACH ROW BEGIN
    INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number)
    VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);
    INSERT INTO transactions_fts(rowid, payee, memo, check_number)
    VALUES (new.rowid, new.payee, new.memo, new.check_number);
END;
