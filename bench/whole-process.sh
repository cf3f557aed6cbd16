#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

# Runs quillon-cli as a user would, one whole process per command, beside the sqlite3 shell
# running equivalent SQL on the same file, and prints wall time, peak memory and the ratios
# (median of --runs runs). See the README's development section.

set -euo pipefail

usage() {
    cat <<'EOF'
usage: bench/whole-process.sh [options]
  --build DIR     build directory with cli/quillon-cli and bench/quillon-gendb (default: build)
  --work DIR      where databases, archives and files go (default: /tmp/quillon-whole-process)
  --db-100k PATH  use this 100,000-transaction database instead of generating one
  --db-1m PATH    use this 1,000,000-transaction database instead of generating one
  --db-1m-one PATH  the same with every transaction in one account (gendb --one-account)
  --sizes LIST    which databases to list and report on (default: "100k 1m 1m-one"; in
                  1m the longest register has 100,000 rows, in 1m-one 1,000,000)
  --only LIST     run only these groups: listings backup import (default: all)
  --cli PATH      the quillon-cli to measure (default: the build directory's), e.g. an older
                  build for a before/after comparison
  --runs N        runs per command, the median is printed (default: 3)
Generated databases are kept in the work directory and reused by the next run.
EOF
}

BUILD=build
WORK=/tmp/quillon-whole-process
DB_100K=
DB_1M=
DB_1M_ONE=
SIZES="100k 1m 1m-one"
ONLY="listings backup import"
RUNS=3
CLI=
while [ $# -gt 0 ]; do
    case "$1" in
    --build) BUILD=$2; shift 2 ;;
    --work) WORK=$2; shift 2 ;;
    --db-100k) DB_100K=$2; shift 2 ;;
    --db-1m) DB_1M=$2; shift 2 ;;
    --db-1m-one) DB_1M_ONE=$2; shift 2 ;;
    --sizes) SIZES=$2; shift 2 ;;
    --only) ONLY=$2; shift 2 ;;
    --runs) RUNS=$2; shift 2 ;;
    --cli) CLI=$2; shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
done

CLI=$(realpath "${CLI:-$BUILD/cli/quillon-cli}")
GENDB=$(realpath "$BUILD/bench/quillon-gendb")
for tool in "$CLI" "$GENDB" /usr/bin/time sqlite3; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
mkdir -p "$WORK"
WORK=$(realpath "$WORK")
RESULTS="$WORK/results.tsv"
: >"$RESULTS"

# A data directory whose quillon.db is the given database (a hard link when it can be, so
# nothing is copied; the commands measured here only read it).
data_dir_for() { # size source
    local dir="$WORK/data-$1"
    mkdir -p "$dir"
    if [ ! -e "$dir/quillon.db" ]; then
        ln "$2" "$dir/quillon.db" 2>/dev/null || cp "$2" "$dir/quillon.db"
    fi
    # Untimed: brings the file to the program's schema and warms the page cache.
    QUILLON_DATA_DIR=$dir "$CLI" accounts >/dev/null
    echo "$dir"
}

database_for() { # size -> path of the database of that size
    local size=$1 given count options=
    case "$size" in
    100k) given=$DB_100K; count=100000 ;;
    1m) given=$DB_1M; count=1000000 ;;
    1m-one) given=$DB_1M_ONE; count=1000000; options=--one-account ;;
    *) echo "unknown size $size" >&2; exit 2 ;;
    esac
    if [ -n "$given" ]; then
        echo "$given"
        return
    fi
    local path="$WORK/generated-$size.db"
    if [ ! -e "$path" ]; then
        echo "generating $path ($count transactions)..." >&2
        # shellcheck disable=SC2086 # no options is no argument
        "$GENDB" --transactions "$count" $options "$path" >&2
    fi
    echo "$path"
}

# Runs a command RUNS times under /usr/bin/time -v, prints "seconds kib" of the median run.
# A setup command, when given, runs untimed before every run.
measure() { # setup command...
    local setup=$1; shift
    local i times=() peaks=()
    for ((i = 0; i < RUNS; i++)); do
        [ -n "$setup" ] && eval "$setup"
        /usr/bin/time -v -o "$WORK/time.txt" "$@" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" || {
            echo "failed: $*" >&2
            cat "$WORK/stderr.txt" >&2
            exit 1
        }
        local wall peak
        wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$WORK/time.txt" \
            | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
        peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$WORK/time.txt")
        times+=("$wall")
        peaks+=("$peak")
    done
    local mid=$((RUNS / 2))
    echo "$(printf '%s\n' "${times[@]}" | sort -g | sed -n "$((mid + 1))p")" \
        "$(printf '%s\n' "${peaks[@]}" | sort -g | sed -n "$((mid + 1))p")"
}

# One line of the table: quillon-cli beside the shell.
compare() { # name ours-setup ours-command shell-setup shell-command
    local name=$1 ours shell
    echo "running $name..." >&2
    ours=$(measure "$2" bash -c "$3")
    shell=$(measure "$4" bash -c "$5")
    # shellcheck disable=SC2086 # "seconds kib" of each side
    printf '%s\t%s\t%s\t%s\t%s\n' "$name" $ours $shell >>"$RESULTS"
}

run_listings() { # size
    local size=$1 db dir account word
    db=$(database_for "$size")
    dir=$(data_dir_for "$size" "$db")
    # The biggest register: the account with the most live transactions.
    account=$(sqlite3 "$dir/quillon.db" "SELECT account_id FROM transactions WHERE deleted_at IS
        NULL GROUP BY account_id ORDER BY COUNT(*) DESC LIMIT 1")
    word=$(sqlite3 "$dir/quillon.db" "SELECT payee FROM transactions WHERE payee GLOB '[A-Za-z]*'
        LIMIT 1" | cut -d' ' -f1)
    local env="QUILLON_DATA_DIR=$dir"
    compare "register csv ($size)" "" "$env $CLI register $account --format csv >/dev/null" "" \
        "sqlite3 -csv $dir/quillon.db \"SELECT t.date, t.check_number, t.payee, c.name, t.memo,
        t.amount, t.cleared, SUM(t.amount) OVER (ORDER BY t.date, t.created_at ROWS UNBOUNDED
        PRECEDING) + (SELECT starting_balance FROM accounts WHERE id = '$account') FROM
        transactions t LEFT JOIN categories c ON t.category_id = c.id WHERE t.account_id =
        '$account' AND t.deleted_at IS NULL ORDER BY t.date, t.created_at\" >/dev/null"
    compare "search '$word' ($size)" "" "$env $CLI search '$word' --format csv >/dev/null" "" \
        "sqlite3 -csv $dir/quillon.db \"SELECT t.date, t.account_id, t.check_number, t.payee,
        c.name, t.memo, t.amount, t.cleared FROM transactions t JOIN transactions_fts fts ON
        fts.rowid = t.rowid LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS
        NULL AND transactions_fts MATCH '$word' ORDER BY t.date DESC, t.created_at DESC LIMIT
        200\" >/dev/null"
    # The shell reads the table straight through (a plain scan) for the same query.
    compare "category spending, all time ($size)" "" \
        "$env $CLI report category-spending --from 1900-01-01 --to 2999-12-31 --format csv \
        >/dev/null" "" \
        "sqlite3 -csv $dir/quillon.db \"SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount)
        FROM transactions t NOT INDEXED LEFT JOIN categories c ON t.category_id = c.id WHERE
        t.deleted_at IS NULL AND t.amount < 0 AND t.date >= '1900-01-01' AND t.date <= '2999-12-31' GROUP BY
        COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC\" >/dev/null"
}

run_backup() {
    local db dir restore
    db=$(database_for 100k)
    dir=$(data_dir_for 100k "$db")
    restore="$WORK/restore"
    compare "backup export (100k)" "rm -f $WORK/backup.zip" \
        "QUILLON_DATA_DIR=$dir $CLI backup export $WORK/backup.zip >/dev/null" \
        "rm -f $WORK/shell-export.json" \
        "sqlite3 $dir/quillon.db \"SELECT json_object('id', id, 'account_id', account_id, 'date',
        date, 'payee', payee, 'memo', memo, 'amount', amount, 'category_id', category_id,
        'created_at', created_at, 'updated_at', updated_at) FROM transactions\"
        >$WORK/shell-export.json"
    # Restore into an empty database that already has the schema.
    local fresh="rm -rf $restore && mkdir -p $restore \
        && QUILLON_DATA_DIR=$restore $CLI accounts >/dev/null"
    compare "backup restore (100k)" "$fresh" \
        "QUILLON_DATA_DIR=$restore $CLI backup import $WORK/backup.zip --mode replace >/dev/null" \
        "$fresh" \
        "sqlite3 $restore/quillon.db \"ATTACH '$dir/quillon.db' AS s; BEGIN; INSERT INTO accounts
        SELECT * FROM s.accounts; INSERT INTO categories SELECT * FROM s.categories WHERE id NOT
        IN (SELECT id FROM categories); INSERT INTO transactions SELECT * FROM s.transactions;
        COMMIT;\""
}

run_import() {
    local db dir rows target
    db=$(database_for 100k)
    dir=$(data_dir_for 100k "$db")
    target="$WORK/import"
    for rows in 10000 100000; do
        local csv="$WORK/import-$rows.csv"
        sqlite3 -csv -header "$dir/quillon.db" "SELECT strftime('%m/%d/%Y', date) AS Date,
            payee AS Payee, printf('%.2f', amount / 100.0) AS Amount, memo AS Memo FROM
            transactions LIMIT $rows" >"$csv"
        local fresh="rm -rf $target && mkdir -p $target \
            && QUILLON_DATA_DIR=$target $CLI account add --name Import >/dev/null"
        compare "csv import $rows rows" "$fresh" \
            "QUILLON_DATA_DIR=$target $CLI import csv $csv --account Import --memo-column 3 \
            >/dev/null" \
            "$fresh" \
            "sqlite3 $target/quillon.db \"CREATE TABLE staged(c1, c2, c3, c4)\" \".import --csv --skip 1 $csv staged\" \"BEGIN;
            INSERT INTO transactions (id, account_id, date, payee, memo, amount, version,
            sync_status, created_at, updated_at) SELECT lower(hex(randomblob(16))), (SELECT id
            FROM accounts WHERE name = 'Import'), substr(c1, 7, 4) || '-' || substr(c1, 1, 2) ||
            '-' || substr(c1, 4, 2), c2, c4, CAST(round(c3 * 100) AS INTEGER), 1, 'pending',
            strftime('%Y-%m-%dT%H:%M:%SZ'), strftime('%Y-%m-%dT%H:%M:%SZ') FROM staged;
            DROP TABLE staged; COMMIT;\""
    done
}

for group in $ONLY; do
    case "$group" in
    listings) for size in $SIZES; do run_listings "$size"; done ;;
    backup) run_backup ;;
    import) run_import ;;
    *) echo "unknown group $group" >&2; exit 2 ;;
    esac
done

echo
printf '%-40s %10s %10s %10s %10s %8s %8s\n' command "ours s" "ours MiB" "shell s" "shell MiB" \
    "time x" "mem x"
awk -F'\t' '{
    printf "%-40s %10.2f %10.1f %10.2f %10.1f %8.1f %8.1f\n", $1, $2, $3 / 1024, $4, $5 / 1024,
        ($4 > 0 ? $2 / $4 : 0), ($5 > 0 ? $3 / $5 : 0)
}' "$RESULTS"
