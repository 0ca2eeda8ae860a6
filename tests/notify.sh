#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop notification against a real notification service, dunst, on a private session bus
# and a virtual display; without the service the window must appear instead.
# Usage: notify.sh <path to ovrana> <case> [screenshot.png]
set -euo pipefail
if [ -z "${OVRANA_PRIVATE_BUS:-}" ]; then
    # A bus of its own that starts no service on demand: dunst is started here, or not at all.
    config=$(mktemp)
    grep -v -e servicedir -e includedir /usr/share/dbus-1/session.conf >"$config"
    OVRANA_PRIVATE_BUS=1 dbus-run-session --config-file="$config" -- bash "$0" "$@" && status=0 || status=$?
    rm -f "$config"
    exit $status
fi
program=$1
case_name=$2

work=$(mktemp -d)
cd "$work"
export XDG_CONFIG_HOME="$work/config" HOME="$work" TZ=Europe/Berlin XDG_RUNTIME_DIR="$work"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*" >&2; exit 1; }

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
pids=($!)
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

header='# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL'
records=('Uncle Tom & Co,31121950,15,-1,14,0,0,,' 'Ölaf Ångström,24121988,9,-1,10,0,0,,'
    'Mika,05011990,4,-1,14,0,0,,' 'Noah,01012020,10,-1,30,0,0,,')
printf '%s\r\n' "$header" "${records[@]}" >ovras.ini
mkdir -p config/Keldan
printf '[General]\naot=0\ndaily=1\ndays=14\nicon=1\nlastrun=2026125\nnotify=1\nonceaday=0\n' \
    >config/Keldan/ovra.conf

# What dunst shows, as its rules' scripts see it.
printf '#!/bin/sh\nprintf "%%s|%%s|%%s\\n" "$DUNST_APP_NAME" "$DUNST_SUMMARY" "$DUNST_BODY" >>%s\n' \
    "$work/shown" >dump.sh
chmod +x dump.sh
# The context menu picks the action named Options.
printf '#!/bin/sh\ngrep Options\n' >pick.sh
chmod +x pick.sh
printf '[global]\nfont = DejaVu Sans 10\nwidth = 480\noffset = 20x20\ndmenu = %s\n' "$work/pick.sh" >dunstrc
printf '[dump]\nappname = "*"\nscript = %s\n' "$work/dump.sh" >>dunstrc

start() {
    LC_ALL=en_GB.UTF-8 faketime '2026-12-20 10:00:00' "$program" >out 2>err &
    app=$!
    pids+=("$app")
}
wait_for() {  # wait_for <command...>: until it succeeds, at most 10 seconds
    for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return; sleep 0.1; done
    fail "timed out: $*"
}
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }

case $case_name in
default_action)
    dunst -config dunstrc >/dev/null 2>&1 &
    pids+=($!)
    wait_for dunstctl count
    start
    wait_for test -s shown
    expected='Ovrana|3 dates coming up|Ölaf Ångström will be 38 on Thursday 24/12/26 (in 4 days)
Uncle Tom & Co will be 76 on Thursday 31/12/26 (in 11 days)
Noah will be 7 on Friday 01/01/27 (in 12 days)'
    [ "$(cat shown)" = "$expected" ] || { diff <(echo "$expected") shown; fail "notification differs"; }
    [ ! -e ovras.ini.lock ] || fail "the lock is held while the notification waits"
    [ -z "${3:-}" ] || { sleep 1; import -window root "$3"; }
    xdotool search --onlyvisible --name '^ Ovrana$' && fail "a window beside the notification"
    dunstctl action 0
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^ Ovrana$' | head -n1) || fail "no window"
    xdotool windowfocus --sync "$window"
    sleep 0.5
    # From OK to the list, the first row, its menu, "Don't remind me again until next year".
    keys Tab Down Up Menu Down Return
    keys Return
    wait_for test ! -e "/proc/$app"
    grep -q '^Ölaf Ångström,24121988,9,2026,' ovras.ini || fail "not silenced: $(cat ovras.ini)"
    ;;
closed)
    dunst -config dunstrc >/dev/null 2>&1 &
    pids+=($!)
    wait_for dunstctl count
    start
    wait_for test -s shown
    kill -0 "$app" || fail "the run did not wait for the notification"
    dunstctl close
    wait_for test ! -e "/proc/$app"
    grep -q '^lastrun=20261220$' config/Keldan/ovra.conf || fail "the run did not end normally"
    ;;
options_action)
    dunst -config dunstrc >/dev/null 2>&1 &
    pids+=($!)
    wait_for dunstctl count
    start
    wait_for test -s shown
    dunstctl context
    timeout 20 xdotool search --sync --onlyvisible --name '^Options$' >/dev/null || fail "no Options dialog"
    xdotool search --onlyvisible --name '^ Ovrana$' && fail "the reminder window too"
    ;;
service_gone)
    # A service that goes away may have taken the notification unseen: the window instead.
    dunst -config dunstrc >/dev/null 2>&1 &
    dunst=$!
    pids+=("$dunst")
    wait_for dunstctl count
    start
    wait_for test -s shown
    kill "$dunst"
    timeout 20 xdotool search --sync --onlyvisible --name '^ Ovrana$' >/dev/null || fail "no window"
    ;;
no_display)
    # A session bus and a service, but no display: the rows as text, as ever.
    dunst -config dunstrc >/dev/null 2>&1 &
    pids+=($!)
    wait_for dunstctl count
    DISPLAY= start
    wait_for test ! -e "/proc/$app"
    [ "$(wc -l <out)" -eq 3 ] && [ ! -e shown ] || fail "expected three rows as text: $(cat out err)"
    ;;
no_service)
    start
    timeout 20 xdotool search --sync --onlyvisible --name '^ Ovrana$' >/dev/null ||
        fail "no window without a notification service: $(cat err)"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok $case_name"
