// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>
#include <regex>

#include "TestSupport.h"
#include "formats/CalendarExport.h"

namespace {

const std::time_t kNow = 1781524800;  // 2026-06-15 12:00 UTC

std::string Export(const std::vector<PersonRecord>& list, const CalendarTexts& texts = {}) {
    RecordList records;
    for (const PersonRecord& record : list) {
        Append(records, record);
    }
    return ExportCalendar(records, kNow, texts).text;
}

// The record's event from DTSTART on, lines joined by '|', of its warning only the trigger.
std::string EventOf(const PersonRecord& record) {
    const std::string text = Export({record});
    const std::size_t from = std::min(text.find("DTSTART"), text.size());
    const std::string event = text.substr(from, text.find("\r\nEND:VEVENT") - from);
    const std::regex alarm(
        "\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:[^\r]*(\r\n.*)\r\nEND:VALARM");
    return std::regex_replace(std::regex_replace(event, alarm, "$1"), std::regex("\r\n"), "|");
}

const std::string kAnna = "DTSTART;VALUE=DATE:19900512|RRULE:FREQ=YEARLY|";
const std::string kBorn = "SUMMARY:Anna's birthday|DESCRIPTION:Born 1990";
const std::string kDec3 = "DTSTART;VALUE=DATE:20261203|RRULE:FREQ=YEARLY|SUMMARY:";
const std::string kYearly = "|RRULE:FREQ=YEARLY|";

const struct {
    PersonRecord record;
    std::string event;
} kRows[] = {
    {With(Record("Wed", 9, 12, 1999, 30), -1, 1),
     "DTSTART;VALUE=DATE:19991209" + kYearly + "SUMMARY:Wed|DESCRIPTION:Since 1999|TRIGGER:-P30D"},
    // No year (a negative one counts as none): from this year's occurrence, passed or not.
    {Record("Sara", 7, 1, -5, 5),
     "DTSTART;VALUE=DATE:20260107" + kYearly + "SUMMARY:Sara's birthday|TRIGGER:-P5D"},
    // Warnings: none where the reminder lists nothing, at most the year it looks ahead.
    {With(Record("Anna", 12, 5, 1990), -1, 0, 1), kAnna + kBorn},
    {Record("Anna", 12, 5, 1990, INT_MAX), kAnna + kBorn + "|TRIGGER:-P365D"},
    // Names: escaped by libical, made valid UTF-8 without control characters, "%1" kept.
    {Record("Smith, J; \\ \"jr\"\r\nII", 3, 12, 0, -1),
     kDec3 + "Smith\\, J\\; \\\\ \"jr\"\\nII's birthday"},
    {Record(std::string("\xff\xc0\xafR\0o\x7f\xed\xa0\x80\xf0\x9f\x98\x80\xc3", 15), 3, 12, 0, -1),
     kDec3 + "\uFFFD\uFFFD\uFFFDR\uFFFDo\uFFFD\uFFFD\uFFFD\uFFFD\U0001F600\uFFFD's birthday"},
    {Record("50%1", 3, 12, 0, -1), kDec3 + "50%1's birthday"},
    {Record("\u202Eevil", 3, 12, 0, -1), kDec3 + "\u2068\u202Eevil\u2069's birthday"},
    // Years libical refuses (after 3000): from this year, as the reminder has it.
    {With(Record("Far", 12, 5, 5000, -1), 5001),
     "DTSTART;VALUE=DATE:20260512" + kYearly + "SUMMARY:Far's birthday|DESCRIPTION:Born 5000"},
    {With(Record("L", 29, 2, 2998, -1), -1, 1),
     "DTSTART;VALUE=DATE:29960229|RRULE:FREQ=YEARLY;BYYEARDAY=60|SUMMARY:L|DESCRIPTION:Since 2998"},
    // Impossible dates get no event.
    {Record("x", 30, 2, 1990), ""},
    {Record("x", 1, 13, 1990), ""},
    {Record("x", 0, 5, 1990), ""},
};

}  // namespace

TEST(CalendarExport, EventPerRecord) {
    for (const auto& [record, event] : kRows) {
        EXPECT_EQ(EventOf(record), event) << record.name;
    }
}

TEST(CalendarExport, TextsOfTheCaller) {
    const std::string text =
        Export({Record("Anna", 12, 5, 1990), With(Record("W", 9, 1, 1999), -1, 1)},
               {"Geburtstag von %1 (%1)", "Geboren %1", "Seit %1"});
    EXPECT_NE(text.find("SUMMARY:Geburtstag von Anna (Anna)\r\nDESCRIPTION:Geboren 1990"),
              std::string::npos);
    EXPECT_NE(text.find("SUMMARY:W\r\nDESCRIPTION:Seit 1999"), std::string::npos);
}
