-- Migration 011: Money moved between one's own accounts is neither spent nor earned

-- The monthly summaries leave out both legs of a transfer (rows with a transfer link), as the
-- reports that read them do. The triggers are made anew with that condition, and the
-- summaries are filled again from the rows; a row that becomes or stops being a transfer leg
-- moves out of or into them.
DROP TRIGGER IF EXISTS transactions_reports_ai;
DROP TRIGGER IF EXISTS transactions_reports_ad;
DROP TRIGGER IF EXISTS transactions_reports_au;

DELETE FROM report_category_months;
DELETE FROM report_account_category_months;
DELETE FROM report_payee_months;
DELETE FROM report_payee_years;
DELETE FROM report_account_payee_months;

INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    SELECT CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m,
           IFNULL(category_id, '') AS c,
           CASE WHEN amount < 0 THEN amount ELSE 0 END, amount < 0,
           CASE WHEN amount < 0 THEN 0 ELSE amount END, amount >= 0
    FROM transactions WHERE deleted_at IS NULL AND transfer_link_id IS NULL ORDER BY m, c
    ON CONFLICT(month, category_id) DO UPDATE SET out_total = out_total + excluded.out_total,
        out_count = out_count + excluded.out_count, in_total = in_total + excluded.in_total,
        in_count = in_count + excluded.in_count;

INSERT INTO report_account_category_months
        (account_id, month, category_id, out_total, out_count, in_total, in_count)
    SELECT account_id AS a, CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m,
           IFNULL(category_id, '') AS c,
           CASE WHEN amount < 0 THEN amount ELSE 0 END, amount < 0,
           CASE WHEN amount < 0 THEN 0 ELSE amount END, amount >= 0
    FROM transactions WHERE deleted_at IS NULL AND transfer_link_id IS NULL ORDER BY a, m, c
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;

INSERT INTO report_payee_months (month, payee, total, count)
    SELECT CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m, payee, amount, 1
    FROM transactions WHERE deleted_at IS NULL AND transfer_link_id IS NULL ORDER BY m, payee
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

INSERT INTO report_payee_years (year, payee, total, count)
    SELECT CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 4) ELSE '' END AS y, payee,
           amount, 1
    FROM transactions WHERE deleted_at IS NULL AND transfer_link_id IS NULL ORDER BY y, payee
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    SELECT account_id AS a, CASE WHEN date(date, '+0 days') IS date THEN substr(date, 1, 7) ELSE '' END AS m,
           payee, amount, 1
    FROM transactions WHERE deleted_at IS NULL AND transfer_link_id IS NULL ORDER BY a, m, payee
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

CREATE TRIGGER IF NOT EXISTS transactions_reports_ai AFTER INSERT ON transactions FOR EACH ROW WHEN new.deleted_at IS NULL AND new.transfer_link_id IS NULL BEGIN
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

CREATE TRIGGER IF NOT EXISTS transactions_reports_ad AFTER DELETE ON transactions FOR EACH ROW WHEN old.deleted_at IS NULL AND old.transfer_link_id IS NULL BEGIN
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

CREATE TRIGGER IF NOT EXISTS transactions_reports_au AFTER UPDATE OF amount, date, category_id, payee, account_id, deleted_at, transfer_link_id ON transactions FOR EACH ROW
WHEN old.amount IS NOT new.amount OR old.date IS NOT new.date OR old.category_id IS NOT new.category_id OR old.payee IS NOT new.payee OR old.account_id IS NOT new.account_id OR old.deleted_at IS NOT new.deleted_at OR old.transfer_link_id IS NOT new.transfer_link_id BEGIN
    INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    SELECT CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           IFNULL(old.category_id, ''),
           CASE WHEN old.amount < 0 THEN -old.amount ELSE 0 END, -(old.amount < 0),
           CASE WHEN old.amount < 0 THEN 0 ELSE -old.amount END, -(old.amount >= 0)
    WHERE old.deleted_at IS NULL AND old.transfer_link_id IS NULL
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
    WHERE old.deleted_at IS NULL AND old.transfer_link_id IS NULL
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;
    INSERT INTO report_payee_months (month, payee, total, count)
    SELECT CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           old.payee, -old.amount, -1
    WHERE old.deleted_at IS NULL AND old.transfer_link_id IS NULL
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_payee_years (year, payee, total, count)
    SELECT CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 4) ELSE '' END,
           old.payee, -old.amount, -1
    WHERE old.deleted_at IS NULL AND old.transfer_link_id IS NULL
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    SELECT old.account_id,
           CASE WHEN date(old.date, '+0 days') IS old.date THEN substr(old.date, 1, 7) ELSE '' END,
           old.payee, -old.amount, -1
    WHERE old.deleted_at IS NULL AND old.transfer_link_id IS NULL
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;

    INSERT INTO report_category_months (month, category_id, out_total, out_count, in_total, in_count)
    SELECT CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           IFNULL(new.category_id, ''),
           CASE WHEN new.amount < 0 THEN new.amount ELSE 0 END, new.amount < 0,
           CASE WHEN new.amount < 0 THEN 0 ELSE new.amount END, new.amount >= 0
    WHERE new.deleted_at IS NULL AND new.transfer_link_id IS NULL
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
    WHERE new.deleted_at IS NULL AND new.transfer_link_id IS NULL
    ON CONFLICT(account_id, month, category_id) DO UPDATE SET
        out_total = out_total + excluded.out_total, out_count = out_count + excluded.out_count,
        in_total = in_total + excluded.in_total, in_count = in_count + excluded.in_count;
    INSERT INTO report_payee_months (month, payee, total, count)
    SELECT CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           new.payee, new.amount, 1
    WHERE new.deleted_at IS NULL AND new.transfer_link_id IS NULL
    ON CONFLICT(month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_payee_years (year, payee, total, count)
    SELECT CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 4) ELSE '' END,
           new.payee, new.amount, 1
    WHERE new.deleted_at IS NULL AND new.transfer_link_id IS NULL
    ON CONFLICT(year, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
    INSERT INTO report_account_payee_months (account_id, month, payee, total, count)
    SELECT new.account_id,
           CASE WHEN date(new.date, '+0 days') IS new.date THEN substr(new.date, 1, 7) ELSE '' END,
           new.payee, new.amount, 1
    WHERE new.deleted_at IS NULL AND new.transfer_link_id IS NULL
    ON CONFLICT(account_id, month, payee) DO UPDATE SET total = total + excluded.total,
        count = count + excluded.count;
END;
