#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The clipboard helper of KRunner's Copy under X: other programs paste its text, and it ends once
# another program takes the clipboard.
# Usage: check_copy.sh MEZZURIX_COPY (run under xvfb-run)
source "$(dirname "$0")/../desktop/common.sh"
need xclip
helper=$1

"$helper" -- "3,81 µm" &
pid=$!
for _ in $(seq 50); do
    got=$(timeout 2 xclip -selection clipboard -o 2>/dev/null) && [ "$got" = "3,81 µm" ] && break
    sleep 0.1
done
[ "$got" = "3,81 µm" ] || fail "the clipboard holds '$got'"
kill -0 $pid 2>/dev/null || fail "the helper left before the text was taken"

printf other | xclip -selection clipboard
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { kill $pid; fail "the helper still runs after another program took the clipboard"; }
wait $pid || fail "the helper ended with status $?"

"$helper" 2>/dev/null && fail "the helper accepted no text"
finish
