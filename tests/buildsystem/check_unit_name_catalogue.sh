#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The unit name catalogues become the engine's tables the same way whatever the locale and however
# a translator's tool wraps the lines, without a word of output; fuzzy and empty entries are left
# out, and the marks of symbols and abbreviations give their kinds.
# Usage: check_unit_name_catalogue.sh SOURCE_DIR [LAUNCHER...]
source "$(dirname "$0")/../desktop/common.sh"
src=$1
shift
launcher=("$@")
need cmake cmp msgcat msgcmp

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Usage: table LOCALE PO OUTPUT
table() {
    local code
    code=$(basename "$2" .po)
    env LC_ALL="$1" LANG="$1" LANGUAGE="${1%%_*}" "${launcher[@]}" \
        cmake -DPO="$2" -DCODE="$code" -DTEMPLATE="$src/engine/units/names/unit_names.cpp.in" -DOUTPUT="$3" \
              -P "$src/cmake/UnitNameCatalogue.cmake" 2>"$3.err" || fail "$2 failed: $(cat "$3.err")"
    [ -s "$3.err" ] && fail "$2 printed under $1: $(head -n 5 "$3.err")"
    return 0
}

for po in "$src"/engine/units/names/*.po; do
    code=$(basename "$po" .po)
    # Each catalogue holds the template's entries with the template's texts: one left behind by a
    # changed list of English names keeps its translation under an old text.
    msgcmp --use-untranslated "$po" "$src/engine/units/names/unit-names.pot" 2>"$work/cmp.err" ||
        fail "$code is behind the template (update_unit_names_po): $(head -n 3 "$work/cmp.err")"
    table C "$po" "$work/$code.C.cpp"
    table de_DE.UTF-8 "$po" "$work/$code.de.cpp"
    cmp -s "$work/$code.C.cpp" "$work/$code.de.cpp" || fail "$code: the table differs under German"
    mkdir -p "$work/wrapped"
    msgcat --width=30 "$po" -o "$work/wrapped/$code.po"
    table C "$work/wrapped/$code.po" "$work/$code.wrapped.cpp"
    cmp -s "$work/$code.C.cpp" "$work/$code.wrapped.cpp" || fail "$code: the table differs with wrapped lines"
done

cat >"$work/xx.po" <<'PO'
msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"

#. A name list over two lines, with a symbol, an abbreviation and a bracket.
msgctxt "foot|names"
msgid "ft;foot"
msgstr ""
"pied [x]; =Pd ;"
"~pd;pieds"

#, fuzzy
msgctxt "inch|names"
msgid "in;inch"
msgstr "pouce"

msgctxt "inch|singular"
msgid "Inch"
msgstr ""

msgctxt "foot|singular"
msgid "Foot"
msgstr "pied \"x\""

msgctxt "foot|plural"
msgid "Feet"
msgstr "pieds"

msgctxt "cubic_centimeter|names|1"
msgid "ml;milliliter"
msgstr "millilitre;=mL2"

msgctxt "cubic_centimeter|singular|1"
msgid "Milliliter"
msgstr "millilitre"

msgctxt "cubic_centimeter|plural|1"
msgid "Milliliters"
msgstr "millilitres"

msgctxt "words|into"
msgid "in;to"
msgstr "en;vers"
PO
table C "$work/xx.po" "$work/xx.cpp"
for row in '{"foot", "pied [x]", Name},' '{"foot", "Pd", CaseSymbol},' '{"foot", "pd", Symbol},' \
           '{"foot", "pieds", Name},' '{"foot", "pied \"x\"", "pieds"},' '{"en", "vers", {}};' \
           '{"cubic_centimeter", "mL2", CaseSymbol},' \
           '{"cubic_centimeter", 1, "millilitre|mL2", "millilitre", "millilitres"},'; do
    grep -qF -- "$row" "$work/xx.cpp" || fail "no row $row"
done
grep -q '"pouce"' "$work/xx.cpp" && fail "a fuzzy entry was read"
[ "$(grep -c '^    {"' "$work/xx.cpp")" -eq 8 ] || fail "rows other than the entries': $(grep '^    {"' "$work/xx.cpp")"
finish
