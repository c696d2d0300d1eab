# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the search checks with the build folder as $1. The first time, installs the build into
# a scratch prefix, with the window replaced by a stub that writes down how it was started, and
# runs the calling script again inside a private session bus that activates services from that
# prefix, as a desktop session does from /usr. Inside, $root holds the prefix (usr/).
source "$(dirname "${BASH_SOURCE[0]}")/../desktop/common.sh"
need cmake gdbus dbus-run-session

if [ -z "${MEZZURIX_SEARCH_ROOT:-}" ]; then
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    cmake --install "$1" --prefix "$root/usr" >/dev/null
    # The window and the clipboard helper are stubs that write down how they were started.
    for stub in bin/mezzurix:window libexec/mezzurix-copy:copied; do
        printf '#!/bin/sh\nprintf "%%s|" "$@" >"%s/%s.tmp" && mv "%s/%s.tmp" "%s/%s"\n' \
            "$root" "${stub#*:}" "$root" "${stub#*:}" "$root" "${stub#*:}" >"$root/usr/${stub%:*}"
    done
    # The bus's own notes go to a log; the checks keep this stderr as descriptor 3.
    # Exchange rates are kept in the prefix and never fetched: no test reaches the internet.
    MEZZURIX_SEARCH_ROOT=$root XDG_DATA_DIRS=$root/usr/share XDG_DATA_HOME=$root/home \
        XDG_CONFIG_HOME=$root/config XDG_CACHE_HOME=$root/cache MEZZURIX_OFFLINE=1 \
        MEZZURIX_RATES_URL=http://127.0.0.1:9/ dbus-run-session -- "$0" "$@" 3>&2 2>"$root/bus.log" \
        || { grep -v 'fd limit' "$root/bus.log" >&2; exit 1; }
    exit 0
fi
exec 2>&3 3>&-
root=$MEZZURIX_SEARCH_ROOT
provider_name=org.example.Mezzurix.SearchProvider

# The arguments the window stub (or with "copied", the clipboard helper's) was last started with,
# "|" after each; waits up to 5 s for it.
window_arguments() {
    local stub=${1:-window}
    for _ in $(seq 50); do [ -f "$root/$stub" ] && break; sleep 0.1; done
    cat "$root/$stub" 2>/dev/null
    rm -f "$root/$stub"
}

provider_runs() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner $provider_name | grep -q true
}
