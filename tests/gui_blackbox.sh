#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real windows of the built program with the keyboard on a virtual display and
# checks what reaches the data file.
# Usage: gui_blackbox.sh <path to ovrana>
set -euo pipefail
program=$1

work=$(mktemp -d)
cd "$work"
export XDG_CONFIG_HOME="$work/config" HOME="$work" TZ=Europe/Berlin XDG_RUNTIME_DIR="$work"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() { echo "FAIL: $*" >&2; exit 1; }

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

header='# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL'
records=(
    'Anna Lindqvist,12051976,2,-1,14,0,0,anna@example.org,'
    '"Smith, John",03031958,12,-1,7,0,0,john@example.com,'
    'Grandma Rose,29021936,14,-1,21,0,0,,'
    'Wedding anniversary,17061999,14,-1,30,1,0,,'
    'Car insurance renewal,01092015,16,-1,20,1,0,,'
    'Ölaf Ångström,24121988,9,-1,10,0,0,olaf@example.net,'
    'Mika,05011990,4,-1,14,0,0,,'
    'Dentist check-up,15040000,5,-1,7,1,0,,'
    'Uncle Tom,31121950,15,-1,14,0,0,tom@example.org,'
    'Sara (school friend),19070000,7,-1,5,0,0,,'
    'Office party,10120000,8,-1,3,1,1,,'
    'Léa Dubois,08081995,11,-1,14,0,0,lea.dubois@example.fr,'
    'Project launch day,22032021,3,-1,0,1,0,,'
    'Noah,01012020,10,-1,30,0,0,,'
    'Hannah Weiß,14021985,6,-1,14,0,0,hannah@example.de,'
    'Dad,30061960,15,-1,21,0,0,dad@example.org,'
    'Mum,02111962,14,-1,21,0,0,mum@example.org,'
    'Kenji Watanabe,11111979,13,-1,14,0,0,,'
    'Pet cat Miso,04102018,9,-1,2,1,0,,'
    'Library book due,28020000,1,-1,4,1,0,,'
)
printf '%s\r\n' "$header" "${records[@]}" >ovras.ini

start() {  # start <window name> [arguments]: runs ovrana and waits for its window
    local name=$1
    shift
    LC_ALL=en_GB.UTF-8 faketime '2026-12-20 10:00:00' "$program" "$@" >out 2>err &
    app=$!
    timeout 20 xdotool search --sync --onlyvisible --name "$name" >/dev/null || fail "no window $name"
    sleep 0.5
}

# Without a window manager nobody hands the focus back when a dialog closes.
focus() { xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -n1)"; sleep 0.3; }

keys() { xdotool key --delay 150 "$@"; sleep 0.5; }

# Menus and dialogs take a moment to open and close: wait until <n> windows are visible
# (the root window counts as one).
windows() {
    for _ in $(seq 100); do
        [ "$(xdotool search --onlyvisible --name '' | wc -l)" -eq "$1" ] && { sleep 0.3; return; }
        sleep 0.1
    done
    fail "expected $1 visible windows"
}

finish() {  # waits for the program to end by itself
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || { app=""; return; }; sleep 0.1; done
    fail "the program did not end"
}

expect_records() {  # expect_records <record lines...>: the whole data file
    local expected
    expected=$(printf '%s\r\n' "$header" "$@")
    [ "$(cat ovras.ini)" = "$expected" ] || { diff <(echo "$expected") ovras.ini; fail "data file differs"; }
}

start '^Options$' --options
# Delete the first row by name, "Anna Lindqvist" (the list starts with no row selected).
keys Down Up Delete
# New through the list's menu: a name, then OK.
keys Menu
windows 3
keys Down Return
timeout 10 xdotool search --sync --onlyvisible --name 'No name' >/dev/null || fail "no Edit person dialog"
xdotool type --delay 60 'Zoe Young'
keys Return
windows 2
# Edit the first row, now "Car insurance renewal" (a refill selects none), by the menu's Edit.
focus '^Options$'
keys Down Up Menu
windows 3
keys Down Down Return
timeout 10 xdotool search --sync --onlyvisible --name 'properties' >/dev/null || fail "no Edit person dialog"
# Name, the three fields of the date, "Year unknown", the icon, then the warning days.
keys Tab Tab Tab Tab Tab Tab ctrl+a 5 Return
windows 2
focus '^Options$'
keys Escape
finish
expect_records "${records[@]:1:3}" 'Car insurance renewal,01092015,16,-1,5,1,0,,' "${records[@]:5:15}" \
    'Zoe Young,20122026,1,-1,14,0,0,,'
echo ok
