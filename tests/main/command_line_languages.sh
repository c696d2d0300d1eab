#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program's command line in the user's language: its help, and a conversion the window
# cannot open, reported with the reader's messages as the terminal writes them, word for word, and
# with the window's own two in words of the language.
# Usage: command_line_languages.sh MEZZURIX MEZZURIX_CONVERT TEST_WINDOW_LANGUAGE
source "$(dirname "$0")/../desktop/common.sh"
program=$1 converter=$2 locales=$(QT_QPA_PLATFORM=offscreen "$3" --locales)
[ -n "$locales" ] || { echo "no translations found" >&2; exit 1; }

# The first line the window program writes on standard error, without its name, into `said`. The
# window stays open as usual, and is closed once it has been open a moment after the line.
said=""
message() {
    local log pid
    log=$(mktemp)
    LC_ALL=$1 "$program" -platform offscreen "${@:2}" 2>"$log" >/dev/null &
    pid=$!
    for _ in $(seq 100); do
        grep -q '^mezzurix: ' "$log" && break
        sleep 0.1
    done
    sleep 0.3
    kill -0 "$pid" 2>/dev/null || fail "$1 ${*:2}: the window did not stay open"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    said=$(grep -m1 '^mezzurix: ' "$log" | sed 's/^mezzurix: //')
    rm -f "$log"
}

english_help=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 "$program" --help)
for locale in $locales; do
    # The help, with no display: no line of it left in English, and its example reads in the
    # language.
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=$locale "$program" --help)
    while IFS= read -r line; do
        grep -q '[[:alpha:]]' <<<"$line" && grep -qxF -- "$line" <<<"$english_help" && fail "$locale --help: \"$line\" is English"
    done <<<"$help"
    example=$(grep -oP '(?<=[„«“])[^“»”]+(?=[“»”])' <<<"$help" | head -n1 | sed 's/^\xc2\xa0//; s/\xc2\xa0$//')
    [ -n "$example" ] && LC_ALL=$locale "$converter" "$example" >/dev/null 2>&1 \
        || fail "$locale --help: the example \"$example\" does not read"
    # The reader's messages: an unknown unit with a suggestion, no into unit, two categories.
    for query in "24 fet to in" "24 in" "24 in to kg"; do
        wanted=$(LC_ALL=$locale "$converter" "$query" 2>&1 | sed "s/^mezzurix-convert: //" || true)
        # shellcheck disable=SC2086 # the query is given as words, as a user types it
        message "$locale" $query
        got=$said
        [ "$got" = "$wanted" ] || fail "$locale $query: \"$got\", the terminal writes \"$wanted\""
    done
    # The window's own: no English left.
    for query in "1 cup to ml" "\$20 to eur"; do
        # shellcheck disable=SC2086
        message C.UTF-8 $query
        english=$said
        # shellcheck disable=SC2086
        message "$locale" $query
        got=$said
        [ -n "$got" ] && [ "$got" != "$english" ] || fail "$locale $query: \"$got\" is English"
        grep -qF -- "${query}" <<<"$got" || fail "$locale $query: \"$got\" does not name the query"
    done
done
finish
