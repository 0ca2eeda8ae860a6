// SPDX-License-Identifier: MIT
#pragma once

#include <list>
#include <string>
#include <vector>

#include "AddressBookCopy.h"
#include "formats/ContactImport.h"
#include "records/PersonRecord.h"

// Where a record from an address book comes from, and the user's choices it was loaded with.
struct ContactOrigin {
    std::string copyPath;
    std::string addressBook;  // its display name, else its URL: never empty
    std::string uid;
    bool anniversary = false;
    ContactChoice loaded;
};

// The dates of the local copies of address books as records beside the data file's. Owns the
// records' origins: it must outlive the records it loaded.
class ContactRecords {
public:
    ContactRecords() = default;
    ContactRecords(const ContactRecords&) = delete;
    ContactRecords& operator=(const ContactRecords&) = delete;

    // Appends one record per date of every card of every copy in `folder`, named and dated as an
    // import would, with the user's choices or else `defaults`. A date whose name, day and month
    // a record of `records` (or an earlier contact) has is left out: that record holds. Returns
    // the copies that could not be read; they are skipped, and the next sync fetches them again.
    std::vector<std::string> Load(const std::string& folder, RecordList& records,
                                  const ImportDefaults& defaults);

    // Keeps in its copy each choice the user changed since Load, for contacts the copy still
    // holds; the cards are never touched. Returns the address books that could not be written.
    std::vector<std::string> SaveChoices(const RecordList& records);

    // After a sync: keeps the choices made so far, then puts the copies' records as they are now
    // in place of the ones loaded before, from the folder and with the defaults of Load. False,
    // with nothing changed, when a choice could not be kept: reloading would lose it.
    bool Reload(RecordList& records);

private:
    std::list<ContactOrigin> origins_;  // addresses stay valid while the list grows
    ContactChoice defaults_;
    std::string folder_;
    ImportDefaults importDefaults_;
};
