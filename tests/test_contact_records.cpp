// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "contacts/ContactRecords.h"

namespace {

AddressBookCopy Book() {
    AddressBookCopy copy;
    copy.url = "https://h/family/";
    copy.displayName = "Family";
    copy.cards = {{"/1", "e", "u1", "Anna", "a@h", {{false, 7, 12, 1990}, {true, 1, 6, 0}}},
                  {"/2", "e", "u2", "Bob", "", {{false, 2, 3, 0}}},
                  {"/3", "e", "u3", "Kept", "", {{false, 4, 4, 1980}}}};
    copy.choices["u2\nb"] = {30, 5, true, 2027};
    return copy;
}

}  // namespace

// Defaults unless the user chose; the data file's record holds; an unreadable copy is skipped.
TEST(ContactRecords, EachDateBecomesARecord) {
    TempDir dir;
    WriteCopy(dir.File("b/1.book"), Book());
    WriteFile(dir.File("b/2.book"), "# Ovrana address book 1\ncard\n");
    RecordList records;
    Append(records, Record("Kept", 4, 4, 1970, 1));
    ContactRecords contacts;
    EXPECT_EQ(contacts.Load(dir.File("b"), records, {3, 9, "%1 (wedding)"}),
              std::vector<std::string>{dir.File("b/2.book")});
    std::string got;
    for (const auto& r : records) {
        for (const int value : {r->day, r->month, r->year, r->icon, r->daysInAdvance,
                                int{r->infoOnly}, r->skipYear, r->notABirthday}) {
            got += std::to_string(value) + ' ';
        }
        got += r->name + ' ' + r->email + (r->origin ? " from " + r->origin->addressBook : "");
        got += '\n';
    }
    EXPECT_EQ(got,
              "4 4 1970 0 1 0 -1 0 Kept \n7 12 1990 3 9 0 -1 0 Anna a@h from Family\n"
              "1 6 0 3 9 0 -1 1 Anna (wedding) a@h from Family\n"
              "2 3 0 5 30 1 2027 0 Bob  from Family\n");
}

// Only what the user changed is written, only as a choice: the cards are the server's.
TEST(ContactRecords, ChoicesGoBackIntoTheCopy) {
    TempDir dir;
    const std::string path = dir.File("b/1.book");
    WriteCopy(path, Book());
    RecordList records;
    ContactRecords contacts;
    contacts.Load(dir.File("b"), records, {});
    records.front()->skipYear = 2026;  // Anna's birthday silenced
    records.front()->name = "renamed";
    PersonRecord& bob = **std::next(records.begin(), 2);
    bob.daysInAdvance = bob.icon = bob.infoOnly = 0, bob.skipYear = -1;  // defaults: no choice
    EXPECT_TRUE(contacts.SaveChoices(records).empty());
    AddressBookCopy back;
    ASSERT_EQ(ReadCopy(path, back), LoadStatus::Loaded);
    EXPECT_EQ(back.cards[0].name, "Anna");
    EXPECT_EQ(back.choices, (std::map<std::string, ContactChoice>{{"u1\nb", {0, 0, false, 2026}}}));
}

// A sync ended while the list was open: the copy's records replace the old ones, the choices
// made meanwhile kept.
TEST(ContactRecords, ReloadKeepsChoicesMadeMeanwhile) {
    TempDir dir;
    const std::string path = dir.File("b/1.book");
    WriteCopy(path, Book());
    RecordList records;
    Append(records, Record("Kept", 4, 4, 1970, 1));
    ContactRecords contacts;
    contacts.Load(dir.File("b"), records, {});
    std::next(records.begin())->get()->skipYear = 2026;  // Anna's birthday silenced
    UpdateCopy(path, [](AddressBookCopy& copy) { copy.cards.pop_back(), copy.cards.pop_back(); });
    ASSERT_TRUE(contacts.Reload(records));
    ASSERT_EQ(records.size(), 3u);  // Kept, then Anna's two dates; Bob is gone
    EXPECT_EQ(std::next(records.begin())->get()->skipYear, 2026);
    EXPECT_EQ(records.back()->name, "Anna's anniversary");
}
