#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line: --help and --version with no display at all, an unknown option, and
# a query that cannot be answered, which is reported while the window opens as usual.
# Usage: command_line.sh MEZZURIX VERSION
source "$(dirname "$0")/../desktop/common.sh"
program=$1 version=$2
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

[ "$("${nodisplay[@]}" "$program" --version)" = "mezzurix $version" ] || fail "--version"
grep -q "^Usage: .*mezzurix \[options\] \[conversion...\]" <<<"$("${nodisplay[@]}" "$program" --help)" || fail "--help"
grep -q "^  --help-all " <<<"$(timeout 10 "${nodisplay[@]}" "$program" --help-all)" || fail "--help-all"
# Beside Qt's own options too.
[ "$("${nodisplay[@]}" "$program" -style fusion --version)" = "mezzurix $version" ] || fail "--version after -style"
grep -q "^Usage: " <<<"$("${nodisplay[@]}" "$program" -platform offscreen --help)" || fail "--help after -platform"
grep -q "Unknown option 'no-such-option'" <<<"$(QT_QPA_PLATFORM=offscreen "$program" --no-such-option 2>&1)" \
    || fail "an unknown option is not reported"
# An unknown option is refused with the usage, before any display is needed: status 1, not a Qt abort.
for option in --bogus -bogus "-style fusion --bogus" "-platform offscreen -x"; do
    status=0
    # shellcheck disable=SC2086 # the option words are split on purpose
    out=$("${nodisplay[@]}" "$program" $option 2>&1) || status=$?
    [ "$status" = 1 ] && grep -q "^Usage: " <<<"$out" && grep -q "Unknown option" <<<"$out" \
        || fail "unknown option in '$option' with no display: status $status: $out"
done

# An unanswerable query is reported and the window opens as usual; Qt's own options still work.
log=$(mktemp)
status=0
timeout 3 "$program" -platform offscreen 24 fet to in 2>"$log" || status=$?
grep -q '^mezzurix: unknown unit "fet" at column 4; did you mean "feet"?$' "$log" \
    || fail "no message for an unknown unit: $(cat "$log")"
rm -f "$log"
[ "$status" = 124 ] || fail "the window did not stay open after an unanswerable query (status $status)"

# A currency query is told to go to the terminal or the search, and the window opens as usual,
# without a fetch: the rates URL leads nowhere and no cache folder is made.
log=$(mktemp)
cache=$(mktemp -d)
status=0
XDG_CACHE_HOME=$cache MEZZURIX_RATES_URL=http://127.0.0.1:9/ timeout 3 "$program" -platform offscreen '$20' to eur 2>"$log" \
    || status=$?
grep -q '^mezzurix: the window converts no currencies; for "\$20 to eur" use mezzurix-convert' "$log" \
    || fail "no message for a currency query: $(cat "$log")"
[ "$status" = 124 ] && [ -z "$(ls -A "$cache")" ] || fail "a currency query: status $status, cache $(ls -A "$cache")"
rm -rf "$log" "$cache"

# A negative value is the conversion's start, not an option.
status=0
out=$(timeout 3 "$program" -platform offscreen -40 C to F 2>&1) || status=$?
[ "$status" = 124 ] && ! grep -q -e "Unknown option" -e "^mezzurix:" <<<"$out" || fail "a negative value was not read as a conversion (status $status): $out"
# Separator symbols are words of the conversion, not options.
for separator in "->" "=>" "→"; do
    status=0
    out=$(timeout 3 "$program" -platform offscreen -40 C "$separator" F 2>&1) || status=$?
    [ "$status" = 124 ] && ! grep -q -e "Unknown option" -e "^mezzurix:" <<<"$out" \
        || fail "-40 C $separator F was not read as a conversion (status $status): $out"
done
finish
