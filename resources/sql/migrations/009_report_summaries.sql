-- Migration 009: Monthly report summaries kept by triggers

-- A report over years of transactions reads the months the range covers whole from these
-- tables and only the days at its two ends from the transactions themselves. Each live
-- transaction counts in the cell of its month (and account) and its category or payee;
-- money out (amount < 0) and money in (the rest) are kept apart because the reports need
-- them apart. A row without a category counts under the category key ''. A row whose date is
-- not a real "yyyy-MM-dd" day (date() alone lets 30 February through; a modifier makes it
-- count the days) counts under the month '' so that the reader can tell that the
-- summaries cannot stand for it and read the rows instead. The totals have no type: SQLite's
-- + turns into floating point where a 64-bit sum would overflow, and a total that is no
-- longer an integer tells the reader to add the rows up itself.
CREATE TABLE IF NOT EXISTS report_category_months (
    month       TEXT NOT NULL,
    category_id TEXT NOT NULL,
    out_total   NOT NULL DEFAULT 0,
    out_count   INTEGER NOT NULL DEFAULT 0,
    in_total    NOT NULL DEFAULT 0,
    in_count    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (month, category_id)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS report_account_category_months (
    account_id  TEXT NOT NULL,
    month       TEXT NOT NULL,
    category_id TEXT NOT NULL,
    out_total   NOT NULL DEFAULT 0,
    out_count   INTEGER NOT NULL DEFAULT 0,
    in_total    NOT NULL DEFAULT 0,
    in_count    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (account_id, month, category_id)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS report_payee_months (
    month TEXT NOT NULL,
    payee TEXT NOT NULL,
    total NOT NULL DEFAULT 0,
    count INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (month, payee)
) WITHOUT ROWID;

-- Payees are many: over years the months alone would still be thousands of cells a year, so
-- the payees of all accounts are also kept per year.
CREATE TABLE IF NOT EXISTS report_payee_years (
    year  TEXT NOT NULL,
    payee TEXT NOT NULL,
    total NOT NULL DEFAULT 0,
    count INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (year, payee)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS report_account_payee_months (
    account_id TEXT NOT NULL,
    month      TEXT NOT NULL,
    payee      TEXT NOT NULL,
    total      NOT NULL DEFAULT 0,
    count      INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (account_id, month, payee)
) WITHOUT ROWID;

-- Filled row by row rather than with SUM(), which would stop the migration with "integer
-- overflow" on a database whose sums do not fit; the order keeps each cell's page at hand.
INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    SELECT CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m,
           IFNULL(category_id, '') AS c,
           CASE WHEN amount < 0 THEN amount ELSE 0 END, amount < 0,
           CASE WHEN amount < 0 THEN 0 ELSE amount END, amount >= 0
    FROM transactions WHERE deleted_at IS NULL ORDER BY m, c
    ON CONFLICT(month, category_id) DO UPDATE SET out_total = out_total + excluded.out_total,
        out_count = out_count + excluded.out_count, in_total = in_total + excluded.in_total,
        in_count = in_count + excluded.in_count;

INSERT INTO report_account_category_months
        (account_id, month, category_id, out_total, out_count, in_total, in_count)
    SELECT account_id AS a, CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m,
           IFNULL(category_id, '') AS c,
           CASE WHEN amount < 0 THEN amount ELSE 0 END, amount < 0,
           CASE WHEN amount < 0 THEN 0 ELSE amount END, amount >= 0
    FROM transactions WHERE deleted_at IS NULL ORDER BY a, m, c
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;

INSERT INTO report_payee_months (month, payee, total, count)
    SELECT CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m, payee, amount, 1
    FROM transactions WHERE deleted_at IS NULL ORDER BY m, payee
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

INSERT INTO report_payee_years (year, payee, total, count)
    SELECT CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 4) ELSE '' END AS y, payee,
           amount, 1
    FROM transactions WHERE deleted_at IS NULL ORDER BY y, payee
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    SELECT account_id AS a, CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m,
           payee, amount, 1
    FROM transactions WHERE deleted_at IS NULL ORDER BY a, m, payee
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

CREATE TRIGGER IF NOT EXISTS transactions_reports_ai AFTER INSERT ON transactions FOR EACH ROW WHEN new.deleted_at IS NULL BEGIN
    INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    VALUES (CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
            IFNULL(new.category_id, ''),
            CASE WHEN new.amount < 0 THEN new.amount ELSE 0 END, new.amount < 0,
            CASE WHEN new.amount < 0 THEN 0 ELSE new.amount END, new.amount >= 0)
    ON CONFLICT(month, category_id) DO UPDATE SET out_total = out_total + excluded.out_total,
        out_count = out_count + excluded.out_count, in_total = in_total + excluded.in_total,
        in_count = in_count + excluded.in_count;
    INSERT INTO report_account_category_months
        (account_id, month, category_id, out_total, out_count, in_total, in_count)
    VALUES (new.account_id,
            CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
            IFNULL(new.category_id, ''),
            CASE WHEN new.amount < 0 THEN new.amount ELSE 0 END, new.amount < 0,
            CASE WHEN new.amount < 0 THEN 0 ELSE new.amount END, new.amount >= 0)
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;
    INSERT INTO report_payee_months (month, payee, total, count)
    VALUES (CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
            new.payee, new.amount, 1)
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_payee_years (year, payee, total, count)
    VALUES (CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 4) ELSE '' END,
            new.payee, new.amount, 1)
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    VALUES (new.account_id,
            CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
            new.payee, new.amount, 1)
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
END;

CREATE TRIGGER IF NOT EXISTS transactions_reports_ad AFTER DELETE ON transactions FOR EACH ROW WHEN old.deleted_at IS NULL BEGIN
    INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    VALUES (CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
            IFNULL(old.category_id, ''),
            CASE WHEN old.amount < 0 THEN -old.amount ELSE 0 END, -(old.amount < 0),
            CASE WHEN old.amount < 0 THEN 0 ELSE -old.amount END, -(old.amount >= 0))
    ON CONFLICT(month, category_id) DO UPDATE SET out_total = out_total + excluded.out_total,
        out_count = out_count + excluded.out_count, in_total = in_total + excluded.in_total,
        in_count = in_count + excluded.in_count;
    INSERT INTO report_account_category_months
        (account_id, month, category_id, out_total, out_count, in_total, in_count)
    VALUES (old.account_id,
            CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
            IFNULL(old.category_id, ''),
            CASE WHEN old.amount < 0 THEN -old.amount ELSE 0 END, -(old.amount < 0),
            CASE WHEN old.amount < 0 THEN 0 ELSE -old.amount END, -(old.amount >= 0))
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;
    INSERT INTO report_payee_months (month, payee, total, count)
    VALUES (CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
            old.payee, -old.amount, -1)
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_payee_years (year, payee, total, count)
    VALUES (CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 4) ELSE '' END,
            old.payee, -old.amount, -1)
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    VALUES (old.account_id,
            CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
            old.payee, -old.amount, -1)
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
END;

-- Only edits that move a row between cells or change its amount; marking a row cleared or
-- reconciled does not touch the summaries.
CREATE TRIGGER IF NOT EXISTS transactions_reports_au AFTER UPDATE OF amount, date, category_id, payee, account_id, deleted_at ON transactions FOR EACH ROW
WHEN old.amount IS NOT new.amount OR old.date IS NOT new.date OR old.category_id IS NOT new.category_id OR old.payee IS NOT new.payee OR old.account_id IS NOT new.account_id OR old.deleted_at IS NOT new.deleted_at BEGIN
    INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    SELECT CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           IFNULL(old.category_id, ''),
           CASE WHEN old.amount < 0 THEN -old.amount ELSE 0 END, -(old.amount < 0),
           CASE WHEN old.amount < 0 THEN 0 ELSE -old.amount END, -(old.amount >= 0)
    WHERE old.deleted_at IS NULL
    ON CONFLICT(month, category_id) DO UPDATE SET out_total = out_total + excluded.out_total,
        out_count = out_count + excluded.out_count, in_total = in_total + excluded.in_total,
        in_count = in_count + excluded.in_count;
    INSERT INTO report_account_category_months
        (account_id, month, category_id, out_total, out_count, in_total, in_count)
    SELECT old.account_id,
           CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           IFNULL(old.category_id, ''),
           CASE WHEN old.amount < 0 THEN -old.amount ELSE 0 END, -(old.amount < 0),
           CASE WHEN old.amount < 0 THEN 0 ELSE -old.amount END, -(old.amount >= 0)
    WHERE old.deleted_at IS NULL
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;
    INSERT INTO report_payee_months (month, payee, total, count)
    SELECT CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           old.payee, -old.amount, -1
    WHERE old.deleted_at IS NULL
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_payee_years (year, payee, total, count)
    SELECT CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 4) ELSE '' END,
           old.payee, -old.amount, -1
    WHERE old.deleted_at IS NULL
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    SELECT old.account_id,
           CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           old.payee, -old.amount, -1
    WHERE old.deleted_at IS NULL
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

    INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    SELECT CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           IFNULL(new.category_id, ''),
           CASE WHEN new.amount < 0 THEN new.amount ELSE 0 END, new.amount < 0,
           CASE WHEN new.amount < 0 THEN 0 ELSE new.amount END, new.amount >= 0
    WHERE new.deleted_at IS NULL
    ON CONFLICT(month, category_id) DO UPDATE SET out_total = out_total + excluded.out_total,
        out_count = out_count + excluded.out_count, in_total = in_total + excluded.in_total,
        in_count = in_count + excluded.in_count;
    INSERT INTO report_account_category_months
        (account_id, month, category_id, out_total, out_count, in_total, in_count)
    SELECT new.account_id,
           CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           IFNULL(new.category_id, ''),
           CASE WHEN new.amount < 0 THEN new.amount ELSE 0 END, new.amount < 0,
           CASE WHEN new.amount < 0 THEN 0 ELSE new.amount END, new.amount >= 0
    WHERE new.deleted_at IS NULL
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;
    INSERT INTO report_payee_months (month, payee, total, count)
    SELECT CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           new.payee, new.amount, 1
    WHERE new.deleted_at IS NULL
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_payee_years (year, payee, total, count)
    SELECT CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 4) ELSE '' END,
           new.payee, new.amount, 1
    WHERE new.deleted_at IS NULL
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    SELECT new.account_id,
           CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           new.payee, new.amount, 1
    WHERE new.deleted_at IS NULL
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
END;
