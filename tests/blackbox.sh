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
    [ ! -s err ] && cmp ovras.ini before || fail "complained or changed the file: $(cat err)"
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
    grep -qx 'lastrun=2026126' "$conf" || fail "run date not written: $(cat "$conf")"
    # Something due is for the program with Qt, missing here.
    printf '%s\r\n' 'Sara,07121990,7,-1,5,0,0,,' >>ovras.ini
    if run_at '2026-12-06 09:00:00'; then fail "a reminder was due, yet no program with Qt ran"; fi
    grep -q 'cannot start ovrana-gui' err || fail "no word of the missing program: $(cat err)"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok $case_name"
