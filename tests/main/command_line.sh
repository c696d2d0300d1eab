#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line: --help and --version with no display at all, and a query that
# cannot be answered, which is reported while the window opens as usual.
# Usage: command_line.sh MEZZURIX
source "$(dirname "$0")/../desktop/common.sh"
program=$1
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

[ "$("${nodisplay[@]}" "$program" --version)" = "mezzurix 1.00" ] || fail "--version"
"${nodisplay[@]}" "$program" --help | grep -q "^Usage: .*mezzurix \[options\] \[conversion...\]" || fail "--help"
"${nodisplay[@]}" "$program" --no-such-option 2>/dev/null && fail "an unknown option is accepted"

status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$program" 24 fet to in 2>"${TMPDIR:-/tmp}/mezzurix-cli.$$" || status=$?
grep -q '^mezzurix: unknown unit "fet" at column 4; did you mean "feet"?$' "${TMPDIR:-/tmp}/mezzurix-cli.$$" \
    || fail "no message for an unknown unit: $(cat "${TMPDIR:-/tmp}/mezzurix-cli.$$")"
rm -f "${TMPDIR:-/tmp}/mezzurix-cli.$$"
[ "$status" = 124 ] || fail "the window did not stay open after an unanswerable query (status $status)"
finish
