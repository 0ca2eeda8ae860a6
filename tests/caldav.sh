#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Publishing the dates to a calendar on a real CalDAV server, Radicale, on loopback, read back by
# another client (python3-caldav, occurrences expanded with python3-icalendar and dateutil).
# Usage: caldav.sh <path to ovrana>
private_bus=1
source "$(dirname "$0")/common.sh"
program=$1
export XDG_DATA_HOME=$work/data
command -v htpasswd >/dev/null &&
    /usr/bin/python3 -c 'import radicale, caldav, icalendar, dateutil' 2>/dev/null || exit 77
start_keyring
http_port=$(port)
base=http://127.0.0.1:$http_port
cal=$base/alice/cal/
mkdir -p store/collection-root/alice/cal
echo '{"tag": "VCALENDAR", "D:displayname": "Birthdays"}' >store/collection-root/alice/cal/.Radicale.props
printf '%s\r\n' "$header" 'Leap,29021992,1,-1,3,0,0,,' 'Info,10081980,1,-1,5,0,1,,' \
    'Skip,15071985,1,2026,7,0,0,,' 'Gone,01091970,1,-1,0,0,0,,' >ovras.ini
# An untrusted certificate: one line, nothing kept.
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
    -subj /CN=localhost -addext subjectAltName=DNS:localhost 2>/dev/null
tls_port=$(port)
serve "$tls_port" "ssl = True
certificate = $work/cert.pem
key = $work/key.pem"
run --publish "https://localhost:$tls_port/alice/cal/" --user alice <<<secret
expect 1 ''
[ "$(wc -l <err)" -eq 1 ] && grep -q 'not trusted' err || fail "$(cat err)"
[ ! -e data/ovrana/calendar ] || fail "a refused calendar kept"
# Trusted once, then published again without saying so.
fingerprint=$(openssl x509 -in cert.pem -noout -fingerprint -sha256 | cut -d= -f2)
for trust in --accept-certificate ''; do
    run --publish "https://localhost:$tls_port/alice/cal/" --user alice $trust ${trust:+"$fingerprint"} <<<secret
    expect 0 'Published 4 dates to "Birthdays"'
done
run --unpublish "https://localhost:$tls_port/alice/cal/"
expect 0 ''
kill "$server"; wait "$server" 2>/dev/null || true
serve "$http_port"
# The user's own event in the same calendar.
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\nBEGIN:VEVENT\r\nUID:own-1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20260810\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' |
    curl -sf -u alice:secret -X PUT --data-binary @- -H 'Content-Type: text/calendar' "${cal}own.ics" || fail "PUT own"
# Every occurrence up to mid-2029 with its alarm, as another client sees them.
read_back() {
    /usr/bin/python3 - "$cal" "${password:-secret}" <<'PY' >calendar || fail "read back: $(cat calendar)"
import datetime, sys, caldav
from dateutil.rrule import rruleset, rrulestr
from icalendar import Calendar
calendar = caldav.DAVClient(sys.argv[1], username="alice", password=sys.argv[2]).calendar(url=sys.argv[1])
lines = []
for resource in calendar.events():
    for event in Calendar.from_ical(resource.data).walk("VEVENT"):
        at = lambda d: datetime.datetime.combine(d, datetime.time())
        start = at(event["DTSTART"].dt)
        dates = rruleset()
        dates.rrule(rrulestr(event["RRULE"].to_ical().decode(), dtstart=start)) if "RRULE" in event else dates.rdate(start)
        for skipped in event["EXDATE"].dts if "EXDATE" in event else []:
            dates.exdate(at(skipped.dt))
        alarms = ",".join(str(a["TRIGGER"].dt.days) for a in event.walk("VALARM")) or "-"
        for day in dates.between(at(datetime.date(2026, 6, 1)), at(datetime.date(2029, 6, 1)), inc=True):
            lines.append(f"{day.date()} {event['SUMMARY']} {alarms}")
print("\n".join(sorted(lines)))
PY
}
# An address book's contacts are published too; its password in the keyring serves the server.
mkdir -p store/collection-root/alice/contacts
echo '{"tag": "VADDRESSBOOK", "D:displayname": "Friends"}' >store/collection-root/alice/contacts/.Radicale.props
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:cara\r\nFN:Cara\r\nBDAY:1990-12-07\r\nEND:VCARD\r\n' |
    curl -sf -u alice:secret -X PUT --data-binary @- -H 'Content-Type: text/vcard' "$base/alice/contacts/cara.vcf" || fail "PUT card"
run --add-address-book "$base/alice/contacts/" --user alice <<<secret
book='Address book "Friends": 0 added, 0 changed, 0 removed'$'\n'
at '2026-06-01 10:00:00' --publish "$base/" --user alice <<<not-asked || fail "publish: $(cat err)"
[ "$(cat out)" = 'Published 5 dates to "Birthdays"' ] || fail "publish: $(cat out) $(cat err)"
read_back
[ "$(grep -c . calendar)" -eq 15 ] && [ "$(grep -c "Cara's birthday" calendar)" -eq 3 ] ||
    fail "occurrences: $(cat calendar)"
grep -qx "2026-08-10 Dentist -" calendar || fail "own event: $(cat calendar)"
grep -qx "2027-03-01 Leap's birthday -3" calendar || fail "29 February: $(cat calendar)"
grep -qx "2028-02-29 Leap's birthday -3" calendar || fail "29 February: $(cat calendar)"
grep -qx "2026-08-10 Info's birthday -" calendar || fail "info only: $(cat calendar)"
! grep -q "2026-07-15 Skip" calendar || fail "the silenced occurrence: $(cat calendar)"
grep -qx "2027-07-15 Skip's birthday -7" calendar || fail "skip: $(cat calendar)"
# Nothing new: nothing sent but the listing.
lines=$(wc -l <radicale.log)
at '2026-06-02 10:00:00' --sync || fail "sync: $(cat err)"
[ "$(cat out)" = "$book"'Calendar "Birthdays": 0 added, 0 changed, 0 removed' ] || fail "$(cat out)"
! tail -n +$((lines + 1)) radicale.log | grep -qE 'PUT|DELETE' || fail "sent again"
# A change and a removal here, an event edited elsewhere: all reach the server.
printf '%s\r\n' "$header" 'Leap,29021992,1,-1,4,0,0,,' 'Info,10081980,1,-1,5,0,1,,' \
    'Skip,15071985,1,2026,7,0,0,,' 'Kim,03031999,1,-1,1,0,0,,' >ovras.ini
skip=$(grep -l 'Skip' store/collection-root/alice/cal/*.ics)
curl -sf -o /dev/null -u alice:secret -X PUT --data-binary "$(sed 's/^SUMMARY:.*/SUMMARY:Edited/' "$skip")" \
    -H 'Content-Type: text/calendar' "$cal$(basename "$skip")" || fail "edit elsewhere"
at '2026-06-03 10:00:00' --sync || fail "sync: $(cat err)"
[ "$(cat out)" = "$book"'Calendar "Birthdays": 1 added, 2 changed, 1 removed' ] || fail "$(cat out)"
read_back
grep -qx "2027-03-01 Leap's birthday -4" calendar && grep -qx "2027-03-03 Kim's birthday -1" calendar &&
    grep -qx "2027-07-15 Skip's birthday -7" calendar && ! grep -q 'Gone\|Edited' calendar &&
    grep -qx "2026-08-10 Dentist -" calendar || fail "after the sync: $(cat calendar)"
# A refused password, then offline: one line, nothing changed.
cp data/ovrana/calendar before
htpasswd -bp users alice changed 2>/dev/null
run --sync
expect 1 ''
[ "$(wc -l <err)" -eq 2 ] && grep -q 'calendar "Birthdays": .* refused the user name or password' err ||
    fail "$(cat err)"
cmp -s <(grep -v '^error' before) <(grep -v '^error' data/ovrana/calendar) || fail "state changed"
# The keyring's password refused, the one given is taken and kept; in another language the
# calendar is still the one published, though named in English.
password=changed
run --add-address-book "$base/alice/contacts/" --user alice <<<$password
LANGUAGE=de LC_ALL=de_DE.UTF-8 run --publish "$base/" --user alice <<<$password
expect 0 'Published 5 dates to "Birthdays"'
run --sync
expect 0 "$book"'Calendar "Birthdays": 0 added, 5 changed, 0 removed'  # in English again
# The morning's run publishes too.
printf 'Ida,07071977,1,-1,1,0,0,,\r\n' >>ovras.ini
at '2026-06-04 10:00:00' --home --daily || fail "daily: $(cat err)"
grep -q 'Ida' store/collection-root/alice/cal/*.ics || fail "the daily run did not publish"
cp data/ovrana/calendar before
kill "$server"; wait "$server" 2>/dev/null || true
run --sync
expect 1 ''
[ "$(wc -l <err)" -eq 2 ] && grep -q 'calendar "Birthdays": .* cannot be reached' err || fail "$(cat err)"
cmp -s <(grep -v '^error' before) <(grep -v '^error' data/ovrana/calendar) || fail "state changed"
run --unpublish "$base/"
expect 1 ''
# --unpublish removes exactly ours.
serve "$http_port"
run --unpublish "$base/"
expect 0 ''
read_back
[ "$(cat calendar)" = "2026-08-10 Dentist -" ] || fail "after --unpublish: $(cat calendar)"
[ ! -e data/ovrana/calendar ] || fail "the calendar is not forgotten"
# The same from the accounts dialog, driven with the keyboard: Publish..., then Stop publishing.
start_display
start --options
xdotool windowfocus --sync "$(window '^Options$')"
xdotool key alt+a
accounts=$(window '^Address books$')
# Publish... is enabled once the address book's sync has ended.
publish() { xdotool windowfocus --sync "$accounts" key alt+p; xdotool search --onlyvisible --name '^Publish the dates'; }
wait_for publish
xdotool windowfocus --sync "$(window '^Publish the dates')" key alt+a
xdotool type --delay 20 "$base/"
xdotool key Tab type --delay 20 alice
xdotool key Tab type --delay 20 "$password"
xdotool key Return
wait_for test -e data/ovrana/calendar
read_back
[ "$(grep -c . calendar)" -eq 18 ] && grep -qx "2026-08-10 Dentist -" calendar || fail "dialog: $(cat calendar)"
# A password changed on the server: Publish again asks only for it.
password=third
htpasswd -bp users alice "$password" 2>/dev/null
wait_for publish
xdotool windowfocus --sync "$(window '^Publish the dates')" type --delay 20 "$password"
xdotool key Return
wait_for eval '! xdotool search --onlyvisible --name "^Publish the dates"'
xdotool windowfocus --sync "$accounts" key alt+o
xdotool windowfocus --sync "$(window '^ *Ovrana$')" key alt+y
wait_for test ! -e data/ovrana/calendar
read_back
[ "$(cat calendar)" = "2026-08-10 Dentist -" ] || fail "after Stop publishing: $(cat calendar)"
