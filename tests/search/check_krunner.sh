#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# KDE's runner library, the real client: Plasma::RunnerManager loads the installed runner
# .desktop file, asks the provider through the bus and runs a match.
# Usage: check_krunner.sh BUILD_DIR
here=$(cd "$(dirname "$0")" && pwd)
client_build=$1/krunner-check
if [ -z "${MEZZURIX_SEARCH_ROOT:-}" ]; then
    # Qt 5, so built apart from the program.
    cmake -S "$here/krunner" -B "$client_build" -G Ninja >"$1/krunner-check.log" 2>&1 \
        && cmake --build "$client_build" >>"$1/krunner-check.log" 2>&1 \
        || { cat "$1/krunner-check.log" >&2; echo "FAIL: cannot build the KRunner client (scripts/deps.sh test installs libkf5runner-dev)" >&2; exit 1; }
fi
source "$here/scratch_bus.sh"

match() {
    QT_QPA_PLATFORM=offscreen "$client_build/krunner_match" "$root/config/krunnerrc" $provider_name "$@" 2>/dev/null
}
runners="runners: $provider_name"

# Without a leading number the runner's regex keeps KRunner from even starting the provider.
got=$(match "hello there" "in to ft 24")
[ "$got" = "$runners" ] || fail "queries without a number gave: $got"
provider_runs && fail "a query without a number started the provider"

got=$(match "24 in to ft")
want="$runners
24 in to ft|2 Feet|24 Inches = 2 Feet · Distance|100|1"
[ "$got" = "$want" ] || fail "24 in to ft gave: $got"
got=$(window_arguments)
[ "$got" = "--|24 Inches to Feet|" ] || fail "running the match opened the window with '$got'"

# KRunner orders by relevance: the name as typed first ("m", meters), then the names it starts.
got=$(match "24 in to m" | sed -n '2,4p' | cut -d'|' -f2,5)
want="0.6096 Meters|0.9
609.6 Millimeters|0.79
0.000378787879 Miles|0.78"
[ "$got" = "$want" ] || fail "24 in to m is ranked: $got"
window_arguments >/dev/null
finish
