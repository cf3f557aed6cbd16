-- Migration 005: Each account's total of live transactions, kept up to date by triggers

-- The sidebar and the account list read every balance from here instead of adding up every
-- transaction. SQLite's + turns into floating point where a 64-bit sum would overflow, so a
-- total that is no longer an integer tells the reader to add the account up itself.
CREATE TABLE IF NOT EXISTS account_live_totals (
    account_id TEXT PRIMARY KEY,
    total      NOT NULL DEFAULT 0
);

INSERT INTO account_live_totals (account_id, total)
    SELECT account_id, amount FROM transactions WHERE deleted_at IS NULL ORDER BY rowid
    ON CONFLICT(account_id) DO UPDATE SET total = total + excluded.total;

CREATE TRIGGER IF NOT EXISTS transactions_totals_ai AFTER INSERT ON transactions FOR EACH ROW WHEN new.deleted_at IS NULL BEGIN
    INSERT INTO account_live_totals (account_id, total) VALUES (new.account_id, new.amount)
    ON CONFLICT(account_id) DO UPDATE SET total = total + excluded.total;
END;

CREATE TRIGGER IF NOT EXISTS transactions_totals_ad AFTER DELETE ON transactions FOR EACH ROW WHEN old.deleted_at IS NULL BEGIN
    INSERT INTO account_live_totals (account_id, total) VALUES (old.account_id, -old.amount)
    ON CONFLICT(account_id) DO UPDATE SET total = total + excluded.total;
END;

CREATE TRIGGER IF NOT EXISTS transactions_totals_au AFTER UPDATE OF account_id, amount, deleted_at ON transactions FOR EACH ROW BEGIN
    INSERT INTO account_live_totals (account_id, total)
    SELECT old.account_id, -old.amount WHERE old.deleted_at IS NULL
    ON CONFLICT(account_id) DO UPDATE SET total = total + excluded.total;
    INSERT INTO account_live_totals (account_id, total)
    SELECT new.account_id, new.amount WHERE new.deleted_at IS NULL
    ON CONFLICT(account_id) DO UPDATE SET total = total + excluded.total;
END;
