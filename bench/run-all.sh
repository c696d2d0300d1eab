#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The one command for all benchmarks: builds an optimised tree in build-bench/ (or BENCH_BUILD_DIR)
# and runs the engine micro-benchmarks, the start-up benchmark and every bench/<dir>/run.sh.
# Usage: bench/run-all.sh [start-up rounds, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
build=${BENCH_BUILD_DIR:-build-bench}
rounds=${1:-15}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMEZZURIX_BUILD_TESTS=OFF -DMEZZURIX_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 >/dev/null

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "Build: $build (Release), $(date -u '+%Y-%m-%d %H:%M UTC')"
for dir in bench/*/; do
    name=$(basename "$dir")
    echo
    echo "== $name"
    if [ -x "$dir/run.sh" ]; then
        "$dir/run.sh" "$build" "$rounds"
    else
        # Folders without a run script hold Google Benchmark programs named bench*.
        for exe in "$build/bench/$name"/bench*; do
            [ -f "$exe" ] && [ -x "$exe" ] || continue
            "$exe" --benchmark_min_time=0.5 2>/dev/null
        done
    fi
done
