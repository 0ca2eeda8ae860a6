// SPDX-License-Identifier: MIT
#include "ContactRecords.h"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "text/Text.h"

namespace {

std::string Key(std::string_view name, int day, int month) {
    return std::string(name) + '\0' + std::to_string(day) + '.' + std::to_string(month);
}

std::string ChoiceKey(const ContactOrigin& origin) {
    return origin.uid + (origin.anniversary ? "\na" : "\nb");
}

ContactChoice ChoiceOf(const PersonRecord& record) {
    return {record.daysInAdvance, record.icon, record.infoOnly != 0, record.skipYear};
}

}  // namespace

std::vector<std::string> ContactRecords::Load(const std::string& folder, RecordList& records,
                                              const ImportDefaults& defaults) {
    defaults_ = {defaults.daysInAdvance, defaults.icon, false, -1};
    folder_ = folder;
    importDefaults_ = defaults;
    std::unordered_set<std::string> present;
    for (const auto& record : records) {
        present.insert(Key(record->name, record->day, record->month));
    }
    std::vector<std::string> unreadable;
    for (const std::string& path : CopyFiles(folder)) {
        AddressBookCopy copy;
        const LoadStatus status = ReadCopy(path, copy);
        if (status == LoadStatus::Unreadable) {
            unreadable.push_back(path);
        }
        if (status != LoadStatus::Loaded) {
            continue;  // a copy removed meanwhile is gone, not damaged
        }
        for (const CopiedCard& card : copy.cards) {
            for (const ContactDate& date : card.dates) {
                const std::string name =
                    date.anniversary ? StoredName(FillIn(defaults.anniversaryName, {card.name}))
                                     : card.name;
                if (name.empty() || !present.insert(Key(name, date.day, date.month)).second) {
                    continue;
                }
                ContactOrigin& origin = origins_.emplace_back(
                    ContactOrigin{path, copy.displayName.empty() ? copy.url : copy.displayName,
                                  card.uid, date.anniversary, defaults_});
                if (const auto chosen = copy.choices.find(ChoiceKey(origin));
                    chosen != copy.choices.end()) {
                    origin.loaded = chosen->second;
                }
                auto record = std::make_unique<PersonRecord>();
                record->name = name;
                record->day = date.day;
                record->month = date.month;
                record->year = date.year;
                record->icon = origin.loaded.icon;
                record->skipYear = origin.loaded.skipYear;
                record->daysInAdvance = origin.loaded.daysInAdvance;
                record->notABirthday = date.anniversary ? 1 : 0;
                record->infoOnly = origin.loaded.infoOnly ? 1 : 0;
                record->email = card.email;
                record->origin = &origin;
                records.push_back(std::move(record));
            }
        }
    }
    return unreadable;
}

std::vector<std::string> ContactRecords::SaveChoices(const RecordList& records) {
    std::map<const ContactOrigin*, ContactOrigin*> mine;
    for (ContactOrigin& origin : origins_) {
        mine[&origin] = &origin;
    }
    // One update of each copy for all its changed contacts.
    std::map<std::string, std::vector<std::pair<ContactOrigin*, ContactChoice>>> changes;
    for (const auto& record : records) {
        const auto found = mine.find(record->origin);
        if (found != mine.end() && ChoiceOf(*record) != found->second->loaded) {
            changes[found->second->copyPath].emplace_back(found->second, ChoiceOf(*record));
        }
    }
    std::vector<std::string> failed;
    for (const auto& [path, choices] : changes) {
        const CopyUpdate update = UpdateCopy(path, [&](AddressBookCopy& copy) {
            for (const auto& [origin, choice] : choices) {
                const bool held =
                    std::any_of(copy.cards.begin(), copy.cards.end(),
                                [&](const CopiedCard& c) { return c.uid == origin->uid; });
                // A contact gone from the address book takes its choices along.
                if (!held || choice == defaults_) {
                    copy.choices.erase(ChoiceKey(*origin));
                } else {
                    copy.choices[ChoiceKey(*origin)] = choice;
                }
            }
        });
        if (update == CopyUpdate::Busy || update == CopyUpdate::Failed) {
            failed.push_back(choices.front().first->addressBook);
            continue;
        }
        for (const auto& [origin, choice] : choices) {
            origin->loaded = choice;
        }
    }
    return failed;
}

bool ContactRecords::Reload(RecordList& records) {
    if (!SaveChoices(records).empty()) {
        return false;
    }
    std::erase_if(records, [](const auto& record) { return record->origin != nullptr; });
    origins_.clear();
    Load(folder_, records, importDefaults_);
    return true;
}
