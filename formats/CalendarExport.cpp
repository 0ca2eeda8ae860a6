// SPDX-License-Identifier: MIT
#include "CalendarExport.h"

#include <libical/ical.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>

#include "records/DataFile.h"
#include "records/Dates.h"
#include "storage/FileReplace.h"
#include "text/DisplayText.h"
#include "text/Text.h"

namespace {

// The reminder looks at most this many days ahead (see IsDue).
constexpr int kMaxDaysAhead = 365;
// libical refuses any date after the year 3000, and one refused date fails the whole file.
constexpr int kLastYear = 3000;
constexpr int kLastLeapYear = 2996;  // 3000 is none

// Day and month of some leap year, so 29 February counts, 30 February and 31 April do not.
bool PossibleDate(const PersonRecord& record) {
    return record.month >= 1 && record.month <= 12 && record.day >= 1 &&
           record.day <= DaysInMonth(record.month, -1);
}

bool KnownYear(int year) {
    return year >= 1 && year <= kLastYear;
}

// The year of the first occurrence: the birth year, or this year when it is unknown or beyond
// what the calendar takes (the reminder reminds such a record every year too). 29 February
// needs a leap year: the next one from a birth year on (no occurrence before the birth), the last
// one up to this year (so this year's occurrence is in); at the ends of the range the other way.
int StartYear(const PersonRecord& record, int thisYear) {
    int year = KnownYear(record.year) ? record.year : thisYear;
    if (record.month == 2 && record.day == 29) {
        const bool up = KnownYear(record.year) ? year <= kLastLeapYear : year < 4;
        while (!IsLeapYear(year)) {
            year += up ? 1 : -1;
        }
    }
    return year;
}

// Text as iCalendar takes it: valid UTF-8, line breaks as LF (libical escapes them), and no
// control characters, which are not allowed in a value. What cannot stay becomes U+FFFD.
std::string CleanText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t n = 1;
        if (c == '\r') {
            out += '\n';
            n = i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        } else if (c >= 0x80 && DecodeUtf8(text, i, n) != kNotUtf8) {
            out.append(text, i, n);
        } else if (c >= 0x80 || (c < 0x20 && c != '\t' && c != '\n') || c == 0x7F) {
            AppendUtf8(out, U'\uFFFD');
        } else {
            out += text[i];
        }
        i += n;
    }
    return out;
}

// Name and date, hashed with FNV-1a: the same record gives the same UID in every export.
std::uint64_t RecordKey(const PersonRecord& record) {
    const std::string key = record.name + '\0' + std::to_string(record.day) + '.' +
                            std::to_string(record.month) + '.' + std::to_string(record.year);
    return Fnv1a(key);
}

icaltimetype Date(std::int64_t year, int month, int day) {
    const CivilDate civil = ToCivil(MakeDay(year, month, day));  // 29/2 of a common year: 1/3
    icaltimetype date = icaltime_null_date();
    date.year = static_cast<int>(civil.year);
    date.month = civil.month;
    date.day = civil.day;
    return date;
}

icalcomponent* MakeEvent(const PersonRecord& record, int thisYear, const std::string& uid,
                         icaltimetype stamp, const CalendarTexts& texts) {
    icalcomponent* event = icalcomponent_new_vevent();
    const int start = StartYear(record, thisYear);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event,
                               icalproperty_new_dtstart(Date(start, record.month, record.day)));

    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_YEARLY_RECURRENCE;
    if (record.month == 2 && record.day == 29) {
        // Day 60 is 29 February in leap years and 1 March in the others, as the reminder has it.
        rule.by_year_day[0] = 60;
        rule.by_year_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
    }
    icalcomponent_add_property(event, icalproperty_new_rrule(rule));
    if (record.skipYear >= start && record.skipYear <= kLastYear) {
        icalcomponent_add_property(
            event, icalproperty_new_exdate(Date(record.skipYear, record.month, record.day)));
    }

    // Isolated as the windows show it, so that no control in the name reorders the title.
    const std::string name = IsolateBidi(record.name);
    const std::string summary =
        CleanText(record.notABirthday != 0 ? name : FillIn(texts.birthday, {name}));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    if (record.year > 0) {
        const std::string note = CleanText(FillIn(
            record.notABirthday != 0 ? texts.since : texts.born, {std::to_string(record.year)}));
        icalcomponent_add_property(event, icalproperty_new_description(note.c_str()));
    }

    // Whatever the reminder lists, and as many days ahead (see IsDue).
    if (!record.infoOnly && record.daysInAdvance >= 0) {
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_description(summary.c_str()));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        trigger.duration.is_neg = 1;
        trigger.duration.days =
            static_cast<unsigned>(std::min(record.daysInAdvance, kMaxDaysAhead));
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(event, alarm);
    }
    return event;
}

}  // namespace

namespace {

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent*)>;

Component NewCalendar() {
    Component calendar(icalcomponent_new_vcalendar(), icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Ovrana//Ovrana//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    return calendar;
}

// The text of `calendar`, or why libical failed.
CalendarExport Text(icalcomponent* calendar) {
    CalendarExport result;
    char* text = icalcomponent_as_ical_string_r(calendar);
    if (text != nullptr) {
        result.text = text;
        icalmemory_free_buffer(text);
    }
    if (icalerrno != ICAL_NO_ERROR || text == nullptr) {
        result.text.clear();
        result.error = icalerror_strerror(icalerrno);
    }
    return result;
}

// Each record's event with its UID, in the order of the records.
void MakeEvents(const RecordList& records, std::time_t now, const CalendarTexts& texts,
                const std::function<void(const std::string&, icalcomponent*)>& take) {
    const int thisYear =
        static_cast<int>(std::clamp<std::int64_t>(LocalDate(now).year, 1, kLastYear));
    // A clock beyond the calendar's last year would give a stamp libical refuses.
    const icaltimetype stamp = icaltime_from_timet_with_zone(
        std::clamp<std::time_t>(now, 0, 32535215999), 0, icaltimezone_get_utc_timezone());
    std::map<std::uint64_t, int> seen;  // identical records get UIDs -1, -2, ...
    for (const auto& record : records) {
        if (!PossibleDate(*record)) {
            continue;
        }
        const std::uint64_t key = RecordKey(*record);
        char uid[64];
        std::snprintf(uid, sizeof uid, "%016llx-%d@ovrana", static_cast<unsigned long long>(key),
                      ++seen[key]);
        take(uid, MakeEvent(*record, thisYear, uid, stamp, texts));
    }
}

}  // namespace

CalendarExport ExportCalendar(const RecordList& records, std::time_t now,
                              const CalendarTexts& texts) {
    icalerror_clear_errno();
    const Component calendar = NewCalendar();
    MakeEvents(records, now, texts, [&](const std::string&, icalcomponent* event) {
        icalcomponent_add_component(calendar.get(), event);
    });
    return Text(calendar.get());
}

std::string ExportEvents(const RecordList& records, std::time_t now, const CalendarTexts& texts,
                         std::vector<CalendarEvent>& events) {
    events.clear();
    icalerror_clear_errno();
    std::string error;
    MakeEvents(records, now, texts, [&](const std::string& uid, icalcomponent* event) {
        const Component calendar = NewCalendar();
        icalcomponent_add_component(calendar.get(), event);
        CalendarExport one = Text(calendar.get());
        if (!one) {
            error = one.error;
            return;
        }
        // The time stamp alone changes from one run to the next: it does not count as a change.
        std::string kept;
        for (std::size_t at = 0; at < one.text.size();) {
            const std::size_t end = std::min(one.text.find('\n', at), one.text.size() - 1) + 1;
            if (one.text.compare(at, 8, "DTSTAMP:") != 0) {
                kept.append(one.text, at, end - at);
            }
            at = end;
        }
        events.push_back({uid, std::move(one.text), Fnv1a(kept)});
    });
    if (!error.empty()) {
        events.clear();
    }
    return error;
}

int WriteCalendar(const std::string& path, const std::string& text) {
    if (path != "-") {
        return WriteInto(path, text);
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

namespace {

Problem OwnTarget(const std::string& dataPath, const std::string& target) {
    Problem problem;
    problem.file = target;
    // Standard output too may have been sent to the data file (>> ovras.ini).
    const OwnFile own = OwnFileNamed(target == "-" ? "/dev/stdout" : target, dataPath);
    if (own != OwnFile::None) {
        problem.kind = Problem::Kind::OwnFile;
        problem.own = own;
    }
    return problem;
}

// The calendar written to `target`, once OwnTarget has let it through as `problem`.
Problem WriteExport(const RecordList& records, const std::string& target, std::time_t now,
                    const CalendarTexts& texts, Problem problem) {
    const CalendarExport calendar = ExportCalendar(records, now, texts);
    if (!calendar) {
        problem.kind = Problem::Kind::CalendarFailed;
        problem.detail = calendar.error;
        return problem;
    }
    problem.error = WriteCalendar(target, calendar.text);
    problem.detail = problem.error == ENOENT ? MissingTarget(target) : "";
    problem.kind = problem.error == 0        ? Problem::Kind::None
                   : problem.error == EMLINK ? Problem::Kind::HardLinks
                   : !problem.detail.empty() ? Problem::Kind::DeadLink
                                             : Problem::Kind::CannotWrite;
    problem.why = WhyNotReplaced(problem.error, target);
    return problem;
}

}  // namespace

Problem ExportRecords(const RecordList& records, const std::string& dataPath,
                      const std::string& target, std::time_t now, const CalendarTexts& texts) {
    Problem problem = OwnTarget(dataPath, target);
    return problem.Failed() ? problem : WriteExport(records, target, now, texts, problem);
}

Problem ExportDataFile(const std::string& dataPath, const std::string& target, std::time_t now,
                       const CalendarTexts& texts, const std::function<void(RecordList&)>& more) {
    const Problem allowed = OwnTarget(dataPath, target);
    if (allowed.Failed()) {
        return allowed;
    }
    RecordList records;
    const LoadStatus status = LoadRecords(dataPath, records);
    if (status != LoadStatus::Unreadable && more) {
        more(records);
    }
    Problem problem;
    if (status == LoadStatus::Unreadable || (status == LoadStatus::Missing && records.empty())) {
        problem.kind =
            status == LoadStatus::Missing ? Problem::Kind::NoDataFile : Problem::Kind::Unreadable;
        problem.file = dataPath;
        problem.detail = MissingTarget(dataPath);
    } else {
        problem = WriteExport(records, target, now, texts, allowed);
    }
    FreeRecords(records);
    return problem;
}
