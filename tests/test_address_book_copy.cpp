// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "contacts/AddressBookCopy.h"
#include "contacts/PublishedCalendar.h"

TEST(AddressBookCopy, KeepsEveryByteAServerSends) {
    TempDir dir;
    AddressBookCopy copy;
    copy.url = "https://h/a\tb\\n/";
    copy.displayName = "Fam\nily\r";
    copy.syncToken = "tok\\";
    copy.lastSync = 1796601600;
    copy.lastError = {SyncProblem::Kind::Untrusted, "h:8443", 0, "ab01", "x\ty"};
    copy.cards = {
        {"/a/1.vcf", "\"e1\"", "u\t1", "Anna", "a@b", {{false, 7, 12, 1990}, {true, 1, 6, 0}}},
        {"/a/2.vcf", "e2", "u2", "", "", {}}};
    copy.choices["u\t1\na"] = {14, 3, true, 2026};
    const std::string path = CopyPathFor(dir.File("books"), copy.url);
    ASSERT_EQ(WriteCopy(path, copy), 0);
    AddressBookCopy back;
    ASSERT_EQ(ReadCopy(path, back), LoadStatus::Loaded);
    EXPECT_EQ(back.url, copy.url);
    EXPECT_EQ(back.displayName, copy.displayName);
    EXPECT_EQ(back.syncToken, copy.syncToken);
    EXPECT_EQ(back.lastSync, copy.lastSync);
    EXPECT_EQ(back.lastError.kind, copy.lastError.kind);
    EXPECT_EQ(back.lastError.detail, copy.lastError.detail);
    ASSERT_EQ(back.cards.size(), 2u);
    EXPECT_EQ(back.cards[0].uid, "u\t1");
    ASSERT_EQ(back.cards[0].dates.size(), 2u);
    EXPECT_TRUE(back.cards[0].dates[1].anniversary);
    EXPECT_EQ(back.cards[0].dates[0].year, 1990);
    EXPECT_EQ(back.choices, copy.choices);
    EXPECT_EQ(CopyFiles(dir.File("books")), std::vector<std::string>{path});
}

TEST(AddressBookCopy, DamagedCopyIsUnreadable) {
    TempDir dir;
    const std::string header = "# Ovrana address book 1\nurl\thttps://h/\n";
    for (const std::string& text :
         {std::string("url\thttps://h/\n"), header + "card\t/1\te\tu\tA\t\tb19901307\n",
          header + "card\t/1\te\tu\tA\n", std::string("# Ovrana address book 1\n")}) {
        WriteFile(dir.File("c.book"), text);
        AddressBookCopy copy;
        EXPECT_EQ(ReadCopy(dir.File("c.book"), copy), LoadStatus::Unreadable) << text;
        EXPECT_TRUE(copy.cards.empty());
    }
    AddressBookCopy copy;
    EXPECT_EQ(ReadCopy(dir.File("none.book"), copy), LoadStatus::Missing);
}

TEST(AddressBookCopy, UpdateKeepsWhatOthersWrote) {
    TempDir dir;
    const std::string path = dir.File("b/c.book");
    const auto name = [](AddressBookCopy& copy) { copy.url = "https://h/"; };
    EXPECT_EQ(UpdateCopy(path, name), CopyUpdate::Missing);  // removed meanwhile: stays removed
    ASSERT_EQ(UpdateCopy(path, name, true), CopyUpdate::Written);
    ASSERT_EQ(UpdateCopy(path, [](AddressBookCopy& copy) { copy.choices["u\nb"].icon = 2; }),
              CopyUpdate::Written);
    AddressBookCopy copy;
    ASSERT_EQ(ReadCopy(path, copy), LoadStatus::Loaded);
    EXPECT_EQ(copy.url, "https://h/");
    EXPECT_EQ(copy.choices["u\nb"].icon, 2);
}

// What was published comes back whole; an error of a kind this version does not know is none.
TEST(PublishedCalendar, KeepsWhatWasPublished) {
    TempDir dir;
    PublishedCalendar calendar;
    calendar.url = "https://h/cal/";
    calendar.addedWith = "https://h/";
    calendar.user = "anna";
    calendar.displayName = "Geburtstage\t1";
    calendar.certificate = "ab01";
    calendar.lastSync = 1796601600;
    calendar.lastError = {SyncProblem::Kind::TimedOut, "h", 0, "", "slow"};
    calendar.events = {{"u1@ovrana", "/cal/u1.ics", "\"e1\"", 0xfedcba9876543210}};
    const std::string path = dir.File("calendar");
    ASSERT_EQ(WritePublished(path, calendar), 0);
    PublishedCalendar back;
    ASSERT_EQ(ReadPublished(path, back), LoadStatus::Loaded);
    EXPECT_EQ(std::tie(back.url, back.addedWith, back.user, back.displayName, back.certificate,
                       back.lastSync, back.lastError.kind, back.lastError.detail),
              std::tie(calendar.url, calendar.addedWith, calendar.user, calendar.displayName,
                       calendar.certificate, calendar.lastSync, calendar.lastError.kind,
                       calendar.lastError.detail));
    ASSERT_EQ(back.events.size(), 1u);
    EXPECT_EQ(
        std::tie(back.events[0].uid, back.events[0].href, back.events[0].etag, back.events[0].hash),
        std::tie(calendar.events[0].uid, calendar.events[0].href, calendar.events[0].etag,
                 calendar.events[0].hash));
    std::string text = ReadFile(path);
    const std::size_t code = text.find("\nerror\t") + 7;
    text.replace(code, text.find('\t', code) - code, "99");
    WriteFile(path, text);
    ASSERT_EQ(ReadPublished(path, back), LoadStatus::Loaded);
    EXPECT_EQ(back.lastError.kind, SyncProblem::Kind::None);
}
