#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and memory of the converter against a bare Qt window, under a private Xvfb.
# Usage: bench/startup/run.sh BUILD_DIR [rounds, default 15]
set -euo pipefail
build=${1:?build folder}
rounds=${2:-15}
harness="$build/bench/startup/bench-startup"
for f in "$harness" "$build/app/mezzurix" "$build/bench/startup/bench-bare-window"; do
    [ -x "$f" ] || { echo "missing $f (build it first)" >&2; exit 1; }
done
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$harness" --rounds "$rounds" \
    mezzurix="$build/app/mezzurix" bare-window="$build/bench/startup/bench-bare-window"
