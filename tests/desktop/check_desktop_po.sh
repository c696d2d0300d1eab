#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every translation of the desktop entry and the metainfo translates every text of the template,
# with nothing fuzzy or left over, and keeps the keyword lists' form.
# Usage: check_desktop_po.sh PO_DIR
source "$(dirname "$0")/common.sh"
dir=$1
need msgfmt msgcmp
pot="$dir/mezzurix-desktop.pot"
for po in "$dir"/*.po; do
    name=$(basename "$po")
    msgcmp "$po" "$pot" || fail "$name lacks texts of the template"
    stats=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1) || fail "$name: msgfmt rejects it"
    grep -qE 'fuzzy|untranslated' <<<"$stats" && fail "$name: $stats"
    # A keyword list ends in ';' as the English one does.
    keywords=$(msggrep --msgid -F -e 'unit;convert;' "$po" | sed -n 's/^msgstr "\(.*\)"$/\1/p')
    [[ "$keywords" == *";" ]] || fail "$name: the keyword list does not end in ';'"
done
finish
