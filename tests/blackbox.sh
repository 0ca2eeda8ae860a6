#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the built program as a user's logon would, with a pinned date.
# Usage: blackbox.sh <case> <path to ovrana>
source "$(dirname "$0")/common.sh"
program=$2

write_data() {
    printf '%s\r\n' "$header" 'Dentist,08120000,5,-1,7,1,0,,' 'Sara,07120000,7,-1,5,0,0,,' \
        'ölaf Ångström,24121988,9,-1,20,0,0,olaf@example.net,' 'Noah,01012020,10,-1,30,0,0,,' \
        'Silenced,06121990,3,2026,14,0,0,,' 'Bob,06121990,3,-1,14,0,0,,' >ovras.ini
}
expect_file() { diff -u <(printf '%s' "$2") "$1" || fail "$1 differs"; }  # <file> <text>

case $1 in
unreachable_display)
    # No display, or one that cannot start, is no display: the rows come as text.
    write_data
    # :999 is above the numbers the tests' own servers take.
    for display in NO_DISPLAY=1 DISPLAY=:999 WAYLAND_DISPLAY=stale-0 QT_QPA_PLATFORM=bogus; do
        rm -f "$conf"
        faketime '2026-12-06 08:30:00' env "$display" LC_ALL=en_GB.UTF-8 "$program" >out 2>err
        expect_file out ' Bob is 36 today
 Sara tomorrow
 Dentist on Tuesday 08/12/26 (in 2 days)
 Ölaf Ångström will be 38 on Thursday 24/12/26 (in 18 days)
 Noah will be 7 on Friday 01/01/27 (in 26 days)
'
        [ "$display" != NO_DISPLAY=1 ] || [ ! -s err ] || fail "complained: $(cat err)"
    done
    # Rows that could not be written reminded nobody.
    ! LC_ALL=en_GB.UTF-8 faketime '2026-12-06 08:30:00' "$program" >/dev/full ||
        fail "exit status 0 though the rows went nowhere"
    ;;
command_line)
    [ "$("$program" --version)" = "ovrana 0.1.0" ] && "$program" --help | grep -q -- '--import FILE' ||
        fail "no version or usage"
    ! "$program" --export 2>err || fail "--export without a file name succeeded"
    # Contacts in, twice: the second time they are all present already.
    printf '%s\r\n' BEGIN:VCARD VERSION:3.0 'FN:Anna Smith' BDAY:1980-04-15 \
        'EMAIL;TYPE=pref:anna@example.org' ANNIVERSARY:2005-06-11 END:VCARD \
        BEGIN:VCARD VERSION:3.0 'FN:No Date' END:VCARD >contacts.vcf
    for imported in 2 0; do
        at '2026-12-06 08:30:00' --import contacts.vcf
        expect_file out "Imported $imported records; skipped $((2 - imported)) already present, 1 without a date, 0 without a name
"
    done
    expect_file ovras.ini "$header"$'\r\nAnna Smith,15041980,1,-1,14,0,0,anna@example.org,\r
Anna Smith\'s anniversary,11062005,1,-1,14,1,0,anna@example.org,\r\n'
    # Anything else is refused, and the records stay as they are.
    cp ovras.ini before
    for bad in /etc/hostname /dev/null missing.vcf .; do
        ! at '2026-12-06 08:30:00' --import "$bad" || fail "imported $bad"
        [ -s err ] && [ ! -s out ] && cmp -s ovras.ini before || fail "$bad: $(cat err)"
    done
    # Each row, in a folder of its own holding these records: <setup>|<command>|<status>|<check>.
    # The export never writes the records, and writes what is at a name as `cp` would.
    ovrana() { "$program" "$@"; }
    nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$program" "$@"; }
    chmod 755 "$work"
    while IFS='|' read -r setup command status check; do
        mkdir row && cd row && cp ../before ovras.ini && eval "$setup"
        code=0 && eval "$command" >"$work/out" 2>"$work/err" || code=$?
        cd "$work/row" && [ "$code" = "$status" ] && eval "$check" || fail "$command: $code: $(cat ../err)"
        cd "$work" && rm -rf row
    done <<'ROWS'
|ovrana --export ovras.ini|1|cmp -s ovras.ini ../before
|ovrana --export - >>ovras.ini|1|cmp -s ovras.ini ../before
ln -s ovras.ini cal.ics|ovrana --export cal.ics|1|[ -L cal.ics ]
cp ovras.ini ovras.ini.bak|ovrana --export "$PWD/ovras.ini.bak"|1|cmp -s ovras.ini.bak ../before
|ovrana --export ovras.ini.lock|1|[ ! -e ovras.ini.lock ]
echo old >real.ics && ln -s real.ics link.ics|ovrana --export link.ics|0|[ -L link.ics ] && grep -q END:VCALENDAR real.ics
mkfifo pipe && { cat pipe >piped & pids+=($!); }|ovrana --export pipe|0|[ -p pipe ] && wait $! && grep -q END:VCALENDAR piped
mknod full c 1 7|ovrana --export full|1|[ -c full ] && grep -q 'No space left' ../err
chmod 777 . && echo old >ro.ics && chown 65534:65534 ro.ics && chmod 444 ro.ics|nobody --export ro.ics|1|grep -qx old ro.ics
chmod 777 . && echo old >g.ics && chown 65534:0 g.ics && chmod 666 g.ics|nobody --export g.ics|1|grep -qx old g.ics && grep -q 'owner and group' ../err
echo old >w.ics && chown 65534 w.ics|nobody --export w.ics|1|grep -qx old w.ics && grep -q 'its folder' ../err
echo old >a.ics && ln a.ics b.ics|ovrana --export a.ics|1|[ a.ics -ef b.ics ]
|ovrana --import ''|2|grep -q 'needs a file name' ../err
mkdir gone && cd gone && rmdir ../gone|ovrana --export x.ics|1|grep -q 'working folder' ../err
chmod 555 .|nobody --import ../contacts.vcf|1|grep -q 'lock.*Permission denied' ../err
rm ovras.ini && ln -s missing/ovras.ini ovras.ini|ovrana --import ../contacts.vcf|1|grep -q 'points to missing/ovras.ini,' ../err
|ovrana --import ../contacts.vcf --import ../contacts.vcf|2|cmp -s ovras.ini ../before
|ovrana --export a.ics --export b.ics|2|[ ! -e a.ics ]
rm ovras.ini|ovrana --import - <../contacts.vcf|0|grep -q '^Anna Smith,' ovras.ini
|HOME=/nonexistent ovrana --home --import ../contacts.vcf|1|cmp -s ovras.ini ../before
echo BEGIN:VCARD >b.vcf|LANG=de_DE.UTF-8 ovrana --import b.vcf|1|grep -q 'Zeile 1 beginnt, fehlt END:VCARD' ../err
echo BEGIN:VCARD >b.vcf|LANG=ru_RU.UTF-8 ovrana --import b.vcf|1|grep -q 'в строке 1, нет END:VCARD' ../err
ROWS
    ;;
daily)
    # The morning run after the logon's shows nothing, even without "once a day"; the next day's
    # first run reminds again, its second does not. Runs that show nothing, with the settings
    # the program with Qt wrote, need `ovrana` alone.
    mkdir bin
    cp "$program" bin/ovrana
    # silent <what output would mean> <time> <arguments>
    silent() {
        program=$PWD/bin/ovrana at "${@:2}" && [ ! -s out ] && [ ! -s err ] || fail "$1: $(cat out err)"
    }
    write_data
    at '2026-12-06 08:30:00'
    silent "reminded twice on one day" '2026-12-06 09:00:00' --home --daily
    at '2026-12-07 00:10:00' --daily
    head -n1 out | grep -qx ' Sara today' || fail "no reminder after midnight: $(cat out err)"
    silent "reminded twice on the next day" '2026-12-07 09:00:00' --daily
    sed -i 's/^daily=1$/daily=0/' "$conf"
    cp "$conf" before
    silent "switched off, yet it ran" '2026-12-08 09:00:00' --home --daily
    cmp -s "$conf" before || fail "switched off, yet it wrote"
    printf '%s\r\n' '# header' 'Far away,01061990,1,-1,14,0,0,,' 'Silenced,09121990,1,2026,14,0,0,,' >ovras.ini
    silent "output when nothing is due" '2026-12-08 08:30:00'
    # Back after the new year, with missed=1: first the dates since the last run's day.
    write_data && sed -i 's/^missed=0$/missed=1/' "$conf" && at '2027-01-03 08:30:00'
    expect_file out ' Noah turned 7 on Friday 01/01/27 (2 days ago)
 Ölaf Ångström turned 38 on Thursday 24/12/26 (10 days ago)
'
    ;;
*) fail "unknown case $1" ;;
esac
echo "ok $1"
