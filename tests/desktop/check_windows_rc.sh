#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles the Windows resource script and checks the version block that Explorer shows.
# Usage: check_windows_rc.sh RC_FILE PROJECT_VERSION DISPLAY_VERSION
source "$(dirname "$0")/common.sh"
rc=$1 project_version=$2 display_version=$3
need x86_64-w64-mingw32-windres cpp iconv od

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Run elsewhere so that the icon is found beside the script, as the Windows build finds it.
(cd "$work" && x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc" -O res -o out.res) \
    || { echo "windres failed" >&2; exit 1; }

# The .res stores the strings as UTF-16; each key is followed by its value.
iconv -c -f UTF-16LE -t UTF-8 "$work/out.res" | tr -c '[:print:]' '\n' | grep -v '^$' >"$work/strings"
expect() {
    local key=$1 value=$2 got
    got=$(grep -A1 -x -F "$key" "$work/strings" | sed -n 2p || true)
    [ "$got" = "$value" ] || fail "$key is '$got', expected '$value'"
}
expect FileVersion "$display_version"
expect ProductVersion "$display_version"
expect FileDescription "Convert from one unit to another"
expect Comments "Be my guest!"
expect ProductName "Mezzurix!!"
expect InternalName "mezzurix"
expect OriginalFilename "mezzurix.exe"
grep -q -x 'Mezzurix developers' "$work/strings" || fail "CompanyName empty"
grep -q -E '^Copyright \(C\) [0-9]{4} ' "$work/strings" || fail "LegalCopyright"

hex=$(od -An -tx1 -v "$work/out.res" | tr -d ' \n')
# VS_FIXEDFILEINFO: signature, structure version, then file and product version as
# little-endian DWORD pairs (major<<16|minor, patch<<16|build).
IFS=. read -r major minor patch <<<"$project_version"
dword() { printf '%08x' "$1" | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/'; }
version="$(dword $(((major << 16) | minor)))$(dword $(((${patch:-0} << 16))))"
grep -q "bd04effe00000100${version}${version}" <<<"$hex" \
    || fail "FILEVERSION/PRODUCTVERSION do not match the project version $project_version"
# The 32x32 and 16x16 icons: BITMAPINFOHEADER of 4 bits per pixel.
grep -q "280000002000000040000000010004" <<<"$hex" || fail "no 32x32 16-colour icon"
grep -q "280000001000000020000000010004" <<<"$hex" || fail "no 16x16 16-colour icon"
finish
