#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

# The sync server as devices meet it, on loopback: the first sync of a generated database
# (push from one device, then pull onto an empty second one), an incremental sync of one
# change, and many devices polling empty pulls at once: as fast as they can (wrk, which
# measures capacity) and at a steady 2,000 a second (bench/pull-load.py, which measures
# latency). Prints wall times, the pull rate and latency, and the server's peak memory.
# Runs inside its own D-Bus session with a throw-away keyring, where quillon-cli keeps its
# sign-in.
#   bench/server-bench.sh [--build DIR] [--transactions N] [--postgres] [--connections C]
# --postgres runs the server on the database QUILLON_TEST_PG_URL names, or on a throw-away
# cluster (scripts/with-postgres) when it is unset.
set -euo pipefail

BUILD=build
TRANSACTIONS=100000
CONNECTIONS=200
POSTGRES=0
while (($#)); do
    case $1 in
    --build) BUILD=$2; shift 2 ;;
    --transactions) TRANSACTIONS=$2; shift 2 ;;
    --connections) CONNECTIONS=$2; shift 2 ;;
    --postgres) POSTGRES=1; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
BUILD=$(cd "$BUILD" && pwd)
HERE=$(cd "$(dirname "$0")/.." && pwd)

if ((POSTGRES)) && [[ -z "${QUILLON_TEST_PG_URL:-}" ]]; then
    exec "$HERE/scripts/with-postgres" "$0" --build "$BUILD" --transactions "$TRANSACTIONS" \
        --connections "$CONNECTIONS" --postgres
fi
if [[ -z "${QUILLON_BENCH_IN_SESSION:-}" ]]; then
    export QUILLON_BENCH_IN_SESSION=1
    KEYRING=$(mktemp -d)
    trap 'rm -rf "$KEYRING"' EXIT
    mkdir -p "$KEYRING/run" && chmod 700 "$KEYRING/run"
    args=(--build "$BUILD" --transactions "$TRANSACTIONS" --connections "$CONNECTIONS")
    ((POSTGRES)) && args+=(--postgres)
    XDG_DATA_HOME=$KEYRING/data XDG_CONFIG_HOME=$KEYRING/config XDG_RUNTIME_DIR=$KEYRING/run \
        dbus-run-session -- bash -c 'printf "pw\n" | gnome-keyring-daemon --replace --unlock \
            --components=secrets >/dev/null 2>&1; exec "$0" "$@"' "$0" "${args[@]}"
    exit $?
fi

WORK=$(mktemp -d /tmp/quillon-server-bench.XXXXXX)
SERVER_PID=
cleanup() {
    [[ -n "$SERVER_PID" ]] && kill "$SERVER_PID" 2>/dev/null && wait "$SERVER_PID" 2>/dev/null
    [[ -n "${KEEP_WORK:-}" ]] || rm -rf "$WORK"
}
trap cleanup EXIT

if ((POSTGRES)); then
    STORE=(--database "$QUILLON_TEST_PG_URL")
    echo "store: PostgreSQL"
else
    STORE=(--data "$WORK/server")
    echo "store: SQLite"
fi
SERVER=$BUILD/server/quillon-server
CLI=$BUILD/cli/quillon-cli
USER_ID=bench-$RANDOM$RANDOM

"$SERVER" serve "${STORE[@]}" --listen 127.0.0.1:0 --threads 4 \
    >"$WORK/server.out" 2>"$WORK/server.err" &
SERVER_PID=$!
for _ in $(seq 100); do grep -q listening "$WORK/server.out" && break; sleep 0.1; done
URL=$(sed -n 's/^listening on \(http[^ ]*\)\/quillon\/v1$/\1/p' "$WORK/server.out")
[[ -n "$URL" ]] || { cat "$WORK/server.err"; exit 1; }
# One file for both devices: each signs in to a session of its own with it.
"$SERVER" token "${STORE[@]}" --user "$USER_ID" >"$WORK/tokens.json"

export QUILLON_SERVER=$URL
unset AUTH_BASE_URL ACCOUNT_API_URL SYNC_API_URL
cli() { QUILLON_DATA_DIR=$WORK/$1 "$CLI" "${@:2}"; }
seconds() { local start=$1; echo "scale=2; ($(date +%s%N) - $start) / 1000000000" | bc; }

mkdir -p "$WORK/one" "$WORK/two"
"$BUILD/bench/quillon-gendb" --transactions "$TRANSACTIONS" "$WORK/one/quillon.db" >/dev/null
# Every row as never synced: the first sync pushes them all.
sqlite3 "$WORK/one/quillon.db" "UPDATE accounts SET sync_status = 'pending', server_id = NULL;
    UPDATE categories SET sync_status = 'pending', server_id = NULL;
    UPDATE transactions SET sync_status = 'pending', server_id = NULL;"
cli one login --token-file "$WORK/tokens.json" >/dev/null
cli two login --token-file "$WORK/tokens.json" >/dev/null

start=$(date +%s%N)
cli one sync
echo "first sync, push of $TRANSACTIONS transactions: $(seconds "$start") s"
start=$(date +%s%N)
cli two sync
echo "first sync, pull onto an empty device: $(seconds "$start") s"

cli one add "$(sqlite3 "$WORK/one/quillon.db" "SELECT name FROM accounts ORDER BY name LIMIT 1")" \
    --date 2026-01-15 --payee "One more" --amount -1.00 >/dev/null
start=$(date +%s%N)
cli one sync >/dev/null
echo "incremental sync of one change, push (whole process): $(seconds "$start") s"
start=$(date +%s%N)
cli two sync >/dev/null
echo "incremental sync of one change, pull (whole process): $(seconds "$start") s"

ACCESS=$(sed -n 's/.*"access_token":"\([^"]*\)".*/\1/p' "$WORK/tokens.json")
CURSOR=$(curl -s -H "Authorization: Bearer $ACCESS" "$URL/quillon/v1/sync/pull?limit=1" \
    | sed -n 's/.*"server_time":"\([^"]*\)".*/\1/p')
CURSOR=$(curl -s -H "Authorization: Bearer $ACCESS" \
    "$URL/quillon/v1/sync/pull?limit=200&since=$CURSOR" >/dev/null; \
    sqlite3 "$WORK/two/quillon.db" "SELECT value FROM preferences WHERE key = 'lastSyncTimestamp'")
cat >"$WORK/pull.lua" <<LUA
wrk.headers["Authorization"] = "Bearer $ACCESS"
wrk.headers["Accept"] = "application/json"
LUA
echo "empty pulls, $CONNECTIONS connections, 10 s:"
wrk -t2 -c"$CONNECTIONS" -d10s --latency -s "$WORK/pull.lua" \
    "$URL/quillon/v1/sync/pull?limit=200&since=$CURSOR" | grep -E "Requests/sec|50%|75%|90%|99%|Non-2xx|Max|Latency"
echo "empty pulls at a steady 2,000/s, $CONNECTIONS connections, 10 s:"
python3 "$HERE/bench/pull-load.py" 127.0.0.1 "${URL##*:}" \
    "/quillon/v1/sync/pull?limit=200&since=$CURSOR" "$ACCESS" "$CONNECTIONS" 2000 10
echo "server peak memory: $(grep VmHWM /proc/$SERVER_PID/status | awk '{print $2, $3}')"
