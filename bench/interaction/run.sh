#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Time per user action in the main window (keystroke, decimal places pick, category switch,
# swap), headless; the median of 9 repetitions of each, the time of the window's work alone
# (the paint after each action is not timed).
# Usage: bench/interaction/run.sh BUILD_DIR [ignored: the start-up rounds of run-all.sh]
set -euo pipefail
build=${1:?build folder}
exe="$build/bench/interaction/bench_interaction"
[ -x "$exe" ] || { echo "missing $exe (build it first)" >&2; exit 1; }
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
"$exe" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null \
    | awk 'BEGIN { printf "%-28s %12s\n", "action", "median" }
        /ERROR OCCURRED/ { print; failed = 1 }
        END { exit failed }
        /_median/ {
        name = $1; sub(/\/iterations:.*/, "", name)
        label = ""; for (i = 7; i <= NF; ++i) label = label " " $i
        printf "%-28s %9s %-3s%s\n", name, $2, $3, label
    }'
