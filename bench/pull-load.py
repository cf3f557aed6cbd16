#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

# Devices polling at a fixed rate, as they do, rather than as fast as the machine allows: C
# keep-alive connections each send a GET every C/RATE seconds on a fixed schedule. Latency
# counts from the scheduled time, so a server that falls behind cannot hide its queue. wrk
# instead saturates both cores (itself included), which measures capacity, not latency.
#   bench/pull-load.py HOST PORT PATH TOKEN CONNECTIONS RATE SECONDS
import asyncio
import sys
import time

host, port, path, token = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
conns, rate, secs = int(sys.argv[5]), float(sys.argv[6]), float(sys.argv[7])
request = (f"GET {path} HTTP/1.1\r\nHost: {host}\r\nAuthorization: Bearer {token}\r\n"
           "Accept: application/json\r\n\r\n").encode()
latencies = []
failures = 0


async def device(index, start):
    global failures
    reader, writer = await asyncio.open_connection(host, port)
    period = conns / rate
    due = start + index * period / conns
    while due < start + secs:
        now = time.monotonic()
        if due > now:
            await asyncio.sleep(due - now)
        writer.write(request)
        head = await reader.readuntil(b"\r\n\r\n")
        length = 0
        for line in head.split(b"\r\n"):
            if line.lower().startswith(b"content-length:"):
                length = int(line.split(b":")[1])
        await reader.readexactly(length)
        if int(head.split(b" ", 2)[1]) != 200:
            failures += 1
        latencies.append(time.monotonic() - due)
        due += period
    writer.close()


async def main():
    start = time.monotonic() + 1.0
    await asyncio.gather(*(device(i, start) for i in range(conns)))
    latencies.sort()
    n = len(latencies)
    ms = lambda q: latencies[min(n - 1, int(n * q))] * 1000
    print(f"  {n / secs:.0f} requests/s, non-200: {failures}, latency p50 {ms(0.5):.1f} ms, "
          f"p90 {ms(0.9):.1f} ms, p99 {ms(0.99):.1f} ms, max {latencies[-1] * 1000:.1f} ms")


asyncio.run(main())
