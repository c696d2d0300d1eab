#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times mezzurix-fetch-rates against a local HTTP server: the whole process, from its start to
its exit with the cache written, ROUNDS times in a row.

Usage: bench_fetch.py PATH_TO_HELPER RESPONSES_DIR [ROUNDS]
"""
import math
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "rates"))
from rates_server import RatesServer, helper_environment  # noqa: E402

helper, responses = sys.argv[1], pathlib.Path(sys.argv[2])
rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 30

with RatesServer(responses) as server, tempfile.TemporaryDirectory() as cache:
    env = helper_environment(cache, server.url("rates.xml"))
    times = []
    for _ in range(rounds + 1):
        started = time.perf_counter()
        subprocess.run([helper, "--timeout", "3"], env=env, check=True)
        times.append((time.perf_counter() - started) * 1000)
    times = sorted(times[1:])  # the first round warms the caches
    print(f"fetch helper, local server, {rounds} rounds: median {statistics.median(times):.2f} ms, "
          f"p90 {times[math.ceil(len(times) * 0.9) - 1]:.2f} ms, max {times[-1]:.2f} ms")
