-- Migration 013: The command line's last change, for quillon-cli undo

-- Each run of the command line is a session of its own, so the one change "undo" can take
-- back is kept here between runs: its name and the rows it touched (as UndoStack images,
-- serialised), at most one row. Not part of the books: neither synced nor backed up.
CREATE TABLE IF NOT EXISTS cli_last_change (
    id          INTEGER PRIMARY KEY CHECK (id = 1),
    label       TEXT NOT NULL,
    step        BLOB NOT NULL,
    recorded_at TEXT NOT NULL
);
