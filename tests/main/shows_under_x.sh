#!/usr/bin/env bash
# Starts the program on a real (virtual) X server and checks that its window gets drawn.
# Usage: shows_under_x.sh MEZZURIX SCREENSHOT_TOOL
set -eu
program=$1
grab=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    "$0" & pid=$!
    "$1" "$2/window.png"; status=$?
    alive=0; kill -0 $pid 2>/dev/null && alive=1
    kill $pid 2>/dev/null; wait $pid 2>/dev/null
    [ $alive = 1 ] || { echo "the program ended by itself"; exit 1; }
    exit $status' "$program" "$grab" "$out"

# The client area alone is 541 x 332 pixels at 96 DPI; the menu bar adds to the height.
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$out/window.png")
read -r width height <<<"$size"
echo "window drawn at ${width}x${height}"
[ "$width" -ge 530 ] && [ "$width" -le 560 ] && [ "$height" -ge 340 ] && [ "$height" -le 400 ]
