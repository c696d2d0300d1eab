#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# GNOME Shell itself as the client: a headless Shell on a private session bus, with the program
# installed into a scratch prefix, searches for "24 in to ft" through its own search code, shows the
# provider's answer and, when it is activated, opens the window on that conversion.
# Usage: check_gnome_shell.sh BUILD_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../desktop/common.sh"
# The status of a run where the Shell itself never finished starting: the check could not run, and
# says so as a skipped test (SKIP_RETURN_CODE), with what the Shell was doing.
kShellDidNotStart=77
need cmake gdbus dbus-run-session dbus-daemon gnome-shell python3

if [ -z "${MEZZURIX_SHELL_ROOT:-}" ]; then
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    cmake --install "$1" --prefix "$root/usr" >/dev/null
    mkdir -m 700 "$root/run"
    # Animations off: the Shell ends its start-up without rendering the animation's frames, which
    # takes the software renderer long on a loaded machine.
    mkdir -p "$root/config/glib-2.0/settings"
    printf '[org/gnome/desktop/interface]\nenable-animations=false\n' >"$root/config/glib-2.0/settings/keyfile"
    # The Shell's own schemas and files stay readable after the prefix; the Shell lists only
    # applications whose program is on the PATH.
    PATH=$root/usr/bin:$PATH MEZZURIX_SHELL_ROOT=$root XDG_RUNTIME_DIR=$root/run XDG_DATA_DIRS=$root/usr/share:/usr/share \
        XDG_DATA_HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_CACHE_HOME=$root/cache \
        GSETTINGS_BACKEND=keyfile timeout 150 dbus-run-session -- "$0" "$@" 3>&2 2>"$root/bus.log" \
        && exit 0
    status=$?
    [ "$status" -eq "$kShellDidNotStart" ] && exit "$status"
    grep -v 'fd limit' "$root/bus.log" >&2
    cat "$root/shell.log" >&2
    exit 1
fi
exec 2>&3 3>&-
root=$MEZZURIX_SHELL_ROOT
started=$(date +%s%N)

# The Shell connects to the system bus at start; a private bus stands in for it.
dbus-daemon --session --fork --address="unix:path=$root/run/system_bus" --print-pid=4 4>"$root/system_bus.pid"
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$root/run/system_bus
# The software renderer starts a thread per processor the machine reports, which a container may
# report far beyond what it grants; two draw the small virtual monitor.
LP_NUM_THREADS=2 gnome-shell --headless --unsafe-mode --wayland --no-x11 --virtual-monitor 1024x768 >"$root/shell.log" 2>&1 &
shell=$!
window=
# Leaves the outcome of the checks as the script's status.
cleanup() {
    if [ -n "$window" ]; then kill "$window" 2>/dev/null || true; fi
    kill "$shell" "$(cat "$root/system_bus.pid")" 2>/dev/null || true
    # A Shell stuck in a blocking call ignores the polite request.
    for _ in $(seq 50); do kill -0 "$shell" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$shell" 2>/dev/null || true
    wait "$shell" 2>/dev/null || true
}
trap cleanup EXIT

# Runs JavaScript in the Shell and prints its value: a string as it is, anything else as JSON.
shell_eval() {
    gdbus call --session --timeout 5 --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "$1" 2>/dev/null \
        | python3 -c "$decode"
}
decode='
import ast, json, sys
try:
    text = sys.stdin.read().strip().replace("(true,", "(True,", 1).replace("(false,", "(False,", 1)
    ok, value = ast.literal_eval(text)
    value = json.loads(value) if ok else ""
except (SyntaxError, ValueError):
    value = ""
print(value if isinstance(value, str) else json.dumps(value, ensure_ascii=False))'
ms() { echo $((($(date +%s%N) - started) / 1000000)); }
step() { echo "$(ms) ms: $*" >&2; }
# Repeats shell_eval until it prints something other than "", "null" or "[]", for at most SECONDS.
shell_wait() {
    local until=$(($(ms) + $1 * 1000)) script=$2 value
    while [ "$(ms)" -lt $until ]; do
        value=$(shell_eval "$script")
        [ -n "$value" ] && [ "$value" != null ] && [ "$value" != "[]" ] && { echo "$value"; return; }
        sleep 0.1
    done
}

if [ "$(shell_wait 60 'imports.ui.main.layoutManager._startingUp ? null : 2')" != 2 ]; then
    echo "SKIP: the Shell did not finish starting in 60 s; its threads:" >&2
    for task in /proc/"$shell"/task/*; do
        echo "  $(cat "$task/comm" 2>/dev/null) $(sed 's/^.*) //; s/ .*//' "$task/stat" 2>/dev/null) $(cat "$task/wchan" 2>/dev/null)" >&2
    done
    tail -5 "$root/shell.log" >&2
    exit "$kShellDidNotStart"
fi
step "the Shell runs"
# What the provider starts opens on the Shell's display.
gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.UpdateActivationEnvironment \
    "{'WAYLAND_DISPLAY': 'wayland-0', 'QT_QPA_PLATFORM': 'wayland', 'XDG_RUNTIME_DIR': '$root/run'}" >/dev/null

# Typed into the overview's search entry, as a user types it. While it starts, the Shell may see
# the installed applications change and reload its providers, losing a search typed before; the
# search is typed again then, as a user would.
results="imports.ui.main.overview._overview._controls._searchController._searchResults"
provider="$results._providers.find(p => p.id === 'org.example.Mezzurix.desktop')"
for attempt in 1 2 3; do
    shell_eval "const Main = imports.ui.main; Main.overview.show(); Main.overview.searchEntry.set_text('');
        Main.overview.searchEntry.set_text('24 in to ft'); 0" >/dev/null
    [ "$(shell_eval "!!$provider")" = true ] \
        || { fail "the Shell did not load the search provider: $(grep -i 'search provider' "$root/shell.log")"; finish; }
    shown=$(shell_wait 5 "const d = $provider.display._resultDisplays;
        JSON.stringify(Object.keys(d).map(id => [id, d[id].metaInfo.name, d[id].metaInfo.description]))")
    [ -n "$shown" ] && break
    step "no answer shown yet, for $(shell_eval "JSON.stringify([$results._terms, $results._results])")"
done
want='[["24 Inches to Feet","2 Feet","24 Inches = 2 Feet · Distance"]]'
step "the Shell shows $shown"
[ "$shown" = "$want" ] || fail "the Shell shows $shown, not $want"

# Activating it opens the window on that conversion.
shell_eval "Object.values($provider.display._resultDisplays)[0].activate(); 0" >/dev/null
window=$(shell_wait 20 "const w = global.get_window_actors().map(a => a.meta_window)
    .find(w => w.get_wm_class() === 'org.example.Mezzurix' || w.get_gtk_application_id() === 'org.example.Mezzurix'
               || (w.get_wm_class() || '').startsWith('mezzurix'));
    w ? w.get_pid() : null")
if [ -n "$window" ]; then
    step "the window opened"
    arguments=$(tr '\0' '|' <"/proc/$window/cmdline")
    [ "${arguments#*|}" = "--|24 Inches to Feet|" ] || fail "the window was started as $arguments"
else
    fail "no window opened: $(shell_eval "JSON.stringify(global.get_window_actors().map(a => a.meta_window.get_wm_class()))")"
fi
# With MEZZURIX_SHELL_TYPING="24 in to ft;5 kg to pounds", types each text one character at a
# time from its third word on, and writes what the Shell shows at each step.
IFS=';' read -r -a typed_texts <<<"${MEZZURIX_SHELL_TYPING:-}"
for text in "${typed_texts[@]}"; do
    first=$(awk '{ print length($1) + length($2) + 2 }' <<<"$text")
    for ((end = first; end <= ${#text}; ++end)); do
        part=${text:0:end}
        [ "${part: -1}" = " " ] && continue
        shell_eval "imports.ui.main.overview.searchEntry.set_text('$part'); 0" >/dev/null
        shell_wait 5 "$results._terms.join(' ') === '$part' ? 1 : null" >/dev/null
        sleep 0.5  # the Shell asks the provider after a short pause
        seen=$(shell_eval "const d = $provider.display._resultDisplays;
            const ids = $results._results[$provider.id] || [];
            JSON.stringify(ids.filter(id => d[id]).map(id => d[id].metaInfo.name))")
        echo "GNOME Shell, typed '$part': $seen"
    done
done
echo "GNOME Shell showed $shown and opened the window in $(ms) ms"
finish
