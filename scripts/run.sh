#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Mezzurix and starts it. Without a display it runs on a virtual one and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -G Ninja -DMEZZURIX_BUILD_BENCH=OFF >/dev/null
cmake --build build --target mezzurix mezzurix-screenshot

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/mezzurix
fi

shot="$PWD/mezzurix-screenshot.png"
echo "No display found: starting Mezzurix on a virtual display (xvfb-run)."
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    build/app/mezzurix & pid=$!
    build/tools/mezzurix-screenshot "$0"
    status=$?
    kill $pid 2>/dev/null; wait $pid 2>/dev/null
    exit $status' "$shot"
echo "Screenshot of the window saved to $shot"
