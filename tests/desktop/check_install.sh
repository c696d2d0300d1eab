#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch root and checks what the desktop reads from it.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION
source "$(dirname "$0")/common.sh"
build=$1 app_id=$2 version=$3
need cmake desktop-file-validate appstreamcli od

# The languages of the desktop files' translations, one .po file each.
languages() {
    for po in "$(dirname "$0")"/../../resources/desktop/po/*.po; do basename "$po" .po; done
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
share="$root/usr/share"

[ -x "$root/usr/bin/mezzurix" ] || fail "program not installed at usr/bin/mezzurix"
[ -x "$root/usr/bin/mezzurix-convert" ] || fail "converter not installed at usr/bin/mezzurix-convert"
ls "$share"/man/man1/mezzurix-convert.1* >/dev/null 2>&1 || fail "no manual page mezzurix-convert.1"
for page in "$share"/man/man1/mezzurix*.1*; do
    zgrep -q "^\.TH .* \"Mezzurix $version\"" "$page" || fail "$(basename "$page") does not name version $version"
done
completion="$share/bash-completion/completions/mezzurix-convert"
{ grep -qx 'complete -F _mezzurix_convert mezzurix-convert' "$completion" && grep -qP '^\d+\tkilometre$' "$completion"; } \
    2>/dev/null || fail "no bash completion with unit names at $completion"
fetch_rates=/usr/libexec/mezzurix/mezzurix-fetch-rates
[ -x "$root$fetch_rates" ] || fail "exchange rates helper not installed at $fetch_rates"
provider=/usr/libexec/mezzurix-search-provider
[ -x "$root$provider" ] || fail "search provider not installed at $provider"
grep -qx "Exec=$provider" "$share/dbus-1/services/$app_id.SearchProvider.service" \
    || fail "the search provider's .service file does not start $provider"

desktop="$share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not name the icon $app_id"
    grep -qx "Exec=mezzurix" "$desktop" || fail "desktop entry does not start mezzurix"
    grep -qx "Comment=Convert from one unit to another" "$desktop" || fail "desktop entry comment"
    for language in $(languages); do
        for key in Name GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=." "$desktop" || fail "desktop entry has no $key[$language]"
        done
    done
else
    fail "no desktop entry at $desktop"
fi

metainfo="$share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
        || fail "metainfo does not launch $app_id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
    for language in $(languages); do
        for element in name summary p li; do
            grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "metainfo has no $element in $language"
        done
    done
else
    fail "no metainfo at $metainfo"
fi

for size in 16 32 64 128 256; do
    icon="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    if [ -f "$icon" ]; then
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
    else
        fail "no icon at $icon"
    fi
done
finish
