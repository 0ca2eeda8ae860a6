// SPDX-License-Identifier: MIT
#include "ContactImport.h"

#include <memory>
#include <unordered_set>

#include "storage/RunLock.h"
#include "text/Text.h"

namespace {

std::string Key(std::string_view name, int day, int month) {
    std::string key(name);
    key += '\0';
    key += std::to_string(day);
    key += '.';
    key += std::to_string(month);
    return key;
}

}  // namespace

std::string StoredName(std::string_view name) {
    std::string stored;
    stored.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '\r' && i + 1 < name.size() && name[i + 1] == '\n') {
            continue;  // CR LF is one line break, one blank
        }
        stored += c < 0x20 || c == 0x7F ? ' ' : name[i];
    }
    if (stored.find(',') != std::string::npos) {
        std::erase(stored, '"');
    }
    return std::string(Trim(stored, " "));
}

ImportPlan PlanImport(const std::vector<VCardContact>& contacts, const RecordList& existing,
                      const ImportDefaults& defaults, std::size_t maxRecords) {
    ImportPlan plan;
    std::unordered_set<std::string> present;
    present.reserve(existing.size() + contacts.size());
    for (const auto& record : existing) {
        present.insert(Key(record->name, record->day, record->month));
    }
    for (const VCardContact& contact : contacts) {
        const std::string name = StoredName(contact.name);
        bool usable = false;
        bool nameless = false;
        for (const bool anniversary : {false, true}) {
            const VCardDate& date = anniversary ? contact.anniversary : contact.birthday;
            if (date.kind == VCardDate::Kind::None) {
                continue;
            }
            SkippedContact skipped{
                anniversary ? StoredName(FillIn(defaults.anniversaryName, {name})) : name,
                SkipReason::WithoutName, date.text, contact.line};
            if (date.kind != VCardDate::Kind::Date) {
                skipped.reason = date.kind == VCardDate::Kind::NotADate ? SkipReason::NotADate
                                                                        : SkipReason::InvalidDate;
                plan.skipped.push_back(std::move(skipped));
                continue;
            }
            usable = true;
            skipped.date.clear();
            if (name.empty()) {
                if (!nameless) {  // once for the contact, however many dates it has
                    skipped.name.clear();
                    plan.skipped.push_back(std::move(skipped));
                }
                nameless = true;
                continue;
            }
            if (!present.insert(Key(skipped.name, date.day, date.month)).second) {
                skipped.reason = SkipReason::AlreadyPresent;
                plan.skipped.push_back(std::move(skipped));
                ++plan.alreadyPresent;
                continue;
            }
            PersonRecord record;
            record.name = std::move(skipped.name);
            record.day = date.day;
            record.month = date.month;
            record.year = date.year;
            record.icon = defaults.icon;
            record.skipYear = -1;
            record.daysInAdvance = defaults.daysInAdvance;
            record.notABirthday = anniversary ? 1 : 0;
            record.email = contact.email;
            plan.records.push_back(std::move(record));
        }
        plan.withoutName += nameless ? 1 : 0;
        if (!usable) {
            ++plan.withoutDate;
            if (contact.birthday.kind == VCardDate::Kind::None &&
                contact.anniversary.kind == VCardDate::Kind::None) {
                plan.skipped.push_back({name, SkipReason::WithoutDate, {}, contact.line});
            }
        }
    }
    if (existing.size() + plan.records.size() > maxRecords) {
        const std::size_t total = existing.size() + plan.records.size();
        plan = ImportPlan{};
        plan.problem.kind = Problem::Kind::TooManyRecords;
        plan.problem.count = total;
        plan.problem.limit = maxRecords;
    }
    return plan;
}

ImportPlan ImportContacts(const std::string& dataPath, const std::string& vcardPath,
                          const ImportDefaults& defaults) {
    ImportPlan refused;
    Problem& problem = refused.problem;
    problem.file = dataPath;
    problem.nothingImported = true;
    VCardParse contacts = ReadVCardFile(vcardPath);
    if (contacts.problem.Failed()) {
        refused.problem = std::move(contacts.problem);
        return refused;
    }
    const RunLock lock(dataPath + ".lock");
    if (lock.state() != RunLock::State::Held) {
        problem.kind = lock.state() == RunLock::State::Busy ? Problem::Kind::DataFileBusy
                                                            : Problem::Kind::NoLock;
        problem.error = lock.error();
        return refused;
    }
    RecordList records;
    FileStamp read;
    if (LoadRecords(dataPath, records, &read) == LoadStatus::Unreadable) {
        FreeRecords(records);
        problem.kind = Problem::Kind::Unreadable;
        problem.detail = MissingTarget(dataPath);
        return refused;
    }
    ImportPlan plan = PlanImport(contacts.contacts, records, defaults);
    if (plan.problem.Failed()) {
        FreeRecords(records);
        plan.problem.nothingImported = true;
        return plan;
    }
    for (const PersonRecord& record : plan.records) {
        records.push_back(std::make_unique<PersonRecord>(record));
    }
    const SaveResult saved = plan.records.empty() ? SaveResult{SaveStatus::Saved, 0}
                                                  : SaveRecords(dataPath, records, &read);
    FreeRecords(records);
    if (!saved) {
        problem.kind = saved.status == SaveStatus::ChangedOnDisk ? Problem::Kind::ChangedOnDisk
                       : saved.status == SaveStatus::TooLarge    ? Problem::Kind::DataFileTooLarge
                                                                 : Problem::Kind::CannotSave;
        problem.error = saved.error;
        problem.why = WhyNotReplaced(saved.error, dataPath);
        problem.detail = saved.file;
        return refused;
    }
    return plan;
}
