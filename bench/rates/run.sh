#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The exchange rates: the fetch helper against a local server, and reading the cache.
# Usage: bench/rates/run.sh BUILD_DIR [rounds, default 15]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-bench}
rounds=${2:-15}
python3 bench/rates/bench_fetch.py "$build/libexec/mezzurix/mezzurix-fetch-rates" tests/rates/responses $((rounds * 2))
if [ -x "$build/bench/rates/bench_rates" ]; then
    "$build/bench/rates/bench_rates" --benchmark_min_time=0.5 2>/dev/null
fi
