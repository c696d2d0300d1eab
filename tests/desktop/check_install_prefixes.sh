#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One build installed to two prefixes: the build tree is left as it was, each prefix's files name
# that prefix, both hold the same files, all of them in the install manifest, and none of the
# files only the Debian package wants; installed with DESTDIR, the manifest names the files without it.
# Usage: check_install_prefixes.sh BUILD_DIR APP_ID
source "$(dirname "$0")/common.sh"
build=$1 app_id=$2
need cmake

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/before"
sleep 1  # the file times below have a resolution of a second on some file systems
for prefix in one two; do
    cmake --install "$build" --prefix "$work/$prefix" >/dev/null || fail "cmake --install to $prefix failed"
done
# CMake's own list of what it installed, install_manifest.txt, is the only file it may write.
written=$(find "$build" -type f -newer "$work/before" ! -name 'install_manifest*.txt' ! -path '*/Testing/*')
[ -z "$written" ] || fail "installing wrote into the build tree: $written"

for prefix in one two; do
    (cd "$work/$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/$prefix.files"
    service="$work/$prefix/share/dbus-1/services/$app_id.SearchProvider.service"
    grep -qx "Exec=$work/$prefix/libexec/mezzurix-search-provider" "$service" \
        || fail "the $prefix install's .service file starts $(grep Exec= "$service")"
    for path in bin/mezzurix bin/mezzurix-convert libexec/mezzurix-search-provider libexec/mezzurix-copy \
                libexec/mezzurix/mezzurix-fetch-rates \
                "share/gnome-shell/search-providers/$app_id.search-provider.ini" \
                "share/krunner/dbusplugins/$app_id.SearchProvider.desktop"; do
        grep -qxF "$path" "$work/$prefix.files" || fail "the $prefix install lacks $path"
    done
    for path in share/doc/mezzurix/copyright share/doc/mezzurix/changelog.gz share/lintian/overrides/mezzurix; do
        grep -qxF "$path" "$work/$prefix.files" && fail "a plain install holds the Debian package's $path"
    done
done
diff -u "$work/one.files" "$work/two.files" || fail "the two prefixes hold different files"

# The manifest is of the last install. It names every installed file as the installed system sees
# it, under the prefix and without DESTDIR, so that uninstalling by it leaves nothing behind.
# Usage: check_manifest ROOT PREFIX, where the last install put its files into ROOT/PREFIX.
check_manifest() {
    local root=$1 prefix=$2
    (cd "$root$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/installed"
    awk -v prefix="$prefix/" 'index($0, prefix) != 1' "$build/install_manifest.txt" >"$work/outside"
    [ -s "$work/outside" ] && fail "the install manifest names paths outside $prefix: $(cat "$work/outside")"
    sed "s|^$prefix/||" "$build/install_manifest.txt" | sort >"$work/manifest"
    diff -u "$work/manifest" "$work/installed" || fail "the install manifest and the installed files differ"
}
check_manifest "" "$work/two"
DESTDIR="$work/staged" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install with DESTDIR failed"
check_manifest "$work/staged" /usr
finish
