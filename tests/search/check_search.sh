#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The search provider as a desktop meets it: installed into a scratch prefix, started by a private
# session bus from its .service file, and called the way GNOME Shell and KRunner call it.
# Usage: check_search.sh BUILD_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scratch_bus.sh"
need readelf python3
name=$provider_name
provider=$root/usr/libexec/mezzurix-search-provider
share=$root/usr/share

# Installed files.
if readelf -d "$provider" | grep -E 'NEEDED.*libQt6(Gui|Widgets)'; then fail "the provider links Gui or Widgets"; fi
grep -qx "Exec=$provider" "$share/dbus-1/services/$name.service" || fail ".service Exec is not $provider"
for key in DesktopId=org.example.Mezzurix.desktop BusName=$name \
           ObjectPath=/org/example/Mezzurix/SearchProvider Version=2; do
    grep -qx "$key" "$share/gnome-shell/search-providers/org.example.Mezzurix.search-provider.ini" \
        || fail "GNOME .ini lacks $key"
done
for key in X-Plasma-API=DBus X-Plasma-DBusRunner-Service=$name X-Plasma-DBusRunner-Path=/runner \
           X-Plasma-Request-Actions-Once=true; do
    grep -qx "$key" "$share/krunner/dbusplugins/$name.desktop" || fail "KRunner .desktop lacks $key"
done

call() {  # OBJECT_PATH METHOD ARGS...: one call, answered within 5 seconds
    local path=$1 method=$2
    shift 2
    gdbus call --session --timeout 5 --dest $name --object-path "$path" --method "$method" -- "$@" 2>&1
}
gnome() { local method=$1; shift; call /org/example/Mezzurix/SearchProvider org.gnome.Shell.SearchProvider2.$method "$@"; }
krunner() { local method=$1; shift; call /runner org.kde.krunner1.$method "$@"; }
expect() {  # WANT COMMAND...
    local want=$1 got
    shift
    got=$("$@")
    [ "$got" = "$want" ] || fail "$* gave $got, not $want"
}
owner_pid() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID $name 2>/dev/null | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p'
}

provider_runs && fail "the provider runs before the first call"
no_ids="(@as [],)"
no_matches="(@a(sssida{sv}) [],)"
feet="'24 Inches to Feet'"
five="(['24 Inches to Centimeters', '24 Inches to Millimeters', '24 Inches to Feet', '24 Inches to Yards', '24 Inches to Meters'],)"

# GNOME Shell: terms split at blanks, ids then metas; a subsearch computes afresh.
expect "([$feet],)" gnome GetInitialResultSet "['24', 'in', 'to', 'ft']"
provider_runs || fail "the first call did not start the provider"
expect "$five" gnome GetInitialResultSet "['24', 'in']"
expect "$five" gnome GetSubsearchResultSet "[]" "['24', 'in', 'to']"
expect "([$feet],)" gnome GetSubsearchResultSet "['24 Inches to Yards']" "['24', 'in', 'to', 'ft']"
# Ids that are no conversion get no meta.
expect "([{'clipboardText': <'2'>, 'description': <'24 Inches = 2 Feet · Distance'>, 'gicon': <'org.example.Mezzurix'>, 'id': <$feet>, 'name': <'2 Feet'>}],)" \
    gnome GetResultMetas "['garbage id', $feet, 'no such id']"
expect "(@aa{sv} [],)" gnome GetResultMetas "['garbage id']"

# KRunner.
expect "([($feet, '2 Feet', 'org.example.Mezzurix', 100, 1.0, {'subtext': <'24 Inches = 2 Feet · Distance'>})],)" \
    krunner Match "24 in to ft"
expect "([('copy', 'Copy', 'edit-copy')],)" krunner Actions
expect "()" krunner Teardown

# Overlapping calls from two clients each get their own answer.
long=$(head -c 100000 /dev/zero | tr '\0' 7)
for i in 1 2 3; do
    krunner Match "-40 C to F" >"$root/a$i" &
    krunner Match "$long" >"$root/b$i" &
    gnome GetInitialResultSet "['1', 'kg', 'lb']" >"$root/c$i" &
done
wait
for i in 1 2 3; do
    expect "([('-40 Celsius to Fahrenheit', '-40 Degrees Fahrenheit', 'org.example.Mezzurix', 100, 1.0, {'subtext': <'-40 Degrees Celsius = -40 Degrees Fahrenheit · Temperature'>})],)" cat "$root/a$i"
    expect "$no_matches" cat "$root/b$i"
    expect "(['1 Kilograms to Pounds(avdp)'],)" cat "$root/c$i"
done

# Hostile and odd queries: no results, and the next call is answered as usual.
expect "$no_ids" gnome GetInitialResultSet "[]"
expect "$no_ids" gnome GetInitialResultSet "['', '']"
expect "$no_ids" gnome GetInitialResultSet "['24 in to ft$(printf '%*s' 250 '')', 'x']"
expect "$no_ids" gnome GetInitialResultSet "['hello', 'world']"
expect "$no_matches" krunner Match "in to ft 24"
expect "$no_matches" krunner Match "$long"
# Invalid UTF-8 never reaches the provider: the bus itself refuses the message.
python3 "$here/send_raw.py" $name /runner org.kde.krunner1 Match "3234ff20696e20746f206674"
expect "([$feet],)" gnome GetInitialResultSet "['24', 'in', 'to', 'ft']"

# A chosen result opens the window on it, detached.
opened() {  # WANT COMMAND...: the window stub was started with these arguments
    local want=$1 got
    shift
    "$@" >/dev/null
    got=$(window_arguments)
    [ "$got" = "$want" ] || fail "$* opened the window with '$got'"
}
opened "--|24 Inches to Feet|" gnome ActivateResult "24 Inches to Feet" "['24', 'in', 'to', 'ft']" 0
opened "--|24 Inches to Centimeters|" gnome LaunchSearch "['24', 'in']" 0
opened "|" gnome LaunchSearch "['hello']" 0
opened "--|-40 Celsius to Fahrenheit|" krunner Run "-40 Celsius to Fahrenheit" ""
# KRunner's Copy puts the number as shown on the clipboard, through the helper.
krunner Run "1.5 Inches to Centimeters" copy >/dev/null
got=$(window_arguments copied)
[ "$got" = "--|3.81|" ] || fail "Copy started the clipboard helper with '$got'"
krunner Run "no such id" copy >/dev/null
[ -z "$(window_arguments copied)" ] || fail "Copy of an unknown id started the clipboard helper"

# Currencies: no answer without rates; from today's rates in the cache, an answer dated in its
# description, which activating copies rather than opening the window, in either shell.
expect "$no_ids" gnome GetInitialResultSet "['100', 'usd', 'to', 'eur']"
mkdir -p "$root/cache/mezzurix"
printf 'mezzurix exchange rates 1\ndate %s\nfetched %s\nUSD 1.0833\n' "$(date -u +%F)" "$(date +%s)" \
    >"$root/cache/mezzurix/exchange-rates"
expect "(['100 USD to EUR'],)" gnome GetInitialResultSet "['100', 'usd', 'to', 'eur']"
expect "([{'clipboardText': <'92.31'>, 'description': <'100 US dollars = 92.31 euros · ECB reference rate of $(date -u +%F)'>, 'gicon': <'org.example.Mezzurix'>, 'id': <'100 USD to EUR'>, 'name': <'92.31 euros'>}],)" \
    gnome GetResultMetas "['100 USD to EUR']"
gnome ActivateResult "100 USD to EUR" "['100', 'usd', 'to', 'eur']" 0 >/dev/null
got=$(window_arguments copied)
[ "$got" = "--|92.31|" ] || fail "activating a currency answer started the clipboard helper with '$got'"
krunner Run "100 USD to EUR" "" >/dev/null
got=$(window_arguments copied)
[ "$got" = "--|92.31|" ] || fail "running a currency match started the clipboard helper with '$got'"
[ ! -e "$root/window" ] || fail "a currency answer opened the window"
opened "|" gnome LaunchSearch "['100', 'usd', 'to', 'eur']" 0

# Idle exit: ten seconds after the last call.
ms() { echo $(($(date +%s%N) / 1000000)); }
krunner Teardown >/dev/null
last=$(ms)
pid=$(owner_pid)
# An ended provider may wait a moment for the bus to reap it; it no longer runs then.
runs() { [ -e "/proc/$1" ] && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null; }
while runs "$pid" && [ $(($(ms) - last)) -lt 30000 ]; do sleep 0.05; done
idle=$(($(ms) - last))
echo "the provider left after $idle ms without a call"
runs "$pid" && fail "the provider still runs 30 s after the last call"
[ "$idle" -ge 10000 ] || fail "the provider left after only $idle ms"
[ "$idle" -le 12000 ] || fail "the provider left only after $idle ms"
finish
