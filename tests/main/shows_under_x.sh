#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the program on a real (virtual) X server and checks that its window gets drawn, and that
# its WM_CLASS names the desktop entry's StartupWMClass, by which X11 desktops match the two.
# Usage: shows_under_x.sh MEZZURIX SCREENSHOT_TOOL DESKTOP_ENTRY
set -eu
program=$1
grab=$2
desktop_entry=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=xcb  # whatever the caller's environment says

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    "$0" & pid=$!
    "$1" "$2/window.png"; status=$?
    window=$(xwininfo -root -tree | awk "/Mezzurix!!/ { print \$1; exit }")
    [ -n "$window" ] && xprop -id "$window" WM_CLASS >"$2/wm_class"
    alive=0; kill -0 $pid 2>/dev/null && alive=1
    kill $pid 2>/dev/null; wait $pid 2>/dev/null
    [ $alive = 1 ] || { echo "the program ended by itself"; exit 1; }
    exit $status' "$program" "$grab" "$out"

startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
echo "$(cat "$out/wm_class"); StartupWMClass=$startup_class"
grep -q -F "\"$startup_class\"" "$out/wm_class" || { echo "WM_CLASS does not name $startup_class"; exit 1; }

# The client area alone is 541 x 332 pixels at 96 DPI; the menu bar adds to the height.
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$out/window.png")
read -r width height <<<"$size"
echo "window drawn at ${width}x${height}"
[ "$width" -ge 530 ] && [ "$width" -le 560 ] && [ "$height" -ge 340 ] && [ "$height" -le 400 ]
