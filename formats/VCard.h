// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Problem.h"
#include "records/DataFile.h"

// Reading the contacts of vCard files (2.1, 3.0 and 4.0, as address books export them): only
// what a yearly date needs, every text in UTF-8.

// A date of a contact as the card gives it.
struct VCardDate {
    enum class Kind {
        None,      // the card has no such date
        Date,      // a calendar date: day and month, year 0 when the card gives none
        NotADate,  // given as text (VALUE=text), such as "circa 1800"
        Invalid,   // not a complete calendar date, such as 1980-13-01, 31 April or --04
    };
    Kind kind = Kind::None;
    int year = 0;  // 0: without a year
    int month = 0;
    int day = 0;
    std::string text;  // NotADate and Invalid: the value as written, shortened, for messages
};

struct VCardContact {
    std::string name;   // FN, else "Given Family" from N; may be empty
    std::string email;  // the preferred address, else the first; empty when none
    std::string uid;    // UID, the contact's lasting identity in an address book; may be empty
    VCardDate birthday;
    VCardDate anniversary;  // ANNIVERSARY, X-ANNIVERSARY, X-EVOLUTION-ANNIVERSARY,
                            // X-MS-ANNIVERSARY, or an X-ABDATE labelled as one
    std::size_t line = 0;   // the line of its BEGIN:VCARD, from 1
};

struct VCardParse {
    std::vector<VCardContact> contacts;  // in file order
    Problem problem;                     // none when the text was read; else `contacts` is empty
};

// The longest content line once unfolded: far above a real photo in a PHOTO line.
inline constexpr std::size_t kMaxVCardLineBytes = std::size_t{10} << 20;

// Every contact of a vCard file's text, or what is wrong with the text (binary data, no
// BEGIN:VCARD, a card without END:VCARD, a line beyond kMaxVCardLineBytes, more than
// `maxContacts` cards). Lines end in CR LF, LF or CR; a UTF-8 byte-order mark is skipped.
VCardParse ParseVCards(std::string_view text, std::size_t maxContacts = kMaxRecords);

// The same for a file: a regular file of at most kMaxDataFileBytes, or standard input for "-".
// The problem names the file.
VCardParse ReadVCardFile(const std::string& path);

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool IsValidUtf8(std::string_view text);
