#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package, checks its contents and dependencies, and runs lintian on it.
# Usage: check_deb.sh BUILD_DIR APP_ID VERSION
source "$(dirname "$0")/common.sh"
build=$1 app_id=$2 version=$3
need cpack dpkg-deb lintian

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/*.deb)
[ -f "${debs[0]}" ] || { echo "cpack made no .deb" >&2; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/files"
for path in ./usr/bin/mezzurix ./usr/bin/mezzurix-convert \
            ./usr/share/bash-completion/completions/mezzurix-convert \
            ./usr/share/man/man1/mezzurix.1.gz \
            ./usr/share/doc/mezzurix/copyright \
            ./usr/share/doc/mezzurix/changelog.gz \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/metainfo/$app_id.metainfo.xml" \
            "./usr/share/icons/hicolor/16x16/apps/$app_id.png" \
            "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            "./usr/share/icons/hicolor/256x256/apps/$app_id.png" \
            ./usr/libexec/mezzurix-search-provider \
            ./usr/libexec/mezzurix-copy \
            ./usr/libexec/mezzurix/mezzurix-fetch-rates \
            ./usr/share/lintian/overrides/mezzurix \
            "./usr/share/dbus-1/services/$app_id.SearchProvider.service" \
            "./usr/share/gnome-shell/search-providers/$app_id.search-provider.ini" \
            "./usr/share/krunner/dbusplugins/$app_id.SearchProvider.desktop"; do
    grep -q -x -F "$path" "$work/files" || fail "package lacks $path"
done
grep -q '^\./usr/share/man/man1/mezzurix-convert\.1' "$work/files" || fail "package lacks the manual page mezzurix-convert.1"
# The bus starts the provider from where the package puts it.
service=./usr/share/dbus-1/services/$app_id.SearchProvider.service
dpkg-deb --fsys-tarfile "$deb" | tar -xO "$service" | grep -qx "Exec=/usr/libexec/mezzurix-search-provider" \
    || fail "the package's $service does not start /usr/libexec/mezzurix-search-provider"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 libqt6dbus6 fonts-liberation2; do
    grep -q -E "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg"
done
# dpkg-shlibdeps adds the libraries the programs link to the packages the build names: each once.
twice=$(sed 's/, */\n/g' <<<"$depends" | awk '{print $1}' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends lists more than once: $twice"
[ "$(dpkg-deb -f "$deb" Package)" = mezzurix ] || fail "package name"
for pkg in qt6-wayland qt6-translations-l10n; do
    grep -q -E "(^|, )$pkg( |,|$)" <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks $pkg"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"

# Errors and warnings fail; informational and pedantic tags are shown but pass.
lintian --display-info --pedantic --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
finish
