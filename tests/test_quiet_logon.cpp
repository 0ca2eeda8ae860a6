// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "TestSupport.h"
#include "app/QuietLogon.h"
#include "contacts/ContactRecords.h"
#include "reminder/Snoozes.h"

namespace {

std::string Settings(const std::string& lastRun, const char* onceADay = "0",
                     const char* missed = "0") {
    return "[General]\naot=1\ndaily=1\ndailyat=09:00\ndays=9\nicon=3\nlastrun=" + lastRun +
           "\nmissed=" + missed + "\nnotify=0\nonceaday=" + onceADay + "\n";
}

const std::string kFar =
    "h\r\nFar away,01061990,1,-1,14,0,0,,\r\nSilenced,07121990,1,2026,14,0,0,,\r\n";

}  // namespace

// Only a run that shows nothing, with settings as Qt writes them, is done without Qt.
TEST(QuietLogon, DoneOnlyWhenNothingIsShown) {
    struct Case {
        const char* what;
        std::optional<std::string> settings, data;
        bool done;
        const char* book = "";     // the address book's copy: a due contact's name, or "damaged"
        const char* snoozed = "";  // Sara put off until tomorrow: "today", "yesterday", "damaged"
    };
    const std::string sara = kFar + "Sara,07121990,7,-1,5,0,0,,\n";
    const std::string today = Settings("20261206", "1");
    const Case cases[] = {
        {"nothing due", Settings("2026125"), kFar, true},
        {"due, shown once a day already", today, kFar + "Sara,07121990,7,-1,5,0,0,,", true},
        {"due, 26 January's run reads the same", Settings("2026126", "1"),
         kFar + "Sara,07121990,7,-1,5,0,0,,", false},
        {"due today, last line without line end", Settings("2026125"), kFar + "Bob,06121990,",
         false},
        {"due tomorrow", Settings("2026125"), kFar + "Sara,07121990,7,-1,5,0,0,,\n", false},
        {"first run", std::nullopt, kFar, false},
        {"empty settings", "", kFar, false},
        {"a value Qt reads its own way", "[General]\naot=\"1\"\n", kFar, false},
        {"no data file", Settings("2026125"), std::nullopt, false},
        {"data file cannot be read", today, "folder", false},
        {"settings through a link", "link", kFar, false},
        {"a contact due tomorrow", Settings("2026125"), kFar, false, "Sara"},
        {"a contact whose record of the data file is not due", Settings("2026125"),
         kFar + "Sara,07121990,7,-1,5,0,1,,", true, "Sara"},
        {"an address book's copy cannot be read", Settings("2026125"), kFar, false, "damaged"},
        {"a date missed while away", Settings("20261204", "0", "1"), kFar + "Al,05121990,", false},
        {"missed, not to be told", Settings("20261204"), kFar + "Al,05121990,", true},
        {"due, put off until tomorrow", Settings("2026125"), sara, true, "", "today"},
        {"a contact put off until tomorrow", Settings("2026125"), kFar, true, "Sara", "today"},
        {"put off yesterday", Settings("2026125"), sara, false, "", "yesterday"},
        {"put off, in a damaged file", Settings("2026125"), sara, false, "", "damaged"},
    };
    std::tm tm{0, 0, 12, 6, 11, 126, 0, 0, -1, 0, nullptr};
    const std::time_t now = std::mktime(&tm);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string settings = dir.File("ovra.conf"), data = dir.File("ovras.ini");
        if (c.data == "folder") {
            std::filesystem::create_directory(data);
        } else if (c.data) {
            WriteFile(data, *c.data);
        }
        if (c.settings == "link") {
            WriteFile(dir.File("real.conf"), Settings("2026125"));
            std::filesystem::create_symlink(dir.File("real.conf"), settings);
        } else if (c.settings) {
            WriteFile(settings, *c.settings);
        }
        AddressBookCopy book;
        book.url = "https://h/";
        book.cards.push_back({"/1.vcf", "e", "u1", c.book, "", {{false, 7, 12, 1990}}});
        if (*c.book != '\0' && WriteCopy(dir.File("books/1.book"), book) == 0 &&
            c.book == std::string("damaged")) {
            WriteFile(dir.File("books/1.book"), "#");
        }
        PersonRecord put = Record("Sara", 7, 12, 1990);
        const ContactOrigin contact{"", "", "u1", false, {}};
        put.origin = *c.book != '\0' ? &contact : nullptr;
        if (*c.snoozed != '\0') {  // and a past day's line, or damage
            WriteSnoozes(dir.File("snoozed"), MakeDay(2026, 12, c.snoozed[0] == 'y' ? 5 : 6),
                         {SnoozeKey(put)});
            std::ofstream(dir.File("snoozed"), std::ios::app)
                << (c.snoozed[0] == 'd' ? "x" : "20261204 0000000000000001\n");
        }
        struct stat before {};
        ::stat(settings.c_str(), &before);
        const std::string was = ReadFile(settings);
        // The clock passes midnight during the run.
        const QuietLogon result =
            RunQuietLogon({[now, reads = 0]() mutable { return now + 86400 * reads++; }, settings,
                           data, false, dir.File("books"), dir.File("snoozed")});
        EXPECT_EQ(result, c.done ? QuietLogon::Done : QuietLogon::HandOver);
        EXPECT_EQ(
            ReadFile(settings),
            c.done ? std::regex_replace(was, std::regex("lastrun=\\w*"), "lastrun=20261206") : was);
        EXPECT_TRUE(c.snoozed[0] != 't' || ReadFile(dir.File("snoozed")).size() == 26)
            << "past days are removed";
        struct stat after {};
        ::stat(settings.c_str(), &after);
        EXPECT_EQ(before.st_ino == after.st_ino, !c.done || ReadFile(settings) == was)
            << "the same text again is not rewritten";
    }
}
