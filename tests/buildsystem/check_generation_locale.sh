#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The files the build writes from the converter's unit list, the bash completion and the manual
# pages, come out the same when the build runs under German as under the C locale, and writing
# them prints nothing (no CMake warning). Each is written as the build's rule writes it: through
# the launcher the build puts before its custom commands.
# Usage: check_generation_locale.sh SOURCE_DIR CONVERTER VERSION [LAUNCHER...]
source "$(dirname "$0")/../desktop/common.sh"
src=$1 converter=$2 version=$3
shift 3
launcher=("$@")
need cmake cmp diff

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Usage: write LOCALE SCRIPT TEMPLATE OUTPUT; LOCALE "C" also leaves LANGUAGE unset.
write() {
    local locale=$1 script=$2 template=$3 output=$4 language
    if [ "$locale" = C ]; then language=(-u LANGUAGE); else language=("LANGUAGE=${locale%%_*}"); fi
    env "${language[@]}" LC_ALL="$locale" LANG="$locale" "${launcher[@]}" \
        cmake -DCONVERTER="$converter" -DTEMPLATE="$template" -DOUTPUT="$output" \
              -DMEZZURIX_DISPLAY_VERSION="$version" -P "$script" 2>"$output.err" \
        || fail "$(basename "$script") failed under $locale: $(cat "$output.err")"
    [ -s "$output.err" ] && fail "$(basename "$script") printed under $locale: $(head -n 5 "$output.err")"
    return 0
}

# Usage: check SCRIPT TEMPLATE
check() {
    local script=$1 template=$2 name locale
    name=$(basename "$template")
    for locale in C de_DE.UTF-8; do
        write "$locale" "$script" "$template" "$work/$name.$locale"
    done
    cmp -s "$work/$name.C" "$work/$name.de_DE.UTF-8" \
        || fail "$name differs when written under de_DE.UTF-8: $(diff "$work/$name.C" "$work/$name.de_DE.UTF-8" | head -n 6)"
}

check "$src/cli/completion/generate.cmake" "$src/cli/completion/mezzurix-convert.bash"
for page in "$src"/resources/man/*.[1-8]; do
    check "$src/cmake/ManUnits.cmake" "$page"
done
finish
