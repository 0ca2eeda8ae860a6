#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the built program as a user's logon would: in a fresh working directory, with its own
# settings folder, no display and a pinned date.
# Usage: blackbox.sh <path to ovrana> <case>
set -euo pipefail
program=$1
case_name=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME="$work/config" HOME="$work" TZ=Europe/Berlin
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
conf="$XDG_CONFIG_HOME/Keldan/ovra.conf"

fail() { echo "FAIL: $*" >&2; exit 1; }

# ovrana at a pinned local time; standard output and error go to out and err.
run_at() {
    local when=$1
    shift
    # Qt reads the locale name itself, so it need not be installed on the machine.
    LC_ALL=en_GB.UTF-8 faketime "$when" "$program" "$@" >out 2>err
}

write_data() {
    printf '%s\r\n' \
        '# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL' \
        'anna,12051976,2,-1,14,0,0,anna@example.org,' \
        '"Smith, John",03121958,12,-1,7,0,0,john@example.com,' \
        'Grandma Rose,29021936,14,-1,21,0,0,,' \
        'Wedding anniversary,09121999,14,-1,30,1,0,,' \
        'ölaf Ångström,24121988,9,-1,20,0,0,olaf@example.net,' \
        'Dentist,08120000,5,-1,7,1,0,,' \
        'Sara,07120000,7,-1,5,0,0,,' \
        'Office party,10120000,8,-1,3,1,1,,' \
        'Noah,01012020,10,-1,30,0,0,,' \
        'Silenced,06121990,3,2026,14,0,0,,' \
        'Bob,06121990,3,-1,14,0,0,,' >ovras.ini
}

expect_file() {  # expect_file <file> <expected text>
    diff -u <(printf '%s' "$2") "$1" || fail "$1 differs"
}

case $case_name in
due_rows)
    write_data
    cp ovras.ini before
    run_at '2026-12-06 08:30:00'
    expect_file out ' Bob is 36 today
 Sara tomorrow
 Dentist on Tuesday 08/12/26 (in 2 days)
 Wedding anniversary on Wednesday 09/12/26 (in 3 days)
 Ölaf Ångström will be 38 on Thursday 24/12/26 (in 18 days)
 Noah will be 7 on Friday 01/01/27 (in 26 days)
'
    [ ! -s err ] || fail "unexpected error output: $(cat err)"
    cmp ovras.ini before || fail "the data file changed"
    ;;
first_run_settings)
    write_data
    run_at '2026-12-06 08:30:00'
    expect_file "$conf" '[General]
aot=0
daily=1
days=14
icon=1
lastrun=2026126
notify=0
onceaday=0
'
    ;;
once_a_day)
    write_data
    mkdir -p "$(dirname "$conf")"
    printf '[General]\naot=1\nonceaday=1\ndays=9\nicon=-1\nlastrun=2026126\n' >"$conf"
    run_at '2026-12-06 18:00:00'
    [ ! -s out ] || fail "reminded twice on one day"
    grep -q '^lastrun=2026126$' "$conf" && grep -q '^days=9$' "$conf" && grep -q '^aot=1$' "$conf" ||
        fail "settings not kept: $(cat "$conf")"
    # The next day the reminder runs again and the run date moves on.
    run_at '2026-12-07 08:00:00'
    head -n1 out | grep -qx ' Sara today' || fail "no reminder next day: $(cat out)"
    grep -q '^lastrun=2026127$' "$conf" || fail "run date not written"
    ;;
missing_data_file)
    ! run_at '2026-12-06 08:30:00' || fail "exit status 0, yet the Options dialog was not shown"
    [ ! -s out ] || fail "rows without records"
    grep -q 'Options dialog cannot be shown' err || fail "no message for the Options dialog"
    [ "$(wc -l <err)" -eq 1 ] || fail "more than one line of errors: $(cat err)"
    [ ! -e ovras.ini ] || fail "a data file was created though nothing changed"
    [ -e "$conf" ] || fail "settings not written"
    ;;
argument_opens_options)
    write_data
    cp ovras.ini before
    ! run_at '2026-12-06 08:30:00' --options || fail "exit status 0, yet the Options dialog was not shown"
    [ ! -s out ] || fail "reminded although an argument was given"
    grep -q 'Options dialog cannot be shown' err || fail "no message for the Options dialog"
    cmp ovras.ini before || fail "the data file changed"
    grep -q '^lastrun=2026126$' "$conf" || fail "run date not written"
    ;;
unreachable_display)
    write_data
    # A display that cannot be reached is no display: the rows come as text.
    DISPLAY=:97 run_at '2026-12-06 08:30:00'
    [ "$(wc -l <out)" -eq 6 ] || fail "expected the six due rows: $(cat out err)"
    grep -q '^lastrun=2026126$' "$conf" || fail "the run did not end normally"
    ;;
nothing_due_needs_no_display)
    printf '%s\r\n' '# header' 'Far away,01061990,1,-1,14,0,0,,' >ovras.ini
    # A display that does not exist: connecting to it would fail the run.
    DISPLAY=:97 run_at '2026-12-06 08:30:00'
    [ ! -s out ] && [ ! -s err ] || fail "output when nothing is due: $(cat out err)"
    ;;
quiet_logon_alone)
    # A logon run that shows nothing needs `ovrana` alone, not the program with Qt.
    mkdir bin
    cp "$program" bin/ovrana
    program=$PWD/bin/ovrana
    printf '%s\r\n' '# header' 'Far away,01061990,1,-1,14,0,0,,' 'Silenced,07121990,1,2026,14,0,0,,' >ovras.ini
    mkdir -p "$(dirname "$conf")"
    printf '[General]\naot=1\ndays=9\nicon=2\nlastrun=2026125\nonceaday=0\n' >"$conf"
    run_at '2026-12-06 08:30:00'
    [ ! -s out ] && [ ! -s err ] || fail "output when nothing is due: $(cat out err)"
    expect_file "$conf" '[General]
aot=1
daily=1
days=9
icon=2
lastrun=2026126
notify=0
onceaday=0
'
    # Something due is for the program with Qt, missing here.
    printf '%s\r\n' 'Sara,07121990,7,-1,5,0,0,,' >>ovras.ini
    if run_at '2026-12-06 09:00:00'; then fail "a reminder was due, yet no program with Qt ran"; fi
    grep -q 'cannot start ovrana-gui' err || fail "no word of the missing program: $(cat err)"
    ;;
daily)
    # The morning run after the logon's shows nothing, even without "once a day"; the next day's
    # first run reminds again, the next day's second does not.
    write_data
    run_at '2026-12-06 08:30:00'
    run_at '2026-12-06 09:00:00' --home --daily
    [ ! -s out ] && [ ! -s err ] || fail "reminded twice on one day: $(cat out err)"
    run_at '2026-12-07 00:10:00' --daily
    head -n1 out | grep -qx ' Sara today' || fail "no reminder after midnight: $(cat out err)"
    run_at '2026-12-07 09:00:00' --daily
    [ ! -s out ] || fail "reminded twice on the next day: $(cat out)"
    grep -q '^onceaday=0$' "$conf" && grep -q '^lastrun=2026127$' "$conf" || fail "settings: $(cat "$conf")"
    ;;
daily_alone)
    # Whatever the daily run does not show needs `ovrana` alone, not the program with Qt.
    mkdir bin
    cp "$program" bin/ovrana
    program=$PWD/bin/ovrana
    write_data
    mkdir -p "$(dirname "$conf")"
    settings='[General]\naot=0\ndaily=0\ndays=9\nicon=2\nlastrun=2026125\nnotify=1\nonceaday=0\n'
    printf "$settings" >"$conf"
    run_at '2026-12-06 09:00:00' --daily || fail "switched off, yet it ran: $(cat err)"
    [ ! -s out ] && [ ! -s err ] && cmp "$conf" <(printf "$settings") || fail "switched off, yet it wrote"
    printf '%s\r\n' '# header' 'Far away,01061990,1,-1,14,0,0,,' >ovras.ini
    sed -i 's/^daily=0$/daily=1/' "$conf"
    run_at '2026-12-06 09:00:00' --home --daily || fail "nothing due, yet it ran: $(cat err)"
    grep -q '^lastrun=2026126$' "$conf" || fail "run date not written: $(cat "$conf")"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok $case_name"
