#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command the way a screen reader meets a program: on a virtual X display, in a private
# D-Bus session with the accessibility bus up, and with Qt's accessibility bridge switched on.
# A missing package fails (scripts/deps.sh test installs them all); exits 77 (skipped) only when
# the accessibility bus itself cannot be brought up, saying what failed.
# Usage: with_atspi_bus.sh COMMAND [ARGS...]
set -u

skip() { echo "SKIP: $*" >&2; exit 77; }
missing() { echo "FAIL: $* is not installed (scripts/deps.sh test installs it)" >&2; exit 1; }

if [ -z "${MEZZURIX_ON_A11Y_BUS:-}" ]; then
    for tool in xvfb-run dbus-run-session dbus-send; do
        command -v "$tool" >/dev/null || missing "$tool"
    done
    export MEZZURIX_ON_A11Y_BUS=1
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

launcher=""
for dir in /usr/libexec /usr/lib/at-spi2-core /usr/lib/x86_64-linux-gnu/at-spi2-core; do
    [ -x "$dir/at-spi-bus-launcher" ] && { launcher=$dir/at-spi-bus-launcher; break; }
done
[ -n "$launcher" ] || missing "at-spi-bus-launcher (package at-spi2-core)"

"$launcher" --launch-immediately --a11y=1 &
launcher_pid=$!
trap 'kill $launcher_pid 2>/dev/null; wait $launcher_pid 2>/dev/null' EXIT

owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true
}
for _ in $(seq 50); do
    owned && break
    kill -0 $launcher_pid 2>/dev/null || skip "at-spi-bus-launcher ended at start"
    sleep 0.2
done
owned || skip "at-spi-bus-launcher did not take the name org.a11y.Bus within 10 seconds"
address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
          org.a11y.Bus.GetAddress 2>&1) || skip "the accessibility bus gave no address: $address"

export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LC_ALL=C.UTF-8 LANG=C.UTF-8
"$@"
