#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# No dropped calls: a client calling every few milliseconds across the provider's idle deadline
# sees no error, however the calls fall around it, and each end hands over to a fresh provider.
# The countdown is shortened for this; check_search.sh times the real one.
# Usage: check_idle.sh BUILD_DIR IDLE_CLIENT
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scratch_bus.sh"
client=$2
deadline_ms=300
runs=5
run_ms=2000

gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.UpdateActivationEnvironment "{'MEZZURIX_SEARCH_IDLE_MS': '$deadline_ms'}" >/dev/null
out=$(timeout 120 "$client" $runs $run_ms $deadline_ms) || fail "the client saw an error: $out"
echo "$out"
started=$(sed -n 's/.* \([0-9]*\) providers started.*/\1/p' <<<"$out")
# Each run of 2 s crosses the 300 ms deadline a few times.
[ "${started:-0}" -ge $((runs * 2)) ] || fail "only ${started:-0} providers: the deadline was seldom crossed"

# Once the calls stop, the last provider leaves too.
for _ in $(seq 50); do provider_runs || break; sleep 0.1; done
provider_runs && fail "the provider still runs 5 s after the last call"
finish
