-- Migration 012: Monthly budgets per category

-- One amount per category and month ("yyyy-MM"), in minor units. rollover carries what is
-- left of that month into the next. A category has at most one live budget a month; a
-- cleared budget stays as a deleted row so that sync can carry the removal, and setting it
-- again brings that row back rather than making a second one.
CREATE TABLE IF NOT EXISTS budgets (
    id          TEXT PRIMARY KEY,
    category_id TEXT NOT NULL REFERENCES categories(id),
    month       TEXT NOT NULL,
    amount      INTEGER NOT NULL,
    rollover    INTEGER NOT NULL DEFAULT 0,
    version     INTEGER NOT NULL DEFAULT 1,
    sync_status TEXT NOT NULL DEFAULT 'pending',
    server_id   TEXT,
    created_at  TEXT NOT NULL,
    updated_at  TEXT NOT NULL,
    deleted_at  TEXT
);

CREATE UNIQUE INDEX IF NOT EXISTS idx_budgets_month_category ON budgets(month, category_id)
    WHERE deleted_at IS NULL;
CREATE INDEX IF NOT EXISTS idx_budgets_category_month ON budgets(category_id, month);
