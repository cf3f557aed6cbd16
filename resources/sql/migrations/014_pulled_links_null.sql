-- Migration 014: Pulled transactions without a transfer link stored NULL, not ''

-- Rows pulled from the sync server kept an absent transfer link, transfer account or recurring
-- rule as '' where a row made here keeps NULL. The report summaries count only rows whose
-- transfer link IS NULL, so every pulled transaction was missing from the reports of the device
-- that pulled it. The summary triggers follow the update and count the rows in.
UPDATE transactions SET transfer_link_id = NULL WHERE transfer_link_id = '';
UPDATE transactions SET transfer_dest_account_id = NULL WHERE transfer_dest_account_id = '';
UPDATE transactions SET recurring_id = NULL WHERE recurring_id = '';
