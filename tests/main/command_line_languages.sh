#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A conversion the window cannot open is reported in the user's language: the reader's messages as
# the terminal writes them, word for word, and the window's own two in words of the language.
# Usage: command_line_languages.sh MEZZURIX MEZZURIX_CONVERT TEST_WINDOW_LANGUAGE
source "$(dirname "$0")/../desktop/common.sh"
program=$1 converter=$2 locales=$(QT_QPA_PLATFORM=offscreen "$3" --locales)
[ -n "$locales" ] || { echo "no translations found" >&2; exit 1; }

# The first line the window program writes on standard error, without its name.
message() {
    local status=0 out
    out=$(LC_ALL=$1 timeout 3 "$program" -platform offscreen "${@:2}" 2>&1 >/dev/null) || status=$?
    [ "$status" = 124 ] || fail "$1 ${*:2}: the window did not stay open (status $status)"
    grep -m1 '^mezzurix: ' <<<"$out" | sed 's/^mezzurix: //'
}

for locale in $locales; do
    # The reader's messages: an unknown unit with a suggestion, no into unit, two categories.
    for query in "24 fet to in" "24 in" "24 in to kg"; do
        wanted=$(LC_ALL=$locale "$converter" "$query" 2>&1 | sed "s/^mezzurix-convert: //" || true)
        # shellcheck disable=SC2086 # the query is given as words, as a user types it
        got=$(message "$locale" $query)
        [ "$got" = "$wanted" ] || fail "$locale $query: \"$got\", the terminal writes \"$wanted\""
    done
    # The window's own: no English left.
    for query in "1 cup to ml" "\$20 to eur"; do
        # shellcheck disable=SC2086
        english=$(message C.UTF-8 $query)
        # shellcheck disable=SC2086
        got=$(message "$locale" $query)
        [ -n "$got" ] && [ "$got" != "$english" ] || fail "$locale $query: \"$got\" is English"
        grep -qF -- "${query}" <<<"$got" || fail "$locale $query: \"$got\" does not name the query"
    done
done
finish
