// SPDX-License-Identifier: MIT
#include "Commands.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <system_error>

#include "model/DataFile.h"
#include "model/DisplayText.h"
#include "model/RunLock.h"

void PrintError(const std::string& text) {
    const std::string line = "ovrana: " + ReplaceControls(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

namespace {

int Fail(const std::string& text) {
    PrintError(text);
    return 1;
}

}  // namespace

int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts) {
    RecordList records;
    switch (LoadRecords(dataPath, records)) {
        case LoadStatus::Missing:
            return Fail("there is no data file " + dataPath + " to export");
        case LoadStatus::Unreadable:
            FreeRecords(records);
            return Fail("the data file " + dataPath + " could not be read completely");
        case LoadStatus::Loaded:
            break;
    }
    const CalendarExport calendar = ExportCalendar(records, std::time(nullptr), texts);
    FreeRecords(records);
    if (!calendar) {
        return Fail("the calendar could not be written: " + calendar.error);
    }
    if (const int error = WriteCalendar(target, calendar.text); error != 0) {
        return Fail("cannot write " + (target == "-" ? "to standard output" : target) + ": " +
                    std::generic_category().message(error));
    }
    return 0;
}

int RunImport(const std::string& dataPath, const std::string& vcardPath,
              const ImportDefaults& defaults) {
    const VCardParse contacts = ReadVCardFile(vcardPath);
    if (!contacts.error.empty()) {
        return Fail(contacts.error);
    }
    const RunLock lock(dataPath + ".lock");
    if (lock.state() != RunLock::State::Held) {
        return Fail("the data file " + dataPath +
                    " is in use by another Ovrana, or cannot be locked; nothing was imported");
    }
    RecordList records;
    FileStamp read;
    if (LoadRecords(dataPath, records, &read) == LoadStatus::Unreadable) {
        FreeRecords(records);
        return Fail("the data file " + dataPath +
                    " could not be read completely; nothing was imported");
    }
    const ImportPlan plan = PlanImport(contacts.contacts, records, defaults);
    if (!plan.error.empty()) {
        FreeRecords(records);
        return Fail(plan.error + "; nothing was imported");
    }
    for (const PersonRecord& record : plan.records) {
        records.push_back(std::make_unique<PersonRecord>(record));
    }
    const SaveResult saved = plan.records.empty() ? SaveResult{SaveStatus::Saved, 0}
                                                  : SaveRecords(dataPath, records, &read);
    FreeRecords(records);
    if (saved.status == SaveStatus::ChangedOnDisk) {
        return Fail(dataPath + " was changed by another program meanwhile; nothing was imported");
    }
    if (saved.status == SaveStatus::TooLarge) {
        return Fail("with these records " + dataPath +
                    " would be larger than Ovrana can read; nothing was imported");
    }
    if (!saved) {
        return Fail("cannot save " + (saved.file.empty() ? dataPath : saved.file) + ": " +
                    std::generic_category().message(saved.error) + "; nothing was imported");
    }
    const std::string summary = ImportSummary(plan) + "\n";
    return std::fputs(summary.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
