// SPDX-License-Identifier: MIT
// Writes the benchmark's data for a logon run today: ovras.ini and the same list for
// birthday(1) as "birthdays", in a folder. With "contacts", the records are the contacts of one
// address book's local copy, as a sync leaves it, under <folder>/ovrana/addressbooks (the folder
// is then XDG_DATA_HOME), and ovras.ini is empty.
// Usage: ovrana-bench-data <records> quiet|due <folder> [contacts]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#include "BenchData.h"
#include "contacts/AddressBookCopy.h"
#include "records/DataFile.h"

namespace {

// Every record as a contact with its own choices (warning period, icon, silenced year), so that
// the copy reminds exactly what the data file would.
int WriteContacts(RecordList& records, const std::string& folder) {
    // The copy leaves out a name's second date on the same day, which birthday(1) would show.
    std::set<std::tuple<std::string, int, int>> seen;
    for (auto& record : records) {
        const std::string name = record->name;
        for (int n = 2; !seen.emplace(record->name, record->day, record->month).second; ++n) {
            record->name = name + " " + std::to_string(n);
        }
    }
    AddressBookCopy copy;
    copy.url = "https://dav.example.org/addressbooks/bench/contacts/";
    copy.addedWith = "https://dav.example.org/";
    copy.user = "bench";
    copy.displayName = "Contacts";
    copy.syncToken = "https://dav.example.org/sync/1";
    copy.lastSync = std::time(nullptr);
    std::size_t number = 0;
    for (const auto& each : records) {
        const PersonRecord& record = *each;
        const std::string id = "bench-" + std::to_string(number++);
        const bool anniversary = record.notABirthday != 0;
        copy.cards.push_back({copy.url + id + ".vcf",
                              "\"" + id + "\"",
                              id,
                              record.name,
                              record.email,
                              {{anniversary, record.day, record.month, record.year}}});
        copy.choices[id + (anniversary ? "\na" : "\nb")] = {record.daysInAdvance, record.icon,
                                                            false, record.skipYear};
    }
    return WriteCopy(CopyPathFor(folder + "/ovrana/addressbooks", copy.url), copy);
}

}  // namespace

int main(int argc, char** argv) {
    if ((argc != 4 && argc != 5) ||
        (std::strcmp(argv[2], "quiet") != 0 && std::strcmp(argv[2], "due") != 0) ||
        (argc == 5 && std::strcmp(argv[4], "contacts") != 0)) {
        std::fprintf(stderr, "usage: %s <records> quiet|due <folder> [contacts]\n", argv[0]);
        return 2;
    }
    const auto count = static_cast<std::size_t>(std::strtoul(argv[1], nullptr, 10));
    const BenchKind kind = std::strcmp(argv[2], "due") == 0 ? BenchKind::Due : BenchKind::Quiet;
    const std::string folder = argv[3];
    RecordList records = MakeBenchRecords(count, kind, MakeToday());
    if (argc == 5) {
        if (const int error = WriteContacts(records, folder); error != 0) {
            std::fprintf(stderr, "%s: cannot write the copy: %s\n", argv[0], std::strerror(error));
            return 1;
        }
        std::ofstream(folder + "/ovras.ini", std::ios::binary);
    } else {
        std::ofstream(folder + "/ovras.ini", std::ios::binary) << FormatRecords(records);
    }
    std::ofstream(folder + "/birthdays", std::ios::binary) << FormatBirthdayFile(records);
    return 0;
}
