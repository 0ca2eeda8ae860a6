#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop notification against a real service, dunst, on a private session bus that starts
# no service on demand, and a virtual display.
# Usage: notify.sh <case> <path to ovrana>
private_bus=1
source "$(dirname "$0")/common.sh"
program=$2
start_display

printf '%s\r\n' '# header' 'Uncle Tom & Co,31121950,15,-1,14,0,0,,' 'Ölaf Ångström,24121988,9,-1,10,0,0,,' \
    'Mika,05011990,4,-1,14,0,0,,' 'Noah,01012020,10,-1,30,0,0,,' >ovras.ini
mkdir -p config/Keldan
printf '[General]\nlastrun=2026125\nnotify=1\n' >"$conf"
# What dunst shows, as its rules' scripts see it; its context menu picks the Options action.
printf '#!/bin/sh\nprintf "%%s|%%s|%%s\\n" "$DUNST_APP_NAME" "$DUNST_SUMMARY" "$DUNST_BODY" >>shown\n' >dump.sh
printf '#!/bin/sh\ngrep "$(cat %s/want)"\n' "$work" >pick.sh && echo Options >want
chmod +x dump.sh pick.sh
printf '[global]\nfont = DejaVu Sans 10\nwidth = 480\ndmenu = %s/pick.sh\n[dump]\nappname = "*"\nscript = %s/dump.sh\n' \
    "$work" "$work" >dunstrc

serve() { dunst -config dunstrc >/dev/null 2>&1 & dunst=$!; pids+=("$dunst"); wait_for dunstctl count; }
notified() { serve; start; wait_for test -s shown; }
ended() { wait_for test ! -e "/proc/$app"; }
no_window() { ! xdotool search --onlyvisible --name '^ Ovrana$' >/dev/null || fail "a window too"; }

case $1 in
default_action)
    notified
    expected='Ovrana|3 dates coming up|Ölaf Ångström will be 38 on Thursday 24/12/26 (in 4 days)
Uncle Tom & Co will be 76 on Thursday 31/12/26 (in 11 days)
Noah will be 7 on Friday 01/01/27 (in 12 days)'
    [ "$(cat shown)" = "$expected" ] || { diff <(echo "$expected") shown; fail "notification differs"; }
    [ ! -e ovras.ini.lock ] || fail "the lock is held while the notification waits"
    no_window
    dunstctl action 0
    xdotool windowfocus --sync "$(window '^ Ovrana$')"
    # The first row's menu (the list has the focus): "Don't remind me again until next year";
    # the next one's "Remind me again tomorrow", then OK. A run later that day tells only of the third.
    xdotool key --delay 300 Down Up Menu Down Return Down Up Menu Down Down Return Return
    ended
    grep -q '^Ölaf Ångström,24121988,9,2026,' ovras.ini && grep -q '^Uncle Tom & Co,31121950,15,-1,' ovras.ini ||
        fail "not silenced, or more: $(cat ovras.ini)"
    DISPLAY='' at '2026-12-20 18:00:00'
    [ "$(cat out)" = ' Noah will be 7 on Friday 01/01/27 (in 12 days)' ] || fail "not put off: $(cat out err)"
    ;;
tomorrow_action)
    # Put off without a change to the data file: nothing more that day, all of it the next.
    echo Tomorrow >want; notified; dunstctl context; ended
    DISPLAY='' at '2026-12-20 18:00:00'; [ ! -s out ] || fail "told again: $(cat out)"
    DISPLAY='' at '2026-12-21 10:00:00'; [ "$(wc -l <out)" -eq 3 ] && [ ! -e ovras.ini.bak ] ||
        fail "not the next day, or the data file changed: $(cat out err)"
    ;;
options_action) notified; dunstctl context; window '^Options$' >/dev/null; no_window ;;
closed)
    notified; dunstctl close; ended
    grep -q '^lastrun=20261220$' "$conf" || fail "the run did not end normally"
    ;;
daily_while_shown)
    # While the logon's notification, then its window, shows today's reminder, a daily run
    # shows nothing and ends.
    notified
    for then in 'dunstctl action 0' true; do
        at '2026-12-20 10:00:00' --home --daily & pids+=($!)
        wait_for test ! -e "/proc/$!"
        [ "$(wc -l <shown)" -eq 3 ] || fail "a second notification: $(cat shown)"
        $then
        window '^ Ovrana$' >/dev/null
    done
    ;;
stopped)
    # As systemd stops the daily run of an earlier morning: its notification goes along, and
    # no run date is written.
    notified; kill -TERM "$app"; ended
    [ "$(dunstctl count displayed)" -eq 0 ] || fail "the notification stayed"
    ! grep -q '^lastrun=20261220$' "$conf" || fail "a stopped run wrote its run date"
    # Its window closes as by Escape: a row silenced in it is saved.
    rm shown; start; wait_for test -s shown
    dunstctl action 0
    xdotool windowfocus --sync "$(window '^ Ovrana$')"
    xdotool key --delay 300 Down Up Menu Down Return
    kill -TERM "$app"; ended
    grep -q '^Ölaf Ångström,24121988,9,2026,' ovras.ini || fail "not silenced: $(cat ovras.ini)"
    ;;
service_gone) notified; kill "$dunst"; window '^ Ovrana$' >/dev/null ;;  # perhaps unseen
no_display)
    serve; DISPLAY='' start; ended
    [ "$(wc -l <out)" -eq 3 ] && [ ! -e shown ] || fail "expected three rows as text: $(cat out err)"
    ;;
no_service) start; window '^ Ovrana$' >/dev/null ;;
*) fail "unknown case $1" ;;
esac
echo "ok $1"
