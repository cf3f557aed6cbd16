#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

# The server's memory across a long push: sends ROWS new transactions of one account, 500 a
# request, straight to a running server, and prints its resident and peak memory after every
# 100,000. A large first sync must not make the server grow with it.
#   bench/push-memory.py URL ACCESS_TOKEN SERVER_PID ROWS
# URL is the server's root (http://127.0.0.1:PORT); quillon-server token prints a token.
import json
import sys
import time
import urllib.request
import uuid

url, token, pid, total = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])


def memory():
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, value = line.partition(":")
            fields[key] = value.strip()
    return fields["VmRSS"], fields["VmHWM"]


def push(changes):
    request = urllib.request.Request(
        url + "/quillon/v1/sync/push", data=json.dumps({"changes": changes}).encode(),
        headers={"Authorization": "Bearer " + token, "Content-Type": "application/json"})
    with urllib.request.urlopen(request) as reply:
        results = json.load(reply)["results"]
    if any(result["status"] != "ok" for result in results):
        sys.exit(f"push refused: {results[0]}")


def change(entity_type, entity_id, payload):
    payload["client_id"] = entity_id
    return {"entity_type": entity_type, "entity_id": entity_id, "action": "upsert",
            "version": 1, "payload": payload}


account = str(uuid.uuid4())
push([change("account", account, {"name": "Memory", "currency": "EUR"})])
start = time.time()
sent = 0
while sent < total:
    batch = []
    for _ in range(500):
        batch.append(change("transaction", str(uuid.uuid4()), {
            "account_id": account, "date": "2026-03-01", "payee": f"Payee {sent % 977}",
            "memo": "a memo of a usual length", "amount": -(sent % 10000), "cleared": 0,
            "reconciled": 0, "is_split": 0, "created_at": "2026-03-01T10:00:00Z",
            "updated_at": "2026-03-01T10:00:00Z"}))
        sent += 1
    push(batch)
    if sent % 100000 == 0:
        rss, peak = memory()
        print(f"{sent} rows, {time.time() - start:.0f} s: resident {rss}, peak {peak}", flush=True)
