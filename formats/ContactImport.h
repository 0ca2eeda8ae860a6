// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "VCard.h"
#include "records/DataFile.h"
#include "records/PersonRecord.h"

// Which records an import of contacts adds to the data file, and which contacts it leaves out.
// Callers: ReadVCardFile, then PlanImport on the records already loaded, then append
// `plan.records` (those the user kept) and save; ImportContacts does all of it without a window.

struct ImportDefaults {
    int icon = 0;           // the user's "Default for new records"
    int daysInAdvance = 0;  // the same
    // The name of an anniversary's record; "%1" stands for the contact's name.
    std::string anniversaryName = "%1's anniversary";
};

enum class SkipReason {
    AlreadyPresent,  // a record of that name on that day and month exists, or comes earlier
    WithoutDate,     // neither a birthday nor an anniversary
    NotADate,        // the date is text (VALUE=text)
    InvalidDate,     // not a calendar date: 1980-13-01, 31 April, --04
    WithoutName,     // a date, but neither FN nor N
};

struct SkippedContact {
    std::string name;  // as it would be stored; for an anniversary the anniversary's name
    SkipReason reason = SkipReason::WithoutDate;
    std::string date;      // NotADate and InvalidDate: the date as written
    std::size_t line = 0;  // the line of the card's BEGIN:VCARD
};

struct ImportPlan {
    // To add, in file order, each birthday before its anniversary: icon, warning days from the
    // defaults, skip year -1, year 0 for a date without a year, notABirthday 1 for anniversaries.
    std::vector<PersonRecord> records;
    std::vector<SkippedContact> skipped;  // in file order
    std::size_t alreadyPresent = 0;       // records left out as already present
    std::size_t withoutDate = 0;  // contacts without any usable date (none, text or invalid)
    std::size_t withoutName = 0;  // contacts with a date but without a name
    // Set when nothing was imported, with why; then nothing else is.
    Problem problem;
};

ImportPlan PlanImport(const std::vector<VCardContact>& contacts, const RecordList& existing,
                      const ImportDefaults& defaults, std::size_t maxRecords = kMaxRecords);

// A name as the data file keeps it, so that writing and reading it back gives the same: line
// breaks and other control characters become blanks, a name with a comma loses its double
// quotes (FormatRecordLine drops them), blanks at either end go.
std::string StoredName(std::string_view name);

// Adds the birthdays and anniversaries of the vCard file `vcardPath` ("-": standard input) to the
// records of `dataPath`, under the run lock and with the data file's safe save. The plan says
// what was added and skipped, or why nothing was.
ImportPlan ImportContacts(const std::string& dataPath, const std::string& vcardPath,
                          const ImportDefaults& defaults);
