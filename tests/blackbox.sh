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
    # A display or platform that cannot start is no display: the rows come as text.
    for display in DISPLAY=:97 WAYLAND_DISPLAY=stale-0 QT_QPA_PLATFORM=bogus; do
        rm -f "$conf"
        env "$display" LC_ALL=en_GB.UTF-8 faketime '2026-12-06 08:30:00' "$program" >out 2>err
        [ "$(wc -l <out)" -eq 6 ] || fail "$display: expected the six due rows: $(cat out err)"
        grep -q '^lastrun=2026126$' "$conf" && [ ! -e ovras.ini.lock ] ||
            fail "$display: the run did not end normally"
    done
    # Rows that could not be written reminded nobody.
    ! LC_ALL=en_GB.UTF-8 faketime '2026-12-06 08:30:00' "$program" >/dev/full ||
        fail "exit status 0 though the rows went nowhere"
    ;;
command_line)
    [ "$("$program" --version)" = "ovrana 0.1.0" ] && "$program" --help | grep -q -- '--import FILE' ||
        fail "no version or usage"
    if "$program" --export 2>err; then fail "--export without a file name succeeded"; fi
    # Contacts in, twice: the second time they are all present already.
    printf '%s\r\n' BEGIN:VCARD VERSION:3.0 'FN:Anna Smith' BDAY:1980-04-15 \
        'EMAIL;TYPE=pref:anna@example.org' ANNIVERSARY:2005-06-11 END:VCARD \
        BEGIN:VCARD VERSION:3.0 'FN:No Date' END:VCARD >contacts.vcf
    run_at '2026-12-06 08:30:00' --import contacts.vcf
    expect_file out $'Imported 2 records; skipped 0 already present, 1 without a date\n'
    run_at '2026-12-06 08:30:00' --import contacts.vcf
    expect_file out $'Imported 0 records; skipped 2 already present, 1 without a date\n'
    expect_file ovras.ini $'# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL\r
Anna Smith,15041980,1,-1,14,0,0,anna@example.org,\r
Anna Smith\'s anniversary,11062005,1,-1,14,1,0,anna@example.org,\r\n'
    # Anything else is refused, and the records stay as they are.
    cp ovras.ini before
    for bad in /etc/hostname /dev/null missing.vcf .; do
        if run_at '2026-12-06 08:30:00' --import "$bad"; then fail "imported $bad"; fi
        [ -s err ] && [ ! -s out ] && cmp -s ovras.ini before || fail "$bad: $(cat err)"
    done
    ;;
quick_path_alone)
    # Runs that show nothing need `ovrana` alone, not the program with Qt.
    mkdir bin
    cp "$program" bin/ovrana
    program=$PWD/bin/ovrana
    write_data
    mkdir -p "$(dirname "$conf")"
    settings='[General]\naot=1\ndaily=0\ndays=9\nicon=2\nlastrun=2026125\nnotify=1\nonceaday=0\n'
    printf "$settings" >"$conf"
    run_at '2026-12-06 09:00:00' --home --daily || fail "switched off, yet it ran: $(cat err)"
    [ ! -s out ] && [ ! -s err ] && cmp "$conf" <(printf "$settings") || fail "switched off, yet it wrote"
    printf '%s\r\n' '# header' 'Far away,01061990,1,-1,14,0,0,,' 'Silenced,07121990,1,2026,14,0,0,,' >ovras.ini
    run_at '2026-12-06 08:30:00'
    [ ! -s out ] && [ ! -s err ] || fail "output when nothing is due: $(cat out err)"
    grep -qx 'lastrun=2026126' "$conf" || fail "run date not written: $(cat "$conf")"
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
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok $case_name"
