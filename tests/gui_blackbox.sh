#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real windows of the built program with the keyboard on a virtual display (New,
# Edit, Delete) and checks what reaches the data file.
# Usage: gui_blackbox.sh <path to ovrana>
source "$(dirname "$0")/common.sh"
program=$1
start_display

records=('Anna Lindqvist,12051976,2,-1,14,0,0,anna@example.org,'
         '"Smith, John",03031958,12,-1,7,0,0,john@example.com,'
         'Car insurance renewal,01092015,16,-1,20,1,0,,')
printf '%s\r\n' "$header" "${records[@]}" >ovras.ini

keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
# Menus and dialogs take a moment: wait until <n> windows are visible (the root one counts).
visible() { [ "$(xdotool search --onlyvisible --name '' | wc -l)" -eq "$1" ]; }
windows() { wait_for visible "$1"; sleep 0.3; }
# Without a window manager nobody hands the focus back when a dialog closes.
focus() { xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Options$' | head -n1)"; sleep 0.3; }

start --options
window '^Options$'
sleep 0.5
keys Down Up Delete  # the first row, "Anna Lindqvist" (the list starts with no row selected)
keys Menu            # New, from the list's menu: a name, then OK
windows 3
keys Down Return
window 'No name'
xdotool type --delay 60 'Zoe Young'
keys Return
windows 2
focus  # the menu's Edit on the first row, now "Car insurance renewal": the warning days
keys Down Up Menu
windows 3
keys Down Down Return
window 'properties'
keys Tab Tab Tab Tab Tab Tab Tab ctrl+a 5 Return
windows 2
focus
keys Escape
wait_for test ! -e "/proc/$app"
expected=$(printf '%s\r\n' "$header" "${records[1]}" 'Car insurance renewal,01092015,16,-1,5,1,0,,' \
    'Zoe Young,20122026,1,-1,14,0,0,,')
[ "$(cat ovras.ini)" = "$expected" ] || { diff <(echo "$expected") ovras.ini; fail "data file differs"; }
echo ok
