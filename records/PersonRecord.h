// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>

struct ContactOrigin;  // contacts/ContactRecords.h

// One yearly date: a person's birthday or, with notABirthday set, any other yearly event.
struct PersonRecord {
    std::string name;
    int day = 0;    // 1..31; 0: no usable date
    int month = 0;  // 1..12; 0: no usable date
    int year = 0;   // 0: year unknown, no age
    int icon = 0;
    int skipYear = -1;  // the occurrence the user silenced; -1 for none
    int daysInAdvance = 0;
    int notABirthday = 0;  // any non-zero value counts as set
    std::uint8_t infoOnly = 0;
    // Computed by UpdateRecord, never stored.
    int age = -1;
    int daysUntil = 0;
    int nextYear = 0;
    std::string email;
    // The address-book contact this date comes from, owned by the contacts' loader; null for a
    // line of the data file. Such records are never written to the data file.
    const ContactOrigin* origin = nullptr;
};

// File order, then records added during the run. The list owns its records; their addresses
// stay valid while they are in it, so rows of the dialogs may keep them.
using RecordList = std::list<std::unique_ptr<PersonRecord>>;

void FreeRecords(RecordList& records);

// Removes the element holding `record` and destroys the record; false when it is not in the list.
bool RemoveRecord(RecordList& records, const PersonRecord* record);
