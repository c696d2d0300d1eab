#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The search provider over a private session bus: installed into a scratch prefix so that the bus
# starts it from its .service file, then timed by bench-search.
# Usage: bench/search/run.sh BUILD_DIR [ignored: the start-up rounds of run-all.sh]
set -euo pipefail
build=${1:?build folder}
client="$build/bench/search/bench-search"
[ -x "$client" ] || { echo "missing $client (build it first)" >&2; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
XDG_DATA_DIRS=$root/usr/share XDG_DATA_HOME=$root/home LC_ALL=C.UTF-8 \
    dbus-run-session -- "$client" 2>"$root/bus.log" || { cat "$root/bus.log" >&2; exit 1; }
