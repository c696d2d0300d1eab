#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, running or testing Mezzurix needs, if any is missing.
# Usage: scripts/deps.sh run|test|bench
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools compile the windows' translations; qt6-translations-l10n holds
# Qt's own, and gettext translates the desktop entry and the metainfo. libcurl4-openssl-dev: the
# exchange rates' fetch helper.
run_pkgs=(g++ cmake ninja-build qt6-base-dev libgl-dev libcli11-dev fonts-liberation2 fonts-dejavu-core xvfb xauth
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext libcurl4-openssl-dev)
# locales: the windows are tested under the locale of each translation (tests/translations);
# tzdata: the rates' publication times are checked against its Europe/Berlin.
test_pkgs=(locales tzdata libbenchmark-dev lintian reuse weston qt6-wayland wl-clipboard xdotool x11-utils python3 file clang libclang-rt-dev libxcb-damage0-dev pkgconf desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev at-spi2-core python3-pyatspi dbus-daemon dbus-bin libglib2.0-bin libkf5runner-dev xclip gnome-shell)

pkgs=("${run_pkgs[@]}")
[ "${1:-run}" = test ] && pkgs+=("${test_pkgs[@]}")
# The peers that bench/cli compares mezzurix-convert with, and the timer it measures memory by.
[ "${1:-run}" = bench ] && pkgs+=(units qalc time python3)

missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # Another install may hold the package lock; wait for it instead of failing.
    apt_get=($sudo apt-get -o DPkg::Lock::Timeout=600)
    "${apt_get[@]}" update -qq
    "${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

# Some tests run under a German locale (comma as decimal separator); generate it when missing.
if [ "${1:-run}" = test ] && ! locale -a | grep -qix 'de_DE\.utf-\?8'; then
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
