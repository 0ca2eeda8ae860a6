#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The calendar export read by python-icalendar (dateutil expands the occurrences of 2024..2031)
and imported by calcurse into fresh folders. Usage: ics_readers.py <ovrana> icalendar|calcurse"""
import calendar, datetime, glob, os, subprocess, sys, tempfile

DATA = b"""# header
Anna,12051990,2,-1,14,0,0,,
"Smith, J; \\ jr",03121958,12,2027,7,0,0,,
Leap,29021995,3,2027,21,0,0,,
Leapless,29020000,3,-1,0,0,0,,
April,31042000,1,-1,5,0,0,,
Anna,12051990,2,-1,14,0,0,,
\xff\xfeBad\xc3,05052005,1,-1,-1,0,0,,
"""
# Summary: day, month, first year (29 February: the next leap year), silenced year, warning days
# (None: none).
EXPECTED = {
    "Anna's birthday": (12, 5, 1990, None, 14),
    "Smith, J; \\ jr's birthday": (3, 12, 1958, 2027, 7),
    "Leap's birthday": (29, 2, 1996, 2027, 21),
    "Leapless's birthday": (29, 2, 2024, None, 0),
    "\ufffd\ufffdBad\ufffd's birthday": (5, 5, 2005, None, None),
}
NOW = 1781524800  # 2026-06-15 12:00 UTC


def export(folder, output="-", now=NOW, records=DATA):
    with open(folder + "/ovras.ini", "wb") as data:
        data.write(records)
    # libfaketime without its wrapper, whose semaphores a killed run leaves behind.
    clock = dict(FAKETIME=datetime.datetime.utcfromtimestamp(now).strftime("@%Y-%m-%d %H:%M:%S"),
                 LD_PRELOAD=glob.glob("/usr/lib/*/faketime/libfaketime.so.1")[0])
    run = subprocess.run([sys.argv[1], "--export", output], cwd=folder,
                         env=dict(os.environ, TZ="UTC", **clock), capture_output=True, check=True)
    assert output == "-" or run.stdout == b"", "output besides the file"
    return run.stdout if output == "-" else open(output, "rb").read()


def occurs(day, month, year):  # the reminder's rule: 29 February of a common year is 1 March
    leap = (day, month) == (29, 2) and not calendar.isleap(year)
    return datetime.date(year, 3, 1) if leap else datetime.date(year, month, day)


def check_icalendar(folder):
    from dateutil.rrule import rrulestr
    from icalendar import Calendar

    # A calendar that imports the file again updates its events: a record keeps its UID whatever
    # the day and the other records; identical records differ by a count.
    reordered = b"# header\n" + b"".join(reversed(DATA.splitlines(True)[1:]))
    ics, later = (Calendar.from_ical(export(folder, *a)) for a in (
        (folder + "/out.ics",), ("-", NOW + 366 * 86400, reordered)))
    assert (ics["VERSION"], ics["PRODID"]) == ("2.0", "-//Ovrana//Ovrana//EN"), ics
    events = ics.walk("VEVENT")
    uids = [str(e["UID"]) for e in events]
    assert len(set(uids)) == len(EXPECTED) + 1 and uids[0] == "5bf12907bd40e2ac-1@ovrana", uids
    assert sorted(uids) == sorted(str(e["UID"]) for e in later.walk("VEVENT")), "UIDs change"
    for event in events:
        day, month, start, skip, warning = EXPECTED[str(event["SUMMARY"])]
        begin = event["DTSTART"].dt
        rule = rrulestr(event["RRULE"].to_ical().decode(), dtstart=begin)
        left_out = {d.dt for d in event["EXDATE"].dts} if "EXDATE" in event else set()
        got = [d.date() for d in rule.between(datetime.datetime(2024, 1, 1),
                                              datetime.datetime(2031, 12, 31), inc=True)]
        want = [occurs(day, month, y) for y in range(max(start, 2024), 2032) if y != skip]
        assert begin == occurs(day, month, start), (event["SUMMARY"], begin)
        assert event["DTSTAMP"].dt.timestamp() == NOW, event["DTSTAMP"]
        assert [d for d in got if d not in left_out] == want, (event["SUMMARY"], got, left_out)
        alarms = [(a["TRIGGER"].dt, a["DESCRIPTION"]) for a in event.walk("VALARM")]
        want = [] if warning is None else [(-datetime.timedelta(days=warning), event["SUMMARY"])]
        assert alarms == want, alarms


def check_calcurse(folder):
    export(folder, folder + "/out.ics")
    calcurse = ["calcurse", "-D", folder, "-C", folder]
    run = subprocess.run(calcurse + ["-i", folder + "/out.ics"], capture_output=True, text=True)
    assert f"{len(EXPECTED) + 1} events / 0 todos / 0 skipped" in run.stdout, run
    # The silenced occurrence is left out. calcurse ignores BYYEARDAY: 29 February only.
    for day, name, want in (("12/03/2026", "Smith, J; \\ jr's", True),
                            ("12/03/2027", "Smith", False), ("02/29/2028", "Leap's", True)):
        shown = subprocess.run(calcurse + ["-Q", "--from", day, "--days", "1"],
                               capture_output=True, text=True).stdout
        assert (name in shown) == want, (day, shown)


with tempfile.TemporaryDirectory() as work:
    {"icalendar": check_icalendar, "calcurse": check_calcurse}[sys.argv[2]](work)
